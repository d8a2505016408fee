// The Indian chart commands and the main window, driven through the real windows.
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QMenu>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>

#include "ui/fitting_label.h"

#include "app_fixture.h"
#include "ui/qt_platform.h"
#include "ui/twips.h"

namespace velmora::test {
namespace {

// What the Delhi birth puts in each sign's cell, lines joined as a label shows them.
const char* const kDelhiCells[12] = {"",
                                     "",
                                     "Surya\nBudha\nShukra",
                                     "Chandra\nRahu",
                                     "Asc\nMangala\nGuru\nShani",
                                     "",
                                     "",
                                     "",
                                     "",
                                     "Ketu",
                                     "",
                                     ""};

int LeftInTwips(const QWidget* widget) {
  return PixelsToTwips(widget->x());
}

}  // namespace

class IndianChartTest : public QObject {
  Q_OBJECT

 private slots:
  void southChartOfDelhi() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    QVERIFY(f.platform.Messages.empty());
    QVERIFY(f.main() && f.main()->isVisible());
    QVERIFY(!f.form().isVisible());

    ChartWindow& w = f.chart();
    for (int s = 0; s < 12; ++s) {
      const QString expected = QString::fromUtf8(kDelhiCells[s]);
      QCOMPARE(w.picSouthRasi->Cell(s)->text(), expected);
      QCOMPARE(w.picNorthRasi->Cell(s)->text(), expected);
      QCOMPARE(w.picRashiEast->Cell(s)->text(), expected);
    }
    QCOMPARE(w.lblName->text(), QStringLiteral("Name: Asha Rao"));
    QCOMPARE(w.lblCity->text(), QStringLiteral("City: New Delhi"));
    QCOMPARE(w.lblState->text(), QStringLiteral("State: Delhi"));
    QCOMPARE(w.lblCountry->text(), QStringLiteral("Country: India"));
    QCOMPARE(w.lblDOB->text(), QStringLiteral("Date of Birth: June 15, 1980"));
    QCOMPARE(w.lblTOB->text(), QStringLiteral("Time of Birth: 10 HH 30 MM "));
    QCOMPARE(w.lblZone->text(), QStringLiteral("Time Zone: UTC+5:30, no daylight saving"));
    QVERIFY(w.lblZone->x() > w.lblTOB->geometry().right());
    QCOMPARE(w.lblLatitude->text(), QStringLiteral("Latitude: 28 Degree 36 Minute N"));
    QCOMPARE(w.lblLongitude->text(), QStringLiteral("Longitude: 77 Degree 13 Minute E"));

    QCOMPARE(w.lblAyanamsha->text(), QStringLiteral("23\u00B0 34' 54\""));
    QCOMPARE(w.lblLagna->text(), QStringLiteral("Simha"));
    QCOMPARE(w.lblNakshatra->text(), QStringLiteral("Punarvasu"));
    QCOMPARE(w.lblRashi->text(), QStringLiteral("Kataka"));
    QCOMPARE(w.lblPada->text(), QStringLiteral("4"));
    QCOMPARE(w.lblLord->text(), QStringLiteral("Jupiter"));
    QCOMPARE(w.Planet[0]->text(), QStringLiteral("00 Gem 56"));
    QCOMPARE(w.Planet[8]->text(), QStringLiteral("28 Cap 35"));
    QCOMPARE(w.Planet[9]->text(), QStringLiteral("06 Leo 31"));
    QCOMPARE(w.PlanetName[10]->text(), QStringLiteral("Rahu / North Node"));

    QVERIFY(w.picSouthRasi->isVisible());
    QVERIFY(!w.picNorthRasi->isVisible());
    QVERIFY(!w.picRashiEast->isVisible());
    QVERIFY(!w.picNatal->isVisible());
    QCOMPARE(w.lblStyle->text(), QStringLiteral("South Indian Style"));
    QCOMPARE(f.main()->lblStyleCaption->text(), QStringLiteral("South Indian Style"));
    QVERIFY(f.main()->mnuSouthStyle->isChecked());
  }

