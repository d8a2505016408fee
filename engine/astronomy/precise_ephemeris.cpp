#include "engine/astronomy/precise_ephemeris.h"

#include <erfa.h>
#include <erfam.h>
#include <libnova/dynamical_time.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/saturn.h>
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

// The ayanamsas fixed by their value at one epoch, carried from there by the general
// precession in longitude; nutation is added at the date. Against the Swiss Ephemeris 2.10
// (swetest -sid N), 1900-2050, they differ by a constant: 0.13" less for Lahiri, 0.41" more
// for Fagan-Bradley, 0.83" more for Raman and Krishnamurti, none for Yukteshwar.
struct EpochAyanamsa {
  AyanamsaSystem System;
  double EpochTt;   // Julian day
  double ValueDeg;  // mean ayanamsa at the epoch
};

constexpr double kJ1900 = 2415020.0;
constexpr EpochAyanamsa kEpochAyanamsas[] = {
    // Lahiri (Chitrapaksha) as the Indian Calendar Reform Committee fixed it: 23° 15' 0.658"
    // at 1956 March 21, 0h TT.
    {AyanamsaSystem::Lahiri, 2435553.5, 23.245524743},
    // B. V. Raman: 21° 0' 52" at 1900.
    {AyanamsaSystem::Raman, kJ1900, 21.01444},
    // K. S. Krishnamurti: 22° 21' 50" at 1900.
    {AyanamsaSystem::Krishnamurti, kJ1900, 22.363889},
    // Sri Yukteshwar: 21° 4' 56" at 1900.
    {AyanamsaSystem::Yukteshwar, kJ1900, 21.082222},
    // Fagan and Bradley: the synetic vernal point at 335° 57' 28.64" at B1950.
    {AyanamsaSystem::FaganBradley, 2433282.42346, 24.042044444},
};

// True Chitra puts Spica (alpha Virginis, HIP 65474) at 180° sidereal: the star's apparent
// longitude less 180°. Its place and motion (ICRS, epoch J2000) from the Hipparcos
// catalogue, new reduction; a year's proper motion is a few hundredths of an arc-second.
struct Star {
  double RightAscensionDeg;
  double DeclinationDeg;
  double ProperMotionRaMasPerYear;  // mu alpha times cos delta
  double ProperMotionDecMasPerYear;
  double ParallaxMas;
  double RadialVelocityKmPerS;
};
constexpr Star kSpica = {201.29824736, -11.16131949, -42.35, -30.67, 13.06, 1.0};
constexpr double kChitraSiderealDeg = 180.0;

// ELP 2000-82 series terms below 1e-7 radians (0.02") are left out: the Moon stays within
// 3" of the reference and costs a twentieth of the full series.
constexpr double kLunarSeriesCutoffRadians = 1e-7;
constexpr double kKilometresPerAu = ERFA_DAU / 1000;
// Half the interval of the central difference that gives the Moon's velocity for the
// osculating node, days.
constexpr double kNodeStepDays = 0.001;

constexpr double kLightTimeDaysPerAu = ERFA_AULT / ERFA_DAYSEC;

using Vector = std::array<double, 3>;

struct PlanetSource {
  void (*Heliocentric)(double, ln_helio_posn*);  // libnova, J2000 ecliptic
  int ErfaPlanet;                                // eraPlan94 numbering
  PreciseBody Body;
};

constexpr std::array<PlanetSource, 5> kPlanets = {{
    {ln_get_mercury_helio_coords, 1, PreciseBody::Mercury},
    {ln_get_venus_helio_coords, 2, PreciseBody::Venus},
    {ln_get_mars_helio_coords, 4, PreciseBody::Mars},
    {ln_get_jupiter_helio_coords, 5, PreciseBody::Jupiter},
    {ln_get_saturn_helio_coords, 6, PreciseBody::Saturn},
}};

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

