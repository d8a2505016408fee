// A read-only, scrolling box for one paragraph. Most paragraphs sit on sub-tabs the reader
// may never open: the text is handed to the box's document only when the box is first
// shown, so that filling a page does not lay out twenty paragraphs nobody sees yet.
#pragma once

#include <QPlainTextEdit>

namespace velmora {

class ParagraphBox : public QPlainTextEdit {
  Q_OBJECT

 public:
  explicit ParagraphBox(QWidget* parent);

  void SetParagraph(const QString& text);
  // The paragraph as set, whether or not the box has been shown yet.
  QString Paragraph() const;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void ApplyPending();

  QString pending_;
  bool hasPending_ = false;
};

}  // namespace velmora
