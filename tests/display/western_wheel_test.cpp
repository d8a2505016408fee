// The Western wheel with every body at its degree, its pages and the View menu's house
// system and classic wheel, driven through the real windows; and the wheel's drawing.
#include <QImage>
#include <QPainter>
#include <QtTest>

#include "app_fixture.h"
#include "display/western_wheel.h"
#include "engine/chart.h"
#include "example_births.h"

namespace velmora::test {
namespace {

// How many pixels of an image are not the white it was filled with.
int InkedPixels(const QImage& image) {
  int inked = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) inked += image.pixel(x, y) != qRgb(255, 255, 255);
  }
  return inked;
}

WesternChart DelhiWesternChart() {
  ChartRecord c;
  ReadBirthData(c, DelhiBirth());
  RunTropicalEngine(c, EngineOptions{PositionSource::Formula, LunarNode::Mean});
  return ComputeWesternChart(c);
}

}  // namespace

class WesternWheelTest : public QObject {
  Q_OBJECT

 private slots:
  void westernChartShowsTheWheelByDegreesAndItsPages() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().Command2);
    ChartWindow& w = f.chart();
    QVERIFY(w.picWestern->isVisible());
    QVERIFY(!w.picNatal->isVisible());
    QVERIFY(w.picWestern->Chart().has_value());
    QCOMPARE(w.lblHouseSystem->text(), QStringLiteral("Placidus"));
    QTabWidget* tabs = w.fraInterpretation->SSTab1;
    QCOMPARE(tabs->currentWidget(), w.westernTabs);
    QCOMPARE(w.westernTabs->currentWidget(), w.westernPositionsPage);
    QVERIFY(tabs->isTabVisible(tabs->indexOf(w.westernTabs)));
    QCOMPARE(w.westernTabs->count(), 3);
    // The whole row of tabs shows at the window's own size: no tab scrolled out of sight.
    QTabBar* bar = tabs->tabBar();
    for (int i = 0; i < bar->count(); ++i) {
      if (bar->isTabVisible(i))
        QVERIFY2(bar->rect().contains(bar->tabRect(i)), qPrintable(bar->tabText(i)));
    }
    const WesternChart& chart = *w.picWestern->Chart();
    QTableWidget* table = w.westernPositionsPage->tblPositions;
    QCOMPARE(table->rowCount(), kWesternPoints);
    QCOMPARE(table->item(0, 0)->text(), QStringLiteral("Sun"));
    QCOMPARE(table->item(0, 1)->text(), QStringLiteral("Gemini"));
    QCOMPARE(table->item(0, 3)->text(), QString::number(chart.At(WesternPoint::Sun).House));
    QCOMPARE(table->item(3, 5)->text(), QStringLiteral("Retrograde"));  // Venus
    QCOMPARE(w.westernPositionsPage->lblHouseSystem->text(), QStringLiteral("Placidus houses"));
    // Every aspect has its cell below the diagonal.
    int marked = 0;
    QTableWidget* grid = w.aspectGridPage->tblAspects;
    for (int row = 0; row < grid->rowCount(); ++row) {
      for (int column = 0; column < row; ++column)
        marked += !grid->item(row, column)->text().isEmpty();
    }
    QCOMPARE(marked, static_cast<int>(chart.Aspects.size()));
    QCOMPARE(w.tropicalSignsPage->Headings[0]->text(), QStringLiteral("Sun in Gemini"));
    QCOMPARE(w.tropicalSignsPage->Headings[2]->text(), QStringLiteral("Ascendant in Virgo"));
    QVERIFY(w.tropicalSignsPage->Paragraphs[1]->Paragraph().contains(QStringLiteral("Cancer")));

    // An Indian chart takes the Western pages away again.
    f.form().cmdCalculate->click();
    QVERIFY(!w.picWestern->isVisible());
    QVERIFY(!tabs->isTabVisible(tabs->indexOf(w.westernTabs)));
    QVERIFY(!w.lblHouseSystem->isVisible());
  }

  void viewMenuChoosesTheHouseSystemAndKeepsIt() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().Command2);
    MainWindow& m = *f.main();
    QVERIFY(m.mnuHouses[0]->isChecked());
    m.mnuHouses[static_cast<std::size_t>(HouseSystem::WholeSign)]->trigger();
    ChartWindow& w = f.chart();
    QCOMPARE(w.lblHouseSystem->text(), QStringLiteral("Whole Sign"));
    QCOMPARE(w.picWestern->Chart()->Houses.CuspsDeg[0], 150.0);  // Virgo rising
    QCOMPARE(f.app->westernView().Options.Houses, HouseSystem::WholeSign);
    // Kept for the next main window.
    f.app->Back();
    f.Click(f.form().Command2);
    QVERIFY(f.main()->mnuHouses[static_cast<std::size_t>(HouseSystem::WholeSign)]->isChecked());
    QCOMPARE(f.chart().lblHouseSystem->text(), QStringLiteral("Whole Sign"));
  }

  void classicWheelComesBackFromTheViewMenu() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().Command2);
    ChartWindow& w = f.chart();
    f.main()->mnuClassicWheel->trigger();
    QVERIFY(f.main()->mnuClassicWheel->isChecked());
    QVERIFY(w.picNatal->isVisible());
    QVERIFY(!w.picWestern->isVisible());
    f.main()->mnuClassicWheel->trigger();
    QVERIFY(!w.picNatal->isVisible());
    QVERIFY(w.picWestern->isVisible());
  }

  void minorAspectsFromTheViewMenu() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().Command2);
    const std::size_t major = f.chart().picWestern->Chart()->Aspects.size();
    f.main()->mnuMinorAspects->trigger();
    QVERIFY(f.main()->mnuMinorAspects->isChecked());
    QVERIFY(f.app->westernView().Options.Aspects == AspectKinds::All());
    QVERIFY(f.chart().picWestern->Chart()->Aspects.size() > major);
  }

  void pastThePolarCircleThePlacidusHousesSayTheyArePorphyry() {
    AppFixture f;
    BirthEntry tromso;
    tromso.LatDeg = QStringLiteral("69");
    tromso.LatMin = QStringLiteral("39");
    f.Fill(tromso);
    f.Click(f.form().Command2);
    ChartWindow& w = f.chart();
    QCOMPARE(w.lblHouseSystem->text(), QStringLiteral("Porphyry (polar)"));
    QVERIFY(w.lblHouseSystem->toolTip().contains(QStringLiteral("polar circle")));
    QVERIFY(w.westernPositionsPage->lblHouseSystem->text().startsWith(
        QStringLiteral("Porphyry houses: Placidus houses cannot be drawn")));
  }

  // Bodies crowded together keep a glyph's width apart, in the order of their degrees.
  void crowdedBodiesSpreadApart() {
    WesternChart chart = DelhiWesternChart();
    for (int body = 0; body < 10; ++body) {
      chart.Points[static_cast<std::size_t>(body)].LongitudeDeg = 100 + 0.5 * body;
    }
    const double gap = 8;
    const auto marks = SpreadWheelMarks(chart, gap);
    QCOMPARE(marks.size(), std::size_t{12});
    for (std::size_t i = 0; i + 1 < marks.size(); ++i) {
      const double apart = std::fmod(marks[i + 1].DrawnAtDeg - marks[i].DrawnAtDeg + 720, 360);
      QVERIFY2(apart >= gap - 1e-6, qPrintable(QString::number(apart)));
      QVERIFY(marks[i].LongitudeDeg <= marks[i + 1].LongitudeDeg);
    }
    // A body standing alone stays on its degree.
    for (const WheelMark& m : marks) {
      if (m.Point == WesternPoint::SouthNode) QCOMPARE(m.DrawnAtDeg, m.LongitudeDeg);
    }
  }

  // Any crowd, wherever it stands: every point at least the gap from its neighbours, none
  // overtaking another (the forward steps around the circle add up to one turn), and a
  // point standing alone left on its degree.
  void spreadKeepsTheGapAndTheOrder_data() {
    QTest::addColumn<std::vector<double>>("longitudes");
    QTest::addColumn<double>("gap");
    QTest::addColumn<int>("alone");  // index of a point that must not move, or -1
    // 5 February 1962: Mars to the node within 16 degrees of Aquarius, with Mars and
    // Saturn and then Sun, Moon, Mercury and Venus within a degree or two.
    QTest::newRow("seven in Aquarius")
        << std::vector<double>{138.16, 149.05, 159.42, 223.47, 302.38, 303.81,
                               315.73, 315.92, 316.91, 317.79, 318.16, 318.62}
        << 10.6 << 3;
    QTest::newRow("evenly close") << std::vector<double>{100, 100.5, 101, 101.5, 102, 250} << 8.0
                                  << 5;
    QTest::newRow("across 0 Aries") << std::vector<double>{1, 2, 3, 120, 357, 358, 359} << 9.0 << 3;
    QTest::newRow("two crowds that meet")
        << std::vector<double>{10, 11, 12, 30, 31, 32, 200} << 9.0 << 6;
    QTest::newRow("more than the circle holds")
        << std::vector<double>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11} << 40.0 << -1;
    // The crowds either side of 0 Aries meet across it; the points between stay put.
    QTest::newRow("crowds meeting across 0 Aries")
        << std::vector<double>{0, 0.5, 1, 1.5, 60, 120, 180, 240, 298.5, 299, 299.5, 300} << 16.0
        << 6;
    QTest::newRow("already apart") << std::vector<double>{0, 90, 180, 270} << 10.0 << 2;
  }
  void spreadKeepsTheGapAndTheOrder() {
    QFETCH(std::vector<double>, longitudes);
    QFETCH(double, gap);
    QFETCH(int, alone);
    const std::vector<double> drawn = SpreadOnCircle(longitudes, gap);
    QCOMPARE(drawn.size(), longitudes.size());
    const std::size_t n = drawn.size();
    const double wanted = std::min(gap, 360.0 / static_cast<double>(n));
    double turn = 0;
    for (std::size_t i = 0; i < n; ++i) {
      const double step = std::fmod(drawn[(i + 1) % n] - drawn[i] + 720, 360);
      QVERIFY2(step >= wanted - 1e-6, qPrintable(QStringLiteral("%1 to %2: %3")
                                                     .arg(longitudes[i])
                                                     .arg(longitudes[(i + 1) % n])
                                                     .arg(step)));
      turn += step;
    }
    QVERIFY2(std::fabs(turn - 360) < 1e-6, qPrintable(QString::number(turn)));
    if (alone >= 0) {
      const auto i = static_cast<std::size_t>(alone);
      QVERIFY(std::fabs(drawn[i] - longitudes[i]) < 1e-9);
    }
  }

  // The same routine at the screen's size and at twice that: both drawn, the larger one with
  // about four times the ink, as a vector drawing scales.
  void wheelDrawsAtOneAndTwoTimes() {
    const WesternChart chart = DelhiWesternChart();
    const WheelGlyphs glyphs;
    int inked[2] = {};
    for (int scale : {1, 2}) {
      QImage image(450 * scale, 431 * scale, QImage::Format_RGB32);
      image.fill(Qt::white);
      QPainter painter(&image);
      PaintWesternWheel(painter, QRectF(image.rect()), chart, glyphs);
      painter.end();
      inked[scale - 1] = InkedPixels(image);
    }
    QVERIFY(inked[0] > 450 * 431 / 4);
    const double ratio = double(inked[1]) / inked[0];
    QVERIFY2(ratio > 3.5 && ratio < 4.5, qPrintable(QString::number(ratio)));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::WesternWheelTest)
#include "western_wheel_test.moc"
