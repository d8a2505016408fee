// The whole program started on a scripted desktop, with helpers to fill the birth form the
// way a user would.
#pragma once

#include <QApplication>
#include <QTest>
#include <memory>

#include "app/velmora_app.h"
#include "scripted_platform.h"

namespace velmora::test {

struct BirthEntry {
  QString Name = QStringLiteral("Asha Rao");
  int Day = 15;
  int Month = 6;
  int Year = 1980;
  int Hour = 10;
  int Minute = 30;
  int ZoneRow = 34;  // "Indian Time, IST, +5.3"
  bool Dst = false;
  QString LatDeg = QStringLiteral("28"), LatMin = QStringLiteral("36");
  bool South = false;
  QString LonDeg = QStringLiteral("77"), LonMin = QStringLiteral("13");
  bool West = false;
  QString City = QStringLiteral("New Delhi"), State = QStringLiteral("Delhi"),
          Country = QStringLiteral("India");
};

// Greenwich at latitude and longitude zero on 1 January 2000, local time = universal time.
inline BirthEntry GreenwichEntry(int hour, int minute) {
  BirthEntry e;
  e.Name = QStringLiteral("Lena Brandt");
  e.Day = 1;
  e.Month = 1;
  e.Year = 2000;
  e.Hour = hour;
  e.Minute = minute;
  e.ZoneRow = 29;  // "Greenwich Mean Time,GMT,0.0"
  e.LatDeg = e.LatMin = e.LonDeg = e.LonMin = QStringLiteral("0");
  e.City = QStringLiteral("Greenwich");
  e.State = QStringLiteral("London");
  e.Country = QStringLiteral("United Kingdom");
  return e;
}

// What the program remembers when the fixture starts it.
enum class StartWith {
  // The classic formulas chosen, as a user might have in an earlier run: the charts the
  // window tests were written against, figure for figure.
  ClassicFormulas,
  // Whatever the preferences file holds; a fresh one holds nothing, as on a first run.
  SavedPreferences,
};

class AppFixture {
 public:
  // `settingsPath`: the preferences file, to start the program again over what an earlier
  // fixture left; empty for a fresh one.
  explicit AppFixture(StartWith start = StartWith::ClassicFormulas,
                      const QString& settingsPath = QString())
      : platform(settingsPath), app(std::make_unique<VelmoraApp>(platform)) {
    app->Start();
    if (start == StartWith::ClassicFormulas) app->SetClassicFormulas(true);
    // Focus and access keys need an active window.
    Activate(&form());
  }
  ~AppFixture() {
    app.reset();
    // Windows closed by the program are deleted later; let that happen between tests.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  BirthForm& form() { return app->form(); }
  MainWindow* main() { return app->mainWindow(); }
  ChartWindow& chart() { return app->mainWindow()->chartWindow(); }

  // Types the entry into the form: text boxes by keystrokes, lists by selection.
  void Fill(const BirthEntry& e) {
    BirthForm& f = form();
    auto type = [](QLineEdit* box, const QString& text) {
      box->clear();
      QTest::keyClicks(box, text);
    };
    type(f.txtName, e.Name);
    f.cboDate->setCurrentIndex(e.Day - 1);
    f.cboMonth->setCurrentIndex(e.Month - 1);
    f.cboYear->setCurrentIndex(e.Year - kFirstYear);
    f.cboHour->setCurrentIndex(e.Hour);
    f.cboMinute->setCurrentIndex(e.Minute);
    f.cboTimeZone->setCurrentIndex(e.ZoneRow);
    f.chkDST->setChecked(e.Dst);
    type(f.txtLatDeg, e.LatDeg);
    type(f.txtLatMin, e.LatMin);
    f.optLat[e.South ? 1 : 0]->setChecked(true);
    type(f.txtLonDeg, e.LonDeg);
    type(f.txtLonMin, e.LonMin);
    f.optLong[e.West ? 1 : 0]->setChecked(true);
    type(f.txtCity, e.City);
    type(f.txtState, e.State);
    type(f.txtCountry, e.Country);
  }

  void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }

  static void Activate(QWidget* window) {
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window)) QApplication::setActiveWindow(window);
  }

  ScriptedPlatform platform;
  std::unique_ptr<VelmoraApp> app;
};

}  // namespace velmora::test
