// The Manglik dosha of the chart on screen: its word in "Other Details" and its page.
#include <QtTest>

#include "app_fixture.h"

namespace velmora::test {

class ManglikDisplayTest : public QObject {
  Q_OBJECT

 private slots:
  // The Delhi birth with precise positions (asked for by name, whatever the default): Mars
  // in Leo is in the 1st from the Leo lagna and the 2nd from the Cancer Moon, and Jupiter
  // beside it, with Mars yogakaraka for Leo, cancels the dosha.
  void delhiChartShowsACancelledDosha() {
    AppFixture f;
    f.app->SetPrecisePositions(true);
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    ChartWindow& w = f.chart();
    QCOMPARE(w.lblManglikCaption->text(), QStringLiteral("Manglik"));
    QCOMPARE(w.lblManglik->text(), QStringLiteral("Cancelled"));
    QVERIFY(w.lblManglik->isVisible());
    QCOMPARE(w.lblManglik->toolTip(), w.manglikPage->lblManglikSummary->text());
    QVERIFY(w.manglikPage->lblManglikSummary->text().startsWith(
        QStringLiteral("Manglik from the lagna (Mars in the 1st) and the Moon (Mars in the 2nd)")));
    QCOMPARE(w.manglikPage->tblMarsHouses->item(0, 1)->text(), QStringLiteral("1st"));
    QCOMPARE(w.manglikPage->tblMarsHouses->item(1, 1)->text(), QStringLiteral("2nd"));
    QCOMPARE(w.manglikPage->tblMarsHouses->item(2, 1)->text(), QStringLiteral("3rd"));
    QCOMPARE(w.manglikPage->tblMarsHouses->item(2, 2)->text(), QStringLiteral("No"));
    QVERIFY(w.manglikPage->lblCancellations->text().contains(
        QStringLiteral("Jupiter joins or aspects Mars")));
    const QTabWidget* tabs = w.fraInterpretation->SSTab1;
    QCOMPARE(tabs->tabText(tabs->indexOf(w.manglikPage)), QStringLiteral("Manglik"));
  }

  // The row belongs to the Indian chart: the Western chart hides it.
  void westernChartHidesTheRow() {
    AppFixture f;
    f.app->SetPrecisePositions(true);
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    f.main()->cmdBack->click();
    f.Click(f.form().Command2);
    QVERIFY(!f.chart().lblManglik->isVisible());
    QVERIFY(!f.chart().lblManglikCaption->isVisible());
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::ManglikDisplayTest)
#include "manglik_display_test.moc"
