#include "chart_file_commands.h"

#include <QFile>
#include <array>
#include <variant>

#include "atomic_file.h"
#include "chart_file_reader.h"
#include "display/main_window.h"
#include "engine/files/chart_file.h"
#include "engine/files/json_chart_file.h"
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

// .vmj keeps every character and the time zone, so it is offered first; .vmx stays for the
// files older versions read.
const QString kJsonFilter = QStringLiteral("Velmora chart (*.vmj)");
const QString kVmxFilter = QStringLiteral("Senvali (*.vmx)");

FileDialogRequest OpenRequest(const QString& initialPath) {
  FileDialogRequest request;
  request.Title = QStringLiteral("Select the source file ");
  request.Filter = QStringLiteral(
      "Velmora charts (*.vmj *.vmx);;Velmora chart (*.vmj);;"
      "Orvanta (*.vmx)");
  request.DefaultSuffix = QStringLiteral("vmx");
  request.InitialPath = initialPath;
  request.MustExist = true;
  return request;
}

FileDialogRequest SaveAsRequest(const QString& initialPath) {
  FileDialogRequest request;
  request.Title = QString::fromUtf8(kApplicationTitle);
  request.Filter = kJsonFilter + QStringLiteral(";;") + kVmxFilter;
  request.DefaultSuffix = QStringLiteral("vmj");
  request.InitialPath = initialPath;
  request.ConfirmOverwrite = true;
  return request;
}

QString CharacterName(char32_t codePoint) {
  const QString hex = QString::number(static_cast<uint>(codePoint), 16).toUpper();
  return QStringLiteral("\"%1\" (U+%2)")
      .arg(QString::fromUcs4(&codePoint, 1), hex.rightJustified(4, QLatin1Char('0')));
}

QString WithSuffix(const QString& path, const QString& suffix) {
  const int dot = path.lastIndexOf(QLatin1Char('.'));
  const int slash = path.lastIndexOf(QLatin1Char('/'));
  return (dot > slash ? path.left(dot) : path) + QLatin1Char('.') + suffix;
}

