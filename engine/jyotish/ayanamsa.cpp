#include "engine/jyotish/ayanamsa.h"

#include <string>

namespace velmora {
namespace {

struct AyanamsaNames {
  AyanamsaSystem System;
  std::string_view Name;
  std::string_view MenuCaption;
  // Folded forms a user may type besides the folded name.
  std::string_view Alias;
  std::string_view PositionsCaption;
};

constexpr AyanamsaNames kAyanamsaNames[] = {
    {AyanamsaSystem::Lahiri, "Lahiri", "&Lahiri", "chitrapaksha", "Precise positions (Lahiri)"},
    {AyanamsaSystem::Raman, "Raman", "&Raman", "", "Precise positions (Raman)"},
    {AyanamsaSystem::Krishnamurti, "Krishnamurti", "&Krishnamurti (KP)", "kp",
     "Precise positions (Krishnamurti)"},
    {AyanamsaSystem::TrueChitra, "True Chitra", "True &Chitra", "truecitra",
     "Precise positions (True Chitra)"},
    {AyanamsaSystem::Yukteshwar, "Yukteshwar", "&Yukteshwar", "", "Precise positions (Yukteshwar)"},
    {AyanamsaSystem::FaganBradley, "Fagan-Bradley", "&Fagan-Bradley", "",
     "Precise positions (Fagan-Bradley)"},
};

const AyanamsaNames& NamesOf(AyanamsaSystem system) {
  for (const AyanamsaNames& names : kAyanamsaNames) {
    if (names.System == system) return names;
  }
  return kAyanamsaNames[0];
}

// Lower case ASCII letters and digits only: "Fagan-Bradley" and "fagan_bradley" meet.
std::string Folded(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c >= 'A' && c <= 'Z')
      out += static_cast<char>(c - 'A' + 'a');
    else if ((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
      out += c;
    else if (c != ' ' && c != '-' && c != '_')
      return {};  // nothing else belongs in a name
  }
  return out;
}

}  // namespace

std::string_view AyanamsaName(AyanamsaSystem system) {
  return NamesOf(system).Name;
}

std::string_view AyanamsaMenuCaption(AyanamsaSystem system) {
  return NamesOf(system).MenuCaption;
}

std::string_view PrecisePositionsCaption(AyanamsaSystem system) {
  return NamesOf(system).PositionsCaption;
}

std::optional<AyanamsaSystem> AyanamsaNamed(std::string_view typed) {
  const std::string folded = Folded(typed);
  if (folded.empty()) return std::nullopt;
  for (const AyanamsaNames& names : kAyanamsaNames) {
    if (folded == Folded(names.Name) || folded == names.Alias) return names.System;
  }
  return std::nullopt;
}

}  // namespace velmora
