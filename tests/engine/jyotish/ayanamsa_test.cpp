#include "engine/jyotish/ayanamsa.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace velmora {
namespace {

struct NameCase {
  const char* Name;
  const char* Typed;
  std::optional<AyanamsaSystem> Means;
};

class AyanamsaNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(AyanamsaNameTest, TypedNameMeansTheAyanamsa) {
  EXPECT_EQ(AyanamsaNamed(GetParam().Typed), GetParam().Means);
}

INSTANTIATE_TEST_SUITE_P(
    Names, AyanamsaNameTest,
    testing::Values(NameCase{"Lahiri", "Lahiri", AyanamsaSystem::Lahiri},
                    NameCase{"LahiriAsChitrapaksha", "chitrapaksha", AyanamsaSystem::Lahiri},
                    NameCase{"RamanUpperCase", "RAMAN", AyanamsaSystem::Raman},
                    NameCase{"Kp", "kp", AyanamsaSystem::Krishnamurti},
                    NameCase{"Krishnamurti", "Krishnamurti", AyanamsaSystem::Krishnamurti},
                    NameCase{"TrueChitraWithDash", "true-chitra", AyanamsaSystem::TrueChitra},
                    NameCase{"TrueChitraAsShown", "True Chitra", AyanamsaSystem::TrueChitra},
                    NameCase{"TrueCitra", "True_Citra", AyanamsaSystem::TrueChitra},
                    NameCase{"Yukteshwar", "yukteshwar", AyanamsaSystem::Yukteshwar},
                    NameCase{"FaganBradleyAsShown", "Fagan-Bradley", AyanamsaSystem::FaganBradley},
                    NameCase{"FaganBradleyUnderscore", "fagan_bradley",
                             AyanamsaSystem::FaganBradley},
                    NameCase{"AnotherAyanamsa", "Sassanian", std::nullopt},
                    NameCase{"Empty", "", std::nullopt}, NameCase{"OnlyDashes", "--", std::nullopt},
                    NameCase{"PunctuationInside", "Lahiri!", std::nullopt},
                    NameCase{"NameAndMore", "Lahiri 1940", std::nullopt}),
    [](const auto& info) { return std::string(info.param.Name); });

// Every name shown is one the command line takes back, and each names its own ayanamsa.
TEST(AyanamsaNameTest, ShownNamesReadBack) {
  for (AyanamsaSystem system : kAyanamsaSystems) {
    EXPECT_EQ(AyanamsaNamed(AyanamsaName(system)), system) << AyanamsaName(system);
  }
}

}  // namespace
}  // namespace velmora
