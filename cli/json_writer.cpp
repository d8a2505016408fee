#include "json_writer.h"

#include "engine/astronomy/calendar_time.h"
#include "engine/astronomy/turns.h"
#include "engine/jyotish/ayanamsa.h"
#include "engine/jyotish/ashtakavarga.h"
#include "engine/jyotish/dasha.h"
#include "engine/jyotish/divisional.h"
#include "engine/jyotish/panchanga.h"
#include "engine/jyotish/planet_status.h"
#include "engine/jyotish/zodiac.h"
#include "terminal_text.h"

#include <array>
#include <charconv>
#include <cstdio>

namespace velmora {

void JsonWriter::Indent() {
  out_ += '\n';
  out_.append(2 * hasItems_.size(), ' ');
}

void JsonWriter::BeforeValue() {
  if (afterKey_) {
    afterKey_ = false;
    return;
  }
  if (hasItems_.empty()) return;
  if (hasItems_.back()) out_ += ',';
  hasItems_.back() = true;
  Indent();
}

void JsonWriter::BeginObject() {
  BeforeValue();
  out_ += '{';
  hasItems_.push_back(false);
}

void JsonWriter::Close(char bracket) {
  const bool items = hasItems_.back();
  hasItems_.pop_back();
  if (items) Indent();
  out_ += bracket;
}

void JsonWriter::EndObject() {
  Close('}');
}

void JsonWriter::BeginArray() {
  BeforeValue();
  out_ += '[';
  hasItems_.push_back(false);
}

void JsonWriter::EndArray() {
  Close(']');
}

void JsonWriter::Key(std::string_view key) {
  BeforeValue();
  WriteQuoted(key);
  out_ += ": ";
  afterKey_ = true;
}

void JsonWriter::String(std::string_view value) {
  BeforeValue();
  WriteQuoted(value);
}

// Always a valid JSON string of valid UTF-8, whatever the bytes: a name from a command line
// or an old file may be in another encoding, and one stray byte would make the whole
// document unreadable. Such a byte becomes U+FFFD; controls, DEL and C1 are escaped so that
// the document is also safe to print on a terminal.
void JsonWriter::WriteQuoted(std::string_view value) {
  out_ += '"';
  for (std::size_t at = 0; at < value.size();) {
    const std::size_t from = at;
    const std::optional<char32_t> c = NextUtf8CodePoint(value, at);
    if (!c) {
      out_ += "\\ufffd";
    } else if (*c == '"') {
      out_ += "\\\"";
    } else if (*c == '\\') {
      out_ += "\\\\";
    } else if (*c == '\n') {
      out_ += "\\n";
    } else if (*c == '\r') {
      out_ += "\\r";
    } else if (*c == '\t') {
      out_ += "\\t";
    } else if (IsControlCharacter(*c)) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(*c));
      out_ += buf;
    } else {
      out_.append(value.substr(from, at - from));
    }
  }
  out_ += '"';
}

void JsonWriter::OptionalString(const std::optional<std::string_view>& value) {
  if (value) {
    String(*value);
  } else {
    Null();
  }
}

void JsonWriter::Integer(long long value) {
  BeforeValue();
  out_ += std::to_string(value);
}

void JsonWriter::Number(double value) {
  BeforeValue();
  // The shortest text that reads back as exactly this double.
  std::array<char, 32> buf{};
  const auto [end, ec] = std::to_chars(buf.data(), buf.data() + buf.size(), value);
  out_.append(buf.data(), end);
}

void JsonWriter::Boolean(bool value) {
  BeforeValue();
  out_ += value ? "true" : "false";
}

void JsonWriter::Null() {
  BeforeValue();
  out_ += "null";
}

namespace {

struct FieldWriter {
  JsonWriter& json;
  void operator()(const char* name, const std::string& v) {
    json.Key(name);
    json.String(v);
  }
  void operator()(const char* name, std::int16_t v) {
    json.Key(name);
    json.Integer(v);
  }
  void operator()(const char* name, std::int32_t v) {
    json.Key(name);
    json.Integer(v);
  }
  void operator()(const char* name, double v) {
    json.Key(name);
    json.Number(IsAngle(name) ? turns::Normalised360(v) : v);
  }
  // The record keeps the two angles as the formulas leave them (an ascendant at 17° Pisces
  // may read -12.47); the texts are cut from them that way. Scripts want 0 to 360.
  static bool IsAngle(std::string_view name) { return name == "Ascendant" || name == "Midheaven"; }
  void operator()(const char* name, bool v) {
    json.Key(name);
    json.Boolean(v);
  }
  void operator()(const char* name, ZoneDirection v) {
    json.Key(name);
    json.String(v == ZoneDirection::East   ? "East"
                : v == ZoneDirection::West ? "West"
                                           : "FromLongitude");
  }
  template <std::size_t N>
  void operator()(const char* name, const std::array<std::string, N>& v) {
    json.Key(name);
    json.BeginArray();
    for (const std::string& s : v) json.String(s);
    json.EndArray();
  }
};

}  // namespace

