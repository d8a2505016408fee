#include "output_messages.h"

#include <QDir>

#include "ui/platform.h"
#include "velmora/version.h"

namespace velmora {

QString QuotedPath(const QString& path) {
  return QLatin1Char('"') + QDir::toNativeSeparators(path) + QLatin1Char('"');
}

void ShowOutputMessage(Platform& platform, QWidget* parent, const QString& text, MessageIcon icon) {
  platform.ShowMessage(parent, text, icon, QString::fromUtf8(kApplicationTitle));
}

}  // namespace velmora
