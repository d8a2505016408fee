// The chart window's Jyotish tab (panchanga, planets, vargas, ashtakavarga), the marks beside
// the positions, every division in the selector and the menu, and the Dasha page's third
// level, driven through the real windows.
#include <QAction>
#include <QMenu>
#include <QtTest>

#include "app_fixture.h"

namespace velmora::test {
namespace {

// The Delhi birth (15 June 1980, 10:30 IST) with the program's own formulas, asked for by
// name rather than left to the default.
class ChartShown : public AppFixture {
 public:
  ChartShown() {
    app->SetClassicFormulas(true);
    Fill(BirthEntry{});
    Click(form().cmdCalculate);
  }
};

}  // namespace

class JyotishPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void jyotishTabHoldsTheFourPages() {
    ChartShown f;
    ChartWindow& w = f.chart();
    QTabWidget& tabs = *w.fraInterpretation->SSTab1;
    QCOMPARE(tabs.tabText(tabs.indexOf(w.jyotishTabs)), QStringLiteral("Jyotish"));
    const QStringList want{QStringLiteral("Panchanga"), QStringLiteral("Planets"),
                           QStringLiteral("Vargas"), QStringLiteral("Ashtakavarga")};
    QStringList captions;
    for (int i = 0; i < w.jyotishTabs->count(); ++i) captions << w.jyotishTabs->tabText(i);
    QCOMPARE(captions, want);
  }

  void panchangaOfTheBirth() {
    ChartShown f;
    const PanchangaPage& page = *f.chart().panchangaPage;
    const QStringList want{QStringLiteral("Tritiya (3 of the bright half)"),
                           QStringLiteral("Shukla (waxing Moon)"),
                           QStringLiteral("Ravivara (Sunday)"),
                           QStringLiteral("Punarvasu, pada 4"),
                           QStringLiteral("Dhruva"),
                           QStringLiteral("Taitila"),
                           QStringLiteral("05:27:09"),
                           QStringLiteral("19:16:02")};
    QStringList values;
    for (const QLabel* value : page.Values) values << value->text();
    QCOMPARE(values, want);
    QVERIFY(!page.lblSunNote->text().contains(QStringLiteral("Born before sunrise")));
  }

  void birthBeforeSunriseSaysWhoseDayItIs() {
    AppFixture f;
    f.app->SetClassicFormulas(true);
    BirthEntry early;
    early.Hour = 4;
    early.Minute = 30;
    f.Fill(early);
    f.Click(f.form().cmdCalculate);
    const PanchangaPage& page = *f.chart().panchangaPage;
    QCOMPARE(page.Values[2]->text(), QStringLiteral("Shanivara (Saturday)"));
    QVERIFY(page.lblSunNote->text().contains(
        QStringLiteral("the day is still Saturday's, though the calendar says Sunday")));
  }

  void planetsPageAndThePositionMarks() {
    ChartShown f;
    ChartWindow& w = f.chart();
    const QTableWidget& table = *w.planetStatusPage->tblStatus;
    QCOMPARE(table.rowCount(), 9);
    // Venus 01 Gem 06, a sixth of a degree from the Sun at 00 Gem 56.
    QCOMPARE(table.item(3, 0)->text(), QStringLiteral("Shukra / Venus"));
    QCOMPARE(table.item(3, 3)->text(), QStringLiteral("Friend's sign"));
    QCOMPARE(table.item(3, 5)->text(), QStringLiteral("Yes, 0.2° from the Sun"));
    QCOMPARE(table.item(1, 3)->text(), QStringLiteral("Own sign"));      // Moon in Cancer
    QCOMPARE(table.item(6, 3)->text(), QStringLiteral("Enemy's sign"));  // Saturn in Leo
    QCOMPARE(table.item(1, 2)->text(), QStringLiteral("Punarvasu 4"));
    // Venus is also retrograde, by the engine's daily speeds: at its inferior conjunction.
    QCOMPARE(table.item(3, 4)->text(), QStringLiteral("Retrograde"));
    QCOMPARE(table.item(0, 4)->text(), QStringLiteral("Direct"));
    QCOMPARE(table.item(7, 4)->text(), QStringLiteral("Retrograde"));  // the mean node
    QCOMPARE(w.PlanetMarks[3]->text(), QStringLiteral("R C"));
    QCOMPARE(w.PlanetMarks[3]->toolTip(), QStringLiteral("Friend's sign, retrograde, combust"));
    QCOMPARE(w.PlanetMarks[7]->text(), QStringLiteral("R"));
    QCOMPARE(w.PlanetMarks[1]->text(), QString());
    QCOMPARE(w.PlanetMarks[1]->toolTip(), QStringLiteral("Own sign"));
    // The position texts themselves are unchanged.
    QCOMPARE(w.Planet[3]->text(), QStringLiteral("01 Gem 06"));
  }

  void westernChartHidesTheMarks() {
    ChartShown f;
    f.app->Back();
    f.Click(f.form().Command2);
    for (const QLabel* mark : f.chart().PlanetMarks) QVERIFY(!mark->isVisible());
  }

