// The interpretation panel on its own (captions, tab strips, the four fills, the layout)
// and inside the chart window after a real Indian chart.
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextFragment>
#include <QtTest>
#include <algorithm>
#include <set>
#include <span>

#include "app_fixture.h"
#include "interpretation/interpretation_panel.h"
#include "interpretation/nakshatra_information.h"
#include "interpretation/sign_information.h"
#include "interpretation/text_table.h"

namespace velmora::test {
namespace {

QString Q(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

template <class T>
T* Named(QWidget* root, const QString& name) {
  T* found = root->findChild<T*>(name);
  if (!found) qWarning("no control named %s", qPrintable(name));
  return found;
}

// The caption label of a box: the label with that text in the box's own frame or page.
QLabel* CaptionOf(QWidget* box, const QString& caption) {
  for (QLabel* label : box->parentWidget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
    if (label->text() == caption) return label;
  }
  return nullptr;
}

// The frame in front: shown, and above every other frame of its strip.
bool IsInFront(const QFrame* frame, std::span<QFrame* const> strip) {
  if (!frame->isVisible()) return false;
  const QObjectList& order = frame->parentWidget()->children();
  const auto at = order.indexOf(frame);
  return std::all_of(strip.begin(), strip.end(), [&](QFrame* other) {
    return other == frame || (!other->isVisible() && order.indexOf(other) < at);
  });
}

void ClickTab(QTabBar* strip, int index) {
  QTest::mouseClick(strip, Qt::LeftButton, {}, strip->tabRect(index).center());
}

struct ShownPanel {
  ShownPanel() {
    panel.resize(panel.sizeHint().expandedTo(QSize(969, 412)));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
  }
  InterpretationPanel panel;
};

// The runs of a rich text, merged where neighbours have the same weight.
std::vector<std::pair<bool, QString>> BoldAndPlainRuns(const QTextDocument& document) {
  std::vector<std::pair<bool, QString>> runs;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (block != document.begin()) {
      if (runs.empty()) runs.push_back({false, QString()});
      runs.back().second += '\n';
    }
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const bool bold = fragment.charFormat().fontWeight() == QFont::Bold;
      if (fragment.charFormat().foreground().color() != QColor(0, 0, 0)) {
        qWarning("a run that is not black: %s", qPrintable(fragment.text()));
        return {};
      }
      if (!runs.empty() && runs.back().first == bold) {
        runs.back().second += fragment.text();
      } else {
        runs.push_back({bold, fragment.text()});
      }
    }
  }
  return runs;
}

ChartRecord ChartWithPlanetsIn(std::initializer_list<const char*> texts) {
  ChartRecord c;
  std::size_t row = 0;
  for (const char* text : texts) c.PlanetPositionTexts[row++] = text;
  return c;
}

}  // namespace

class InterpretationPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void pagesAndStripsCarryTheirDesignCaptions() {
    InterpretationPanel p;
    QCOMPARE(p.SSTab1->count(), 4);
    const char* pages[] = {"More About Planets And Signs", "More About Nakshatra",
                           "More About Lagna", "More About Rashi"};
    for (int i = 0; i < 4; ++i) QCOMPARE(p.SSTab1->tabText(i), QString::fromUtf8(pages[i]));
    QCOMPARE(p.Label7->text(), QStringLiteral("Planets in Signs"));
    QCOMPARE(p.Label7->parentWidget(), p.PlanetsPage);
    QCOMPARE(p.RTBHouseDesc->parentWidget(), p.PlanetsPage);
    QVERIFY(p.RTBHouseDesc->isReadOnly());

