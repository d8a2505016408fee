// Aspects: the angles between two points of the Western chart that astrologers read, each
// within its orb, and whether it is growing exact (applying) or past it (separating).
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace velmora {

enum class AspectKind : std::uint8_t {
  Conjunction,
  Opposition,
  Trine,
  Square,
  Sextile,
  Quincunx,
  SemiSextile,
  SemiSquare,
  Sesquiquadrate,
  Quintile
};
inline constexpr int kAspectKinds = 10;

struct AspectDefinition {
  AspectKind Kind;
  std::string_view Name;  // "Conjunction" ... "Quintile"
  double AngleDeg;
  // How far from exact the aspect still counts. The five major aspects take the orbs most
  // Western astrologers use for a natal chart (10, 10, 8, 7 and 6 degrees); the minor ones
  // are read only when close (3 degrees for the quincunx, 2 for the others).
  double OrbDeg;
  bool ShownByDefault;
};

inline constexpr std::array<AspectDefinition, kAspectKinds> kAspectDefinitions = {{
    {AspectKind::Conjunction, "Conjunction", 0, 10, true},
    {AspectKind::Opposition, "Opposition", 180, 10, true},
    {AspectKind::Trine, "Trine", 120, 8, true},
    {AspectKind::Square, "Square", 90, 7, true},
    {AspectKind::Sextile, "Sextile", 60, 6, true},
    {AspectKind::Quincunx, "Quincunx", 150, 3, false},
    {AspectKind::SemiSextile, "Semi-sextile", 30, 2, false},
    {AspectKind::SemiSquare, "Semi-square", 45, 2, false},
    {AspectKind::Sesquiquadrate, "Sesquiquadrate", 135, 2, false},
    {AspectKind::Quintile, "Quintile", 72, 2, false},
}};

const AspectDefinition& DefinitionOf(AspectKind kind);

// Which aspects are looked for: one bit per AspectKind.
class AspectKinds {
 public:
  constexpr AspectKinds() = default;
  static constexpr AspectKinds Defaults() {
    AspectKinds kinds;
    for (const AspectDefinition& d : kAspectDefinitions) {
      if (d.ShownByDefault) kinds = kinds.With(d.Kind);
    }
    return kinds;
  }
  static constexpr AspectKinds All() {
    AspectKinds kinds;
    for (const AspectDefinition& d : kAspectDefinitions) kinds = kinds.With(d.Kind);
    return kinds;
  }
  constexpr AspectKinds With(AspectKind kind) const {
    AspectKinds k = *this;
    k.bits_ = static_cast<std::uint16_t>(k.bits_ | Bit(kind));
    return k;
  }
  constexpr AspectKinds Without(AspectKind kind) const {
    AspectKinds k = *this;
    k.bits_ = static_cast<std::uint16_t>(k.bits_ & ~Bit(kind));
    return k;
  }
  constexpr bool Contains(AspectKind kind) const { return (bits_ & Bit(kind)) != 0; }
  constexpr bool operator==(const AspectKinds&) const = default;

 private:
  static constexpr std::uint16_t Bit(AspectKind kind) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(kind));
  }
  std::uint16_t bits_ = 0;
};

// One point's place and motion, as the aspects need them.
struct AspectPoint {
  double LongitudeDeg;
  double SpeedDegPerDay;
};

struct Aspect {
  int First;  // index into the points, First < Second
  int Second;
  AspectKind Kind;
  double OrbDeg;  // how far from exact, 0 or more
  bool Applying;  // the two are moving towards the exact angle
};

// Every pair of points in an aspect of the given kinds, in the order of the points (first by
// First, then by Second). A pair takes the aspect it is closest to when two orbs overlap.
std::vector<Aspect> FindAspects(std::span<const AspectPoint> points, AspectKinds kinds);

}  // namespace velmora
