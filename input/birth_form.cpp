#include "birth_form.h"

#include <QAbstractItemView>
#include <QAction>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QCompleter>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>

#include "engine/files/report.h"
#include "ui/link_label.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"
#include "velmora/version.h"

namespace velmora {
namespace {

constexpr int kClientWidth = 8565;  // twips
constexpr int kClientHeight = 5790;

// The City box offers this many places at most, the largest first.
constexpr std::size_t kOfferedPlaces = 12;
// The City box's list puts the place's name into the box, and shows its whole label.
constexpr int kPlaceNameRole = Qt::UserRole + 1;
constexpr int kPlaceRowRole = Qt::UserRole + 2;

QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The zone list is narrower than its longest names: its drop-down is widened to show them
// whole, measured when it first opens rather than while the form starts.
class ZoneList : public QComboBox {
 public:
  using QComboBox::QComboBox;
  void showPopup() override {
    view()->setMinimumWidth(view()->sizeHintForColumn(0) + 24);
    QComboBox::showPopup();
  }
};

QComboBox* ListBox(QWidget* parent, const char* name) {
  auto* box = new QComboBox(parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setEditable(false);  // pick only: the lists hold every value the form accepts
  return box;
}

QLineEdit* TextBox(QWidget* parent, const char* name) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromUtf8(name));
  return box;
}

// Degree and minute boxes: at most three characters, and digits only while typing.
QLineEdit* NumberBox(QWidget* parent, const char* name) {
  QLineEdit* box = TextBox(parent, name);
  box->setMaxLength(3);
  box->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), box));
  box->setFixedWidth(40);
  return box;
}

QLabel* Caption(QWidget* parent, const char* text) {
  return new QLabel(QString::fromUtf8(text), parent);
}

}  // namespace

