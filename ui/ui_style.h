// Fonts and colours the windows share.
#pragma once

#include <QColor>
#include <QFont>
#include <QStringList>

namespace velmora {

// The program's orange-yellow, of the bars and the chart grounds.
inline const QColor kOrangeYellow(255, 199, 6);

// Verdana where it is installed, otherwise the closest sans-serif the platform has.
inline QFont VerdanaFont(double pointSize, bool bold = false) {
  QFont font;
  font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"),
                    QStringLiteral("Liberation Sans"), QStringLiteral("Sans Serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(pointSize);
  font.setBold(bold);
  return font;
}

}  // namespace velmora
