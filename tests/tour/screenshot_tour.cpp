// Takes the README's screenshots: the real windows on a scripted desktop, driven through one
// birth, each window grabbed as it is shown. Run by scripts/screenshots under Xvfb.
//   screenshot_tour OUTPUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "app_fixture.h"

namespace velmora::test {
namespace {

QString folder;

void Save(QWidget& widget, const char* name) {
  QApplication::processEvents();
  QTest::qWait(150);
  const QString path = QDir(folder).filePath(QString::fromUtf8(name) + QStringLiteral(".png"));
  if (!widget.grab().save(path)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  std::printf("%s\n", qPrintable(path));
}

}  // namespace
}  // namespace velmora::test

int main(int argc, char** argv) {
  using namespace velmora;
  using namespace velmora::test;
  QApplication application(argc, argv);
  folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/screenshots");
  QDir().mkpath(folder);

  // A first run: the program's defaults, whatever the user's own preferences are.
  AppFixture f(StartWith::SavedPreferences);
  Save(f.form(), "birth-form");
  f.Fill(BirthEntry{});
  Save(f.form(), "birth-form-filled");

  const std::pair<QPushButton*, const char*> indian[] = {
      {f.form().cmdCalculate, "chart-south-indian"},
      {f.form().cmdCalculate2, "chart-north-indian"},
      {f.form().cmdCalculate3, "chart-east-indian"}};
  for (const auto& [button, name] : indian) {
    button->click();
    f.main()->resize(1280, 820);
    Save(*f.main(), name);
    f.app->Back();
  }

  // The interpretation pages of the South chart, each page and its first sub-tab.
  f.form().cmdCalculate->click();
  InterpretationPanel& panel = *f.chart().fraInterpretation;
  const char* pages[] = {"interpretation-planets", "interpretation-nakshatra",
                         "interpretation-lagna", "interpretation-rashi"};
  for (int page = 0; page < 4; ++page) {
    panel.SSTab1->setCurrentIndex(page);
    Save(panel, pages[page]);
  }
  panel.SSTab1->setCurrentIndex(1);
  panel.TS->setCurrentIndex(1);
  panel.TS_Click();
  Save(panel, "interpretation-nakshatra-features");
  panel.SSTab1->setCurrentIndex(panel.SSTab1->indexOf(f.chart().dashaPage));
  Save(panel, "interpretation-dasha");
  const std::pair<QWidget*, const char*> jyotish[] = {
      {f.chart().panchangaPage, "jyotish-panchanga"},
      {f.chart().planetStatusPage, "jyotish-planets"},
      {f.chart().vargaPage, "jyotish-vargas"},
      {f.chart().ashtakavargaPage, "jyotish-ashtakavarga"}};
  panel.SSTab1->setCurrentIndex(panel.SSTab1->indexOf(f.chart().jyotishTabs));
  for (const auto& [page, name] : jyotish) {
    f.chart().jyotishTabs->setCurrentWidget(page);
    Save(panel, name);
  }
  panel.SSTab1->setCurrentIndex(panel.SSTab1->indexOf(f.chart().manglikPage));
  Save(panel, "interpretation-manglik");

  // The Navamsa in the North drawing with the lagna on top.
  f.main()->resize(1280, 820);
  f.main()->PressStyleButton(ChartStyle::North);
  f.main()->mnuSub_Navamsa->trigger();
  f.chart().SetLagnaOnTop(true);
  Save(*f.chart().fraChart, "chart-navamsa-north-lagna-on-top");
  f.app->Back();

  BirthEntry greenwich = GreenwichEntry(10, 0);
  greenwich.LatDeg = QStringLiteral("51");
  greenwich.LatMin = QStringLiteral("28");
  f.Fill(greenwich);
  f.form().Command2->click();
  f.main()->resize(1280, 820);
  Save(*f.main(), "chart-western");
  Save(*f.chart().picWestern, "western-wheel");
  // The Western chart's pages.
  const std::pair<QWidget*, const char*> westernPages[] = {
      {f.chart().westernPositionsPage, "western-positions"},
      {f.chart().aspectGridPage, "western-aspects"},
      {f.chart().tropicalSignsPage, "western-sun-moon-ascendant"}};
  InterpretationPanel& westernPanel = *f.chart().fraInterpretation;
  westernPanel.SSTab1->setCurrentWidget(f.chart().westernTabs);
  for (const auto& [page, name] : westernPages) {
    f.chart().westernTabs->setCurrentWidget(page);
    Save(westernPanel, name);
  }
  f.app->SetClassicWheel(true);
  Save(*f.chart().fraChart, "chart-western-classic");
  f.app->SetClassicWheel(false);
  f.app->Back();

  f.Fill(BirthEntry{});
  f.form().cmdCalculate->click();
  f.main()->resize(1280, 820);
  f.main()->mnuClassic->trigger();
  Save(*f.main(), "chart-south-indian-classic");
  // Back to the program's default for the windows after it.
  f.main()->mnuClassic->trigger();

  // The Match window with the two chart files of the command-line examples.
  const QString data = QStringLiteral(VELMORA_TEST_DATA "/cli/");
  f.platform.OpenAnswers = {data + QStringLiteral("groom_mumbai.vmj"),
                            data + QStringLiteral("bride_bengaluru.vmj")};
  f.main()->mnuMatch->trigger();
  MatchWindow& match = *f.app->matchWindow();
  match.cmdOpenGroom->click();
  match.cmdOpenBride->click();
  match.cmdMatch->click();
  match.adjustSize();
  Save(match, "match-window");
  return 0;
}
