// Pages 3 and 4 of the interpretation panel (modLagnaInformation, modRashiInformation): the
// short facts of the twelve signs; their five paragraphs are authored texts (SignTexts()).
#pragma once

#include <string_view>

namespace velmora {

struct SignInformationRow {
  std::string_view VedicName;  // the Moon sign names of the engine ("Dhanus" for Sagittarius)
  std::string_view EnglishName;
  std::string_view RulingPlanet;
  std::string_view Symbol;
  std::string_view Element;
  std::string_view SignColor;
  std::string_view TypeOfSign;
  std::string_view Gender;
  std::string_view BestPeriodOfActivity;
  std::string_view Barren;  // barren, semi-fruitful or fruitful
  std::string_view SignCaste;
  std::string_view SignPosition;
  std::string_view ConstituentCharacter;
  std::string_view PartOfTheBody;
  std::string_view Physique;
  std::string_view LuckyDays;
  std::string_view LuckyNumbers;
  std::string_view BestDirection;
  std::string_view LuckyColors;
  std::string_view LuckyGemstone;
  std::string_view CompatibleWith;
  std::string_view NotCompatibleWith;
};

inline constexpr int kSignRows = 12;

// The lagna's row: the first whose English name begins with `abbreviation` ("Ari" ...
// "Pis", the last three characters of the ascendant's position text), compared exactly.
const SignInformationRow* FindLagnaSign(std::string_view abbreviation);

// The rashi's row: the one whose Vedic name is `vedicName`, whole and exact.
const SignInformationRow* FindRashiSign(std::string_view vedicName);

// Row s of the table, 0 = Aries ... 11 = Pisces.
const SignInformationRow& SignAt(int sign);

// The fields of the sign paragraphs in the authored texts.
inline constexpr std::string_view kLooks = "looks";
inline constexpr std::string_view kSignNature = "nature";
inline constexpr std::string_view kCareerAndFinance = "career";
inline constexpr std::string_view kLoveAndDomesticLife = "love";
inline constexpr std::string_view kSignHealth = "health";

}  // namespace velmora
