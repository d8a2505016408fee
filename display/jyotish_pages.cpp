#include "jyotish_pages.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QVBoxLayout>
#include <cmath>

#include "engine/jyotish/divisional.h"
#include "engine/jyotish/panchanga.h"
#include "engine/jyotish/planet_status.h"
#include "engine/jyotish/zodiac.h"
#include "ui/ui_style.h"

namespace velmora {
namespace {

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// A table the user reads but does not edit, its cells centred unless said otherwise.
QTableWidget* ReadOnlyTable(QWidget* parent, const QString& objectName, int rows, int columns) {
  auto* table = new QTableWidget(rows, columns, parent);
  table->setObjectName(objectName);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setFocusPolicy(Qt::StrongFocus);
  table->setWordWrap(false);
  table->verticalHeader()->setDefaultSectionSize(table->fontMetrics().height() + 5);
  table->horizontalHeader()->setMinimumSectionSize(24);
  return table;
}

void SetCell(QTableWidget* table, int row, int column, const QString& text, bool bold = false,
             Qt::Alignment alignment = Qt::AlignCenter) {
  auto* item = new QTableWidgetItem(text);
  item->setTextAlignment(alignment);
  if (bold) {
    QFont font = item->font();
    font.setBold(true);
    item->setFont(font);
  }
  table->setItem(row, column, item);
}

// Vedic and English names of the rows of kLongitudeNames, as the position table has them.
constexpr std::array<const char*, kLongitudeRows> kBodyCaptions{
    "Surya / Sun",       "Chandra / Moon",   "Budha / Mercury", "Shukra / Venus",
    "Mangala / Mars",    "Guru / Jupiter",   "Shani / Saturn",  "Rahu / North Node",
    "Ketu / South Node", "Lagna / Ascendant"};

QString SignAbbreviationText(int sign) {
  return Text(SignAbbreviation(sign));
}

}  // namespace

PanchangaPage::PanchangaPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PanchangaPage"));
  auto* layout = new QGridLayout(this);
  constexpr std::array<const char*, kRows> kCaptions{"Tithi", "Paksha", "Vara",    "Nakshatra",
                                                     "Yoga",  "Karana", "Sunrise", "Sunset"};
  for (int row = 0; row < kRows; ++row) {
    const auto r = static_cast<std::size_t>(row);
    Captions[r] = new QLabel(QString::fromUtf8(kCaptions[r]), this);
    Captions[r]->setFont(VerdanaFont(9.75, true));
    Values[r] = new QLabel(this);
    Values[r]->setFont(VerdanaFont(9.75));
    Values[r]->setTextFormat(Qt::PlainText);
    Values[r]->setTextInteractionFlags(Qt::TextSelectableByMouse);
    layout->addWidget(Captions[r], row, 0);
    layout->addWidget(Values[r], row, 1);
  }
  Values[0]->setObjectName(QStringLiteral("lblTithi"));
  Values[2]->setObjectName(QStringLiteral("lblVara"));
  Values[6]->setObjectName(QStringLiteral("lblSunrise"));
  Values[7]->setObjectName(QStringLiteral("lblSunset"));
  lblSunNote = new QLabel(this);
  lblSunNote->setObjectName(QStringLiteral("lblSunNote"));
  lblSunNote->setTextFormat(Qt::PlainText);
  lblSunNote->setWordWrap(true);
  layout->addWidget(lblSunNote, kRows, 0, 1, 2);
  layout->setColumnStretch(1, 1);
  layout->setColumnMinimumWidth(0, 160);
  layout->setRowStretch(kRows + 1, 1);
}

