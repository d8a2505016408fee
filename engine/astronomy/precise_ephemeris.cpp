#include "engine/astronomy/precise_ephemeris.h"

#include <erfa.h>
#include <erfam.h>
#include <libnova/dynamical_time.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>

#include <cmath>

#include "engine/astronomy/turns.h"

// ERFA supplies the Earth (eraEpv00), nutation, precession, aberration and light deflection,
// and short theories of the Moon and planets that are good enough for a light time. The
// places themselves come from libnova's full VSOP87 planets and ELP 2000-82 Moon: ERFA's
// short planetary theory misses Saturn by up to 1.5', its short Moon by 11".

namespace velmora {
namespace {

// 1961-01-01: from here on the leap-second table, with UT1 - UTC below a second, gives
// TT - UT; before it, libnova's table of observed values.
constexpr double kFirstLeapSecondDay = 2437300.5;
constexpr double kTtMinusTaiSeconds = 32.184;

// The Lahiri (Chitrapaksha) ayanamsa as the Indian Calendar Reform Committee fixed it:
// 23° 15' 0.658" of mean ayanamsa at 1956 March 21, 0h TT, carried by precession.
constexpr double kLahiriEpochTt = 2435553.5;
constexpr double kLahiriAtEpochDeg = 23.245524743;

// ELP 2000-82 series terms below 1e-7 radians (0.02") are left out: the Moon stays within
// 3" of the reference and costs a twentieth of the full series.
constexpr double kLunarSeriesCutoffRadians = 1e-7;
constexpr double kKilometresPerAu = ERFA_DAU / 1000;
// Half the interval of the central difference that gives the Moon's velocity for the
// osculating node, days.
constexpr double kNodeStepDays = 0.001;

constexpr double kLightTimeDaysPerAu = ERFA_AULT / ERFA_DAYSEC;
// Half the interval of the central differences that give the speeds ERFA's theories do not
// give directly (Pluto, the nodes), days: short against every period they have.
constexpr double kSpeedStepDays = 0.5;

using Vector = std::array<double, 3>;

struct PlanetSource {
  void (*Heliocentric)(double, ln_helio_posn*);  // libnova, J2000 ecliptic
  int ErfaPlanet;  // eraPlan94 numbering; 0 for Pluto, which its theory does not cover
};

struct IndianPlanet {
  PlanetSource Source;
  PreciseBody Body;
};

constexpr std::array<IndianPlanet, 5> kPlanets = {{
    {{ln_get_mercury_helio_coords, 1}, PreciseBody::Mercury},
    {{ln_get_venus_helio_coords, 2}, PreciseBody::Venus},
    {{ln_get_mars_helio_coords, 4}, PreciseBody::Mars},
    {{ln_get_jupiter_helio_coords, 5}, PreciseBody::Jupiter},
    {{ln_get_saturn_helio_coords, 6}, PreciseBody::Saturn},
}};

// Indexed by OuterBody.
constexpr std::array<PlanetSource, kOuterBodies> kOuterPlanets = {{
    {ln_get_uranus_helio_coords, 7},
    {ln_get_neptune_helio_coords, 8},
    {ln_get_pluto_helio_coords, 0},
}};

struct Place {
  double LongitudeDeg;
  double SpeedDegPerDay;
};

// The difference a - b of two angles in radians, brought into (-pi, pi].
double AngleDifference(double a, double b) {
  return std::remainder(a - b, ERFA_D2PI);
}

// The J2000 ecliptic of the two series turned onto the J2000 equator, which ERFA's
// matrices start from.
Vector EquatorialFromEcliptic(double x, double y, double z) {
  const double obliquity = eraObl06(ERFA_DJ00, 0.0);
  const double c = std::cos(obliquity);
  const double s = std::sin(obliquity);
  return {x, y * c - z * s, y * s + z * c};
}

Vector EquatorialFromSpherical(const ln_helio_posn& h) {
  const double l = h.L * ERFA_DD2R;
  const double b = h.B * ERFA_DD2R;
  return EquatorialFromEcliptic(h.R * std::cos(b) * std::cos(l), h.R * std::cos(b) * std::sin(l),
                                h.R * std::sin(b));
}

// libnova's Moon in AU, J2000 equator.
Vector LunarPosition(double julianDayTt) {
  ln_rect_posn moon{};
  ln_get_lunar_geo_posn(julianDayTt, &moon, kLunarSeriesCutoffRadians);
  return EquatorialFromEcliptic(moon.X / kKilometresPerAu, moon.Y / kKilometresPerAu,
                                moon.Z / kKilometresPerAu);
}

double Length(const Vector& v) {
  return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]);
}

