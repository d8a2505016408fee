// A label that opens something when clicked, drawn as a link. Plain text with an underlined
// font: a rich-text label would lay out a whole document for one line, which showed in how
// long the windows take to open.
#pragma once

#include <QLabel>

namespace velmora {

class LinkLabel : public QLabel {
  Q_OBJECT

 public:
  LinkLabel(const QString& text, QWidget* parent);

 signals:
  void activated();

 protected:
  void changeEvent(QEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace velmora
