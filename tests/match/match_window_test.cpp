// The Match window driven as a user would: reached from both windows' menus, births typed
// or opened from chart files through the scripted file dialogs, matched, exported and
// printed.
#include <QAction>
#include <QPrinter>
#include <QtTest>

#include "app_fixture.h"
#include "engine/jyotish/matching.h"
#include "pdf_reader.h"
#include "temp_folder.h"

namespace velmora::test {
namespace {

const QString kData = QStringLiteral(VELMORA_TEST_DATA);
const QString kGroomFile = kData + QStringLiteral("/cli/groom_mumbai.vmj");
const QString kBrideFile = kData + QStringLiteral("/cli/bride_bengaluru.vmj");

// The program with precise positions, asked for by name so that the expectations hold
// whatever the default, and the Match window shown from the birth form's menu.
class MatchShown : public AppFixture {
 public:
  MatchShown() {
    app->SetPrecisePositions(true);
    form().mnuMatch->trigger();
  }
  MatchWindow& match() { return *app->matchWindow(); }

  // Types an entry into one side's fields, as Fill does on the birth form.
  void FillSide(MatchSide side, const BirthEntry& e) {
    BirthFields& f = match().Fields(side);
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

  void OpenBoth() {
    platform.OpenAnswers = {kGroomFile, kBrideFile};
    Click(match().cmdOpenGroom);
    Click(match().cmdOpenBride);
  }

  QString Points(int row) const { return app->matchWindow()->tblKootas->item(row, 3)->text(); }
};

BirthEntry Sydney() {
  BirthEntry e;
  e.Name = QStringLiteral("Mira Das");
  e.Day = 12;
  e.Month = 1;
  e.Year = 1995;
  e.Hour = 6;
  e.Minute = 45;
  e.ZoneRow = 8;  // "Australian Eastern Standard Time,AEST,+10.0"
  e.Dst = true;
  e.LatDeg = QStringLiteral("33");
  e.LatMin = QStringLiteral("52");
  e.South = true;
  e.LonDeg = QStringLiteral("151");
  e.LonMin = QStringLiteral("12");
  e.City = QStringLiteral("Sydney");
  e.State = QStringLiteral("New South Wales");
  e.Country = QStringLiteral("Australia");
  return e;
}

// The engine's own match of two entries, with the same (precise) positions.
KundliMatch EngineMatch(const BirthFormData& groomEntry, const BirthFormData& brideEntry) {
  const EngineOptions precise{PositionSource::Precise, LunarNode::Mean};
  ChartRecord groom, bride;
  ReadBirthData(groom, groomEntry);
  RunSiderealEngine(groom, precise);
  ReadBirthData(bride, brideEntry);
  RunSiderealEngine(bride, precise);
  return MatchCharts(groom, bride);
}

}  // namespace

class MatchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void bothWindowsMenusShowTheOneMatchWindow() {
    AppFixture f;
    f.form().mnuMatch->trigger();
    MatchWindow* fromForm = f.app->matchWindow();
    QVERIFY(fromForm && fromForm->isVisible());
    QVERIFY(fromForm->lblRoles->text().contains(
        QStringLiteral("The first birth is the groom's, the second the bride's")));
    QCOMPARE(fromForm->fraGroom->title(), QStringLiteral("Groom (first chart)"));
    QCOMPARE(fromForm->fraBride->title(), QStringLiteral("Bride (second chart)"));
    fromForm->close();
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    QVERIFY(f.main()->mnuMatch->isVisible());
    f.main()->mnuMatch->trigger();
    QCOMPARE(f.app->matchWindow(), fromForm);
    QVERIFY(fromForm->isVisible());
  }

  void typedBirthsAreMatchedAsTheEngineMatchesThem() {
    MatchShown f;
    f.FillSide(MatchSide::Groom, BirthEntry{});
    f.FillSide(MatchSide::Bride, Sydney());
    f.Click(f.match().cmdMatch);
    QCOMPARE(f.platform.Messages.size(), std::size_t{0});
    const KundliMatch want = EngineMatch(f.match().Fields(MatchSide::Groom).Data(),
                                         f.match().Fields(MatchSide::Bride).Data());
    for (int k = 0; k < 8; ++k) {
      QCOMPARE(f.Points(k),
               QString::fromStdString(PointsText(want.Ashtakoota.Kootas[std::size_t(k)].Points)));
    }
    QCOMPARE(f.Points(8), QString::fromStdString(PointsText(want.Ashtakoota.Total)));
    QVERIFY(f.match().lblVerdict->text().contains(QString::fromStdString(MatchVerdict(want))));
    QVERIFY(f.match().lblVerdict->text().startsWith(QStringLiteral("Asha Rao and Mira Das: ")));
    QCOMPARE(f.match().lblGroomManglik->text(),
             QStringLiteral("Groom: ") + QString::fromStdString(ManglikSummary(want.GroomManglik)));
    QVERIFY(f.match().lblTara->text().contains(QStringLiteral("counted both ways")));
    QVERIFY(f.match().cmdExportPdf->isEnabled());
  }

