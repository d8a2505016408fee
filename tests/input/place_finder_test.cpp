// The City box's place finder and the zone from the tz database, driven as a user would:
// typing a name, choosing a place from the list, changing the date and time, pressing a
// chart button, answering the question about a repeated hour.
#include <QAbstractItemView>
#include <QCompleter>
#include <QtTest>

#include "app_fixture.h"
#include "example_births.h"

Q_DECLARE_METATYPE(std::optional<int>)

namespace velmora::test {

class PlaceFinderTest : public QObject {
  Q_OBJECT

  // Types into the City box, then takes the first place the list offers with the keyboard.
  static void TypeAndChooseFirst(AppFixture& f, const QString& typed) {
    BirthForm& form = f.form();
    form.txtCity->clear();
    form.txtCity->setFocus();
    QTest::keyClicks(form.txtCity, typed);
    QAbstractItemView* list = form.placeCompleter()->popup();
    QVERIFY(list->isVisible());
    QVERIFY(list->model()->rowCount() > 0);
    list->setCurrentIndex(list->model()->index(0, 0));
    QTest::keyClick(list, Qt::Key_Return);
  }

  static void SetDateTime(BirthForm& form, int year, int month, int day, int hour, int minute) {
    form.cboYear->setCurrentIndex(year - kFirstYear);
    form.cboMonth->setCurrentIndex(month - 1);
    form.cboDate->setCurrentIndex(day - 1);
    form.cboHour->setCurrentIndex(hour);
    form.cboMinute->setCurrentIndex(minute);
  }

 private slots:
  void choosingAPlaceFillsTheForm_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QList<int>>("dateTime");  // year, month, day, hour, minute
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QStringList>("coordinates");  // lat deg, min, N/S, lon deg, min, E/W
    QTest::addColumn<QString>("zone");
    QTest::addColumn<bool>("dst");

    QTest::newRow("Kathmandu 1990, a quarter-hour zone")
        << "kathm" << QList<int>{1990, 5, 1, 8, 0} << "Kathmandu"
        << "Bagmati Province"
        << "Nepal" << QStringList{"27", "42", "North", "85", "19", "East"}
        << "Asia/Kathmandu (+5:45 on this date)" << false;
    QTest::newRow("sao paulo typed without accents, south and west")
        << "sao paulo" << QList<int>{1986, 1, 10, 12, 0} << "S\u00E3o Paulo"
        << "S\u00E3o Paulo"
        << "Brazil" << QStringList{"23", "33", "South", "46", "38", "West"}
        << "America/Sao_Paulo (-2:00 on this date)" << true;
    QTest::newRow("New York July 1969, summer time")
        << "new york" << QList<int>{1969, 7, 20, 22, 56} << "New York"
        << "New York"
        << "United States of America" << QStringList{"40", "43", "North", "74", "0", "West"}
        << "America/New_York (-4:00 on this date)" << true;
    QTest::newRow("India 1943, war time")
        << "kolkata" << QList<int>{1943, 6, 1, 12, 0} << "Kolkata"
        << "State of West Bengal"
        << "India" << QStringList{"22", "34", "North", "88", "22", "East"}
        << "Asia/Kolkata (+6:30 on this date)" << true;
  }

  void choosingAPlaceFillsTheForm() {
    QFETCH(QString, typed);
    QFETCH(QList<int>, dateTime);
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QStringList, coordinates);
    QFETCH(QString, zone);
    QFETCH(bool, dst);
    AppFixture f;
    BirthForm& form = f.form();
    SetDateTime(form, dateTime[0], dateTime[1], dateTime[2], dateTime[3], dateTime[4]);
    TypeAndChooseFirst(f, typed);
    QCOMPARE(form.txtCity->text(), city);
    QCOMPARE(form.txtState->text(), state);
    QCOMPARE(form.txtCountry->text(), country);
    QCOMPARE(form.txtLatDeg->text(), coordinates[0]);
    QCOMPARE(form.txtLatMin->text(), coordinates[1]);
    QVERIFY(form.optLat[coordinates[2] == "North" ? 0 : 1]->isChecked());
    QCOMPARE(form.txtLonDeg->text(), coordinates[3]);
    QCOMPARE(form.txtLonMin->text(), coordinates[4]);
    QVERIFY(form.optLong[coordinates[5] == "East" ? 0 : 1]->isChecked());
    QCOMPARE(form.cboTimeZone->currentText(), zone);
    QCOMPARE(form.chkDST->isChecked(), dst);
    QVERIFY(!form.chkDST->isEnabled());

