#include "match_window.h"

#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLocale>
#include <QPrinter>
#include <QRegularExpression>
#include <QVBoxLayout>

#include "match_report.h"
#include "output/atomic_file.h"
#include "output/chart_file_reader.h"
#include "output/chart_report.h"
#include "output/file_access.h"
#include "output/output_messages.h"
#include "ui/platform.h"
#include "ui/ui_style.h"
#include "velmora/version.h"

namespace velmora {
namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

const char* RoleOf(MatchSide side) {
  return side == MatchSide::Groom ? "groom" : "bride";
}

QLabel* WrappingLabel(QWidget* parent, const char* name) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromUtf8(name));
  // Names come from the user or a file: markup in them is text, never rendered.
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  return label;
}

// What a box of the fields holds at most, so that an opened file is never cut to fit.
ChartFileLineLimits LineLimitsOf(const BirthFields& f) {
  auto limit = [](const QLineEdit* box) { return static_cast<std::size_t>(box->maxLength()); };
  return {limit(f.txtName),
          0,
          0,
          0,
          0,
          0,
          limit(f.txtLatDeg),
          limit(f.txtLatMin),
          0,
          limit(f.txtLonDeg),
          limit(f.txtLonMin),
          0,
          limit(f.txtCity),
          limit(f.txtState),
          limit(f.txtCountry)};
}

// Puts an entry into the fields as opening it on the birth form does: a .vmj file's zone row
// and daylight saving too; a .vmx file holds neither and leaves them as they are.
void ShowEntry(BirthFields& fields, const BirthFormData& entry, bool holdsZone) {
  fields.ShowEntries(entry);
  if (holdsZone && entry.TimeZoneName.empty()) fields.ShowZone(entry.ZoneRow, entry.DaylightSaving);
}

QString SuggestedPdfName(const ChartRecord& groom, const ChartRecord& bride) {
  QString name = QStringLiteral("%1 and %2 - Kundli Matching.pdf")
                     .arg(QString::fromStdString(groom.BirthName).trimmed(),
                          QString::fromStdString(bride.BirthName).trimmed());
  name.replace(QRegularExpression(QStringLiteral("[/\\\\:*?\"<>|]")), QStringLiteral(" "));
  return name.simplified();
}

}  // namespace

