// The main window (MDI): banner, toolbar, the bar of style buttons, a white work area that
// holds the chart window, the bottom bar of commands, and the menus.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>
#include <array>

#include "chart_window.h"
#include "engine/chart.h"
#include "engine/jyotish/ayanamsa.h"

class QAction;
class QScrollArea;
class QMenu;
class QToolBar;

namespace velmora {

class LinkLabel;

class Platform;

// The toolbar's pictures, made once by the program and lent to every main window it opens.
// The icon engine caches its drawings under each icon's identity: icons made afresh for
// every window left each closed window's drawings in that cache.
struct ToolbarIcons {
  ToolbarIcons();
  std::array<QIcon, 5> Pictures;  // New, Open, Save, Print, Help
};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Platform& platform, const ChartRecord& sidereal, const ToolbarIcons& icons,
             QWidget* parent = nullptr);

  ChartWindow& chartWindow() const { return *chartWindow_; }
  // The chart window's place in the work area: shown and hidden as a whole.
  QWidget* chartSubWindow() const { return chartWindow_; }
  // The chart window as it is shown. Each activation makes the capture due; it is taken when
  // a command first asks for it, so that showing the window does not wait for a picture of
  // it that may never be used.
  const QPixmap& chartCapture();
  void RefreshChartCapture();

  // Shows drawing X and marks it in the menus and the banner.
  void StyleSwitch(ChartStyle style);
  // Shows this window maximized with the chart window in it.
  void ShowChartWindow();
  // Presses the style button for X, as the chart commands do.
  void PressStyleButton(ChartStyle style);
  // The style buttons and entries choose among the Indian drawings: a Western chart turns
  // them off, so that no Indian drawing appears under the Western captions.
  void SetStyleChoiceEnabled(bool enabled);
  // Lays the bars out for the current width.
  void MDIForm_Resize();
  // Ticks the View menu's position entries as the options say.
  void ShowPositionChoices(const EngineOptions& options);
  // Closes the window without ending the program (Back and New).
  void CloseForReturn();

  // Runs the toolbar button with this key ("New", "Open", "Save", "Print", "Help").
  void TB_ButtonClick(const QString& key);

  QWidget* picTop;
  QLabel* lblStyleCaption;
  QLabel* lblHeading;
  LinkLabel* lblTopLink;
  QToolBar* TB;
  QWidget* Picture2;
  QPushButton* cmdNorth;
  QPushButton* cmdSouth;
  QPushButton* cmdEast;
  // The white work area the chart window sits in, scrolling when the window is smaller.
  QScrollArea* workArea;
  QWidget* Picture1;
  QPushButton* cmdSaveAsJPG;
  QPushButton* cmdBack;
  QPushButton* cmdExit;
  LinkLabel* lblBottomLink;
  LinkLabel* lblBottomLink2;

  QMenu* mnuFile;
  QAction* mnuNew;
  QAction* mnuOpen;
  QMenu* mnuSaveAsText;
  QAction* mnuSave;
  QAction* mnuSaveAs;
  QAction* mnuSaveAsJpeg;
  QAction* mnuExport;
  QAction* mnuExportPdf;
  QAction* mnuMatch;  // the Match window
  QAction* mnuPrint;
  QAction* mnuBack;
  QAction* mnuExit;
  QMenu* mnuView;
  QAction* mnuToolbar;
  QAction* mnuStatusBar;
  QMenu* mnuChartStyle;
  QAction* mnuNorthStyle;
  QAction* mnuSouthStyle;
  QAction* mnuEastStyle;
  QAction* mnuNatalIndian;
  // "Classic formulas", the ayanamsas and "True node": the program keeps the choices, not
  // this window. The ayanamsa and the true node are for precise positions only.
  QAction* mnuClassic;
  QMenu* mnuAyanamsa;
  std::array<QAction*, kAyanamsaSystems.size()> mnuAyanamsas;  // in kAyanamsaSystems' order
  QAction* mnuTrueNode;
  QAction* mnuRestoreDefaults;  // forgets every preference
  QAction* mnuLagnaOnTop;       // North's house-fixed form
  // The Western chart's house system, one entry per system in HouseSystem's order, and the
  // classic sign-sector wheel; the program keeps both choices, not this window.
  QMenu* mnuHouseSystem;
  std::array<QAction*, kHouseSystems> mnuHouses{};
  QAction* mnuClassicWheel;
  QAction* mnuMinorAspects;  // the quincunx, semi-sextile ... beside the five major aspects
  QMenu* mnuColorStyle;
  QAction* mnuColorOn;
  QAction* mnuColorOff;
  QAction* mnuChart;
  QMenu* mnuDivisional;
  QAction* mnuSub_Hora;
  QAction* mnuSub_Drekkana;
  QAction* mnuSub_Sapthamsa;
  QAction* mnuSub_Navamsa;
  QAction* mnuSub_Dasamsa;
  QAction* mnuSub_Dwadasamsa;
  // Every entry of the submenu in the order of the chart views (view d + 1 is entry d), the
  // six above among them.
  std::array<QAction*, 15> mnuSub_Divisions{};
  QMenu* mnuHelp;
  QAction* mnuAbout;
  QAction* mnuDonate;
  QAction* mnuMakeMoney;

 signals:
  void newRequested();
  void backRequested();
  void exitRequested();
  void openRequested();
  void saveRequested();
  void saveAsRequested();
  void exportRequested();
  void exportPdfRequested();
  void matchRequested();
  void printRequested();
  void saveJpegRequested();
  void aboutRequested();
  void classicFormulasChosen(bool classic);
  void ayanamsaChosen(velmora::AyanamsaSystem ayanamsa);
  void trueNodeChosen(bool trueNode);
  void restoreDefaultsRequested();
  // After every style switch, whoever asked for it.
  void styleSwitched(velmora::ChartStyle style);
  void houseSystemChosen(HouseSystem system);
  void classicWheelChosen(bool classic);
  void minorAspectsChosen(bool minor);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateBars(const ToolbarIcons& icons);
  void CreateMenus();
  QAction* WebAction(QMenu* menu, const QString& caption, const QString& page);
  void CreateWesternMenu();

  Platform& platform_;
  ChartWindow* chartWindow_;
  QPixmap chartCapture_;
  bool chartCaptureDue_ = true;
  bool closingForReturn_ = false;
};

}  // namespace velmora
