// The real desktop's file dialogs: what they may do with the files they list.
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/qt_platform.h"

namespace velmora::test {

class QtPlatformTest : public QObject {
  Q_OBJECT

 private slots:
  // A listed file is never opened: its type comes from its name, so a file whose reading
  // would block (/proc/kmsg) cannot freeze the dialog. The contents here say otherwise.
  void fileTypesComeFromNamesNotContents_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("notType");
    QTest::newRow("PDF bytes without extension") << "kmsg" << QByteArray("%PDF-1.4\n") << "PDF";
    QTest::newRow("PNG bytes without extension")
        << "data" << QByteArray("\x89PNG\r\n\x1a\n", 8) << "PNG";
  }
  void fileTypesComeFromNamesNotContents() {
    QFETCH(QString, name);
    QFETCH(QByteArray, contents);
    QFETCH(QString, notType);
    QTemporaryDir folder;
    QFile file(folder.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();
    const NameOnlyIconProvider icons;
    const QString type = icons.type(QFileInfo(file.fileName()));
    QVERIFY2(!type.contains(notType), qPrintable(type));
  }

  void extensionsStillNameTheType() {
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("chart.jpg")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const NameOnlyIconProvider icons;
    QVERIFY2(icons.type(QFileInfo(file.fileName())).contains(QStringLiteral("JPEG")),
             qPrintable(icons.type(QFileInfo(file.fileName()))));
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::QtPlatformTest)
#include "qt_platform_test.moc"
