// The chart window's divisional charts, the North drawing's house-fixed form, the
// ascendant's degree and the Dasha page, driven as a user would through the real windows.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "app_fixture.h"

namespace velmora::test {
namespace {

class ChartShown : public AppFixture {
 public:
  explicit ChartShown(QPushButton* BirthForm::*button = &BirthForm::cmdCalculate) {
    Fill(BirthEntry{});
    Click(form().*button);
  }
};

QString CellOf(const IndianChartView* drawing, int sign) {
  return drawing->Cell(sign)->text();
}

// The Delhi birth (15 June 1980, 10:30 IST): the birth chart's Leo holds the ascendant,
// Mars, Jupiter and Saturn.
const QString kBirthLeo = QStringLiteral("Asc\nMangala\nGuru\nShani");

}  // namespace

class DivisionalDashaTest : public QObject {
  Q_OBJECT

 private slots:
  void viewMenuShowsTheDivisions() {
    ChartShown f;
    MainWindow& main = *f.main();
    QVERIFY(main.mnuView->menuAction()->isVisible());
    QVERIFY(main.mnuChart->isVisible());
    QVERIFY(main.mnuDivisional->menuAction()->isVisible());
    QVERIFY(main.mnuChart->isChecked());
    QCOMPARE(f.chart().cboDivision->currentText(), QStringLiteral("Chart"));
  }

