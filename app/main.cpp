#include <QApplication>
#include <QIcon>
#include <QTimer>

#include "ui/qt_platform.h"
#include "velmora_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The windows take turns (the birth form hides while a chart is shown), so the program
  // ends only on one of its own exit paths.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setApplicationName(QStringLiteral("Velmora Astrology Birth Chart"));
  // Every window takes the program's icon from here; drawn from its vector picture once the
  // first window is up, so that start-up does not wait for it.
  QTimer::singleShot(0, &application, [] {
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icons/velmora.svg")));
  });

  velmora::QtPlatform platform(velmora::DefaultInstanceLockPath());
  velmora::VelmoraApp velmora(platform);
  QObject::connect(&velmora, &velmora::VelmoraApp::finished, &application, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  if (!velmora.Start()) return 0;
  return application.exec();
}