BirthForm::BirthForm(Platform& platform, LookupTables& tables, QWidget* parent)
    : QMainWindow(parent), platform_(platform), tables_(tables) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromUtf8(kApplicationCaption));
  setFont(VerdanaFont(8.25));
  CreateControls();
  CreateMenus();
  FillLists();
  SetTabOrder();
  txtName->setFocus();

  // A fixed window of the designed client size, centred on the screen.
  centralWidget()->setFixedSize(TwipsSize(kClientWidth, kClientHeight));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void BirthForm::CreateControls() {
  auto* central = new QWidget(this);
  auto* page = new QVBoxLayout(central);
  page->setContentsMargins(0, 0, 0, 0);
  page->setSpacing(6);

  lblBanner = new LinkLabel(
      QStringLiteral("Your birth chart in three Indian styles and the Western wheel - "
                     "learn more about Velmora"),
      central);
  lblBanner->setAlignment(Qt::AlignCenter);
  lblBanner->setObjectName(QStringLiteral("lblBanner"));
  lblBanner->setAutoFillBackground(true);
  QPalette banner = lblBanner->palette();
  banner.setColor(QPalette::Window, kOrangeYellow);
  lblBanner->setPalette(banner);
  lblBanner->setFont(VerdanaFont(8.25, true));
  lblBanner->setFixedHeight(24);
  connect(lblBanner, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("home-page"))); });
  page->addWidget(lblBanner);

  auto* fields = new QGridLayout;
  fields->setContentsMargins(12, 2, 12, 0);
  fields->setHorizontalSpacing(6);
  fields->setVerticalSpacing(9);

  txtName = TextBox(central, "txtName");
  fields->addWidget(Caption(central, "Name"), 0, 0);
  fields->addWidget(txtName, 0, 1, 1, 4);

  cboDate = ListBox(central, "cboDate");
  cboMonth = ListBox(central, "cboMonth");
  cboYear = ListBox(central, "cboYear");
  auto* date = new QHBoxLayout;
  date->setSpacing(4);
  date->addWidget(cboDate);
  date->addWidget(cboMonth, 1);
  date->addWidget(cboYear);
  fields->addWidget(Caption(central, "Date of Birth"), 1, 0);
  fields->addLayout(date, 1, 1);

  cboHour = ListBox(central, "cboHour");
  cboMinute = ListBox(central, "cboMinute");
  auto* time = new QHBoxLayout;
  time->setSpacing(4);
  time->addWidget(cboHour);
  time->addWidget(cboMinute);
  time->addWidget(Caption(central, "HH/MM"));
  time->addStretch();
  fields->addWidget(Caption(central, "Time of Birth"), 2, 0);
  fields->addLayout(time, 2, 1);

  cboTimeZone = new ZoneList(central);
  cboTimeZone->setObjectName(QStringLiteral("cboTimeZone"));
  cboTimeZone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
  cboTimeZone->setMinimumContentsLength(18);
  cboTimeZone->setMaxVisibleItems(20);
  fields->addWidget(Caption(central, "Time Zone"), 3, 0);
  fields->addWidget(cboTimeZone, 3, 1);

  chkDST = new QCheckBox(QStringLiteral("Daylight Saving Time"), central);
  chkDST->setObjectName(QStringLiteral("chkDST"));
  fields->addWidget(chkDST, 4, 1);

  auto coordinate = [&](const char* caption, QLineEdit*& degrees, const char* degName,
                        QLineEdit*& minutes, const char* minName,
                        std::array<QRadioButton*, 2>& options, const char* first,
                        const char* second, int row) {
    degrees = NumberBox(central, degName);
    minutes = NumberBox(central, minName);
    auto* boxes = new QHBoxLayout;
    boxes->setSpacing(4);
    boxes->addWidget(degrees);
    boxes->addWidget(minutes);
    boxes->addWidget(Caption(central, "DEG/MIN"));
    boxes->addStretch();
    fields->addWidget(Caption(central, caption), row, 3);
    fields->addLayout(boxes, row, 4);
    auto* group = new QButtonGroup(central);
    auto* directions = new QHBoxLayout;
    for (int i = 0; i < 2; ++i) {
      options[static_cast<std::size_t>(i)] =
          new QRadioButton(QString::fromUtf8(i == 0 ? first : second), central);
      group->addButton(options[static_cast<std::size_t>(i)], i);
      directions->addWidget(options[static_cast<std::size_t>(i)]);
    }
    directions->addStretch();
    fields->addLayout(directions, row + 1, 4);
  };
  coordinate("Latitude", txtLatDeg, "txtLatDeg", txtLatMin, "txtLatMin", optLat, "North", "South",
             1);
  coordinate("Longitude", txtLonDeg, "txtLonDeg", txtLonMin, "txtLonMin", optLong, "East", "West",
             3);
  optLat[0]->setObjectName(QStringLiteral("optLat0"));
  optLat[1]->setObjectName(QStringLiteral("optLat1"));
  optLong[0]->setObjectName(QStringLiteral("optLong0"));
  optLong[1]->setObjectName(QStringLiteral("optLong1"));
  fields->setColumnMinimumWidth(2, 10);

  txtCity = TextBox(central, "txtCity");
  txtState = TextBox(central, "txtState");
  txtCountry = TextBox(central, "txtCountry");
  txtCity->setPlaceholderText(QStringLiteral("Type to find the place"));
  placeModel_ = new QStandardItemModel(this);
  placeCompleter_ = new QCompleter(placeModel_, this);
  placeCompleter_->setObjectName(QStringLiteral("placeCompleter"));
  // The engine has already matched and ranked the places: show them as they come.
  placeCompleter_->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
  placeCompleter_->setCompletionRole(kPlaceNameRole);
  placeCompleter_->setMaxVisibleItems(static_cast<int>(kOfferedPlaces));
  txtCity->setCompleter(placeCompleter_);
  connect(txtCity, &QLineEdit::textEdited, this, &BirthForm::OfferPlaces);
  connect(placeCompleter_, qOverload<const QModelIndex&>(&QCompleter::activated), this,
          [this](const QModelIndex& index) {
            const int row = index.data(kPlaceRowRole).toInt();
            if (row >= 0 && static_cast<std::size_t>(row) < offeredPlaces_.size()) {
              ChoosePlace(offeredPlaces_[static_cast<std::size_t>(row)]);
            }
          });
  fields->addWidget(Caption(central, "City"), 5, 0);
  fields->addWidget(txtCity, 5, 1);
  fields->addWidget(Caption(central, "State"), 5, 3);
  fields->addWidget(txtState, 5, 4);
  fields->addWidget(Caption(central, "Country"), 6, 0);
  fields->addWidget(txtCountry, 6, 1);
  Command1 = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), central);
  Command1->setObjectName(QStringLiteral("Command1"));
  fields->addWidget(Command1, 6, 3, 1, 2);
  connect(Command1, &QPushButton::clicked, this, &BirthForm::Command1_Click);
  page->addLayout(fields);
  page->addSpacing(6);

  auto* buttons = new QGridLayout;
  buttons->setContentsMargins(12, 4, 12, 0);
  buttons->setSpacing(6);
  auto chartButton = [&](const char* caption, const char* name, int row, int column) {
    auto* button = new QPushButton(QString::fromUtf8(caption), central);
    button->setObjectName(QString::fromUtf8(name));
    button->setFont(VerdanaFont(8.25, true));
    button->setMinimumHeight(32);
    buttons->addWidget(button, row, column);
    return button;
  };
  cmdCalculate = chartButton("Get My Birth Chart (&South Indian Style)", "cmdCalculate", 0, 0);
  cmdCalculate2 = chartButton("Get My Birth Chart (&North Indian Style)", "cmdCalculate2", 0, 1);
  cmdCalculate3 = chartButton("Get My Birth Chart (&East Indian Style)", "cmdCalculate3", 1, 0);
  Command2 = chartButton("Get My Birth Chart (&Western Style)", "Command2", 1, 1);
  connect(cmdCalculate, &QPushButton::clicked, this,
          [this] { emit indianChartRequested(ChartStyle::South); });
  connect(cmdCalculate2, &QPushButton::clicked, this,
          [this] { emit indianChartRequested(ChartStyle::North); });
  connect(cmdCalculate3, &QPushButton::clicked, this,
          [this] { emit indianChartRequested(ChartStyle::East); });
  connect(Command2, &QPushButton::clicked, this, &BirthForm::westernChartRequested);
  page->addLayout(buttons);
  page->addStretch();

  auto* promotion = new QFrame(central);
  promotion->setObjectName(QStringLiteral("fraPromotion"));
  promotion->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* promotionLayout = new QVBoxLayout(promotion);
  promotionLayout->setContentsMargins(6, 4, 6, 4);
  lblPromotion =
      new LinkLabel(QStringLiteral("Astrologers: print Velmora charts for your clients under your "
                                   "own name and colours"),
                    promotion);
  lblPromotion->setAlignment(Qt::AlignCenter);
  lblPromotion->setObjectName(QStringLiteral("lblPromotion"));
  promotionLayout->addWidget(lblPromotion);
  connect(lblPromotion, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("fully-branded"))); });
  auto* promotionRow = new QHBoxLayout;
  promotionRow->setContentsMargins(12, 0, 12, 8);
  promotionRow->addWidget(promotion);
  page->addLayout(promotionRow);

  setCentralWidget(central);
}

