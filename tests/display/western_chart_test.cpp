// The Western chart button and the natal wheel, driven through the real windows.
#include <QMenu>
#include <QtTest>

#include "app_fixture.h"
#include "engine/files/report.h"

namespace velmora::test {
namespace {

BirthEntry Greenwich(int hour, int minute) {
  return GreenwichEntry(hour, minute);
}

QStringList Glyphs(const ChartWindow& w) {
  QStringList pictures;
  for (const GlyphImage* glyph : w.picNatal->imgSign) pictures << QString::number(glyph->Picture());
  return pictures;
}

}  // namespace

class WesternChartTest : public QObject {
  Q_OBJECT

 private slots:
  void ascendantSignLeadsTheWheel_data() {
    QTest::addColumn<int>("hour");
    QTest::addColumn<QString>("ascendant");
    QTest::addColumn<QString>("glyphs");
    QTest::newRow("ascendant in Aries")
        << 12 << QStringLiteral("Aries") << QStringLiteral("1 2 3 4 5 6 7 8 9 10 11 12");
    QTest::newRow("ascendant in Pisces")
        << 10 << QStringLiteral("Pisces") << QStringLiteral("12 1 2 3 4 5 6 7 8 9 10 11");
  }

  void ascendantSignLeadsTheWheel() {
    QFETCH(int, hour);
    QFETCH(QString, ascendant);
    QFETCH(QString, glyphs);
    AppFixture f;
    f.Fill(Greenwich(hour, 0));
    f.Click(f.form().Command2);
    QVERIFY(f.platform.Messages.empty());
    ChartWindow& w = f.chart();
    QCOMPARE(Glyphs(w).join(QLatin1Char(' ')), glyphs);
    QCOMPARE(w.lblLagna->text(), ascendant);
    QVERIFY(w.picNatal->Sector(0)->text().endsWith(QStringLiteral("\nAsc")));
    for (int i = 1; i < 12; ++i)
      QVERIFY(!w.picNatal->Sector(i)->text().contains(QStringLiteral("Asc")));
    QCOMPARE(w.lblNakshatra->text(), QStringLiteral("Capricorn"));  // the Sun on 1 January
  }

  void sectorTextsBeginWithAnEmptyLine() {
    AppFixture f;
    f.Fill(Greenwich(5, 30));  // Sun and Mercury rising in Capricorn
    f.Click(f.form().Command2);
    WheelView& wheel = *f.chart().picNatal;
    QCOMPARE(wheel.Sector(0)->text(), QStringLiteral("\nSun\nMercury\nAsc"));
    QCOMPARE(wheel.Sector(1)->text(), QStringLiteral("\nMars\nKetu"));
    QCOMPARE(wheel.Sector(2)->text(), QString());  // Pisces holds nothing
    QCOMPARE(wheel.Sector(7)->text(), QStringLiteral("\nRahu"));
    QCOMPARE(f.chart().lblLagna->text(), QStringLiteral("Capricorn"));
  }

  void nodesAreRahuAndKetuOnTheWheelAndNodesInTheTable() {
    AppFixture f;
    f.Fill(Greenwich(5, 30));
    f.Click(f.form().Command2);
    ChartWindow& w = f.chart();
    QCOMPARE(w.PlanetName[10]->text(), QStringLiteral("North Node"));
    QCOMPARE(w.PlanetName[11]->text(), QStringLiteral("South Node"));
    QCOMPARE(w.PlanetName[0]->text(), QStringLiteral("Sun"));
    QCOMPARE(w.PlanetName[6]->text(), QStringLiteral("Saturn"));
    QCOMPARE(w.Planet[7]->text(), QString::fromStdString(f.app->tropical().PlanetPositionTexts[7]));
    QCOMPARE(w.Planet[9]->text(), QString::fromStdString(f.app->tropical().PlanetPositionTexts[9]));
    QCOMPARE(w.Planet[10]->text(), QString());  // the midheaven row is not written
  }

