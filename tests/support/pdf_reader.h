// Reading a PDF back as its reader would: the text with poppler's pdftotext, the pages with
// pdftoppm.
#pragma once

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

namespace velmora::test {

// The text of one page (1-based), or of the whole document for page 0, with every run of
// white space made one space, so that lines broken anywhere still compare.
inline QString PdfText(const QString& path, int page = 0) {
  QStringList args;
  if (page > 0) {
    args << QStringLiteral("-f") << QString::number(page) << QStringLiteral("-l")
         << QString::number(page);
  }
  args << path << QStringLiteral("-");
  QProcess tool;
  tool.start(QStringLiteral("pdftotext"), args);
  if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return QStringLiteral("<unreadable>");
  return QString::fromUtf8(tool.readAllStandardOutput()).simplified();
}

// The number of pages pdfinfo reports; 0 when the file is no PDF it can read.
inline int PdfPages(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdfinfo"), {path});
  if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return 0;
  const auto match = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)"))
                         .match(QString::fromUtf8(tool.readAllStandardOutput()));
  return match.hasMatch() ? match.captured(1).toInt() : 0;
}

// The paper pdfinfo reports ("A4", "letter"), or an empty text.
inline QString PdfPaper(const QString& path) {
  QProcess tool;
  tool.start(QStringLiteral("pdfinfo"), {path});
  if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
  const auto match = QRegularExpression(QStringLiteral("Page size:.*\\((\\w+)\\)"))
                         .match(QString::fromUtf8(tool.readAllStandardOutput()));
  return match.hasMatch() ? match.captured(1) : QString();
}

// One page drawn by pdftoppm at a low resolution; a null image when it cannot be drawn.
inline QImage PdfPageImage(const QString& path, int page) {
  QTemporaryDir folder;
  const QString stem = folder.filePath(QStringLiteral("page"));
  QProcess tool;
  tool.start(QStringLiteral("pdftoppm"),
             {QStringLiteral("-r"), QStringLiteral("30"), QStringLiteral("-f"),
              QString::number(page), QStringLiteral("-l"), QString::number(page),
              QStringLiteral("-singlefile"), QStringLiteral("-png"), path, stem});
  if (!tool.waitForFinished(60000) || tool.exitCode() != 0) return {};
  return QImage(stem + QStringLiteral(".png"));
}

// Whether a picture holds more than one colour: a page with anything drawn on it.
inline bool HasInk(const QImage& image) {
  if (image.isNull()) return false;
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) return true;
    }
  }
  return false;
}

}  // namespace velmora::test
