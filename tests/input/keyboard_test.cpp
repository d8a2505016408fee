// The whole program by keyboard alone: the form's tab order, typing into lists, and the
// access keys of the buttons.
#include <QToolBar>
#include <QtTest>

#include "app_fixture.h"

namespace velmora::test {

class KeyboardTest : public QObject {
  Q_OBJECT

  static QString Focused() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName()
                                       : QStringLiteral("<none>");
  }

 private slots:
  void tabOrderFollowsTheForm() {
    AppFixture f;
    QCOMPARE(Focused(), QStringLiteral("txtName"));
    QStringList visited{Focused()};
    for (int i = 0; i < 22; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      visited << Focused();
    }
    // Within an option group the Tab key stops at the selected option.
    const QStringList expected = {
        "txtName",      "cboDate",       "cboMonth",      "cboYear",   "cboHour",    "cboMinute",
        "cboTimeZone",  "chkDST",        "txtLatDeg",     "txtLatMin", "optLat0",    "txtLonDeg",
        "txtLonMin",    "optLong0",      "txtCity",       "txtState",  "txtCountry", "Command1",
        "cmdCalculate", "cmdCalculate2", "cmdCalculate3", "Command2",  "txtName"};
    QCOMPARE(visited, expected);
  }

  void aWholeChartByKeys() {
    AppFixture f;
    auto type = [](const QString& text) { QTest::keyClicks(QApplication::focusWidget(), text); };
    auto tab = [](int times = 1) {
      for (int i = 0; i < times; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    };
    type(QStringLiteral("Asha Rao"));
    tab();
    type(QStringLiteral("15"));
    tab();
    type(QStringLiteral("Jun"));
    tab();
    type(QStringLiteral("1980"));
    tab();
    type(QStringLiteral("10"));
    tab();
    type(QStringLiteral("30"));
    tab();
    type(QStringLiteral("Indian"));
    tab(2);
    type(QStringLiteral("28"));
    tab();
    type(QStringLiteral("36"));
    tab(2);
    type(QStringLiteral("77"));
    tab();
    type(QStringLiteral("13"));
    tab(2);
    type(QStringLiteral("New Delhi"));
    tab();
    type(QStringLiteral("Delhi"));
    tab();
    type(QStringLiteral("India"));

    BirthForm& form = f.form();
    QCOMPARE(form.cboDate->currentText(), QStringLiteral("15"));
    QCOMPARE(form.cboMonth->currentText(), QStringLiteral("June"));
    QCOMPARE(form.cboYear->currentText(), QStringLiteral("1980"));
    QCOMPARE(form.cboHour->currentText(), QStringLiteral("10"));
    QCOMPARE(form.cboMinute->currentText(), QStringLiteral("30"));
    QCOMPARE(form.cboTimeZone->currentIndex(), 34);

    // Alt+N: the North Indian button's access key (a button pressed by its key shows itself
    // pressed for a moment before it acts).
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QTRY_VERIFY2(f.main() != nullptr, qPrintable(f.platform.OnlyMessage()));
    QVERIFY(f.chart().picNorthRasi->isVisible());
    QCOMPARE(f.chart().picNorthRasi->Cell(4)->text(), QStringLiteral("Asc\nMangala\nGuru\nShani"));

    // Alt+B: Back, from the main window.
    AppFixture::Activate(f.main());
    QTest::keyClick(f.main(), Qt::Key_B, Qt::AltModifier);
    QTRY_VERIFY(f.form().isVisible());
  }

  void pictureOnlyControlsHaveNames() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.form().cmdCalculate->click();
    for (QAction* action : f.main()->TB->actions()) QVERIFY(!action->text().isEmpty());
    QCOMPARE(f.chart().picSouthRasi->accessibleName(), QStringLiteral("South Indian chart"));
    QCOMPARE(f.chart().picNatal->accessibleName(), QStringLiteral("Western natal wheel"));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::KeyboardTest)
#include "keyboard_test.moc"