// One moment's frame: from the J2000 equator to the mean ecliptic of date, and the
// nutation in longitude that turns a mean longitude of date into a true one.
struct DateFrame {
  double ToEcliptic[3][3];
  double NutationRadians;

  Vector Ecliptic(const Vector& equatorial) const {
    Vector e{};
    for (std::size_t i = 0; i < 3; ++i) {
      for (std::size_t j = 0; j < 3; ++j) e[i] += ToEcliptic[i][j] * equatorial[j];
    }
    return e;
  }

  double LongitudeDeg(const Vector& equatorial) const {
    const Vector e = Ecliptic(equatorial);
    return turns::Normalised360((std::atan2(e[1], e[0]) + NutationRadians) * ERFA_DR2D);
  }

  // The rate of the ecliptic longitude of a geocentric place and velocity (J2000 equator,
  // per day), with the equinox's own motion added: the frame itself turns slowly.
  double SpeedDegPerDay(const Vector& position, const Vector& velocity) const {
    const Vector p = Ecliptic(position);
    const Vector v = Ecliptic(velocity);
    const double radians = (p[0] * v[1] - p[1] * v[0]) / (p[0] * p[0] + p[1] * p[1]);
    return radians * ERFA_DR2D + kPrecessionDegPerDay;
  }
};

// What light from a body picks up on its way: the bend by the Sun's gravity (planets only)
// and the aberration of the Earth's motion.
struct Observer {
  double Heliocentric[2][3];  // AU, AU/day
  double Barycentric[2][3];
  double VelocityInC[3];
  double SunDistanceAu;
  double SunToEarth[3];

  Vector ApparentDirection(const Vector& geocentric, const Vector* heliocentric) const {
    double r = 0;
    double u[3];
    double g[3] = {geocentric[0], geocentric[1], geocentric[2]};
    eraPn(g, &r, u);
    double bent[3];
    if (heliocentric) {
      double q[3];
      double h[3] = {(*heliocentric)[0], (*heliocentric)[1], (*heliocentric)[2]};
      double qr = 0;
      eraPn(h, &qr, q);
      double e[3] = {SunToEarth[0], SunToEarth[1], SunToEarth[2]};
      eraLd(1.0, u, q, e, SunDistanceAu, 1e-6, bent);
    } else {
      eraCp(u, bent);
    }
    double v[3] = {VelocityInC[0], VelocityInC[1], VelocityInC[2]};
    const double bm1 = std::sqrt(1 - eraPdp(v, v));
    double apparent[3];
    eraAb(bent, v, SunDistanceAu, bm1, apparent);
    return {apparent[0], apparent[1], apparent[2]};
  }
};

Observer ObserverAt(double julianDayTt) {
  Observer o{};
  eraEpv00(julianDayTt, 0.0, o.Heliocentric, o.Barycentric);
  for (int i = 0; i < 3; ++i) o.VelocityInC[i] = o.Barycentric[1][i] * kLightTimeDaysPerAu;
  eraPn(o.Heliocentric[0], &o.SunDistanceAu, o.SunToEarth);
  return o;
}

Vector Heliocentric(const PlanetSource& planet, double tt) {
  ln_helio_posn h{};
  planet.Heliocentric(tt, &h);
  return EquatorialFromSpherical(h);
}

Vector Difference(const Vector& a, const Vector& b) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

