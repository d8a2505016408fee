// The running program: it owns the chart records and the lookup tables, the birth form and,
// while a chart is shown, the main window; and it routes the windows' commands.
#pragma once

#include <QObject>
#include <QPointer>
#include <memory>
#include <optional>

#include "display/chart_window_host.h"
#include "display/main_window.h"
#include "engine/chart.h"
#include "engine/chart_record.h"
#include "engine/places/zones.h"
#include "input/birth_form.h"
#include "input/western_chart_command.h"
#include "match/match_window.h"
#include "output/remembered_paths.h"
#include "preferences.h"

namespace velmora {

class Platform;

class VelmoraApp : public QObject, public ChartWindowHost {
  Q_OBJECT

 public:
  explicit VelmoraApp(Platform& platform);
  ~VelmoraApp() override;

  // The single-instance check, then the birth form alone. False when another instance is
  // running: the notice has been shown and the program should end.
  bool Start();

  MainWindow& EnsureMainWindow() override;

  BirthForm& form() { return *form_; }
  MainWindow* mainWindow() const { return mainWindow_; }
  // The Match window, made the first time it is asked for and kept until the program ends.
  MatchWindow* matchWindow() const { return matchWindow_; }
  ChartRecord& sidereal() { return sidereal_; }
  ChartRecord& tropical() { return tropical_; }
  LookupTables& tables() { return tables_; }
  Platform& platform() { return platform_; }

  // The View menu's "Classic formulas", ayanamsa and "True node" (the last two for precise
  // positions only): the chart on screen is computed again, and so is every chart after
  // it, in this run and the next ones.
  void SetClassicFormulas(bool classic);
  void SetAyanamsa(AyanamsaSystem ayanamsa);
  void SetTrueNode(bool trueNode);
  // "Restore defaults": every preference forgotten, the chart on screen drawn and computed
  // as a first run would.
  void RestoreDefaults();
  const Preferences& preferences() const { return preferences_; }
  const EngineOptions& engineOptions() const { return engineOptions_; }
  // The View menu's house system and "Classic wheel" for the Western chart, kept the same
  // way: the Western chart on screen is drawn again.
  void SetHouseSystem(HouseSystem system);
  void SetClassicWheel(bool classic);
  // The View menu's "Minor aspects": the quincunx, semi-sextile, semi-square,
  // sesquiquadrate and quintile as well, kept the same way.
  void SetMinorAspects(bool minor);
  WesternView westernView() const { return preferences_.Western(); }

  void IndianChart(ChartStyle style);
  void WesternChart();
  void Back();
  void New();
  void Exit();
  void ShowAbout(QWidget* parent);
  // Shows the Match window, in front.
  void ShowMatchWindow();

  // The paths the file, export, picture and print commands remember during the run.
  RememberedPaths& paths() { return paths_; }

 signals:
  // Every window is closed and the program should end.
  void finished();

 private:
  void CloseMainWindow();
  // The chart on screen again, with the present options.
  void RecomputeShownChart();
  // Keeps a changed preference, in this run and on disk.
  void Remember(const Preferences& now);
  // The View menu's ticks as the preferences say.
  void ShowChoices();

  Platform& platform_;
  LookupTables tables_;
  ChartRecord sidereal_;
  ChartRecord tropical_;
  std::unique_ptr<BirthForm> form_;
  QPointer<MainWindow> mainWindow_;
  QPointer<MatchWindow> matchWindow_;
  // Made with the first main window, once a desktop is there to draw them.
  std::optional<ToolbarIcons> toolbarIcons_;
  bool exiting_ = false;
  Preferences preferences_;
  // What preferences_ says of the positions; the Match window reads it at each match.
  EngineOptions engineOptions_;
  enum class ShownChart { None, Indian, Western };
  ShownChart shown_ = ShownChart::None;

  void ConnectOutputCommands(MainWindow& main);
  RememberedPaths paths_;
};

}  // namespace velmora
