// Page 1 of the interpretation panel (modPlanetAndSigns): the planets Sun to Saturn in the
// signs of the sidereal chart, written as runs of bold and plain text.
#pragma once

#include <QString>
#include <array>
#include <string_view>
#include <vector>

#include "engine/chart_record.h"

namespace velmora {

inline constexpr int kDescribedPlanets = 7;  // Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn

// What page 1 says about one planet. A planet whose position text names no sign keeps what
// the previous chart gave it, so each window holds one of these per planet between charts.
struct PlanetInSign {
  QString SignName;  // English, "Aries" ... "Pisces"
  QString Paragraph;
  QString Keywords;
  QString Element;
  QString RulingPlanet;
};
using PlanetsInSigns = std::array<PlanetInSign, kDescribedPlanets>;

// One piece of the description, inserted with its weight; every run is black.
struct TextRun {
  bool Bold = false;
  QString Text;
};

// The sign of each planet from characters 4 to 6 of its position text (rows 0 to 6 of
// PlanetPositionTexts), with that sign's paragraph, keywords, element and ruling planet.
void FindPlanetsInSigns(const ChartRecord& chart, PlanetsInSigns& planets);

// The eleven runs of every planet in the order Sun ... Saturn; the text ends with Saturn's
// ruling planet, without a line break after it.
std::vector<TextRun> PlanetsInSignsRuns(const PlanetsInSigns& planets);

}  // namespace velmora
