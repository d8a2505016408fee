// The main window's chart file, export, picture and print commands, driven through the
// real windows on the scripted desktop.
#include <sys/stat.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include "app_fixture.h"
#include "engine/birth_data.h"
#include "engine/chart.h"
#include "file_contents.h"
#include "output/chart_picture.h"
#include "output/chart_print.h"
#include "pdf_reader.h"

namespace velmora::test {
namespace {

// The Delhi entry of BirthEntry as the chart file stores it (each line reversed and every
// byte raised by 85, written by a separate script, see tests/data/README.md), and the
// report of its chart, the same bytes the command-line tool's export is checked against.
const QByteArray kDelhiFile = Contents(QStringLiteral(VELMORA_TEST_DATA "/cli/delhi.vmx"));
const QByteArray kDelhiReport =
    Contents(QStringLiteral(VELMORA_TEST_DATA "/cli/delhi_export.file"));

void Put(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  QCOMPARE(file.write(bytes), bytes.size());
}

// The program with the Delhi chart on screen.
class ChartShown : public AppFixture {
 public:
  explicit ChartShown(const BirthEntry& entry = BirthEntry{}) {
    Fill(entry);
    Click(form().cmdCalculate);
  }
  // Presses the toolbar button with this key.
  void Key(const char* key) {
    main()->findChild<QAction*>(QStringLiteral("TB_") + QLatin1String(key))->trigger();
  }
  void Open(const QString& path) {
    platform.OpenAnswers.push_back(path);
    Key("Open");
  }
  RememberedPaths& paths() { return app->paths(); }
};

}  // namespace

class OutputCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  // ---- Chart file ----

  void saveThenOpenRestoresTheTrimmedEntry_data() {
    QTest::addColumn<bool>("south");
    QTest::addColumn<bool>("west");
    QTest::newRow("North and East") << false << false;
    QTest::newRow("South and West") << true << true;
    QTest::newRow("North and West") << false << true;
  }
  void saveThenOpenRestoresTheTrimmedEntry() {
    QFETCH(bool, south);
    QFETCH(bool, west);
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("rao.vmx"));
    BirthEntry entry;
    entry.Name = QStringLiteral("  Asha Rao  ");
    entry.City = QStringLiteral(" New Delhi ");
    entry.Day = 9;
    entry.Month = 11;
    entry.Year = 2001;
    entry.Hour = 24;
    entry.Minute = 5;
    entry.South = south;
    entry.West = west;
    ChartShown f(entry);
    f.platform.SaveAnswers.push_back(path);
    f.Key("Save");

    // Another birth on the form, another zone: opening brings back every stored control.
    BirthEntry other;
    other.Name = QStringLiteral("Someone Else");
    other.LatDeg = QStringLiteral("51");
    other.City = QStringLiteral("London");
    other.South = !south;
    other.West = !west;
    other.ZoneRow = 12;
    other.Dst = true;
    f.Fill(other);
    f.Open(path);