MatchWindow::MatchWindow(Platform& platform, const EngineOptions& options,
                         std::function<BirthFormData()> birthFormEntry, RememberedPaths& paths,
                         QWidget* parent)
    : QWidget(parent),
      platform_(platform),
      options_(options),
      birthFormEntry_(std::move(birthFormEntry)),
      paths_(paths) {
  setObjectName(QStringLiteral("frmMatch"));
  setWindowTitle(QStringLiteral("Kundli Matching - ") + QString::fromUtf8(kApplicationTitle));
  setFont(VerdanaFont(8.25));
  auto* page = new QVBoxLayout(this);

  auto* heading = new QLabel(QStringLiteral("Kundli Matching (Ashtakoota)"), this);
  heading->setFont(VerdanaFont(14.25, true));
  QPalette orange = heading->palette();
  orange.setColor(QPalette::WindowText, QColor(241, 157, 6));
  heading->setPalette(orange);
  page->addWidget(heading);
  lblRoles = new QLabel(
      QStringLiteral("The first birth is the groom's, the second the bride's: Varna and the "
                     "direction Tara and Bhakoot are counted in depend on it."),
      this);
  lblRoles->setObjectName(QStringLiteral("lblRoles"));
  lblRoles->setWordWrap(true);
  page->addWidget(lblRoles);

  auto* sides = new QHBoxLayout;
  fraGroom = CreateSide(MatchSide::Groom, groom_, cmdOpenGroom, cmdGroomFromForm);
  fraBride = CreateSide(MatchSide::Bride, bride_, cmdOpenBride, cmdBrideFromForm);
  sides->addWidget(fraGroom);
  sides->addWidget(fraBride);
  page->addLayout(sides);

  cmdMatch = new QPushButton(QStringLiteral("&Match the Two Charts"), this);
  cmdMatch->setObjectName(QStringLiteral("cmdMatch"));
  cmdMatch->setFont(VerdanaFont(8.25, true));
  cmdMatch->setMinimumHeight(32);
  connect(cmdMatch, &QPushButton::clicked, this, [this] { ComputeMatch(); });
  page->addWidget(cmdMatch);

  auto* results = new QHBoxLayout;
  tblKootas = new QTableWidget(static_cast<int>(kKootas.size()) + 1, 5, this);
  tblKootas->setObjectName(QStringLiteral("tblKootas"));
  tblKootas->setHorizontalHeaderLabels({QStringLiteral("Koota"), QStringLiteral("Groom"),
                                        QStringLiteral("Bride"), QStringLiteral("Points"),
                                        QStringLiteral("Out of")});
  tblKootas->verticalHeader()->hide();
  tblKootas->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblKootas->setSelectionMode(QAbstractItemView::NoSelection);
  tblKootas->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  for (std::size_t k = 0; k < kKootas.size(); ++k) {
    tblKootas->setItem(static_cast<int>(k), 0, new QTableWidgetItem(Text(kKootas[k].Name)));
    tblKootas->setItem(static_cast<int>(k), 4,
                       new QTableWidgetItem(Text(PointsText(kKootas[k].MaxPoints))));
  }
  auto* total = new QTableWidgetItem(QStringLiteral("Total"));
  QFont bold = total->font();
  bold.setBold(true);
  total->setFont(bold);
  tblKootas->setItem(8, 0, total);
  tblKootas->setItem(8, 4, new QTableWidgetItem(QStringLiteral("36")));
  tblKootas->setFixedHeight(tblKootas->horizontalHeader()->sizeHint().height() +
                            9 * tblKootas->verticalHeader()->defaultSectionSize() + 4);
  results->addWidget(tblKootas, 3);

  auto* words = new QVBoxLayout;
  lblRating = WrappingLabel(this, "lblRating");
  lblRating->setFont(VerdanaFont(12, true));
  lblRating->setPalette(orange);
  lblVerdict = WrappingLabel(this, "lblVerdict");
  lblVerdict->setFont(VerdanaFont(8.25, true));
  lblTara = WrappingLabel(this, "lblTara");
  lblGroomManglik = WrappingLabel(this, "lblGroomManglik");
  lblBrideManglik = WrappingLabel(this, "lblBrideManglik");
  lblVerdict->setText(QStringLiteral("Enter or open both births, then press Match."));
  for (QLabel* label : {lblRating, lblVerdict, lblTara, lblGroomManglik, lblBrideManglik})
    words->addWidget(label);
  words->addStretch(1);
  results->addLayout(words, 2);
  page->addLayout(results);

  auto* buttons = new QHBoxLayout;
  cmdExportPdf = new QPushButton(QStringLiteral("Export as &PDF..."), this);
  cmdExportPdf->setObjectName(QStringLiteral("cmdExportPdf"));
  cmdPrint = new QPushButton(QStringLiteral("P&rint..."), this);
  cmdPrint->setObjectName(QStringLiteral("cmdPrint"));
  cmdClose = new QPushButton(QStringLiteral("&Close"), this);
  cmdClose->setObjectName(QStringLiteral("cmdClose"));
  for (QPushButton* needsMatch : {cmdExportPdf, cmdPrint}) needsMatch->setEnabled(false);
  connect(cmdExportPdf, &QPushButton::clicked, this, &MatchWindow::ExportPdf);
  connect(cmdPrint, &QPushButton::clicked, this, &MatchWindow::Print);
  connect(cmdClose, &QPushButton::clicked, this, &QWidget::close);
  buttons->addStretch(1);
  for (QPushButton* button : {cmdExportPdf, cmdPrint, cmdClose}) buttons->addWidget(button);
  page->addLayout(buttons);

  // The groom's fields and buttons, the bride's, then the match and what follows it.
  std::vector<QWidget*> order = groom_->TabOrder();
  order.insert(order.end(), {cmdOpenGroom, cmdGroomFromForm});
  const std::vector<QWidget*> bride = bride_->TabOrder();
  order.insert(order.end(), bride.begin(), bride.end());
  order.insert(order.end(),
               {cmdOpenBride, cmdBrideFromForm, cmdMatch, cmdExportPdf, cmdPrint, cmdClose});
  for (std::size_t i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

QGroupBox* MatchWindow::CreateSide(MatchSide side, BirthFields*& fields, QPushButton*& open,
                                   QPushButton*& fromForm) {
  const bool groom = side == MatchSide::Groom;
  auto* frame = new QGroupBox(
      groom ? QStringLiteral("Groom (first chart)") : QStringLiteral("Bride (second chart)"), this);
  frame->setObjectName(groom ? QStringLiteral("fraGroom") : QStringLiteral("fraBride"));
  frame->setFont(VerdanaFont(8.25, true));
  auto* layout = new QVBoxLayout(frame);
  fields = new BirthFields(platform_, frame);
  fields->setFont(VerdanaFont(8.25));
  fields->setObjectName(groom ? QStringLiteral("groomFields") : QStringLiteral("brideFields"));
  layout->addWidget(fields);
  open = new QPushButton(groom ? QStringLiteral("Open the Groom's Chart File...")
                               : QStringLiteral("Open the Bride's Chart File..."),
                         frame);
  fromForm = new QPushButton(QStringLiteral("From the Birth Form"), frame);
  for (QPushButton* button : {open, fromForm}) button->setFont(VerdanaFont(8.25));
  connect(open, &QPushButton::clicked, this, [this, side] { OpenChartFile(side); });
  connect(fromForm, &QPushButton::clicked, this, [this, side] { TakeBirthFormEntry(side); });
  auto* row = new QHBoxLayout;
  row->addWidget(open);
  row->addWidget(fromForm);
  row->addStretch(1);
  layout->addLayout(row);
  return frame;
}

void MatchWindow::OpenChartFile(MatchSide side) {
  FileDialogRequest request;
  request.Title = QStringLiteral("Open the %1's chart file").arg(QLatin1String(RoleOf(side)));
  request.Filter = QStringLiteral(
      "Velmora charts (*.vmj *.vmx);;Velmora chart (*.vmj);;"
      "Orvanta (*.vmx)");
  request.DefaultSuffix = QStringLiteral("vmj");
  request.InitialPath = paths_.ChartFilePath;
  request.MustExist = true;
  const auto chosen = platform_.ChooseOpenPath(this, request);
  if (!chosen || chosen->isEmpty()) return;
  paths_.ChartFilePath = *chosen;
  // As on the birth form: only as much as a chart file holds, never from a pipe or device.
  const auto start =
      ReadFileStart(QFile::encodeName(*chosen).toStdString(), kAnyChartFileReadLimit);
  if (const auto* reason = std::get_if<std::string>(&start)) {
    ShowOutputMessage(platform_, this,
                      QStringLiteral("The chart file %1 could not be read: %2.")
                          .arg(QuotedPath(*chosen), QString::fromStdString(*reason)));
    return;
  }
  BirthFields& fields = Fields(side);
  const FileStart& bytes = std::get<FileStart>(start);
  const auto opened =
      ReadAnyChartFile(chosen->toStdString(), bytes.Bytes, bytes.Whole, LineLimitsOf(fields));
  if (const auto* problem = std::get_if<ChartFileProblem>(&opened)) {
    QString text = QStringLiteral("The chart file %1 cannot be opened.\n\n%2")
                       .arg(QuotedPath(*chosen), QString::fromStdString(problem->Reason));
    if (!problem->Detail.empty())
      text += QLatin1Char(' ') + QString::fromStdString(problem->Detail);
    ShowOutputMessage(platform_, this, text);
    return;
  }
  const auto& file = std::get<OpenedChartFile>(opened);
  ShowEntry(fields, file.Entry, file.HoldsZone);
}

void MatchWindow::TakeBirthFormEntry(MatchSide side) {
  if (!birthFormEntry_) return;
  const BirthFormData entry = birthFormEntry_();
  ShowEntry(Fields(side), entry, true);
}

std::optional<ChartRecord> MatchWindow::ChartOf(BirthFields& fields) {
  if (!fields.ValidateInput()) return std::nullopt;
  ChartRecord chart;
  ReadBirthData(chart, fields.Data());
  RunSiderealEngine(chart, options_);
  SetDisplayValues(chart);
  return chart;
}

bool MatchWindow::ComputeMatch() {
  auto groom = ChartOf(*groom_);
  if (!groom) return false;
  auto bride = ChartOf(*bride_);
  if (!bride) return false;
  groomChart_ = std::move(groom);
  brideChart_ = std::move(bride);
  match_ = MatchCharts(*groomChart_, *brideChart_);
  ShowMatch();
  return true;
}

void MatchWindow::ShowMatch() {
  const AshtakootaMatch& a = match_->Ashtakoota;
  for (std::size_t k = 0; k < kKootas.size(); ++k) {
    const int row = static_cast<int>(k);
    tblKootas->setItem(row, 1, new QTableWidgetItem(Text(a.Kootas[k].Groom)));
    tblKootas->setItem(row, 2, new QTableWidgetItem(Text(a.Kootas[k].Bride)));
    tblKootas->setItem(row, 3, new QTableWidgetItem(Text(PointsText(a.Kootas[k].Points))));
  }
  auto* total = new QTableWidgetItem(Text(PointsText(a.Total)));
  QFont bold = total->font();
  bold.setBold(true);
  total->setFont(bold);
  tblKootas->setItem(8, 3, total);

  QString verdict = QStringLiteral("%1 and %2: ")
                        .arg(QString::fromStdString(groomChart_->BirthName),
                             QString::fromStdString(brideChart_->BirthName)) +
                    Text(MatchVerdict(*match_));
  if (const std::string_view caption = PositionsCaption(*groomChart_); !caption.empty())
    verdict += QStringLiteral(" (") + Text(caption) + QLatin1Char(')');
  lblVerdict->setText(verdict);
  lblRating->setText(QStringLiteral("%1: %2 of 36 points")
                         .arg(Text(MatchRating(a.Total)), Text(PointsText(a.Total))));
  lblTara->setText(QStringLiteral("Tara, counted both ways: the groom's star (%1) is the %2 "
                                  "from the bride's (%3), %4; hers the %5 from his, %6.")
                       .arg(QString::fromStdString(groomChart_->MoonNakshatra),
                            Text(OrdinalHouse(a.TaraFromBride.Count)),
                            QString::fromStdString(brideChart_->MoonNakshatra),
                            Text(a.TaraFromBride.Name), Text(OrdinalHouse(a.TaraFromGroom.Count)),
                            Text(a.TaraFromGroom.Name)));
  lblGroomManglik->setText(QStringLiteral("Groom: ") + Text(ManglikSummary(match_->GroomManglik)));
  lblBrideManglik->setText(QStringLiteral("Bride: ") + Text(ManglikSummary(match_->BrideManglik)));
  for (QPushButton* needsMatch : {cmdExportPdf, cmdPrint}) needsMatch->setEnabled(true);
}

void MatchWindow::ExportPdf() {
  if (!match_) return;
  FileDialogRequest request;
  request.Title = QStringLiteral("Export the Match As PDF");
  request.Filter = QStringLiteral("PDF documents (*.pdf)");
  request.DefaultSuffix = QStringLiteral("pdf");
  request.InitialPath =
      pdfPath_.isEmpty() ? SuggestedPdfName(*groomChart_, *brideChart_) : pdfPath_;
  request.ConfirmOverwrite = true;
  const auto chosen = platform_.ChooseSavePath(this, request);
  if (!chosen || chosen->isEmpty()) return;
  pdfPath_ = *chosen;
  const QByteArray pdf =
      MatchReportPdf({*groomChart_, *brideChart_, *match_}, ReportPageSize(QLocale()));
  const auto reason =
      pdf.isEmpty() ? std::optional<QString>(QStringLiteral("the report could not be laid out"))
                    : WriteFileAtomically(*chosen, pdf);
  if (reason) {
    ShowOutputMessage(platform_, this,
                      QStringLiteral("The match could not be exported to %1: %2.")
                          .arg(QuotedPath(*chosen), *reason));
  }
}

void MatchWindow::Print() {
  if (!match_) return;
  QPrinter printer(QPrinter::HighResolution);
  if (!paths_.PrinterName.isEmpty()) printer.setPrinterName(paths_.PrinterName);
  printer.setPageSize(QPageSize(ReportPageSize(QLocale())));
  printer.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
  bool failed = false;
  const bool printed = platform_.PreviewPrint(this, printer, [&](QPrinter& target) {
    failed = !PaintMatchReport(target, {*groomChart_, *brideChart_, *match_});
  });
  if (!printed) return;
  if (printer.outputFormat() == QPrinter::NativeFormat) paths_.PrinterName = printer.printerName();
  if (failed) {
    ShowOutputMessage(platform_, this, QStringLiteral("The match could not be printed."));
  }
}

}  // namespace velmora
