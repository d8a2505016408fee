#include "western_json.h"

#include "engine/jyotish/zodiac.h"

namespace velmora {

void WriteWesternPoints(JsonWriter& json, const WesternChart& chart) {
  json.BeginArray();
  for (int i = 0; i < kWesternPoints; ++i) {
    const PointPlace& p = chart.Points[static_cast<std::size_t>(i)];
    json.BeginObject();
    json.Key("name");
    json.String(NameOf(static_cast<WesternPoint>(i)));
    json.Key("longitude");
    json.Number(p.LongitudeDeg);
    json.Key("sign");
    json.String(kEnglishSignNames[static_cast<std::size_t>(p.Sign)]);
    json.Key("house");
    json.Integer(p.House);
    json.Key("speed");
    json.Number(p.SpeedDegPerDay);
    json.Key("retrograde");
    json.Boolean(p.Retrograde);
    json.EndObject();
  }
  json.EndArray();
}

void WriteWesternHouses(JsonWriter& json, const WesternChart& chart) {
  json.BeginObject();
  json.Key("system");
  json.String(HouseSystemName(chart.Houses.Requested));
  json.Key("cusps");
  json.BeginArray();
  for (double cusp : chart.Houses.CuspsDeg) json.Number(cusp);
  json.EndArray();
  json.Key("fallback");
  if (chart.Houses.PolarFallback()) {
    json.String(HouseSystemName(chart.Houses.Used));
  } else {
    json.Null();
  }
  json.EndObject();
}

void WriteWesternAspects(JsonWriter& json, const WesternChart& chart) {
  json.BeginArray();
  for (const Aspect& a : chart.Aspects) {
    json.BeginObject();
    json.Key("p1");
    json.String(NameOf(chart.AspectPoints[static_cast<std::size_t>(a.First)]));
    json.Key("p2");
    json.String(NameOf(chart.AspectPoints[static_cast<std::size_t>(a.Second)]));
    json.Key("kind");
    json.String(DefinitionOf(a.Kind).Name);
    json.Key("orb");
    json.Number(a.OrbDeg);
    json.Key("applying");
    json.Boolean(a.Applying);
    json.EndObject();
  }
  json.EndArray();
}

}  // namespace velmora
