#include "birth_fields.h"

#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCompleter>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QStandardItemModel>
#include <algorithm>

#include "engine/files/report.h"
#include "engine/places/zones.h"
#include "ui/platform.h"
#include "velmora/version.h"

namespace velmora {
namespace {

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

BirthFields::BirthFields(Platform& platform, QWidget* parent)
    : QWidget(parent), platform_(platform) {
  setObjectName(QStringLiteral("BirthFields"));
  CreateControls();
  FillLists();
}

void BirthFields::CreateControls() {
  QWidget* central = this;
  auto* fields = new QGridLayout(this);
  grid_ = fields;
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
  connect(txtCity, &QLineEdit::textEdited, this, &BirthFields::OfferPlaces);
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
}

std::vector<QWidget*> BirthFields::TabOrder() const {
  return {txtName,    cboDate,    cboMonth,  cboYear,   cboHour,   cboMinute, cboTimeZone,
          chkDST,     txtLatDeg,  txtLatMin, optLat[0], optLat[1], txtLonDeg, txtLonMin,
          optLong[0], optLong[1], txtCity,   txtState,  txtCountry};
}

void BirthFields::FillLists() {
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

  // Not sorted: the entry index is the zone's row.
  QStringList zones;
  for (const ZoneRow& row : kZoneRows) {
    zones << QString::fromUtf8(row.Label.data(), static_cast<qsizetype>(row.Label.size()));
  }
  cboTimeZone->addItems(zones);

  for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone})
    list->setCurrentIndex(0);
  optLat[0]->setChecked(true);
  optLong[0]->setChecked(true);

  // With a place's zone the DST box is the tz database's answer for the date and time.
  for (QComboBox* list : {cboDate, cboMonth, cboYear, cboHour, cboMinute, cboTimeZone}) {
    connect(list, &QComboBox::currentIndexChanged, this, &BirthFields::FollowTimeZoneDatabase);
  }
}

bool BirthFields::TimeZoneSelected() const {
  return !timeZone_.empty() && cboTimeZone->currentIndex() == kZoneCount;
}

void BirthFields::OfferPlaces(const QString& typed) {
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

void BirthFields::ChoosePlace(const Place& place) {
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

void BirthFields::SelectTimeZone(const std::string& zone) {
  timeZone_ = zone;
  if (cboTimeZone->count() == kZoneCount) cboTimeZone->addItem(QString());
  const QSignalBlocker quiet(cboTimeZone);
  cboTimeZone->setCurrentIndex(kZoneCount);
  FollowTimeZoneDatabase();
}

void BirthFields::FollowTimeZoneDatabase() {
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

BirthFormData BirthFields::Data() const {
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

void BirthFields::ShowEntries(const BirthFormData& entry) {
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

void BirthFields::ShowZone(int zoneRow, bool daylightSaving) {
  cboTimeZone->setCurrentIndex(zoneRow);
  chkDST->setChecked(daylightSaving);
}

QWidget* BirthFields::FieldFor(FormField field) const {
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

void BirthFields::ShowMessage(const QString& text, MessageIcon icon) {
  platform_.ShowMessage(window(), text, icon, QString::fromUtf8(kApplicationTitle));
}

bool BirthFields::AskWhichReading(const BirthFormData& data, const LocalTimeAtPlace& reading) {
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
      window(), text, {describe("Earlier", reading.First), describe("Later", reading.Second)},
      QString::fromUtf8(kApplicationTitle));
  if (!answer) return false;
  chkDST->setChecked(*answer == 0);
  return true;
}

bool BirthFields::ValidateInput() {
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

}  // namespace velmora