void BirthForm::SetTabOrder() {
  // The order the user fills the form in: who, when, the zone, where, then the buttons.
  QWidget* const order[] = {txtName,      cboDate,       cboMonth,      cboYear,    cboHour,
                            cboMinute,    cboTimeZone,   chkDST,        txtLatDeg,  txtLatMin,
                            optLat[0],    optLat[1],     txtLonDeg,     txtLonMin,  optLong[0],
                            optLong[1],   txtCity,       txtState,      txtCountry, Command1,
                            cmdCalculate, cmdCalculate2, cmdCalculate3, Command2};
  for (std::size_t i = 1; i < std::size(order); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
}

void BirthForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  mnuFile = bar->addMenu(QStringLiteral("&File"));
  // A saved chart opens straight from the form, without drawing one first.
  mnuOpen = mnuFile->addAction(QStringLiteral("&Open"));
  mnuOpen->setShortcut(QKeySequence::Open);
  connect(mnuOpen, &QAction::triggered, this, &BirthForm::openRequested);
  mnuFile->addSeparator();
  mnuKundali = mnuFile->addAction(QStringLiteral("Get My Janam &Kundali"));
  mnuKundali->setVisible(false);
  connect(mnuKundali, &QAction::triggered, cmdCalculate, &QPushButton::click);
  mnuFile->addSeparator()->setVisible(false);
  mnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
  connect(mnuExit, &QAction::triggered, this, &QWidget::close);

  mnuHelp = bar->addMenu(QStringLiteral("&Help"));
  auto web = [this](const char* caption, const char* page) {
    QAction* action = mnuHelp->addAction(QString::fromUtf8(caption));
    const QString address = QString::fromUtf8(page);
    connect(action, &QAction::triggered, this,
            [this, address] { platform_.OpenWebAddress(ProductPage(address)); });
  };
  web("&Online Help", "online-help");
  web("&Visit Us Online", "home-page");
  mnuHelp->addSeparator();
  web("Check for Software &Update", "check-update");
  mnuHelp->addSeparator();
  mnuAbout = mnuHelp->addAction(QStringLiteral("&About Software"));
  connect(mnuAbout, &QAction::triggered, this, &BirthForm::aboutRequested);

  mnuDonate = bar->addAction(QStringLiteral("Donate"));
  connect(mnuDonate, &QAction::triggered, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("donate"))); });
}