void PanchangaPage::Show(const ChartRecord& sidereal) {
  const Panchanga p = ComputePanchanga(sidereal);
  const auto vara = static_cast<std::size_t>(p.Vara);
  const auto value = [this](int row, const QString& text) {
    Values[static_cast<std::size_t>(row)]->setText(text);
  };
  value(0, QStringLiteral("%1 (%2 %3)")
               .arg(Text(p.TithiName))
               .arg(p.Tithi <= 15 ? p.Tithi : p.Tithi - 15)
               .arg(p.Tithi <= 15 ? QStringLiteral("of the bright half")
                                  : QStringLiteral("of the dark half")));
  value(1, p.Paksha == "Shukla" ? QStringLiteral("Shukla (waxing Moon)")
                                : QStringLiteral("Krishna (waning Moon)"));
  value(2, QStringLiteral("%1 (%2)").arg(Text(kVaraNames[vara]), Text(kWeekdayNames[vara])));
  value(3, QStringLiteral("%1, pada %2")
               .arg(Text(kNakshatraNames[static_cast<std::size_t>(p.Nakshatra)]))
               .arg(p.Pada));
  value(4, Text(kYogaNames[static_cast<std::size_t>(p.Yoga)]));
  value(5, Text(p.KaranaName));
  const auto clock = [&p](const std::optional<double>& hours) {
    if (hours) return QString::fromStdString(ClockText(*hours));
    if (p.Sun.AboveAllDay) return QStringLiteral("none: the Sun stays above the horizon all day");
    if (p.Sun.BelowAllDay) return QStringLiteral("none: the Sun stays below the horizon all day");
    return QStringLiteral("none on this date");
  };
  value(6, clock(p.Sun.RiseLocalHours));
  value(7, clock(p.Sun.SetLocalHours));
  QString note = QStringLiteral(
      "Sunrise and sunset on the local clock of the birth, when the centre of the Sun's disc "
      "crosses the true horizon. The vara runs from sunrise to sunrise.");
  if (p.BeforeSunrise) {
    note +=
        QStringLiteral(" Born before sunrise: the day is still %1's, though the calendar says %2.")
            .arg(Text(kWeekdayNames[vara]),
                 Text(kWeekdayNames[static_cast<std::size_t>(p.CivilWeekday)]));
  }
  lblSunNote->setText(note);
}

PlanetStatusPage::PlanetStatusPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("PlanetStatusPage"));
  auto* layout = new QVBoxLayout(this);
  tblStatus = ReadOnlyTable(this, QStringLiteral("tblStatus"), kStatusBodies, 6);
  tblStatus->setHorizontalHeaderLabels({QStringLiteral("Planet"), QStringLiteral("Position"),
                                        QStringLiteral("Nakshatra"), QStringLiteral("Dignity"),
                                        QStringLiteral("Motion"), QStringLiteral("Combust")});
  tblStatus->verticalHeader()->hide();
  tblStatus->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  lblOrbs = new QLabel(
      QStringLiteral("Dignity by sign: exaltation, debilitation, moolatrikona and own sign, "
                     "otherwise the natural friendship of the planet for its sign's lord. "
                     "Combust within Moon 12°, Mars 17°, Mercury 14° (12° retrograde), "
                     "Jupiter 11°, Venus 10° (8° retrograde), Saturn 15° of the Sun."),
      this);
  lblOrbs->setObjectName(QStringLiteral("lblOrbs"));
  lblOrbs->setWordWrap(true);
  layout->addWidget(tblStatus, 1);
  layout->addWidget(lblOrbs);
}

void PlanetStatusPage::Show(const ChartRecord& sidereal,
                            const std::array<double, kLongitudeRows>* speedsDegPerDay) {
  const auto statuses = PlanetStatuses(sidereal, speedsDegPerDay);
  for (int row = 0; row < kStatusBodies; ++row) {
    const auto r = static_cast<std::size_t>(row);
    const PlanetStatus& s = statuses[r];
    const double lon = sidereal.Longitudes[r];
    const auto nakshatra = static_cast<std::size_t>(std::min(26, static_cast<int>(lon * 27 / 360)));
    SetCell(tblStatus, row, 0, QString::fromUtf8(kBodyCaptions[r]), false,
            Qt::AlignLeft | Qt::AlignVCenter);
    SetCell(tblStatus, row, 1, QString::fromStdString(sidereal.PlanetPositionTexts[r]));
    SetCell(tblStatus, row, 2,
            QStringLiteral("%1 %2").arg(Text(kNakshatraNames[nakshatra]), Text(PadaOf(lon))));
    const bool strong = s.SignDignity == Dignity::Exalted ||
                        s.SignDignity == Dignity::Moolatrikona || s.SignDignity == Dignity::OwnSign;
    SetCell(tblStatus, row, 3,
            s.SignDignity == Dignity::None ? QStringLiteral("-") : Text(DignityName(s.SignDignity)),
            strong);
    SetCell(tblStatus, row, 4,
            !s.Retrograde   ? QStringLiteral("-")
            : *s.Retrograde ? QStringLiteral("Retrograde")
                            : QStringLiteral("Direct"));
    // The Sun cannot burn itself, and the nodes are shadows the Sun never burns.
    const bool neverCombust = row == 0 || row >= 7;
    SetCell(tblStatus, row, 5,
            neverCombust ? QStringLiteral("-")
            : s.Combust
                ? QStringLiteral("Yes, %1° from the Sun").arg(s.DistanceFromSunDeg, 0, 'f', 1)
                : QStringLiteral("No"));
  }
}

