#pragma once

// Parashari divisional charts as pure functions of a sidereal longitude, so every caller
// (the chart window, the report, the command-line tool) derives the same sign from the
// record's full-precision longitudes rather than from a separate computation.

#include <array>
#include <optional>
#include <string_view>

#include "engine/chart.h"
#include "engine/chart_record.h"

namespace velmora {

enum class Division { D2, D3, D7, D9, D10, D12 };

struct DivisionInfo {
  velmora::Division Division;
  std::string_view Key;  // the JSON key and the menu's short name
  int Parts;             // how many equal parts each 30-degree sign is cut into
};

inline constexpr std::array<DivisionInfo, 6> kDivisions{{
    {Division::D2, "D2", 2},
    {Division::D3, "D3", 3},
    {Division::D7, "D7", 7},
    {Division::D9, "D9", 9},
    {Division::D10, "D10", 10},
    {Division::D12, "D12", 12},
}};

// Sign index 0 (Aries) to 11 (Pisces) that a sidereal longitude falls in within the given
// division; the longitude is reduced into 0..360 first.
int DivisionalSign(Division division, double siderealLongitudeDeg);

// The division's sign of each of the record's longitudes, rows as kLongitudeNames.
std::array<int, kLongitudeRows> DivisionalSigns(Division division, const ChartRecord& sidereal);

// The twelve cells of the division's chart, Aries first, written as the birth chart's cells
// are: "Asc" first where the ascendant falls, then the bodies Sun ... Ketu by their Vedic
// names, one per line.
void FillDivisionalCells(Division division, const ChartRecord& sidereal, CellTexts& cells);

}  // namespace velmora
