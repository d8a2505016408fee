// The Match window: two births, the groom's first and the bride's second, each typed into
// the birth form's fields or opened from a chart file, and their Kundli match: the eight
// kootas of Ashtakoota with their points out of 36, both Manglik results and a verdict.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QWidget>
#include <functional>
#include <optional>

#include "engine/chart.h"
#include "engine/chart_record.h"
#include "engine/jyotish/matching.h"
#include "input/birth_fields.h"
#include "output/remembered_paths.h"

namespace velmora {

class Platform;

// Which of the two births: the groom's is the first chart, the bride's the second.
enum class MatchSide { Groom, Bride };

class MatchWindow : public QWidget {
  Q_OBJECT

 public:
  // `options` are the program's position choices, read at each match; `birthFormEntry`
  // gives what the birth form holds, for "From the Birth Form".
  MatchWindow(Platform& platform, const EngineOptions& options,
              std::function<BirthFormData()> birthFormEntry, RememberedPaths& paths,
              QWidget* parent = nullptr);

  BirthFields& Fields(MatchSide side) const { return side == MatchSide::Groom ? *groom_ : *bride_; }

  // Asks for a chart file and puts its birth into that side's fields; a file that cannot be
  // opened is refused with a message and the fields stay as they were.
  void OpenChartFile(MatchSide side);
  // Puts the birth form's entry into that side's fields.
  void TakeBirthFormEntry(MatchSide side);
  // Checks both births as the birth form does (the first problem is shown and stops it),
  // computes both charts and shows their match. False when a check stopped it.
  bool ComputeMatch();
  // Asks for a file name and writes the match there as a PDF document.
  void ExportPdf();
  // The match in a print preview, printed on the printer chosen there.
  void Print();

  QLabel* lblRoles;  // says which chart is whose
  QGroupBox* fraGroom;
  QGroupBox* fraBride;
  QPushButton* cmdOpenGroom;
  QPushButton* cmdOpenBride;
  QPushButton* cmdGroomFromForm;
  QPushButton* cmdBrideFromForm;
  QPushButton* cmdMatch;
  // Columns: koota, groom, bride, points, out of; the eight kootas and the total.
  QTableWidget* tblKootas;
  QLabel* lblRating;  // "Good: 26 of 36 points"
  QLabel* lblTara;
  QLabel* lblGroomManglik;
  QLabel* lblBrideManglik;
  QLabel* lblVerdict;
  QPushButton* cmdExportPdf;
  QPushButton* cmdPrint;
  QPushButton* cmdClose;

 private:
  QGroupBox* CreateSide(MatchSide side, BirthFields*& fields, QPushButton*& open,
                        QPushButton*& fromForm);
  void ShowMatch();
  std::optional<ChartRecord> ChartOf(BirthFields& fields);

  Platform& platform_;
  const EngineOptions& options_;
  std::function<BirthFormData()> birthFormEntry_;
  RememberedPaths& paths_;
  BirthFields* groom_ = nullptr;
  BirthFields* bride_ = nullptr;
  // The last match shown, with the two charts it was computed from.
  std::optional<ChartRecord> groomChart_, brideChart_;
  std::optional<KundliMatch> match_;
  QString pdfPath_;  // the PDF file written last, offered again
};

}  // namespace velmora
