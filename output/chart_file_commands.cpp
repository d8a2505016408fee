#include "chart_file_commands.h"

#include <QFile>
#include <array>
#include <variant>

#include "atomic_file.h"
#include "chart_file_reader.h"
#include "display/main_window.h"
#include "engine/chart_file.h"
#include "file_access.h"
#include "input/birth_form.h"
#include "output_messages.h"
#include "ui/platform.h"
#include "velmora/version.h"

namespace velmora {
namespace {

// What each line of the file holds, as the refusal of an unstorable character names it.
constexpr std::array<const char*, kChartFileLines> kFieldNames = {"Name",
                                                                  "day of birth",
                                                                  "month of birth",
                                                                  "year of birth",
                                                                  "hour of birth",
                                                                  "minute of birth",
                                                                  "Latitude degrees",
                                                                  "Latitude minutes",
                                                                  "Latitude direction",
                                                                  "Longitude degrees",
                                                                  "Longitude minutes",
                                                                  "Longitude direction",
                                                                  "City",
                                                                  "State",
                                                                  "Country"};

FileDialogRequest OpenRequest(const QString& initialPath) {
  FileDialogRequest request;
  request.Title = QStringLiteral("Select the source file ");
  request.Filter = QStringLiteral("Orvanta (*.vmx)");
  request.DefaultSuffix = QStringLiteral("vmx");
  request.InitialPath = initialPath;
  request.MustExist = true;
  return request;
}

FileDialogRequest SaveAsRequest(const QString& initialPath) {
  FileDialogRequest request;
  request.Title = QString::fromUtf8(kApplicationTitle);
  request.Filter = QStringLiteral("Senvali (*.vmx)");
  request.DefaultSuffix = QStringLiteral("vmx");
  request.InitialPath = initialPath;
  request.ConfirmOverwrite = true;
  return request;
}

QString CharacterName(char32_t codePoint) {
  const QString hex = QString::number(static_cast<uint>(codePoint), 16).toUpper();
  return QStringLiteral("\"%1\" (U+%2)")
      .arg(QString::fromUcs4(&codePoint, 1), hex.rightJustified(4, QLatin1Char('0')));
}

// The file's bytes for what the form shows; none, after telling the user, when a text holds
// a character the file cannot store: leaving it out would lose it without a word.
std::optional<QByteArray> ChartFileBytes(Platform& platform, const BirthForm& form,
                                         MainWindow& main) {
  const auto file = EncodeChartFile(ChartFileFieldsOf(form.Data()));
  if (const auto* bad = std::get_if<UnstorableCharacter>(&file)) {
    const char* field = kFieldNames[static_cast<std::size_t>(bad->Line - 1)];
    ShowOutputMessage(platform, &main,
                      QStringLiteral("The chart was not saved: the %1 holds the character %2, "
                                     "which a chart file cannot store.")
                          .arg(QString::fromUtf8(field), CharacterName(bad->CodePoint)),
                      MessageIcon::Information);
    return std::nullopt;
  }
  const auto& bytes = std::get<std::string>(file);
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

bool WriteChartFile(Platform& platform, MainWindow& main, const QString& path,
                    const QByteArray& bytes) {
  if (const auto reason = WriteFileAtomically(path, bytes)) {
    ShowOutputMessage(
        platform, &main,
        QStringLiteral("The chart could not be saved to %1: %2.").arg(QuotedPath(path), *reason));
    return false;
  }
  return true;
}

ChartFileLineLimits LineLimitsOf(const BirthForm& form) {
  auto limit = [](const QLineEdit* box) { return static_cast<std::size_t>(box->maxLength()); };
  return {limit(form.txtName),
          0,
          0,
          0,
          0,
          0,
          limit(form.txtLatDeg),
          limit(form.txtLatMin),
          0,
          limit(form.txtLonDeg),
          limit(form.txtLonMin),
          0,
          limit(form.txtCity),
          limit(form.txtState),
          limit(form.txtCountry)};
}

// Every birth field of a chart, joined: two charts of the same birth give the same text.
std::string BirthOf(const ChartRecord& c) {
  std::string birth = c.BirthName;
  for (const std::string* text : {&c.BirthCity, &c.BirthState, &c.BirthCountry}) {
    birth += '\x1f';
    birth += *text;
  }
  for (int number :
       {int(c.BirthDay), int(c.BirthMonth), int(c.BirthYear), int(c.BirthHour), int(c.BirthMinute),
        int(c.ZoneHours), int(c.ZoneMinutes), int(c.ZoneSide), int(c.LongitudeDegrees),
        int(c.LongitudeMinutes), int(c.LatitudeDegrees), int(c.LatitudeMinutes),
        int(c.IsEastLongitude), int(c.IsSouthLatitude), int(c.IsDaylightSaving)}) {
    birth += '\x1f';
    birth += std::to_string(number);
  }
  return birth;
}

}  // namespace

void OpenChartFile(Platform& platform, BirthForm& form, MainWindow& main, RememberedPaths& paths) {
  const auto chosen = platform.ChooseOpenPath(&main, OpenRequest(paths.ChartFilePath));
  if (!chosen) return;
  paths.ChartFilePath = *chosen;
  if (chosen->isEmpty()) return;

  // Only as much as a chart file can hold, and never from a pipe or a device: either could
  // keep the window waiting or fill the memory.
  const auto start = ReadFileStart(QFile::encodeName(*chosen).toStdString(), kChartFileReadLimit);
  if (const auto* reason = std::get_if<std::string>(&start)) {
    ShowOutputMessage(platform, &main,
                      QStringLiteral("The chart file %1 could not be read: %2.")
                          .arg(QuotedPath(*chosen), QString::fromStdString(*reason)));
    return;
  }
  const FileStart& bytes = std::get<FileStart>(start);
  // The whole file is checked before anything changes, so that a file that cannot fill the
  // form leaves neither a half-filled form nor a chart of the previous birth's date.
  const auto entry = ReadChartFile(bytes.Bytes, bytes.Whole, LineLimitsOf(form));
  if (const auto* why = std::get_if<std::string>(&entry)) {
    ShowOutputMessage(platform, &main,
                      QStringLiteral("The chart file %1 cannot be opened: %2.")
                          .arg(QuotedPath(*chosen), QString::fromStdString(*why)));
    return;
  }
  BlankChartWindow(main.chartWindow());
  form.ShowEntries(std::get<BirthFormData>(entry));
  // The time zone and daylight saving stay as the form shows them: the file has neither.
  form.cmdCalculate->click();
}

void SaveChartFile(Platform& platform, const BirthForm& form, const ChartRecord& sidereal,
                   MainWindow& main, RememberedPaths& paths) {
  if (paths.SavedChartPath.isEmpty() || paths.SavedChartBirth != BirthOf(sidereal)) {
    SaveChartFileAs(platform, form, sidereal, main, paths);
    return;
  }
  // The file last written, not the path last chosen: a failed Open must not redirect Save
  // onto the file that could not be read.
  if (const auto bytes = ChartFileBytes(platform, form, main)) {
    WriteChartFile(platform, main, paths.SavedChartPath, *bytes);
  }
}

void SaveChartFileAs(Platform& platform, const BirthForm& form, const ChartRecord& sidereal,
                     MainWindow& main, RememberedPaths& paths) {
  // Checked before the dialog: a file that cannot be written is not worth choosing a name.
  const auto bytes = ChartFileBytes(platform, form, main);
  if (!bytes) return;
  const auto chosen = platform.ChooseSavePath(&main, SaveAsRequest(paths.ChartFilePath));
  if (!chosen || chosen->isEmpty()) return;
  paths.ChartFilePath = *chosen;
  if (WriteChartFile(platform, main, *chosen, *bytes)) {
    paths.SavedChartPath = *chosen;
    paths.SavedChartBirth = BirthOf(sidereal);
  }
}

void BlankChartWindow(ChartWindow& window) {
  for (std::size_t row = 0; row < 10; ++row) window.Planet[row]->clear();
  for (int sign = 0; sign < 12; ++sign) {
    for (ChartStyle style : {ChartStyle::South, ChartStyle::North, ChartStyle::East}) {
      window.Drawing(style)->SetCellText(sign, QString());
    }
  }
  for (QLabel* label : {window.lblAyanamsha, window.lblLagna, window.lblNakshatra, window.lblRashi,
                        window.lblPada, window.lblLord}) {
    label->clear();
  }
}

}  // namespace velmora