    // The chart is computed with the zone in force on the date.
    form.txtName->setText(QStringLiteral("Ravi"));
    f.Click(form.cmdCalculate);
    QVERIFY(f.platform.Messages.empty());
    QVERIFY(f.main());
    QCOMPARE(f.app->sidereal().TimeZoneName, zone.section(QLatin1Char(' '), 0, 0).toStdString());
    QCOMPARE(f.app->sidereal().IsDaylightSaving, dst);
  }

  void dstBoxAndZoneFollowLaterEditsOfDateAndTime() {
    AppFixture f;
    BirthForm& form = f.form();
    SetDateTime(form, 1969, 1, 20, 12, 0);
    TypeAndChooseFirst(f, QStringLiteral("New York"));
    QCOMPARE(form.cboTimeZone->currentText(),
             QStringLiteral("America/New_York (-5:00 on this date)"));
    QVERIFY(!form.chkDST->isChecked());
    form.cboMonth->setCurrentIndex(6);  // July
    QCOMPARE(form.cboTimeZone->currentText(),
             QStringLiteral("America/New_York (-4:00 on this date)"));
    QVERIFY(form.chkDST->isChecked());
  }

  void pickingARowByHandKeepsTheOldWay() {
    AppFixture f;
    BirthForm& form = f.form();
    TypeAndChooseFirst(f, QStringLiteral("Kathmandu"));
    QCOMPARE(form.Data().TimeZoneName, std::string("Asia/Kathmandu"));
    form.cboTimeZone->setCurrentIndex(34);  // "Indian Time, IST, +5.3"
    QVERIFY(form.chkDST->isEnabled());
    const BirthFormData data = form.Data();
    QCOMPARE(data.TimeZoneName, std::string());
    QCOMPARE(data.ZoneRow, 34);
    // Typed coordinates stay as the user changes them.
    form.txtLatDeg->setText(QStringLiteral("28"));
    QCOMPARE(form.Data().LatitudeDegrees, std::string("28"));
  }

  void aSkippedTimeIsRefusedWithAMessage() {
    AppFixture f;
    BirthForm& form = f.form();
    SetDateTime(form, 2021, 3, 14, 2, 30);
    TypeAndChooseFirst(f, QStringLiteral("New York"));
    QCOMPARE(form.cboTimeZone->currentText(),
             QStringLiteral("America/New_York (this time was skipped on this date)"));
    form.txtName->setText(QStringLiteral("Ravi"));
    f.Click(form.cmdCalculate);
    QCOMPARE(f.platform.OnlyMessage(),
             QStringLiteral("The time 2:30 on 14 March 2021 did not exist in America/New_York: the "
                            "clocks were put forward from UTC-5:00 to UTC-4:00 and skipped it. "
                            "Please check the time of birth."));
    QCOMPARE(f.main(), nullptr);
  }

  // A .vmj chart file that names the place's zone puts it back on the form.
  void anEntryWithAPlaceZoneSelectsIt() {
    AppFixture f;
    BirthForm& form = f.form();
    BirthFormData entry = DelhiBirth();
    entry.TimeZoneName = "Asia/Kolkata";
    entry.Year = 1943;
    form.ShowEntries(entry);
    QCOMPARE(form.cboTimeZone->currentText(), QStringLiteral("Asia/Kolkata (+6:30 on this date)"));
    QVERIFY(form.chkDST->isChecked());
    QCOMPARE(form.Data().TimeZoneName, std::string("Asia/Kolkata"));
  }

  void aRepeatedTimeAsksWhichReading_data() {
    QTest::addColumn<std::optional<int>>("answer");
    QTest::addColumn<bool>("charted");
    QTest::addColumn<int>("offsetSeconds");
    QTest::addColumn<bool>("dst");
    QTest::newRow("earlier, daylight saving") << std::optional<int>(0) << true << -4 * 3600 << true;
    QTest::newRow("later, standard time") << std::optional<int>(1) << true << -5 * 3600 << false;
    QTest::newRow("cancel draws nothing") << std::optional<int>() << false << 0 << false;
  }

  void aRepeatedTimeAsksWhichReading() {
    QFETCH(std::optional<int>, answer);
    QFETCH(bool, charted);
    QFETCH(int, offsetSeconds);
    QFETCH(bool, dst);
    AppFixture f;
    BirthForm& form = f.form();
    SetDateTime(form, 2021, 11, 7, 1, 30);
    TypeAndChooseFirst(f, QStringLiteral("New York"));
    QCOMPARE(form.cboTimeZone->currentText(),
             QStringLiteral("America/New_York (-4:00 or -5:00 on this date)"));
    form.txtName->setText(QStringLiteral("Ravi"));
    f.platform.QuestionAnswers.push_back(answer);
    f.Click(form.cmdCalculate);
    QCOMPARE(f.platform.Questions.size(), std::size_t{1});
    QCOMPARE(f.platform.Questions.front().Text,
             QStringLiteral("The time 1:30 on 7 November 2021 happened twice in America/New_York: "
                            "the clocks were put back. Which one is the time of birth?"));
    QCOMPARE(f.platform.Questions.front().Answers,
             (QStringList{QStringLiteral("Earlier (UTC-4:00, daylight saving)"),
                          QStringLiteral("Later (UTC-5:00)")}));
    QVERIFY(f.platform.Messages.empty());
    QCOMPARE(f.main() != nullptr, charted);
    if (!charted) return;
    QCOMPARE(f.app->sidereal().UtcOffsetSeconds, offsetSeconds);
    QCOMPARE(f.app->sidereal().IsDaylightSaving, dst);
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::PlaceFinderTest)
#include "place_finder_test.moc"