  void divisionDrawsItsOwnCells_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("sign");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("ascendantSign");
    QTest::addColumn<int>("entry");  // of the six entries below, which the menu has had longest
    QTest::newRow("HoraCancerMoonMercuryMarsSaturn")
        << 1 << 3 << "Chandra\nBudha\nMangala\nShani" << 4 << 0;
    QTest::newRow("DrekkanaAriesMarsSaturn") << 2 << 0 << "Mangala\nShani" << 4 << 1;
    QTest::newRow("SapthamsaCapricornMoonMarsKetu") << 4 << 9 << "Chandra\nMangala\nKetu" << 5 << 2;
    QTest::newRow("NavamsaLibraSunVenusMars") << 5 << 6 << "Surya\nShukra\nMangala" << 1 << 3;
    QTest::newRow("DasamsaGeminiSunVenusKetu") << 6 << 2 << "Surya\nShukra\nKetu" << 6 << 4;
    QTest::newRow("DwadasamsaGeminiSunVenusSaturnRahu")
        << 7 << 2 << "Surya\nShukra\nShani\nRahu" << 6 << 5;
  }
  void divisionDrawsItsOwnCells() {
    QFETCH(int, view);
    QFETCH(int, sign);
    QFETCH(QString, text);
    QFETCH(int, ascendantSign);
    QFETCH(int, entry);
    ChartShown f;
    MainWindow& main = *f.main();
    ChartWindow& w = f.chart();
    QAction* const entries[] = {main.mnuSub_Hora,    main.mnuSub_Drekkana, main.mnuSub_Sapthamsa,
                                main.mnuSub_Navamsa, main.mnuSub_Dasamsa,  main.mnuSub_Dwadasamsa};

    entries[entry]->trigger();
    QVERIFY(main.chartSubWindow()->isVisible());
    QVERIFY(w.picSouthRasi->isVisible());
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North, ChartStyle::East}) {
      QCOMPARE(CellOf(w.Drawing(style), sign), text);
      QVERIFY(CellOf(w.Drawing(style), ascendantSign).startsWith(QStringLiteral("Asc")));
    }
    QCOMPARE(w.cboDivision->currentIndex(), view);
    QVERIFY(!main.mnuChart->isChecked());
    for (int i = 0; i < 6; ++i) QCOMPARE(entries[i]->isChecked(), i == entry);

    // A style switch keeps the division.
    main.PressStyleButton(ChartStyle::East);
    QCOMPARE(CellOf(w.picRashiEast, sign), text);

    main.mnuChart->trigger();
    QCOMPARE(CellOf(w.picRashiEast, 4), kBirthLeo);
    QCOMPARE(CellOf(w.picSouthRasi, 4), kBirthLeo);
    QVERIFY(main.mnuChart->isChecked());
    for (QAction* entry : entries) QVERIFY(!entry->isChecked());
  }

  void selectorInTheWindowMovesTheMenuMarks() {
    ChartShown f;
    MainWindow& main = *f.main();
    ChartWindow& w = f.chart();
    w.cboDivision->setCurrentIndex(5);  // Navamsa (D9)
    QVERIFY(main.mnuSub_Navamsa->isChecked());
    QVERIFY(!main.mnuChart->isChecked());
    QCOMPARE(CellOf(w.picSouthRasi, 1), QStringLiteral("Asc\nBudha"));
    w.cboDivision->setCurrentIndex(0);
    QVERIFY(main.mnuChart->isChecked());
    QVERIFY(!main.mnuSub_Navamsa->isChecked());
    QCOMPARE(CellOf(w.picSouthRasi, 4), kBirthLeo);
  }

  void ascendantDegreeUnderTheChart() {
    ChartShown f;
    ChartWindow& w = f.chart();
    QVERIFY(w.lblAscendantDegree->isVisible());
    QCOMPARE(w.lblAscendantDegree->text(), QStringLiteral("Ascendant: 6\u00B0 31' 9\" Leo"));
    f.main()->mnuSub_Navamsa->trigger();
    QVERIFY(w.lblAscendantDegree->text().endsWith(QStringLiteral("Navamsa (D9) lagna: Taurus")));
  }

  void northHouseFixedPutsTheLagnaOnTop_data() {
    QTest::addColumn<int>("view");
    QTest::addColumn<int>("lagnaSign");
    QTest::newRow("ChartLeo") << 0 << 4;
    QTest::newRow("NavamsaTaurus") << 5 << 1;
    QTest::newRow("DasamsaLibra") << 6 << 6;
  }
  void northHouseFixedPutsTheLagnaOnTop() {
    QFETCH(int, view);
    QFETCH(int, lagnaSign);
    ChartShown f(&BirthForm::cmdCalculate2);
    MainWindow& main = *f.main();
    ChartWindow& w = f.chart();
    NorthChartView& north = *w.picNorthRasi;
    // Today's drawing stays the default: Aries in the top diamond.
    QVERIFY(w.chkLagnaOnTop->isVisible());
    QVERIFY(!w.chkLagnaOnTop->isChecked());
    QVERIFY(!main.mnuLagnaOnTop->isChecked());
    const QPoint topCell = north.Cell(0)->pos();
    const QPoint topNumber = north.Number(0)->pos();
    const QPoint secondCell = north.Cell(1)->pos();

    w.SelectChartView(view);
    main.mnuLagnaOnTop->trigger();
    QVERIFY(w.chkLagnaOnTop->isChecked());
    QCOMPARE(north.Cell(lagnaSign)->pos(), topCell);
    QVERIFY(north.Cell(lagnaSign)->text().startsWith(QStringLiteral("Asc")));
    QCOMPARE(north.Number(lagnaSign)->pos(), topNumber);
    QCOMPARE(north.Number(lagnaSign)->text(), QString::number(lagnaSign + 1));
    // The next sign takes the second house, counter-clockwise.
    QCOMPARE(north.Cell((lagnaSign + 1) % 12)->pos(), secondCell);

    // Back to the birth chart and its own lagna, still house-fixed; then off again.
    w.SelectChartView(0);
    QCOMPARE(north.Cell(4)->pos(), topCell);
    w.chkLagnaOnTop->setChecked(false);
    QVERIFY(!main.mnuLagnaOnTop->isChecked());
    QCOMPARE(north.Cell(0)->pos(), topCell);
    QCOMPARE(north.Number(0)->pos(), topNumber);
  }

  void houseFixedChoiceBelongsToTheNorthDrawing() {
    ChartShown f;
    MainWindow& main = *f.main();
    QVERIFY(!f.chart().chkLagnaOnTop->isVisible());
    main.PressStyleButton(ChartStyle::North);
    QVERIFY(f.chart().chkLagnaOnTop->isVisible());
    main.PressStyleButton(ChartStyle::East);
    QVERIFY(!f.chart().chkLagnaOnTop->isVisible());
  }

  void westernChartHidesTheIndianChoices() {
    ChartShown f;
    f.app->Back();
    // The sign-sector wheel this test was written for, now View > Classic wheel.
    f.app->SetClassicWheel(true);
    f.Click(f.form().Command2);
    ChartWindow& w = f.chart();
    QVERIFY(w.picNatal->isVisible());
    QVERIFY(!w.cboDivision->isVisible());
    QVERIFY(!w.lblAscendantDegree->isVisible());
    QVERIFY(!w.chkLagnaOnTop->isVisible());
  }

  void dashaPageLeadsWithTheRunningPeriods_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("running");
    QTest::addColumn<int>("openMahadasha");  // -1: none runs
    QTest::newRow("KetuMercuryInLate2026")
        << 2026 << 12 << 10
        << "Running on 2026-12-10: Ketu mahadasha (2020-03-10 to 2027-03-11), Mercury "
           "antardasha (2026-03-14 to 2027-03-11)"
        << 3;
    QTest::newRow("JupiterAtBirth")
        << 1980 << 6 << 16
        << "Running on 1980-06-16: Jupiter mahadasha (1968-03-10 to 1984-03-10), Moon "
           "antardasha (1979-07-11 to 1980-11-09)"
        << 0;
    QTest::newRow("BeforeTheFirstPeriodNothingRuns")
        << 1960 << 1 << 1
        << "No period of this chart runs on 1960-01-01: its dashas cover 1968-03-10 to "
           "2088-03-10."
        << -1;
  }
  void dashaPageLeadsWithTheRunningPeriods() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, running);
    QFETCH(int, openMahadasha);
    ChartShown f;
    ChartWindow& w = f.chart();
    QTabWidget& tabs = *w.fraInterpretation->SSTab1;
    QCOMPARE(tabs.tabText(tabs.indexOf(w.dashaPage)), QStringLiteral("Dasha"));

    w.ShowDasha(f.app->sidereal(), {year, month, day}, 12.0);
    DashaPage& page = *w.dashaPage;
    QCOMPARE(page.lblRunning->text(), running);
    QCOMPARE(page.lblBalance->text(),
             QStringLiteral("Balance at birth: Jupiter mahadasha, 3 years 8 months 25 days"));
    QTreeWidget& tree = *page.tvwDasha;
    QCOMPARE(tree.topLevelItemCount(), 9);
    const char* lords[] = {"Jupiter", "Saturn", "Mercury", "Ketu", "Venus",
                           "Sun",     "Moon",   "Mars",    "Rahu"};
    for (int i = 0; i < 9; ++i) {
      QTreeWidgetItem* item = tree.topLevelItem(i);
      QCOMPARE(item->text(0), QString::fromUtf8(lords[i]));
      QCOMPARE(item->childCount(), 9);
      QCOMPARE(item->child(0)->text(1), item->text(1));
      QCOMPARE(item->child(8)->text(2), item->text(2));
      QCOMPARE(item->isExpanded(), i == openMahadasha);
      QCOMPARE(item->font(0).bold(), i == openMahadasha);
    }
    QCOMPARE(tree.topLevelItem(0)->child(1)->text(0), QStringLiteral("Jupiter / Saturn"));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::DivisionalDashaTest)
#include "divisional_dasha_test.moc"
