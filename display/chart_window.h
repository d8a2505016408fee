// The chart window (frmDisplay): the chart frame with one drawing on the left, the birth data,
// "Other Details" and "Planetary Position" on the right, and the interpretation area below.
#pragma once

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QWidget>
#include <array>

#include "chart_views.h"
#include "engine/chart.h"
#include "engine/chart_record.h"
#include "interpretation/interpretation_panel.h"
#include "wheel_view.h"

namespace velmora {

enum class ChartStyle { South, North, East };

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
  // Everything an Indian chart command puts back after a Western chart, and its drawing.
  void ShowIndianAppearance(ChartStyle style);
  // Only the chosen Indian drawing visible (the Western wheel is not touched).
  void ShowIndianDrawing(ChartStyle style);
  // lblPositions: "Precise positions (Lahiri)" under the drawing's name, or nothing.
  void ShowPositionsCaption(const ChartRecord& chart);
  // lblStyle: the name of the Indian drawing shown.
  void SetStyleCaption(ChartStyle style);
  // The wheel instead of the Indian drawings, and the Western captions beside it.
  void ShowWesternAppearance();

  IndianChartView* Drawing(ChartStyle style) const;

  QFrame* fraChart;
  SouthChartView* picSouthRasi;
  NorthChartView* picNorthRasi;
  EastChartView* picRashiEast;
  WheelView* picNatal;  // the Western wheel
  QLabel* lblStyle;
  QLabel* lblPositions;  // says when the positions are precise

  QLabel* lblName;
  QLabel* lblCity;
  QLabel* lblState;
  QLabel* lblCountry;
  QLabel* lblDOB;
  QLabel* lblTOB;
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

  QGroupBox* fraWestern;
  std::array<QLabel*, 16> PlanetName{};
  std::array<QLabel*, 16> Planet{};

  // The interpretation area below the chart frame.
  InterpretationPanel* fraInterpretation;

 private:
  void CreateChartFrame();
  void CreateHeader();
  void CreateOtherDetails();
  void CreatePositionTable();
};

// The Indian captions of the position table's name column.
void SetIndianPlanetNames(ChartWindow& window);

}  // namespace velmora
