#include "planets_in_signs.h"

#include "engine/jyotish/zodiac.h"
#include "text_table.h"

namespace velmora {
namespace {

struct SignRow {
  std::string_view Abbreviation;
  std::string_view Sign;
  std::string_view Keywords;
  std::string_view Element;
  std::string_view RulingPlanet;
};

// The modern rulers, outer planets included, to go with the English keywords: this page
// describes the signs as the reader's Western sun-sign books do.
static constexpr std::array<SignRow, 12> kSignTable = {{
    {"Ari", "Aries", "Pioneer, Assertive, Energetic", "Fire", "Mars"},
    {"Tau", "Taurus", "Determined, Stable, Sensual", "Earth", "Venus"},
    {"Gem", "Gemini", "Curious, Intelligent, Congenial", "Air", "Mercury"},
    {"Can", "Cancer", "Protective, Cautious, Intuitive ", "Water", "The Moon"},
    {"Leo", "Leo", "Generous, Enthusiastic, Social", "Fire", "The Sun"},
    {"Vir", "Virgo", "Modest, Critical, Methodical", "Earth", "Mercury"},
    {"Lib", "Libra", "Pleasant, Sociable, Diplomatic", "Air", "Venus"},
    {"Sco", "Scorpio", "Secretive, Possessive, Investigative", "Water", "Pluto and Mars"},
    {"Sag", "Sagittarius", "Adventurous, Extrovert, Philosophical", "Fire", "Jupiter"},
    {"Cap", "Capricorn", "Serious, Ambitious, Disciplined", "Earth", "Saturn"},
    {"Aqu", "Aquarius", "Intelligent, Innovative, Individualistic", "Air", "Uranus and Saturn"},
    {"Pis", "Pisces", "Sensitive, Compassionate, Introspective", "Water", "Neptune and Jupiter"},
}};

struct PlanetRow {
  std::string_view Planet;  // subject of the planets-in-signs texts
  std::size_t PositionRow;  // row of PlanetPositionTexts
  std::string_view SignHeading;
  std::string_view CharacteristicsHeading;
};

static constexpr std::array<PlanetRow, kDescribedPlanets> kPlanets = {{
    {"Sun", 0, "Sun In", "Characteristics Of Planet Sun :-"},
    {"Moon", 1, "Moon In", "Characteristics Of Planet Moon :-"},
    {"Mercury", 2, "Mercury In", "Characteristics Of Planet Mercury :-"},
    {"Venus", 3, "Venus In", "Characteristics Of Planet Venus :-"},
    {"Mars", 4, "Mars In", "Characteristics Of Planet Mars :-"},
    {"Jupiter", 5, "Jupiter In", "Characteristics Of Planet Jupiter :-"},
    {"Saturn", 6, "Saturn In", "Characteristics Of Planet Saturn :-"},
}};

constexpr std::string_view kLineBreak = "\r\n";

QString Text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

const SignRow* SignOfPosition(std::string_view positionText) {
  const std::string_view abbreviation = ChartTextSign(positionText);
  for (const SignRow& row : kSignTable) {
    if (row.Abbreviation == abbreviation) return &row;
  }
  return nullptr;
}

}  // namespace

void FindPlanetsInSigns(const ChartRecord& chart, PlanetsInSigns& planets) {
  const TextTable& texts = PlanetsInSignsTexts();
  for (std::size_t p = 0; p < kPlanets.size(); ++p) {
    const SignRow* sign = SignOfPosition(chart.PlanetPositionTexts[kPlanets[p].PositionRow]);
    if (!sign) continue;
    PlanetInSign& planet = planets[p];
    planet.SignName = Text(sign->Sign);
    planet.Paragraph = texts.Text(kPlanets[p].Planet, sign->Sign);
    planet.Keywords = Text(sign->Keywords);
    planet.Element = Text(sign->Element);
    planet.RulingPlanet = Text(sign->RulingPlanet);
  }
}

std::vector<TextRun> PlanetsInSignsRuns(const PlanetsInSigns& planets) {
  const TextTable& texts = PlanetsInSignsTexts();
  const QString br = Text(kLineBreak);
  std::vector<TextRun> runs;
  runs.reserve(11 * kPlanets.size());
  for (std::size_t p = 0; p < kPlanets.size(); ++p) {
    const PlanetRow& row = kPlanets[p];
    const PlanetInSign& planet = planets[p];
    const bool last = p + 1 == kPlanets.size();
    runs.push_back({true, Text(row.SignHeading) + ' ' + planet.SignName + br});
    runs.push_back({false, planet.Paragraph + br + br});
    runs.push_back({true, Text(row.CharacteristicsHeading) + br});
    runs.push_back({false, texts.Text(row.Planet, "characteristics") + br + br});
    runs.push_back({true, QStringLiteral("More About Sign") + br + br});
    runs.push_back({true, QStringLiteral("Keywords :-") + br});
    runs.push_back({false, planet.Keywords + br + br});
    runs.push_back({true, QStringLiteral("Element :-") + br});
    runs.push_back({false, planet.Element + br + br});
    runs.push_back({true, QStringLiteral("Ruling Planet :-") + br});
    runs.push_back({false, last ? planet.RulingPlanet : planet.RulingPlanet + br + br + br});
  }
  return runs;
}

}  // namespace velmora