void BirthForm::FillLists() {
  // Each list is filled in one go: the form is on screen sooner.
  auto numbers = [](int first, int last) {
    QStringList texts;
    for (int n = first; n <= last; ++n) texts << QString::number(n);
    return texts;
  };
  cboDate->addItems(numbers(1, 31));
  QStringList months;
  for (int month = 1; month <= 12; ++month) months << QString::fromUtf8(MonthName(month));
  cboMonth->addItems(months);
  cboYear->addItems(numbers(kFirstYear, kLastYear));
  cboHour->addItems(numbers(0, 24));
  cboMinute->addItems(numbers(0, 59));

  FillZoneTables(tables_);
  // Not sorted: the entry index is the zone's row.
  QStringList zones;
  for (const std::string_view label : tables_.ZoneLabelTable) {
    zones << QString::fromUtf8(label.data(), static_cast<qsizetype>(label.size()));
  }
  cboTimeZone->addItems(zones);
  FillWheelLists(tables_);

  for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone})
    list->setCurrentIndex(0);
  optLat[0]->setChecked(true);
  optLong[0]->setChecked(true);

  // With a place's zone the DST box is the tz database's answer for the date and time.
  for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone}) {
    connect(list, &QComboBox::currentIndexChanged, this, &BirthForm::FollowTimeZoneDatabase);
  }
}

bool BirthForm::TimeZoneSelected() const {
  return !timeZone_.empty() && cboTimeZone->currentIndex() == kZoneCount;
}

void BirthForm::OfferPlaces(const QString& typed) {
  offeredPlaces_ = FindPlaces(typed.toStdString(), kOfferedPlaces);
  placeModel_->clear();
  for (std::size_t row = 0; row < offeredPlaces_.size(); ++row) {
    const Place& place = offeredPlaces_[row];
    auto* item = new QStandardItem(FromUtf8(PlaceLabel(place)) + QStringLiteral("  (") +
                                   FromUtf8(place.TimeZone) + QLatin1Char(')'));
    item->setData(FromUtf8(place.Name), kPlaceNameRole);
    item->setData(static_cast<int>(row), kPlaceRowRole);
    item->setEditable(false);
    placeModel_->appendRow(item);
  }
  QAbstractItemView* list = placeCompleter_->popup();
  if (offeredPlaces_.empty()) {
    list->hide();
    return;
  }
  // The labels are longer than the City box is wide: the list shows them whole.
  list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                        list->verticalScrollBar()->sizeHint().width());
  placeCompleter_->complete();
}

void BirthForm::ChoosePlace(const Place& place) {
  txtCity->setText(FromUtf8(place.Name));
  txtState->setText(FromUtf8(place.State));
  txtCountry->setText(FromUtf8(place.Country));
  const DegreesMinutes lat = ToDegreesMinutes(place.LatitudeDegrees);
  const DegreesMinutes lon = ToDegreesMinutes(place.LongitudeDegrees);
  txtLatDeg->setText(QString::number(lat.Degrees));
  txtLatMin->setText(QString::number(lat.Minutes));
  optLat[lat.Negative ? 1 : 0]->setChecked(true);
  txtLonDeg->setText(QString::number(lon.Degrees));
  txtLonMin->setText(QString::number(lon.Minutes));
  optLong[lon.Negative ? 1 : 0]->setChecked(true);
  SelectTimeZone(std::string(place.TimeZone));
}

void BirthForm::SelectTimeZone(const std::string& zone) {
  timeZone_ = zone;
  if (cboTimeZone->count() == kZoneCount) cboTimeZone->addItem(QString());
  const QSignalBlocker quiet(cboTimeZone);
  cboTimeZone->setCurrentIndex(kZoneCount);
  FollowTimeZoneDatabase();
}

