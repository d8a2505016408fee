// The View menu's colour styles, divisional charts and the North house-fixed choice.
#pragma once

#include <QColor>

class QAction;

namespace velmora {

class MainWindow;

// The text colour of sign s's cell (0 = Aries) with the colour style on.
QColor SignColour(int sign);

// "On": the South and North cells take their sign's colour; the East cells keep theirs.
void ColourStyleOn(MainWindow& main);
// "Off": the South and North cells black again.
void ColourStyleOff(MainWindow& main);

// A divisional entry: the chart window draws that division in its Indian drawings, and
// only `division` carries the check mark.
void ShowDivisionalChart(MainWindow& main, QAction* division);
// "Chart": the birth chart back in the drawings, with the check mark.
void ShowSignChart(MainWindow& main);
// The menu's marks follow the view chosen, from the menu or the chart window's own selector.
void MarkChartView(MainWindow& main, int view);

// Connects the entries above to the main window's menu.
void ConnectViewSelectors(MainWindow& main);

}  // namespace velmora
