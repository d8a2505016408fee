#include "chart_report.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QDate>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSvgRenderer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextObjectInterface>
#include <QTextTable>
#include <QWidget>
#include <memory>
#include <string_view>
#include <vector>

#include "engine/chart.h"
#include "engine/files/report.h"
#include "engine/jyotish/ashtakavarga.h"
#include "engine/jyotish/dasha.h"
#include "engine/jyotish/divisional.h"
#include "engine/jyotish/panchanga.h"
#include "engine/jyotish/planet_status.h"
#include "engine/jyotish/zodiac.h"
#include "interpretation/nakshatra_information.h"
#include "interpretation/picture_lists.h"
#include "interpretation/planets_in_signs.h"
#include "interpretation/sign_information.h"
#include "interpretation/text_table.h"
#include "ui/ui_style.h"
#include "velmora/version.h"

namespace velmora {
namespace {

// Countries whose paper is US Letter; everyone else prints on A4.
struct LetterCountry {
  QLocale::Country Country;
};
constexpr LetterCountry kLetterCountries[] = {
    {QLocale::UnitedStates}, {QLocale::Canada},    {QLocale::Mexico},
    {QLocale::Chile},        {QLocale::Colombia},  {QLocale::CostaRica},
    {QLocale::Guatemala},    {QLocale::Panama},    {QLocale::Philippines},
    {QLocale::PuertoRico},   {QLocale::Venezuela}, {QLocale::DominicanRepublic},
    {QLocale::ElSalvador},   {QLocale::Nicaragua}, {QLocale::Honduras},
};

constexpr int kDrawingObject = QTextFormat::UserObject + 1;
constexpr int kObjectIndex = QTextFormat::UserProperty + 1;
constexpr int kObjectSize = QTextFormat::UserProperty + 2;

constexpr double kMarginMm = 15;
constexpr double kHeaderMm = 9;  // the running head above the text, the page number below

const QColor kHeadingInk(122, 62, 8);
const QColor kRuleColour(241, 157, 6);
const QColor kShadedCell(255, 241, 196);

// The report's fonts. Latin text is set without ligatures, so that a reader searching the
// PDF for "find" finds it; scripts that need shaping (Devanagari) are still shaped.
QFont ReportFont(double pointSize, bool bold = false) {
  QFont font = VerdanaFont(pointSize, bold);
  font.setStyleStrategy(QFont::PreferNoShaping);
  return font;
}

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The pictures inside the text: the chart drawings (widgets, painted through the report's
// painter so their lines stay lines and their labels stay text) and the SVG pictures.
class ReportObjects final : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  int AddWidget(QWidget* widget) {
    items_.push_back({widget, nullptr});
    return static_cast<int>(items_.size()) - 1;
  }
  int AddSvg(const QString& resource) {
    auto renderer = std::make_unique<QSvgRenderer>(resource);
    renderer->setAspectRatioMode(Qt::KeepAspectRatio);
    items_.push_back({nullptr, std::move(renderer)});
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
    if (item.Widget) {
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
  };
  std::vector<Item> items_;
};

struct Field {
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
  void Fields(const std::vector<Field>& fields, double captionPercent = 38) {
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

QString Degrees(int degrees, int minutes, char direction) {
  return QStringLiteral("%1° %2′ %3")
      .arg(degrees)
      .arg(minutes, 2, 10, QLatin1Char('0'))
      .arg(QLatin1Char(direction));
}

QString DateOfBirth(const ChartRecord& c) {
  return QStringLiteral("%1 %2, %3")
      .arg(Text(MonthName(c.BirthMonth)))
      .arg(c.BirthDay)
      .arg(c.BirthYear);
}

QString TimeOfBirth(const ChartRecord& c) {
  return QStringLiteral("%1:%2").arg(c.BirthHour).arg(c.BirthMinute, 2, 10, QLatin1Char('0'));
}

// The zone as an offset from universal time; the record keeps its size and its side apart.
QString ZoneOffset(const ChartRecord& c) {
  const bool west = c.ZoneSide == ZoneDirection::West;
  return QStringLiteral("UTC%1%2:%3")
      .arg(QLatin1Char(west ? '-' : '+'))
      .arg(c.ZoneHours, 2, 10, QLatin1Char('0'))
      .arg(c.ZoneMinutes, 2, 10, QLatin1Char('0'));
}

QString Place(const ChartRecord& c) {
  QStringList parts;
  for (const std::string* part : {&c.BirthCity, &c.BirthState, &c.BirthCountry}) {
    if (!part->empty()) parts << QString::fromStdString(*part);
  }
  return parts.join(QStringLiteral(", "));
}

std::vector<Field> BirthFields(const ChartRecord& c) {
  return {
      {QStringLiteral("Name"), QString::fromStdString(c.BirthName)},
      {QStringLiteral("Date of Birth"), DateOfBirth(c)},
      {QStringLiteral("Time of Birth"), TimeOfBirth(c)},
      {QStringLiteral("Time Zone"), ZoneOffset(c)},
      {QStringLiteral("Daylight Saving"),
       c.IsDaylightSaving ? QStringLiteral("Yes, clocks one hour ahead") : QStringLiteral("No")},
      {QStringLiteral("Place"), Place(c)},
      {QStringLiteral("Latitude"),
       Degrees(c.LatitudeDegrees, c.LatitudeMinutes, c.IsSouthLatitude ? 'S' : 'N')},
      {QStringLiteral("Longitude"),
       Degrees(c.LongitudeDegrees, c.LongitudeMinutes, c.IsEastLongitude ? 'E' : 'W')},
  };
}

// The position table's rows as the chart window captions them, with the two angles after
// the bodies.
struct PositionRow {
  std::string_view Caption;
  int Row;  // of PlanetPositionTexts
};
constexpr PositionRow kIndianPositions[] = {
    {"Surya / Sun", 0},       {"Chandra / Moon", 1},    {"Budha / Mercury", 2},
    {"Shukra / Venus", 3},    {"Mangala / Mars", 4},    {"Guru / Jupiter", 5},
    {"Shani / Saturn", 6},    {"Rahu / North Node", 7}, {"Ketu / South Node", 8},
    {"Lagna / Ascendant", 9}, {"Midheaven", 10},
};
constexpr PositionRow kWesternPositions[] = {
    {"Sun", 0},     {"Moon", 1},   {"Mercury", 2},    {"Venus", 3},      {"Mars", 4},
    {"Jupiter", 5}, {"Saturn", 6}, {"North Node", 7}, {"South Node", 8}, {"Ascendant", 9},
};

template <std::size_t N>
std::vector<QStringList> PositionRows(const ChartRecord& c, const PositionRow (&rows)[N]) {
  std::vector<QStringList> out;
  for (const PositionRow& row : rows) {
    out.push_back(
        {Text(row.Caption),
         QString::fromStdString(c.PlanetPositionTexts[static_cast<std::size_t>(row.Row)])});
  }
  return out;
}

// The body's dignity, retrograde motion and combustion in words; nothing for the angles.
QString StatusText(const std::array<PlanetStatus, kStatusBodies>& statuses, int row) {
  if (row < 0 || row >= kStatusBodies) return {};
  const PlanetStatus& s = statuses[static_cast<std::size_t>(row)];
  QStringList words;
  if (s.SignDignity != Dignity::None) words << Text(DignityName(s.SignDignity));
  if (s.Retrograde.value_or(false)) words << QStringLiteral("retrograde");
  if (s.Combust) words << QStringLiteral("combust");
  return words.join(QStringLiteral(", "));
}

void WriteIndianChart(ReportWriter& w, const ReportSources& s) {
  const ChartRecord& c = *s.Sidereal;
  w.Title(c.BirthName.empty()
              ? QStringLiteral("Birth Chart")
              : QStringLiteral("Birth Chart of %1").arg(QString::fromStdString(c.BirthName)),
          false);
  w.SideBySide(
      46,
      [&] {
        w.SubHeading(s.IndianStyleCaption);
        w.Drawing(s.IndianDrawing, 80);
      },
      [&] {
        w.SubHeading(QStringLiteral("Birth Data"));
        w.Fields(BirthFields(c), 40);
        w.SubHeading(QStringLiteral("Other Details"));
        w.Fields({{QStringLiteral("Ayanamsa"), QString::fromStdString(c.AyanamsaDisplay)},
                  {QStringLiteral("Lagna / Asc"), QString::fromStdString(c.AscendantSignName)},
                  {QStringLiteral("Nakshatra"), QString::fromStdString(c.NakshatraLabel)},
                  {QStringLiteral("Rashi/Moon Sign"), QString::fromStdString(c.MoonSignLabel)},
                  {QStringLiteral("Pada"), QString::fromStdString(c.NakshatraPada)},
                  {QStringLiteral("Lord"), QString::fromStdString(c.NakshatraLord)}},
                 40);
      });
  w.Heading(QStringLiteral("Planetary Position"));
  std::vector<QStringList> positions = PositionRows(c, kIndianPositions);
  const auto statuses = PlanetStatuses(c);
  for (std::size_t i = 0; i < positions.size(); ++i)
    positions[i] << StatusText(statuses, kIndianPositions[i].Row);
  w.Grid({QStringLiteral("Planet"), QStringLiteral("Position"), QStringLiteral("Status")},
         positions, {34, 22, 44}, 85);
  // A reader comparing with another program's tables must know which positions these are.
  if (const std::string_view caption = PositionsCaption(c); !caption.empty()) {
    w.Paragraph(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
  }
}

QString DashaDate(const ChartRecord& c, double daysFromBirth) {
  const CivilDate date = DateFromBirth(c, daysFromBirth);
  return QDate(date.Year, date.Month, date.Day).toString(QStringLiteral("d MMM yyyy"));
}

// "12.03.90": short enough for nine in one cell.
QString ShortDashaDate(const ChartRecord& c, double daysFromBirth) {
  const CivilDate date = DateFromBirth(c, daysFromBirth);
  return QDate(date.Year, date.Month, date.Day).toString(QStringLiteral("dd.MM.yy"));
}

QString LordName(int lordIndex) {
  return Text(kDashaLords[static_cast<std::size_t>(lordIndex)].Name);
}

// The Navamsa drawn like the birth chart, its signs in a table, then the Vimshottari dasha:
// the balance at birth and every mahadasha with its antardashas.
void WriteNavamsaAndDasha(ReportWriter& w, const ReportSources& s) {
  const ChartRecord& c = *s.Sidereal;
  w.Title(QStringLiteral("Navamsa (D9)"), true);
  const std::array<int, kLongitudeRows> signs = DivisionalSigns(Division::D9, c);
  std::vector<QStringList> rows;
  for (std::size_t row = 0; row < kLongitudeRows; ++row) {
    const PositionRow& caption = kIndianPositions[row];
    rows.push_back(
        {Text(caption.Caption), Text(kEnglishSignNames[static_cast<std::size_t>(signs[row])])});
  }
  w.SideBySide(
      46, [&] { w.Drawing(s.NavamsaDrawing, 80); },
      [&] {
        w.Grid({QStringLiteral("Planet"), QStringLiteral("Navamsa Sign")}, rows, {55, 45}, 100);
      });

  w.Heading(QStringLiteral("Vimshottari Dasha"));
  const DashaBalance balance = VimshottariBalance(c);
  w.Paragraph(QStringLiteral("Balance at birth: %1 Mahadasha, %2 years %3 months %4 days.")
                  .arg(LordName(balance.LordIndex))
                  .arg(balance.Years)
                  .arg(balance.Months)
                  .arg(balance.Days));
  for (const Mahadasha& m : VimshottariDashas(c)) {
    std::vector<QStringList> periods;
    for (std::size_t j = 0; j < m.Antardashas.size(); ++j) {
      const DashaPeriod& a = m.Antardashas[j];
      // The nine pratyantardashas by the day each begins, the antardasha's own lord first.
      QStringList starts;
      for (const DashaPeriod& p : m.Pratyantardashas[j]) {
        starts << QStringLiteral("%1 %2").arg(LordName(p.LordIndex).left(2),
                                              ShortDashaDate(c, p.StartDaysFromBirth));
      }
      periods.push_back({LordName(a.LordIndex), DashaDate(c, a.StartDaysFromBirth),
                         DashaDate(c, a.EndDaysFromBirth), starts.join(QStringLiteral(", "))});
    }
    w.Grid({QStringLiteral("Antardasha"), QStringLiteral("From"), QStringLiteral("To"),
            QStringLiteral("Pratyantardashas from")},
           periods, {14, 15, 15, 56}, 100,
           QStringLiteral("%1 Mahadasha: %2 to %3")
               .arg(LordName(m.Period.LordIndex), DashaDate(c, m.Period.StartDaysFromBirth),
                    DashaDate(c, m.Period.EndDaysFromBirth)),
           8);
  }
}

QString ClockOr(const std::optional<double>& hours, const SunRiseSet& sun) {
  if (hours) return QString::fromStdString(ClockText(*hours));
  if (sun.AboveAllDay) return QStringLiteral("none (the Sun stays up all day)");
  if (sun.BelowAllDay) return QStringLiteral("none (the Sun stays down all day)");
  return QStringLiteral("none on this date");
}

// The panchanga of the birth, the sixteen divisions and the ashtakavarga, on pages of their
// own after the dasha.
void WriteJyotishTables(ReportWriter& w, const ChartRecord& c) {
  w.Title(QStringLiteral("Panchanga"), true);
  const Panchanga p = ComputePanchanga(c);
  const auto vara = static_cast<std::size_t>(p.Vara);
  QString varaText =
      QStringLiteral("%1 (%2)").arg(Text(kVaraNames[vara]), Text(kWeekdayNames[vara]));
  if (p.BeforeSunrise) varaText += QStringLiteral(", born before sunrise");
  w.Fields({{QStringLiteral("Tithi"),
             QStringLiteral("%1 %2 (%3)").arg(Text(p.Paksha), Text(p.TithiName)).arg(p.Tithi)},
            {QStringLiteral("Vara"), varaText},
            {QStringLiteral("Nakshatra"),
             QStringLiteral("%1, pada %2")
                 .arg(Text(kNakshatraNames[static_cast<std::size_t>(p.Nakshatra)]))
                 .arg(p.Pada)},
            {QStringLiteral("Yoga"), Text(kYogaNames[static_cast<std::size_t>(p.Yoga)])},
            {QStringLiteral("Karana"), Text(p.KaranaName)},
            {QStringLiteral("Sunrise"), ClockOr(p.Sun.RiseLocalHours, p.Sun)},
            {QStringLiteral("Sunset"), ClockOr(p.Sun.SetLocalHours, p.Sun)}},
           30);
  w.Paragraph(
      QStringLiteral("Sunrise and sunset at the place of birth on its local clock, for "
                     "the centre of the Sun's disc on the true horizon; the vara runs "
                     "from sunrise to sunrise."));

  w.Heading(QStringLiteral("Shodashavarga"));
  QStringList header{QStringLiteral("Planet")};
  for (const DivisionInfo& division : kDivisions) header << Text(division.Key);
  std::vector<QStringList> rows;
  std::array<std::array<int, kLongitudeRows>, kDivisions.size()> signs{};
  for (std::size_t d = 0; d < kDivisions.size(); ++d)
    signs[d] = DivisionalSigns(kDivisions[d].Division, c);
  // The lagna first, as the divisions are read from it.
  std::array<std::size_t, kLongitudeRows> order{kAscendantRow, 0, 1, 2, 3, 4, 5, 6, 7, 8};
  for (std::size_t row : order) {
    QStringList cells{Text(kLongitudeNames[row])};
    for (std::size_t d = 0; d < kDivisions.size(); ++d)
      cells << Text(SignAbbreviation(signs[d][row]));
    rows.push_back(cells);
  }
  std::vector<double> widths{12.8};
  widths.resize(kDivisions.size() + 1, 87.2 / kDivisions.size());
  w.Grid(header, rows, widths, 100, QString(), 7.5);

  w.Heading(QStringLiteral("Ashtakavarga"));
  const Ashtakavarga a = ComputeAshtakavarga(c);
  QStringList signHeader{QStringLiteral("Bindus")};
  for (int sign = 0; sign < 12; ++sign) signHeader << Text(SignAbbreviation(sign));
  signHeader << QStringLiteral("Total");
  std::vector<QStringList> bindus;
  for (std::size_t planet = 0; planet < a.Bhinna.size(); ++planet) {
    QStringList cells{Text(kAshtakavargaNames[planet])};
    for (int count : a.Bhinna[planet].Bindus) cells << QString::number(count);
    cells << QString::number(a.Bhinna[planet].Total);
    bindus.push_back(cells);
  }
  QStringList sarva{QStringLiteral("Sarva")};
  for (int count : a.Sarva) sarva << QString::number(count);
  sarva << QString::number(a.SarvaTotal);
  bindus.push_back(sarva);
  std::vector<double> signWidths{14};
  signWidths.resize(14, 86.0 / 13);
  w.Grid(signHeader, bindus, signWidths, 100, QString(), 8);
}

void WriteWesternChart(ReportWriter& w, const ReportSources& s, bool newPage) {
  const ChartRecord& t = *s.Tropical;
  w.Title(QStringLiteral("Western Style"), newPage);
  w.Paragraph(QStringLiteral("%1, born %2 at %3 (%4), %5")
                  .arg(QString::fromStdString(t.BirthName), DateOfBirth(t), TimeOfBirth(t),
                       ZoneOffset(t), Place(t)));
  w.Drawing(s.WheelDrawing, 110);
  w.Heading(QStringLiteral("Planetary Position"));
  w.Grid({QStringLiteral("Planet"), QStringLiteral("Position")}, PositionRows(t, kWesternPositions),
         {50, 50});
  if (s.Wheel) {
    w.Fields({{QStringLiteral("Sun Sign"), Text(s.Wheel->SunSign.value_or(""))},
              {QStringLiteral("Ascendant"), Text(s.Wheel->Ascendant.value_or(""))},
              {QStringLiteral("Moon Sign"), QString::fromStdString(s.Wheel->MoonSign)}},
             30);
  }
}

void WritePlanetsInSigns(ReportWriter& w, const ChartRecord& c) {
  w.Title(QStringLiteral("Planets in Signs"), true);
  PlanetsInSigns planets;
  FindPlanetsInSigns(c, planets);
  // The panel's runs: bold ones are headings, plain ones paragraphs, a line each.
  for (const TextRun& run : PlanetsInSignsRuns(planets)) {
    for (const QString& line : run.Text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts)) {
      if (run.Bold) {
        w.SubHeading(line);
      } else {
        w.Paragraph(line);
      }
    }
  }
}

void WriteNakshatra(ReportWriter& w, const ChartRecord& c) {
  const NakshatraRow* n = FindNakshatra(c.NakshatraInfoKey);
  if (!n) return;
  const QString name = Text(n->Name);
  w.Title(QStringLiteral("Nakshatra: %1").arg(name), true);
  w.SideBySide(
      30,
      [&] {
        if (auto picture = LookupPicture(NakshatraPictures(), n->Name)) w.Picture(*picture, 45);
      },
      [&] {
        w.Fields({{QStringLiteral("Pada"), QString::fromStdString(c.NakshatraPada)},
                  {QStringLiteral("Lord"), QString::fromStdString(c.NakshatraLord)},
                  {QStringLiteral("Symbol"), Text(n->Symbol)},
                  {QStringLiteral("Animal Symbol"), Text(n->AnimalSymbol)},
                  {QStringLiteral("Astronomical Name"), Text(n->AstronomicalName)},
                  {QStringLiteral("Ruling Planet"), Text(n->RulingPlanet)}});
      });
  w.Heading(QStringLiteral("More About %1 Nakshatra").arg(name));
  w.Fields({{QStringLiteral("Nature of Nakshatra"), Text(n->Nature)},
            {QStringLiteral("Name of Ruling Deva /Demi God"), Text(n->RulingDeva)},
            {QStringLiteral("Purpose of the Deva"), Text(n->PurposeOfTheDeva)},
            {QStringLiteral("Element / Tatthwa"), Text(n->Element)},
            {QStringLiteral("Part of Body"), Text(n->PartOfBody)},
            {QStringLiteral("Dosha"), Text(n->Dosha)},
            {QStringLiteral("Lucky Gemstone"), Text(n->LuckyGemstone)},
            {QStringLiteral("Gender"), Text(n->Gender)},
            {QStringLiteral("Purpose in Life"), Text(n->PurposeInLife)},
            {QStringLiteral("Temperaments"), Text(n->Temperament)},
            {QStringLiteral("Best Direction"), Text(n->BestDirection)}});
  struct Topic {
    std::string_view Caption, Field;
  };
  static constexpr Topic kTopics[] = {
      {"General And Physical Features", kGeneralAndPhysicalFeatures},
      {"Positive Human Traits", kPositiveHumanTraits},
      {"Negative Human Traits", kNegativeHumanTraits},
      {"Best Career Options", kBestCareerOptions},
      {"Domestic Life", kDomesticLife},
      {"Health", kNakshatraHealth},
  };
  for (const Topic& topic : kTopics) {
    w.SubHeading(Text(topic.Caption));
    w.Paragraph(NakshatraTexts().Text(n->Name, topic.Field));
  }
}

void WriteSign(ReportWriter& w, const QString& title, const SignInformationRow& s,
               std::span<const KeyedPicture> pictures) {
  w.Title(QStringLiteral("%1: %2 (%3)").arg(title, Text(s.VedicName), Text(s.EnglishName)), true);
  w.SideBySide(
      30,
      [&] {
        if (auto picture = LookupPicture(pictures, s.EnglishName)) w.Picture(*picture, 45);
      },
      [&] {
        w.Fields({{QStringLiteral("English Name"), Text(s.EnglishName)},
                  {QStringLiteral("Sign Color"), Text(s.SignColor)},
                  {QStringLiteral("Symbol"), Text(s.Symbol)},
                  {QStringLiteral("Inborn Nature"), Text(s.Element)},
                  {QStringLiteral("Ruling Planet"), Text(s.RulingPlanet)}});
      });
  w.Heading(QStringLiteral("Sign Characteristics"));
  w.Fields({{QStringLiteral("Type Of Sign"), Text(s.TypeOfSign)},
            {QStringLiteral("Gender"), Text(s.Gender)},
            {QStringLiteral("Barren / Fruitful"), Text(s.Barren)},
            {QStringLiteral("Sign Caste"), Text(s.SignCaste)},
            {QStringLiteral("Sign Position"), Text(s.SignPosition)},
            {QStringLiteral("Constituent Character"), Text(s.ConstituentCharacter)},
            {QStringLiteral("Part Of The Body"), Text(s.PartOfTheBody)},
            {QStringLiteral("Physique"), Text(s.Physique)}});
  const TextTable& texts = SignTexts();
  struct Topic {
    std::string_view Caption, Field;
  };
  static constexpr Topic kTopics[] = {
      {"Looks", kLooks},
      {"Human Nature", kSignNature},
      {"Career And Finance", kCareerAndFinance},
      {"Love And Domestic Life", kLoveAndDomesticLife},
      {"Health", kSignHealth},
  };
  for (const Topic& topic : kTopics) {
    w.SubHeading(Text(topic.Caption));
    w.Paragraph(texts.Text(s.EnglishName, topic.Field));
  }
  w.Heading(QStringLiteral("Compatibility"));
  w.Fields({{QStringLiteral("Compatible With"), Text(s.CompatibleWith)},
            {QStringLiteral("Not Compatible With"), Text(s.NotCompatibleWith)}});
  w.Heading(QStringLiteral("Lucky for %1").arg(Text(s.VedicName)));
  w.Fields({{QStringLiteral("Lucky Days"), Text(s.LuckyDays)},
            {QStringLiteral("Lucky Numbers"), Text(s.LuckyNumbers)},
            {QStringLiteral("Best Direction"), Text(s.BestDirection)},
            {QStringLiteral("Lucky Colors"), Text(s.LuckyColors)},
            {QStringLiteral("Lucky Gemstone"), Text(s.LuckyGemstone)},
            {QStringLiteral("Best Period Of Activity"), Text(s.BestPeriodOfActivity)}});
}

bool HasIndianChart(const ReportSources& s) {
  return s.Sidereal && s.Sidereal->BirthMonth != 0;
}

void WriteReport(ReportWriter& w, const ReportSources& s) {
  const bool indian = HasIndianChart(s);
  if (indian) WriteIndianChart(w, s);
  if (indian) WriteNavamsaAndDasha(w, s);
  if (indian) WriteJyotishTables(w, *s.Sidereal);
  if (s.Tropical && s.Tropical->BirthMonth != 0) WriteWesternChart(w, s, indian);
  if (!indian) return;
  const ChartRecord& c = *s.Sidereal;
  WritePlanetsInSigns(w, c);
  WriteNakshatra(w, c);
  if (const SignInformationRow* lagna = FindLagnaSign(c.LagnaInfoKey)) {
    WriteSign(w, QStringLiteral("Lagna"), *lagna, LagnaPictures());
  }
  if (const SignInformationRow* rashi = FindRashiSign(c.RashiInfoKey)) {
    WriteSign(w, QStringLiteral("Rashi"), *rashi, RashiPictures());
  }
}

QString PersonName(const ReportSources& s) {
  if (HasIndianChart(s)) return QString::fromStdString(s.Sidereal->BirthName);
  return s.Tropical ? QString::fromStdString(s.Tropical->BirthName) : QString();
}

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

std::unique_ptr<IndianChartView> ReportIndianDrawing(ChartStyle style, const CellTexts& cells) {
  std::unique_ptr<IndianChartView> drawing;
  switch (style) {
    case ChartStyle::South:
      drawing = std::make_unique<SouthChartView>(nullptr);
      break;
    case ChartStyle::North:
      drawing = std::make_unique<NorthChartView>(nullptr);
      break;
    case ChartStyle::East:
      drawing = std::make_unique<EastChartView>(nullptr);
      break;
  }
  for (int s = 0; s < 12; ++s) {
    drawing->SetCellText(s, QString::fromStdString(cells[static_cast<std::size_t>(s)]));
  }
  return drawing;
}

std::unique_ptr<WheelView> ReportWheelDrawing(const WesternWheel& wheel) {
  auto drawing = std::make_unique<WheelView>(nullptr);
  for (int i = 0; i < 12; ++i) {
    const auto index = static_cast<std::size_t>(i);
    drawing->SetSectorText(i, QString::fromStdString(wheel.Sectors[index]));
    if (wheel.Glyphs) drawing->SetGlyph(i, (*wheel.Glyphs)[index]);
  }
  return drawing;
}

QString StyleCaption(ChartStyle style) {
  switch (style) {
    case ChartStyle::North:
      return QStringLiteral("North Indian Style");
    case ChartStyle::East:
      return QStringLiteral("East Indian Style");
    case ChartStyle::South:
      break;
  }
  return QStringLiteral("South Indian Style");
}

QPageSize::PageSizeId ReportPageSize(const QLocale& locale) {
  for (const LetterCountry& letter : kLetterCountries) {
    if (locale.territory() == letter.Country) return QPageSize::Letter;
  }
  return QPageSize::A4;
}

std::optional<int> PaintReport(QPagedPaintDevice& device, const ReportSources& sources) {
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
  WriteReport(writer, sources);

  QPainter painter;
  if (!painter.begin(&device)) return std::nullopt;
  const int pages = document.pageCount();
  const QString name = PersonName(sources);
  for (int page = 0; page < pages; ++page) {
    if (page > 0) device.newPage();
    PaintPageFrame(painter, area, mm, page + 1, pages, name);
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

QByteArray ReportPdf(const ReportSources& sources, QPageSize::PageSizeId pageSize) {
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
    const QString name = PersonName(sources);
    writer.setTitle(name.isEmpty() ? QStringLiteral("Birth Chart")
                                   : QStringLiteral("Birth Chart of %1").arg(name));
    if (!PaintReport(writer, sources)) return {};
  }
  return bytes;
}

}  // namespace velmora

#include "chart_report.moc"