Vector Minus(const Vector& a, const double b[3]) {
  return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
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

double ApparentPlanetDeg(const PlanetSource& planet, double tt, const Observer& earth,
                         const DateFrame& frame) {
  // ERFA's short theory is far better than needed for the light time; the long series is
  // then read once, at the moment the light left the planet.
  double rough[2][3];
  eraPlan94(tt, 0.0, planet.ErfaPlanet, rough);
  const Vector roughPlace = {rough[0][0], rough[0][1], rough[0][2]};
  const double lightTime = Length(Minus(roughPlace, earth.Heliocentric[0])) * kLightTimeDaysPerAu;
  ln_helio_posn h{};
  planet.Heliocentric(tt - lightTime, &h);
  const Vector heliocentric = EquatorialFromSpherical(h);
  const Vector geocentric = Minus(heliocentric, earth.Heliocentric[0]);
  return frame.LongitudeDeg(earth.ApparentDirection(geocentric, &heliocentric));
}

double ApparentSunDeg(const Observer& earth, const DateFrame& frame) {
  const Vector geocentric = {-earth.Heliocentric[0][0], -earth.Heliocentric[0][1],
                             -earth.Heliocentric[0][2]};
  return frame.LongitudeDeg(earth.ApparentDirection(geocentric, nullptr));
}

// The Moon where the light left it. The Earth's motion shifts the light time and the
// aberration by the same amount in opposite directions, so no aberration is applied.
double ApparentMoonDeg(double tt, const DateFrame& frame) {
  double rough[2][3];
  eraMoon98(tt, 0.0, rough);
  const double lightTime = eraPm(rough[0]) * kLightTimeDaysPerAu;
  return frame.LongitudeDeg(LunarPosition(tt - lightTime));
}

// The node of the orbit the Moon would keep from its present place and velocity.
double OsculatingNodeDeg(double tt, const DateFrame& frame) {
  const Vector before = LunarPosition(tt - kNodeStepDays);
  const Vector after = LunarPosition(tt + kNodeStepDays);
  Vector p{};
  Vector v{};
  for (std::size_t i = 0; i < 3; ++i) {
    p[i] = (before[i] + after[i]) / 2;
    v[i] = (after[i] - before[i]) / (2 * kNodeStepDays);
  }
  double pe[3];
  double ve[3];
  double h[3];
  const Vector pEcliptic = frame.Ecliptic(p);
  const Vector vEcliptic = frame.Ecliptic(v);
  for (std::size_t i = 0; i < 3; ++i) {
    pe[i] = pEcliptic[i];
    ve[i] = vEcliptic[i];
  }
  eraPxp(pe, ve, h);
  // The angular momentum points 90 degrees behind the ascending node.
  return turns::Normalised360((std::atan2(h[0], -h[1]) + frame.NutationRadians) * ERFA_DR2D);
}

double MeanNodeDeg(double tt, const DateFrame& frame) {
  const double centuries = (tt - ERFA_DJ00) / ERFA_DJC;
  return turns::Normalised360((eraFaom03(centuries) + frame.NutationRadians) * ERFA_DR2D);
}

// General precession in longitude since J2000, radians (IAU 2006).
double PrecessionInLongitude(double julianDayTt) {
  double eps0, psia, oma, bpa, bqa, pia, bpia, epsa, chia, za, zetaa, thetaa, pa, gam, phi, psi;
  eraP06e(julianDayTt, 0.0, &eps0, &psia, &oma, &bpa, &bqa, &pia, &bpia, &epsa, &chia, &za, &zetaa,
          &thetaa, &pa, &gam, &phi, &psi);
  return pa;
}

double NutationInLongitude(double julianDayTt) {
  double dpsi = 0;
  double deps = 0;
  eraNut00b(julianDayTt, 0.0, &dpsi, &deps);
  return dpsi;
}

// The star's direction at the date seen from the Earth, J2000 equator: its space motion,
// the parallax, then the bend by the Sun and the aberration.
double ApparentStarDeg(const Star& star, double julianDayTt, const Observer& earth,
                       const DateFrame& frame) {
  const double years = (julianDayTt - ERFA_DJ00) / ERFA_DJY;
  const double dec = star.DeclinationDeg * ERFA_DD2R;
  const double pmRa = star.ProperMotionRaMasPerYear / 1000 * ERFA_DAS2R / std::cos(dec);
  const double pmDec = star.ProperMotionDecMasPerYear / 1000 * ERFA_DAS2R;
  double earthFromBarycentre[3] = {earth.Barycentric[0][0], earth.Barycentric[0][1],
                                   earth.Barycentric[0][2]};
  double direction[3];
  eraPmpx(star.RightAscensionDeg * ERFA_DD2R, dec, pmRa, pmDec, star.ParallaxMas / 1000,
          star.RadialVelocityKmPerS, years, earthFromBarycentre, direction);
  const Vector seen = {direction[0], direction[1], direction[2]};
  return frame.LongitudeDeg(earth.ApparentDirection(seen, &seen));
}

double AyanamsaDeg(AyanamsaSystem system, double julianDayTt, const Observer& earth,
                   const DateFrame& frame) {
  if (system == AyanamsaSystem::TrueChitra) {
    return turns::Normalised360(ApparentStarDeg(kSpica, julianDayTt, earth, frame) -
                                kChitraSiderealDeg);
  }
  const EpochAyanamsa* fixed = &kEpochAyanamsas[0];
  for (const EpochAyanamsa& each : kEpochAyanamsas) {
    if (each.System == system) fixed = &each;
  }
  const double precession =
      PrecessionInLongitude(julianDayTt) - PrecessionInLongitude(fixed->EpochTt);
  return fixed->ValueDeg + (precession + frame.NutationRadians) * ERFA_DR2D;
}

DateFrame FrameAt(double julianDayTt) {
  DateFrame frame{};
  eraEcm06(julianDayTt, 0.0, frame.ToEcliptic);
  frame.NutationRadians = NutationInLongitude(julianDayTt);
  return frame;
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

double AyanamsaDeg(AyanamsaSystem system, double julianDayTt) {
  return AyanamsaDeg(system, julianDayTt, ObserverAt(julianDayTt), FrameAt(julianDayTt));
}

ApparentPlaces ComputeApparentPlaces(double julianDayUt, LunarNode node, AyanamsaSystem ayanamsa) {
  const double tt = julianDayUt + DeltaTSeconds(julianDayUt) / ERFA_DAYSEC;
  const DateFrame frame = FrameAt(tt);
  const Observer earth = ObserverAt(tt);

  ApparentPlaces places;
  auto& l = places.LongitudesDeg;
  l[static_cast<std::size_t>(PreciseBody::Sun)] = ApparentSunDeg(earth, frame);
  l[static_cast<std::size_t>(PreciseBody::Moon)] = ApparentMoonDeg(tt, frame);
  for (const PlanetSource& planet : kPlanets) {
    l[static_cast<std::size_t>(planet.Body)] = ApparentPlanetDeg(planet, tt, earth, frame);
  }
  places.NodeLongitudeDeg =
      node == LunarNode::True ? OsculatingNodeDeg(tt, frame) : MeanNodeDeg(tt, frame);
  places.AyanamsaDeg = AyanamsaDeg(ayanamsa, tt, earth, frame);
  return places;
}

}  // namespace velmora
