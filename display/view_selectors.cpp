#include "view_selectors.h"

#include <QAction>
#include <array>

#include "main_window.h"

namespace velmora {
namespace {

struct Rgb {
  int Red, Green, Blue;
};

// Black, dark blue, dark green, dark cyan, dark red, dark magenta for Aries to Virgo, grey
// for Libra, then from black again for Scorpio to Pisces.
constexpr std::array<Rgb, 12> kSignColours = {{{0, 0, 0},
                                               {0, 0, 128},
                                               {0, 128, 0},
                                               {0, 128, 128},
                                               {128, 0, 0},
                                               {128, 0, 128},
                                               {128, 128, 128},
                                               {0, 0, 0},
                                               {0, 0, 128},
                                               {0, 128, 0},
                                               {0, 128, 128},
                                               {128, 0, 0}}};

static_assert(std::tuple_size_v<decltype(MainWindow::mnuSub_Divisions)> + 1 == kChartViews);

const std::array<QAction*, 15>& DivisionEntries(const MainWindow& main) {
  return main.mnuSub_Divisions;
}

}  // namespace

QColor SignColour(int sign) {
  const Rgb& c = kSignColours[static_cast<std::size_t>(sign)];
  return {c.Red, c.Green, c.Blue};
}

void ColourStyleOn(MainWindow& main) {
  main.mnuColorOn->setChecked(true);
  main.mnuColorOff->setChecked(false);
  ChartWindow& window = main.chartWindow();
  for (int s = 0; s < 12; ++s) {
    window.picSouthRasi->SetCellColour(s, SignColour(s));
    window.picNorthRasi->SetCellColour(s, SignColour(s));
  }
}

void ColourStyleOff(MainWindow& main) {
  main.mnuColorOff->setChecked(true);
  main.mnuColorOn->setChecked(false);
  ChartWindow& window = main.chartWindow();
  for (IndianChartView* drawing : {static_cast<IndianChartView*>(window.picSouthRasi),
                                   static_cast<IndianChartView*>(window.picNorthRasi)}) {
    for (int s = 0; s < 12; ++s) drawing->SetCellColour(s, Qt::black);
  }
}

void MarkChartView(MainWindow& main, int view) {
  main.mnuChart->setChecked(view == kBirthChartView);
  const auto& entries = DivisionEntries(main);
  for (std::size_t d = 0; d < entries.size(); ++d)
    entries[d]->setChecked(static_cast<int>(d) + 1 == view);
}

void ShowDivisionalChart(MainWindow& main, QAction* division) {
  const auto& entries = DivisionEntries(main);
  for (std::size_t d = 0; d < entries.size(); ++d) {
    if (entries[d] == division) main.chartWindow().SelectChartView(static_cast<int>(d) + 1);
  }
  // Chosen twice, an entry keeps its mark rather than toggling it off.
  MarkChartView(main, main.chartWindow().ChartView());
}

void ShowSignChart(MainWindow& main) {
  main.chartSubWindow()->show();
  main.chartWindow().SelectChartView(kBirthChartView);
  MarkChartView(main, kBirthChartView);
}

void ConnectViewSelectors(MainWindow& main) {
  QObject::connect(main.mnuColorOn, &QAction::triggered, &main, [&main] { ColourStyleOn(main); });
  QObject::connect(main.mnuColorOff, &QAction::triggered, &main, [&main] { ColourStyleOff(main); });
  QObject::connect(main.mnuChart, &QAction::triggered, &main, [&main] { ShowSignChart(main); });
  for (QAction* entry : DivisionEntries(main)) {
    QObject::connect(entry, &QAction::triggered, &main,
                     [&main, entry] { ShowDivisionalChart(main, entry); });
  }
  ChartWindow& window = main.chartWindow();
  QObject::connect(&window, &ChartWindow::chartViewChosen, &main,
                   [&main](int view) { MarkChartView(main, view); });
  QObject::connect(main.mnuLagnaOnTop, &QAction::triggered, &window,
                   [&window](bool on) { window.SetLagnaOnTop(on); });
  QObject::connect(&window, &ChartWindow::lagnaOnTopChosen, main.mnuLagnaOnTop,
                   &QAction::setChecked);
}

}  // namespace velmora
