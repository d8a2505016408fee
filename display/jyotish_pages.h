// The chart window's jyotisha pages beside the interpretation texts: the panchanga of the
// birth, the planets' status, the sixteen divisions side by side and the ashtakavarga. Each
// page is filled from the sidereal record alone and computes nothing itself but asks the
// engine.
#pragma once

#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QWidget>
#include <array>

#include "engine/chart_record.h"
#include "engine/jyotish/ashtakavarga.h"

namespace velmora {

// Tithi, vara, nakshatra, yoga, karana, sunrise and sunset, one caption and value a row.
class PanchangaPage : public QWidget {
  Q_OBJECT

 public:
  explicit PanchangaPage(QWidget* parent = nullptr);
  void Show(const ChartRecord& sidereal);

  // The values in the order of the captions: "Tithi", "Paksha", "Vara", "Nakshatra", "Yoga",
  // "Karana", "Sunrise", "Sunset".
  static constexpr int kRows = 8;
  std::array<QLabel*, kRows> Captions{};
  std::array<QLabel*, kRows> Values{};
  QLabel* lblSunNote;  // how the day and the sunrise are reckoned
};

// Sun ... Ketu with position, nakshatra and pada, dignity, motion and combustion.
class PlanetStatusPage : public QWidget {
  Q_OBJECT

 public:
  explicit PlanetStatusPage(QWidget* parent = nullptr);
  // The speeds are degrees per day by kLongitudeNames row; without them motion is unknown.
  void Show(const ChartRecord& sidereal, const std::array<double, kLongitudeRows>* speedsDegPerDay);

  QTableWidget* tblStatus;
  QLabel* lblOrbs;  // the combustion orbs the page uses
};

// The ascendant and the nine bodies (rows) in the sixteen divisions (columns D1 ... D60).
class VargaPage : public QWidget {
  Q_OBJECT

 public:
  explicit VargaPage(QWidget* parent = nullptr);
  void Show(const ChartRecord& sidereal);

  QTableWidget* tblVargas;

 signals:
  // A division's column was double-clicked: its index in kDivisions.
  void divisionChosen(int division);
};

// The seven bhinnashtakavarga rows and the sarvashtakavarga by sign, and below them the
// prastara (the giver by giver table) of one planet.
class AshtakavargaPage : public QWidget {
  Q_OBJECT

 public:
  explicit AshtakavargaPage(QWidget* parent = nullptr);
  void Show(const ChartRecord& sidereal);
  // The prastara of planet p (kAshtakavargaNames order).
  void ShowPrastara(int planet);

  QTableWidget* tblAshtakavarga;
  QComboBox* cboPrastara;
  QTableWidget* tblPrastara;

 private:
  Ashtakavarga shown_{};
};

}  // namespace velmora