void BirthForm::FollowTimeZoneDatabase() {
  const bool iana = TimeZoneSelected();
  chkDST->setEnabled(!iana);
  chkDST->setToolTip(iana ? QStringLiteral("Set from the time-zone database for the place, date "
                                           "and time")
                          : QString());
  if (timeZone_.empty()) return;
  const BirthFormData f = Data();
  const auto reading = ReadLocalTime(timeZone_, f.Year, f.Month, f.Day, f.Hour, f.Minute);
  QString shown;
  if (!reading) {
    shown = FromUtf8(timeZone_) + QStringLiteral(" (not in the time-zone database)");
  } else if (reading->Kind == LocalTimeKind::Skipped) {
    shown = FromUtf8(timeZone_) + QStringLiteral(" (this time was skipped on this date)");
  } else if (reading->Kind == LocalTimeKind::Repeated) {
    shown = FromUtf8(timeZone_) + QStringLiteral(" (") +
            FromUtf8(FormatUtcOffset(reading->First.UtcOffsetSeconds)) + QStringLiteral(" or ") +
            FromUtf8(FormatUtcOffset(reading->Second.UtcOffsetSeconds)) +
            QStringLiteral(" on this date)");
  } else {
    shown = FromUtf8(ZoneDisplayName(timeZone_, reading->First.UtcOffsetSeconds));
  }
  cboTimeZone->setItemText(kZoneCount, shown);
  // The closed list is narrower than a long zone name with its offset.
  cboTimeZone->setToolTip(iana ? shown : QString());
  if (!iana || !reading) return;
  // A repeated hour keeps the box as it is: the chart command asks which reading it was.
  if (reading->Kind == LocalTimeKind::Unique) chkDST->setChecked(reading->First.DaylightSaving);
  if (reading->Kind == LocalTimeKind::Skipped) chkDST->setChecked(false);
}

BirthFormData BirthForm::Data() const {
  BirthFormData f;
  f.Name = txtName->text().toStdString();
  f.Day = cboDate->currentText().toInt();
  f.Month = cboMonth->currentIndex() + 1;
  f.Year = cboYear->currentText().toInt();
  f.Hour = cboHour->currentText().toInt();
  f.Minute = cboMinute->currentText().toInt();
  f.ZoneRow = std::clamp(cboTimeZone->currentIndex(), 0, kZoneCount - 1);
  if (TimeZoneSelected()) {
    f.ZoneRow = 0;
    f.TimeZoneName = timeZone_;
  }
  f.DaylightSaving = chkDST->isChecked();
  f.LatitudeDegrees = txtLatDeg->text().toStdString();
  f.LatitudeMinutes = txtLatMin->text().toStdString();
  f.LongitudeDegrees = txtLonDeg->text().toStdString();
  f.LongitudeMinutes = txtLonMin->text().toStdString();
  f.LatitudeOption = optLat[0]->isChecked() ? 0 : optLat[1]->isChecked() ? 1 : -1;
  f.LongitudeOption = optLong[0]->isChecked() ? 0 : optLong[1]->isChecked() ? 1 : -1;
  f.City = txtCity->text().toStdString();
  f.State = txtState->text().toStdString();
  f.Country = txtCountry->text().toStdString();
  return f;
}

void BirthForm::ShowEntries(const BirthFormData& entry) {
  txtName->setText(QString::fromStdString(entry.Name));
  cboDate->setCurrentIndex(entry.Day - 1);
  cboMonth->setCurrentIndex(entry.Month - 1);
  cboYear->setCurrentIndex(entry.Year - kFirstYear);
  cboHour->setCurrentIndex(entry.Hour);
  cboMinute->setCurrentIndex(entry.Minute);
  txtLatDeg->setText(QString::fromStdString(entry.LatitudeDegrees));
  txtLatMin->setText(QString::fromStdString(entry.LatitudeMinutes));
  optLat[entry.LatitudeOption == 0 ? 0 : 1]->setChecked(true);
  txtLonDeg->setText(QString::fromStdString(entry.LongitudeDegrees));
  txtLonMin->setText(QString::fromStdString(entry.LongitudeMinutes));
  optLong[entry.LongitudeOption == 0 ? 0 : 1]->setChecked(true);
  txtCity->setText(QString::fromStdString(entry.City));
  txtState->setText(QString::fromStdString(entry.State));
  txtCountry->setText(QString::fromStdString(entry.Country));
  if (!entry.TimeZoneName.empty()) {
    SelectTimeZone(entry.TimeZoneName);
    // Of the two readings of a repeated hour, the entry's daylight saving is the one it meant.
    const auto reading = ReadBirthLocalTime(entry);
    if (reading && reading->Kind == LocalTimeKind::Repeated)
      chkDST->setChecked(entry.DaylightSaving);
  }
  FollowTimeZoneDatabase();
}