  void vargaTableAndItsColumns() {
    ChartShown f;
    ChartWindow& w = f.chart();
    const QTableWidget& table = *w.vargaPage->tblVargas;
    QCOMPARE(table.columnCount(), 16);
    QCOMPARE(table.horizontalHeaderItem(0)->text(), QStringLiteral("D1"));
    QCOMPARE(table.horizontalHeaderItem(15)->text(), QStringLiteral("D60"));
    QCOMPARE(table.horizontalHeaderItem(12)->toolTip(), QStringLiteral("Trimsamsa"));
    // The lagna row first: 06 Leo 31.
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("Leo"));
    QCOMPARE(table.item(0, 5)->text(), QStringLiteral("Tau"));   // D9
    QCOMPARE(table.item(0, 12)->text(), QStringLiteral("Aqu"));  // D30
    QCOMPARE(table.item(1, 8)->text(), QStringLiteral("Sag"));   // the Sun's D16
    // Double-clicking a column draws that division.
    emit w.vargaPage->tblVargas->cellDoubleClicked(3, 5);
    QCOMPARE(w.cboDivision->currentText(), QStringLiteral("Navamsa (D9)"));
    QVERIFY(f.main()->mnuSub_Navamsa->isChecked());
  }

  void selectorAndMenuOfferEveryDivision() {
    ChartShown f;
    ChartWindow& w = f.chart();
    MainWindow& main = *f.main();
    QCOMPARE(w.cboDivision->count(), 16);
    QCOMPARE(w.cboDivision->itemText(15), QStringLiteral("Shashtiamsa (D60)"));
    QCOMPARE(main.mnuDivisional->actions().size(), 15);
    // Trimsamsa: the ascendant at 6 degrees of odd Leo falls in Saturn's Aquarius.
    main.mnuSub_Divisions[11]->trigger();
    QCOMPARE(w.cboDivision->currentText(), QStringLiteral("Trimsamsa (D30)"));
    QVERIFY(w.picSouthRasi->Cell(10)->text().startsWith(QStringLiteral("Asc")));
    QVERIFY(main.mnuSub_Divisions[11]->isChecked());
    for (std::size_t d = 0; d < main.mnuSub_Divisions.size(); ++d)
      QCOMPARE(main.mnuSub_Divisions[d]->isChecked(), d == 11);
    w.cboDivision->setCurrentIndex(3);  // Chaturthamsa (D4)
    QVERIFY(main.mnuSub_Divisions[2]->isChecked());
    QVERIFY(w.lblAscendantDegree->text().endsWith(QStringLiteral("Chaturthamsa (D4) lagna: Leo")));
  }

  void ashtakavargaTablesAddUpTo337() {
    ChartShown f;
    AshtakavargaPage& page = *f.chart().ashtakavargaPage;
    const QTableWidget& table = *page.tblAshtakavarga;
    QCOMPARE(table.rowCount(), 8);
    QCOMPARE(table.item(7, 12)->text(), QStringLiteral("337"));
    const char* totals[] = {"48", "49", "39", "54", "56", "52", "39"};
    for (int p = 0; p < 7; ++p) QCOMPARE(table.item(p, 12)->text(), QString::fromUtf8(totals[p]));
    int sarva = 0;
    for (int s = 0; s < 12; ++s) sarva += table.item(7, s)->text().toInt();
    QCOMPARE(sarva, 337);
    // The prastara follows the planet chosen; its last row is that planet's table.
    page.cboPrastara->setCurrentIndex(1);
    QCOMPARE(page.tblPrastara->item(8, 12)->text(), QStringLiteral("49"));
    for (int s = 0; s < 12; ++s)
      QCOMPARE(page.tblPrastara->item(8, s)->text(), table.item(1, s)->text());
  }

  void dashaPageOpensOntoThePratyantardashas() {
    ChartShown f;
    ChartWindow& w = f.chart();
    w.ShowDasha(f.app->sidereal(), {2026, 12, 10}, 12.0);
    DashaPage& page = *w.dashaPage;
    QCOMPARE(
        page.lblRunningPratyantar->text(),
        QStringLiteral("Pratyantardasha: Ketu / Mercury / Jupiter (2026-11-25 to 2027-01-13)"));
    QTreeWidgetItem* ketu = page.tvwDasha->topLevelItem(3);
    QTreeWidgetItem* mercury = ketu->child(8);
    QVERIFY(mercury->isExpanded());
    QCOMPARE(mercury->childCount(), 9);
    QCOMPARE(mercury->child(0)->text(0), QStringLiteral("Ketu / Mercury / Mercury"));
    QCOMPARE(mercury->child(0)->text(1), mercury->text(1));
    QCOMPARE(mercury->child(8)->text(2), mercury->text(2));
    QVERIFY(mercury->child(7)->font(0).bold());
    QCOMPARE(page.tvwDasha->currentItem(), mercury->child(7));
    // Before the first period nothing runs, at any level.
    w.ShowDasha(f.app->sidereal(), {1960, 1, 1}, 12.0);
    QVERIFY(page.lblRunningPratyantar->text().isEmpty());
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::JyotishPagesTest)
#include "jyotish_pages_test.moc"
