// The View menu's colour styles (hidden) and its divisional charts.
#include <QAction>
#include <QtTest>

#include "app_fixture.h"

namespace velmora::test {
namespace {

// The sign colours with colour style on, as RGB (Aries first).
const QColor kOn[12] = {{0, 0, 0},   {0, 0, 128},   {0, 128, 0},     {0, 128, 128},
                        {128, 0, 0}, {128, 0, 128}, {128, 128, 128}, {0, 0, 0},
                        {0, 0, 128}, {0, 128, 0},   {0, 128, 128},   {128, 0, 0}};

QColor TextColour(const QLabel* cell) {
  return cell->palette().color(QPalette::WindowText);
}

class ChartShown : public AppFixture {
 public:
  ChartShown() {
    Fill(BirthEntry{});
    Click(form().cmdCalculate);
  }
};

}  // namespace

class ViewSelectorsTest : public QObject {
  Q_OBJECT

 private slots:
  void colourStyleColoursSouthAndNorthOnly_data() {
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("coloured");
    QTest::newRow("South") << int(ChartStyle::South) << true;
    QTest::newRow("North") << int(ChartStyle::North) << true;
    QTest::newRow("East") << int(ChartStyle::East) << false;
  }
  void colourStyleColoursSouthAndNorthOnly() {
    QFETCH(int, style);
    QFETCH(bool, coloured);
    ChartShown f;
    MainWindow& main = *f.main();
    QVERIFY(main.mnuColorOff->isChecked());
    QVERIFY(!main.mnuColorOn->isChecked());

    main.mnuColorOn->trigger();
    QVERIFY(main.mnuColorOn->isChecked());
    QVERIFY(!main.mnuColorOff->isChecked());
    // The colours stay through a switch of drawings.
    main.PressStyleButton(static_cast<ChartStyle>(style));
    const IndianChartView* drawing = f.chart().Drawing(static_cast<ChartStyle>(style));
    QVERIFY(drawing->isVisible());
    for (int s = 0; s < 12; ++s) {
      QCOMPARE(TextColour(drawing->Cell(s)), coloured ? kOn[s] : QColor(Qt::black));
    }

    main.mnuColorOff->trigger();
    QVERIFY(main.mnuColorOff->isChecked());
    QVERIFY(!main.mnuColorOn->isChecked());
    for (int s = 0; s < 12; ++s) QCOMPARE(TextColour(drawing->Cell(s)), QColor(Qt::black));
  }

  void colourStyleShowsOnScreen() {
    ChartShown f;
    f.main()->mnuColorOn->trigger();
    // Leo's cell holds "Asc" and three bodies: its text is drawn in dark red.
    const QImage cell = f.chart().picSouthRasi->Cell(4)->grab().toImage();
    bool darkRed = false;
    for (int y = 0; y < cell.height() && !darkRed; ++y) {
      for (int x = 0; x < cell.width() && !darkRed; ++x) {
        const QColor c = cell.pixelColor(x, y);
        darkRed = c.red() > 100 && c.green() < 40 && c.blue() < 40;
      }
    }
    QVERIFY(darkRed);
  }

  void chosenOnTwiceStaysChecked() {
    ChartShown f;
    f.main()->mnuColorOn->trigger();
    f.main()->mnuColorOn->trigger();
    QVERIFY(f.main()->mnuColorOn->isChecked());
    QVERIFY(!f.main()->mnuColorOff->isChecked());
  }

  void divisionReplacesTheCellsAndChartBringsThemBack_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<int>("view");  // the chart view, in the order of the division numbers
    const char* names[] = {"Hora", "Drekkana", "Sapthamsa", "Navamsa", "Dasamsa", "Dwadasamsa"};
    const int views[] = {1, 2, 4, 5, 6, 7};
    for (int i = 0; i < 6; ++i) QTest::newRow(names[i]) << i << views[i];
  }
  void divisionReplacesTheCellsAndChartBringsThemBack() {
    QFETCH(int, entry);
    QFETCH(int, view);
    ChartShown f;
    MainWindow& main = *f.main();
    QAction* const divisions[] = {main.mnuSub_Hora,      main.mnuSub_Drekkana,
                                  main.mnuSub_Sapthamsa, main.mnuSub_Navamsa,
                                  main.mnuSub_Dasamsa,   main.mnuSub_Dwadasamsa};
    QVERIFY(main.mnuChart->isChecked());
    const QString lagna = f.chart().lblLagna->text();
    const QString leo = f.chart().picSouthRasi->Cell(4)->text();
    ChartWindow* window = &f.chart();

    divisions[entry]->trigger();
    // The division is drawn in the same window, which stays in view.
    QVERIFY(main.chartSubWindow()->isVisible());
    QCOMPARE(f.chart().ChartView(), view);
    QVERIFY(!main.mnuChart->isChecked());
    for (int i = 0; i < 6; ++i) QCOMPARE(divisions[i]->isChecked(), i == entry);

    main.mnuChart->trigger();
    QVERIFY(main.chartSubWindow()->isVisible());
    QCOMPARE(&f.chart(), window);
    QCOMPARE(f.chart().lblLagna->text(), lagna);
    QCOMPARE(f.chart().picSouthRasi->Cell(4)->text(), leo);
    QCOMPARE(f.chart().lblName->text(), QStringLiteral("Name: Asha Rao"));
    QVERIFY(main.mnuChart->isChecked());
    for (QAction* division : divisions) QVERIFY(!division->isChecked());
  }

  void twoDivisionsInARowLeaveTheSecondChecked() {
    ChartShown f;
    MainWindow& main = *f.main();
    main.mnuSub_Navamsa->trigger();
    main.mnuSub_Hora->trigger();
    QVERIFY(main.chartSubWindow()->isVisible());
    QCOMPARE(f.chart().cboDivision->currentText(), QStringLiteral("Hora (D2)"));
    QVERIFY(main.mnuSub_Hora->isChecked());
    QVERIFY(!main.mnuSub_Navamsa->isChecked());
    QVERIFY(!main.mnuChart->isChecked());
    // Choosing the same division again keeps its mark.
    main.mnuSub_Hora->trigger();
    QVERIFY(main.mnuSub_Hora->isChecked());
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::ViewSelectorsTest)
#include "view_selectors_test.moc"
