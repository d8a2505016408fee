#include "dasha_page.h"

#include <QHeaderView>
#include <QVBoxLayout>

#include "ui/ui_style.h"

namespace velmora {
namespace {

QString LordName(int index) {
  const std::string_view name = kDashaLords[static_cast<std::size_t>(index)].Name;
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString Lord(const DashaPeriod& period) {
  return LordName(period.LordIndex);
}

QString Date(const ChartRecord& chart, double daysFromBirth) {
  return QString::fromStdString(IsoDate(DateFromBirth(chart, daysFromBirth)));
}

QString Length(double days) {
  const YearsMonthsDays length = SplitDashaDays(days);
  return QStringLiteral("%1 y %2 m %3 d").arg(length.Years).arg(length.Months).arg(length.Days);
}

void SetBold(QTreeWidgetItem* item) {
  for (int column = 0; column < item->columnCount(); ++column) {
    QFont font = item->font(column);
    font.setBold(true);
    item->setFont(column, font);
  }
}

}  // namespace

DashaPage::DashaPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("DashaPage"));
  auto* layout = new QVBoxLayout(this);
  lblRunning = new QLabel(this);
  lblRunning->setObjectName(QStringLiteral("lblRunning"));
  lblRunning->setFont(VerdanaFont(9.75, true));
  lblRunning->setTextFormat(Qt::PlainText);
  lblRunning->setWordWrap(true);
  lblRunningPratyantar = new QLabel(this);
  lblRunningPratyantar->setObjectName(QStringLiteral("lblRunningPratyantar"));
  lblRunningPratyantar->setTextFormat(Qt::PlainText);
  lblRunningPratyantar->setWordWrap(true);
  lblBalance = new QLabel(this);
  lblBalance->setObjectName(QStringLiteral("lblBalance"));
  lblBalance->setTextFormat(Qt::PlainText);
  tvwDasha = new QTreeWidget(this);
  tvwDasha->setObjectName(QStringLiteral("tvwDasha"));
  tvwDasha->setHeaderLabels({QStringLiteral("Mahadasha / Antardasha / Pratyantardasha"),
                             QStringLiteral("Start"), QStringLiteral("End"),
                             QStringLiteral("Length")});
  tvwDasha->setRootIsDecorated(true);
  tvwDasha->setUniformRowHeights(true);
  tvwDasha->header()->setStretchLastSection(false);
  tvwDasha->header()->setSectionResizeMode(0, QHeaderView::Stretch);
  layout->addWidget(lblRunning);
  layout->addWidget(lblRunningPratyantar);
  layout->addWidget(lblBalance);
  layout->addWidget(tvwDasha, 1);
}

void DashaPage::Show(const ChartRecord& sidereal, CivilDate today, double localHours) {
  const auto dashas = VimshottariDashas(sidereal);
  const double now = DaysFromBirthTo(sidereal, today, localHours);
  const auto running = RunningDashaAt(dashas, now);
  const QString todayText = QString::fromStdString(IsoDate(today));

  tvwDasha->clear();
  QTreeWidgetItem* current = nullptr;
  for (std::size_t i = 0; i < dashas.size(); ++i) {
    const Mahadasha& m = dashas[i];
    auto* item = new QTreeWidgetItem(
        tvwDasha, {Lord(m.Period), Date(sidereal, m.Period.StartDaysFromBirth),
                   Date(sidereal, m.Period.EndDaysFromBirth),
                   QStringLiteral("%1 years")
                       .arg(kDashaLords[static_cast<std::size_t>(m.Period.LordIndex)].Years)});
    for (std::size_t j = 0; j < m.Antardashas.size(); ++j) {
      const DashaPeriod& a = m.Antardashas[j];
      auto* sub = new QTreeWidgetItem(
          item,
          {Lord(m.Period) + QStringLiteral(" / ") + Lord(a), Date(sidereal, a.StartDaysFromBirth),
           Date(sidereal, a.EndDaysFromBirth), Length(a.EndDaysFromBirth - a.StartDaysFromBirth)});
      const bool runningHere = running && running->Mahadasha == i && running->Antardasha == j;
      for (std::size_t k = 0; k < m.Pratyantardashas[j].size(); ++k) {
        const DashaPeriod& p = m.Pratyantardashas[j][k];
        auto* third = new QTreeWidgetItem(
            sub,
            {Lord(m.Period) + QStringLiteral(" / ") + Lord(a) + QStringLiteral(" / ") + Lord(p),
             Date(sidereal, p.StartDaysFromBirth), Date(sidereal, p.EndDaysFromBirth),
             Length(p.EndDaysFromBirth - p.StartDaysFromBirth)});
        if (runningHere && running->Pratyantardasha == k) {
          SetBold(third);
          current = third;
        }
      }
      if (runningHere) {
        SetBold(sub);
        sub->setExpanded(true);
      }
    }
    if (running && running->Mahadasha == i) {
      SetBold(item);
      item->setExpanded(true);
    }
  }
  for (int column = 1; column < 4; ++column) tvwDasha->resizeColumnToContents(column);
  if (current) {
    tvwDasha->setCurrentItem(current);
    tvwDasha->scrollToItem(current);
  }

  if (running) {
    const Mahadasha& m = dashas[running->Mahadasha];
    const DashaPeriod& a = m.Antardashas[running->Antardasha];
    lblRunning->setText(
        QStringLiteral("Running on %1: %2 mahadasha (%3 to %4), %5 antardasha "
                       "(%6 to %7)")
            .arg(todayText, Lord(m.Period), Date(sidereal, m.Period.StartDaysFromBirth),
                 Date(sidereal, m.Period.EndDaysFromBirth), Lord(a),
                 Date(sidereal, a.StartDaysFromBirth), Date(sidereal, a.EndDaysFromBirth)));
    const DashaPeriod& p = m.Pratyantardashas[running->Antardasha][running->Pratyantardasha];
    lblRunningPratyantar->setText(QStringLiteral("Pratyantardasha: %1 / %2 / %3 (%4 to %5)")
                                      .arg(Lord(m.Period), Lord(a), Lord(p),
                                           Date(sidereal, p.StartDaysFromBirth),
                                           Date(sidereal, p.EndDaysFromBirth)));
    lblRunningPratyantar->show();
  } else {
    lblRunningPratyantar->clear();
    lblRunningPratyantar->hide();
    lblRunning->setText(
        QStringLiteral("No period of this chart runs on %1: its dashas cover %2 to %3.")
            .arg(todayText, Date(sidereal, dashas.front().Period.StartDaysFromBirth),
                 Date(sidereal, dashas.back().Period.EndDaysFromBirth)));
  }
  const DashaBalance balance = VimshottariBalance(sidereal);
  lblBalance->setText(QStringLiteral("Balance at birth: %1 mahadasha, %2 years %3 months %4 days")
                          .arg(LordName(balance.LordIndex))
                          .arg(balance.Years)
                          .arg(balance.Months)
                          .arg(balance.Days));
}

}  // namespace velmora
