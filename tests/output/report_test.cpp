// The printable report: exported from the File menu as PDF and read back as a reader would,
// with poppler's pdftotext and pdftoppm.
#include <QAction>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>

#include "app_fixture.h"
#include "engine/jyotish/dasha.h"
#include "engine/jyotish/divisional.h"
#include "engine/jyotish/zodiac.h"
#include "interpretation/nakshatra_information.h"
#include "interpretation/planets_in_signs.h"
#include "interpretation/sign_information.h"
#include "interpretation/text_table.h"
#include "output/chart_report.h"
#include "pdf_reader.h"

namespace velmora::test {
namespace {

// ClassicWestern: the Western chart drawn as the sign-sector wheel (View > Classic wheel).
enum class Chart { South, North, East, Western, ClassicWestern };

// The program after the charts asked for, in order, with the entry on the form.
class ChartsShown : public AppFixture {
 public:
  ChartsShown(const BirthEntry& entry, std::initializer_list<Chart> charts) {
    // Typed keys reach only ASCII; a name in another script is entered as a whole.
    BirthEntry typed = entry;
    typed.Name.clear();
    Fill(typed);
    form().txtName->setText(entry.Name);
    for (Chart chart : charts) {
      switch (chart) {
        case Chart::South:
          Click(form().cmdCalculate);
          break;
        case Chart::North:
          Click(form().cmdCalculate2);
          break;
        case Chart::East:
          Click(form().cmdCalculate3);
          break;
        case Chart::Western:
          Click(form().Command2);
          break;
        case Chart::ClassicWestern:
          app->SetClassicWheel(true);
          Click(form().Command2);
          break;
      }
      if (chart != charts.end()[-1]) Click(main()->cmdBack);
    }
  }
  // Exports the report through the File menu into `path`.
  void Export(const QString& path) {
    platform.SaveAnswers.push_back(path);
    main()->mnuExportPdf->trigger();
  }
};

// The document's text without the running heads and page numbers, so that a paragraph
// broken over two pages reads whole again.
QString BodyText(const QString& pdf, const QString& name) {
  const int pages = PdfPages(pdf);
  QString body;
  for (int page = 1; page <= pages; ++page) {
    QString text = PdfText(pdf, page);
    text.remove(QStringLiteral("Page %1 of %2").arg(page).arg(pages));
    text.remove(QStringLiteral("Velmora Astrology Birth Chart v1.75"));
    if (!name.isEmpty()) text.remove(text.indexOf(name), name.size());
    body += text.simplified() + QLatin1Char(' ');
  }
  return body;
}

QString Text(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace
}  // namespace velmora::test

Q_DECLARE_METATYPE(velmora::test::BirthEntry)

namespace velmora::test {

class ReportTest : public QObject {
  Q_OBJECT

 private slots:
  void exportedReportHoldsTheChartAndEveryText_data() {
    QTest::addColumn<BirthEntry>("entry");
    QTest::addColumn<int>("chart");
    QTest::addColumn<QString>("styleCaption");
    QTest::addColumn<QString>("zone");
    BirthEntry devanagari;
    devanagari.Name = QStringLiteral("आशा राव");
    BirthEntry southWest = GreenwichEntry(23, 45);
    southWest.Name = QStringLiteral("Lucía Pérez");
    southWest.ZoneRow = 14;  // "Brazil Zone 2,BZT2,-3.0"
    southWest.Dst = true;
    southWest.LatDeg = QStringLiteral("34");
    southWest.South = true;
    southWest.LonDeg = QStringLiteral("58");
    southWest.West = true;
    QTest::newRow("Delhi in the South Indian style")
        << BirthEntry{} << int(Chart::South) << "South Indian Style"
        << "UTC+05:30";
    QTest::newRow("Delhi in the North Indian style")
        << BirthEntry{} << int(Chart::North) << "North Indian Style"
        << "UTC+05:30";
    QTest::newRow("Delhi in the East Indian style")
        << BirthEntry{} << int(Chart::East) << "East Indian Style"
        << "UTC+05:30";
    QTest::newRow("name in Devanagari") << devanagari << int(Chart::South) << "South Indian Style"
                                        << "UTC+05:30";
    QTest::newRow("southern and western birth with daylight saving")
        << southWest << int(Chart::South) << "South Indian Style"
        << "UTC-03:00";
  }
  void exportedReportHoldsTheChartAndEveryText() {
    QFETCH(BirthEntry, entry);
    QFETCH(int, chart);
    QFETCH(QString, styleCaption);
    QFETCH(QString, zone);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    ChartsShown f(entry, {Chart(chart)});
    f.Export(pdf);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));