VargaPage::VargaPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("VargaPage"));
  auto* layout = new QVBoxLayout(this);
  tblVargas = ReadOnlyTable(this, QStringLiteral("tblVargas"), kLongitudeRows,
                            static_cast<int>(kDivisions.size()));
  QStringList columns;
  for (std::size_t d = 0; d < kDivisions.size(); ++d) {
    columns << Text(kDivisions[d].Key);
  }
  tblVargas->setHorizontalHeaderLabels(columns);
  for (std::size_t d = 0; d < kDivisions.size(); ++d) {
    tblVargas->horizontalHeaderItem(static_cast<int>(d))->setToolTip(Text(kDivisions[d].Name));
  }
  // The lagna first, as the divisions are read from it.
  QStringList rows{QString::fromUtf8(kBodyCaptions[kAscendantRow])};
  for (std::size_t b = 0; b < kAscendantRow; ++b) rows << QString::fromUtf8(kBodyCaptions[b]);
  tblVargas->setVerticalHeaderLabels(rows);
  tblVargas->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
  auto* note = new QLabel(
      QStringLiteral("The sign of the lagna and each planet in the sixteen divisions of the "
                     "shodashavarga, by the rules of Parashara. Double-click a column to draw "
                     "that division."),
      this);
  note->setWordWrap(true);
  layout->addWidget(tblVargas, 1);
  layout->addWidget(note);
  connect(tblVargas, &QTableWidget::cellDoubleClicked, this,
          [this](int, int column) { emit divisionChosen(column); });
  connect(tblVargas->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
          [this](int column) { emit divisionChosen(column); });
}

void VargaPage::Show(const ChartRecord& sidereal) {
  for (std::size_t d = 0; d < kDivisions.size(); ++d) {
    const auto signs = DivisionalSigns(kDivisions[d].Division, sidereal);
    const int column = static_cast<int>(d);
    SetCell(tblVargas, 0, column, SignAbbreviationText(signs[kAscendantRow]), true);
    for (std::size_t b = 0; b < kAscendantRow; ++b) {
      SetCell(tblVargas, static_cast<int>(b) + 1, column, SignAbbreviationText(signs[b]));
    }
  }
}

