// "Save As JPG": the chart window kept as a JPEG, under a name that never replaces a file.
#pragma once

#include <QImage>
#include <QString>
#include <utility>

#include "remembered_paths.h"

class QWidget;

namespace velmora {

class MainWindow;
class Platform;

// Captures the chart window, asks for a name and saves the capture there.
void SaveChartPicture(Platform& platform, MainWindow& main, RememberedPaths& paths);

// Writes `picture` as a JPEG at the chosen path with its extension replaced by ".jpg", or
// at a numbered copy of that name when it is taken. Returns the path written; empty when
// nothing was written, after telling the user why.
QString SaveChartImage(Platform& platform, QWidget* parent, const QImage& picture,
                       const QString& chosenPath);

// The picture path to use for this folder and file name: the name itself when it is free,
// otherwise the first free one of name_001.jpg to name_999.jpg. Empty, after telling the
// user, when all of them are taken.
QString NextFreeImagePath(Platform& platform, QWidget* parent, QString folder, QString file);

// The folder (the text before the last "/", or "/" itself) and the file name (the text
// after it); both empty when the path has no "/".
std::pair<QString, QString> SplitFolderAndFile(const QString& path);

// Whether a file or folder of that name exists.
bool PathExists(const QString& path);

// The local date as yyyyMMdd; unless `shortForm`, followed by hhmmss and milliseconds.
QString TodayStamp(bool shortForm);

}  // namespace velmora