    const QStringList ts = {"More About Nakshatra Name", "General And Physical Features",
                            "Positive Human Traits", "Negative Human Traits",
                            "Career And Health And Domestic"};
    QCOMPARE(p.TS->count(), ts.size());
    for (int i = 0; i < ts.size(); ++i) QCOMPARE(p.TS->tabText(i), ts[i]);
    const QStringList signs = {"Sign Characteristics", "Physique And Looks",     "Human Nature",
                               "Career And Finance",   "Love And Compatibility", "Health",
                               "Lucky for....Rashi"};
    for (QTabBar* strip : {p.Lagna.Tabs, p.Rashi.Tabs}) {
      QCOMPARE(strip->count(), signs.size());
      for (int i = 0; i < signs.size(); ++i) QCOMPARE(strip->tabText(i), signs[i]);
    }
    QCOMPARE(p.Lagna.Tabs->objectName(), QStringLiteral("LagnaTS"));
    QCOMPARE(p.Rashi.Tabs->objectName(), QStringLiteral("RashiTS"));
  }

  void designPicturesUntilTheFirstFill() {
    InterpretationPanel p;
    QCOMPARE(p.picNakshatra->Picture(), QStringLiteral(":/pictures/nakshatra/default.svg"));
    QCOMPARE(p.Lagna.Picture->Picture(), QStringLiteral(":/pictures/lagna/default.svg"));
    QCOMPARE(p.Rashi.Picture->Picture(), QStringLiteral(":/pictures/rashi/default.svg"));
    for (PictureBox* box : {p.picNakshatra, p.Lagna.Picture, p.Rashi.Picture})
      QVERIFY(box->HasPicture());
    QCOMPARE(p.Lagna.Picture->objectName(), QStringLiteral("picRashi"));
    QCOMPARE(p.Rashi.Picture->objectName(), QStringLiteral("picRashiRashi"));
  }

  void everyFieldHasItsCaptionBesideItAndItsTooltip_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("tooltip");
    struct Row {
      const char *Box, *Caption, *Tooltip;
    };
    const Row rows[] = {
        {"txtSymbol", "Symbol", "This defines the symbol of the nakshatra."},
        {"txtAnimalSymbol", "Animal Symbol",
         "This signifies the animal that the nakshatra is associated with."},
        {"txtAstronomicalName", "Astronomical Name",
         "This is the equivalent English constellation name."},
        {"txtRullingPlanet", "Ruling Planet ",
         "This signifies the planet that has a powerful effect on this nakshatra."},
        {"txtNature", "Nature of Nakshatra",
         "Each Nakshatra is also governed by a nature, which essentially describes "
         "temperament."},
        {"txtRullingDeva", "Name of Ruling Deva /Demi God",
         "This signifies the demigods who bless or curse the native born under this "
         "nakshatra."},
        {"txtPurposeOfTheDeva", "Purpose of the Deva",
         "This signifies the importance of the demigod ruling this nakshatra."},
        {"txtElement", "Element / Tatthwa",
         "This means \"things\" and it describes the essential constitution of all things."},
        {"txtPartOfBody", "Part of Body",
         "This shows the part of the body that a particular nakshatra governs."},
        {"txtDosha", "Dosha",
         "This decribes the three doshas that explain our physical reality: Vata (Air and "
         "Space); Pita (Fire and Water); Kapha (Water and Earth)."},
        {"txtLuckyGemstone", "Lucky Gemstone",
         "This signifies the lucky gemstones for people born under this nakshatra."},
        {"txtGender", "Gender",
         "The male nakshatra is more dynamic while the female nakshatra is a passive one."},
        {"txtPurposeInLife", "Purpose in Life",
         "The nakshatras are classified on basis of primary motivation into Kama (sensual "
         "desires), Artha (material desires), Dharma (spiritual principles), Moksha "
         "(liberation from birth and death)."},
        {"txtTemperaments", "Temperaments",
         "The Gana - The species that determines that Nakshatra's nature: Deva (Godly); "
         "Manushya (Manlike) and Rakshasa (Demonlike)."},
        {"txtBestDirection", "Best Direction",
         "This signifies the lucky directions for people born under this nakshatra."},
        {"txtGeneralAndPhysicalFeatures", "General And Physical Features",
         "This describes the physical stature of a person born under this nakshatra."},
        {"txtPositiveHumanTraits", "Positive Human Traits",
         "This signifies the good qualities of human nature."},
        {"txtNegativeHumanTraits", "Negative Human Traits",
         "This signifies the bad qualities of human nature."},
        {"txtBestCareerOptions", "Best Career Options", "This shows the best-suited careers."},
        {"txtDomesticLife", "Domestic Life",
         "This signifies the kind of domestic life a person will lead. "},
        {"txtHealth", "Health",
         "This includes all health concerns for a born under this Nakshatra."},
    };
    for (const Row& r : rows) {
      QTest::newRow(r.Box) << r.Box << r.Caption << r.Tooltip;
    }
    // Pages 3 and 4 carry the same captions and tooltips.
    const Row signRows[] = {
        {"EnglishName", "English Name", "This signifies the English name for the Vedic moon sign."},
        {"SignColor", "Sign Color", "This signifies the color associated with the sign."},
        {"Symbol", "Symbol", "This signifies the picture associated with the moon sign."},
        {"InbornNature", "Inborn Nature", "This describes the human characteristics of this sign."},
        {"RullingPlanet", "Rulling Planet",
         "This signifies the planet that exercises a powerful energy on the sign."},
        {"TypeOfSign", "Type Of Sign",
         "This signifies the attitude of the people under this sign."},
        {"Gender", "Gender",
         "The male rashis are more dynamic in nature while the female rashis are passive by "
         "nature."},
        {"Barren", "Barren / Fruitful", "This classifies the signs on basis of fertility."},
        {"SignCaste", "Sign Caste",
         "This classifies the sign based on caste into Brahmana (the seeker and teacher of "
         "knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth "
         "creators) and the Sudras (the workers)."},
        {"SignPosition", "Sign Position",
         "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), "
         "Garbha (Inside)."},
        {"ConstituentCharacter", "Constituent Character",
         "This classifies the sign based on constituent making into Dhatu (Mineral), Moola "
         "(Vegetable) and Jeeva (Animal). "},
        {"PartOfTheBody", "Part Of The Body",
         "This shows the parts of the bodies that the different signs represent."},
        {"Physique", "Physique",
         "This signifies the general stature of people born under this sign. "},
        {"Looks", "Looks",
         "This signifies the physical appearance of people born under this sign."},
        {"Nature", "Nature", "This signifies the human nature of people born under this sign. "},
        {"CareerAndFinance", "Career And Finance",
         "This shows their career interests and financial habits."},
        {"LoveAndDomesticLife", "Love And Domestic Life", "This signifies born under this sign."},
        {"CompatibleWith", "Compatible With",
         "This signifies the other rashis/ moon signs that are compatible with this sign."},
        {"NotCompatibleWith", "Not Compatible With",
         "This signifies the other rashis/ moon signs that are not compatible with this sign."},
        {"Health", "Health", "This signifies the health issues of people born under this rashi."},
        {"LuckyDays", "Lucky Days",
         "This signifies the lucky days for people born under this sign."},
        {"LuckyNumbers", "Lucky Numbers",
         "This signifies the lucky numbers for people born under this sign."},
        {"BestDirection", "Best Direction",
         "This signifies the lucky directions for people born under this sign."},
        {"LuckyColors", "Lucky Colors",
         "This signifies the lucky colors for people born under this sign."},
        {"LuckyGemstone", "Lucky Gemstone",
         "This signifies the lucky gemstones for people born under this sign."},
        {"BestPeriodOfActivity", "Best Period Of Activity",
         "This shows the best period of the day when people of this sign are more active."},
    };
    // The lagna boxes whose names do not follow "txt" + field, and the rashi ones.
    const QMap<QString, QString> lagnaNames = {
        {"Symbol", "txtLagnaSymbol"},         {"RullingPlanet", "txtLagnaRullingPlanet"},
        {"Gender", "txtLagnaGender"},         {"Nature", "txtLagnaNature"},
        {"Health", "txtLagnaHealth"},         {"BestDirection", "txtLagnaBestDirection"},
        {"LuckyGemstone", "txtLagnaGemStone"}};
    for (const Row& r : signRows) {
      const QString field = QString::fromUtf8(r.Box);
      const QString lagna = lagnaNames.value(field, QStringLiteral("txt") + field);
      QTest::newRow(qPrintable(lagna)) << lagna << r.Caption << r.Tooltip;
      const QString rashi = QStringLiteral("txtRashi") + field;
      QTest::newRow(qPrintable(rashi)) << rashi << r.Caption << r.Tooltip;
    }
  }

  void everyFieldHasItsCaptionBesideItAndItsTooltip() {
    QFETCH(QString, box);
    QFETCH(QString, caption);
    QFETCH(QString, tooltip);
    InterpretationPanel p;
    QWidget* field = Named<QWidget>(&p, box);
    QVERIFY(field);
    QVERIFY(qobject_cast<QLineEdit*>(field) || qobject_cast<QPlainTextEdit*>(field));
    QLabel* label = CaptionOf(field, caption);
    QVERIFY2(label, qPrintable(caption));
    QCOMPARE(label->toolTip(), tooltip);
    const QRect c = label->geometry(), b = field->geometry();
    if (qobject_cast<QLineEdit*>(field)) {
      QVERIFY(c.right() < b.left());  // beside, on the same line
      QCOMPARE(c.center().y(), b.center().y());
    } else {
      QVERIFY(c.bottom() < b.top());  // a paragraph's caption heads its box
      QCOMPARE(c.left(), b.left());
      auto* paragraph = qobject_cast<QPlainTextEdit*>(field);
      QCOMPARE(paragraph->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
  }

  void subTabClickBringsItsFrameForward_data() {
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("strip");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("frame");
    const char* ts[] = {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"};
    const char* lagna[] = {"Frame10", "Frame12", "Frame11", "Frame9", "Frame8", "Frame6", "Frame7"};
    const char* rashi[] = {"Frame20", "Frame19", "Frame18", "Frame17",
                           "Frame16", "Frame15", "Frame14"};
    for (int i = 0; i < 5; ++i)
      QTest::addRow("TS tab %d", i + 1) << 1 << QStringLiteral("TS") << i << ts[i];
    for (int i = 0; i < 7; ++i)
      QTest::addRow("LagnaTS tab %d", i + 1) << 2 << QStringLiteral("LagnaTS") << i << lagna[i];
    for (int i = 0; i < 7; ++i)
      QTest::addRow("RashiTS tab %d", i + 1) << 3 << QStringLiteral("RashiTS") << i << rashi[i];
  }

  void subTabClickBringsItsFrameForward() {
    QFETCH(int, page);
    QFETCH(QString, strip);
    QFETCH(int, tab);
    QFETCH(QString, frame);
    ShownPanel shown;
    InterpretationPanel& p = shown.panel;
    p.SSTab1->setCurrentIndex(page);
    QTabBar* bar = Named<QTabBar>(&p, strip);
    // Start from another tab, so that the click really changes the selection.
    ClickTab(bar, (tab + 1) % bar->count());
    ClickTab(bar, tab);
    QCOMPARE(bar->currentIndex(), tab);
    const std::span<QFrame* const> frames =
        page == 1 ? std::span<QFrame* const>(p.TSFrames)
                  : std::span<QFrame* const>(page == 2 ? p.Lagna.Frames : p.Rashi.Frames);
    QFrame* expected = Named<QFrame>(&p, frame);
    QCOMPARE(frames[static_cast<std::size_t>(tab)], expected);
    QVERIFY(IsInFront(expected, frames));
    QCOMPARE(p.SSTab1->currentIndex(), page);  // the pages switch by themselves only
  }

  void nakshatraTabsFiveAndOneSwapTheFieldsShown() {
    ShownPanel shown;
    InterpretationPanel& p = shown.panel;
    p.SSTab1->setCurrentIndex(1);
    ClickTab(p.TS, 4);
    for (QPlainTextEdit* box : {p.txtBestCareerOptions, p.txtDomesticLife, p.txtHealth})
      QVERIFY(box->isVisible());
    QVERIFY(!p.txtNature->isVisible());
    ClickTab(p.TS, 0);
    const auto shortFields = p.TSFrames[0]->findChildren<QLineEdit*>();
    QCOMPARE(shortFields.size(), 11);
    for (QLineEdit* box : shortFields) QVERIFY(box->isVisible());
    QVERIFY(!p.txtHealth->isVisible());
  }

  void ashwiniFillsEveryNakshatraField() {
    InterpretationPanel p;
    QSignalSpy named(&p, &InterpretationPanel::NakshatraShown);
    p.ShowNakshatraInformation("Ashwini");
    const std::pair<QLineEdit*, const char*> expected[] = {
        {p.txtRullingDeva, "Ashwina Kumara"}, {p.txtPurposeOfTheDeva, "Physician of the Demi Gods"},
        {p.txtRullingPlanet, "Ketu"},         {p.txtAnimalSymbol, "Horse"},
        {p.txtSymbol, "Head of a Horse"},     {p.txtAstronomicalName, "Beta Arietis"},
        {p.txtElement, "Prithvi (Earth)"},    {p.txtPartOfBody, "Upper Part of Feet"},
        {p.txtNature, "Light / Swift"},       {p.txtGender, "Male"},
        {p.txtPurposeInLife, "Dharma"},       {p.txtDosha, "Vata"},
        {p.txtTemperaments, "Deva (Godly)"},  {p.txtBestDirection, "North-East"},
        {p.txtLuckyGemstone, "Cat's Eye"}};
    for (const auto& [box, text] : expected) QCOMPARE(box->text(), QString::fromUtf8(text));
    const TextTable& texts = NakshatraTexts();
    QCOMPARE(p.txtGeneralAndPhysicalFeatures->Paragraph(), texts.Text("Ashwini", "general"));
    QCOMPARE(p.txtPositiveHumanTraits->Paragraph(), texts.Text("Ashwini", "positive"));
    QCOMPARE(p.txtNegativeHumanTraits->Paragraph(), texts.Text("Ashwini", "negative"));
    QCOMPARE(p.txtBestCareerOptions->Paragraph(), texts.Text("Ashwini", "career"));
    QCOMPARE(p.txtDomesticLife->Paragraph(), texts.Text("Ashwini", "domestic"));
    QCOMPARE(p.txtHealth->Paragraph(), texts.Text("Ashwini", "health"));
    QCOMPARE(p.lblNakshatraResult->text(), QStringLiteral("Ashwini"));
    QCOMPARE(p.TS->tabText(0), QStringLiteral("More About Ashwini Nakshatra"));
    QCOMPARE(named.size(), 1);
    QCOMPARE(named.front().front().toString(), QStringLiteral("Ashwini"));
    QCOMPARE(p.picNakshatra->Picture(), QStringLiteral(":/pictures/nakshatra/ashwini.svg"));
  }

  void revatiIsTheLastRowAndShowsItsPicture() {
    InterpretationPanel p;
    p.ShowNakshatraInformation("Revati");
    QCOMPARE(p.txtRullingDeva->text(), QStringLiteral("Pushan"));
    QCOMPARE(p.txtSymbol->text(), QStringLiteral("A Fish"));
    QCOMPARE(p.txtLuckyGemstone->text(), QStringLiteral("Emerald"));
    QCOMPARE(p.picNakshatra->Picture(), QStringLiteral(":/pictures/nakshatra/revati.svg"));
    QVERIFY(p.picNakshatra->HasPicture());
  }

  void pictureBoxDrawsThePictureItShows() {
    ShownPanel shown;
    InterpretationPanel& p = shown.panel;
    p.SSTab1->setCurrentIndex(1);
    const QImage design = p.picNakshatra->grab().toImage();
    p.ShowNakshatraInformation("Revati");
    const QImage revati = p.picNakshatra->grab().toImage();
    QVERIFY(revati != design);
    std::set<QRgb> colours;
    for (int y = 0; y < revati.height(); y += 4)
      for (int x = 0; x < revati.width(); x += 4) colours.insert(revati.pixel(x, y));
    QVERIFY(colours.size() > 20);  // a drawing, not a blank box
    // Drawn straight from the vectors, the same picture looks the same at printer scale.
    QImage large(600, 600, QImage::Format_ARGB32);
    large.fill(Qt::transparent);
    QPainter painter(&large);
    p.picNakshatra->Paint(painter, QRectF(0, 0, 600, 600));
    painter.end();
    QVERIFY(large.pixel(300, 300) != qRgba(0, 0, 0, 0));
  }

  void unknownNakshatraIsNamedButChangesNoField_data() {
    QTest::addColumn<bool>("afterAshwini");
    QTest::newRow("after Ashwini") << true;
    QTest::newRow("on a fresh panel") << false;
  }

  void unknownNakshatraIsNamedButChangesNoField() {
    QFETCH(bool, afterAshwini);
    InterpretationPanel p;
    if (afterAshwini) p.ShowNakshatraInformation("Ashwini");
    const QString before = p.txtSymbol->text();
    const QString paragraph = p.txtHealth->Paragraph();
    const QString picture = p.picNakshatra->Picture();
    p.ShowNakshatraInformation("rohini");
    QCOMPARE(p.lblNakshatraResult->text(), QStringLiteral("rohini"));
    QCOMPARE(p.TS->tabText(0), QStringLiteral("More About rohini Nakshatra"));
    QCOMPARE(p.txtSymbol->text(), before);
    QCOMPARE(p.txtSymbol->text().isEmpty(), !afterAshwini);
    QCOMPARE(p.txtHealth->Paragraph(), paragraph);
    QCOMPARE(p.picNakshatra->Picture(), picture);
  }

  void secondNakshatraReplacesTheFirstAndSelectsTabOne() {
    ShownPanel shown;
    InterpretationPanel& p = shown.panel;
    p.SSTab1->setCurrentIndex(1);
    p.ShowNakshatraInformation("Ashwini");
    ClickTab(p.TS, 3);
    p.ShowNakshatraInformation("Krittika");
    QCOMPARE(p.txtSymbol->text(), QStringLiteral("A Razor"));
    QCOMPARE(p.txtRullingDeva->text(), QStringLiteral("Agni"));
    QCOMPARE(p.txtGeneralAndPhysicalFeatures->Paragraph(),
             NakshatraTexts().Text("Krittika", "general"));
    QCOMPARE(p.TS->currentIndex(), 0);
    QVERIFY(IsInFront(p.TSFrames[0], p.TSFrames));
    QCOMPARE(p.picNakshatra->Picture(), QStringLiteral(":/pictures/nakshatra/krittika.svg"));
  }

  void lagnaFillNamesTheSignEverywhere_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("vedic");
    QTest::addColumn<QString>("english");
    QTest::addColumn<QString>("element");
    QTest::addColumn<QString>("picture");
    QTest::newRow("Sco") << "Sco"
                         << "Vrishcika"
                         << "Scorpio"
                         << "Water"
                         << "scorpio";
    QTest::newRow("Leo is its own first three letters") << "Leo"
                                                        << "Simha"
                                                        << "Leo"
                                                        << "Fire"
                                                        << "leo";
  }

  void lagnaFillNamesTheSignEverywhere() {
    QFETCH(QString, key);
    QFETCH(QString, vedic);
    QFETCH(QString, english);
    QFETCH(QString, element);
    QFETCH(QString, picture);
    InterpretationPanel p;
    p.ShowLagnaInformation(key.toStdString());
    QCOMPARE(p.Lagna.VedicName->text(), vedic);
    QCOMPARE(Named<QLabel>(&p, "lblVedicName"), p.Lagna.VedicName);
    QCOMPARE(p.Lagna.EnglishName->text(), english);
    QCOMPARE(p.Lagna.InbornNature->text(), element);
    QCOMPARE(p.Lagna.Tabs->tabText(6), QStringLiteral("Lucky for ") + vedic);
    const char* names[] = {"lblLuckyDays",   "lblLuckyNumbers",  "lblBestDirection",
                           "lblLuckyColors", "lblLuckyGemstone", "lblBestPeriodOfActivity"};
    const char* starts[] = {"Lucky Days for ",     "Lucky Numbers for ",
                            "Best Direction for ", "Lucky Colors for ",
                            "Lucky Gemstone for ", "Best Period Of Activity for "};
    for (int i = 0; i < 6; ++i)
      QCOMPARE(Named<QLabel>(&p, names[i])->text(), QString::fromUtf8(starts[i]) + vedic);
    QCOMPARE(p.Lagna.Picture->Picture(), ":/pictures/lagna/" + picture + ".svg");
    QCOMPARE(p.Lagna.Nature->Paragraph(), SignTexts().Text(english.toStdString(), "nature"));
  }

  void lagnaScoShowsTheScorpioFields() {
    InterpretationPanel p;
    p.ShowLagnaInformation("Sco");
    const std::pair<const char*, const char*> expected[] = {
        {"txtLagnaRullingPlanet", "Mars"},
        {"txtLagnaSymbol", "The Scorpion"},
        {"txtSignColor", "Reddish Brown"},
        {"txtTypeOfSign", "Fixed"},
        {"txtLagnaGender", "Female"},
        {"txtBarren", "Fruitful"},
        {"txtSignCaste", "Brahmana"},
        {"txtSignPosition", "Bahya"},
        {"txtConstituentCharacter", "Vegetable (Moola)"},
        {"txtPartOfTheBody", "External Genitalia"},
        {"txtPhysique", "Tall"},
        {"txtLuckyDays", "Monday, Tuesday, Thursday"},
        {"txtLuckyNumbers", "3, 7, 9"},
        {"txtLagnaBestDirection", "North"},
        {"txtLuckyColors", "Brown, Red, Yellow, White"},
        {"txtLagnaGemStone", "Coral"},
        {"txtBestPeriodOfActivity", "Day"},
        {"txtCompatibleWith", "Capricorn, Pisces, Taurus, Cancer, Virgo"},
        {"txtNotCompatibleWith", "Aries, Leo, Sagittarius"}};
    for (const auto& [name, text] : expected)
      QCOMPARE(Named<QLineEdit>(&p, name)->text(), QString::fromUtf8(text));
    const std::pair<const char*, const char*> paragraphs[] = {{"txtLooks", "looks"},
                                                              {"txtLagnaNature", "nature"},
                                                              {"txtCareerAndFinance", "career"},
                                                              {"txtLoveAndDomesticLife", "love"},
                                                              {"txtLagnaHealth", "health"}};
    for (const auto& [name, field] : paragraphs) {
      const QString text = Named<ParagraphBox>(&p, name)->Paragraph();
      QVERIFY(!text.isEmpty());
      QCOMPARE(text, SignTexts().Text("Scorpio", field));
    }
  }

  void rashiFillKeepsItsLuckyCaptions() {
    InterpretationPanel p;
    p.ShowLagnaInformation("Sco");
    p.ShowRashiInformation("Vrishcika");
    QCOMPARE(p.Rashi.VedicName->text(), QStringLiteral("Vrishcika"));
    QCOMPARE(Named<QLabel>(&p, "lblRashiVedicName"), p.Rashi.VedicName);
    QCOMPARE(Named<QLineEdit>(&p, "txtRashiEnglishName")->text(), QStringLiteral("Scorpio"));
    QCOMPARE(Named<QLineEdit>(&p, "txtRashiInbornNature")->text(), QStringLiteral("Water"));
    QCOMPARE(Named<QLineEdit>(&p, "txtRashiLuckyGemstone")->text(), QStringLiteral("Coral"));
    QCOMPARE(Named<ParagraphBox>(&p, "txtRashiLooks")->Paragraph(),
             SignTexts().Text("Scorpio", "looks"));
    QCOMPARE(p.Rashi.Tabs->tabText(6), QStringLiteral("Lucky for Vrishcika"));
    QCOMPARE(p.Rashi.Picture->Picture(), QStringLiteral(":/pictures/rashi/scorpio.svg"));
    const QStringList design = {"Lucky Days",   "Lucky Numbers",  "Best Direction",
                                "Lucky Colors", "Lucky Gemstone", "Best Period Of Activity"};
    for (int i = 0; i < 6; ++i) {
      QCOMPARE(p.Rashi.LuckyCaptions[static_cast<std::size_t>(i)]->text(), design[i]);
      QVERIFY(p.Lagna.LuckyCaptions[static_cast<std::size_t>(i)]->text().endsWith("Vrishcika"));
    }
  }

  void signKeyMatchingNothing_data() {
    QTest::addColumn<bool>("rashi");
    QTest::addColumn<QString>("key");
    QTest::newRow("rashi by English name") << true << "Scorpio";
    QTest::newRow("lagna in lower case") << false << "sco";
  }

  void signKeyMatchingNothing() {
    QFETCH(bool, rashi);
    QFETCH(QString, key);
    InterpretationPanel p;
    SignPage& page = rashi ? p.Rashi : p.Lagna;
    auto show = [&](const std::string& k) {
      rashi ? p.ShowRashiInformation(k) : p.ShowLagnaInformation(k);
    };
    // After start-up there is nothing to keep: the page empties, the picture stays.
    show(key.toStdString());
    QCOMPARE(page.VedicName->text(), QString());
    QCOMPARE(page.EnglishName->text(), QString());
    QCOMPARE(page.Nature->Paragraph(), QString());
    QCOMPARE(page.Tabs->tabText(6), QStringLiteral("Lucky for "));
    QCOMPARE(page.Picture->Picture(), rashi ? QStringLiteral(":/pictures/rashi/default.svg")
                                            : QStringLiteral(":/pictures/lagna/default.svg"));
    // After a sign was found, the page keeps showing it.
    show(rashi ? "Simha" : "Leo");
    show(key.toStdString());
    QCOMPARE(page.VedicName->text(), QStringLiteral("Simha"));
    QCOMPARE(page.EnglishName->text(), QStringLiteral("Leo"));
    QCOMPARE(page.Tabs->tabText(6), QStringLiteral("Lucky for Simha"));
    QVERIFY(page.Picture->Picture().endsWith("/leo.svg"));
  }

  void planetsPageRunsForSunInAriesAndMoonInCancer() {
    InterpretationPanel p;
    p.ShowPlanetsInSigns(ChartWithPlanetsIn({"05 Ari 10", "12 Can 40", "01 Ari 00", "02 Tau 00",
                                             "03 Gem 00", "04 Can 00", "05 Leo 00"}));
    const auto runs = BoldAndPlainRuns(*p.RTBHouseDesc->document());
    QVERIFY(!runs.empty());
    const TextTable& t = PlanetsInSignsTexts();
    // Line breaks as the box holds them: one paragraph break for each CRLF.
    const std::pair<bool, QString> sun[] = {{true, "Sun In Aries\n"},
                                            {false, t.Text("Sun", "Aries") + "\n\n"},
                                            {true, "Characteristics Of Planet Sun :-\n"},
                                            {false, t.Text("Sun", "characteristics") + "\n\n"},
                                            {true, "More About Sign\n\nKeywords :-\n"},
                                            {false, "Pioneer, Assertive, Energetic\n\n"},
                                            {true, "Element :-\n"},
                                            {false, "Fire\n\n"},
                                            {true, "Ruling Planet :-\n"},
                                            {false, "Mars\n\n\n"},
                                            {true, "Moon In Cancer\n"},
                                            {false, t.Text("Moon", "Cancer") + "\n\n"},
                                            {true, "Characteristics Of Planet Moon :-\n"},
                                            {false, t.Text("Moon", "characteristics") + "\n\n"},
                                            {true, "More About Sign\n\nKeywords :-\n"},
                                            {false, "Protective, Cautious, Intuitive \n\n"},
                                            {true, "Element :-\n"},
                                            {false, "Water\n\n"},
                                            {true, "Ruling Planet :-\n"},
                                            {false, "The Moon\n\n\n"},
                                            {true, "Mercury In Aries\n"}};
    QVERIFY(runs.size() >= std::size(sun));
    for (std::size_t i = 0; i < std::size(sun); ++i) {
      QCOMPARE(runs[i].first, sun[i].first);
      QCOMPARE(runs[i].second, sun[i].second);
    }
    // Saturn in Leo closes the text, with no line break after its ruling planet.
    QVERIFY(p.RTBHouseDesc->toPlainText().endsWith("Ruling Planet :-\nThe Sun"));
    QCOMPARE(runs.back(), std::make_pair(false, QStringLiteral("The Sun")));
  }

  void secondPlanetsFillReplacesTheFirst() {
    InterpretationPanel p;
    p.ShowPlanetsInSigns(ChartWithPlanetsIn({"05 Ari 10", "12 Can 40"}));
    p.MoveHouseDescriptionToStart();
    p.ShowPlanetsInSigns(ChartWithPlanetsIn({"05 Sag 10", "12 Can 40"}));
    const QString text = p.RTBHouseDesc->toPlainText();
    QVERIFY(text.startsWith("Sun In Sagittarius\n"));
    QCOMPARE(text.count("Sun In "), 1);
    QVERIFY(!text.contains("Sun In Aries"));
    p.MoveHouseDescriptionToStart();
    QCOMPARE(p.RTBHouseDesc->textCursor().position(), 0);
  }

  // Everything of the panel inside its page or frame, nothing on top of anything else but
  // the frames of one strip, and every text of the tables readable in full.
  void nothingOverlapsAndNothingIsCutOff() {
    ShownPanel shown;
    InterpretationPanel& p = shown.panel;
    std::vector<QWidget*> containers = {p.PlanetsPage, p.NakshatraPage, p.Lagna.Page, p.Rashi.Page};
    std::set<QWidget*> stripFrames;
    for (auto frames :
         {std::span<QFrame* const>(p.TSFrames), std::span<QFrame* const>(p.Lagna.Frames),
          std::span<QFrame* const>(p.Rashi.Frames)}) {
      for (QFrame* f : frames) {
        containers.push_back(f);
        stripFrames.insert(f);
      }
    }
    for (int page = 0; page < 4; ++page) {
      p.SSTab1->setCurrentIndex(page);
      QWidget* container = p.SSTab1->currentWidget();
      QVERIFY(container->rect().contains(container->childrenRect()));
    }
    for (QWidget* container : containers) {
      const auto children = container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
      for (QWidget* a : children) {
        QVERIFY2(container->rect().contains(a->geometry()),
                 qPrintable(container->objectName() + " does not hold " + a->objectName()));
        for (QWidget* b : children) {
          if (a == b || (stripFrames.count(a) && stripFrames.count(b))) continue;
          QVERIFY2(!a->geometry().intersects(b->geometry()),
                   qPrintable(a->objectName() + " overlaps " + b->objectName() + " in " +
                              container->objectName()));
        }
      }
      for (QLabel* label : container->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
      }
    }

    // The longest names in the tab captions and labels.
    p.ShowNakshatraInformation("Uttara Bhadrapada");
    p.ShowLagnaInformation("Tau");  // "Vrishabha"
    p.ShowRashiInformation("Vrishcika");
    for (QTabBar* strip : {p.TS, p.Lagna.Tabs, p.Rashi.Tabs}) {
      QVERIFY2(strip->sizeHint().width() <= strip->width(), qPrintable(strip->objectName()));
    }
    for (QLabel* label : p.Lagna.LuckyCaptions) {
      QVERIFY2(label->sizeHint().width() <= label->width(), qPrintable(label->text()));
    }
    for (QLabel* name : {p.lblNakshatraResult, p.Lagna.VedicName, p.Rashi.VedicName})
      QVERIFY(name->sizeHint().width() <= name->width());

    // Every row of every table, in full in its boxes.
    auto checkBoxes = [&](QWidget* page, const QString& row) {
      for (QLineEdit* box : page->findChildren<QLineEdit*>()) {
        const int needed = box->fontMetrics().horizontalAdvance(box->text()) + 12;
        QVERIFY2(needed <= box->width(), qPrintable(row + ": " + box->objectName()));
      }
      // Paragraphs read without scrolling: the box less its frame, scroll bar and margins.
      for (QPlainTextEdit* box : page->findChildren<QPlainTextEdit*>()) {
        const int margin = static_cast<int>(box->document()->documentMargin());
        const QRect inside = box->contentsRect();
        const int width =
            inside.width() - box->verticalScrollBar()->sizeHint().width() - 2 * margin;
        const QRect needed = box->fontMetrics().boundingRect(QRect(0, 0, width, 100000),
                                                             Qt::TextWordWrap, box->toPlainText());
        QVERIFY2(needed.height() + 2 * margin <= inside.height(),
                 qPrintable(row + ": " + box->objectName()));
      }
    };
    for (int i = 0; i < kNakshatraRows; ++i) {
      p.ShowNakshatraInformation(NakshatraAt(i).Name);
      checkBoxes(p.NakshatraPage, Q(NakshatraAt(i).Name));
    }
    for (int s = 0; s < kSignRows; ++s) {
      p.ShowLagnaInformation(SignAt(s).EnglishName.substr(0, 3));
      p.ShowRashiInformation(SignAt(s).VedicName);
      checkBoxes(p.Lagna.Page, Q(SignAt(s).EnglishName));
      checkBoxes(p.Rashi.Page, Q(SignAt(s).EnglishName));
    }
  }

  // The program's own road: an Indian chart fills all four pages from its keys.
  void indianChartFillsThePanel() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    ChartWindow& w = f.chart();
    InterpretationPanel& p = *w.fraInterpretation;
    QVERIFY(!p.geometry().intersects(w.fraChart->geometry()));
    QVERIFY(w.rect().contains(p.geometry()));

    // The Delhi birth: Sun, Mercury and Venus in Gemini, Moon in Cancer, Mars, Jupiter and
    // Saturn in Leo with the ascendant.
    const QString text = p.RTBHouseDesc->toPlainText();
    QVERIFY(text.startsWith("Sun In Gemini\n" + PlanetsInSignsTexts().Text("Sun", "Gemini")));
    QVERIFY(text.contains("Moon In Cancer\n"));
    QVERIFY(text.contains("Saturn In Leo\n"));
    QVERIFY(text.endsWith("Ruling Planet :-\nThe Sun"));
    QCOMPARE(p.RTBHouseDesc->textCursor().position(), 0);

    QCOMPARE(p.lblNakshatraResult->text(), QStringLiteral("Punarvasu"));
    QCOMPARE(w.lblNakshatra->text(), QStringLiteral("Punarvasu"));
    QCOMPARE(p.TS->tabText(0), QStringLiteral("More About Punarvasu Nakshatra"));
    QCOMPARE(p.txtSymbol->text(), QStringLiteral("A Bow / A House"));
    QCOMPARE(p.picNakshatra->Picture(), QStringLiteral(":/pictures/nakshatra/punarvasu.svg"));
    QCOMPARE(p.Lagna.VedicName->text(), QStringLiteral("Simha"));
    QCOMPARE(p.Lagna.Picture->Picture(), QStringLiteral(":/pictures/lagna/leo.svg"));
    QCOMPARE(p.Rashi.VedicName->text(), QStringLiteral("Kataka"));
    QCOMPARE(p.Rashi.EnglishName->text(), QStringLiteral("Cancer"));
    QCOMPARE(p.Rashi.Picture->Picture(), QStringLiteral(":/pictures/rashi/cancer.svg"));
  }

  // A chart opened while one is shown runs the command again in the same window: the new
  // chart's description replaces the old one.
  void chartAgainInTheSameWindowReplacesTheDescription() {
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    ChartWindow* first = &f.chart();
    BirthEntry later;
    later.Day = 1;
    later.Month = 12;  // the Sun in sidereal Scorpio
    f.Fill(later);
    f.app->IndianChart(ChartStyle::North);
    QCOMPARE(&f.chart(), first);
    const QString text = first->fraInterpretation->RTBHouseDesc->toPlainText();
    QVERIFY(text.startsWith("Sun In Scorpio\n"));
    QCOMPARE(text.count("Characteristics Of Planet Sun :-"), 1);
    QCOMPARE(first->fraInterpretation->RTBHouseDesc->textCursor().position(), 0);
  }

  // Pictures of every page and sub-tab of one chart, for a person to look at; written only
  // when VELMORA_SCREENSHOTS names a folder.
  void screenshotsOfEveryPageAndSubTab() {
    const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (folder.isEmpty()) QSKIP("set VELMORA_SCREENSHOTS to a folder to write the pictures");
    AppFixture f;
    f.Fill(BirthEntry{});
    f.Click(f.form().cmdCalculate);
    ChartWindow& w = f.chart();
    InterpretationPanel& p = *w.fraInterpretation;
    QVERIFY(w.grab().save(folder + "/chart_window.png"));
    const std::pair<int, QTabBar*> strips[] = {
        {0, nullptr}, {1, p.TS}, {2, p.Lagna.Tabs}, {3, p.Rashi.Tabs}};
    for (const auto& [page, strip] : strips) {
      p.SSTab1->setCurrentIndex(page);
      for (int tab = 0; tab < (strip ? strip->count() : 1); ++tab) {
        if (strip) strip->setCurrentIndex(tab);
        QCoreApplication::processEvents();
        const QString name =
            QStringLiteral("%1/page%2_tab%3.png").arg(folder).arg(page + 1).arg(tab + 1);
        QVERIFY(p.grab().save(name));
      }
    }
  }
};

}  // namespace velmora::test

QTEST_MAIN(velmora::test::InterpretationPanelTest)
#include "interpretation_panel_test.moc"
