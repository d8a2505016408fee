#include "chart_window.h"

#include <QApplication>
#include <QSignalBlocker>
#include <QTabBar>

#include <algorithm>

#include "engine/files/report.h"
#include "engine/jyotish/divisional.h"
#include "engine/jyotish/planet_status.h"
#include "engine/jyotish/zodiac.h"
#include "engine/places/time_zones.h"
#include "ui/fitting_label.h"
#include "ui/twips.h"
#include "ui/ui_style.h"

namespace velmora {
namespace {

// The window as designed is 15105 x 8070 twips; the interpretation area below the chart
// frame makes it taller, and the main window's work area scrolls to it.
constexpr int kWindowWidth = 15105;
constexpr int kInterpretationTop = 7935;
constexpr int kInterpretationHeight = 6180;
constexpr int kWindowHeight = kInterpretationTop + kInterpretationHeight + 120;

QLabel* AutoSizedLabel(QWidget* parent, int left, int top, const QFont& font) {
  auto* label = new FittingLabel(parent);
  // Names and places come from the user or a file: markup in them is text, never rendered.
  label->setTextFormat(Qt::PlainText);
  label->setFont(font);
  label->move(TwipsPoint(left, top));
  return label;
}

QLabel* FixedLabel(QWidget* parent, int left, int top, int width, int height, const QString& text) {
  auto* label = new FittingLabel(parent);
  label->setText(text);
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(TwipsRect(left, top, width, height));
  label->setFont(VerdanaFont(9.75));
  return label;
}

// A label that grows with its text stops at the right edge of its frame: a longer text is
// drawn smaller or cut there, with a tooltip, rather than running off the frame.
void KeepInsideFrame(QLabel* label) {
  const int room = label->parentWidget()->width() - label->x() - Twips(120);
  if (label->width() > room) label->resize(std::max(room, 0), label->height());
}

void SetAutoSized(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
  KeepInsideFrame(label);
}

QGroupBox* WhiteFrame(QWidget* parent, const QString& title, QRect geometry) {
  auto* frame = new QGroupBox(title, parent);
  frame->setGeometry(geometry);
  frame->setFont(VerdanaFont(8.25, true));
  frame->setAutoFillBackground(true);
  QPalette palette = frame->palette();
  palette.setColor(QPalette::Window, Qt::white);
  frame->setPalette(palette);
  return frame;
}

QString Text(const std::string& utf8) {
  return QString::fromStdString(utf8);
}

// The zone the birth time was read in, as offset from universal time: east zones are ahead
// of it. The rows of no offset (GMT, UT) have no side.
QString ZoneText(const ChartRecord& c) {
  const QString daylight =
      c.IsDaylightSaving ? QStringLiteral("daylight saving") : QStringLiteral("no daylight saving");
  // A place's own zone: its name and the offset the tz database gives for the birth, which
  // already holds any daylight saving.
  if (!c.TimeZoneName.empty()) {
    return QStringLiteral("Time Zone: %1, %2")
        .arg(QString::fromStdString(ZoneDisplayName(c.TimeZoneName, c.UtcOffsetSeconds)), daylight);
  }
  const QChar sign = c.ZoneSide == ZoneDirection::West ? QLatin1Char('-') : QLatin1Char('+');
  return QStringLiteral("Time Zone: UTC%1%2:%3, %4")
      .arg(sign)
      .arg(c.ZoneHours)
      .arg(c.ZoneMinutes, 2, 10, QLatin1Char('0'))
      .arg(daylight);
}

}  // namespace

ChartWindow::ChartWindow(const ChartRecord& sidereal, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("frmDisplay"));
  setFont(VerdanaFont(8.25));
  setFixedSize(TwipsSize(kWindowWidth, kWindowHeight));
  // The system's window colour, whatever the work area around it is painted in.
  QPalette own = palette();
  own.setColor(QPalette::Window, QApplication::palette().color(QPalette::Window));
  setPalette(own);
  setBackgroundRole(QPalette::Window);
  setAutoFillBackground(true);

