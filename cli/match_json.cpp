#include "match_json.h"

#include "engine/jyotish/zodiac.h"

namespace velmora {
namespace {

constexpr std::array<std::string_view, 3> kReferenceKeys{"lagna", "moon", "venus"};

void WriteTara(JsonWriter& json, const TaraCount& tara) {
  json.BeginObject();
  json.Key("count");
  json.Integer(tara.Count);
  json.Key("tara");
  json.String(tara.Name);
  json.Key("auspicious");
  json.Boolean(tara.Auspicious);
  json.EndObject();
}

void WritePerson(JsonWriter& json, const ChartRecord& c, const ManglikResult& manglik) {
  json.BeginObject();
  json.Key("name");
  json.String(c.BirthName);
  json.Key("nakshatra");
  json.String(c.MoonNakshatra);
  json.Key("rashi");
  json.String(c.MoonSignName);
  json.Key("moonLongitude");
  json.Number(c.Longitudes[kMoonRow]);
  json.Key("manglik");
  WriteManglik(json, manglik);
  json.EndObject();
}

}  // namespace

void WriteManglik(JsonWriter& json, const ManglikResult& m) {
  json.BeginObject();
  json.Key("marsSign");
  json.String(kEnglishSignNames[static_cast<std::size_t>(m.MarsSign)]);
  for (std::size_t i = 0; i < m.From.size(); ++i) {
    json.Key(kReferenceKeys[i]);
    json.BeginObject();
    json.Key("marsHouse");
    json.Integer(m.From[i].MarsHouse);
    json.Key("dosha");
    json.Boolean(m.From[i].Dosha);
    json.Key("excused");
    json.Boolean(m.From[i].ExcusedByPlacement);
    json.EndObject();
  }
  json.Key("dosha");
  json.Boolean(m.HasDosha());
  json.Key("cancellations");
  json.BeginArray();
  for (int k = 0; k < kManglikCancellationKinds; ++k) {
    if (m.Cancellations[static_cast<std::size_t>(k)])
      json.String(CancellationText(m, static_cast<ManglikCancellation>(k)));
  }
  json.EndArray();
  json.Key("cancelled");
  json.Boolean(m.Cancelled());
  json.Key("manglik");
  json.Boolean(m.IsManglik());
  json.Key("summary");
  json.String(ManglikSummary(m));
  json.EndObject();
}

void WriteMatch(JsonWriter& json, const ChartRecord& groom, const ChartRecord& bride,
                const KundliMatch& match) {
  const AshtakootaMatch& a = match.Ashtakoota;
  json.BeginObject();
  json.Key("groom");
  WritePerson(json, groom, match.GroomManglik);
  json.Key("bride");
  WritePerson(json, bride, match.BrideManglik);
  json.Key("kootas");
  json.BeginArray();
  for (std::size_t k = 0; k < kKootas.size(); ++k) {
    json.BeginObject();
    json.Key("koota");
    json.String(kKootas[k].Name);
    json.Key("points");
    json.Number(a.Kootas[k].Points);
    json.Key("maxPoints");
    json.Number(kKootas[k].MaxPoints);
    json.Key("groom");
    json.String(a.Kootas[k].Groom);
    json.Key("bride");
    json.String(a.Kootas[k].Bride);
    json.EndObject();
  }
  json.EndArray();
  json.Key("tara");
  json.BeginObject();
  json.Key("fromBride");
  WriteTara(json, a.TaraFromBride);
  json.Key("fromGroom");
  WriteTara(json, a.TaraFromGroom);
  json.EndObject();
  json.Key("bhakootFromBride");
  json.Integer(a.BhakootFromBride);
  json.Key("total");
  json.Number(a.Total);
  json.Key("maxPoints");
  json.Number(kAshtakootaMaxPoints);
  json.Key("rating");
  json.String(MatchRating(a.Total));
  json.Key("manglikPairing");
  json.String(ManglikPairing(match.GroomManglik, match.BrideManglik));
  json.Key("verdict");
  json.String(MatchVerdict(match));
  json.EndObject();
}

}  // namespace velmora