Place ApparentPlanet(const PlanetSource& planet, double tt, const Observer& earth,
                     const DateFrame& frame) {
  const Vector earthPlace = {earth.Heliocentric[0][0], earth.Heliocentric[0][1],
                             earth.Heliocentric[0][2]};
  const Vector earthVelocity = {earth.Heliocentric[1][0], earth.Heliocentric[1][1],
                                earth.Heliocentric[1][2]};
  Vector heliocentric{};
  Vector velocity{};
  if (planet.ErfaPlanet != 0) {
    // ERFA's short theory is far better than needed for the light time and the speed; the
    // long series is then read once, at the moment the light left the planet.
    double rough[2][3];
    eraPlan94(tt, 0.0, planet.ErfaPlanet, rough);
    const Vector roughPlace = {rough[0][0], rough[0][1], rough[0][2]};
    const double lightTime = Length(Difference(roughPlace, earthPlace)) * kLightTimeDaysPerAu;
    heliocentric = Heliocentric(planet, tt - lightTime);
    // Its velocity when the light left it: Mercury's changes enough within the light time
    // to show in the speed.
    eraPlan94(tt - lightTime, 0.0, planet.ErfaPlanet, rough);
    velocity = {rough[1][0], rough[1][1], rough[1][2]};
  } else {
    // Pluto's series is short: read again for the light time and on either side for the
    // velocity.
    const double lightTime =
        Length(Difference(Heliocentric(planet, tt), earthPlace)) * kLightTimeDaysPerAu;
    heliocentric = Heliocentric(planet, tt - lightTime);
    const Vector before = Heliocentric(planet, tt - lightTime - kSpeedStepDays);
    const Vector after = Heliocentric(planet, tt - lightTime + kSpeedStepDays);
    for (std::size_t i = 0; i < 3; ++i) velocity[i] = (after[i] - before[i]) / (2 * kSpeedStepDays);
  }
  const Vector geocentric = Difference(heliocentric, earthPlace);
  return {frame.LongitudeDeg(earth.ApparentDirection(geocentric, &heliocentric)),
          frame.SpeedDegPerDay(geocentric, Difference(velocity, earthVelocity))};
}

Place ApparentSun(const Observer& earth, const DateFrame& frame) {
  const Vector geocentric = {-earth.Heliocentric[0][0], -earth.Heliocentric[0][1],
                             -earth.Heliocentric[0][2]};
  const Vector velocity = {-earth.Heliocentric[1][0], -earth.Heliocentric[1][1],
                           -earth.Heliocentric[1][2]};
  return {frame.LongitudeDeg(earth.ApparentDirection(geocentric, nullptr)),
          frame.SpeedDegPerDay(geocentric, velocity)};
}

// The Moon where the light left it. The Earth's motion shifts the light time and the
// aberration by the same amount in opposite directions, so no aberration is applied.
struct MoonPlace {
  Place Apparent;
  Vector Position;  // AU, J2000 equator, when the light left it
  double When;      // that moment, TT
};

MoonPlace ApparentMoon(double tt, const DateFrame& frame) {
  double rough[2][3];
  eraMoon98(tt, 0.0, rough);
  const double lightTime = eraPm(rough[0]) * kLightTimeDaysPerAu;
  MoonPlace moon{};
  moon.When = tt - lightTime;
  moon.Position = LunarPosition(moon.When);
  moon.Apparent = {frame.LongitudeDeg(moon.Position),
                   frame.SpeedDegPerDay({rough[0][0], rough[0][1], rough[0][2]},
                                        {rough[1][0], rough[1][1], rough[1][2]})};
  return moon;
}

// The ascending node, radians of date before nutation, of the orbit a body would keep from
// its geocentric place and velocity.
double NodeOfOrbit(const Vector& position, const Vector& velocity, const DateFrame& frame) {
  const Vector p = frame.Ecliptic(position);
  const Vector v = frame.Ecliptic(velocity);
  double pe[3] = {p[0], p[1], p[2]};
  double ve[3] = {v[0], v[1], v[2]};
  double h[3];
  eraPxp(pe, ve, h);
  // The angular momentum points 90 degrees behind the ascending node.
  return std::atan2(h[0], -h[1]);
}