QByteArray Bytes(const std::string& bytes) {
  return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// The file's bytes for what the form shows, in the kind of file the path names: .vmx by
// its extension, .vmj for any other name. A .vmx file cannot hold every character; then
// the user learns which, and none are returned.
struct FileBytes {
  std::optional<QByteArray> Bytes;
  QString Refusal;  // why there are none
};
FileBytes ChartFileBytes(const BirthForm& form, const QString& path) {
  const BirthFormData entry = form.Data();
  if (!IsVmxChartFilePath(path.toStdString())) {
    const auto file = JsonChartFileBytes(entry);
    if (const auto* problem = std::get_if<ChartFileProblem>(&file)) {
      return {std::nullopt, QStringLiteral("The chart was not saved: %1")
                                .arg(QString::fromStdString(problem->Reason))};
    }
    return {Bytes(std::get<std::string>(file)), {}};
  }
  const auto file = EncodeChartFile(ChartFileFieldsOf(entry));
  if (const auto* bad = std::get_if<UnstorableCharacter>(&file)) {
    const char* field = kFieldNames[static_cast<std::size_t>(bad->Line - 1)];
    return {std::nullopt,
            QStringLiteral("The chart was not saved as %1: the %2 holds the character %3, "
                           "which a .vmx chart file cannot store. A .vmj chart file keeps "
                           "every character: choose where to save it.")
                .arg(QuotedPath(path), QString::fromUtf8(field), CharacterName(bad->CodePoint))};
  }
  return {Bytes(std::get<std::string>(file)), {}};
}

bool WriteChartFile(Platform& platform, QWidget* parent, const QString& path,
                    const QByteArray& bytes) {
  if (const auto reason = WriteFileAtomically(path, bytes)) {
    ShowOutputMessage(
        platform, parent,
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

QString OpenRefusal(const QString& path, const ChartFileProblem& problem) {
  QString text = QStringLiteral("The chart file %1 cannot be opened.\n\n%2")
                     .arg(QuotedPath(path), QString::fromStdString(problem.Reason));
  if (!problem.Detail.empty()) text += QLatin1Char(' ') + QString::fromStdString(problem.Detail);
  return text;
}

// Every birth field of a chart, joined: two charts of the same birth give the same text.
std::string BirthOf(const ChartRecord& c) {
  std::string birth = c.BirthName;
  for (const std::string* text : {&c.BirthCity, &c.BirthState, &c.BirthCountry, &c.TimeZoneName}) {
    birth += '\x1f';
    birth += *text;
  }
  for (int number : {int(c.BirthDay), int(c.BirthMonth), int(c.BirthYear), int(c.BirthHour),
                     int(c.BirthMinute), int(c.ZoneHours), int(c.ZoneMinutes), int(c.ZoneSide),
                     int(c.LongitudeDegrees), int(c.LongitudeMinutes), int(c.LatitudeDegrees),
                     int(c.LatitudeMinutes), int(c.IsEastLongitude), int(c.IsSouthLatitude),
                     int(c.IsDaylightSaving), int(c.UtcOffsetSeconds)}) {
    birth += '\x1f';
    birth += std::to_string(number);
  }
  return birth;
}

}  // namespace

void OpenChartFile(Platform& platform, BirthForm& form, MainWindow* main, RememberedPaths& paths) {
  QWidget* parent = main != nullptr ? static_cast<QWidget*>(main) : &form;
  const auto chosen = platform.ChooseOpenPath(parent, OpenRequest(paths.ChartFilePath));
  if (!chosen) return;
  paths.ChartFilePath = *chosen;
  if (chosen->isEmpty()) return;

  // Only as much as a chart file can hold, and never from a pipe or a device: either could
  // keep the window waiting or fill the memory.
  const auto start =
      ReadFileStart(QFile::encodeName(*chosen).toStdString(), kAnyChartFileReadLimit);
  if (const auto* reason = std::get_if<std::string>(&start)) {
    ShowOutputMessage(platform, parent,
                      QStringLiteral("The chart file %1 could not be read: %2.")
                          .arg(QuotedPath(*chosen), QString::fromStdString(*reason)));
    return;
  }
  const FileStart& bytes = std::get<FileStart>(start);
  // The whole file is checked before anything changes, so that a file that cannot fill the
  // form leaves neither a half-filled form nor a chart of the previous birth's date.
  const auto opened =
      ReadAnyChartFile(chosen->toStdString(), bytes.Bytes, bytes.Whole, LineLimitsOf(form));
  if (const auto* problem = std::get_if<ChartFileProblem>(&opened)) {
    ShowOutputMessage(platform, parent, OpenRefusal(*chosen, *problem));
    return;
  }
  const auto& file = std::get<OpenedChartFile>(opened);
  if (main != nullptr) BlankChartWindow(main->chartWindow());
  form.ShowEntries(file.Entry);
  // A .vmx file has neither zone nor daylight saving: the form keeps what it shows.
  // A place's own zone is already selected by ShowEntries.
  if (file.HoldsZone && file.Entry.TimeZoneName.empty()) {
    form.ShowZone(file.Entry.ZoneRow, file.Entry.DaylightSaving);
  }
  form.cmdCalculate->click();
}

namespace {

// Writes the form to `path`, or, when its kind of file cannot hold the entry, says so and
// offers the .vmj file in the dialog. True once a file has been written.
bool SaveTo(Platform& platform, const BirthForm& form, QWidget* parent, RememberedPaths& paths,
            QString path) {
  for (;;) {
    const FileBytes file = ChartFileBytes(form, path);
    if (file.Bytes) return WriteChartFile(platform, parent, path, *file.Bytes);
    ShowOutputMessage(platform, parent, file.Refusal, MessageIcon::Information);
    if (!IsVmxChartFilePath(path.toStdString())) return false;
    const auto chosen =
        platform.ChooseSavePath(parent, SaveAsRequest(WithSuffix(path, QStringLiteral("vmj"))));
    if (!chosen || chosen->isEmpty()) return false;
    paths.ChartFilePath = path = *chosen;
  }
}

}  // namespace

void SaveChartFile(Platform& platform, const BirthForm& form, const ChartRecord& sidereal,
                   MainWindow& main, RememberedPaths& paths) {
  if (paths.SavedChartPath.isEmpty() || paths.SavedChartBirth != BirthOf(sidereal)) {
    SaveChartFileAs(platform, form, sidereal, main, paths);
    return;
  }
  // The file last written, not the path last chosen: a failed Open must not redirect Save
  // onto the file that could not be read.
  SaveTo(platform, form, &main, paths, paths.SavedChartPath);
}

void SaveChartFileAs(Platform& platform, const BirthForm& form, const ChartRecord& sidereal,
                     MainWindow& main, RememberedPaths& paths) {
  const auto chosen = platform.ChooseSavePath(&main, SaveAsRequest(paths.ChartFilePath));
  if (!chosen || chosen->isEmpty()) return;
  paths.ChartFilePath = *chosen;
  if (SaveTo(platform, form, &main, paths, *chosen)) {
    paths.SavedChartPath = paths.ChartFilePath;
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
                        window.lblPada, window.lblLord, window.lblManglik}) {
    label->clear();
  }
}

}  // namespace velmora