  CreateChartFrame();
  CreateHeader();
  CreateOtherDetails();
  CreatePositionTable();

  fraInterpretation = new InterpretationPanel(this);
  fraInterpretation->setGeometry(TwipsRect(480, kInterpretationTop, 14535, kInterpretationHeight));
  // The nakshatra fill names the nakshatra in "Other Details" too.
  connect(fraInterpretation, &InterpretationPanel::NakshatraShown, lblNakshatra, &QLabel::setText);
  dashaPage = new DashaPage;
  fraInterpretation->SSTab1->addTab(dashaPage, QStringLiteral("Dasha"));
  manglikPage = new ManglikPage;
  fraInterpretation->SSTab1->addTab(manglikPage, QStringLiteral("Manglik"));
  // One tab of their own for the jyotisha tables, so the page captions still fit in a row.
  jyotishTabs = new QTabWidget;
  jyotishTabs->setObjectName(QStringLiteral("jyotishTabs"));
  jyotishTabs->tabBar()->setFont(VerdanaFont(8.25, true));
  panchangaPage = new PanchangaPage;
  jyotishTabs->addTab(panchangaPage, QStringLiteral("Panchanga"));
  planetStatusPage = new PlanetStatusPage;
  jyotishTabs->addTab(planetStatusPage, QStringLiteral("Planets"));
  vargaPage = new VargaPage;
  jyotishTabs->addTab(vargaPage, QStringLiteral("Vargas"));
  ashtakavargaPage = new AshtakavargaPage;
  jyotishTabs->addTab(ashtakavargaPage, QStringLiteral("Ashtakavarga"));
  fraInterpretation->SSTab1->addTab(jyotishTabs, QStringLiteral("Jyotish"));
  connect(vargaPage, &VargaPage::divisionChosen, this, [this](int view) { SelectChartView(view); });
  CreateWesternPages();

  FillHeader(sidereal);
}

void ChartWindow::CreateChartFrame() {
  fraChart = new QFrame(this);
  fraChart->setObjectName(QStringLiteral("fraChart"));
  fraChart->setGeometry(TwipsRect(480, 960, 14535, 6855));
  fraChart->setFrameStyle(QFrame::Box | QFrame::Sunken);
  fraChart->setAutoFillBackground(true);

  picSouthRasi = new SouthChartView(fraChart);
  picSouthRasi->move(TwipsPoint(840, 1080));
  picNorthRasi = new NorthChartView(fraChart);
  picNorthRasi->move(TwipsPoint(720, 960));
  picRashiEast = new EastChartView(fraChart);
  picRashiEast->move(TwipsPoint(840, 1080));

  picNatal = new WheelView(fraChart);
  picNatal->move(TwipsPoint(120, 240));
  picNatal->hide();
  picWestern = new WesternWheelView(fraChart);
  picWestern->move(TwipsPoint(120, 240));
  picWestern->hide();

  CreateViewSelector();

  lblStyle = AutoSizedLabel(fraChart, 10470, 120, VerdanaFont(14.25, true));
  QPalette palette = lblStyle->palette();
  palette.setColor(QPalette::WindowText, QColor(241, 157, 6));
  lblStyle->setPalette(palette);
  SetAutoSized(lblStyle, QStringLiteral("South Indian Style"));

  lblPositions = AutoSizedLabel(fraChart, 10470, 540, VerdanaFont(8.25, true));
  lblPositions->setPalette(palette);
  lblPositions->hide();
}

