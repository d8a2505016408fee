// The hidden View menu's colour styles and divisional view selector.
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

// A divisional entry: the chart window leaves the view (nothing is computed for a division)
// and only `division` carries the check mark.
void ShowDivisionalChart(MainWindow& main, QAction* division);
// "Chart": the chart window back in view, unchanged, with the check mark.
void ShowSignChart(MainWindow& main);

// Connects the entries above to the main window's menu.
void ConnectViewSelectors(MainWindow& main);

}  // namespace velmora
