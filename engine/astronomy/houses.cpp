#include "engine/astronomy/houses.h"

#include <cmath>
#include <string>

#include "engine/astronomy/angles.h"
#include "engine/astronomy/turns.h"
#include "engine/chart_record.h"

namespace velmora {
namespace {

struct SystemName {
  HouseSystem System;
  std::string_view Name;
};
constexpr std::array<SystemName, kHouseSystems> kSystemNames = {{
    {HouseSystem::Placidus, "Placidus"},
    {HouseSystem::Koch, "Koch"},
    {HouseSystem::Porphyry, "Porphyry"},
    {HouseSystem::Regiomontanus, "Regiomontanus"},
    {HouseSystem::Campanus, "Campanus"},
    {HouseSystem::Equal, "Equal"},
    {HouseSystem::WholeSign, "Whole Sign"},
}};

// Full double precision here: the cusps are compared with other programs to the
// arc-second, and nothing printed before depends on them.
constexpr double kRadians = 3.14159265358979323846 / 180;

double Sin(double deg) {
  return std::sin(deg * kRadians);
}
double Cos(double deg) {
  return std::cos(deg * kRadians);
}
double Tan(double deg) {
  return std::tan(deg * kRadians);
}
double Atan2Deg(double y, double x) {
  return turns::Normalised360(std::atan2(y, x) / kRadians);
}

// The frame the cusps are computed in.
struct Sky {
  double RamcDeg;
  double ObliquityDeg;
  double LatitudeDeg;
};

// The point of the ecliptic rising on a great circle through the north and south points of
// the horizon, given by the right ascension of its intersection with the equator less 90
// degrees and its pole's height above the equator: the ascendant of a latitude `poleDeg`
// at the sidereal angle `ramcDeg`. With the geographic latitude it is the ascendant itself.
double RisingPoint(const Sky& sky, double ramcDeg, double poleDeg) {
  return Atan2Deg(Cos(ramcDeg),
                  -(Sin(ramcDeg) * Cos(sky.ObliquityDeg) + Tan(poleDeg) * Sin(sky.ObliquityDeg)));
}

// The ecliptic point of a right ascension.
double EclipticOfRightAscension(const Sky& sky, double rightAscensionDeg) {
  return Atan2Deg(Sin(rightAscensionDeg), Cos(rightAscensionDeg) * Cos(sky.ObliquityDeg));
}

double DeclinationOf(const Sky& sky, double longitudeDeg) {
  return std::asin(Sin(sky.ObliquityDeg) * Sin(longitudeDeg)) / kRadians;
}

// The forward distance from a to b along the ecliptic, 0 to 360.
double Arc(double fromDeg, double toDeg) {
  return turns::Normalised360(toDeg - fromDeg);
}

// Cusps 11, 12, 2 and 3 (indexes 10, 11, 1, 2) from one rule, then their opposites.
template <class Cusp>
std::array<double, 12> QuadrantCusps(double ascendantDeg, double midheavenDeg, Cusp&& cusp) {
  std::array<double, 12> cusps{};
  cusps[0] = ascendantDeg;
  cusps[9] = midheavenDeg;
  cusps[10] = cusp(11);
  cusps[11] = cusp(12);
  cusps[1] = cusp(2);
  cusps[2] = cusp(3);
  for (std::size_t k : {3, 4, 5, 6, 7, 8})
    cusps[k] = turns::Normalised360(cusps[(k + 6) % 12] + 180);
  return cusps;
}

// The ecliptic quadrants trisected.
std::array<double, 12> Porphyry(double asc, double mc) {
  const double upper = Arc(mc, asc);
  const double lower = 180 - upper;
  return QuadrantCusps(asc, mc, [&](int house) {
    switch (house) {
      case 11:
        return turns::Normalised360(mc + upper / 3);
      case 12:
        return turns::Normalised360(mc + 2 * upper / 3);
      case 2:
        return turns::Normalised360(asc + lower / 3);
      default:
        return turns::Normalised360(asc + 2 * lower / 3);
    }
  });
}

// Each cusp's own diurnal (11, 12) or nocturnal (2, 3) semi-arc trisected in time: the point
// whose hour angle is a third or two thirds of it. The cusp's declination decides its arc,
// so it is found by iteration from the Porphyry cusp.
std::array<double, 12> Placidus(const Sky& sky, double asc, double mc) {
  const std::array<double, 12> start = Porphyry(asc, mc);
  return QuadrantCusps(asc, mc, [&](int house) {
    // RA = RAMC + base + share of the cusp's ascensional difference.
    const double base = house == 11 ? 30 : house == 12 ? 60 : house == 2 ? 120 : 150;
    const double share = house == 11 || house == 3 ? 1.0 / 3 : 2.0 / 3;
    double lambda = start[static_cast<std::size_t>(house - 1)];
    for (int i = 0; i < 100; ++i) {
      const double ascensional =
          std::asin(Tan(sky.LatitudeDeg) * Tan(DeclinationOf(sky, lambda))) / kRadians;
      const double next = EclipticOfRightAscension(sky, sky.RamcDeg + base + share * ascensional);
      const bool settled = std::fabs(std::remainder(next - lambda, 360.0)) < 1e-11;
      lambda = next;
      if (settled) break;
    }
    return lambda;
  });
}

// The ascendants of the moments that trisect the time the midheaven's degree takes from its
// rising to its culmination, and on to the rising of the opposite degree.
std::array<double, 12> Koch(const Sky& sky, double asc, double mc) {
  const double mcDeclination = std::atan(Tan(sky.ObliquityDeg) * Sin(sky.RamcDeg)) / kRadians;
  const double semiArc = 90 + std::asin(Tan(sky.LatitudeDeg) * Tan(mcDeclination)) / kRadians;
  return QuadrantCusps(asc, mc, [&](int house) {
    const int thirds = house == 11 ? -2 : house == 12 ? -1 : house == 2 ? 1 : 2;
    return RisingPoint(sky, sky.RamcDeg + thirds * semiArc / 3, sky.LatitudeDeg);
  });
}

// Great circles through the north and south points of the horizon dividing the equator
// (Regiomontanus) or the prime vertical (Campanus) into twelve.
std::array<double, 12> Regiomontanus(const Sky& sky, double asc, double mc) {
  return QuadrantCusps(asc, mc, [&](int house) {
    const double fromMeridian = house == 11 ? 30 : house == 12 ? 60 : house == 2 ? 120 : 150;
    const double pole = std::atan(Tan(sky.LatitudeDeg) * Sin(fromMeridian)) / kRadians;
    return RisingPoint(sky, sky.RamcDeg + fromMeridian - 90, pole);
  });
}

std::array<double, 12> Campanus(const Sky& sky, double asc, double mc) {
  return QuadrantCusps(asc, mc, [&](int house) {
    const double fromZenith = house == 11 ? 30 : house == 12 ? 60 : house == 2 ? 120 : 150;
    const double pole = std::asin(Sin(sky.LatitudeDeg) * Sin(fromZenith)) / kRadians;
    // Where the circle meets the equator, measured from the meridian.
    const double onEquator = Atan2Deg(Cos(sky.LatitudeDeg) * Sin(fromZenith), Cos(fromZenith));
    return RisingPoint(sky, sky.RamcDeg + onEquator - 90, pole);
  });
}

std::array<double, 12> Equal(double asc) {
  std::array<double, 12> cusps{};
  for (std::size_t k = 0; k < 12; ++k) cusps[k] = turns::Normalised360(asc + 30.0 * k);
  return cusps;
}

std::array<double, 12> WholeSign(double asc) {
  return Equal(30 * std::floor(asc / 30));
}

bool InsidePolarCircle(const Sky& sky) {
  return std::fabs(sky.LatitudeDeg) >= 90 - sky.ObliquityDeg;
}

}  // namespace

std::string_view HouseSystemName(HouseSystem system) {
  for (const SystemName& s : kSystemNames) {
    if (s.System == system) return s.Name;
  }
  return {};
}

std::optional<HouseSystem> HouseSystemNamed(std::string_view name) {
  auto folded = [](std::string_view text) {
    std::string out;
    for (char c : text) {
      if (c == ' ' || c == '-' || c == '_') continue;
      out += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return out;
  };
  const std::string wanted = folded(name);
  for (const SystemName& s : kSystemNames) {
    if (folded(s.Name) == wanted) return s.System;
  }
  return std::nullopt;
}

HouseCusps ComputeHouses(HouseSystem system, double ramcDeg, double obliquityDeg,
                         double latitudeDeg) {
  const Sky sky{turns::Normalised360(ramcDeg), obliquityDeg, latitudeDeg};
  HouseCusps h;
  h.Requested = system;
  h.Used = system;
  h.MidheavenDeg =
      turns::Normalised360(MidheavenOf(sky.RamcDeg * kRadians, obliquityDeg * kRadians));
  h.AscendantDeg = turns::Normalised360(
      AscendantOf(sky.RamcDeg * kRadians, obliquityDeg * kRadians, latitudeDeg));
  bool ascendantTurned = false;
  if (InsidePolarCircle(sky)) {
    // Up there the formula's point can be the one setting in the west; the ascendant is the
    // one that follows the midheaven.
    if (Arc(h.MidheavenDeg, h.AscendantDeg) > 180) {
      h.AscendantDeg = turns::Normalised360(h.AscendantDeg + 180);
      ascendantTurned = true;
    }
    if (system == HouseSystem::Placidus || system == HouseSystem::Koch) {
      h.Used = HouseSystem::Porphyry;
    }
  }
  const double asc = h.AscendantDeg;
  const double mc = h.MidheavenDeg;
  switch (h.Used) {
    case HouseSystem::Placidus:
      h.CuspsDeg = Placidus(sky, asc, mc);
      break;
    case HouseSystem::Koch:
      h.CuspsDeg = Koch(sky, asc, mc);
      break;
    case HouseSystem::Porphyry:
      h.CuspsDeg = Porphyry(asc, mc);
      break;
    case HouseSystem::Regiomontanus:
      h.CuspsDeg = Regiomontanus(sky, asc, mc);
      break;
    case HouseSystem::Campanus:
      h.CuspsDeg = Campanus(sky, asc, mc);
      break;
    case HouseSystem::Equal:
      h.CuspsDeg = Equal(asc);
      break;
    case HouseSystem::WholeSign:
      h.CuspsDeg = WholeSign(asc);
      break;
  }
  // The circles of these two systems keep their own sides of the meridian: with the
  // ascendant turned, every cusp but the ascendant's and the descendant's turns with it, the
  // midheaven becomes the meridian's other ecliptic point and the houses go round
  // clockwise. This is how the Swiss Ephemeris draws them.
  if (ascendantTurned &&
      (h.Used == HouseSystem::Regiomontanus || h.Used == HouseSystem::Campanus)) {
    for (std::size_t k : {1, 2, 3, 4, 5, 7, 8, 9, 10, 11})
      h.CuspsDeg[k] = turns::Normalised360(h.CuspsDeg[k] + 180);
    h.MidheavenDeg = h.CuspsDeg[9];
  }
  return h;
}

int HouseOf(const HouseCusps& houses, double longitudeDeg) {
  const double lambda = turns::Normalised360(longitudeDeg);
  const auto& c = houses.CuspsDeg;
  // Houses go round counter-clockwise, in the order of the zodiac, except the polar
  // Regiomontanus and Campanus ones above.
  double forward = 0;
  for (std::size_t k = 0; k < 12; ++k) forward += Arc(c[k], c[(k + 1) % 12]);
  const bool clockwise = forward > 360 + 1e-6;
  for (std::size_t k = 0; k < 12; ++k) {
    const double from = c[k];
    const double to = c[(k + 1) % 12];
    const bool inside =
        clockwise ? Arc(lambda, from) < Arc(to, from) : Arc(from, lambda) < Arc(from, to);
    if (inside) return static_cast<int>(k) + 1;
  }
  return 1;
}

}  // namespace velmora
