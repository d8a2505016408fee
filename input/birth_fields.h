// The fields of one birth as the birth form lays them out: name, date and time, time zone
// and daylight saving, latitude and longitude with their directions, city (with the places
// of the atlas offered as the user types), state and country; their validation, and the
// entry they hold. The birth form shows one set, the Match window one for each person.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "engine/birth_data.h"
#include "engine/places/atlas.h"

class QCompleter;
class QStandardItemModel;

namespace velmora {

class Platform;

class BirthFields : public QWidget {
  Q_OBJECT

 public:
  // The lists start filled and at their first entries, North and East selected.
  explicit BirthFields(Platform& platform, QWidget* parent = nullptr);

  // Checks the entries in the order the user meets them; shows the first problem, moves the
  // focus to its box and returns false. A time the clocks passed twice asks which it was.
  bool ValidateInput();
  // The entries as they stand.
  BirthFormData Data() const;
  // Puts an entry into the fields: texts, list entries and directions. The time zone and
  // daylight saving stay as they are (a .vmx chart file does not hold them), unless the entry
  // names an IANA zone, which is then selected.
  void ShowEntries(const BirthFormData& entry);
  // Fills city, state, country, latitude and longitude from a place of the atlas and selects
  // its IANA zone, as choosing it from the City box's list does.
  void ChoosePlace(const Place& place);
  // Selects an IANA zone ("Asia/Kathmandu") in the zone list, after the 71 rows: its offset on
  // the chosen date and time is shown beside it, and the DST box follows the tz database.
  void SelectTimeZone(const std::string& zone);
  // Puts a time zone row and daylight saving into the fields (a .vmj chart file holds them).
  void ShowZone(int zoneRow, bool daylightSaving);
  // The places offered for the City box's text, as its list shows them.
  QCompleter* placeCompleter() const { return placeCompleter_; }
  // The grid the fields stand in: columns 0 and 1 on the left, 3 and 4 on the right, rows 0
  // to 6; a window may put its own controls into the cells left free (row 6, columns 3-4).
  QGridLayout* grid() const { return grid_; }
  // The fields in the order the user fills them in, for a window's tab order.
  std::vector<QWidget*> TabOrder() const;

  QLineEdit* txtName;
  QComboBox* cboDate;
  QComboBox* cboMonth;
  QComboBox* cboYear;
  QComboBox* cboHour;
  QComboBox* cboMinute;
  QCheckBox* chkDST;
  QComboBox* cboTimeZone;
  QLineEdit* txtLatDeg;
  QLineEdit* txtLatMin;
  std::array<QRadioButton*, 2> optLat{};  // North, South
  QLineEdit* txtLonDeg;
  QLineEdit* txtLonMin;
  std::array<QRadioButton*, 2> optLong{};  // East, West
  QLineEdit* txtCity;
  QLineEdit* txtState;
  QLineEdit* txtCountry;

 private:
  void CreateControls();
  void FillLists();
  QWidget* FieldFor(FormField field) const;
  void ShowMessage(const QString& text, MessageIcon icon);
  void OfferPlaces(const QString& typed);
  void FollowTimeZoneDatabase();
  bool TimeZoneSelected() const;
  bool AskWhichReading(const BirthFormData& data, const LocalTimeAtPlace& reading);

  Platform& platform_;
  QGridLayout* grid_ = nullptr;
  QCompleter* placeCompleter_ = nullptr;
  QStandardItemModel* placeModel_ = nullptr;
  std::vector<Place> offeredPlaces_;  // the rows of placeModel_
  std::string timeZone_;              // the IANA zone of the item after the 71 rows
};

}  // namespace velmora
