// One measured run of the desktop program, started by ui_bench:
//   ui_probe empty               an empty window of the birth form's size
//   ui_probe label               the same window showing one line of text
//   ui_probe form                the program up to its birth form on screen
//   ui_probe scenario COUNT      the form, then COUNT South charts of the Delhi birth
//   ui_probe places              the form, then "s", then "kathmandu" typed letter by letter
//                                into the City box
//   ui_probe cycles COUNT        the form, then COUNT charts each closed with Back; prints
//                                "heap <bytes>" in use after 30 warm-up cycles and after the last,
//                                the style's pixmap cache emptied before each
// It prints "shown <monotonic ns>" when the first window has painted, and for the scenario
// one "chart <ns>" line per chart command, from the click to the chart window painted; for
// places one "keystroke <ns>" line per letter, from the key press to the list painted.
#include <malloc.h>
#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QPixmapCache>
#include <QTemporaryDir>

#include <cstdio>
#include <ctime>

#include "app/velmora_app.h"
#include "example_births.h"
#include "ui/qt_platform.h"
#include "ui/twips.h"

namespace {

long long MonotonicNanoseconds() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000000000LL + now.tv_nsec;
}

// Waits until `widget` (or one of its children) has painted.
void WaitForPaint(QWidget& widget) {
  struct Watcher : QObject {
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) painted = true;
      return false;
    }
  } watcher;
  widget.installEventFilter(&watcher);
  for (QWidget* child : widget.findChildren<QWidget*>()) child->installEventFilter(&watcher);
  while (!watcher.painted)
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents, 5);
  widget.removeEventFilter(&watcher);
  for (QWidget* child : widget.findChildren<QWidget*>()) child->removeEventFilter(&watcher);
}

void TypeDelhi(velmora::BirthForm& f) {
  f.ShowEntries(velmora::test::DelhiBirth());
  f.cboTimeZone->setCurrentIndex(velmora::test::DelhiBirth().ZoneRow);
}

}  // namespace

int main(int argc, char** argv) {
  const QString mode = argc > 1 ? QString::fromLatin1(argv[1]) : QStringLiteral("form");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);

  if (mode == QLatin1String("empty") || mode == QLatin1String("label")) {
    QMainWindow window;
    window.setCentralWidget(mode == QLatin1String("label") ? new QLabel(QStringLiteral("Name"))
                                                           : new QWidget);
    window.centralWidget()->setFixedSize(velmora::TwipsSize(8565, 5790));
    window.show();
    WaitForPaint(window);
    std::printf("shown %lld\n", MonotonicNanoseconds());
    return 0;
  }

  QTemporaryDir lockFolder;
  // The defaults of a first run, whatever this user has chosen in the program.
  velmora::QtPlatform platform(lockFolder.filePath(QStringLiteral("probe.lock")),
                               lockFolder.filePath(QStringLiteral("probe.conf")));
  velmora::VelmoraApp app(platform);
  app.Start();
  // Any mode with the classic formulas, to compare with the default precise positions.
  if (QLatin1String(argv[argc - 1]) == QLatin1String("classic")) app.SetClassicFormulas(true);
  WaitForPaint(app.form());
  std::printf("shown %lld\n", MonotonicNanoseconds());
  if (mode == QLatin1String("places")) {
    velmora::BirthForm& form = app.form();
    form.txtCity->setFocus();
    for (const QString& word : {QStringLiteral("s"), QStringLiteral("kathmandu")}) {
      form.txtCity->clear();
      for (const QChar letter : word) {
        QElapsedTimer timer;
        timer.start();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(letter));
        QApplication::sendEvent(form.txtCity, &press);
        WaitForPaint(*form.placeCompleter()->popup());
        std::printf("keystroke %lld\n", static_cast<long long>(timer.nsecsElapsed()));
      }
    }
    std::fflush(stdout);
    return 0;
  }
  if (mode == QLatin1String("cycles")) {
    const int count = argc > 2 ? std::atoi(argv[2]) : 50;
    TypeDelhi(app.form());
    const auto cycle = [&app] {
      app.form().cmdCalculate->click();
      WaitForPaint(app.mainWindow()->chartWindow());
      app.Back();
      QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
      QCoreApplication::processEvents();
    };
    // The style keeps pictures of the controls it has painted in QPixmapCache, keyed by each
    // new window's palette, until the cache's 10 MB limit; emptied before each reading, it
    // leaves only what the program itself keeps.
    const auto printHeap = [] {
      QPixmapCache::clear();
      std::printf("heap %zu widgets %lld\n", mallinfo2().uordblks,
                  static_cast<long long>(QApplication::allWidgets().size()));
    };
    // The first cycles fill what lives for the whole run (fonts, glyphs, styles, the heap).
    for (int i = 0; i < 30; ++i) cycle();
    printHeap();
    for (int i = 0; i < count; ++i) cycle();
    printHeap();
    // Ends without tearing anything down, so that heaptrack lists what the cycles left
    // behind among its leaks, each site with a count of about COUNT.
    std::fflush(stdout);
    std::_Exit(0);
  }
  if (mode == QLatin1String("first-chart")) {
    // From the start to the first chart painted, as a user at their first run sees it: the
    // program's default positions, or the classic formulas for comparison.
    TypeDelhi(app.form());
    app.form().cmdCalculate->click();
    WaitForPaint(app.mainWindow()->chartWindow());
    std::printf("painted %lld\n", MonotonicNanoseconds());
    std::fflush(stdout);
    return 0;
  }
  if (mode != QLatin1String("scenario")) return 0;

  const int count = argc > 2 ? std::atoi(argv[2]) : 20;
  TypeDelhi(app.form());
  for (int i = 0; i < count; ++i) {
    QElapsedTimer timer;
    timer.start();
    app.form().cmdCalculate->click();
    WaitForPaint(app.mainWindow()->chartWindow());
    std::printf("chart %lld\n", static_cast<long long>(timer.nsecsElapsed()));
    app.Back();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }
  std::fflush(stdout);
  return 0;
}
