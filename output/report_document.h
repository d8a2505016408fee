// The paged report's machinery: a text document written as headings, paragraphs, tables of
// fields and pictures (chart drawings kept as vectors, SVG pictures), laid out on the pages of
// any paged device with a running head and page numbers, or written as a PDF document. The
// chart report and the match report are both written with it.
#pragma once

#include <QColor>
#include <QFont>
#include <QObject>
#include <QPageSize>
#include <QPainter>
#include <QPicture>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace velmora {

inline constexpr int kDrawingObject = QTextFormat::UserObject + 1;
inline constexpr int kObjectIndex = QTextFormat::UserProperty + 1;
inline constexpr int kObjectSize = QTextFormat::UserProperty + 2;

inline constexpr double kMarginMm = 15;
inline constexpr double kHeaderMm = 9;  // the running head above the text, the page number below

inline const QColor kHeadingInk(122, 62, 8);
inline const QColor kRuleColour(241, 157, 6);
inline const QColor kShadedCell(255, 241, 196);

// The report's fonts. Latin text is set without ligatures, so that a reader searching the
// PDF for "find" finds it; scripts that need shaping (Devanagari) are still shaped.
QFont ReportFont(double pointSize, bool bold = false);

// The pictures inside the text: the chart drawings (widgets, painted through the report's
// painter so their lines stay lines and their labels stay text) and the SVG pictures.
class ReportObjects final : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  int AddWidget(QWidget* widget) {
    items_.push_back({widget, nullptr, {}});
    return static_cast<int>(items_.size()) - 1;
  }
  // A drawing painted straight onto the page by its own routine, into its box.
  int AddPainting(std::function<void(QPainter&, const QRectF&)> paint) {
    items_.push_back({nullptr, nullptr, std::move(paint)});
    return static_cast<int>(items_.size()) - 1;
  }
  int AddSvg(const QString& resource) {
    auto renderer = std::make_unique<QSvgRenderer>(resource);
    renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    items_.push_back({nullptr, std::move(renderer), {}});
    return static_cast<int>(items_.size()) - 1;
  }
  QSizeF SvgDefaultSize(int index) const {
    const QSvgRenderer* svg = items_[static_cast<std::size_t>(index)].Svg.get();
    return svg && svg->isValid() ? QSizeF(svg->defaultSize()) : QSizeF();
  }

  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat& format) override {
    return format.property(kObjectSize).toSizeF();
  }

  void drawObject(QPainter* painter, const QRectF& rect, QTextDocument*, int,
                  const QTextFormat& format) override {
    const int index = format.property(kObjectIndex).toInt();
    if (index < 0 || index >= static_cast<int>(items_.size())) return;
    const Item& item = items_[static_cast<std::size_t>(index)];
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    if (item.Paint) {
      item.Paint(*painter, rect);
    } else if (item.Widget) {
      painter->translate(rect.topLeft());
      painter->scale(rect.width() / item.Widget->width(), rect.height() / item.Widget->height());
      // Recorded first: a widget rendered straight onto a printer arrives as one big bitmap,
      // while the recording plays back as the lines and text it was drawn with.
      QPicture recording;
      item.Widget->render(&recording, QPoint(), QRegion(), QWidget::DrawChildren);
      // Playback enlarges a recording by the device's resolution over the screen's; the
      // scale above already does that.
      const QPaintDevice* device = painter->device();
      painter->scale(double(recording.logicalDpiX()) / device->logicalDpiX(),
                     double(recording.logicalDpiY()) / device->logicalDpiY());
      painter->drawPicture(0, 0, recording);
    } else if (item.Svg && item.Svg->isValid()) {
      item.Svg->render(painter, rect);
    }
    painter->restore();
  }

 private:
  struct Item {
    QWidget* Widget;
    std::unique_ptr<QSvgRenderer> Svg;
    std::function<void(QPainter&, const QRectF&)> Paint;
  };
  std::vector<Item> items_;
};

struct ReportField {
  QString Caption;
  QString Value;
};

// Writes the report's text into a document: headings, paragraphs, tables of fields and the
// pictures, at sizes given in millimetres and turned into the device's units.
class ReportWriter {
 public:
  ReportWriter(QTextDocument& document, ReportObjects& objects, double unitsPerMm)
      : cursor_(&document), objects_(objects), mm_(unitsPerMm) {
    body_.setFont(ReportFont(9.5));
    body_.setForeground(Qt::black);
    bold_ = body_;
    bold_.setFontWeight(QFont::Bold);
  }

