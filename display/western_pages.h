// The Western chart's pages among the chart window's tabs: every planet, node and angle with
// its sign, degree, house and daily motion beside the house cusps; and the aspect grid.
#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QWidget>

#include "engine/western/western_chart.h"

namespace velmora {

// The text of a longitude within its sign: "24° 31′".
QString DegreesInSign(double longitudeDeg);
// What the house system line says: "Placidus houses", or, past a polar circle, why they are
// Porphyry houses instead.
QString HouseSystemText(const HouseCusps& houses);

class WesternPositionsPage : public QWidget {
  Q_OBJECT

 public:
  explicit WesternPositionsPage(QWidget* parent = nullptr);
  void Show(const WesternChart& chart);

  // Columns: point, sign, degree, house, speed (degrees a day), motion ("Retrograde").
  QTableWidget* tblPositions;
  QLabel* lblHouseSystem;
  // Columns: house, cusp sign, cusp degree.
  QTableWidget* tblHouses;
};

class AspectGridPage : public QWidget {
  Q_OBJECT

 public:
  explicit AspectGridPage(QWidget* parent = nullptr);
  void Show(const WesternChart& chart);

  // The aspect points down and across; the cell of two points below the diagonal holds
  // their aspect's symbol and orb, "A" or "S" for applying or separating.
  QTableWidget* tblAspects;
  QLabel* lblLegend;
};

}  // namespace velmora
