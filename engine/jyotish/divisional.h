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

// The sixteen divisions of the shodashavarga, the birth chart (D1) first.
enum class Division { D1, D2, D3, D4, D7, D9, D10, D12, D16, D20, D24, D27, D30, D40, D45, D60 };

struct DivisionInfo {
  velmora::Division Division;
  std::string_view Key;   // the JSON key and the short name, "D9"
  int Parts;              // how many parts each 30-degree sign is cut into
  std::string_view Name;  // the traditional name, "Navamsa"
};

// In the order of their numbers. The thirty parts of the trimsamsa are single degrees,
// gathered into five unequal spans by their lords.
inline constexpr std::array<DivisionInfo, 16> kDivisions{{
    {Division::D1, "D1", 1, "Rashi"},
    {Division::D2, "D2", 2, "Hora"},
    {Division::D3, "D3", 3, "Drekkana"},
    {Division::D4, "D4", 4, "Chaturthamsa"},
    {Division::D7, "D7", 7, "Sapthamsa"},
    {Division::D9, "D9", 9, "Navamsa"},
    {Division::D10, "D10", 10, "Dasamsa"},
    {Division::D12, "D12", 12, "Dwadasamsa"},
    {Division::D16, "D16", 16, "Shodasamsa"},
    {Division::D20, "D20", 20, "Vimsamsa"},
    {Division::D24, "D24", 24, "Chaturvimsamsa"},
    {Division::D27, "D27", 27, "Saptavimsamsa"},
    {Division::D30, "D30", 30, "Trimsamsa"},
    {Division::D40, "D40", 40, "Khavedamsa"},
    {Division::D45, "D45", 45, "Akshavedamsa"},
    {Division::D60, "D60", 60, "Shashtiamsa"},
}};

// The row of kDivisions that describes a division.
const DivisionInfo& InfoOf(Division division);

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