void ChartWindow::CreateViewSelector() {
  // Above the drawings, which start 960 twips down the frame.
  cboDivision = new QComboBox(fraChart);
  cboDivision->setObjectName(QStringLiteral("cboDivision"));
  cboDivision->setAccessibleName(QStringLiteral("Chart or divisional chart"));
  for (int view = 0; view < kChartViews; ++view) cboDivision->addItem(ChartViewName(view));
  cboDivision->setGeometry(TwipsRect(840, 420, 2520, 375));
  connect(cboDivision, &QComboBox::currentIndexChanged, this,
          [this](int view) { SelectChartView(view); });

  chkLagnaOnTop = new QCheckBox(QStringLiteral("Lagna on top, houses fixed"), fraChart);
  chkLagnaOnTop->setObjectName(QStringLiteral("chkLagnaOnTop"));
  chkLagnaOnTop->adjustSize();
  chkLagnaOnTop->move(TwipsPoint(3540, 480));
  chkLagnaOnTop->hide();
  connect(chkLagnaOnTop, &QCheckBox::toggled, this, [this](bool on) { SetLagnaOnTop(on); });

  // Below the drawings, whose lowest edge is 6465 twips down.
  lblAscendantDegree = AutoSizedLabel(fraChart, 840, 6510, VerdanaFont(8.25, true));
  lblAscendantDegree->setObjectName(QStringLiteral("lblAscendantDegree"));
}

QString ChartWindow::ChartViewName(int view) {
  if (view < 0 || view >= kChartViews) return {};
  if (view == kBirthChartView) return QStringLiteral("Chart");
  const DivisionInfo& division = kDivisions[static_cast<std::size_t>(view)];
  return QStringLiteral("%1 (%2)").arg(
      QString::fromUtf8(division.Name.data(), static_cast<qsizetype>(division.Name.size())),
      QString::fromUtf8(division.Key.data(), static_cast<qsizetype>(division.Key.size())));
}

void ChartWindow::CreateHeader() {
  const QFont bold = VerdanaFont(8.25, true);
  lblName = AutoSizedLabel(fraChart, 6960, 1080, bold);
  lblCity = AutoSizedLabel(fraChart, 6960, 1425, bold);
  lblState = AutoSizedLabel(fraChart, 6960, 1770, bold);
  lblCountry = AutoSizedLabel(fraChart, 6960, 2100, bold);
  lblDOB = AutoSizedLabel(fraChart, 6960, 2445, bold);
  lblTOB = AutoSizedLabel(fraChart, 6960, 2790, bold);
  lblLatitude = AutoSizedLabel(fraChart, 6960, 3135, bold);
  lblLongitude = AutoSizedLabel(fraChart, 6960, 3480, bold);
  // Beside the time of birth, which it qualifies; placed when the time is known.
  lblZone = AutoSizedLabel(fraChart, 6960, 2790, bold);
  lblZone->setObjectName(QStringLiteral("lblZone"));
}

void ChartWindow::CreateOtherDetails() {
  fraVedic =
      WhiteFrame(fraChart, QStringLiteral("Other Details"), TwipsRect(6960, 3870, 3705, 2925));
  struct Row {
    QLabel*& Caption;
    QLabel*& Value;
    int Top;
    const char* Text;
  };
  const Row rows[] = {{Label4, lblAyanamsha, 300, "Ayanamsa"},
                      {Label1, lblLagna, 670, "Lagna / Asc"},
                      {Label5, lblNakshatra, 1050, "Nakshatra"},
                      {Label17, lblRashi, 1425, "Rashi/Moon Sign"},
                      {Label2, lblPada, 1785, "Pada"},
                      {Label6, lblLord, 2160, "Lord"},
                      {lblManglikCaption, lblManglik, 2530, "Manglik"}};
  for (const Row& row : rows) {
    row.Caption = FixedLabel(fraVedic, 120, row.Top, 1740, 270, QString::fromUtf8(row.Text));
    row.Value = FixedLabel(fraVedic, 1860, row.Top, 1740, 270, QString());
  }
  lblHouseCaption = FixedLabel(fraVedic, 120, 1785, 1740, 270, QStringLiteral("Houses"));
  lblHouseSystem = FixedLabel(fraVedic, 1860, 1785, 1740, 270, QString());
  lblHouseSystem->setObjectName(QStringLiteral("lblHouses"));
  lblHouseCaption->hide();
  lblHouseSystem->hide();
}

