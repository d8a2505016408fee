// Text from the user or from a file, shown exactly as written wherever Qt would guess at
// markup. Labels and message boxes are told Qt::PlainText; a tool tip cannot be, so it is
// marked up here as exactly its text.
#pragma once

#include <QString>

namespace velmora {

// A tool tip that shows `text` as it is, "<img src=...>" and all, line breaks kept.
inline QString PlainToolTip(const QString& text) {
  if (text.isEmpty()) return {};  // an empty tip hides the tip
  return QStringLiteral("<p style='white-space:pre'>%1</p>").arg(text.toHtmlEscaped());
}

}  // namespace velmora