// The node of the orbit the Moon would keep from its present place and velocity: the
// velocity from the series read once more a moment after the Moon's own place, the place
// halfway between the two.
double OsculatingNodeDeg(const MoonPlace& moon, const DateFrame& frame) {
  const Vector after = LunarPosition(moon.When + 2 * kNodeStepDays);
  Vector p{};
  Vector v{};
  for (std::size_t i = 0; i < 3; ++i) {
    p[i] = (moon.Position[i] + after[i]) / 2;
    v[i] = (after[i] - moon.Position[i]) / (2 * kNodeStepDays);
  }
  return turns::Normalised360((NodeOfOrbit(p, v, frame) + frame.NutationRadians) * ERFA_DR2D);
}

// How fast the osculating node moves. ERFA's short Moon gives place and velocity at once,
// and its errors hardly change within a day, so they drop out of the difference.
double OsculatingNodeSpeedDegPerDay(double tt, const DateFrame& frame) {
  auto node = [&](double when) {
    double pv[2][3];
    eraMoon98(when, 0.0, pv);
    return NodeOfOrbit({pv[0][0], pv[0][1], pv[0][2]}, {pv[1][0], pv[1][1], pv[1][2]}, frame);
  };
  const double radians = AngleDifference(node(tt + kSpeedStepDays), node(tt - kSpeedStepDays));
  return radians * ERFA_DR2D / (2 * kSpeedStepDays) + kPrecessionDegPerDay;
}

double MeanNodeDeg(double tt, const DateFrame& frame) {
  const double centuries = (tt - ERFA_DJ00) / ERFA_DJC;
  return turns::Normalised360((eraFaom03(centuries) + frame.NutationRadians) * ERFA_DR2D);
}

// The mean node's rate; eraFaom03 is already measured from the equinox of date.
double MeanNodeSpeedDegPerDay(double tt) {
  const double step = kSpeedStepDays / ERFA_DJC;
  const double centuries = (tt - ERFA_DJ00) / ERFA_DJC;
  const double radians = AngleDifference(eraFaom03(centuries + step), eraFaom03(centuries - step));
  return radians * ERFA_DR2D / (2 * kSpeedStepDays);
}

// General precession in longitude since J2000, radians (IAU 2006).
double PrecessionInLongitude(double julianDayTt) {
  double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi;
  eraP06e(julianDayTt, 0.0, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa, &chia, &za, &zetaa,
          &thetaa, &pa, &gam, &phi, &psi);
  return pa;
}

struct Nutation {
  double LongitudeRadians;
  double ObliquityRadians;
};

Nutation NutationAt(double julianDayTt) {
  Nutation n{};
  eraNut00b(julianDayTt, 0.0, &n.LongitudeRadians, &n.ObliquityRadians);
  return n;
}

double NutationInLongitude(double julianDayTt) {
  return NutationAt(julianDayTt).LongitudeRadians;
}

double TerrestrialTime(double julianDayUt) {
  return julianDayUt + DeltaTSeconds(julianDayUt) / ERFA_DAYSEC;
}

// One moment's frame of date and the Earth's place and motion.
struct Moment {
  double Tt;
  DateFrame Frame;
  Nutation Nut;
  Observer Earth;
};

Moment MomentAt(double julianDayUt) {
  Moment m{};
  m.Tt = TerrestrialTime(julianDayUt);
  eraEcm06(m.Tt, 0.0, m.Frame.ToEcliptic);
  m.Nut = NutationAt(m.Tt);
  m.Frame.NutationRadians = m.Nut.LongitudeRadians;
  m.Earth = ObserverAt(m.Tt);
  return m;
}

double LahiriAyanamsaDeg(double julianDayTt, double nutationRadians) {
  const double precession =
      PrecessionInLongitude(julianDayTt) - PrecessionInLongitude(kLahiriEpochTt);
  return kLahiriAtEpochDeg + (precession + nutationRadians) * ERFA_DR2D;
}

}  // namespace