void ChartWindow::CreateWesternPages() {
  // One tab for the three, as for the jyotisha tables, so the row of tabs needs no scrolling.
  westernTabs = new QTabWidget;
  westernTabs->setObjectName(QStringLiteral("westernTabs"));
  westernTabs->tabBar()->setFont(VerdanaFont(8.25, true));
  westernPositionsPage = new WesternPositionsPage;
  westernTabs->addTab(westernPositionsPage, QStringLiteral("Positions"));
  aspectGridPage = new AspectGridPage;
  westernTabs->addTab(aspectGridPage, QStringLiteral("Aspects"));
  tropicalSignsPage = new TropicalSignsPage;
  westernTabs->addTab(tropicalSignsPage, QStringLiteral("Sun, Moon, Ascendant"));
  fraInterpretation->SSTab1->addTab(westernTabs, QStringLiteral("Western"));
  SetWesternPagesVisible(false);
}

void ChartWindow::SetWesternPagesVisible(bool visible) {
  QTabWidget* tabs = fraInterpretation->SSTab1;
  tabs->setTabVisible(tabs->indexOf(westernTabs), visible);
}

void ChartWindow::CreatePositionTable() {
  fraWestern = WhiteFrame(fraChart, QStringLiteral("Planetary Position"),
                          TwipsRect(10800, 3240, 3600, 3285));
  // Name labels by index with their tops; the ones below the frame's height stay hidden by
  // it, spare rows of the design.
  struct NameRow {
    int Index, Top;
    const char* Caption;
  };
  const NameRow names[] = {
      {0, 300, ""},        {1, 615, ""},      {2, 945, ""},         {3, 1275, ""},
      {4, 1590, ""},       {5, 1920, ""},     {6, 2250, ""},        {10, 2565, ""},
      {11, 2895, ""},      {13, 4530, "Asc"}, {7, 4845, "Neptune"}, {8, 5160, "Pluto"},
      {9, 5475, "P_of_F"}, {12, 5790, "MC"},  {14, 6105, "Chiron"}, {15, 6420, "Uranus"}};
  for (const NameRow& row : names) {
    PlanetName[static_cast<std::size_t>(row.Index)] =
        FixedLabel(fraWestern, 150, row.Top, 1935, 285, QString::fromUtf8(row.Caption));
  }
  const int valueTops[] = {300,  615,  945,  1275, 1590, 1920, 2250, 2565,
                           2895, 4530, 4845, 5160, 5475, 5790, 6105, 6420};
  for (std::size_t j = 0; j < Planet.size(); ++j) {
    // The spare rows below the frame have short names: their values sit further left.
    const int left = j <= 8 ? 2070 : 990;
    Planet[j] = FixedLabel(fraWestern, left, valueTops[j], 1365, 285, QString());
  }
  // In the room the short position texts leave at the frame's right edge.
  for (std::size_t j = 0; j < PlanetMarks.size(); ++j) {
    PlanetMarks[j] = FixedLabel(fraWestern, 3255, valueTops[j], 330, 285, QString());
    PlanetMarks[j]->setFont(VerdanaFont(8.25, true));
    PlanetMarks[j]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PlanetMarks[j]->setObjectName(QStringLiteral("lblPlanetMark%1").arg(j));
    QPalette palette = PlanetMarks[j]->palette();
    palette.setColor(QPalette::WindowText, QColor(170, 40, 0));
    PlanetMarks[j]->setPalette(palette);
  }
  SetIndianPlanetNames(*this);
}

