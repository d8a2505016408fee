#include "report_document.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QPagedPaintDevice>
#include <QPdfWriter>
#include <QTextCursor>

#include "ui/ui_style.h"
#include "velmora/version.h"

namespace velmora {
namespace {

// The running head and the page number, outside the text area.
void PaintPageFrame(QPainter& painter, const QRectF& area, double mm, int page, int pages,
                    const QString& name) {
  painter.save();
  painter.setFont(ReportFont(7.5));
  painter.setPen(QColor(110, 90, 60));
  const QRectF head(area.left(), area.top(), area.width(), mm * 5);
  painter.drawText(head, Qt::AlignLeft | Qt::AlignTop, QString::fromUtf8(kApplicationCaption));
  painter.drawText(head, Qt::AlignRight | Qt::AlignTop, name);
  painter.setPen(QPen(kRuleColour, mm * 0.25));
  painter.drawLine(QPointF(area.left(), area.top() + mm * 5),
                   QPointF(area.right(), area.top() + mm * 5));
  painter.setPen(QColor(110, 90, 60));
  const QRectF foot(area.left(), area.bottom() - mm * 5, area.width(), mm * 5);
  painter.drawText(foot, Qt::AlignHCenter | Qt::AlignBottom,
                   QStringLiteral("Page %1 of %2").arg(page).arg(pages));
  painter.restore();
}

}  // namespace

// The report's fonts. Latin text is set without ligatures, so that a reader searching the
// PDF for "find" finds it; scripts that need shaping (Devanagari) are still shaped.
QFont ReportFont(double pointSize, bool bold) {
  QFont font = VerdanaFont(pointSize, bold);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::optional<int> PaintReportDocument(QPagedPaintDevice& device,
                                       const std::function<void(ReportWriter&)>& write,
                                       const QString& runningName) {
  const double mm = device.logicalDpiY() / 25.4;  // device units per millimetre
  const QRectF area(0, 0, device.width(), device.height());
  const QRectF body = area.adjusted(0, kHeaderMm * mm, 0, -kHeaderMm * mm);

  QTextDocument document;
  ReportObjects objects;
  document.documentLayout()->setPaintDevice(&device);
  document.documentLayout()->registerHandler(kDrawingObject, &objects);
  document.setDocumentMargin(0);
  document.setDefaultFont(ReportFont(9.5));
  document.setPageSize(body.size());
  ReportWriter writer(document, objects, mm);
  {
    // One edit for the whole text: laid out once at the end, not again after every cell
    // (each cell written into a table laid the whole table out anew).
    QTextCursor batch(&document);
    batch.beginEditBlock();
    write(writer);
    batch.endEditBlock();
  }

  QPainter painter;
  if (!painter.begin(&device)) return std::nullopt;
  const int pages = document.pageCount();
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    PaintPageFrame(painter, area, mm, page + 1, pages, runningName);
    painter.save();
    const QRectF view(0, page * body.height(), body.width(), body.height());
    painter.translate(body.left(), body.top() - view.top());
    painter.setClipRect(view);
    QAbstractTextDocumentLayout::PaintContext context;
    // A line that opens the next page starts exactly on this page's lower edge: kept out,
    // or its text would sit invisible (but searchable) under this page's clip.
    context.clip = view.adjusted(0, 0, 0, -1);
    context.palette.setColor(QPalette::Text, Qt::black);
    document.documentLayout()->draw(&painter, context);
    painter.restore();
  }
  painter.end();
  return pages;
}

QByteArray ReportDocumentPdf(QPageSize::PageSizeId pageSize, const QString& title,
                             const std::function<bool(QPagedPaintDevice&)>& paint) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setPageSize(QPageSize(pageSize));
    writer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                          QPageLayout::Millimeter);
    writer.setResolution(600);
    writer.setCreator(QString::fromUtf8(kApplicationCaption));
    writer.setTitle(title);
    if (!paint(writer)) return {};
  }
  return bytes;
}

}  // namespace velmora
