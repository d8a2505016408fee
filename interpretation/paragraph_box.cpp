#include "paragraph_box.h"

#include <QTextDocument>

namespace velmora {

ParagraphBox::ParagraphBox(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);  // the lines wrap
}

void ParagraphBox::SetParagraph(const QString& text) {
  pending_ = text;
  hasPending_ = true;
  if (isVisible()) ApplyPending();
}

QString ParagraphBox::Paragraph() const {
  return hasPending_ ? pending_ : toPlainText();
}

void ParagraphBox::showEvent(QShowEvent* event) {
  ApplyPending();
  QPlainTextEdit::showEvent(event);
}

void ParagraphBox::ApplyPending() {
  if (!hasPending_) return;
  hasPending_ = false;
  // Straight into the document: the text starts at the top, no cursor needs to be found.
  document()->setPlainText(pending_);
  pending_.clear();
}

}  // namespace velmora