    BirthForm& form = f.form();
    QCOMPARE(form.txtName->text(), QStringLiteral("Asha Rao"));
    QCOMPARE(form.cboDate->currentText(), QStringLiteral("9"));
    QCOMPARE(form.cboMonth->currentText(), QStringLiteral("November"));
    QCOMPARE(form.cboYear->currentText(), QStringLiteral("2001"));
    QCOMPARE(form.cboHour->currentText(), QStringLiteral("24"));
    QCOMPARE(form.cboMinute->currentText(), QStringLiteral("5"));
    QCOMPARE(form.txtLatDeg->text(), QStringLiteral("28"));
    QCOMPARE(form.txtLatMin->text(), QStringLiteral("36"));
    QCOMPARE(form.optLat[1]->isChecked(), south);
    QCOMPARE(form.txtLonDeg->text(), QStringLiteral("77"));
    QCOMPARE(form.txtLonMin->text(), QStringLiteral("13"));
    QCOMPARE(form.optLong[1]->isChecked(), west);
    QCOMPARE(form.txtCity->text(), QStringLiteral("New Delhi"));
    QCOMPARE(form.txtState->text(), QStringLiteral("Delhi"));
    QCOMPARE(form.txtCountry->text(), QStringLiteral("India"));
    // The file holds neither: the form keeps what it showed.
    QCOMPARE(form.cboTimeZone->currentIndex(), 12);
    QVERIFY(form.chkDST->isChecked());
    // And the chart was drawn again from the opened entry.
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    QCOMPARE(f.chart().lblName->text(), QStringLiteral("Name: Asha Rao"));
    QCOMPARE(f.chart().lblDOB->text(), QStringLiteral("Date of Birth: November 9, 2001"));
    QVERIFY(f.chart().picSouthRasi->isVisible());
  }

  void savedFileHoldsTheEncodedLines() {
    QTemporaryDir folder;
    ChartShown f;
    const QString path = folder.filePath(QStringLiteral("delhi.vmx"));
    f.platform.SaveAnswers.push_back(path);
    f.Key("Save");
    QCOMPARE(Contents(path), kDelhiFile);

    // "abc" is stored as B8 B7 B6, an empty field as an empty line.
    f.form().txtName->setText(QStringLiteral("abc"));
    f.form().txtState->clear();
    f.Key("Save");
    const QList<QByteArray> lines = Contents(path).split('\n');
    QCOMPARE(lines.size(), 16);  // fifteen lines, each ended
    QCOMPARE(lines[0], QByteArray("\xB8\xB7\xB6\r"));
    QCOMPARE(lines[13], QByteArray("\r"));
    QCOMPARE(lines[15], QByteArray());
  }

  void firstSaveAsksForAFileAndLaterOnesDoNot() {
    QTemporaryDir folder;
    ChartShown f;
    const QString path = folder.filePath(QStringLiteral("rao.vmx"));
    f.platform.SaveAnswers.push_back(path);
    f.Key("Save");
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(1));
    const FileDialogRequest& request = f.platform.SaveRequests.front();
    QCOMPARE(request.Title, QStringLiteral("Velmora Astrology Birth Chart"));
    // .vmj first: it keeps every character and the time zone.
    QCOMPARE(request.Filter, QStringLiteral("Velmora chart (*.vmj);;Senvali (*.vmx)"));
    QCOMPARE(request.DefaultSuffix, QStringLiteral("vmj"));
    QCOMPARE(request.InitialPath, QString());
    QVERIFY(request.ConfirmOverwrite);
    QCOMPARE(f.paths().SavedChartPath, path);

    f.form().txtName->setText(QStringLiteral("abc"));
    f.Key("Save");
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(1));
    QVERIFY(Contents(path).startsWith("\xB8\xB7\xB6\r\n"));
    // Writing went through a temporary file that replaced the old one: nothing else is left.
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("rao.vmx")});

    // "Save As" always asks, pre-filled with the last path.
    f.main()->mnuSaveAs->trigger();
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(2));
    QCOMPARE(f.platform.SaveRequests.back().InitialPath, path);
  }

  void newForgetsTheSavedFileButNotItsPath() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("rao.vmx"));
    ChartShown f;
    f.platform.SaveAnswers.push_back(path);
    f.Key("Save");
    f.Key("New");
    QCOMPARE(f.paths().SavedChartPath, QString());
    QCOMPARE(f.paths().ChartFilePath, path);

    f.Click(f.form().cmdCalculate);
    f.Key("Save");  // cancelled: the scripted dialog has no answer left
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(2));
    QCOMPARE(f.platform.SaveRequests.back().InitialPath, path);
  }

  void saveNeverWritesOverAnotherPersonsFile() {
    QTemporaryDir folder;
    const QString saved = folder.filePath(QStringLiteral("a.vmx"));
    ChartShown f;
    f.platform.SaveAnswers.push_back(saved);
    f.Key("Save");
    const QByteArray asha = Contents(saved);
    QVERIFY(!asha.isEmpty());

    // Back, another person, another chart: the toolbar Save must ask, not reuse a.vmx.
    f.main()->mnuBack->trigger();
    BirthEntry ravi;
    ravi.Name = QStringLiteral("Ravi Rao");
    f.Fill(ravi);
    f.Click(f.form().cmdCalculate);
    f.Key("Save");  // cancelled: the scripted dialog has no answer left
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(2));
    QCOMPARE(Contents(saved), asha);

    // A failed Open does not make the unreadable file the one Save writes.
    const QString broken = folder.filePath(QStringLiteral("broken.vmx"));
    Put(broken, "not a chart");
    f.Open(broken);
    QVERIFY(!f.platform.Messages.empty());
    f.Key("Save");
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(3));
    QCOMPARE(Contents(broken), QByteArray("not a chart"));
  }

  void saveAfterOpenAsksWithTheOpenedPath() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("delhi.vmx"));
    Put(path, kDelhiFile);
    ChartShown f;
    f.Open(path);
    QCOMPARE(f.platform.OpenRequests.size(), std::size_t(1));
    const FileDialogRequest& request = f.platform.OpenRequests.front();
    QCOMPARE(request.Title, QStringLiteral("Select the source file "));
    QCOMPARE(request.Filter, QStringLiteral("Velmora charts (*.vmj *.vmx);;Velmora chart (*.vmj);;"
                                            "Orvanta (*.vmx)"));
    QCOMPARE(request.DefaultSuffix, QStringLiteral("vmx"));
    QVERIFY(request.MustExist);

    f.Key("Save");
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(1));
    QCOMPARE(f.platform.SaveRequests.front().InitialPath, path);
  }

  void cancellingTheDialogsChangesNothing() {
    QTemporaryDir folder;
    ChartShown f;
    f.paths().ChartFilePath = folder.filePath(QStringLiteral("before.vmx"));
    f.Key("Open");
    f.Key("Save");
    QCOMPARE(f.paths().ChartFilePath, folder.filePath(QStringLiteral("before.vmx")));
    QCOMPARE(f.paths().SavedChartPath, QString());
    QCOMPARE(f.chart().lblLagna->text(), QStringLiteral("Simha"));
    QVERIFY(QDir(folder.path()).isEmpty());
  }

  void openRefusesFilesThatCannotFillTheForm_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    QTest::newRow("short file of three lines")
        << "bad.vmx" << kDelhiFile.left(kDelhiFile.indexOf("\x85\x8D\x8E\x86"))
        << QStringLiteral("The birth year is missing.");
    QTest::newRow("garbage") << "bad.vmx"
                             << QByteArray(
                                    "\x7F"
                                    "ELF\x02\x01\x01\x00\x00\n\x01\x02\x03\n",
                                    14)
                             << QStringLiteral(
                                    "This is not a Velmora chart file. It holds no date or time "
                                    "of birth where a chart file keeps them.");
    QTest::newRow("10 MB without a line end") << "bad.vmx" << QByteArray(10 * 1024 * 1024, '\xC0')
                                              << QStringLiteral(
                                                     "This is not a Velmora chart file. "
                                                     "Its lines are longer than any chart file's.");
    QTest::newRow("latitude degrees longer than the box")
        << "bad.vmx" << QByteArray(kDelhiFile).replace("\x8D\x87\r\n", "\x8A\x89\x85\x85\r\n")
        << QStringLiteral(
               "The degree of latitude is longer than the form can hold. "
               "It has 4 characters; the box takes 3.");
    QTest::newRow("a picture named .vmj")
        << "bad.vmj" << QByteArray("\xFF\xD8\xFF\xE0\x00\x10JFIF", 10)
        << QStringLiteral(
               "This is not a Velmora chart file. "
               "Its text is not a chart file's JSON object.");
    QTest::newRow(".vmj without the year")
        << "bad.vmj"
        << QByteArray(R"({"format": 1, "name": "Asha", "date": {"month": 6, "day": 15}})")
        << QStringLiteral("The birth year is missing.");
    QTest::newRow(".vmj of a later version")
        << "bad.vmj" << QByteArray(R"({"format": 2})")
        << QStringLiteral(
               "The chart file was written by a newer version of Velmora. "
               "It is in format 2; this version reads format 1.");
  }
  void openRefusesFilesThatCannotFillTheForm() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    Put(path, bytes);
    ChartShown f;
    f.Open(path);
    QCOMPARE(f.platform.OnlyMessage(),
             QStringLiteral("The chart file \"%1\" cannot be opened.\n\n%2")
                 .arg(QDir::toNativeSeparators(path), reason));
    QCOMPARE(f.platform.Messages.front().Icon, MessageIcon::Error);
    QCOMPARE(f.platform.Messages.front().Title, QStringLiteral("Velmora Astrology Birth Chart"));
    // Neither the form nor the chart window has changed.
    QCOMPARE(f.form().txtName->text(), QStringLiteral("Asha Rao"));
    QCOMPARE(f.form().txtLatDeg->text(), QStringLiteral("28"));
    QCOMPARE(f.chart().lblLagna->text(), QStringLiteral("Simha"));
    QCOMPARE(f.chart().picSouthRasi->Cell(4)->text(), QStringLiteral("Asc\nMangala\nGuru\nShani"));
    QCOMPARE(f.paths().ChartFilePath, path);
  }

  void openReportsAFileThatCannotBeRead_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::newRow("missing file") << "gone.vmx"
                                  << "No such file or directory";
    QTest::newRow("a folder") << "folder.vmx"
                              << "it is a folder";
    // A plain open of a pipe waits for a writer that never comes: the window would freeze.
    QTest::newRow("a named pipe without a writer") << "pipe.vmx"
                                                   << "it is a named pipe, not a regular file";
    QTest::newRow("an endless device") << "/dev/zero"
                                       << "it is a device, not a regular file";
  }
  void openReportsAFileThatCannotBeRead() {
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    QDir(folder.path()).mkdir(QStringLiteral("folder.vmx"));
    ::mkfifo(QFile::encodeName(folder.filePath(QStringLiteral("pipe.vmx"))).constData(), 0600);
    const QString path = QDir(folder.path()).filePath(name);
    ChartShown f;
    f.Open(path);
    QCOMPARE(f.platform.OnlyMessage(),
             QStringLiteral("The chart file \"%1\" could not be read: %2.")
                 .arg(QDir::toNativeSeparators(path), reason));
    QCOMPARE(f.form().txtName->text(), QStringLiteral("Asha Rao"));
    QCOMPARE(f.chart().lblLagna->text(), QStringLiteral("Simha"));
  }

  void openWithoutThePlaceLeavesItToTheChartCommand() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("twelve.vmx"));
    // Twelve lines: city, state and country missing.
    Put(path, kDelhiFile.left(kDelhiFile.indexOf("\xBE\xBD\xC1\xBA\x99\x75")));
    ChartShown f;
    f.Open(path);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("Please Enter Your City name"));
    QCOMPARE(f.form().txtCity->text(), QString());
    QCOMPARE(f.form().txtState->text(), QString());
    // The chart window was emptied for the file and stays so: no chart was drawn.
    QCOMPARE(f.chart().lblLagna->text(), QString());
    QCOMPARE(f.chart().lblAyanamsha->text(), QString());
    QCOMPARE(f.chart().Planet[0]->text(), QString());
    for (int s = 0; s < 12; ++s) {
      QCOMPARE(f.chart().picSouthRasi->Cell(s)->text(), QString());
      QCOMPARE(f.chart().picNorthRasi->Cell(s)->text(), QString());
      QCOMPARE(f.chart().picRashiEast->Cell(s)->text(), QString());
    }
  }

  void openIgnoresWhatFollowsTheFifteenthLine() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("long.vmx"));
    Put(path, kDelhiFile + QByteArray(10 * 1024 * 1024, 'z'));
    BirthEntry other;
    other.Name = QStringLiteral("Someone Else");
    ChartShown f(other);
    f.Open(path);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    QCOMPARE(f.chart().lblName->text(), QStringLiteral("Name: Asha Rao"));
    QCOMPARE(f.chart().lblLagna->text(), QStringLiteral("Simha"));
  }

  void vmxThatCannotHoldANameOffersVmj_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("message");
    QTest::newRow("u umlaut in the city")
        << QStringLiteral("Asha Rao") << QStringLiteral("Z\u00FCrich")
        << QStringLiteral("the City holds the character \"\u00FC\" (U+00FC)");
    QTest::newRow("Devanagari in the name")
        << QStringLiteral("\u0906\u0936\u093E") << QStringLiteral("New Delhi")
        << QStringLiteral("the Name holds the character \"\u0906\" (U+0906)");
    QTest::newRow("171, one above the highest storable code")
        << QStringLiteral("Asha \u00ABRao") << QStringLiteral("New Delhi")
        << QStringLiteral("the Name holds the character \"\u00AB\" (U+00AB)");
  }
  void vmxThatCannotHoldANameOffersVmj() {
    QFETCH(QString, name);
    QFETCH(QString, city);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString vmx = folder.filePath(QStringLiteral("rao.vmx"));
    const QString vmj = folder.filePath(QStringLiteral("rao.vmj"));
    ChartShown f;
    f.form().txtName->setText(name);
    f.form().txtCity->setText(city);
    f.platform.SaveAnswers.push_back(vmx);
    f.platform.SaveAnswers.push_back(vmj);
    f.Key("Save");
    QCOMPARE(f.platform.OnlyMessage(),
             QStringLiteral("The chart was not saved as \"%1\": %2, which a .vmx chart file "
                            "cannot store. A .vmj chart file keeps every character: choose where "
                            "to save it.")
                 .arg(QDir::toNativeSeparators(vmx), message));
    // The second dialog offers the same name as a .vmj file, and that keeps every character.
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(2));
    QCOMPARE(f.platform.SaveRequests.back().InitialPath, vmj);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("rao.vmj")});
    QCOMPARE(f.paths().SavedChartPath, vmj);
    f.Fill(BirthEntry{});
    f.Open(vmj);
    QCOMPARE(f.form().txtName->text(), name);
    QCOMPARE(f.form().txtCity->text(), city);
  }

  void vmxRefusalCancelledWritesNothing() {
    QTemporaryDir folder;
    ChartShown f;
    f.form().txtCity->setText(QStringLiteral("S\u00E3o Paulo"));
    f.platform.SaveAnswers.push_back(folder.filePath(QStringLiteral("rao.vmx")));
    f.Key("Save");  // the offer of .vmj is cancelled: the scripted dialog has no answer left
    QCOMPARE(f.platform.Messages.size(), std::size_t(1));
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(2));
    QCOMPARE(f.paths().SavedChartPath, QString());
    QVERIFY(QDir(folder.path()).isEmpty());
  }

  // ---- The .vmj chart file ----

  void vmjKeepsTheWholeBirth() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("jose.vmj"));
    BirthEntry sydney;
    const QString name = QStringLiteral("Jos\u00E9 \u0917\u0940\u0924\u093E");
    sydney.Day = 12;
    sydney.Month = 1;
    sydney.Year = 1995;
    sydney.Hour = 6;
    sydney.Minute = 45;
    sydney.ZoneRow = 8;  // Australian Eastern Standard Time
    sydney.Dst = true;
    sydney.LatDeg = QStringLiteral("33");
    sydney.LatMin = QStringLiteral("52");
    sydney.South = true;
    sydney.LonDeg = QStringLiteral("151");
    sydney.LonMin = QStringLiteral("12");
    sydney.City = QStringLiteral("Sydney");
    sydney.State = QStringLiteral("New South Wales");
    sydney.Country = QStringLiteral("Australia");
    ChartShown f(sydney);
    // Typed keys are Latin letters only in the test driver: the name goes in as a paste does.
    f.main()->mnuBack->trigger();
    f.form().txtName->setText(name);
    f.Click(f.form().cmdCalculate);
    const QString lagna = f.chart().lblLagna->text();
    const QString moon = f.chart().Planet[1]->text();
    f.platform.SaveAnswers.push_back(path);
    f.Key("Save");
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    QVERIFY(
        Contents(path).startsWith("{\n  \"format\": 1,\n  \"name\": \"Jos\xC3\xA9 \xE0\xA4\x97"));

    // Back to a form set to Indian time, another person: opening brings back the zone too.
    f.main()->mnuBack->trigger();
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    QVERIFY(f.chart().Planet[1]->text() != moon);
    f.Open(path);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    QCOMPARE(f.form().txtName->text(), name);
    QCOMPARE(f.form().cboTimeZone->currentIndex(), 8);
    QVERIFY(f.form().chkDST->isChecked());
    QVERIFY(f.form().optLat[1]->isChecked());
    QCOMPARE(f.chart().lblLagna->text(), lagna);
    QCOMPARE(f.chart().Planet[1]->text(), moon);
  }

  void formOpensAChartWithoutDrawingOneFirst() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("delhi.vmx"));
    Put(path, kDelhiFile);
    AppFixture f;
    QVERIFY(f.main() == nullptr);
    f.form().cboTimeZone->setCurrentIndex(34);  // a .vmx file leaves the zone to the form
    f.platform.OpenAnswers.push_back(path);
    f.form().mnuOpen->trigger();
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    QVERIFY(f.main() != nullptr);
    QCOMPARE(f.chart().lblName->text(), QStringLiteral("Name: Asha Rao"));
    QCOMPARE(f.chart().lblLagna->text(), QStringLiteral("Simha"));
    QVERIFY(!f.form().isVisible());
  }

  void formOpenOfABrokenFileStaysOnTheForm() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("broken.vmj"));
    Put(path, "{\"format\": 1");
    AppFixture f;
    f.platform.OpenAnswers.push_back(path);
    f.form().mnuOpen->trigger();
    QCOMPARE(f.platform.OnlyMessage(),
             QStringLiteral("The chart file \"%1\" cannot be opened.\n\nThis is not a Velmora "
                            "chart file. Its text is not a chart file's JSON object.")
                 .arg(QDir::toNativeSeparators(path)));
    QVERIFY(f.main() == nullptr);
    QVERIFY(f.form().isVisible());
    QCOMPARE(f.form().txtName->text(), QString());
  }

  void highestStorableCodeIsSaved() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("rao.vmx"));
    ChartShown f;
    f.form().txtName->setText(QStringLiteral("\u00AA"));  // code 170
    f.platform.SaveAnswers.push_back(path);
    f.Key("Save");
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    QVERIFY(Contents(path).startsWith("\xFF\r\n"));
  }

  void failedSaveIsReportedAndNotRemembered() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/rao.vmx"));
    ChartShown f;
    f.platform.SaveAnswers.push_back(path);
    f.Key("Save");
    QCOMPARE(f.platform.Messages.size(), std::size_t(1));
    QVERIFY2(f.platform.Messages.front().Text.startsWith(
                 QStringLiteral("The chart could not be saved to \"%1\": ")
                     .arg(QDir::toNativeSeparators(path))),
             qPrintable(f.platform.Messages.front().Text));
    QCOMPARE(f.platform.Messages.front().Icon, MessageIcon::Error);
    QCOMPARE(f.paths().ChartFilePath, path);
    QCOMPARE(f.paths().SavedChartPath, QString());
  }

  void saveAndExportRefuseWhatIsNotARegularFile_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString pipe = QStringLiteral("it is a named pipe, not a regular file");
    QTest::newRow("save onto a named pipe") << "save"
                                            << "pipe" << pipe;
    QTest::newRow("export onto a named pipe") << "export"
                                              << "pipe" << pipe;
    QTest::newRow("save onto a link to a pipe") << "save"
                                                << "link to pipe" << pipe;
    QTest::newRow("export onto a folder") << "export"
                                          << "folder"
                                          << "it is a folder";
  }
  // Replacing the name would put a regular file where a pipe or a folder was.
  void saveAndExportRefuseWhatIsNotARegularFile() {
    QFETCH(QString, command);
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString pipe = folder.filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QString path = pipe;
    if (kind == QLatin1String("link to pipe")) {
      path = folder.filePath(QStringLiteral("link"));
      QVERIFY(QFile::link(pipe, path));
    } else if (kind == QLatin1String("folder")) {
      path = folder.filePath(QStringLiteral("folder"));
      QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("folder")));
    }
    ChartShown f;
    f.platform.SaveAnswers.push_back(path);
    if (command == QLatin1String("save")) {
      f.Key("Save");
    } else {
      f.main()->mnuExport->trigger();
    }
    const QString verb =
        command == QLatin1String("save") ? QStringLiteral("saved") : QStringLiteral("exported");
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("The chart could not be %1 to \"%2\": %3.")
                                           .arg(verb, QDir::toNativeSeparators(path), reason));
    const QFileInfo after(pipe);
    QVERIFY(!after.isFile());
    QVERIFY(after.exists());
    QCOMPARE(QDir(folder.path())
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
                 .size(),
             kind == QLatin1String("pipe") ? 1 : 2);
  }

  // ---- Text export ----

  void exportWritesTheReportOfTheLastIndianChart() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("delhi.txt"));
    ChartShown f;
    f.platform.SaveAnswers.push_back(path);
    f.main()->mnuExport->trigger();
    QCOMPARE(Contents(path), kDelhiReport);
    QCOMPARE(Contents(path).split('\n').size(), 27);  // 26 lines, each ended
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(1));
    const FileDialogRequest& request = f.platform.SaveRequests.front();
    QCOMPARE(request.Title, QStringLiteral("Select the destination text file "));
    QCOMPARE(request.Filter, QStringLiteral("Export Chart As Text (*.txt)"));
    QCOMPARE(request.DefaultSuffix, QStringLiteral("txt"));
    QCOMPARE(request.InitialPath, QString());
    QVERIFY(request.ConfirmOverwrite);

    // A second export to the same file replaces it, its dialog pre-filled with that path.
    f.form().txtName->setText(QStringLiteral("Changed On The Form"));
    f.platform.SaveAnswers.push_back(path);
    f.main()->mnuExport->trigger();
    QCOMPARE(f.platform.SaveRequests.back().InitialPath, path);
    QCOMPARE(Contents(path), kDelhiReport);
  }

  void exportAfterAWesternChartReportsTheIndianOne() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("delhi.txt"));
    ChartShown f;
    // The Western button, pressed for another birth while the chart is shown.
    f.form().txtName->setText(QStringLiteral("Someone Else"));
    f.form().cboYear->setCurrentIndex(1955 - 1900);
    f.form().optLong[1]->setChecked(true);
    // The sign-sector wheel this test was written for, now View > Classic wheel.
    f.app->SetClassicWheel(true);
    f.form().Command2->click();
    QVERIFY(f.chart().picNatal->isVisible());
    QCOMPARE(f.app->tropical().BirthName, std::string("Someone Else"));
    f.platform.SaveAnswers.push_back(path);
    f.main()->mnuExport->trigger();
    QCOMPARE(Contents(path), kDelhiReport);
  }

  void exportBeforeAnyIndianChartLeavesTheDateOut() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("nothing.txt"));
    AppFixture f;
    f.app->EnsureMainWindow();
    f.platform.SaveAnswers.push_back(path);
    f.main()->mnuExport->trigger();
    const QByteArray report = Contents(path);
    QVERIFY2(report.startsWith("Name: \r\nTime of Birth: 0 Hour 0 Minute\r\n"), report.constData());
    QCOMPARE(report.split('\n').size(), 26);  // line 2 missing
  }

  void failedExportIsReported() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/delhi.txt"));
    ChartShown f;
    f.platform.SaveAnswers.push_back(path);
    f.main()->mnuExport->trigger();
    QCOMPARE(f.platform.Messages.size(), std::size_t(1));
    QVERIFY(f.platform.Messages.front().Text.startsWith(
        QStringLiteral("The chart could not be exported to \"%1\": ")
            .arg(QDir::toNativeSeparators(path))));
    QCOMPARE(f.paths().ExportFilePath, path);
  }

  // ---- Chart picture ----

  void pictureNeverReplacesAFile_data() {
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QStringList>("taken");
    QTest::addColumn<QString>("written");
    QTest::newRow("new name") << "rao.jpg" << QStringList{} << "rao.jpg";
    QTest::newRow("name taken") << "rao.jpg" << QStringList{"rao.jpg"} << "rao_001.jpg";
    QTest::newRow("name and first copy taken")
        << "rao.jpg" << QStringList{"rao.jpg", "rao_001.jpg"} << "rao_002.jpg";
    QTest::newRow("a gap in the copies is filled")
        << "rao.jpg" << QStringList{"rao.jpg", "rao_002.jpg"} << "rao_001.jpg";
    QTest::newRow("upper-case JPG") << "rao.JPG" << QStringList{} << "rao.jpg";
    QTest::newRow("no extension") << "rao" << QStringList{} << "rao.jpg";
    QTest::newRow("other extension") << "rao.png" << QStringList{} << "rao.jpg";
    QTest::newRow("dot in a folder name")
        << "my.charts/rao" << QStringList{} << "my.charts/rao.jpg";
    QTest::newRow("dots in the name, taken")
        << "rao.1980.jpg" << QStringList{"rao.1980.jpg"} << "rao.1980_001.jpg";
    QTest::newRow("folder of the same name")
        << "rao.jpg" << QStringList{"rao.jpg/"} << "rao_001.jpg";
  }
  void pictureNeverReplacesAFile() {
    QFETCH(QString, chosen);
    QFETCH(QStringList, taken);
    QFETCH(QString, written);
    QTemporaryDir folder;
    QDir(folder.path()).mkpath(QStringLiteral("my.charts"));
    for (const QString& name : taken) {
      if (name.endsWith(QLatin1Char('/'))) {
        QDir(folder.path()).mkpath(name);
      } else {
        Put(folder.filePath(name), "taken");
      }
    }
    ChartShown f;
    f.platform.SaveAnswers.push_back(folder.filePath(chosen));
    f.Click(f.main()->cmdSaveAsJPG);

    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    const QByteArray jpeg = Contents(folder.filePath(written));
    QVERIFY(jpeg.startsWith("\xFF\xD8\xFF"));
    const QImage picture = QImage::fromData(jpeg, "JPEG");
    QCOMPARE(picture.size(), f.chart().size() * f.chart().devicePixelRatio());
    for (const QString& name : taken) {
      if (!name.endsWith(QLatin1Char('/'))) QCOMPARE(Contents(folder.filePath(name)), "taken");
    }
    // Only the picture was added: no intermediate file.
    QDir top(folder.path());
    QCOMPARE(top.entryList(QDir::Files).size() +
                 QDir(folder.filePath("my.charts")).entryList(QDir::Files).size(),
             taken.filter(QRegularExpression("[^/]$")).size() + 1);
    QCOMPARE(f.paths().PicturePath, folder.filePath(chosen));
  }

  // The kernel's own folders take no files: each command says so plainly and writes nothing.
  void systemFoldersGiveAPlainMessage_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("message");
    QTest::newRow("picture in /proc")
        << "picture"
        << "/proc/x.jpg"
        << "The chart picture could not be saved to \"/proc/x.jpg\": the folder \"/proc\" holds "
           "the system's own entries, not files; choose another folder.";
    QTest::newRow("chart file in /sys")
        << "chart"
        << "/sys/x.vmj"
        << "The chart could not be saved to \"/sys/x.vmj\": the folder \"/sys\" holds the "
           "system's own entries, not files; choose another folder.";
    QTest::newRow("export in /proc/self")
        << "export"
        << "/proc/self/x.txt"
        << "The chart could not be exported to \"/proc/self/x.txt\": the folder \"/proc/self\" "
           "holds the system's own entries, not files; choose another folder.";
  }
  void systemFoldersGiveAPlainMessage() {
    QFETCH(QString, command);
    QFETCH(QString, path);
    QFETCH(QString, message);
    ChartShown f;
    f.platform.SaveAnswers.push_back(path);
    if (command == QLatin1String("picture")) f.main()->cmdSaveAsJPG->click();
    if (command == QLatin1String("chart")) f.Key("Save");
    if (command == QLatin1String("export")) f.main()->mnuExport->trigger();
    QCOMPARE(f.platform.OnlyMessage(), message);
    QVERIFY(!QFileInfo::exists(path));
  }

  void pictureDialogRemembersTheLastName() {
    QTemporaryDir folder;
    ChartShown f;
    const QString first = folder.filePath(QStringLiteral("rao"));
    f.platform.SaveAnswers.push_back(first);
    f.Click(f.main()->cmdSaveAsJPG);
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(1));
    const FileDialogRequest& request = f.platform.SaveRequests.front();
    QCOMPARE(request.Title, QString());
    QCOMPARE(request.Filter, QStringLiteral("JPEG Image (*.jpg)"));
    QCOMPARE(request.DefaultSuffix, QStringLiteral("jpg"));
    QCOMPARE(request.InitialPath, QString());

    // The hidden "Save As JPEG" entry runs the same command; cancelling writes nothing.
    f.main()->mnuSaveAsJpeg->trigger();
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(2));
    QCOMPARE(f.platform.SaveRequests.back().InitialPath, first);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{QStringLiteral("rao.jpg")});
  }

  void pictureGivesUpAfterTheLastCopy() {
    QTemporaryDir folder;
    Put(folder.filePath(QStringLiteral("rao.jpg")), "taken");
    for (int n = 1; n <= 999; ++n) {
      Put(folder.filePath(QStringLiteral("rao_%1.jpg").arg(n, 3, 10, QLatin1Char('0'))), "taken");
    }
    ChartShown f;
    f.platform.SaveAnswers.push_back(folder.filePath(QStringLiteral("rao.jpg")));
    f.Click(f.main()->cmdSaveAsJPG);
    QCOMPARE(f.platform.Messages.size(), std::size_t(1));
    QCOMPARE(f.platform.Messages.front().Text,
             QStringLiteral("There are too many Copies of this file  rao.jpg"));
    QCOMPARE(f.platform.Messages.front().Title,
             QStringLiteral(" UNABLE  TO  CREATE  NEW  FILErao.jpg"));
    QCOMPARE(f.platform.Messages.front().Icon, MessageIcon::Error);
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files).size(), 1000);
  }

  void pictureThatCannotBeWrittenIsReported() {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("missing/rao.jpg"));
    ChartShown f;
    f.platform.SaveAnswers.push_back(path);
    f.Click(f.main()->cmdSaveAsJPG);
    QCOMPARE(f.platform.Messages.size(), std::size_t(1));
    QVERIFY2(f.platform.Messages.front().Text.startsWith(
                 QStringLiteral("The chart picture could not be saved to \"%1\": ")
                     .arg(QDir::toNativeSeparators(path))),
             qPrintable(f.platform.Messages.front().Text));
  }

  void splitFolderAndFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("file");
    QTest::newRow("folder and file") << "/home/asha/rao.jpg"
                                     << "/home/asha"
                                     << "rao.jpg";
    QTest::newRow("dot in the folder") << "/home/my.charts/rao"
                                       << "/home/my.charts"
                                       << "rao";
    QTest::newRow("top of the file system") << "/rao.jpg"
                                            << "/"
                                            << "rao.jpg";
    QTest::newRow("no folder") << "rao.jpg"
                               << ""
                               << "";
    QTest::newRow("folder only") << "/home/asha/"
                                 << "/home/asha"
                                 << "";
  }
  void splitFolderAndFile() {
    QFETCH(QString, path);
    QFETCH(QString, folder);
    QFETCH(QString, file);
    const auto [gotFolder, gotFile] = SplitFolderAndFile(path);
    QCOMPARE(gotFolder, folder);
    QCOMPARE(gotFile, file);
  }

  void nameWithoutAFileIsTodaysDate() {
    QTemporaryDir folder;
    ScriptedPlatform platform;
    const QString path = NextFreeImagePath(platform, nullptr, folder.path() + "//", QString());
    QCOMPARE(path, folder.path() + "/" + QDate::currentDate().toString("yyyyMMdd") + ".jpg");
    QVERIFY(QRegularExpression("^\\d{17}$").match(TodayStamp(false)).hasMatch());
  }

  // ---- Print ----

  void printPutsTheReportOnPages() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("chart.pdf"));
    ChartShown f;
    f.platform.PrinterAnswers.push_back([pdf](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
    });
    f.Key("Print");
    QCOMPARE(f.platform.PrinterDialogs, 1);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    // The same paged report as the PDF export, as text and lines rather than a screen grab.
    const QString text = PdfText(pdf);
    QVERIFY2(text.contains(QStringLiteral("Birth Chart of Asha Rao")), qPrintable(text.left(200)));
    QVERIFY(text.contains(QStringLiteral("Page 1 of ")));
    QVERIFY(text.contains(QStringLiteral("Nakshatra: ") +
                          QString::fromStdString(f.app->sidereal().NakshatraLabel)));
    QVERIFY(!Contents(pdf).contains("/Subtype /Image"));
  }

  void cancelledPrintPrintsNothing() {
    QTemporaryDir folder;
    ChartShown f;
    f.main()->mnuPrint->trigger();
    QCOMPARE(f.platform.PrinterDialogs, 1);
    QVERIFY(f.platform.Messages.empty());
    QVERIFY(QDir(folder.path()).isEmpty());
  }

  void failedPrintIsReported_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("message");
    QTest::newRow("no printer to choose")
        << QString() << QStringLiteral("The chart could not be printed: no printer was chosen.");
    QTest::newRow("file in a missing folder")
        << QStringLiteral("missing/chart.pdf")
        << QStringLiteral("The chart could not be printed on \"%1\".");
  }
  void failedPrintIsReported() {
    QFETCH(QString, file);
    QFETCH(QString, message);
    QTemporaryDir folder;
    const QString path = file.isEmpty() ? QString() : folder.filePath(file);
    ChartShown f;
    f.platform.PrinterAnswers.push_back([path](QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(path);
    });
    f.Key("Print");
    QCOMPARE(f.platform.OnlyMessage(), message.contains(QLatin1String("%1"))
                                           ? message.arg(QDir::toNativeSeparators(path))
                                           : message);
    QCOMPARE(f.platform.Messages.front().Icon, MessageIcon::Error);
  }

  void printTurnsThePageToFitThePicture_data() {
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<int>("orientation");
    QTest::newRow("wide chart window") << QSize(1000, 600) << int(QPageLayout::Landscape);
    QTest::newRow("tall picture") << QSize(600, 1000) << int(QPageLayout::Portrait);
    QTest::newRow("square picture") << QSize(800, 800) << int(QPageLayout::Portrait);
  }
  void printTurnsThePageToFitThePicture() {
    QFETCH(QSize, picture);
    QFETCH(int, orientation);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QCOMPARE(int(BestOrientation(printer, picture)), orientation);
  }

  void pictureIsCentredAtTheLargestSizeThatFits() {
    QImage page(400, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    QImage picture(100, 50, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter painter(&page);
    PaintPictureOnPage(painter, picture, QRect(0, 0, 400, 300));
    painter.end();
    // Scaled by 4 to 400 x 200, with 50 pixels above and below.
    QCOMPARE(page.pixelColor(200, 45), QColor(Qt::white));
    QCOMPARE(page.pixelColor(200, 55), QColor(Qt::black));
    QCOMPARE(page.pixelColor(2, 150), QColor(Qt::black));
    QCOMPARE(page.pixelColor(200, 244), QColor(Qt::black));
    QCOMPARE(page.pixelColor(200, 255), QColor(Qt::white));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::OutputCommandsTest)
#include "output_commands_test.moc"