  void westernAppearance() {
    AppFixture f;
    // The sign-sector wheel this test was written for, now View > Classic wheel.
    f.app->SetClassicWheel(true);
    f.Fill(BirthEntry{});
    f.Click(f.form().Command2);
    ChartWindow& w = f.chart();
    QVERIFY(!f.form().isVisible());
    QVERIFY(f.main()->isVisible());
    QVERIFY(w.picNatal->isVisible());
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             w.picSouthRasi, w.picNorthRasi, w.picRashiEast, w.Label2, w.Label6, w.lblPada,
             w.lblLord, w.Label4, w.lblAyanamsha}) {
      QVERIFY(!hidden->isVisible());
    }
    QCOMPARE(w.lblStyle->text(), QStringLiteral("Western Style"));
    QCOMPARE(w.Label5->text(), QStringLiteral("Sun Sign"));
    QCOMPARE(w.Label1->text(), QStringLiteral("Ascendent"));
    QCOMPARE(w.Label17->text(), QStringLiteral("Moon Sign"));
    QCOMPARE(w.lblLagna->text(), QStringLiteral("Virgo"));
    QCOMPARE(w.lblNakshatra->text(), QStringLiteral("Gemini"));
    QCOMPARE(w.lblRashi->text(), QStringLiteral("Cancer"));
    QCOMPARE(w.lblName->text(), QStringLiteral("Name: Asha Rao"));
    QCOMPARE(w.lblTOB->text(), QStringLiteral("Time of Birth: 10 HH 30 MM "));
    // No Indian drawing can be brought up under the Western captions.
    QVERIFY(!f.main()->cmdNorth->isEnabled());
    QVERIFY(!f.main()->cmdSouth->isEnabled());
    QVERIFY(!f.main()->cmdEast->isEnabled());
    QVERIFY(!f.main()->mnuChartStyle->isEnabled());
  }

  void westernChartLeavesTheIndianChartRecordAlone() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    const std::string report = TextReport(f.app->sidereal());
    f.Click(f.main()->cmdBack);
    BirthEntry other = Greenwich(5, 30);
    f.Fill(other);
    f.Click(f.form().Command2);
    QCOMPARE(TextReport(f.app->sidereal()), report);
    QCOMPARE(f.app->sidereal().BirthName, std::string("Asha Rao"));
    QCOMPARE(f.app->tropical().BirthName, std::string("Lena Brandt"));
    QCOMPARE(f.chart().lblName->text(), QStringLiteral("Name: Lena Brandt"));
  }

  void indianCommandRestoresItsAppearanceInTheSameWindow() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().Command2);
    MainWindow* main = f.main();
    // A chart command run while the main window is up (as opening a chart file does).
    f.form().cmdCalculate2->click();
    QCOMPARE(f.main(), main);
    ChartWindow& w = f.chart();
    QVERIFY(!w.picNatal->isVisible());
    QVERIFY(w.picNorthRasi->isVisible());
    QVERIFY(!w.picSouthRasi->isVisible());
    QCOMPARE(w.lblStyle->text(), QStringLiteral("North Indian Style"));
    QCOMPARE(w.Label5->text(), QStringLiteral("Nakshatra"));
    QCOMPARE(w.Label1->text(), QStringLiteral("Lagna / Asc"));
    QCOMPARE(w.Label17->text(), QStringLiteral("Rashi/Moon Sign"));
    QCOMPARE(w.PlanetName[0]->text(), QStringLiteral("Surya / Sun"));
    QCOMPARE(w.PlanetName[10]->text(), QStringLiteral("Rahu / North Node"));
    for (QWidget* shown : std::initializer_list<QWidget*>{w.Label2, w.Label6, w.lblPada, w.lblLord,
                                                          w.Label4, w.lblAyanamsha}) {
      QVERIFY(shown->isVisible());
    }
    QCOMPARE(w.lblLagna->text(), QStringLiteral("Simha"));
    QVERIFY(main->cmdSouth->isEnabled());
    QVERIFY(main->mnuChartStyle->isEnabled());
    QCOMPARE(main->lblStyleCaption->text(), QStringLiteral("North Indian Style"));
  }

  void westernChartLeavesTheInterpretationPanelAlone() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    InterpretationPanel& panel = *f.chart().fraInterpretation;
    const QString planets = panel.RTBHouseDesc->document()->toHtml();
    const QString nakshatra = panel.lblNakshatraResult->text();
    const QString lagna = panel.Lagna.VedicName->text();
    const QString rashi = panel.Rashi.EnglishName->text();
    // Back to the form would make a new window: the Western chart runs in this one, as a
    // chart command run from the main window does.
    f.form().txtName->setText(QStringLiteral("Lena Brandt"));
    f.form().cboYear->setCurrentIndex(2000 - 1900);
    // The sign-sector wheel this test was written for, now View > Classic wheel.
    f.app->SetClassicWheel(true);
    f.form().Command2->click();
    QVERIFY(f.chart().picNatal->isVisible());
    QCOMPARE(panel.RTBHouseDesc->document()->toHtml(), planets);
    QCOMPARE(panel.lblNakshatraResult->text(), nakshatra);
    QCOMPARE(panel.Lagna.VedicName->text(), lagna);
    QCOMPARE(panel.Rashi.EnglishName->text(), rashi);
    QCOMPARE(nakshatra, QStringLiteral("Punarvasu"));
  }

  void invalidEntryShowsOnlyTheMessage() {
    AppFixture f;
    BirthEntry e;
    e.Name.clear();
    f.Fill(e);
    f.Click(f.form().Command2);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("Please Enter Your Name"));
    QCOMPARE(f.main(), nullptr);
    QCOMPARE(f.app->tropical().BirthYear, 0);
  }

  void elevenLinesFitInEverySector() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().Command2);
    WheelView& wheel = *f.chart().picNatal;
    const QString eleven = QStringLiteral(
        "\r\nSun\r\nMoon\r\nMercury\r\nVenus\r\nMars\r\nJupiter\r\nSaturn\r\nRahu\r\nKetu\r\nAsc");
    for (int i = 0; i < 12; ++i) {
      wheel.SetSectorText(i, eleven);
      const QRect label = wheel.Sector(i)->geometry();
      QVERIFY2(wheel.rect().contains(label),
               qPrintable(QStringLiteral("sector %1 is cut off").arg(i + 1)));
      QVERIFY(label.height() >= 11 * wheel.Sector(i)->fontMetrics().lineSpacing());
    }
  }

  void wheelGeometry() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().Command2);
    WheelView& wheel = *f.chart().picNatal;
    QCOMPARE(wheel.geometry(), TwipsRect(120, 240, 6750, 6465));
    QCOMPARE(wheel.Sector(6)->pos(), TwipsPoint(5160, 2160));
    QCOMPARE(wheel.imgSign[3]->pos(), TwipsPoint(3840, 5975));
    QCOMPARE(wheel.imgSign[3]->size(), QSize(21, 21));
    QCOMPARE(wheel.lblNatalPosition[0]->text(), QStringLiteral("12"));
    QCOMPARE(wheel.lblNatalPosition[0]->pos(), TwipsPoint(360, 2040));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::WesternChartTest)
#include "western_chart_test.moc"