void WriteChartRecord(JsonWriter& json, const ChartRecord& record) {
  json.BeginObject();
  VisitChartFields(record, FieldWriter{json});
  if (record.Positions == PositionSource::Precise) {
    json.Key("Positions");
    json.String("Precise");
    json.Key("Ayanamsa");
    json.String(AyanamsaName(record.Ayanamsa));
    json.Key("Node");
    json.String(record.Node == LunarNode::True ? "True" : "Mean");
  }
  json.EndObject();
}

namespace {

void WriteLongitudesOf(JsonWriter& json, const ChartRecord& record) {
  json.BeginObject();
  for (std::size_t row = 0; row < kLongitudeRows; ++row) {
    json.Key(kLongitudeNames[row]);
    json.Number(record.Longitudes[row]);
  }
  json.EndObject();
}

void WritePeriod(JsonWriter& json, const ChartRecord& sidereal, const DashaPeriod& period) {
  json.Key("lord");
  json.String(kDashaLords[static_cast<std::size_t>(period.LordIndex)].Name);
  json.Key("start");
  json.String(IsoDate(DateFromBirth(sidereal, period.StartDaysFromBirth)));
  json.Key("end");
  json.String(IsoDate(DateFromBirth(sidereal, period.EndDaysFromBirth)));
}

}  // namespace

void WriteLongitudes(JsonWriter& json, const ChartRecord& sidereal, const ChartRecord& tropical) {
  json.BeginObject();
  json.Key("sidereal");
  WriteLongitudesOf(json, sidereal);
  json.Key("tropical");
  WriteLongitudesOf(json, tropical);
  json.EndObject();
}

void WriteDivisional(JsonWriter& json, const ChartRecord& sidereal) {
  json.BeginObject();
  for (const DivisionInfo& division : kDivisions) {
    json.Key(division.Key);
    json.BeginObject();
    const auto signs = DivisionalSigns(division.Division, sidereal);
    for (std::size_t row = 0; row < kLongitudeRows; ++row) {
      json.Key(kLongitudeNames[row]);
      json.String(kEnglishSignNames[static_cast<std::size_t>(signs[row])]);
    }
    json.EndObject();
  }
  json.EndObject();
}

void WriteDasha(JsonWriter& json, const ChartRecord& sidereal) {
  json.BeginArray();
  for (const Mahadasha& mahadasha : VimshottariDashas(sidereal)) {
    json.BeginObject();
    WritePeriod(json, sidereal, mahadasha.Period);
    json.Key("antardashas");
    json.BeginArray();
    for (std::size_t j = 0; j < mahadasha.Antardashas.size(); ++j) {
      json.BeginObject();
      WritePeriod(json, sidereal, mahadasha.Antardashas[j]);
      json.Key("pratyantardashas");
      json.BeginArray();
      for (const DashaPeriod& pratyantardasha : mahadasha.Pratyantardashas[j]) {
        json.BeginObject();
        WritePeriod(json, sidereal, pratyantardasha);
        json.EndObject();
      }
      json.EndArray();
      json.EndObject();
    }
    json.EndArray();
    json.EndObject();
  }
  json.EndArray();
}

void WriteDashaBalance(JsonWriter& json, const ChartRecord& sidereal) {
  const DashaBalance balance = VimshottariBalance(sidereal);
  json.BeginObject();
  json.Key("lord");
  json.String(kDashaLords[static_cast<std::size_t>(balance.LordIndex)].Name);
  json.Key("years");
  json.Integer(balance.Years);
  json.Key("months");
  json.Integer(balance.Months);
  json.Key("days");
  json.Integer(balance.Days);
  json.EndObject();
}

namespace {

void NumberedName(JsonWriter& json, std::string_view key, int number, std::string_view name) {
  json.Key(key);
  json.BeginObject();
  json.Key("number");
  json.Integer(number);
  json.Key("name");
  json.String(name);
  json.EndObject();
}

void ClockOrNull(JsonWriter& json, std::string_view key, const std::optional<double>& hours) {
  json.Key(key);
  if (hours) {
    json.String(ClockText(*hours));
  } else {
    json.Null();
  }
}

void SignCountArray(JsonWriter& json, const SignCounts& counts) {
  json.BeginArray();
  for (int count : counts) json.Integer(count);
  json.EndArray();
}

}  // namespace

