// The birth form driven as a user would: typing, picking list entries, pressing the chart
// buttons, with the scripted desktop taking the messages.
#include <QButtonGroup>
#include <QtTest>
#include <functional>

#include "app_fixture.h"

namespace velmora::test {
namespace {

struct ValidationCase {
  const char* Name;
  std::function<void(BirthEntry&, BirthForm&)> Change;  // the second runs after typing
  bool ChangeAfterFill;
  const char* Message;
  MessageIcon Icon;
  const char* Focus;  // object name of the box that gets the focus; "" for none
};

using E = BirthEntry;
using F = BirthForm;

const std::vector<ValidationCase>& Cases() {
  static const std::vector<ValidationCase> cases = {
      {"all empty asks for the name only",
       [](E& e, F&) {
         e = E{};
         e.Name = e.LatDeg = e.LatMin = e.LonDeg = e.LonMin = e.City = e.State = e.Country = "";
       },
       false, "Please Enter Your Name", MessageIcon::Information, "txtName"},
      {"latitude degrees empty",
       [](E& e, F&) {
         e.LatDeg = "";
         e.City = "";
       },
       false, "Please Enter Degree of Latitude", MessageIcon::Information, "txtLatDeg"},
      {"latitude minutes empty", [](E& e, F&) { e.LatMin = ""; }, false,
       "Please Enter Minutes of Latitude", MessageIcon::Information, "txtLatMin"},
      {"longitude degrees empty", [](E& e, F&) { e.LonDeg = ""; }, false,
       "Please Enter Degree of Longitude", MessageIcon::Information, "txtLonDeg"},
      {"longitude minutes empty", [](E& e, F&) { e.LonMin = ""; }, false,
       "Please Enter Minute of Longitude", MessageIcon::Information, "txtLonMin"},
      {"latitude above 90", [](E& e, F&) { e.LatDeg = "95"; }, false,
       "Please Enter Degree of Latitude as a whole number from 0 to 90", MessageIcon::Information,
       "txtLatDeg"},
      {"latitude letters pasted in", [](E&, F& f) { f.txtLatDeg->setText(QStringLiteral("2a")); },
       true, "Please Enter Degree of Latitude as a whole number from 0 to 90",
       MessageIcon::Information, "txtLatDeg"},
      {"latitude minutes 75", [](E& e, F&) { e.LatMin = "75"; }, false,
       "Please Enter Minutes of Latitude as a whole number from 0 to 59", MessageIcon::Information,
       "txtLatMin"},
      {"beyond 90 degrees 0 minutes",
       [](E& e, F&) {
         e.LatDeg = "90";
         e.LatMin = "5";
       },
       false,
       "Please Enter 0 Minutes of Latitude: a latitude cannot go beyond 90 degrees 0 minutes",
       MessageIcon::Information, "txtLatMin"},
      {"longitude 200", [](E& e, F&) { e.LonDeg = "200"; }, false,
       "Please Enter Degree of Longitude as a whole number from 0 to 180", MessageIcon::Information,
       "txtLonDeg"},
      {"longitude minutes 60", [](E& e, F&) { e.LonMin = "60"; }, false,
       "Please Enter Minute of Longitude as a whole number from 0 to 59", MessageIcon::Information,
       "txtLonMin"},
      {"city empty",
       [](E& e, F&) {
         e.City = "";
         e.Country = "";
       },
       false, "Please Enter Your City name", MessageIcon::Information, "txtCity"},
      {"state empty", [](E& e, F&) { e.State = ""; }, false, "Please Enter Your State name",
       MessageIcon::Information, "txtState"},
      {"country empty", [](E& e, F&) { e.Country = ""; }, false, "Please Enter Your Country name",
       MessageIcon::Information, "txtCountry"},
      {"29 February 1900",
       [](E& e, F&) {
         e.Year = 1900;
         e.Month = 2;
         e.Day = 29;
       },
       false, "Please Enter Correct Date Or Month!", MessageIcon::Information, ""},
      {"30 February",
       [](E& e, F&) {
         e.Year = 1904;
         e.Month = 2;
         e.Day = 30;
       },
       false, "Please Enter Correct Date Or Month!", MessageIcon::Information, ""},
      {"31 April",
       [](E& e, F&) {
         e.Month = 4;
         e.Day = 31;
       },
       false, "Please Enter Correct Date Or Month !", MessageIcon::Information, ""},
  };
  return cases;
}

}  // namespace

class BirthFormTest : public QObject {
  Q_OBJECT