void ChartWindow::FillHeader(const ChartRecord& c) {
  SetAutoSized(lblName, QStringLiteral("Name: ") + Text(c.BirthName));
  SetAutoSized(lblCity, QStringLiteral("City: ") + Text(c.BirthCity));
  SetAutoSized(lblState, QStringLiteral("State: ") + Text(c.BirthState));
  SetAutoSized(lblCountry, QStringLiteral("Country: ") + Text(c.BirthCountry));
  SetAutoSized(lblDOB, QStringLiteral("Date of Birth: %1 %2, %3")
                           .arg(QString::fromUtf8(MonthName(c.BirthMonth)))
                           .arg(c.BirthDay)
                           .arg(c.BirthYear));
  SetAutoSized(lblTOB,
               QStringLiteral("Time of Birth: %1 HH %2 MM ").arg(c.BirthHour).arg(c.BirthMinute));
  SetAutoSized(lblZone, ZoneText(c));
  lblZone->move(lblTOB->geometry().right() + 1 + Twips(240), lblTOB->y());
  lblZone->adjustSize();
  KeepInsideFrame(lblZone);
  SetAutoSized(lblLatitude, QStringLiteral("Latitude: %1 Degree %2 Minute %3")
                                .arg(c.LatitudeDegrees)
                                .arg(c.LatitudeMinutes)
                                .arg(c.IsSouthLatitude ? QLatin1Char('S') : QLatin1Char('N')));
  SetAutoSized(lblLongitude, QStringLiteral("Longitude: %1 Degree %2 Minute %3")
                                 .arg(c.LongitudeDegrees)
                                 .arg(c.LongitudeMinutes)
                                 .arg(c.IsEastLongitude ? QLatin1Char('E') : QLatin1Char('W')));
}

void ChartWindow::ShowOtherDetails(const ChartRecord& c) {
  lblAyanamsha->setText(Text(c.AyanamsaDisplay));
  lblLagna->setText(Text(c.AscendantSignName));
  lblNakshatra->setText(Text(c.NakshatraLabel));
  lblRashi->setText(Text(c.MoonSignLabel));
  lblPada->setText(Text(c.NakshatraPada));
  lblLord->setText(Text(c.NakshatraLord));
}

void ChartWindow::ShowPositions(const ChartRecord& c, int rows) {
  for (int j = 0; j < rows; ++j) {
    Planet[static_cast<std::size_t>(j)]->setText(
        Text(c.PlanetPositionTexts[static_cast<std::size_t>(j)]));
  }
}

void ChartWindow::ShowCells(const CellTexts& cells) {
  for (int s = 0; s < 12; ++s) {
    const QString text = Text(cells[static_cast<std::size_t>(s)]);
    picNorthRasi->SetCellText(s, text);
    picSouthRasi->SetCellText(s, text);
    picRashiEast->SetCellText(s, text);
  }
}

void ChartWindow::ShowChartViews(const ChartRecord& sidereal, const CellTexts& birthCells) {
  views_[kBirthChartView] = birthCells;
  viewLagnas_[kBirthChartView] = SignNumberOf(sidereal.AscendantSign);
  for (std::size_t d = 1; d < kDivisions.size(); ++d) {
    FillDivisionalCells(kDivisions[d].Division, sidereal, views_[d]);
    viewLagnas_[d] = DivisionalSign(kDivisions[d].Division, sidereal.Longitudes[kAscendantRow]);
  }
  ascendantText_ = sidereal.AscendantText;
  SelectChartView(kBirthChartView);
}

void ChartWindow::SelectChartView(int view) {
  if (view < 0 || view >= kChartViews) return;
  chartView_ = view;
  const auto v = static_cast<std::size_t>(view);
  ShowCells(views_[v]);
  picNorthRasi->SetLagnaOnTop(lagnaOnTop_ ? viewLagnas_[v] : std::nullopt);
  {
    const QSignalBlocker quiet(cboDivision);
    cboDivision->setCurrentIndex(view);
  }
  ShowAscendantDegree();
  emit chartViewChosen(view);
}

void ChartWindow::SetLagnaOnTop(bool onTop) {
  lagnaOnTop_ = onTop;
  {
    const QSignalBlocker quiet(chkLagnaOnTop);
    chkLagnaOnTop->setChecked(onTop);
  }
  picNorthRasi->SetLagnaOnTop(onTop ? viewLagnas_[static_cast<std::size_t>(chartView_)]
                                    : std::nullopt);
  emit lagnaOnTopChosen(onTop);
}

