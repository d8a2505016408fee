// Page 2 of the interpretation panel (modNakshatraInformation): the short facts of the 27
// nakshatras; their six paragraphs are authored texts (NakshatraTexts()).
#pragma once

#include <string_view>

namespace velmora {

struct NakshatraRow {
  std::string_view Name;
  std::string_view RulingDeva;
  std::string_view PurposeOfTheDeva;
  std::string_view RulingPlanet;
  std::string_view AnimalSymbol;
  std::string_view Symbol;
  std::string_view AstronomicalName;
  std::string_view Element;
  std::string_view PartOfBody;
  std::string_view Nature;
  std::string_view Gender;
  std::string_view PurposeInLife;
  std::string_view Dosha;
  std::string_view Temperament;
  std::string_view BestDirection;
  std::string_view LuckyGemstone;
};

// The row whose name equals `name` exactly (case-sensitive), or none.
const NakshatraRow* FindNakshatra(std::string_view name);

// Row i of the table, 0 = Ashwini ... 26 = Revati.
const NakshatraRow& NakshatraAt(int index);
inline constexpr int kNakshatraRows = 27;

// The fields of the nakshatra paragraphs in the authored texts.
inline constexpr std::string_view kGeneralAndPhysicalFeatures = "general";
inline constexpr std::string_view kPositiveHumanTraits = "positive";
inline constexpr std::string_view kNegativeHumanTraits = "negative";
inline constexpr std::string_view kBestCareerOptions = "career";
inline constexpr std::string_view kDomesticLife = "domestic";
inline constexpr std::string_view kNakshatraHealth = "health";

}  // namespace velmora
