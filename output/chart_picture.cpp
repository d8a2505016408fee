#include "chart_picture.h"

#include <unistd.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <cerrno>
#include <cstring>
#include <optional>

#include "display/main_window.h"
#include "output_messages.h"
#include "ui/platform.h"

namespace velmora {
namespace {

constexpr int kLastCopyNumber = 999;

// The chosen path with its extension replaced by ".jpg". Only a dot in the file name starts
// an extension: a dot in a folder name ("my.charts/rao") belongs to the folder.
QString WithJpegExtension(const QString& path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
  return (dot > slash ? path.left(dot) : path) + QStringLiteral(".jpg");
}

// "name.jpg" as "name_007.jpg". The number goes before the extension only, so that a name
// with more dots ("rao.1980.jpg") keeps them.
QString NumberedCopy(const QString& file, int number) {
  const QString digits = QStringLiteral("_%1").arg(number, 3, 10, QLatin1Char('0'));
  QString copy = file;
  return copy.insert(file.lastIndexOf(QLatin1Char('.')), digits);
}

// The whole JPEG is made in memory first, so that a picture the encoder refuses creates no
// file; the file is created only if no file of that name exists, so nothing is ever replaced.
std::optional<QString> WriteJpeg(const QString& path, const QImage& picture) {
  QByteArray encoded;
  QBuffer buffer(&encoded);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, "jpeg");
  writer.setQuality(100);
  if (!writer.write(picture)) return writer.errorString();

  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return file.errorString();
  bool written = file.write(encoded) == encoded.size() && file.flush();
  QString reason = file.errorString();
  // Synced as well: some file systems report a full disk only then.
  if (written && ::fsync(file.handle()) != 0) {
    written = false;
    reason = QString::fromLocal8Bit(std::strerror(errno));
  }
  file.close();
  if (!written || file.error() != QFileDevice::NoError) {
    // Only a file this command has just created is removed.
    file.remove();
    return reason;
  }
  return std::nullopt;
}

}  // namespace

void SaveChartPicture(Platform& platform, MainWindow& main, RememberedPaths& paths) {
  main.RefreshChartCapture();
  const QImage picture = main.chartCapture().toImage();

  FileDialogRequest request;
  request.Filter = QStringLiteral("JPEG Image (*.jpg)");
  request.DefaultSuffix = QStringLiteral("jpg");
  request.InitialPath = paths.PicturePath;
  const auto chosen = platform.ChooseSavePath(&main, request);
  if (!chosen || chosen->isEmpty()) return;
  paths.PicturePath = *chosen;
  SaveChartImage(platform, &main, picture, *chosen);
}

QString SaveChartImage(Platform& platform, QWidget* parent, const QImage& picture,
                       const QString& chosenPath) {
  const auto [folder, file] = SplitFolderAndFile(WithJpegExtension(chosenPath));
  const QString path = NextFreeImagePath(platform, parent, folder, file);
  if (path.isEmpty()) return {};
  if (const auto reason = WriteJpeg(path, picture)) {
    ShowOutputMessage(platform, parent,
                      QStringLiteral("The chart picture could not be saved to %1: %2.")
                          .arg(QuotedPath(path), *reason));
    return {};
  }
  return path;
}

QString NextFreeImagePath(Platform& platform, QWidget* parent, QString folder, QString file) {
  if (folder.isEmpty()) folder = QCoreApplication::applicationDirPath();
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  folder.replace(QStringLiteral("//"), QStringLiteral("/"));

  if (file.isEmpty()) {
    file = TodayStamp(true) + QStringLiteral(".jpg");
  } else if (!file.contains(QLatin1Char('.'))) {
    file += QStringLiteral(".jpg");
  } else {
    file.replace(QStringLiteral(".bmp"), QStringLiteral(".jpg"));
  }

  if (!PathExists(folder + file)) return folder + file;
  for (int number = 1; number <= kLastCopyNumber; ++number) {
    const QString copy = folder + NumberedCopy(file, number);
    if (!PathExists(copy)) return copy;
  }
  platform.ShowMessage(parent, QStringLiteral("There are too many Copies of this file  ") + file,
                       MessageIcon::Error, QStringLiteral(" UNABLE  TO  CREATE  NEW  FILE") + file);
  return {};
}

std::pair<QString, QString> SplitFolderAndFile(const QString& path) {
  const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
  if (slash < 0) return {};
  // A file at the top of the file system keeps "/" as its folder rather than none, which
  // would send it to the program's folder.
  const QString folder = slash == 0 ? QStringLiteral("/") : path.left(slash);
  return {folder, path.mid(slash + 1)};
}

bool PathExists(const QString& path) {
  return QFileInfo::exists(path);
}

QString TodayStamp(bool shortForm) {
  const QDateTime now = QDateTime::currentDateTime();
  if (shortForm) return now.toString(QStringLiteral("yyyyMMdd"));
  return now.toString(QStringLiteral("yyyyMMddhhmmsszzz"));
}

}  // namespace velmora
