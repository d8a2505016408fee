#include "manglik_page.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "ui/ui_style.h"

namespace velmora {
namespace {

QString Text(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

constexpr const char* kReferenceCaptions[] = {"Lagna", "Moon", "Venus"};

}  // namespace

QString ManglikWord(const ManglikResult& m) {
  if (m.IsManglik()) return QStringLiteral("Yes");
  return m.HasDosha() ? QStringLiteral("Cancelled") : QStringLiteral("No");
}

ManglikPage::ManglikPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("ManglikPage"));
  auto* layout = new QVBoxLayout(this);
  lblManglikSummary = new QLabel(this);
  lblManglikSummary->setObjectName(QStringLiteral("lblManglikSummary"));
  lblManglikSummary->setFont(VerdanaFont(9.75, true));
  lblManglikSummary->setTextFormat(Qt::PlainText);
  lblManglikSummary->setWordWrap(true);
  auto* rule = new QLabel(
      QStringLiteral("Mars in the 1st, 2nd, 4th, 7th, 8th or 12th house counted from the lagna, "
                     "the Moon or Venus gives the Kuja (Manglik) dosha; the count from the lagna "
                     "weighs most."),
      this);
  rule->setWordWrap(true);
  tblMarsHouses = new QTableWidget(3, 3, this);
  tblMarsHouses->setObjectName(QStringLiteral("tblMarsHouses"));
  tblMarsHouses->setHorizontalHeaderLabels(
      {QStringLiteral("Counted from"), QStringLiteral("Mars in house"), QStringLiteral("Dosha")});
  tblMarsHouses->verticalHeader()->hide();
  tblMarsHouses->setEditTriggers(QAbstractItemView::NoEditTriggers);
  tblMarsHouses->setSelectionMode(QAbstractItemView::NoSelection);
  tblMarsHouses->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  // Three short columns read best together, not spread over the whole page.
  tblMarsHouses->setMaximumWidth(560);
  for (int row = 0; row < 3; ++row) {
    tblMarsHouses->setItem(row, 0,
                           new QTableWidgetItem(QString::fromUtf8(kReferenceCaptions[row])));
  }
  // Three rows and the header, with no room left over.
  tblMarsHouses->setFixedHeight(tblMarsHouses->horizontalHeader()->sizeHint().height() +
                                3 * tblMarsHouses->verticalHeader()->defaultSectionSize() + 4);
  lblCancellations = new QLabel(this);
  lblCancellations->setObjectName(QStringLiteral("lblCancellations"));
  lblCancellations->setTextFormat(Qt::PlainText);
  lblCancellations->setWordWrap(true);
  layout->addWidget(lblManglikSummary);
  layout->addWidget(rule);
  layout->addWidget(tblMarsHouses);
  layout->addWidget(lblCancellations);
  layout->addStretch(1);
}

void ManglikPage::Show(const ManglikResult& m) {
  lblManglikSummary->setText(Text(ManglikSummary(m)));
  for (int row = 0; row < 3; ++row) {
    const ManglikFrom& f = m.From[static_cast<std::size_t>(row)];
    tblMarsHouses->setItem(row, 1, new QTableWidgetItem(Text(OrdinalHouse(f.MarsHouse))));
    const QString dosha = !f.Dosha               ? QStringLiteral("No")
                          : f.ExcusedByPlacement ? QStringLiteral("Excused by Mars's sign")
                                                 : QStringLiteral("Yes");
    tblMarsHouses->setItem(row, 2, new QTableWidgetItem(dosha));
  }
  QStringList cancellations;
  for (int k = 0; k < kManglikCancellationKinds; ++k) {
    if (m.Cancellations[static_cast<std::size_t>(k)])
      cancellations << QStringLiteral("• ") +
                           Text(CancellationText(m, static_cast<ManglikCancellation>(k)));
  }
  if (!m.HasDosha()) {
    lblCancellations->setText(QString());
  } else if (cancellations.isEmpty()) {
    lblCancellations->setText(QStringLiteral("None of the common cancellations applies."));
  } else {
    lblCancellations->setText(QStringLiteral("Cancellations that apply:\n") +
                              cancellations.join(QLatin1Char('\n')));
  }
}

}  // namespace velmora
