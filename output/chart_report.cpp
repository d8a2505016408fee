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
#include <cmath>
#include <memory>
#include <string_view>
#include <vector>

#include "display/western_pages.h"
#include "display/western_wheel.h"
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
#include "report_document.h"
#include "ui/ui_style.h"
#include "velmora/version.h"

namespace velmora {
namespace {

using Field = ReportField;

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

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
  const std::string_view caption = PositionsCaption(c);
  w.Paragraph(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
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

// The Western chart as a Western astrologer reads it: every point with its sign, degree,
// house and motion, the cusps, the aspects, and what the three signs say.
void WriteWesternDetails(ReportWriter& w, const WesternChart& chart, const WheelGlyphs& glyphs) {
  w.Painting(
      [&chart, &glyphs](QPainter& painter, const QRectF& box) {
        PaintWesternWheel(painter, box, chart, glyphs);
      },
      130, 130);
  w.Heading(QStringLiteral("Planetary Position"));
  std::vector<QStringList> rows;
  for (int i = 0; i < kWesternPoints; ++i) {
    const PointPlace& p = chart.Points[static_cast<std::size_t>(i)];
    rows.push_back({Text(NameOf(static_cast<WesternPoint>(i))),
                    Text(kEnglishSignNames[static_cast<std::size_t>(p.Sign)]),
                    DegreesInSign(p.LongitudeDeg), QString::number(p.House),
                    p.Retrograde ? QStringLiteral("Retrograde") : QString()});
  }
  w.Grid({QStringLiteral("Point"), QStringLiteral("Sign"), QStringLiteral("Degree"),
          QStringLiteral("House"), QStringLiteral("Motion")},
         rows, {26, 22, 18, 12, 22});
  w.Heading(HouseSystemText(chart.Houses));
  std::vector<QStringList> cusps;
  for (std::size_t k = 0; k < 12; ++k) {
    const double cusp = chart.Houses.CuspsDeg[k];
    cusps.push_back({QString::number(k + 1),
                     Text(kEnglishSignNames[static_cast<std::size_t>(std::min(cusp / 30, 11.0))]),
                     DegreesInSign(cusp)});
  }
  w.Grid({QStringLiteral("House"), QStringLiteral("Sign"), QStringLiteral("Cusp")}, cusps,
         {20, 45, 35}, 60);
  w.Heading(QStringLiteral("Aspects"));
  std::vector<QStringList> aspects;
  for (const Aspect& a : chart.Aspects) {
    const int orbMinutes = static_cast<int>(std::lround(a.OrbDeg * 60));
    aspects.push_back({Text(NameOf(chart.AspectPoints[static_cast<std::size_t>(a.First)])),
                       Text(DefinitionOf(a.Kind).Name),
                       Text(NameOf(chart.AspectPoints[static_cast<std::size_t>(a.Second)])),
                       QStringLiteral("%1\u00B0 %2\u2032")
                           .arg(orbMinutes / 60)
                           .arg(orbMinutes % 60, 2, 10, QLatin1Char('0')),
                       a.Applying ? QStringLiteral("applying") : QStringLiteral("separating")});
  }
  w.Grid({QStringLiteral("Point"), QStringLiteral("Aspect"), QStringLiteral("Point"),
          QStringLiteral("Orb"), QString()},
         aspects, {22, 22, 22, 14, 20}, 100);
  const std::pair<const char*, WesternPoint> signs[] = {{"Sun", WesternPoint::Sun},
                                                        {"Moon", WesternPoint::Moon},
                                                        {"Ascendant", WesternPoint::Ascendant}};
  for (const auto& [subject, point] : signs) {
    const std::string_view sign = kEnglishSignNames[static_cast<std::size_t>(chart.At(point).Sign)];
    w.Heading(QStringLiteral("%1 in %2").arg(QLatin1String(subject), Text(sign)));
    w.Paragraph(TropicalSignTexts().Text(subject, sign));
  }
}

void WriteWesternChart(ReportWriter& w, const ReportSources& s, bool newPage,
                       const WheelGlyphs& glyphs) {
  const ChartRecord& t = *s.Tropical;
  w.Title(QStringLiteral("Western Style"), newPage);
  w.Paragraph(QStringLiteral("%1, born %2 at %3 (%4), %5")
                  .arg(QString::fromStdString(t.BirthName), DateOfBirth(t), TimeOfBirth(t),
                       ZoneOffset(t), Place(t)));
  if (s.Western && !s.ClassicWheel) {
    WriteWesternDetails(w, *s.Western, glyphs);
  } else {
    w.Drawing(s.WheelDrawing, 110);
    w.Heading(QStringLiteral("Planetary Position"));
    w.Grid({QStringLiteral("Planet"), QStringLiteral("Position")},
           PositionRows(t, kWesternPositions), {50, 50});
  }
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

void WriteReport(ReportWriter& w, const ReportSources& s, const WheelGlyphs& glyphs) {
  const bool indian = HasIndianChart(s);
  if (indian) WriteIndianChart(w, s);
  if (indian) WriteNavamsaAndDasha(w, s);
  if (indian) WriteJyotishTables(w, *s.Sidereal);
  if (s.Tropical && s.Tropical->BirthMonth != 0) WriteWesternChart(w, s, indian, glyphs);
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
  // The wheel is painted when the pages are, after the writing: its glyphs live as long.
  const WheelGlyphs glyphs;
  return PaintReportDocument(
      device, [&sources, &glyphs](ReportWriter& writer) { WriteReport(writer, sources, glyphs); },
      PersonName(sources));
}

QByteArray ReportPdf(const ReportSources& sources, QPageSize::PageSizeId pageSize) {
  const QString name = PersonName(sources);
  return ReportDocumentPdf(
      pageSize,
      name.isEmpty() ? QStringLiteral("Birth Chart")
                     : QStringLiteral("Birth Chart of %1").arg(name),
      [&sources](QPagedPaintDevice& device) { return PaintReport(device, sources).has_value(); });
}

}  // namespace velmora
