// The ayanamsas precise positions offer, by the names the windows, reports and the
// command-line tool use for them.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "engine/chart_record.h"

namespace velmora {

// In the order the View menu lists them, the default first.
inline constexpr std::array<AyanamsaSystem, 6> kAyanamsaSystems = {
    AyanamsaSystem::Lahiri,     AyanamsaSystem::Raman,      AyanamsaSystem::Krishnamurti,
    AyanamsaSystem::TrueChitra, AyanamsaSystem::Yukteshwar, AyanamsaSystem::FaganBradley};

// "Lahiri", "Raman", "Krishnamurti", "True Chitra", "Yukteshwar", "Fagan-Bradley": in the
// positions caption and the JSON output.
std::string_view AyanamsaName(AyanamsaSystem system);

// The View menu's entry: the name, with "(KP)" after Krishnamurti.
std::string_view AyanamsaMenuCaption(AyanamsaSystem system);

// "Precise positions (Lahiri)": what a sidereal chart says of how it was computed.
std::string_view PrecisePositionsCaption(AyanamsaSystem system);

// The ayanamsa a typed name means, case, spaces, dashes and underscores aside: the names
// above ("true-chitra", "fagan_bradley"), and "KP", "Chitrapaksha" (Lahiri) and "True
// Citra"; none for any other.
std::optional<AyanamsaSystem> AyanamsaNamed(std::string_view typed);

}  // namespace velmora