void ChartWindow::ShowAscendantDegree() {
  if (ascendantText_.empty()) {
    SetAutoSized(lblAscendantDegree, QString());
    return;
  }
  QString text = QStringLiteral("Ascendant: ") + Text(ascendantText_);
  const auto lagna = viewLagnas_[static_cast<std::size_t>(chartView_)];
  if (chartView_ != kBirthChartView && lagna) {
    text += QStringLiteral("    %1 lagna: %2")
                .arg(ChartViewName(chartView_),
                     QString::fromUtf8(kEnglishSignNames[static_cast<std::size_t>(*lagna)].data()));
  }
  SetAutoSized(lblAscendantDegree, text);
}

void ChartWindow::ShowDasha(const ChartRecord& sidereal, CivilDate today, double localHours) {
  dashaPage->Show(sidereal, today, localHours);
}

void ChartWindow::ShowJyotishPages(const ChartRecord& sidereal) {
  // Retrograde motion from the daily speeds the engine wrote with the longitudes.
  const std::array<double, kLongitudeRows>* speeds = &sidereal.SpeedsDegPerDay;
  panchangaPage->Show(sidereal);
  planetStatusPage->Show(sidereal, speeds);
  vargaPage->Show(sidereal);
  ashtakavargaPage->Show(sidereal);
  const auto statuses = PlanetStatuses(sidereal, speeds);
  for (std::size_t j = 0; j < PlanetMarks.size(); ++j) {
    const PlanetStatus& s = statuses[j];
    QStringList marks;
    QStringList words;
    if (s.SignDignity != Dignity::None) {
      const std::string_view dignity = DignityName(s.SignDignity);
      words << QString::fromUtf8(dignity.data(), static_cast<qsizetype>(dignity.size()));
    }
    if (s.Retrograde.value_or(false)) {
      marks << QStringLiteral("R");
      words << QStringLiteral("retrograde");
    }
    if (s.Combust) {
      marks << QStringLiteral("C");
      words << QStringLiteral("combust");
    }
    PlanetMarks[j]->setText(marks.join(QLatin1Char(' ')));
    PlanetMarks[j]->setToolTip(words.join(QStringLiteral(", ")));
    Planet[j]->setToolTip(words.join(QStringLiteral(", ")));
    PlanetMarks[j]->show();
  }
}

void ChartWindow::ShowManglik(const ChartRecord& sidereal) {
  const ManglikResult manglik = ComputeManglik(sidereal);
  lblManglik->setText(ManglikWord(manglik));
  lblManglik->setToolTip(QString::fromStdString(ManglikSummary(manglik)));
  manglikPage->Show(manglik);
}

IndianChartView* ChartWindow::Drawing(ChartStyle style) const {
  switch (style) {
    case ChartStyle::North:
      return picNorthRasi;
    case ChartStyle::East:
      return picRashiEast;
    case ChartStyle::South:
      break;
  }
  return picSouthRasi;
}

void ChartWindow::ShowIndianDrawing(ChartStyle style) {
  for (ChartStyle each : {ChartStyle::South, ChartStyle::North, ChartStyle::East}) {
    Drawing(each)->setVisible(each == style);
  }
  // The house-fixed form is a choice of the North drawing only.
  chkLagnaOnTop->setVisible(style == ChartStyle::North);
}

void ChartWindow::ShowIndianAppearance(ChartStyle style) {
  fraChart->raise();
  ShowIndianDrawing(style);
  picNatal->hide();
  picWestern->hide();
  lblHouseCaption->hide();
  lblHouseSystem->hide();
  SetWesternPagesVisible(false);
  cboDivision->show();
  lblAscendantDegree->show();
  SetStyleCaption(style);
  Label5->setText(QStringLiteral("Nakshatra"));
  Label1->setText(QStringLiteral("Lagna / Asc"));
  Label17->setText(QStringLiteral("Rashi/Moon Sign"));
  SetIndianPlanetNames(*this);
  for (QLabel* label :
       {Label2, Label6, lblPada, lblLord, Label4, lblAyanamsha, lblManglikCaption, lblManglik})
    label->show();
  for (QLabel* mark : PlanetMarks) mark->show();
}

