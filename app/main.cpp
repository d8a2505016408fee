#include <QApplication>

#include "qt_platform.h"
#include "velmora_app.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // The windows take turns (the birth form hides while a chart is shown), so the program
  // ends only on one of its own exit paths.
  QApplication::setQuitOnLastWindowClosed(false);
  QApplication::setApplicationName(QStringLiteral("Velmora Astrology Birth Chart"));

  velmora::QtPlatform platform(velmora::DefaultInstanceLockPath());
  velmora::VelmoraApp velmora(platform);
  QObject::connect(&velmora, &velmora::VelmoraApp::finished, &application, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  if (!velmora.Start()) return 0;
  return application.exec();
}
