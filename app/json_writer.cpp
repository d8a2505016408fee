#include "json_writer.h"

#include "engine/turns.h"

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

void JsonWriter::WriteQuoted(std::string_view value) {
  out_ += '"';
  for (char ch : value) {
    switch (ch) {
      case '"':
        out_ += "\\\"";
        break;
      case '\\':
        out_ += "\\\\";
        break;
      case '\n':
        out_ += "\\n";
        break;
      case '\r':
        out_ += "\\r";
        break;
      case '\t':
        out_ += "\\t";
        break;
      default:
        if (static_cast<unsigned char>(ch) < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(ch));
          out_ += buf;
        } else {
          out_ += ch;
        }
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
    json.String("Lahiri");
    json.Key("Node");
    json.String(record.Node == LunarNode::True ? "True" : "Mean");
  }
  json.EndObject();
}

}  // namespace velmora