void WritePanchanga(JsonWriter& json, const ChartRecord& sidereal) {
  const Panchanga p = ComputePanchanga(sidereal);
  json.BeginObject();
  json.Key("tithi");
  json.BeginObject();
  json.Key("number");
  json.Integer(p.Tithi);
  json.Key("name");
  json.String(p.TithiName);
  json.Key("paksha");
  json.String(p.Paksha);
  json.EndObject();
  json.Key("vara");
  json.BeginObject();
  json.Key("name");
  json.String(kVaraNames[static_cast<std::size_t>(p.Vara)]);
  json.Key("weekday");
  json.String(kWeekdayNames[static_cast<std::size_t>(p.Vara)]);
  json.Key("bornBeforeSunrise");
  json.Boolean(p.BeforeSunrise);
  json.EndObject();
  json.Key("nakshatra");
  json.BeginObject();
  json.Key("number");
  json.Integer(p.Nakshatra + 1);
  json.Key("name");
  json.String(kNakshatraNames[static_cast<std::size_t>(p.Nakshatra)]);
  json.Key("pada");
  json.Integer(p.Pada);
  json.EndObject();
  NumberedName(json, "yoga", p.Yoga + 1, kYogaNames[static_cast<std::size_t>(p.Yoga)]);
  NumberedName(json, "karana", p.Karana + 1, p.KaranaName);
  ClockOrNull(json, "sunrise", p.Sun.RiseLocalHours);
  ClockOrNull(json, "sunset", p.Sun.SetLocalHours);
  json.Key("sunAboveHorizonAllDay");
  json.Boolean(p.Sun.AboveAllDay);
  json.Key("sunBelowHorizonAllDay");
  json.Boolean(p.Sun.BelowAllDay);
  json.EndObject();
}

void WriteAshtakavarga(JsonWriter& json, const ChartRecord& sidereal) {
  const Ashtakavarga a = ComputeAshtakavarga(sidereal);
  json.BeginObject();
  json.Key("bhinnashtakavarga");
  json.BeginObject();
  for (std::size_t p = 0; p < a.Bhinna.size(); ++p) {
    const Bhinnashtakavarga& table = a.Bhinna[p];
    json.Key(kAshtakavargaNames[p]);
    json.BeginObject();
    json.Key("bindus");
    SignCountArray(json, table.Bindus);
    json.Key("total");
    json.Integer(table.Total);
    json.Key("givers");
    json.BeginObject();
    for (std::size_t g = 0; g < table.Givers.size(); ++g) {
      json.Key(kAshtakavargaNames[g]);
      SignCountArray(json, table.Givers[g]);
    }
    json.EndObject();
    json.EndObject();
  }
  json.EndObject();
  json.Key("sarvashtakavarga");
  json.BeginObject();
  json.Key("bindus");
  SignCountArray(json, a.Sarva);
  json.Key("total");
  json.Integer(a.SarvaTotal);
  json.EndObject();
  json.EndObject();
}

void WritePlanetStatus(JsonWriter& json, const ChartRecord& sidereal) {
  const auto statuses = PlanetStatuses(sidereal);
  json.BeginObject();
  for (std::size_t row = 0; row < statuses.size(); ++row) {
    const PlanetStatus& s = statuses[row];
    json.Key(kLongitudeNames[row]);
    json.BeginObject();
    json.Key("dignity");
    const std::string_view dignity = DignityKey(s.SignDignity);
    json.OptionalString(dignity.empty() ? std::nullopt : std::optional<std::string_view>(dignity));
    json.Key("retrograde");
    if (s.Retrograde) {
      json.Boolean(*s.Retrograde);
    } else {
      json.Null();
    }
    json.Key("combust");
    json.Boolean(s.Combust);
    json.Key("distanceFromSun");
    json.Number(s.DistanceFromSunDeg);
    json.EndObject();
  }
  json.EndObject();
}

void WritePlace(JsonWriter& json, const ChartRecord& c) {
  json.BeginObject();
  json.Key("city");
  json.String(c.BirthCity);
  json.Key("state");
  json.String(c.BirthState);
  json.Key("country");
  json.String(c.BirthCountry);
  json.Key("latitude");
  json.Number(c.Latitude);
  json.Key("longitude");
  json.Number(c.Longitude == 0 ? 0.0 : -c.Longitude);  // the record counts west positive
  json.Key("timeZone");
  json.OptionalString(c.TimeZoneName.empty() ? std::nullopt
                                             : std::optional<std::string_view>(c.TimeZoneName));
  json.Key("utcOffsetMinutes");
  json.Integer(UtcOffsetMinutesOf(c));
  json.Key("daylightSaving");
  json.Boolean(c.IsDaylightSaving);
  json.EndObject();
}

}  // namespace velmora