void ChartWindow::ShowPositionsCaption(const ChartRecord& chart, ChartMode mode) {
  const std::string_view caption = PositionsCaption(chart, mode);
  SetAutoSized(lblPositions,
               QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  lblPositions->setVisible(true);
}

void ChartWindow::SetStyleCaption(ChartStyle style) {
  const char* caption = style == ChartStyle::North  ? "North Indian Style"
                        : style == ChartStyle::East ? "East Indian Style"
                                                    : "South Indian Style";
  SetAutoSized(lblStyle, QString::fromUtf8(caption));
}

void ChartWindow::ShowWesternAppearance() {
  for (ChartStyle each : {ChartStyle::South, ChartStyle::North, ChartStyle::East})
    Drawing(each)->hide();
  picNatal->show();
  // The divisions, the house-fixed form and the sidereal ascendant belong to the Indian chart.
  for (QWidget* indianOnly :
       std::initializer_list<QWidget*>{cboDivision, chkLagnaOnTop, lblAscendantDegree})
    indianOnly->hide();
  SetAutoSized(lblStyle, QStringLiteral("Western Style"));
  Label5->setText(QStringLiteral("Sun Sign"));
  Label1->setText(QStringLiteral("Ascendent"));
  Label17->setText(QStringLiteral("Moon Sign"));
  const char* names[] = {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn"};
  for (std::size_t i = 0; i < 7; ++i) PlanetName[i]->setText(QString::fromUtf8(names[i]));
  PlanetName[10]->setText(QStringLiteral("North Node"));
  PlanetName[11]->setText(QStringLiteral("South Node"));
  for (QLabel* label :
       {Label2, Label6, lblPada, lblLord, Label4, lblAyanamsha, lblManglikCaption, lblManglik})
    label->hide();
  // Dignity and combustion are the sidereal chart's.
  for (QLabel* mark : PlanetMarks) mark->hide();
  for (std::size_t j = 0; j < PlanetMarks.size(); ++j) Planet[j]->setToolTip(QString());
}

void ChartWindow::ShowWesternChart(const WesternChart& chart, bool classicWheel) {
  westernChart_ = chart;
  classicWheel_ = classicWheel;
  picWestern->SetChart(chart);
  picNatal->setVisible(classicWheel);
  picWestern->setVisible(!classicWheel);
  const HouseCusps& houses = chart.Houses;
  QString system = QString::fromUtf8(HouseSystemName(houses.Used).data());
  if (houses.PolarFallback()) system += QStringLiteral(" (polar)");
  lblHouseSystem->setText(system);
  lblHouseSystem->setToolTip(HouseSystemText(houses));
  lblHouseCaption->show();
  lblHouseSystem->show();
  westernPositionsPage->Show(chart);
  aspectGridPage->Show(chart);
  auto sign = [&](WesternPoint p) {
    return kEnglishSignNames[static_cast<std::size_t>(chart.At(p).Sign)];
  };
  tropicalSignsPage->Show(sign(WesternPoint::Sun), sign(WesternPoint::Moon),
                          sign(WesternPoint::Ascendant));
  SetWesternPagesVisible(true);
  fraInterpretation->SSTab1->setCurrentWidget(westernTabs);
  westernTabs->setCurrentWidget(westernPositionsPage);
}

void SetIndianPlanetNames(ChartWindow& w) {
  const std::pair<int, const char*> names[] = {
      {0, "Surya / Sun"},    {1, "Chandra / Moon"},     {2, "Budha / Mercury"},
      {3, "Shukra / Venus"}, {4, "Mangala / Mars"},     {5, "Guru / Jupiter"},
      {6, "Shani / Saturn"}, {10, "Rahu / North Node"}, {11, "Ketu / South Node"}};
  for (const auto& [index, caption] : names) {
    w.PlanetName[static_cast<std::size_t>(index)]->setText(QString::fromUtf8(caption));
  }
}

}  // namespace velmora
