// Open, Save and Save As of the main window: the birth form's texts to and from a chart file.
#pragma once

#include "display/chart_window.h"
#include "engine/chart_record.h"
#include "remembered_paths.h"

namespace velmora {

class BirthForm;
class ChartWindow;
class MainWindow;
class Platform;

// Asks for a file (.vmj or .vmx), fills the birth form from it and presses the Indian chart
// button of `style` (the drawing the user last chose), which checks the entries and draws
// the chart. A file that cannot
// fill the form is refused with a message; the form and the chart window then stay as they
// were. `main` is the window that shows the chart, if there is one yet.
void OpenChartFile(Platform& platform, BirthForm& form, MainWindow* main, RememberedPaths& paths,
                   ChartStyle style = ChartStyle::South);
// Writes the form's texts to the file last saved as, while the chart on screen is the one
// that was saved there; the first time, after New and after a chart of another birth it asks
// for a file as Save As does.
void SaveChartFile(Platform& platform, const BirthForm& form, const ChartRecord& sidereal,
                   MainWindow& main, RememberedPaths& paths);
// Asks for a file and writes the form's entry to it: a .vmj file unless the name ends in
// .vmx. When a .vmx file cannot hold a character of the entry, it says so and offers .vmj.
void SaveChartFileAs(Platform& platform, const BirthForm& form, const ChartRecord& sidereal,
                     MainWindow& main, RememberedPaths& paths);

// Empties the positions, the three drawings' cells and "Other Details", so that nothing of
// the previous chart remains while a chart file is opened.
void BlankChartWindow(ChartWindow& window);

}  // namespace velmora