  // The two chart files of the command-line goldens: the window agrees with
  // `velmora-chart --match ... --precise` (tests/data/cli/match_mumbai_bengaluru.out).
  void chartFilesOpenIntoTheirSides() {
    MatchShown f;
    f.OpenBoth();
    QCOMPARE(f.platform.OpenRequests.size(), std::size_t{2});
    QCOMPARE(f.platform.OpenRequests[0].Title, QStringLiteral("Open the groom's chart file"));
    QCOMPARE(f.platform.OpenRequests[1].Title, QStringLiteral("Open the bride's chart file"));
    QCOMPARE(f.match().Fields(MatchSide::Groom).txtName->text(), QStringLiteral("Ravi Kumar"));
    QCOMPARE(f.match().Fields(MatchSide::Bride).txtName->text(), QStringLiteral("Priya Sharma"));
    // The groom's .vmj file holds zone row 34 (IST); the bride's its IANA zone.
    QCOMPARE(f.match().Fields(MatchSide::Groom).cboTimeZone->currentIndex(), 34);
    QVERIFY(f.match().Fields(MatchSide::Bride).Data().TimeZoneName == "Asia/Kolkata");
    f.Click(f.match().cmdMatch);
    const QString want[] = {QStringLiteral("1"), QStringLiteral("0.5"), QStringLiteral("3"),
                            QStringLiteral("2"), QStringLiteral("5"),   QStringLiteral("6"),
                            QStringLiteral("0"), QStringLiteral("0"),   QStringLiteral("17.5")};
    for (int row = 0; row < 9; ++row) QCOMPARE(f.Points(row), want[row]);
    QVERIFY(f.match().lblVerdict->text().contains(QStringLiteral("Nadi dosha")));
    QCOMPARE(f.match().lblRating->text(), QStringLiteral("Not recommended: 17.5 of 36 points"));
  }

  void fileThatCannotBeOpenedLeavesTheFields() {
    MatchShown f;
    f.FillSide(MatchSide::Bride, Sydney());
    TempFolder folder;
    PutFile(folder / "broken.vmj", "{\"format\": 1}");
    f.platform.OpenAnswers = {QString::fromStdString(folder / "broken.vmj")};
    f.Click(f.match().cmdOpenBride);
    QCOMPARE(f.platform.Messages.size(), std::size_t{1});
    QVERIFY(f.platform.OnlyMessage().startsWith(QStringLiteral("The chart file")));
    QCOMPARE(f.match().Fields(MatchSide::Bride).txtName->text(), QStringLiteral("Mira Das"));
  }

  void cancelledDialogChangesNothing() {
    MatchShown f;
    f.platform.OpenAnswers = {std::nullopt};
    f.Click(f.match().cmdOpenGroom);
    QCOMPARE(f.platform.Messages.size(), std::size_t{0});
    QVERIFY(f.match().Fields(MatchSide::Groom).txtName->text().isEmpty());
  }

  // The birth form's checks, with its messages: the groom's first problem stops the match.
  void checksStopAtTheFirstProblem_data() {
    QTest::addColumn<QString>("groomName");
    QTest::addColumn<QString>("brideCity");
    QTest::addColumn<QString>("message");
    QTest::newRow("EmptyGroomName")
        << QString() << QStringLiteral("Sydney") << QStringLiteral("Please Enter Your Name");
    QTest::newRow("EmptyBrideCity")
        << QStringLiteral("Asha Rao") << QString() << QStringLiteral("Please Enter Your City name");
  }
  void checksStopAtTheFirstProblem() {
    QFETCH(QString, groomName);
    QFETCH(QString, brideCity);
    QFETCH(QString, message);
    MatchShown f;
    BirthEntry groom;
    groom.Name = groomName;
    BirthEntry bride = Sydney();
    bride.City = brideCity;
    f.FillSide(MatchSide::Groom, groom);
    f.FillSide(MatchSide::Bride, bride);
    f.Click(f.match().cmdMatch);
    QCOMPARE(f.platform.OnlyMessage(), message);
    QVERIFY(f.match().tblKootas->item(8, 3) == nullptr);
    QVERIFY(!f.match().cmdExportPdf->isEnabled());
  }

  void birthFormEntryFillsASide() {
    MatchShown f;
    BirthEntry e = Sydney();
    f.Fill(e);
    f.Click(f.match().cmdBrideFromForm);
    BirthFields& bride = f.match().Fields(MatchSide::Bride);
    QCOMPARE(bride.txtName->text(), QStringLiteral("Mira Das"));
    QCOMPARE(bride.cboTimeZone->currentIndex(), 8);
    QVERIFY(bride.chkDST->isChecked());
    QCOMPARE(bride.optLat[1]->isChecked(), true);
  }

  void exportWritesThePrintableMatch() {
    MatchShown f;
    f.OpenBoth();
    f.Click(f.match().cmdMatch);
    TempFolder folder;
    const QString path = QString::fromStdString(folder / "match.pdf");
    f.platform.SaveAnswers = {path};
    f.Click(f.match().cmdExportPdf);
    QCOMPARE(f.platform.Messages.size(), std::size_t{0});
    QCOMPARE(f.platform.SaveRequests.back().InitialPath,
             QStringLiteral("Ravi Kumar and Priya Sharma - Kundli Matching.pdf"));
    const QString text = PdfText(path);
    for (const char* expected :
         {"Kundli Matching", "Ravi Kumar (groom, the first chart)", "Priya Sharma (bride",
          "Ashtakoota", "Graha Maitri", "Total", "17.5 of 36 points", "Manglik Dosha",
          "Verdict: Not recommended", "Tara is counted both ways", "Precise positions (Lahiri)"}) {
      QVERIFY2(text.contains(QString::fromUtf8(expected)), expected);
    }
  }

  void printGoesToThePrinterChosen() {
    MatchShown f;
    f.OpenBoth();
    f.Click(f.match().cmdMatch);
    TempFolder folder;
    const QString path = QString::fromStdString(folder / "printed.pdf");
    f.platform.PrinterAnswers.push_back([path](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
    });
    f.Click(f.match().cmdPrint);
    QCOMPARE(f.platform.PrinterDialogs, 1);
    QCOMPARE(f.platform.Messages.size(), std::size_t{0});
    QVERIFY(PdfText(path).contains(QStringLiteral("Kundli Matching")));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::MatchWindowTest)
#include "match_window_test.moc"
