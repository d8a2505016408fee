// The Dasha page of the chart window's tabs: the Vimshottari periods of the sidereal chart,
// the three running on a given day at the top, then the nine mahadashas, each opening onto its
// nine antardashas and each of those onto its nine pratyantardashas.
#pragma once

#include <QLabel>
#include <QTreeWidget>
#include <QWidget>

#include "engine/chart_record.h"
#include "engine/jyotish/dasha.h"

namespace velmora {

class DashaPage : public QWidget {
  Q_OBJECT

 public:
  explicit DashaPage(QWidget* parent = nullptr);

  // Fills the page from the chart's Moon; `today` and `localHours` are the local day and
  // clock time whose running periods lead the page (the caller passes the current ones).
  void Show(const ChartRecord& sidereal, CivilDate today, double localHours);

  QLabel* lblRunning;            // the mahadasha and antardasha running today
  QLabel* lblRunningPratyantar;  // and the pratyantardasha within them
  QLabel* lblBalance;            // what was left of the first mahadasha at birth
  // Columns: period, start, end, length. The running mahadasha and antardasha are opened, and
  // the three running periods are in bold.
  QTreeWidget* tvwDasha;
};

}  // namespace velmora