  // The birth data says in which zone the time was read and where the place lies.
  void zoneAndDirectionsInTheBirthData_data() {
    QTest::addColumn<int>("zoneRow");
    QTest::addColumn<bool>("dst");
    QTest::addColumn<bool>("south");
    QTest::addColumn<bool>("west");
    QTest::addColumn<QString>("zone");
    QTest::addColumn<QString>("latitude");
    QTest::addColumn<QString>("longitude");
    QTest::newRow("New York in summer")
        << 27 << true << false << true << "Time Zone: UTC-5:00, daylight saving"
        << "Latitude: 28 Degree 36 Minute N"
        << "Longitude: 77 Degree 13 Minute W";
    QTest::newRow("Sydney in summer")
        << 8 << true << true << false << "Time Zone: UTC+10:00, daylight saving"
        << "Latitude: 28 Degree 36 Minute S"
        << "Longitude: 77 Degree 13 Minute E";
    QTest::newRow("Greenwich") << 29 << false << true << true
                               << "Time Zone: UTC+0:00, no daylight saving"
                               << "Latitude: 28 Degree 36 Minute S"
                               << "Longitude: 77 Degree 13 Minute W";
  }
  void zoneAndDirectionsInTheBirthData() {
    QFETCH(int, zoneRow);
    QFETCH(bool, dst);
    QFETCH(bool, south);
    QFETCH(bool, west);
    QFETCH(QString, zone);
    QFETCH(QString, latitude);
    QFETCH(QString, longitude);
    BirthEntry entry;
    entry.ZoneRow = zoneRow;
    entry.Dst = dst;
    entry.South = south;
    entry.West = west;
    AppFixture f;
    f.Fill(entry);
    f.Click(f.form().cmdCalculate);
    QCOMPARE(f.chart().lblZone->text(), zone);
    QCOMPARE(f.chart().lblLatitude->text(), latitude);
    QCOMPARE(f.chart().lblLongitude->text(), longitude);
  }

