// The messages the output commands show when a file cannot be read or written.
#pragma once

#include <QString>

#include "engine/birth_data.h"

class QWidget;

namespace velmora {

class Platform;

// A path as the user's desktop writes it, in quotes.
QString QuotedPath(const QString& path);

// A message box with the program's title.
void ShowOutputMessage(Platform& platform, QWidget* parent, const QString& text,
                       MessageIcon icon = MessageIcon::Error);

}  // namespace velmora
