#include "text_table.h"

#include <QFile>

namespace velmora {
namespace {

std::string_view Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

}  // namespace

ParsedTexts ParseTextRecords(std::string_view text) {
  ParsedTexts parsed;
  TextRecord* current = nullptr;
  bool blankInside = false;
  int lineNumber = 0;
  std::size_t at = 0;
  while (at <= text.size()) {
    const auto end = text.find('\n', at);
    const std::string_view line =
        Trim(text.substr(at, end == std::string_view::npos ? end : end - at));
    ++lineNumber;
    at = end == std::string_view::npos ? text.size() + 1 : end + 1;

    if (!line.empty() && line.front() == '#') continue;
    if (line.empty()) {
      if (current && !current->Paragraph.empty()) blankInside = true;
      continue;
    }
    if (line.front() == '[') {
      const auto bar = line.find('|');
      if (line.back() != ']' || bar == std::string_view::npos) {
        parsed.Errors.push_back("line " + std::to_string(lineNumber) +
                                ": a header is written [Subject | field]");
        current = nullptr;
        continue;
      }
      parsed.Records.push_back({std::string(Trim(line.substr(1, bar - 1))),
                                std::string(Trim(line.substr(bar + 1, line.size() - bar - 2))),
                                {},
                                lineNumber});
      current = &parsed.Records.back();
      blankInside = false;
      continue;
    }
    if (!current) {
      parsed.Errors.push_back("line " + std::to_string(lineNumber) + ": text before any header");
      continue;
    }
    if (blankInside) {
      parsed.Errors.push_back("line " + std::to_string(lineNumber) + ": blank line inside [" +
                              current->Subject + " | " + current->Field + "]");
      blankInside = false;
    }
    if (!current->Paragraph.empty()) current->Paragraph += ' ';
    current->Paragraph += line;
  }
  return parsed;
}

TextTable::TextTable(const ParsedTexts& parsed) {
  for (const TextRecord& r : parsed.Records) {
    texts_[{r.Subject, r.Field}] = QString::fromStdString(r.Paragraph);
  }
}

QString TextTable::Text(std::string_view subject, std::string_view field) const {
  const auto it = texts_.find(std::pair<std::string, std::string>(subject, field));
  return it == texts_.end() ? QString() : it->second;
}

bool TextTable::Contains(std::string_view subject, std::string_view field) const {
  return texts_.count(std::pair<std::string, std::string>(subject, field)) != 0;
}

ParsedTexts ReadTextResource(const QString& name) {
  QFile file(QStringLiteral(":/texts/") + name);
  if (!file.open(QIODevice::ReadOnly)) {
    ParsedTexts missing;
    missing.Errors.push_back("resource " + name.toStdString() + " is missing");
    return missing;
  }
  const QByteArray bytes = file.readAll();
  return ParseTextRecords(
      std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

const TextTable& PlanetsInSignsTexts() {
  static const TextTable table(ReadTextResource(QStringLiteral("planets_in_signs.txt")));
  return table;
}

const TextTable& NakshatraTexts() {
  static const TextTable table(ReadTextResource(QStringLiteral("nakshatras.txt")));
  return table;
}

const TextTable& SignTexts() {
  static const TextTable table(ReadTextResource(QStringLiteral("signs.txt")));
  return table;
}

const TextTable& TropicalSignTexts() {
  static const TextTable table(ReadTextResource(QStringLiteral("tropical_signs.txt")));
  return table;
}

const TextTable& AboutTexts() {
  static const TextTable table(ReadTextResource(QStringLiteral("about.txt")));
  return table;
}

}  // namespace velmora
