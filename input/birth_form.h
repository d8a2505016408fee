// The birth data form (frmMain): the person's name, date and time, time zone, place and
// coordinates, and the buttons that draw a chart.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <string>
#include <vector>

#include "birth_fields.h"
#include "display/chart_window.h"
#include "engine/birth_data.h"
#include "engine/places/atlas.h"
#include "engine/places/zones.h"

class QAction;
class QCompleter;
class QMenu;
class QStandardItemModel;

namespace velmora {

class LinkLabel;

class Platform;

class BirthForm : public QMainWindow {
  Q_OBJECT

 public:
  // Loading fills the lists (and the zone and wheel tables they come from).
  BirthForm(Platform& platform, LookupTables& tables, QWidget* parent = nullptr);

  // Checks the entries in the order the user meets them; shows the first problem, moves the
  // focus to its box and returns false.
  bool ValidateInput();
  // The entries as they stand.
  BirthFormData Data() const;
  // Puts an entry on the form: texts, list entries and directions. The time zone and daylight
  // saving stay as they are (a chart file does not hold them), unless the entry names an
  // IANA zone, which is then selected.
  void ShowEntries(const BirthFormData& entry);
  // Fills city, state, country, latitude and longitude from a place of the atlas and selects
  // its IANA zone, as choosing it from the City box's list does.
  void ChoosePlace(const Place& place);
  // Selects an IANA zone ("Asia/Kathmandu") in the zone list, after the 71 rows: its offset on
  // the chosen date and time is shown beside it, and the DST box follows the tz database.
  void SelectTimeZone(const std::string& zone);
  // The places offered for the City box's text, as its list shows them.
  QCompleter* placeCompleter() const { return fields_->placeCompleter(); }
  // The fields themselves, which the Match window lays out twice.
  BirthFields& fields() const { return *fields_; }
  // Puts a time zone row and daylight saving on the form (a .vmj chart file holds them).
  void ShowZone(int zoneRow, bool daylightSaving);
  // The coordinate lookup on the product web site.
  void Command1_Click();

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
  QPushButton* cmdCalculate;
  QPushButton* cmdCalculate2;
  QPushButton* cmdCalculate3;
  QPushButton* Command2;
  QPushButton* Command1;
  LinkLabel* lblBanner;
  LinkLabel* lblPromotion;

  QMenu* mnuFile;
  QAction* mnuOpen;
  QAction* mnuMatch;  // the Match window
  QAction* mnuKundali;
  QAction* mnuExit;
  QMenu* mnuHelp;
  QAction* mnuAbout;
  QAction* mnuDonate;

 signals:
  void indianChartRequested(ChartStyle style);
  void westernChartRequested();
  void aboutRequested();
  void exitRequested();
  void openRequested();
  void matchRequested();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  void CreateMenus();
  void FillLists();
  void SetTabOrder();
  void ShowMessage(const QString& text, MessageIcon icon);

  Platform& platform_;
  LookupTables& tables_;
  BirthFields* fields_ = nullptr;
};

}  // namespace velmora