  // Millimetres in the device's units, for the pictures.
  double Mm(double millimetres) const { return millimetres * mm_; }
  // Millimetres for margins, paddings and borders: the layout measures those in pixels of a
  // 96 dpi screen and scales them to the device itself.
  static double FormatMm(double millimetres) { return millimetres * 96 / 25.4; }

  void Title(const QString& text, bool newPage) {
    QTextBlockFormat block = BlockAfter(3);
    if (newPage) block.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    QTextCharFormat format = bold_;
    format.setFont(ReportFont(17, true));
    format.setForeground(kHeadingInk);
    Block(block, text, format);
  }

  void Heading(const QString& text) {
    QTextBlockFormat block = BlockAfter(1.5);
    block.setTopMargin(FormatMm(4));
    QTextCharFormat format = bold_;
    format.setFont(ReportFont(12.5, true));
    format.setForeground(kHeadingInk);
    Block(block, text, format);
  }

  void SubHeading(const QString& text) {
    QTextBlockFormat block = BlockAfter(1);
    block.setTopMargin(FormatMm(2.5));
    block.setNonBreakableLines(true);
    Block(block, text, bold_);
  }

  void Paragraph(const QString& text) {
    QTextBlockFormat block = BlockAfter(2);
    block.setAlignment(Qt::AlignJustify);
    Block(block, text, body_);
  }

  // Caption and value rows; the captions take `captionPercent` of the width.
  void Fields(const std::vector<ReportField>& fields, double captionPercent = 38) {
    QTextTable* table = Table(static_cast<int>(fields.size()), 2, {captionPercent, 0}, false);
    for (std::size_t r = 0; r < fields.size(); ++r) {
      CellText(table, static_cast<int>(r), 0, fields[r].Caption, bold_);
      CellText(table, static_cast<int>(r), 1, fields[r].Value, body_);
    }
    Leave(table);
  }

  // A table with a shaded header row, repeated on every page it runs over; a caption row
  // above it keeps a title on the same page as the table's first rows.
  void Grid(const QStringList& header, const std::vector<QStringList>& rows,
            const std::vector<double>& percents, double widthPercent = 70,
            const QString& caption = QString(), double pointSize = 0) {
    // A wide table may ask for smaller type; the writer's own formats stay as they were.
    const QTextCharFormat body = body_, bold = bold_;
    if (pointSize > 0) {
      body_.setFont(ReportFont(pointSize));
      bold_.setFont(ReportFont(pointSize, true));
    }
    GridRows(header, rows, percents, widthPercent, caption);
    body_ = body;
    bold_ = bold;
  }

 private:
  void GridRows(const QStringList& header, const std::vector<QStringList>& rows,
                const std::vector<double>& percents, double widthPercent, const QString& caption) {
    const int top = caption.isEmpty() ? 0 : 1;
    const auto columns = static_cast<int>(header.size());
    QTextTable* table = Table(static_cast<int>(rows.size()) + 1 + top, columns, percents, true,
                              widthPercent, top + 1);
    if (top == 1) CellText(table, 0, 0, caption, bold_);
    for (int c = 0; c < columns; ++c) {
      QTextTableCellFormat shaded;
      shaded.setBackground(kShadedCell);
      table->cellAt(top, c).setFormat(shaded);
      CellText(table, top, c, header[c], bold_);
    }
    for (std::size_t r = 0; r < rows.size(); ++r) {
      for (int c = 0; c < rows[r].size(); ++c) {
        CellText(table, static_cast<int>(r) + 1 + top, c, rows[r][c], body_);
      }
    }
    if (top == 1) table->mergeCells(0, 0, 1, columns);
    Leave(table);
  }

 public:
  // Two columns side by side: `left` fills the first, `right` the second.
  template <class Left, class Right>
  void SideBySide(double leftPercent, Left&& left, Right&& right) {
    QTextTable* table = Table(1, 2, {leftPercent, 0}, false);
    for (int column = 0; column < 2; ++column) {
      cursor_ = table->cellAt(0, column).firstCursorPosition();
      cursor_.setBlockFormat(QTextBlockFormat());
      column == 0 ? left() : right();
    }
    Leave(table);
  }

