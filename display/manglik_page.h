// The Manglik page of the chart window's tabs: where Mars stands from the lagna, the Moon and
// Venus, whether it gives the Kuja dosha, and the rules that cancel it.
#pragma once

#include <QLabel>
#include <QTableWidget>
#include <QWidget>

#include "engine/jyotish/manglik.h"

namespace velmora {

class ManglikPage : public QWidget {
  Q_OBJECT

 public:
  explicit ManglikPage(QWidget* parent = nullptr);

  void Show(const ManglikResult& manglik);

  QLabel* lblManglikSummary;  // the answer in one sentence
  // Columns: counted from, Mars's house, dosha; rows the lagna, the Moon and Venus.
  QTableWidget* tblMarsHouses;
  QLabel* lblCancellations;  // the cancellations that hold, one per line
};

// "Yes", "No" or "Cancelled", as "Other Details" shows it.
QString ManglikWord(const ManglikResult& manglik);

}  // namespace velmora
