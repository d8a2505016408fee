// The authored texts: records "[Subject | field]" followed by a paragraph, one file per table
// (see data/texts/README.md), built into the program and read once.
#pragma once

#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora {

struct TextRecord {
  std::string Subject;
  std::string Field;
  std::string Paragraph;  // the record's lines, trimmed and joined with single spaces
  int Line = 0;           // line number of the header, for messages
};

struct ParsedTexts {
  std::vector<TextRecord> Records;
  std::vector<std::string> Errors;  // "line N: ..." for anything that breaks the format
};

// Parses one file's text. Never throws; malformed lines are reported in Errors.
ParsedTexts ParseTextRecords(std::string_view text);

class TextTable {
 public:
  TextTable() = default;
  explicit TextTable(const ParsedTexts& parsed);

  // The paragraph of (subject, field), or an empty text when there is none.
  QString Text(std::string_view subject, std::string_view field) const;
  bool Contains(std::string_view subject, std::string_view field) const;
  std::size_t Size() const { return texts_.size(); }

 private:
  std::map<std::pair<std::string, std::string>, QString, std::less<>> texts_;
};

// Reads a table from the program's resources (":/texts/<name>").
ParsedTexts ReadTextResource(const QString& name);

// The tables, each parsed the first time it is asked for and kept for the run.
const TextTable& PlanetsInSignsTexts();
const TextTable& NakshatraTexts();
const TextTable& SignTexts();
// The Western chart's Sun, Moon and ascendant signs: subjects "Sun", "Moon", "Ascendant",
// fields the twelve English sign names.
const TextTable& TropicalSignTexts();
const TextTable& AboutTexts();

}  // namespace velmora
