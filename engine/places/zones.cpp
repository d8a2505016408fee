#include "engine/places/zones.h"

#include "engine/jyotish/zodiac.h"

namespace velmora {

namespace {

constexpr LookupTables FilledTables() {
  LookupTables t;
  for (std::size_t row = 0; row < kZoneRows.size(); ++row) {
    t.ZoneLabelTable[row] = kZoneRows[row].Label;
    t.ZoneHourTable[row] = kZoneRows[row].Hours;
    t.ZoneMinuteTable[row] = kZoneRows[row].Minutes;
  }
  for (int s = 0; s < 12; ++s)
    t.SignAbbreviationTable[static_cast<std::size_t>(s)] = SignAbbreviation(s);
  for (std::size_t row = 0; row < kNakshatraSegments.size(); ++row) {
    t.SignNakshatraTable[row] = kNakshatraSegments[row].Nakshatra;
    t.NakshatraLordTable[row] = kNakshatraSegments[row].Lord;
    t.NakshatraPadaTable[row] = kNakshatraSegments[row].Padas;
  }
  for (std::size_t k = 0; k < kNakshatraNames.size(); ++k) t.NakshatraNames[k] = kNakshatraNames[k];
  t.SignAbbreviations = kSignAbbreviations;
  return t;
}

// Built by the compiler; filling a working copy is then one block copy.
constexpr LookupTables kFilledTables = FilledTables();

}  // namespace

void FillZoneTables(LookupTables& t) {
  const auto wheelLists = t.SignAbbrevList;
  const auto wheelBodies = t.WheelBodyNames;
  t = kFilledTables;
  t.SignAbbrevList = wheelLists;  // the form's own lists are not this routine's to reset
  t.WheelBodyNames = wheelBodies;
}

void FillWheelLists(LookupTables& t) {
  static constexpr std::array<std::string_view, 10> kWheelBodies = {
      "Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "Rahu", "Ketu", "Ascendant"};
  for (int s = 0; s < 12; ++s) t.SignAbbrevList[static_cast<std::size_t>(s)] = SignAbbreviation(s);
  t.WheelBodyNames = kWheelBodies;
}

}  // namespace velmora