AshtakavargaPage::AshtakavargaPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("AshtakavargaPage"));
  auto* layout = new QHBoxLayout(this);
  QStringList signColumns;
  for (int s = 0; s < 12; ++s) signColumns << SignAbbreviationText(s);
  signColumns << QStringLiteral("Total");

  tblAshtakavarga =
      ReadOnlyTable(this, QStringLiteral("tblAshtakavarga"), kAshtakavargaPlanets + 1, 13);
  tblAshtakavarga->setHorizontalHeaderLabels(signColumns);
  QStringList rows;
  for (int p = 0; p < kAshtakavargaPlanets; ++p)
    rows << Text(kAshtakavargaNames[static_cast<std::size_t>(p)]);
  rows << QStringLiteral("Sarva");
  tblAshtakavarga->setVerticalHeaderLabels(rows);
  tblAshtakavarga->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

  auto* prastaraRow = new QHBoxLayout;
  auto* prastaraCaption = new QLabel(QStringLiteral("Bindus given to"), this);
  cboPrastara = new QComboBox(this);
  cboPrastara->setObjectName(QStringLiteral("cboPrastara"));
  cboPrastara->setAccessibleName(QStringLiteral("Planet whose bindus are shown by giver"));
  for (int p = 0; p < kAshtakavargaPlanets; ++p)
    cboPrastara->addItem(Text(kAshtakavargaNames[static_cast<std::size_t>(p)]));
  prastaraCaption->setBuddy(cboPrastara);
  auto* prastaraNote = new QLabel(QStringLiteral("by each giver"), this);
  prastaraRow->addWidget(prastaraCaption);
  prastaraRow->addWidget(cboPrastara);
  prastaraRow->addWidget(prastaraNote, 1);

  tblPrastara = ReadOnlyTable(this, QStringLiteral("tblPrastara"), kAshtakavargaGivers + 1, 13);
  tblPrastara->setHorizontalHeaderLabels(signColumns);
  QStringList givers;
  for (int g = 0; g < kAshtakavargaGivers; ++g)
    givers << Text(kAshtakavargaNames[static_cast<std::size_t>(g)]);
  givers << QStringLiteral("Bindus");
  tblPrastara->setVerticalHeaderLabels(givers);
  tblPrastara->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

  // Side by side, so both tables show every row without scrolling.
  auto* left = new QVBoxLayout;
  auto* caption = new QLabel(QStringLiteral("Bindus of each planet and in all (sarva)"), this);
  left->addWidget(caption);
  left->addWidget(tblAshtakavarga, 1);
  auto* right = new QVBoxLayout;
  right->addLayout(prastaraRow);
  right->addWidget(tblPrastara, 1);
  layout->addLayout(left, 1);
  layout->addLayout(right, 1);
  connect(cboPrastara, &QComboBox::currentIndexChanged, this,
          [this](int planet) { ShowPrastara(planet); });
}

void AshtakavargaPage::Show(const ChartRecord& sidereal) {
  shown_ = ComputeAshtakavarga(sidereal);
  for (std::size_t p = 0; p < shown_.Bhinna.size(); ++p) {
    const Bhinnashtakavarga& table = shown_.Bhinna[p];
    for (std::size_t s = 0; s < 12; ++s) {
      SetCell(tblAshtakavarga, static_cast<int>(p), static_cast<int>(s),
              QString::number(table.Bindus[s]));
    }
    SetCell(tblAshtakavarga, static_cast<int>(p), 12, QString::number(table.Total), true);
  }
  const int sarva = kAshtakavargaPlanets;
  for (std::size_t s = 0; s < 12; ++s) {
    SetCell(tblAshtakavarga, sarva, static_cast<int>(s), QString::number(shown_.Sarva[s]), true);
  }
  SetCell(tblAshtakavarga, sarva, 12, QString::number(shown_.SarvaTotal), true);
  ShowPrastara(cboPrastara->currentIndex());
}

void AshtakavargaPage::ShowPrastara(int planet) {
  if (planet < 0 || planet >= kAshtakavargaPlanets) return;
  const Bhinnashtakavarga& table = shown_.Bhinna[static_cast<std::size_t>(planet)];
  for (std::size_t g = 0; g < table.Givers.size(); ++g) {
    int given = 0;
    for (std::size_t s = 0; s < 12; ++s) {
      const int bindu = table.Givers[g][s];
      given += bindu;
      SetCell(tblPrastara, static_cast<int>(g), static_cast<int>(s),
              bindu ? QStringLiteral("1") : QStringLiteral("·"));
    }
    SetCell(tblPrastara, static_cast<int>(g), 12, QString::number(given), true);
  }
  const int last = kAshtakavargaGivers;
  for (std::size_t s = 0; s < 12; ++s) {
    SetCell(tblPrastara, last, static_cast<int>(s), QString::number(table.Bindus[s]), true);
  }
  SetCell(tblPrastara, last, 12, QString::number(table.Total), true);
}

}  // namespace velmora