  // Long texts stay inside their frames and lose nothing without a tooltip saying it.
  void labelsFitTheirFrames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("nakshatra");
    QTest::addColumn<bool>("nameCut");
    QTest::newRow("longest nakshatras, short name") << "Asha Rao"
                                                    << "Uttara Bhadrapada" << false;
    QTest::newRow("the other long nakshatra") << "Asha Rao"
                                              << "Poorva Bhadrapada" << false;
    QTest::newRow("very long name")
        << QString("Asha ").repeated(40).trimmed() << "Punarvasu" << true;
  }
  void labelsFitTheirFrames() {
    QFETCH(QString, name);
    QFETCH(QString, nakshatra);
    QFETCH(bool, nameCut);
    BirthEntry entry;
    entry.Name = name;
    AppFixture f;
    f.Fill(entry);
    f.Click(f.form().cmdCalculate);
    ChartWindow& w = f.chart();
    w.lblNakshatra->setText(nakshatra);
    auto* value = qobject_cast<FittingLabel*>(w.lblNakshatra);
    QVERIFY(value != nullptr);
    QCOMPARE(value->ShownText(), nakshatra);  // drawn smaller, whole
    QVERIFY(value->geometry().right() < w.fraVedic->width());
    auto* label = qobject_cast<FittingLabel*>(w.lblName);
    QVERIFY(label != nullptr);
    QCOMPARE(label->text(), QStringLiteral("Name: ") + name);
    QVERIFY(label->geometry().right() < w.fraChart->width());
    QCOMPARE(label->HiddenTextTip().isEmpty(), !nameCut);
    if (nameCut) {
      QCOMPARE(label->HiddenTextTip(), QStringLiteral("Name: ") + name);
      QVERIFY(label->ShownText().endsWith(QChar(0x2026)));
    } else {
      QCOMPARE(label->ShownText(), label->text());
    }
  }

  void markupInTypedTextStaysText() {
    AppFixture f;
    BirthEntry markup;
    markup.Name = QStringLiteral("<h1>Big");
    markup.City = QStringLiteral("<img src=\"/dev/zero\">");
    f.Fill(markup);
    f.Click(f.form().cmdCalculate);
    QVERIFY(f.platform.Messages.empty());
    ChartWindow& w = f.chart();
    QCOMPARE(w.lblName->text(), QStringLiteral("Name: <h1>Big"));
    // Rendered as a heading the line would stand far taller than its neighbour.
    QCOMPARE(w.lblName->height(), w.lblState->height());
    QCOMPARE(w.lblName->width(), w.lblName->fontMetrics().horizontalAdvance(w.lblName->text()));
    QCOMPARE(w.lblCity->height(), w.lblState->height());
  }

  void eachButtonLeavesExactlyItsDrawing_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QString>("caption");
    QTest::newRow("South") << 0 << QStringLiteral("South Indian Style");
    QTest::newRow("North") << 1 << QStringLiteral("North Indian Style");
    QTest::newRow("East") << 2 << QStringLiteral("East Indian Style");
  }

  void eachButtonLeavesExactlyItsDrawing() {
    QFETCH(int, button);
    QFETCH(QString, caption);
    AppFixture f;
    f.Fill(BirthEntry{});
    QPushButton* buttons[] = {f.form().cmdCalculate, f.form().cmdCalculate2,
                              f.form().cmdCalculate3};
    f.Click(buttons[button]);
    ChartWindow& w = f.chart();
    const bool visible[] = {w.picSouthRasi->isVisible(), w.picNorthRasi->isVisible(),
                            w.picRashiEast->isVisible()};
    for (int i = 0; i < 3; ++i) QCOMPARE(visible[i], i == button);
    QVERIFY(!w.picNatal->isVisible());
    QCOMPARE(w.lblStyle->text(), caption);
    QCOMPARE(f.main()->lblStyleCaption->text(), caption);
    QAction* styles[] = {f.main()->mnuSouthStyle, f.main()->mnuNorthStyle, f.main()->mnuEastStyle};
    for (int i = 0; i < 3; ++i) QCOMPARE(styles[i]->isChecked(), i == button);
    // Identical cells in every drawing, whichever button drew them.
    QCOMPARE(w.picRashiEast->Cell(4)->text(), QStringLiteral("Asc\nMangala\nGuru\nShani"));
  }

  void styleButtonsSwitchTheDrawingAndTheBanner() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    MainWindow& main = *f.main();
    f.Click(main.cmdEast);
    QVERIFY(f.chart().picRashiEast->isVisible());
    QVERIFY(!f.chart().picSouthRasi->isVisible());
    QCOMPARE(main.lblStyleCaption->text(), QStringLiteral("East Indian Style"));
    QCOMPARE(f.chart().lblStyle->text(), QStringLiteral("East Indian Style"));
    QVERIFY(main.mnuEastStyle->isChecked());
    QVERIFY(!main.mnuSouthStyle->isChecked());
    main.mnuNorthStyle->trigger();
    QVERIFY(f.chart().picNorthRasi->isVisible());
    QVERIFY(!f.chart().picRashiEast->isVisible());
  }

  void northDrawingHasAriesInTheTopDiamond() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate2);
    const NorthChartView* north = f.chart().picNorthRasi;
    QCOMPARE(north->Number(0)->text(), QStringLiteral("1"));
    QCOMPARE(north->Number(0)->pos(), TwipsPoint(2760, 2400));
    // The ascendant in Leo is in region 5, the lower triangle against the left side.
    QCOMPARE(north->Cell(4)->pos(), TwipsPoint(30, 3360));
    QVERIFY(north->Cell(4)->text().startsWith(QStringLiteral("Asc")));
  }

  void hiddenMenuEntriesAndInitialCheckMarks() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    MainWindow& m = *f.main();
    QCOMPARE(m.windowTitle(), QStringLiteral("Velmora Astrology Birth Chart v1.75"));
    for (QAction* hidden : {m.mnuSaveAsText->menuAction(), m.mnuMakeMoney}) {
      QVERIFY2(!hidden->isVisible(), qPrintable(hidden->text()));
    }
    // The View menu is shown: it carries the divisional charts and how positions are found.
    for (QAction* shown :
         {m.mnuBack, m.mnuExit, m.mnuHelp->menuAction(), m.mnuDonate, m.mnuView->menuAction(),
          m.mnuClassic, m.mnuAyanamsa->menuAction(), m.mnuTrueNode, m.mnuRestoreDefaults})
      QVERIFY(shown->isVisible());
    QVERIFY(m.mnuToolbar->isChecked());
    QVERIFY(m.mnuStatusBar->isChecked());
    QVERIFY(m.mnuColorOff->isChecked());
    QVERIFY(m.mnuChart->isChecked());
    QCOMPARE(m.mnuSub_Dasamsa->text(), QStringLiteral("&D&asamsa"));
  }

  // Every file command is in the File menu, with its access key and the usual shortcut.
  void fileMenuReachesEveryCommand_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QKeySequence>("shortcut");
    QTest::newRow("New") << "&New" << QKeySequence(Qt::CTRL | Qt::Key_N);
    QTest::newRow("Open") << "&Open" << QKeySequence(Qt::CTRL | Qt::Key_O);
    QTest::newRow("Save") << "&Save" << QKeySequence(Qt::CTRL | Qt::Key_S);
    QTest::newRow("Save As") << "Save &As" << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    QTest::newRow("Save As JPEG") << "Save As &JPEG" << QKeySequence();
    QTest::newRow("Export") << "&Export Chart As Text" << QKeySequence();
    QTest::newRow("Print") << "&Print" << QKeySequence(Qt::CTRL | Qt::Key_P);
    QTest::newRow("Back") << "&Back" << QKeySequence();
    QTest::newRow("Exit") << "E&xit" << QKeySequence();
  }
  void fileMenuReachesEveryCommand() {
    QFETCH(QString, caption);
    QFETCH(QKeySequence, shortcut);
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    QAction* found = nullptr;
    for (QAction* action : f.main()->mnuFile->actions()) {
      if (action->text() == caption) found = action;
    }
    QVERIFY2(found != nullptr, qPrintable(caption));
    QVERIFY(found->isVisible());
    QCOMPARE(found->shortcut(), shortcut);
  }

  void shortcutsRunTheCommands() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    AppFixture::Activate(f.main());
    QTest::keyClick(f.main(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t(1));
    QTest::keyClick(f.main(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.platform.OpenRequests.size(), std::size_t(1));
    QTest::keyClick(f.main(), Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(f.platform.PrinterDialogs, 1);
    QTest::keyClick(f.main(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(f.form().isVisible());
  }

  void formFileMenuOpensAChart() {
    AppFixture f;
    QCOMPARE(f.form().mnuOpen->text(), QStringLiteral("&Open"));
    QCOMPARE(f.form().mnuOpen->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    QTest::keyClick(&f.form(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(f.platform.OpenRequests.size(), std::size_t(1));
  }

  void toolbarEntryTogglesTheToolbar() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    MainWindow& m = *f.main();
    m.mnuToolbar->trigger();
    QVERIFY(!m.TB->isVisible());
    QVERIFY(!m.mnuToolbar->isChecked());
    m.mnuToolbar->trigger();
    QVERIFY(m.TB->isVisible());
  }

  void backKeepsTheEntriesAndAnotherChartRecreatesTheWindow() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    QPointer<MainWindow> first = f.main();
    f.Click(first->cmdBack);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(first.isNull());
    QVERIFY(f.form().isVisible());
    QCOMPARE(f.form().txtName->text(), QStringLiteral("Asha Rao"));
    QCOMPARE(f.form().cboTimeZone->currentIndex(), 34);

    f.form().txtName->setText(QStringLiteral("Ravi Rao"));
    f.form().cboYear->setCurrentIndex(1985 - 1900);
    f.Click(f.form().cmdCalculate3);
    QVERIFY(f.main() != nullptr);
    QCOMPARE(f.chart().lblName->text(), QStringLiteral("Name: Ravi Rao"));
    QCOMPARE(f.chart().lblDOB->text(), QStringLiteral("Date of Birth: June 15, 1985"));
    QVERIFY(f.main()->mnuColorOff->isChecked());
  }

  void exitAndClosingTheMainWindowEndTheProgram_data() {
    QTest::addColumn<int>("how");
    QTest::newRow("Exit button") << 0;
    QTest::newRow("Exit menu entry") << 1;
    QTest::newRow("closing the window") << 2;
  }

  void exitAndClosingTheMainWindowEndTheProgram() {
    QFETCH(int, how);
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    QSignalSpy finished(f.app.get(), &VelmoraApp::finished);
    if (how == 0) f.Click(f.main()->cmdExit);
    if (how == 1) f.main()->mnuExit->trigger();
    if (how == 2) f.main()->close();
    QCOMPARE(finished.count(), 1);
    QVERIFY(!f.form().isVisible());
  }

  void resizeRulePlacesTheBarButtons_data() {
    QTest::addColumn<int>("width");
    QTest::newRow("wide") << 1500;
    QTest::newRow("narrow") << 420;
  }

  void resizeRulePlacesTheBarButtons() {
    QFETCH(int, width);
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    MainWindow& m = *f.main();
    m.showNormal();
    m.resize(width, 700);
    m.MDIForm_Resize();
    const int w = PixelsToTwips(m.width());
    // Right-aligned 300 twips from the edge with 100-twip gaps; style buttons centred. Each
    // left is worked out in twips from the pixel position of its neighbour.
    auto px = [](int twips) { return Twips(twips); };
    auto twipsWide = [](const QWidget* widget) { return PixelsToTwips(widget->width()); };
    QCOMPARE(twipsWide(m.cmdExit), 1095);
    QCOMPARE(m.cmdExit->x(), px(w - 1095 - 300));
    QCOMPARE(m.cmdBack->x(), px(LeftInTwips(m.cmdExit) - 1095 - 100));
    QCOMPARE(m.cmdSaveAsJPG->x(), px(LeftInTwips(m.cmdBack) - twipsWide(m.cmdSaveAsJPG) - 100));
    QCOMPARE(m.cmdSouth->x(), px(w / 2 - twipsWide(m.cmdSouth) / 2));
    QCOMPARE(m.cmdNorth->x(), px(LeftInTwips(m.cmdSouth) - twipsWide(m.cmdNorth) - 100));
    QCOMPARE(m.cmdEast->x(), px(LeftInTwips(m.cmdSouth) + twipsWide(m.cmdSouth) + 100));
    QVERIFY(m.cmdSaveAsJPG->x() < m.cmdBack->x() && m.cmdBack->x() < m.cmdExit->x());
    QVERIFY(qAbs(m.lblHeading->x() + m.lblHeading->width() / 2 - m.width() / 2) <= 1);
  }

  void chartWindowIsABorderlessChildAtItsSize() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    QWidget* sub = f.main()->chartSubWindow();
    QVERIFY(!sub->isWindow());  // a child without a frame of its own
    QCOMPARE(sub->pos(), QPoint(0, 0));
    QCOMPARE(f.chart().width(), Twips(15105));
    QCOMPARE(f.chart().fraChart->geometry(), TwipsRect(480, 960, 14535, 6855));
    QCOMPARE(f.chart().picSouthRasi->geometry(), TwipsRect(840, 1080, 5340, 5355));
    QCOMPARE(f.chart().picNorthRasi->geometry(), TwipsRect(720, 960, 5565, 5505));
    QCOMPARE(f.chart().picRashiEast->geometry(), TwipsRect(840, 1080, 5300, 5300));
    QCOMPARE(f.chart().fraVedic->geometry(), TwipsRect(6960, 3870, 3705, 2925));
    QCOMPARE(f.chart().fraWestern->geometry(), TwipsRect(10800, 3240, 3600, 3285));
  }

  void activatingTheMainWindowCapturesTheChart() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    QEvent activate(QEvent::WindowActivate);
    QCoreApplication::sendEvent(f.main(), &activate);
    QCOMPARE(f.main()->chartCapture().deviceIndependentSize().toSize(), f.chart().size());
  }

  // What the style caches for a window's toolbar and buttons is keyed by their pictures and
  // palettes: the next window must reuse them, or each closed window leaves its share behind.
  void nextMainWindowDrawsWithTheSamePicturesAndPalettes() {
    AppFixture f;
    f.Fill(BirthEntry{});
    const auto keys = [&f] {
      QList<qint64> keys;
      for (QAction* action : f.main()->TB->actions()) keys.append(action->icon().cacheKey());
      for (QPushButton* button : {f.main()->cmdNorth, f.main()->cmdSouth, f.main()->cmdEast,
                                  f.main()->cmdSaveAsJPG, f.main()->cmdBack, f.main()->cmdExit}) {
        keys.append(button->palette().cacheKey());
      }
      return keys;
    };
    f.form().cmdCalculate->click();
    const QList<qint64> first = keys();
    f.app->Back();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    f.form().cmdCalculate->click();
    QCOMPARE(keys(), first);
  }

  void secondInstanceIsRefused() {
    ScriptedPlatform platform;
    platform.InstanceAvailable = false;
    VelmoraApp app(platform);
    QVERIFY(!app.Start());
    QCOMPARE(platform.OnlyMessage(), QStringLiteral("Application is already running"));
    QCOMPARE(platform.Messages.front().Icon, MessageIcon::Information);
  }

  void lockFileAllowsOneInstanceAndOutlivesACrash() {
    QTemporaryDir dir;
    const QString lock = dir.filePath(QStringLiteral("velmora.lock"));
    {
      QtPlatform first(lock);
      QtPlatform second(lock);
      QVERIFY(first.ClaimSingleInstance());
      QVERIFY(!second.ClaimSingleInstance());
    }
    // A lock left by a process that no longer exists does not block the next start.
    QFile stale(lock);
    QVERIFY(stale.open(QIODevice::WriteOnly));
    stale.write("999999\nvelmora\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    stale.close();
    QtPlatform next(lock);
    QVERIFY(next.ClaimSingleInstance());
  }

  // Each row has another user take folders before the program starts; the lock must end up
  // where only we can write, or nowhere.
  void instanceLockLiesOnlyInAPrivateFolder_data() {
    QTest::addColumn<bool>("runtimeTaken");
    QTest::addColumn<bool>("cacheTaken");
    QTest::addColumn<QString>("expectedFolder");
    QTest::newRow("runtime folder of ours") << false << false << "runtime";
    QTest::newRow("runtime folders taken by another user") << true << false << "cache";
    QTest::newRow("cache folder taken as well") << true << true << "";
  }
  void instanceLockLiesOnlyInAPrivateFolder() {
    QFETCH(bool, runtimeTaken);
    QFETCH(bool, cacheTaken);
    QFETCH(QString, expectedFolder);
    QTemporaryDir dir;
    const QString runtime = dir.filePath(QStringLiteral("runtime"));
    const QString temp = dir.filePath(QStringLiteral("tmp"));
    const QString cache = dir.filePath(QStringLiteral("cache"));
    const QString ours = cache + QStringLiteral("/velmora-astrology-birth-chart");
    QVERIFY(QDir().mkpath(runtime) && QDir().mkpath(temp) && QDir().mkpath(cache));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    // The runtime folder Qt falls back on, made first by the other user as well.
    const QString tempRuntime = temp + QStringLiteral("/runtime-") +
                                QString::fromLocal8Bit(::getpwuid(::geteuid())->pw_name);
    QVERIFY(QDir().mkpath(tempRuntime));
    const auto giveAway = [](const QString& folder) {
      ::chmod(QFile::encodeName(folder).constData(), 0777);
      return ::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0;
    };
    if (runtimeTaken && (!giveAway(runtime) || !giveAway(tempRuntime))) {
      QSKIP("only root can make a folder another user's");
    }
    if (cacheTaken && (!QDir().mkpath(ours) || !giveAway(ours))) {
      QSKIP("only root can make a folder another user's");
    }
    const QByteArray saved[] = {qgetenv("XDG_RUNTIME_DIR"), qgetenv("TMPDIR"),
                                qgetenv("XDG_CACHE_HOME")};
    qputenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit());
    qputenv("TMPDIR", temp.toLocal8Bit());
    qputenv("XDG_CACHE_HOME", cache.toLocal8Bit());
    const QString lock = DefaultInstanceLockPath();
    qputenv("XDG_RUNTIME_DIR", saved[0]);
    qputenv("TMPDIR", saved[1]);
    qputenv("XDG_CACHE_HOME", saved[2]);

    const QString folder = lock.isEmpty() ? QString() : QFileInfo(lock).path();
    QCOMPARE(folder, expectedFolder == QLatin1String("runtime") ? runtime
                     : expectedFolder == QLatin1String("cache") ? ours
                                                                : QString());
    if (!lock.isEmpty()) {
      QVERIFY(IsPrivateFolder(folder));
      QCOMPARE(QFileInfo(lock).fileName(), QStringLiteral("velmora-astrology-birth-chart.lock"));
    }
    QtPlatform platform(lock);
    QVERIFY(platform.ClaimSingleInstance());
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::IndianChartTest)
#include "indian_chart_test.moc"