 private slots:
  void startsWithTheListsFilledAndTheFirstEntriesSelected() {
    AppFixture f;
    BirthForm& form = f.form();
    QVERIFY(form.isVisible());
    QCOMPARE(f.main(), nullptr);
    QCOMPARE(form.windowTitle(), QStringLiteral("Velmora Astrology Birth Chart v1.75"));
    QCOMPARE(form.cboDate->count(), 31);
    QCOMPARE(form.cboYear->count(), 151);
    QCOMPARE(form.cboYear->itemText(150), QStringLiteral("2050"));
    QCOMPARE(form.cboHour->count(), 25);
    QCOMPARE(form.cboHour->itemText(24), QStringLiteral("24"));
    QCOMPARE(form.cboMinute->count(), 60);
    QCOMPARE(form.cboMonth->itemText(11), QStringLiteral("December"));
    QCOMPARE(form.cboTimeZone->count(), 71);
    QCOMPARE(form.cboTimeZone->itemText(34), QStringLiteral("Indian Time, IST, +5.3"));
    QCOMPARE(form.cboTimeZone->itemText(70), QStringLiteral("Yukon War Time,YWT,-8.0"));
    for (QComboBox* list : {form.cboDate, form.cboMonth, form.cboYear, form.cboHour, form.cboMinute,
                            form.cboTimeZone}) {
      QCOMPARE(list->currentIndex(), 0);
    }
    QVERIFY(form.optLat[0]->isChecked());
    QVERIFY(form.optLong[0]->isChecked());
    QVERIFY(!form.chkDST->isChecked());
    QCOMPARE(form.centralWidget()->size(), QSize(571, 386));
  }

  void captionsOfTheButtons() {
    AppFixture f;
    QCOMPARE(f.form().cmdCalculate->text(),
             QStringLiteral("Get My Birth Chart (&South Indian Style)"));
    QCOMPARE(f.form().cmdCalculate2->text(),
             QStringLiteral("Get My Birth Chart (&North Indian Style)"));
    QCOMPARE(f.form().cmdCalculate3->text(),
             QStringLiteral("Get My Birth Chart (&East Indian Style)"));
    QCOMPARE(f.form().Command2->text(), QStringLiteral("Get My Birth Chart (&Western Style)"));
    QCOMPARE(f.form().Command1->text(), QStringLiteral("Click here to find Latitude && Longitude"));
    QVERIFY(!f.form().mnuKundali->isVisible());
  }

  void validation_data() {
    QTest::addColumn<int>("row");
    for (std::size_t i = 0; i < Cases().size(); ++i)
      QTest::newRow(Cases()[i].Name) << static_cast<int>(i);
  }