    const ChartRecord& c = f.app->sidereal();
    const QString all = PdfText(pdf);
    QVERIFY2(all.contains(QStringLiteral("Birth Chart of ") + entry.Name),
             qPrintable(all.left(300)));
    QVERIFY(all.contains(styleCaption));
    QVERIFY(all.contains(QStringLiteral("Time Zone ") + zone));
    QVERIFY(all.contains(entry.Dst ? QStringLiteral("Daylight Saving Yes")
                                   : QStringLiteral("Daylight Saving No")));
    for (std::size_t body = 0; body < 9; ++body) {
      const QString position = QString::fromStdString(c.PlanetPositionTexts[body]);
      QVERIFY2(all.contains(position), qPrintable(position));
    }
    // The cells of the drawing are text too.
    QVERIFY(all.contains(QStringLiteral("Surya")));
    const QString nakshatra = QString::fromStdString(c.NakshatraLabel);
    QVERIFY(all.contains(QStringLiteral("Nakshatra: ") + nakshatra));

    // The Navamsa's signs and the dasha from the engine, every mahadasha named with its dates.
    QVERIFY(all.contains(QStringLiteral("Navamsa (D9)")));
    const auto navamsa = DivisionalSigns(Division::D9, c);
    QVERIFY(all.contains(QStringLiteral("Surya / Sun ") +
                         Text(kEnglishSignNames[static_cast<std::size_t>(navamsa[0])])));
    const DashaBalance balance = VimshottariBalance(c);
    QVERIFY(
        all.contains(QStringLiteral("Balance at birth: %1 Mahadasha, %2 years %3 months %4 days.")
                         .arg(Text(kDashaLords[static_cast<std::size_t>(balance.LordIndex)].Name))
                         .arg(balance.Years)
                         .arg(balance.Months)
                         .arg(balance.Days)));
    for (const Mahadasha& m : VimshottariDashas(c)) {
      const CivilDate end = DateFromBirth(c, m.Period.EndDaysFromBirth);
      const QString caption =
          QStringLiteral("%1 Mahadasha: ")
              .arg(Text(kDashaLords[static_cast<std::size_t>(m.Period.LordIndex)].Name));
      const QString to = QStringLiteral(" to ") +
                         QDate(end.Year, end.Month, end.Day).toString(QStringLiteral("d MMM yyyy"));
      const auto at = all.indexOf(caption);
      QVERIFY2(at >= 0 && all.mid(at, 60).contains(to), qPrintable(caption + to));
    }

    // Every paragraph whole, wherever the pages break it.
    const QString body = BodyText(pdf, entry.Name);
    PlanetsInSigns planets;
    FindPlanetsInSigns(c, planets);
    for (const PlanetInSign& planet : planets) {
      QVERIFY2(body.contains(planet.Paragraph.simplified()), qPrintable(planet.Paragraph));
    }
    for (std::string_view field :
         {kGeneralAndPhysicalFeatures, kPositiveHumanTraits, kNegativeHumanTraits,
          kBestCareerOptions, kDomesticLife, kNakshatraHealth}) {
      const QString paragraph = NakshatraTexts().Text(c.NakshatraLabel, field).simplified();
      QVERIFY2(!paragraph.isEmpty() && body.contains(paragraph), qPrintable(paragraph));
    }
    const SignInformationRow* lagna = FindLagnaSign(c.LagnaInfoKey);
    const SignInformationRow* rashi = FindRashiSign(c.RashiInfoKey);
    QVERIFY(lagna && rashi);
    for (const SignInformationRow* sign : {lagna, rashi}) {
      for (std::string_view field :
           {kLooks, kSignNature, kCareerAndFinance, kLoveAndDomesticLife, kSignHealth}) {
        const QString paragraph = SignTexts().Text(sign->EnglishName, field).simplified();
        QVERIFY2(!paragraph.isEmpty() && body.contains(paragraph), qPrintable(paragraph));
      }
    }
    QVERIFY(all.contains(
        QStringLiteral("Lagna: %1 (%2)").arg(Text(lagna->VedicName), Text(lagna->EnglishName))));
    QVERIFY(all.contains(
        QStringLiteral("Rashi: %1 (%2)").arg(Text(rashi->VedicName), Text(rashi->EnglishName))));

