#include "engine/western/aspects.h"

#include <cmath>

namespace velmora {

const AspectDefinition& DefinitionOf(AspectKind kind) {
  return kAspectDefinitions[static_cast<std::size_t>(kind)];
}

std::vector<Aspect> FindAspects(std::span<const AspectPoint> points, AspectKinds kinds) {
  std::vector<Aspect> aspects;
  for (std::size_t i = 0; i < points.size(); ++i) {
    for (std::size_t j = i + 1; j < points.size(); ++j) {
      // The signed distance from the first to the second, and the angle between them.
      const double difference =
          std::remainder(points[j].LongitudeDeg - points[i].LongitudeDeg, 360.0);
      const double separation = std::fabs(difference);
      const AspectDefinition* best = nullptr;
      double bestOrb = 0;
      for (const AspectDefinition& d : kAspectDefinitions) {
        if (!kinds.Contains(d.Kind)) continue;
        const double orb = std::fabs(separation - d.AngleDeg);
        if (orb <= d.OrbDeg && (!best || orb < bestOrb)) {
          best = &d;
          bestOrb = orb;
        }
      }
      if (!best) continue;
      // How fast the separation changes, and so the orb: it shrinks while applying.
      const double relativeSpeed = points[j].SpeedDegPerDay - points[i].SpeedDegPerDay;
      const double separationSpeed = difference >= 0 ? relativeSpeed : -relativeSpeed;
      const double orbSpeed = separation >= best->AngleDeg ? separationSpeed : -separationSpeed;
      aspects.push_back(
          {static_cast<int>(i), static_cast<int>(j), best->Kind, bestOrb, orbSpeed < 0});
    }
  }
  return aspects;
}

}  // namespace velmora
