// The chart window (frmDisplay): the chart frame with one drawing on the left, the birth data,
// "Other Details" and "Planetary Position" on the right, and the interpretation area below.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>
#include <array>
#include <optional>

#include "chart_views.h"
#include "dasha_page.h"
#include "engine/chart.h"
#include "engine/chart_record.h"
#include "engine/jyotish/divisional.h"
#include "engine/western/western_chart.h"
#include "interpretation/interpretation_panel.h"
#include "interpretation/tropical_signs_page.h"
#include "jyotish_pages.h"
#include "manglik_page.h"
#include "western_pages.h"
#include "western_wheel.h"
#include "wheel_view.h"

namespace velmora {

enum class ChartStyle { South, North, East };

// What the Indian drawings show: view v is division kDivisions[v], the birth chart (D1) first
// (view 1 is the Hora ... view 15 the Shashtiamsa).
inline constexpr int kBirthChartView = 0;
inline constexpr int kChartViews = static_cast<int>(kDivisions.size());

class ChartWindow : public QWidget {
  Q_OBJECT

 public:
  // Loading the window fills its birth-data header from the sidereal record.
  ChartWindow(const ChartRecord& sidereal, QWidget* parent = nullptr);

  // The eight birth-data labels.
  void FillHeader(const ChartRecord& chart);
  // "Other Details": ayanamsa, lagna, nakshatra, rashi, pada and lord.
  void ShowOtherDetails(const ChartRecord& sidereal);
  // Planet(0 .. rows-1) from the record's position texts.
  void ShowPositions(const ChartRecord& chart, int rows);
  // The same twelve cell texts in all three Indian drawings.
  void ShowCells(const CellTexts& cells);
  // Keeps the birth chart's cells and works out the six divisions' from the sidereal chart,
  // then shows the birth chart: the selector can switch among them without the record.
  void ShowChartViews(const ChartRecord& sidereal, const CellTexts& birthCells);
  // Draws view v (kBirthChartView or a division) in all three drawings.
  void SelectChartView(int view);
  int ChartView() const { return chartView_; }
  // The North drawing with the houses fixed and the lagna on top, for every view.
  void SetLagnaOnTop(bool onTop);
  bool LagnaOnTop() const { return lagnaOnTop_; }
  // The Dasha page from the chart's Moon, with the periods running at the given local day.
  void ShowDasha(const ChartRecord& sidereal, CivilDate today, double localHours);
  // The Panchanga, Planets, Vargas and Ashtakavarga pages, and the marks beside the positions
  // (retrograde, combust), from the sidereal chart.
  void ShowJyotishPages(const ChartRecord& sidereal);
  // The Manglik dosha in "Other Details" (a word, the whole sentence as its tooltip) and on
  // the Manglik page.
  void ShowManglik(const ChartRecord& sidereal);
  // Everything an Indian chart command puts back after a Western chart, and its drawing.
  void ShowIndianAppearance(ChartStyle style);
  // Only the chosen Indian drawing visible (the Western wheel is not touched).
  void ShowIndianDrawing(ChartStyle style);
  // lblPositions: "Precise positions (Lahiri)" or "Classic formulas" under the drawing's name.
  void ShowPositionsCaption(const ChartRecord& chart, ChartMode mode);
  // lblStyle: the name of the Indian drawing shown.
  void SetStyleCaption(ChartStyle style);
  // The wheel instead of the Indian drawings, and the Western captions beside it.
  void ShowWesternAppearance();
  // The Western chart's wheel (or the classic sign-sector wheel, picNatal), its house
  // system in "Other Details", and its three pages among the tabs, the first of them open.
  void ShowWesternChart(const WesternChart& chart, bool classicWheel);
  // The last Western chart shown, for the report; none before the first.
  const std::optional<WesternChart>& WesternChartShown() const { return westernChart_; }
  bool ClassicWheelShown() const { return classicWheel_; }

  IndianChartView* Drawing(ChartStyle style) const;

  // Caption of view v in the selector and the menus' order: "Chart", "Hora (D2)" ...
  static QString ChartViewName(int view);

  QFrame* fraChart;
  SouthChartView* picSouthRasi;
  NorthChartView* picNorthRasi;
  EastChartView* picRashiEast;
  WheelView* picNatal;           // the classic Western wheel: bodies by sign sector
  WesternWheelView* picWestern;  // the Western wheel: bodies at their degrees
  QLabel* lblStyle;
  QLabel* lblPositions;        // says how the positions were computed
  QComboBox* cboDivision;      // the chart views, "Chart" first
  QCheckBox* chkLagnaOnTop;    // shown with the North drawing
  QLabel* lblAscendantDegree;  // the ascendant's degree, and the division's lagna sign

  QLabel* lblName;
  QLabel* lblCity;
  QLabel* lblState;
  QLabel* lblCountry;
  QLabel* lblDOB;
  QLabel* lblTOB;
  QLabel* lblZone;  // the zone and daylight saving of the time of birth
  QLabel* lblLatitude;
  QLabel* lblLongitude;

  QGroupBox* fraVedic;
  QLabel* Label4;
  QLabel* lblAyanamsha;
  QLabel* Label1;
  QLabel* lblLagna;
  QLabel* Label5;
  QLabel* lblNakshatra;
  QLabel* Label17;
  QLabel* lblRashi;
  QLabel* Label2;
  QLabel* lblPada;
  QLabel* Label6;
  QLabel* lblLord;
  QLabel* lblManglikCaption;
  QLabel* lblManglik;  // "Yes", "No" or "Cancelled"
  // The house system of the Western chart, in the place of the pada's row.
  QLabel* lblHouseCaption;
  QLabel* lblHouseSystem;

  QGroupBox* fraWestern;
  std::array<QLabel*, 16> PlanetName{};
  std::array<QLabel*, 16> Planet{};
  // Beside Planet(0 .. 8): "R" when retrograde, "C" when combust; the tooltip says the
  // planet's whole status.
  std::array<QLabel*, 9> PlanetMarks{};

  // The interpretation area below the chart frame, with the Dasha page as its last tab.
  InterpretationPanel* fraInterpretation;
  DashaPage* dashaPage;
  // The "Jyotish" tab: Panchanga, Planets, Vargas and Ashtakavarga.
  QTabWidget* jyotishTabs;
  PanchangaPage* panchangaPage;
  PlanetStatusPage* planetStatusPage;
  VargaPage* vargaPage;
  AshtakavargaPage* ashtakavargaPage;
  ManglikPage* manglikPage;
  // The "Western" tab, after the others and shown with a Western chart only: Positions,
  // Aspects and Sun, Moon, Ascendant.
  QTabWidget* westernTabs;
  WesternPositionsPage* westernPositionsPage;
  AspectGridPage* aspectGridPage;
  TropicalSignsPage* tropicalSignsPage;

 signals:
  void chartViewChosen(int view);
  void lagnaOnTopChosen(bool onTop);

 private:
  void CreateChartFrame();
  void CreateViewSelector();
  void ShowAscendantDegree();
  void CreateHeader();
  void CreateOtherDetails();
  void CreatePositionTable();
  void CreateWesternPages();
  void SetWesternPagesVisible(bool visible);

  std::array<CellTexts, kChartViews> views_{};
  std::array<std::optional<int>, kChartViews> viewLagnas_{};  // each view's ascendant sign
  std::string ascendantText_;
  int chartView_ = kBirthChartView;
  bool lagnaOnTop_ = false;
  std::optional<WesternChart> westernChart_;
  bool classicWheel_ = false;
};

// The Indian captions of the position table's name column.
void SetIndianPlanetNames(ChartWindow& window);

}  // namespace velmora
