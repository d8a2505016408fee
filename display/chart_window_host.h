// Where the chart commands find the main window: the program creates it, with its chart
// window, the first time a command asks for it after start-up, Back or New.
#pragma once

namespace velmora {

class MainWindow;

class ChartWindowHost {
 public:
  virtual ~ChartWindowHost() = default;
  virtual MainWindow& EnsureMainWindow() = 0;
};

}  // namespace velmora