void BirthForm::ShowZone(int zoneRow, bool daylightSaving) {
  cboTimeZone->setCurrentIndex(zoneRow);
  chkDST->setChecked(daylightSaving);
}

QWidget* BirthForm::FieldFor(FormField field) const {
  switch (field) {
    case FormField::Name:
      return txtName;
    case FormField::LatitudeDegrees:
      return txtLatDeg;
    case FormField::LatitudeMinutes:
      return txtLatMin;
    case FormField::LongitudeDegrees:
      return txtLonDeg;
    case FormField::LongitudeMinutes:
      return txtLonMin;
    case FormField::City:
      return txtCity;
    case FormField::State:
      return txtState;
    case FormField::Country:
      return txtCountry;
    case FormField::LatitudeDirection:
      return optLat[0];
    case FormField::LongitudeDirection:
      return optLong[0];
    case FormField::Date:
      return cboDate;
    case FormField::Year:
      return cboYear;
    case FormField::Hour:
      return cboHour;
    case FormField::Minute:
      return cboMinute;
    case FormField::TimeZone:
      return cboTimeZone;
  }
  return nullptr;
}

void BirthForm::ShowMessage(const QString& text, MessageIcon icon) {
  platform_.ShowMessage(this, text, icon, QString::fromUtf8(kApplicationTitle));
}

bool BirthForm::AskWhichReading(const BirthFormData& data, const LocalTimeAtPlace& reading) {
  auto describe = [](const char* when, const ZoneReading& r) {
    return QString::fromUtf8(when) + QStringLiteral(" (UTC") +
           FromUtf8(FormatUtcOffset(r.UtcOffsetSeconds)) +
           (r.DaylightSaving ? QStringLiteral(", daylight saving)") : QStringLiteral(")"));
  };
  const QString text =
      QStringLiteral("The time ") +
      FromUtf8(LocalTimeText(data.Year, data.Month, data.Day, data.Hour, data.Minute)) +
      QStringLiteral(" happened twice in ") + FromUtf8(data.TimeZoneName) +
      QStringLiteral(": the clocks were put back. Which one is the time of birth?");
  const auto answer = platform_.ChooseAnswer(
      this, text, {describe("Earlier", reading.First), describe("Later", reading.Second)},
      QString::fromUtf8(kApplicationTitle));
  if (!answer) return false;
  chkDST->setChecked(*answer == 0);
  return true;
}

bool BirthForm::ValidateInput() {
  const BirthFormData data = Data();
  const auto failure = velmora::ValidateInput(data);
  if (!failure) {
    const auto reading = ReadBirthLocalTime(data);
    if (reading && reading->Kind == LocalTimeKind::Repeated) return AskWhichReading(data, *reading);
    return true;
  }
  ShowMessage(QString::fromStdString(failure->Message), failure->Icon);
  switch (failure->Field) {
    case FormField::LatitudeDirection:
      optLat[0]->setChecked(true);
      break;
    case FormField::LongitudeDirection:
      optLong[0]->setChecked(true);
      break;
    case FormField::Date:
      break;  // the date checks leave the focus where it is
    default:
      FieldFor(failure->Field)->setFocus();
  }
  return false;
}

void BirthForm::Command1_Click() {
  const std::pair<QLineEdit*, const char*> required[] = {{txtCity, "Please Enter City"},
                                                         {txtState, "Please Enter State"},
                                                         {txtCountry, "Please Enter Country"}};
  for (const auto& [box, message] : required) {
    if (box->text().isEmpty()) {
      ShowMessage(QString::fromUtf8(message), MessageIcon::Information);
      box->setFocus();
      return;
    }
  }
  const QString phrase = txtCity->text() + QLatin1Char(' ') + txtState->text() + QLatin1Char(' ') +
                         txtCountry->text() + QStringLiteral(" Latitude Longitude");
  platform_.OpenWebAddress(ProductSearch(phrase));
}

void BirthForm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  emit exitRequested();
}

}  // namespace velmora