  void validation() {
    QFETCH(int, row);
    const ValidationCase& c = Cases()[static_cast<std::size_t>(row)];
    AppFixture f;
    BirthEntry entry;
    if (!c.ChangeAfterFill) c.Change(entry, f.form());
    f.Fill(entry);
    if (c.ChangeAfterFill) c.Change(entry, f.form());
    f.form().cmdCalculate->setFocus();
    f.Click(f.form().cmdCalculate2);

    QCOMPARE(f.platform.OnlyMessage(), QString::fromUtf8(c.Message));
    QCOMPARE(f.platform.Messages.front().Icon, c.Icon);
    QCOMPARE(f.platform.Messages.front().Title, QStringLiteral("Velmora Astrology Birth Chart"));
    const QString focus = QString::fromUtf8(c.Focus);
    if (!focus.isEmpty()) {
      QVERIFY(QApplication::focusWidget());
      QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
    QCOMPARE(f.main(), nullptr);
    QVERIFY(f.form().isVisible());
  }

  void directionChecksSelectNorthAndEastAgain() {
    AppFixture f;
    f.Fill(BirthEntry{});
    // The form's own option groups always hold a choice; take both away as a broken form could.
    for (auto* option :
         {f.form().optLat[0], f.form().optLat[1], f.form().optLong[0], f.form().optLong[1]}) {
      option->group()->setExclusive(false);
      option->setChecked(false);
    }
    f.Click(f.form().cmdCalculate);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("Please Select Direction For The Latitude"));
    QCOMPARE(f.platform.Messages.front().Icon, MessageIcon::Error);
    QVERIFY(f.form().optLat[0]->isChecked());
    f.Click(f.form().cmdCalculate);
    QCOMPARE(f.platform.Messages.back().Text,
             QStringLiteral("Please Select Direction For The Longitude"));
    QVERIFY(f.form().optLong[0]->isChecked());
  }

  void degreeBoxesTakeDigitsOnlyWhileTyping() {
    AppFixture f;
    QTest::keyClicks(f.form().txtLatDeg, QStringLiteral("2x8-7a9"));
    QCOMPARE(f.form().txtLatDeg->text(), QStringLiteral("287"));
    QTest::keyClicks(f.form().txtLonMin, QStringLiteral("12345"));
    QCOMPARE(f.form().txtLonMin->text(), QStringLiteral("123"));
    QTest::keyClicks(f.form().txtName, QStringLiteral("A name of any length at all, with 1 2 3"));
    QCOMPARE(f.form().txtName->text(), QStringLiteral("A name of any length at all, with 1 2 3"));
  }

  void nameOfSpacesIsAName() {
    AppFixture f;
    BirthEntry entry;
    entry.Name = "   ";
    f.Fill(entry);
    f.Click(f.form().cmdCalculate);
    QVERIFY(f.platform.Messages.empty());
    QVERIFY(f.main() != nullptr);
  }

  void coordinateLookupAsksForThePlaceFirst() {
    AppFixture f;
    f.form().txtCity->setText(QStringLiteral("Pune"));
    f.Click(f.form().Command1);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("Please Enter State"));
    QCOMPARE(QApplication::focusWidget(), f.form().txtState);
    QVERIFY(f.platform.OpenedAddresses.empty());
  }

  void coordinateLookupOpensTheSearchPage() {
    AppFixture f;
    f.form().txtCity->setText(QStringLiteral("Saint-Denis & Co"));
    f.form().txtState->setText(QStringLiteral("R\u00E9union"));
    f.form().txtCountry->setText(QStringLiteral("France+"));
    f.Click(f.form().Command1);
    QVERIFY(f.platform.Messages.empty());
    QCOMPARE(f.platform.OpenedAddresses.size(), std::size_t{1});
    const QUrl url = f.platform.OpenedAddresses.front();
    QCOMPARE(url.host(), QStringLiteral("www.velmora-astrology.com"));
    QCOMPARE(url.path(), QStringLiteral("/home-page"));
    QCOMPARE(
        url.query(QUrl::FullyEncoded),
        QStringLiteral(
            "search=Saint-Denis%20%26%20Co%20R%C3%A9union%20France%2B%20Latitude%20Longitude"));
  }

  void aboutBoxOpensModally() {
    AppFixture f;
    QString caption;
    f.platform.OnModal = [&](QDialog& dialog) { caption = dialog.windowTitle(); };
    f.form().mnuAbout->trigger();
    QCOMPARE(f.platform.ModalDialogs.size(), std::size_t{1});
    QCOMPARE(caption, QStringLiteral("Velmora Astrology Birth Chart v1.75"));
  }

  void exitFromTheFileMenuEndsTheProgram() {
    AppFixture f;
    QSignalSpy finished(f.app.get(), &VelmoraApp::finished);
    f.form().mnuExit->trigger();
    QCOMPARE(finished.count(), 1);
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::BirthFormTest)
#include "birth_form_test.moc"
