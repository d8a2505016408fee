// The View menu's "Precise positions": the chart on screen is computed again, the window
// says so, and the choice holds for every chart until the program ends.
#include <QAction>
#include <QtTest>

#include "app_fixture.h"

namespace velmora::test {

class PrecisePositionsTest : public QObject {
  Q_OBJECT

 private slots:
  void checkRecomputesTheChartOnScreen_data() {
    QTest::addColumn<bool>("western");
    QTest::addColumn<QString>("formulaRahu");
    QTest::addColumn<QString>("preciseRahu");
    // swetest for the Delhi example: mean node 143.0941 tropical, 119.5129 with Lahiri.
    QTest::newRow("Indian chart, Rahu on the mean node")
        << false << QStringLiteral("28 Can 35") << QStringLiteral("29 Can 30");
    QTest::newRow("Western chart, north node on the mean node")
        << true << QStringLiteral("22 Leo 10") << QStringLiteral("23 Leo 05");
  }

  void checkRecomputesTheChartOnScreen() {
    QFETCH(bool, western);
    QFETCH(QString, formulaRahu);
    QFETCH(QString, preciseRahu);
    AppFixture f;
    // The sign-sector wheel this test was written for, now View > Classic wheel.
    f.app->SetClassicWheel(true);
    f.Fill(BirthEntry{});
    f.Click(western ? f.form().Command2 : f.form().cmdCalculate);
    MainWindow& m = *f.main();
    ChartWindow& w = f.chart();
    QVERIFY(!m.mnuPrecise->isChecked());
    QVERIFY(w.lblPositions->isHidden());
    QCOMPARE(w.Planet[7]->text(), formulaRahu);

    m.mnuPrecise->trigger();
    QVERIFY(m.mnuPrecise->isChecked());
    QCOMPARE(w.Planet[7]->text(), preciseRahu);
    QVERIFY(w.lblPositions->isVisible());
    QCOMPARE(w.lblPositions->text(), QStringLiteral("Precise positions (Lahiri)"));
    const ChartRecord& shown = western ? f.app->tropical() : f.app->sidereal();
    QCOMPARE(shown.Positions, PositionSource::Precise);
    QCOMPARE(w.picNatal->isVisible(), western);

    m.mnuPrecise->trigger();
    QCOMPARE(w.Planet[7]->text(), formulaRahu);
    QVERIFY(w.lblPositions->isHidden());
    QCOMPARE(shown.Positions, PositionSource::Formula);
  }

  void trueNodeOnlyWithPrecisePositions() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    MainWindow& m = *f.main();
    QVERIFY(!m.mnuTrueNode->isEnabled());
    m.mnuPrecise->trigger();
    QVERIFY(m.mnuTrueNode->isEnabled());
    m.mnuTrueNode->trigger();
    // swetest: true node 141.6462 less Lahiri 23.5811 = 118.0651, 28 Can 03.
    QCOMPARE(f.chart().Planet[7]->text(), QStringLiteral("28 Can 03"));
    QCOMPARE(f.app->sidereal().Node, LunarNode::True);
    m.mnuPrecise->trigger();
    QVERIFY(!m.mnuTrueNode->isEnabled());
    QCOMPARE(f.chart().Planet[7]->text(), QStringLiteral("28 Can 35"));
    QCOMPARE(f.app->sidereal().Node, LunarNode::Mean);
  }

  void indianChartKeepsTheDrawingTheUserChose() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    MainWindow& m = *f.main();
    f.Click(m.cmdNorth);
    m.mnuPrecise->trigger();
    QVERIFY(m.mnuNorthStyle->isChecked());
    QVERIFY(f.chart().picNorthRasi->isVisible());
    QVERIFY(!f.chart().picSouthRasi->isVisible());
    QCOMPARE(f.chart().lblNakshatra->text(), QStringLiteral("Punarvasu"));
  }

  void choiceHoldsAfterBackUntilTheProgramEnds() {
    {
      AppFixture f;
      f.Fill(BirthEntry{});
      f.Click(f.form().cmdCalculate);
      f.main()->mnuPrecise->trigger();
      f.Click(f.main()->cmdBack);
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      f.Click(f.form().cmdCalculate);
      QVERIFY(f.main()->mnuPrecise->isChecked());
      QVERIFY(f.chart().lblPositions->isVisible());
      QCOMPARE(f.app->sidereal().Positions, PositionSource::Precise);
      QCOMPARE(f.chart().Planet[7]->text(), QStringLiteral("29 Can 30"));
    }
    AppFixture next;
    next.Fill(BirthEntry{});
    next.Click(next.form().cmdCalculate);
    QVERIFY(!next.main()->mnuPrecise->isChecked());
    QCOMPARE(next.app->sidereal().Positions, PositionSource::Formula);
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::PrecisePositionsTest)
#include "precise_positions_test.moc"