  // A drawing painted by `paint` into a box `widthMm` wide and `heightMm` high.
  void Painting(std::function<void(QPainter&, const QRectF&)> paint, double widthMm,
                double heightMm) {
    InsertObject(objects_.AddPainting(std::move(paint)), QSizeF(Mm(widthMm), Mm(heightMm)));
  }

  // A chart drawing, `widthMm` wide with the widget's proportions.
  void Drawing(QWidget* widget, double widthMm) {
    if (!widget) return;
    const QSizeF size(Mm(widthMm), Mm(widthMm) * widget->height() / widget->width());
    InsertObject(objects_.AddWidget(widget), size);
  }

  // An SVG picture from the resources, at most `boxMm` on its longer side.
  void Picture(const QString& resource, double boxMm) {
    const int index = objects_.AddSvg(resource);
    const QSizeF natural = objects_.SvgDefaultSize(index);
    if (natural.isEmpty()) return;
    InsertObject(index, natural.scaled(Mm(boxMm), Mm(boxMm), Qt::KeepAspectRatio));
  }

 private:
  QTextBlockFormat BlockAfter(double bottomMm) const {
    QTextBlockFormat block;
    block.setBottomMargin(FormatMm(bottomMm));
    return block;
  }

  // A new block, unless the cursor stands in the empty first block of a document or cell.
  void Block(const QTextBlockFormat& block, const QString& text, const QTextCharFormat& format) {
    if (cursor_.block().length() > 1 || cursor_.block().userState() == 1) {
      cursor_.insertBlock(block, format);
    } else {
      cursor_.setBlockFormat(block);
      cursor_.setBlockCharFormat(format);
    }
    cursor_.block().setUserState(1);
    cursor_.insertText(text, format);
  }

  QTextTable* Table(int rows, int columns, const std::vector<double>& percents, bool ruled,
                    double widthPercent = 100, int headerRows = 1) {
    QTextTableFormat format;
    format.setWidth(QTextLength(QTextLength::PercentageLength, widthPercent));
    format.setCellPadding(FormatMm(ruled ? 1.2 : 0.8));
    format.setCellSpacing(0);
    format.setBorder(ruled ? FormatMm(0.3) : 0);
    format.setBorderBrush(QColor(190, 150, 90));
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBottomMargin(FormatMm(2));
    format.setHeaderRowCount(ruled ? headerRows : 0);
    QList<QTextLength> widths;
    for (double p : percents) {
      widths.append(p > 0 ? QTextLength(QTextLength::PercentageLength, p)
                          : QTextLength(QTextLength::VariableLength, 0));
    }
    format.setColumnWidthConstraints(widths);
    return cursor_.insertTable(rows, columns, format);
  }

  void CellText(QTextTable* table, int row, int column, const QString& text,
                const QTextCharFormat& format) {
    QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
    // A new table's cells take the block format of the cursor that made it: a heading's
    // margins would open every row.
    cell.setBlockFormat(QTextBlockFormat());
    cell.setBlockCharFormat(format);
    cell.insertText(text, format);
  }

  void Leave(QTextTable* table) {
    cursor_ = table->lastCursorPosition();
    cursor_.movePosition(QTextCursor::NextBlock);
  }

  void InsertObject(int index, const QSizeF& size) {
    QTextCharFormat object;
    object.setObjectType(kDrawingObject);
    object.setProperty(kObjectIndex, index);
    object.setProperty(kObjectSize, size);
    QTextBlockFormat block = BlockAfter(1);
    if (cursor_.block().length() > 1 || cursor_.block().userState() == 1) {
      cursor_.insertBlock(block, body_);
    }
    cursor_.block().setUserState(1);
    cursor_.insertText(QString(QChar::ObjectReplacementCharacter), object);
  }

  QTextCursor cursor_;
  ReportObjects& objects_;
  double mm_;
  QTextCharFormat body_;
  QTextCharFormat bold_;
};

// Lays out what `write` writes for `device` and paints every page, the program's caption and
// `runningName` above the text and "Page N of M" below it. Returns the number of pages, or
// nothing when the device cannot be painted on.
std::optional<int> PaintReportDocument(QPagedPaintDevice& device,
                                       const std::function<void(ReportWriter&)>& write,
                                       const QString& runningName);

// A PDF document of that page size and title, in memory, of what `paint` paints on it;
// empty when `paint` fails.
QByteArray ReportDocumentPdf(QPageSize::PageSizeId pageSize, const QString& title,
                             const std::function<bool(QPagedPaintDevice&)>& paint);

}  // namespace velmora
