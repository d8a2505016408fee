#include "velmora_app.h"

#include <QApplication>

#include "about_box.h"
#include "input/indian_chart_command.h"
#include "input/western_chart_command.h"
#include "output/chart_file_commands.h"
#include "output/chart_picture.h"
#include "output/chart_print.h"
#include "output/text_export.h"
#include "ui/platform.h"
#include "ui/ui_style.h"
#include "velmora/version.h"

namespace velmora {

VelmoraApp::VelmoraApp(Platform& platform) : platform_(platform) {}

VelmoraApp::~VelmoraApp() {
  delete mainWindow_.data();
  delete matchWindow_.data();
}

bool VelmoraApp::Start() {
  if (!platform_.ClaimSingleInstance()) {
    platform_.ShowMessage(nullptr, QStringLiteral("Application is already running"),
                          MessageIcon::Information, QString::fromUtf8(kApplicationCaption));
    return false;
  }
  preferences_ = ReadPreferences(platform_.Settings());
  engineOptions_ = preferences_.Engine();
  // One font for every window, menus included: each further font costs a lookup at start.
  QApplication::setFont(VerdanaFont(8.25));
  form_ = std::make_unique<BirthForm>(platform_, tables_);
  connect(form_.get(), &BirthForm::indianChartRequested, this, &VelmoraApp::IndianChart);
  connect(form_.get(), &BirthForm::westernChartRequested, this, &VelmoraApp::WesternChart);
  connect(form_.get(), &BirthForm::aboutRequested, this, [this] { ShowAbout(form_.get()); });
  connect(form_.get(), &BirthForm::exitRequested, this, &VelmoraApp::Exit);
  connect(form_.get(), &BirthForm::openRequested, this, [this] {
    OpenChartFile(platform_, *form_, mainWindow_.data(), paths_, preferences_.Style);
  });
  connect(form_.get(), &BirthForm::matchRequested, this, &VelmoraApp::ShowMatchWindow);
  form_->show();
  return true;
}

MainWindow& VelmoraApp::EnsureMainWindow() {
  if (!mainWindow_) {
    if (!toolbarIcons_) toolbarIcons_.emplace();
    mainWindow_ = new MainWindow(platform_, sidereal_, *toolbarIcons_);
    connect(mainWindow_, &MainWindow::backRequested, this, &VelmoraApp::Back);
    connect(mainWindow_, &MainWindow::newRequested, this, &VelmoraApp::New);
    connect(mainWindow_, &MainWindow::exitRequested, this, &VelmoraApp::Exit);
    connect(mainWindow_, &MainWindow::aboutRequested, this, [this] { ShowAbout(mainWindow_); });
    connect(mainWindow_, &MainWindow::matchRequested, this, &VelmoraApp::ShowMatchWindow);
    ShowChoices();
    mainWindow_->chartWindow().SetLagnaOnTop(preferences_.LagnaOnTop);
    connect(mainWindow_, &MainWindow::classicFormulasChosen, this, &VelmoraApp::SetClassicFormulas);
    connect(mainWindow_, &MainWindow::ayanamsaChosen, this, &VelmoraApp::SetAyanamsa);
    connect(mainWindow_, &MainWindow::trueNodeChosen, this, &VelmoraApp::SetTrueNode);
    connect(mainWindow_, &MainWindow::restoreDefaultsRequested, this, &VelmoraApp::RestoreDefaults);
    connect(mainWindow_, &MainWindow::styleSwitched, this, [this](ChartStyle style) {
      Preferences now = preferences_;
      now.Style = style;
      Remember(now);
    });
    connect(&mainWindow_->chartWindow(), &ChartWindow::lagnaOnTopChosen, this, [this](bool on) {
      Preferences now = preferences_;
      now.LagnaOnTop = on;
      Remember(now);
    });
    connect(mainWindow_, &MainWindow::minorAspectsChosen, this, &VelmoraApp::SetMinorAspects);
    connect(mainWindow_, &MainWindow::houseSystemChosen, this, &VelmoraApp::SetHouseSystem);
    connect(mainWindow_, &MainWindow::classicWheelChosen, this, &VelmoraApp::SetClassicWheel);
    ConnectOutputCommands(*mainWindow_);
  }
  return *mainWindow_;
}

void VelmoraApp::IndianChart(ChartStyle style) {
  if (RunIndianChartCommand(style, *form_, tables_, sidereal_, *this, engineOptions_))
    shown_ = ShownChart::Indian;
}

void VelmoraApp::WesternChart() {
  if (Command2_Click(*form_, tables_, tropical_, *this, engineOptions_, preferences_.Western()))
    shown_ = ShownChart::Western;
}

void VelmoraApp::SetHouseSystem(HouseSystem system) {
  Preferences now = preferences_;
  now.Houses = system;
  Remember(now);
  if (shown_ == ShownChart::Western) RecomputeShownChart();
}

void VelmoraApp::SetMinorAspects(bool minor) {
  Preferences now = preferences_;
  now.MinorAspects = minor;
  Remember(now);
  if (shown_ == ShownChart::Western) RecomputeShownChart();
}

void VelmoraApp::SetClassicWheel(bool classic) {
  Preferences now = preferences_;
  now.ClassicWheel = classic;
  Remember(now);
  if (shown_ == ShownChart::Western) RecomputeShownChart();
}

void VelmoraApp::SetClassicFormulas(bool classic) {
  Preferences now = preferences_;
  now.Positions = classic ? PositionSource::Formula : PositionSource::Precise;
  Remember(now);
  RecomputeShownChart();
}

void VelmoraApp::SetAyanamsa(AyanamsaSystem ayanamsa) {
  Preferences now = preferences_;
  now.Ayanamsa = ayanamsa;
  Remember(now);
  if (now.Positions == PositionSource::Precise) RecomputeShownChart();
}

void VelmoraApp::SetTrueNode(bool trueNode) {
  Preferences now = preferences_;
  now.Node = trueNode ? LunarNode::True : LunarNode::Mean;
  Remember(now);
  if (now.Positions == PositionSource::Precise) RecomputeShownChart();
}

void VelmoraApp::RestoreDefaults() {
  ForgetPreferences(platform_.Settings());
  preferences_ = Preferences{};
  engineOptions_ = preferences_.Engine();
  if (!mainWindow_) return;
  ShowChoices();
  mainWindow_->chartWindow().SetLagnaOnTop(preferences_.LagnaOnTop);
  // The drawing switches back too, unless a Western chart is shown, which has none to choose.
  if (shown_ == ShownChart::Indian) mainWindow_->StyleSwitch(preferences_.Style);
  RecomputeShownChart();
}

void VelmoraApp::Remember(const Preferences& now) {
  WriteChangedPreferences(platform_.Settings(), preferences_, now);
  preferences_ = now;
  engineOptions_ = preferences_.Engine();
  if (mainWindow_) ShowChoices();
}

void VelmoraApp::ShowChoices() {
  MainWindow& m = *mainWindow_;
  m.ShowPositionChoices(preferences_.Engine());
  m.mnuHouses[static_cast<std::size_t>(preferences_.Houses)]->setChecked(true);
  m.mnuClassicWheel->setChecked(preferences_.ClassicWheel);
  m.mnuMinorAspects->setChecked(preferences_.MinorAspects);
}

void VelmoraApp::RecomputeShownChart() {
  if (!mainWindow_ || !mainWindow_->isVisible()) return;
  if (shown_ == ShownChart::Western) {
    WesternChart();
  } else if (shown_ == ShownChart::Indian) {
    // In the drawing the user last chose, not the one the chart was first shown in.
    const MainWindow& m = *mainWindow_;
    IndianChart(m.mnuNorthStyle->isChecked()  ? ChartStyle::North
                : m.mnuEastStyle->isChecked() ? ChartStyle::East
                                              : ChartStyle::South);
  }
}

void VelmoraApp::CloseMainWindow() {
  if (!mainWindow_) return;
  MainWindow* window = mainWindow_;
  mainWindow_ = nullptr;
  window->CloseForReturn();
  // The command that closes it may still be running inside one of its buttons.
  window->deleteLater();
}

void VelmoraApp::Back() {
  form_->show();
  CloseMainWindow();
}

void VelmoraApp::New() {
  paths_.SavedChartPath.clear();
  form_->show();
  CloseMainWindow();
}

void VelmoraApp::Exit() {
  if (exiting_) return;
  exiting_ = true;
  CloseMainWindow();
  if (matchWindow_) matchWindow_->close();
  if (form_) form_->hide();
  emit finished();
}

void VelmoraApp::ShowMatchWindow() {
  if (!matchWindow_) {
    matchWindow_ = new MatchWindow(
        platform_, engineOptions_, [this] { return form_->Data(); }, paths_);
  }
  matchWindow_->show();
  matchWindow_->raise();
  matchWindow_->activateWindow();
}

void VelmoraApp::ShowAbout(QWidget* parent) {
  ShowAboutBox(platform_, parent);
}

void VelmoraApp::ConnectOutputCommands(MainWindow& main) {
  connect(&main, &MainWindow::openRequested, this,
          [this, &main] { OpenChartFile(platform_, *form_, &main, paths_, preferences_.Style); });
  connect(&main, &MainWindow::saveRequested, this,
          [this, &main] { SaveChartFile(platform_, *form_, sidereal_, main, paths_); });
  connect(&main, &MainWindow::saveAsRequested, this,
          [this, &main] { SaveChartFileAs(platform_, *form_, sidereal_, main, paths_); });
  connect(&main, &MainWindow::exportRequested, this,
          [this, &main] { ExportChartAsText(platform_, main, sidereal_, paths_); });
  connect(&main, &MainWindow::saveJpegRequested, this,
          [this, &main] { SaveChartPicture(platform_, main, paths_); });
  connect(&main, &MainWindow::exportPdfRequested, this,
          [this, &main] { ExportReportAsPdf(platform_, main, sidereal_, tropical_, paths_); });
  connect(&main, &MainWindow::printRequested, this,
          [this, &main] { PrintChart(platform_, main, sidereal_, tropical_, paths_); });
}

}  // namespace velmora
