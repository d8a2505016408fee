// velmora-chart --pdf as a user runs it: the real executable, its renderer beside it, the
// report read back with poppler.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "engine/birth_data.h"
#include "engine/chart.h"
#include "example_births.h"
#include "pdf_reader.h"

namespace velmora::test {
namespace {

const QStringList kDelhi = {
    QStringLiteral("--name"),     QStringLiteral("Asha Rao"),  QStringLiteral("--date"),
    QStringLiteral("1980-06-15"), QStringLiteral("--time"),    QStringLiteral("10:30"),
    QStringLiteral("--zone"),     QStringLiteral("IST"),       QStringLiteral("--lat"),
    QStringLiteral("28:36N"),     QStringLiteral("--lon"),     QStringLiteral("77:13E"),
    QStringLiteral("--city"),     QStringLiteral("New Delhi"), QStringLiteral("--state"),
    QStringLiteral("Delhi"),      QStringLiteral("--country"), QStringLiteral("India")};

struct Run {
  int Status = -1;
  QString Err;
};

Run Tool(const QStringList& args) {
  QProcess tool;
  tool.start(QStringLiteral(VELMORA_CHART_TOOL), args);
  if (!tool.waitForFinished(60000)) return {};
  return {tool.exitCode(), QString::fromUtf8(tool.readAllStandardError())};
}

// The Delhi birth computed here, to know what the report must say.
ChartRecord DelhiChart(ChartMode mode, const EngineOptions& options = {}) {
  const BirthFormData f = DelhiBirth();
  ChartRecord chart;
  ReadBirthData(chart, f);
  if (mode == ChartMode::Sidereal) {
    RunSiderealEngine(chart, options);
    SetDisplayValues(chart);
  } else {
    RunTropicalEngine(chart, options);
  }
  return chart;
}

}  // namespace

class ReportToolTest : public QObject {
  Q_OBJECT

 private slots:
  void pdfHoldsTheChart_data() {
    QTest::addColumn<bool>("western");
    QTest::addColumn<bool>("precise");
    QTest::newRow("Indian chart") << false << false;
    QTest::newRow("with the Western wheel") << true << false;
    QTest::newRow("precise positions") << false << true;
  }
  void pdfHoldsTheChart() {
    QFETCH(bool, western);
    QFETCH(bool, precise);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("asha.pdf"));
    QStringList args = kDelhi;
    if (western) args << QStringLiteral("--western");
    if (precise) args << QStringLiteral("--precise");
    EngineOptions options;
    if (precise) options.Positions = PositionSource::Precise;
    const Run run = Tool(args << QStringLiteral("--pdf") << pdf);
    QCOMPARE(run.Status, 0);
    QCOMPARE(run.Err, QString());
    const QString text = PdfText(pdf);
    QVERIFY(text.contains(QStringLiteral("Birth Chart of Asha Rao")));
    const ChartRecord sidereal = DelhiChart(ChartMode::Sidereal, options);
    QCOMPARE(text.contains(QStringLiteral("Precise positions (Lahiri)")), precise);
    for (std::size_t body = 0; body < 9; ++body) {
      QVERIFY(text.contains(QString::fromStdString(sidereal.PlanetPositionTexts[body])));
    }
    QVERIFY(text.contains(QStringLiteral("Nakshatra: ") +
                          QString::fromStdString(sidereal.NakshatraLabel)));
    QCOMPARE(text.contains(QStringLiteral("Western Style")), western);
    if (western) {
      // The wheel by degrees: the Sun's row with its sign and degree, the houses, the
      // aspects and the Sun's paragraph.
      for (const char* part : {"Sun Gemini 24", "Placidus houses", "Aspects", "Sun in Gemini"}) {
        QVERIFY2(text.simplified().contains(QString::fromUtf8(part)), part);
      }
    }
    for (int page = 1; page <= PdfPages(pdf); ++page) {
      QVERIFY2(HasInk(PdfPageImage(pdf, page)), qPrintable(QString::number(page)));
    }
  }

  void refusedRunsWriteNothing_data() {
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::newRow("folder that does not exist")
        << QStringList() << QStringLiteral("missing/asha.pdf") << 1
        << QStringLiteral("velmora-chart: cannot write ");
    QTest::newRow("a folder at the name") << QStringList() << QStringLiteral("taken") << 1
                                          << QStringLiteral("velmora-chart: cannot write ");
    QTest::newRow("together with --json")
        << QStringList{QStringLiteral("--json")} << QStringLiteral("asha.pdf") << 2
        << QStringLiteral(
               "velmora-chart: --pdf cannot be combined with --output, --json or --save-chart");
    QTest::newRow("invalid latitude, refused before drawing")
        << QStringList{QStringLiteral("--lat"), QStringLiteral("95:00N")}
        << QStringLiteral("asha.pdf") << 2 << QString();
  }
  void refusedRunsWriteNothing() {
    QFETCH(QStringList, extra);
    QFETCH(QString, file);
    QFETCH(int, status);
    QFETCH(QString, message);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("taken")));
    const Run run = Tool(kDelhi + extra << QStringLiteral("--pdf") << folder.filePath(file));
    QCOMPARE(run.Status, status);
    QVERIFY2(run.Err.startsWith(message) && !run.Err.isEmpty(), qPrintable(run.Err));
    QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("taken")});
    QVERIFY(QDir(folder.filePath(QStringLiteral("taken"))).isEmpty());
  }
};

}  // namespace velmora::test

QTEST_GUILESS_MAIN(velmora::test::ReportToolTest)
#include "report_tool_test.moc"