double DeltaTSeconds(double julianDayUt) {
  if (julianDayUt < kFirstLeapSecondDay) return ln_get_dynamical_time_diff(julianDayUt);
  int year = 0;
  int month = 0;
  int day = 0;
  double fraction = 0;
  double taiMinusUtc = 0;
  // Past the table's last entry ERFA keeps its last value and warns; that is our forecast.
  if (eraJd2cal(julianDayUt, 0.0, &year, &month, &day, &fraction) != 0 ||
      eraDat(year, month, day, fraction, &taiMinusUtc) < 0) {
    return ln_get_dynamical_time_diff(julianDayUt);
  }
  return kTtMinusTaiSeconds + taiMinusUtc;
}

double LahiriAyanamsaDeg(double julianDayTt) {
  return LahiriAyanamsaDeg(julianDayTt, NutationInLongitude(julianDayTt));
}

ApparentPlaces ComputeApparentPlaces(double julianDayUt, LunarNode node, BodySet bodies) {
  const Moment m = MomentAt(julianDayUt);
  ApparentPlaces places;
  auto set = [&](PreciseBody body, const Place& place) {
    places.LongitudesDeg[static_cast<std::size_t>(body)] = place.LongitudeDeg;
    places.SpeedsDegPerDay[static_cast<std::size_t>(body)] = place.SpeedDegPerDay;
  };
  set(PreciseBody::Sun, ApparentSun(m.Earth, m.Frame));
  const MoonPlace moon = ApparentMoon(m.Tt, m.Frame);
  set(PreciseBody::Moon, moon.Apparent);
  for (const IndianPlanet& planet : kPlanets) {
    set(planet.Body, ApparentPlanet(planet.Source, m.Tt, m.Earth, m.Frame));
  }
  const bool western = bodies == BodySet::Western;
  const double meanNode = MeanNodeDeg(m.Tt, m.Frame);
  const double meanNodeSpeed = MeanNodeSpeedDegPerDay(m.Tt);
  double trueNode = 0;
  double trueNodeSpeed = 0;
  if (node == LunarNode::True || western) {
    trueNode = OsculatingNodeDeg(moon, m.Frame);
    trueNodeSpeed = OsculatingNodeSpeedDegPerDay(m.Tt, m.Frame);
  }
  const bool chartTrue = node == LunarNode::True;
  places.NodeLongitudeDeg = chartTrue ? trueNode : meanNode;
  places.NodeSpeedDegPerDay = chartTrue ? trueNodeSpeed : meanNodeSpeed;
  places.AyanamsaDeg = LahiriAyanamsaDeg(m.Tt, m.Nut.LongitudeRadians);
  // Universal time stands for UT1: the two differ by less than a second of time.
  const double meanObliquity = eraObl06(m.Tt, 0.0);
  places.ApparentSiderealTimeRadians =
      eraAnp(eraGmst06(julianDayUt, 0.0, m.Tt, 0.0) +
             eraEe00(m.Tt, 0.0, meanObliquity, m.Nut.LongitudeRadians));
  places.TrueObliquityRadians = meanObliquity + m.Nut.ObliquityRadians;

  if (western) {
    OuterPlaces& outer = places.Outer;
    for (std::size_t i = 0; i < kOuterPlanets.size(); ++i) {
      const Place place = ApparentPlanet(kOuterPlanets[i], m.Tt, m.Earth, m.Frame);
      outer.LongitudesDeg[i] = place.LongitudeDeg;
      outer.SpeedsDegPerDay[i] = place.SpeedDegPerDay;
    }
    outer.MeanNodeDeg = meanNode;
    outer.MeanNodeSpeedDegPerDay = meanNodeSpeed;
    outer.TrueNodeDeg = trueNode;
    outer.TrueNodeSpeedDegPerDay = trueNodeSpeed;
  }
  return places;
}

}  // namespace velmora