    // Each page carries its number and draws.
    const int pages = PdfPages(pdf);
    QVERIFY(pages > 1);
    for (int page = 1; page <= pages; ++page) {
      QVERIFY2(PdfText(pdf, page).contains(QStringLiteral("Page %1 of %2").arg(page).arg(pages)),
               qPrintable(QString::number(page)));
      QVERIFY2(HasInk(PdfPageImage(pdf, page)), qPrintable(QString::number(page)));
    }
  }

  // The wheel by degrees on its page, with the positions, houses, aspects and texts that go
  // with it.
  void westernWheelPageHoldsTheWholeWesternChart() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("western.pdf"));
    ChartsShown f(BirthEntry{}, {Chart::South, Chart::Western});
    f.main()->mnuHouses[static_cast<std::size_t>(HouseSystem::Koch)]->trigger();
    f.Export(pdf);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    const QString all = PdfText(pdf).simplified();
    for (const char* part :
         {"Western Style", "Uranus Scorpio", "Mean Node Leo", "Koch houses", "Aspects",
          "Sun Conjunction Venus", "Sun in Gemini", "Moon in Cancer", "Ascendant in Virgo"}) {
      QVERIFY2(all.contains(QString::fromUtf8(part)), part);
    }
    QVERIFY(all.contains(TropicalSignTexts().Text("Sun", "Gemini").left(60).simplified()));
  }

  void westernChartGetsAPageOfItsOwn_data() {
    QTest::addColumn<bool>("indianFirst");
    QTest::newRow("after an Indian chart") << true;
    QTest::newRow("without any Indian chart") << false;
  }
  void westernChartGetsAPageOfItsOwn() {
    QFETCH(bool, indianFirst);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("western.pdf"));
    ChartsShown f(BirthEntry{},
                  indianFirst ? std::initializer_list<Chart>{Chart::South, Chart::ClassicWestern}
                              : std::initializer_list<Chart>{Chart::ClassicWestern});
    f.Export(pdf);
    QCOMPARE(f.platform.OnlyMessage(), QStringLiteral("<0 messages>"));
    const ChartRecord& t = f.app->tropical();
    int wheelPage = 0;
    for (int page = 1; page <= PdfPages(pdf) && wheelPage == 0; ++page) {
      if (PdfText(pdf, page).contains(QStringLiteral("Western Style"))) wheelPage = page;
    }
    QVERIFY(wheelPage > 0);
    const QString wheel = PdfText(pdf, wheelPage);
    for (std::size_t row = 0; row < 10; ++row) {
      QVERIFY2(wheel.contains(QString::fromStdString(t.PlanetPositionTexts[row])),
               qPrintable(wheel));
    }
    QVERIFY(wheel.contains(QStringLiteral("Sun Sign")));
    const QString all = PdfText(pdf);
    QCOMPARE(all.contains(QStringLiteral("Planets in Signs")), indianFirst);
    // A page of its own: after the Indian chart's pages, or the first page without them.
    QVERIFY(indianFirst ? wheelPage > 1 : wheelPage == 1);
    QVERIFY(!wheel.contains(QStringLiteral("Navamsa")));
  }

  void reportHoldsTheJyotishTables() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("report.pdf"));
    ChartsShown f(BirthEntry{}, {Chart::South});
    f.app->SetClassicFormulas(true);
    f.Click(f.main()->cmdBack);
    f.Click(f.form().cmdCalculate);
    f.Export(pdf);
    const QString all = BodyText(pdf, QStringLiteral("Asha Rao"));
    // The positions with their status, the three dasha levels, the panchanga, the sixteen
    // divisions and the ashtakavarga of the Delhi birth.
    QVERIFY(all.contains(
        QStringLiteral("Shukra / Venus 01 Gem 06 Friend's sign, retrograde, combust")));
    QVERIFY(all.contains(QStringLiteral("Rahu / North Node 28 Can 35 retrograde")));
    QVERIFY(all.contains(QStringLiteral("Chandra / Moon 00 Can 13 Own sign")));
    QVERIFY(all.contains(QStringLiteral("Pratyantardashas from")));
    QVERIFY(all.contains(QStringLiteral("Ju 10.03.68, Sa 22.06.68")));
    QVERIFY(all.contains(QStringLiteral("Tithi Shukla Tritiya (3)")));
    QVERIFY(all.contains(QStringLiteral("Vara Ravivara (Sunday)")));
    QVERIFY(all.contains(QStringLiteral("Sunrise 05:27:09 Sunset 19:16:02")));
    QVERIFY(all.contains(QStringLiteral("D40 D45 D60")));
    QVERIFY(
        all.contains(QStringLiteral("Ascendant Leo Leo Leo Leo Vir Tau Lib Lib Sco Ari Cap Vir "
                                    "Aqu Sag Tau Vir")));
    QVERIFY(all.contains(QStringLiteral("Sarva 35 35 36 17 28 24 27 30 24 28 24 29 337")));
  }

  void failedExportSaysWhyAndLeavesNoFile_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("folder that does not exist") << QStringLiteral("missing/report.pdf");
    QTest::newRow("name of a folder") << QStringLiteral("taken");
  }
  void failedExportSaysWhyAndLeavesNoFile() {
    QFETCH(QString, file);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    const QString path = folder.filePath(file);
    ChartsShown f(BirthEntry{}, {Chart::South});
    f.Export(path);
    QVERIFY2(f.platform.OnlyMessage().startsWith(
                 QStringLiteral("The report could not be exported to \"%1\": ")
                     .arg(QDir::toNativeSeparators(path))),
             qPrintable(f.platform.OnlyMessage()));
    QCOMPARE(f.platform.Messages.front().Icon, MessageIcon::Error);
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("taken")});
    QVERIFY(QDir(folder.filePath(QStringLiteral("taken"))).isEmpty());
  }

  void exportOffersTheNameThenTheLastPath() {
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("first.pdf"));
    ChartsShown f(BirthEntry{}, {Chart::South});
    f.Export(pdf);
    f.platform.SaveAnswers.push_back(std::nullopt);
    f.main()->mnuExportPdf->trigger();
    QCOMPARE(f.platform.SaveRequests.size(), std::size_t{2});
    QCOMPARE(f.platform.SaveRequests[0].InitialPath, QStringLiteral("Asha Rao - Birth Chart.pdf"));
    QCOMPARE(f.platform.SaveRequests[0].DefaultSuffix, QStringLiteral("pdf"));
    QVERIFY(f.platform.SaveRequests[0].ConfirmOverwrite);
    QCOMPARE(f.platform.SaveRequests[1].InitialPath, pdf);
  }

  void pageSizeFollowsTheLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("paper");
    QTest::newRow("United States") << "en_US" << int(QPageSize::Letter);
    QTest::newRow("Canada") << "fr_CA" << int(QPageSize::Letter);
    QTest::newRow("Mexico") << "es_MX" << int(QPageSize::Letter);
    QTest::newRow("India") << "hi_IN" << int(QPageSize::A4);
    QTest::newRow("United Kingdom") << "en_GB" << int(QPageSize::A4);
    QTest::newRow("Germany") << "de_DE" << int(QPageSize::A4);
    QTest::newRow("no country") << "C" << int(QPageSize::A4);
  }
  void pageSizeFollowsTheLocale() {
    QFETCH(QString, locale);
    QFETCH(int, paper);
    QCOMPARE(int(ReportPageSize(QLocale(locale))), paper);
  }

  void exportedPaperIsTheLocales_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("paper");
    QTest::newRow("Letter in the United States") << "en_US"
                                                 << "letter";
    QTest::newRow("A4 in India") << "en_IN"
                                 << "A4";
  }
  void exportedPaperIsTheLocales() {
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    const QLocale before;
    QLocale::setDefault(QLocale(locale));
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("paper.pdf"));
    {
      ChartsShown f(BirthEntry{}, {Chart::South});
      f.Export(pdf);
    }
    QLocale::setDefault(before);
    QCOMPARE(PdfPaper(pdf), paper);
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::ReportTest)
#include "report_test.moc"
