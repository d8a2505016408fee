#include "interpretation_panel.h"

#include <QScrollBar>
#include <QTabBar>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QVBoxLayout>
#include <span>

#include "ui/twips.h"
#include "ui/ui_style.h"
#include "picture_lists.h"
#include "text_table.h"

namespace velmora {
namespace {

// Layout, in twips relative to each page or frame. Above each sub-tab strip the page shows
// the name, the picture and a band of short fields; the strip's frames lie below it, one on
// top of the other.
constexpr int kPictureLeft = 180, kPictureTop = 150, kPictureSize = 2040;
constexpr int kNameLeft = 2460, kNameTop = 150, kNameWidth = 11700, kNameHeight = 480;
constexpr int kStripLeft = 90, kStripTop = 2280, kStripWidth = 14265, kStripHeight = 390;
constexpr int kFrameTop = kStripTop + kStripHeight, kFrameHeight = 2925;
constexpr int kFieldHeight = 345;
constexpr int kCaptionAbove = 330;  // a paragraph's caption sits this far above its box

// A column of short fields: caption label on the left, text box beside it.
struct Column {
  int CaptionLeft, CaptionWidth, BoxLeft, BoxWidth;
};

// Two columns beside the picture, and two inside a frame. The lucky frame has long captions
// ("Best Period Of Activity for Vrishabha"), the compatibility fields long values.
constexpr Column kBandColumns[] = {{2460, 2100, 4560, 3900}, {8760, 2250, 11010, 3300}};
constexpr Column kFrameColumns[] = {{150, 3150, 3300, 4200}, {7800, 2700, 10500, 3600}};
constexpr Column kLuckyColumns[] = {{150, 3750, 3900, 3150}, {7350, 3750, 11100, 3000}};
constexpr Column kWideColumns[] = {{150, 3150, 3300, 7200}};
constexpr int kBandFirstTop = 780, kBandPitch = 480;
constexpr int kFrameFirstTop = 150, kFramePitch = 450;

// Where a short field goes: Frame 0 is the band above the strip, n the frame of tab n.
struct Place {
  int Frame;
  const Column* Columns;
  int Col, Row;
};

// A paragraph box with its caption above it, inside the frame of tab Frame.
struct Area {
  int Frame;
  int Left, Top, Width, Height;
};
constexpr int kWholeFrameLeft = 150, kWholeFrameTop = 450, kWholeFrameWidth = 13950,
              kWholeFrameHeight = 2325;
constexpr Area WholeFrame(int frame) {
  return {frame, kWholeFrameLeft, kWholeFrameTop, kWholeFrameWidth, kWholeFrameHeight};
}

struct Label {
  const char* Caption;
  const char* Tooltip;
};

struct NakshatraShortField {
  QLineEdit* InterpretationPanel::*Box;
  const char* Name;
  Place At;
  Label Text;
};

struct NakshatraParagraph {
  ParagraphBox* InterpretationPanel::*Box;
  const char* Name;
  Area At;
  Label Text;
};

using P = InterpretationPanel;

static constexpr NakshatraShortField kNakshatraShortFields[] = {
    {&P::txtSymbol,
     "txtSymbol",
     {0, kBandColumns, 0, 0},
     {"Symbol", "This defines the symbol of the nakshatra."}},
    {&P::txtAnimalSymbol,
     "txtAnimalSymbol",
     {0, kBandColumns, 0, 1},
     {"Animal Symbol", "This signifies the animal that the nakshatra is associated with."}},
    {&P::txtAstronomicalName,
     "txtAstronomicalName",
     {0, kBandColumns, 1, 0},
     {"Astronomical Name", "This is the equivalent English constellation name."}},
    {&P::txtRullingPlanet,
     "txtRullingPlanet",
     {0, kBandColumns, 1, 1},
     {"Ruling Planet ", "This signifies the planet that has a powerful effect on this nakshatra."}},
    {&P::txtNature,
     "txtNature",
     {1, kFrameColumns, 0, 0},
     {"Nature of Nakshatra",
      "Each Nakshatra is also governed by a nature, which essentially describes "
      "temperament."}},
    {&P::txtRullingDeva,
     "txtRullingDeva",
     {1, kFrameColumns, 0, 1},
     {"Name of Ruling Deva /Demi God",
      "This signifies the demigods who bless or curse the native born under this "
      "nakshatra."}},
    {&P::txtPurposeOfTheDeva,
     "txtPurposeOfTheDeva",
     {1, kFrameColumns, 0, 2},
     {"Purpose of the Deva",
      "This signifies the importance of the demigod ruling this nakshatra."}},
    {&P::txtElement,
     "txtElement",
     {1, kFrameColumns, 0, 3},
     {"Element / Tatthwa",
      "This means \"things\" and it describes the essential constitution of all things."}},
    {&P::txtPartOfBody,
     "txtPartOfBody",
     {1, kFrameColumns, 0, 4},
     {"Part of Body", "This shows the part of the body that a particular nakshatra governs."}},
    {&P::txtDosha,
     "txtDosha",
     {1, kFrameColumns, 0, 5},
     {"Dosha",
      "This decribes the three doshas that explain our physical reality: Vata (Air and "
      "Space); Pita (Fire and Water); Kapha (Water and Earth)."}},
    {&P::txtLuckyGemstone,
     "txtLuckyGemstone",
     {1, kFrameColumns, 1, 0},
     {"Lucky Gemstone",
      "This signifies the lucky gemstones for people born under this nakshatra."}},
    {&P::txtGender,
     "txtGender",
     {1, kFrameColumns, 1, 1},
     {"Gender", "The male nakshatra is more dynamic while the female nakshatra is a passive one."}},
    {&P::txtPurposeInLife,
     "txtPurposeInLife",
     {1, kFrameColumns, 1, 2},
     {"Purpose in Life",
      "The nakshatras are classified on basis of primary motivation into Kama (sensual "
      "desires), Artha (material desires), Dharma (spiritual principles), Moksha (liberation "
      "from birth and death)."}},
    {&P::txtTemperaments,
     "txtTemperaments",
     {1, kFrameColumns, 1, 3},
     {"Temperaments",
      "The Gana - The species that determines that Nakshatra's nature: Deva (Godly); "
      "Manushya (Manlike) and Rakshasa (Demonlike)."}},
    {&P::txtBestDirection,
     "txtBestDirection",
     {1, kFrameColumns, 1, 4},
     {"Best Direction",
      "This signifies the lucky directions for people born under this nakshatra."}},
};

constexpr int ThirdLeft(int i) {
  return 150 + i * 4650;
}
constexpr int kThirdWidth = 4500;

static constexpr NakshatraParagraph kNakshatraParagraphs[] = {
    {&P::txtGeneralAndPhysicalFeatures,
     "txtGeneralAndPhysicalFeatures",
     WholeFrame(2),
     {"General And Physical Features",
      "This describes the physical stature of a person born under this nakshatra."}},
    {&P::txtPositiveHumanTraits,
     "txtPositiveHumanTraits",
     WholeFrame(3),
     {"Positive Human Traits", "This signifies the good qualities of human nature."}},
    {&P::txtNegativeHumanTraits,
     "txtNegativeHumanTraits",
     WholeFrame(4),
     {"Negative Human Traits", "This signifies the bad qualities of human nature."}},
    {&P::txtBestCareerOptions,
     "txtBestCareerOptions",
     {5, ThirdLeft(0), kWholeFrameTop, kThirdWidth, kWholeFrameHeight},
     {"Best Career Options", "This shows the best-suited careers."}},
    {&P::txtDomesticLife,
     "txtDomesticLife",
     {5, ThirdLeft(1), kWholeFrameTop, kThirdWidth, kWholeFrameHeight},
     {"Domestic Life", "This signifies the kind of domestic life a person will lead. "}},
    {&P::txtHealth,
     "txtHealth",
     {5, ThirdLeft(2), kWholeFrameTop, kThirdWidth, kWholeFrameHeight},
     {"Health", "This includes all health concerns for a born under this Nakshatra."}},
};

struct SignShortField {
  QLineEdit* SignPage::*Box;
  const char* LagnaName;
  const char* RashiName;
  Place At;
  Label Text;
  int Lucky = -1;  // index of the caption in SignPage::LuckyCaptions
};

struct SignParagraph {
  ParagraphBox* SignPage::*Box;
  const char* LagnaName;
  const char* RashiName;
  Area At;
  Label Text;
};

static constexpr SignShortField kSignShortFields[] = {
    {&SignPage::EnglishName,
     "txtEnglishName",
     "txtRashiEnglishName",
     {0, kBandColumns, 0, 0},
     {"English Name", "This signifies the English name for the Vedic moon sign."}},
    {&SignPage::SignColor,
     "txtSignColor",
     "txtRashiSignColor",
     {0, kBandColumns, 0, 1},
     {"Sign Color", "This signifies the color associated with the sign."}},
    {&SignPage::Symbol,
     "txtLagnaSymbol",
     "txtRashiSymbol",
     {0, kBandColumns, 0, 2},
     {"Symbol", "This signifies the picture associated with the moon sign."}},
    {&SignPage::InbornNature,
     "txtInbornNature",
     "txtRashiInbornNature",
     {0, kBandColumns, 1, 0},
     {"Inborn Nature", "This describes the human characteristics of this sign."}},
    {&SignPage::RulingPlanet,
     "txtLagnaRullingPlanet",
     "txtRashiRullingPlanet",
     {0, kBandColumns, 1, 1},
     {"Rulling Planet", "This signifies the planet that exercises a powerful energy on the sign."}},

    {&SignPage::TypeOfSign,
     "txtTypeOfSign",
     "txtRashiTypeOfSign",
     {1, kFrameColumns, 0, 0},
     {"Type Of Sign", "This signifies the attitude of the people under this sign."}},
    {&SignPage::Gender,
     "txtLagnaGender",
     "txtRashiGender",
     {1, kFrameColumns, 0, 1},
     {"Gender",
      "The male rashis are more dynamic in nature while the female rashis are passive by "
      "nature."}},
    {&SignPage::Barren,
     "txtBarren",
     "txtRashiBarren",
     {1, kFrameColumns, 0, 2},
     {"Barren / Fruitful", "This classifies the signs on basis of fertility."}},
    {&SignPage::SignCaste,
     "txtSignCaste",
     "txtRashiSignCaste",
     {1, kFrameColumns, 0, 3},
     {"Sign Caste",
      "This classifies the sign based on caste into Brahmana (the seeker and teacher of "
      "knowledge), Kshatriya (warriors, rulers), Vaisya (the industrialists, wealth creators) "
      "and the Sudras (the workers)."}},
    {&SignPage::SignPosition,
     "txtSignPosition",
     "txtRashiSignPosition",
     {1, kFrameColumns, 1, 0},
     {"Sign Position",
      "This classifies the sign based on position into Dwara (Entrance), Bahya (Outside), "
      "Garbha (Inside)."}},
    {&SignPage::ConstituentCharacter,
     "txtConstituentCharacter",
     "txtRashiConstituentCharacter",
     {1, kFrameColumns, 1, 1},
     {"Constituent Character",
      "This classifies the sign based on constituent making into Dhatu (Mineral), Moola "
      "(Vegetable) and Jeeva (Animal). "}},
    {&SignPage::PartOfTheBody,
     "txtPartOfTheBody",
     "txtRashiPartOfTheBody",
     {1, kFrameColumns, 1, 2},
     {"Part Of The Body",
      "This shows the parts of the bodies that the different signs represent."}},

    {&SignPage::Physique,
     "txtPhysique",
     "txtRashiPhysique",
     {2, kFrameColumns, 0, 0},
     {"Physique", "This signifies the general stature of people born under this sign. "}},

    {&SignPage::CompatibleWith,
     "txtCompatibleWith",
     "txtRashiCompatibleWith",
     {5, kWideColumns, 0, 4},
     {"Compatible With",
      "This signifies the other rashis/ moon signs that are compatible with this sign."}},
    {&SignPage::NotCompatibleWith,
     "txtNotCompatibleWith",
     "txtRashiNotCompatibleWith",
     {5, kWideColumns, 0, 5},
     {"Not Compatible With",
      "This signifies the other rashis/ moon signs that are not compatible with this sign."}},

    {&SignPage::LuckyDays,
     "txtLuckyDays",
     "txtRashiLuckyDays",
     {7, kLuckyColumns, 0, 0},
     {"Lucky Days", "This signifies the lucky days for people born under this sign."},
     0},
    {&SignPage::LuckyNumbers,
     "txtLuckyNumbers",
     "txtRashiLuckyNumbers",
     {7, kLuckyColumns, 0, 1},
     {"Lucky Numbers", "This signifies the lucky numbers for people born under this sign."},
     1},
    {&SignPage::BestDirection,
     "txtLagnaBestDirection",
     "txtRashiBestDirection",
     {7, kLuckyColumns, 0, 2},
     {"Best Direction", "This signifies the lucky directions for people born under this sign."},
     2},
    {&SignPage::LuckyColors,
     "txtLuckyColors",
     "txtRashiLuckyColors",
     {7, kLuckyColumns, 1, 0},
     {"Lucky Colors", "This signifies the lucky colors for people born under this sign."},
     3},
    {&SignPage::LuckyGemstone,
     "txtLagnaGemStone",
     "txtRashiLuckyGemstone",
     {7, kLuckyColumns, 1, 1},
     {"Lucky Gemstone", "This signifies the lucky gemstones for people born under this sign."},
     4},
    {&SignPage::BestPeriodOfActivity,
     "txtBestPeriodOfActivity",
     "txtRashiBestPeriodOfActivity",
     {7, kLuckyColumns, 1, 2},
     {"Best Period Of Activity",
      "This shows the best period of the day when people of this sign are more active."},
     5},
};

// The lagna page names the captions of its tab 7, whose texts its fill changes.
static constexpr const char* kLagnaLuckyCaptionNames[] = {
    "lblLuckyDays",   "lblLuckyNumbers",  "lblBestDirection",
    "lblLuckyColors", "lblLuckyGemstone", "lblBestPeriodOfActivity"};
static constexpr const char* kLuckyCaptionStarts[] = {
    "Lucky Days for ",   "Lucky Numbers for ",  "Best Direction for ",
    "Lucky Colors for ", "Lucky Gemstone for ", "Best Period Of Activity for "};

constexpr int kLooksTop = 900, kLooksHeight = 1875, kLoveHeight = 1320;

static constexpr SignParagraph kSignParagraphs[] = {
    {&SignPage::Looks,
     "txtLooks",
     "txtRashiLooks",
     {2, kWholeFrameLeft, kLooksTop, kWholeFrameWidth, kLooksHeight},
     {"Looks", "This signifies the physical appearance of people born under this sign."}},
    {&SignPage::Nature,
     "txtLagnaNature",
     "txtRashiNature",
     WholeFrame(3),
     {"Nature", "This signifies the human nature of people born under this sign. "}},
    {&SignPage::CareerAndFinance,
     "txtCareerAndFinance",
     "txtRashiCareerAndFinance",
     WholeFrame(4),
     {"Career And Finance", "This shows their career interests and financial habits."}},
    {&SignPage::LoveAndDomesticLife,
     "txtLoveAndDomesticLife",
     "txtRashiLoveAndDomesticLife",
     {5, kWholeFrameLeft, kWholeFrameTop, kWholeFrameWidth, kLoveHeight},
     {"Love And Domestic Life", "This signifies born under this sign."}},
    {&SignPage::Health,
     "txtLagnaHealth",
     "txtRashiHealth",
     WholeFrame(6),
     {"Health", "This signifies the health issues of people born under this rashi."}},
};

// The frames under each strip, by tab.
static constexpr const char* kTSFrameNames[] = {"Frame1", "Frame2", "Frame3", "Frame4", "Frame5"};
static constexpr const char* kLagnaFrameNames[] = {"Frame10", "Frame12", "Frame11", "Frame9",
                                                   "Frame8",  "Frame6",  "Frame7"};
static constexpr const char* kRashiFrameNames[] = {"Frame20", "Frame19", "Frame18", "Frame17",
                                                   "Frame16", "Frame15", "Frame14"};
static constexpr const char* kTSCaptions[] = {
    "More About Nakshatra Name", "General And Physical Features", "Positive Human Traits",
    "Negative Human Traits", "Career And Health And Domestic"};
static constexpr const char* kSignTabCaptions[] = {"Sign Characteristics",   "Physique And Looks",
                                                   "Human Nature",           "Career And Finance",
                                                   "Love And Compatibility", "Health",
                                                   "Lucky for....Rashi"};

QString Text(std::string_view s) {
  return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

QLabel* CaptionLabel(QWidget* parent, const Label& text, QRect geometry) {
  auto* label = new QLabel(QString::fromUtf8(text.Caption), parent);
  label->setToolTip(QString::fromUtf8(text.Tooltip));
  label->setGeometry(geometry);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  return label;
}

QLineEdit* ShortBox(QWidget* parent, const char* name, QRect geometry) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setGeometry(geometry);
  box->setReadOnly(true);
  return box;
}

ParagraphBox* Paragraph(QWidget* parent, const char* name, QRect geometry) {
  auto* box = new ParagraphBox(parent);
  box->setObjectName(QString::fromUtf8(name));
  box->setGeometry(geometry);
  return box;
}

QLabel* NameLabel(QWidget* page, const char* name) {
  auto* label = new QLabel(page);
  label->setObjectName(QString::fromUtf8(name));
  label->setFont(VerdanaFont(12, true));
  label->setGeometry(TwipsRect(kNameLeft, kNameTop, kNameWidth, kNameHeight));
  return label;
}

PictureBox* PictureOf(QWidget* page, const char* name, std::string_view designPicture) {
  auto* box = new PictureBox(page);
  box->setObjectName(QString::fromUtf8(name));
  box->setGeometry(TwipsRect(kPictureLeft, kPictureTop, kPictureSize, kPictureSize));
  box->SetPicture(Text(designPicture));
  return box;
}

template <std::size_t N>
QTabBar* SubTabStrip(QWidget* page, const char* name, const char* const (&captions)[N]) {
  auto* strip = new QTabBar(page);
  strip->setObjectName(QString::fromUtf8(name));
  strip->setExpanding(false);
  strip->setDrawBase(false);
  for (const char* caption : captions) strip->addTab(QString::fromUtf8(caption));
  strip->setGeometry(TwipsRect(kStripLeft, kStripTop, kStripWidth, kStripHeight));
  return strip;
}

template <std::size_t N>
void CreateStripFrames(QWidget* page, const char* const (&names)[N], std::span<QFrame*, N> frames) {
  for (std::size_t i = 0; i < N; ++i) {
    auto* frame = new QFrame(page);
    frame->setObjectName(QString::fromUtf8(names[i]));
    frame->setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    frame->setAutoFillBackground(true);
    frame->setGeometry(TwipsRect(kStripLeft, kFrameTop, kStripWidth, kFrameHeight));
    frames[i] = frame;
  }
}

// The caption and box rectangles of a short field.
QRect CaptionRect(const Place& at) {
  const Column& c = at.Columns[at.Col];
  const int top =
      at.Frame == 0 ? kBandFirstTop + at.Row * kBandPitch : kFrameFirstTop + at.Row * kFramePitch;
  return TwipsRect(c.CaptionLeft, top, c.CaptionWidth, kFieldHeight);
}

QRect BoxRect(const Place& at) {
  const Column& c = at.Columns[at.Col];
  const int top =
      at.Frame == 0 ? kBandFirstTop + at.Row * kBandPitch : kFrameFirstTop + at.Row * kFramePitch;
  return TwipsRect(c.BoxLeft, top, c.BoxWidth, kFieldHeight);
}

QWidget* Container(QWidget* page, std::span<QFrame* const> frames, int frame) {
  return frame == 0 ? page : frames[static_cast<std::size_t>(frame - 1)];
}

// Covered frames are hidden as well as lowered, so that the keyboard never moves into a
// field the user cannot see.
void BringFrameForward(std::span<QFrame* const> frames, int tab) {
  for (std::size_t i = 0; i < frames.size(); ++i) {
    frames[i]->setVisible(static_cast<int>(i) == tab);
  }
  if (tab >= 0 && tab < static_cast<int>(frames.size())) {
    frames[static_cast<std::size_t>(tab)]->raise();
  }
}

void SetShort(QLineEdit* box, std::string_view text) {
  box->setText(Text(text));
  box->setCursorPosition(0);
}

void SetParagraph(ParagraphBox* box, const QString& text) {
  box->SetParagraph(text);
}

}  // namespace

InterpretationPanel::InterpretationPanel(QWidget* parent) : QWidget(parent) {
  // Set once here, every field takes it from the panel.
  setFont(VerdanaFont(8.25));
  setObjectName(QStringLiteral("fraInterpretation"));
  SSTab1 = new QTabWidget(this);
  SSTab1->setObjectName(QStringLiteral("SSTab1"));
  SSTab1->tabBar()->setFont(VerdanaFont(8.25, true));  // the page captions; the pages stay regular
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(SSTab1);

  CreatePlanetsPage();
  CreateNakshatraPage();
  CreateSignPage(Lagna, false);
  CreateSignPage(Rashi, true);
}

void InterpretationPanel::CreatePlanetsPage() {
  PlanetsPage = new QWidget;
  SSTab1->addTab(PlanetsPage, QStringLiteral("More About Planets And Signs"));
  Label7 = new QLabel(QStringLiteral("Planets in Signs"), PlanetsPage);
  Label7->setObjectName(QStringLiteral("Label7"));
  Label7->setFont(VerdanaFont(9.75, true));
  Label7->setGeometry(TwipsRect(120, 90, 6000, 330));

  RTBHouseDesc = new QPlainTextEdit(PlanetsPage);
  RTBHouseDesc->setObjectName(QStringLiteral("RTBHouseDesc"));
  RTBHouseDesc->setReadOnly(true);
  RTBHouseDesc->setUndoRedoEnabled(false);
  RTBHouseDesc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  RTBHouseDesc->setGeometry(TwipsRect(120, 450, 14175, 5100));
}

void InterpretationPanel::CreateNakshatraPage() {
  NakshatraPage = new QWidget;
  SSTab1->addTab(NakshatraPage, QStringLiteral("More About Nakshatra"));
  lblNakshatraResult = NameLabel(NakshatraPage, "lblNakshatraResult");
  picNakshatra = PictureOf(NakshatraPage, "picNakshatra", kNakshatraDesignPicture);
  TS = SubTabStrip(NakshatraPage, "TS", kTSCaptions);
  CreateStripFrames(NakshatraPage, kTSFrameNames, std::span<QFrame*, 5>(TSFrames));

  for (const NakshatraShortField& field : kNakshatraShortFields) {
    QWidget* in = Container(NakshatraPage, TSFrames, field.At.Frame);
    CaptionLabel(in, field.Text, CaptionRect(field.At));
    this->*field.Box = ShortBox(in, field.Name, BoxRect(field.At));
  }
  for (const NakshatraParagraph& field : kNakshatraParagraphs) {
    QWidget* in = Container(NakshatraPage, TSFrames, field.At.Frame);
    const Area& a = field.At;
    CaptionLabel(in, field.Text, TwipsRect(a.Left, a.Top - kCaptionAbove, a.Width, 300));
    this->*field.Box = Paragraph(in, field.Name, TwipsRect(a.Left, a.Top, a.Width, a.Height));
  }
  connect(TS, &QTabBar::currentChanged, this, &InterpretationPanel::TS_Click);
  TS_Click();
}

void InterpretationPanel::CreateSignPage(SignPage& page, bool rashi) {
  page.Page = new QWidget;
  SSTab1->addTab(page.Page,
                 rashi ? QStringLiteral("More About Rashi") : QStringLiteral("More About Lagna"));
  page.VedicName = NameLabel(page.Page, rashi ? "lblRashiVedicName" : "lblVedicName");
  page.Picture = rashi ? PictureOf(page.Page, "picRashiRashi", kRashiDesignPicture)
                       : PictureOf(page.Page, "picRashi", kLagnaDesignPicture);
  page.Tabs = SubTabStrip(page.Page, rashi ? "RashiTS" : "LagnaTS", kSignTabCaptions);
  CreateStripFrames(page.Page, rashi ? kRashiFrameNames : kLagnaFrameNames,
                    std::span<QFrame*, 7>(page.Frames));

  for (const SignShortField& field : kSignShortFields) {
    QWidget* in = Container(page.Page, page.Frames, field.At.Frame);
    QLabel* caption = CaptionLabel(in, field.Text, CaptionRect(field.At));
    page.*field.Box = ShortBox(in, rashi ? field.RashiName : field.LagnaName, BoxRect(field.At));
    if (field.Lucky < 0) continue;
    page.LuckyCaptions[static_cast<std::size_t>(field.Lucky)] = caption;
    if (!rashi) caption->setObjectName(QString::fromUtf8(kLagnaLuckyCaptionNames[field.Lucky]));
  }
  for (const SignParagraph& field : kSignParagraphs) {
    QWidget* in = Container(page.Page, page.Frames, field.At.Frame);
    const Area& a = field.At;
    CaptionLabel(in, field.Text, TwipsRect(a.Left, a.Top - kCaptionAbove, a.Width, 300));
    page.*field.Box = Paragraph(in, rashi ? field.RashiName : field.LagnaName,
                                TwipsRect(a.Left, a.Top, a.Width, a.Height));
  }
  connect(page.Tabs, &QTabBar::currentChanged, this,
          rashi ? &InterpretationPanel::RashiTS_Click : &InterpretationPanel::LagnaTS_Click);
  BringFrameForward(page.Frames, page.Tabs->currentIndex());
}

void InterpretationPanel::TS_Click() {
  BringFrameForward(TSFrames, TS->currentIndex());
}

void InterpretationPanel::LagnaTS_Click() {
  BringFrameForward(Lagna.Frames, Lagna.Tabs->currentIndex());
}

void InterpretationPanel::RashiTS_Click() {
  BringFrameForward(Rashi.Frames, Rashi.Tabs->currentIndex());
}

void InterpretationPanel::ShowPlanetsInSigns(const ChartRecord& sidereal) {
  FindPlanetsInSigns(sidereal, planets_);
  RTBHouseDesc->clear();
  QTextCursor cursor = RTBHouseDesc->textCursor();
  cursor.beginEditBlock();
  for (const TextRun& run : PlanetsInSignsRuns(planets_)) {
    QTextCharFormat format;
    format.setFontWeight(run.Bold ? QFont::Bold : QFont::Normal);
    format.setForeground(QColor(0, 0, 0));
    cursor.insertText(run.Text, format);
  }
  cursor.endEditBlock();
  RTBHouseDesc->setTextCursor(cursor);
}

void InterpretationPanel::MoveHouseDescriptionToStart() {
  RTBHouseDesc->moveCursor(QTextCursor::Start);
}

void InterpretationPanel::ShowNakshatraInformation(std::string_view name) {
  if (const NakshatraRow* row = FindNakshatra(name)) nakshatra_ = row;
  TS->setCurrentIndex(0);
  const QString shown = Text(name);
  emit NakshatraShown(shown);
  lblNakshatraResult->setText(shown);
  TS->setTabText(0, QStringLiteral("More About ") + shown + QStringLiteral(" Nakshatra"));

  static constexpr NakshatraRow kNone{};
  const NakshatraRow& n = nakshatra_ ? *nakshatra_ : kNone;
  SetShort(txtRullingDeva, n.RulingDeva);
  SetShort(txtPurposeOfTheDeva, n.PurposeOfTheDeva);
  SetShort(txtRullingPlanet, n.RulingPlanet);
  SetShort(txtAnimalSymbol, n.AnimalSymbol);
  SetShort(txtSymbol, n.Symbol);
  SetShort(txtAstronomicalName, n.AstronomicalName);
  SetShort(txtElement, n.Element);
  SetShort(txtPartOfBody, n.PartOfBody);
  SetShort(txtNature, n.Nature);
  SetShort(txtGender, n.Gender);
  SetShort(txtPurposeInLife, n.PurposeInLife);
  SetShort(txtDosha, n.Dosha);
  SetShort(txtTemperaments, n.Temperament);
  SetShort(txtBestDirection, n.BestDirection);
  SetShort(txtLuckyGemstone, n.LuckyGemstone);
  const TextTable& texts = NakshatraTexts();
  SetParagraph(txtGeneralAndPhysicalFeatures, texts.Text(n.Name, kGeneralAndPhysicalFeatures));
  SetParagraph(txtPositiveHumanTraits, texts.Text(n.Name, kPositiveHumanTraits));
  SetParagraph(txtNegativeHumanTraits, texts.Text(n.Name, kNegativeHumanTraits));
  SetParagraph(txtBestCareerOptions, texts.Text(n.Name, kBestCareerOptions));
  SetParagraph(txtDomesticLife, texts.Text(n.Name, kDomesticLife));
  SetParagraph(txtHealth, texts.Text(n.Name, kNakshatraHealth));

  if (auto picture = LookupPicture(NakshatraPictures(), name)) picNakshatra->SetPicture(*picture);
}

void InterpretationPanel::ShowLagnaInformation(std::string_view abbreviation) {
  if (const SignInformationRow* row = FindLagnaSign(abbreviation)) lagnaSign_ = row;
  FillSignPage(Lagna, lagnaSign_);
  const QString vedic = Text(lagnaSign_ ? lagnaSign_->VedicName : "");
  for (std::size_t i = 0; i < Lagna.LuckyCaptions.size(); ++i) {
    Lagna.LuckyCaptions[i]->setText(QString::fromUtf8(kLuckyCaptionStarts[i]) + vedic);
  }
  if (auto picture = LookupPicture(LagnaPictures(), lagnaSign_ ? lagnaSign_->EnglishName : ""))
    Lagna.Picture->SetPicture(*picture);
}

void InterpretationPanel::ShowRashiInformation(std::string_view vedicName) {
  if (const SignInformationRow* row = FindRashiSign(vedicName)) rashiSign_ = row;
  FillSignPage(Rashi, rashiSign_);
  if (auto picture = LookupPicture(RashiPictures(), rashiSign_ ? rashiSign_->EnglishName : ""))
    Rashi.Picture->SetPicture(*picture);
}

void InterpretationPanel::FillSignPage(SignPage& page, const SignInformationRow* sign) {
  static constexpr SignInformationRow kNone{};
  const SignInformationRow& s = sign ? *sign : kNone;
  page.VedicName->setText(Text(s.VedicName));
  SetShort(page.EnglishName, s.EnglishName);
  SetShort(page.RulingPlanet, s.RulingPlanet);
  SetShort(page.Symbol, s.Symbol);
  // The box captioned "Inborn Nature" shows the element: fire, earth, air or water.
  SetShort(page.InbornNature, s.Element);
  SetShort(page.SignColor, s.SignColor);
  SetShort(page.TypeOfSign, s.TypeOfSign);
  SetShort(page.Gender, s.Gender);
  SetShort(page.Barren, s.Barren);
  SetShort(page.SignCaste, s.SignCaste);
  SetShort(page.SignPosition, s.SignPosition);
  SetShort(page.ConstituentCharacter, s.ConstituentCharacter);
  page.Tabs->setTabText(6, QStringLiteral("Lucky for ") + Text(s.VedicName));
  SetShort(page.LuckyDays, s.LuckyDays);
  SetShort(page.LuckyNumbers, s.LuckyNumbers);
  SetShort(page.BestDirection, s.BestDirection);
  SetShort(page.LuckyColors, s.LuckyColors);
  SetShort(page.LuckyGemstone, s.LuckyGemstone);
  SetShort(page.BestPeriodOfActivity, s.BestPeriodOfActivity);
  SetShort(page.PartOfTheBody, s.PartOfTheBody);
  SetShort(page.Physique, s.Physique);
  const TextTable& texts = SignTexts();
  SetParagraph(page.Looks, texts.Text(s.EnglishName, kLooks));
  SetParagraph(page.Nature, texts.Text(s.EnglishName, kSignNature));
  SetParagraph(page.CareerAndFinance, texts.Text(s.EnglishName, kCareerAndFinance));
  SetParagraph(page.LoveAndDomesticLife, texts.Text(s.EnglishName, kLoveAndDomesticLife));
  SetParagraph(page.Health, texts.Text(s.EnglishName, kSignHealth));
  SetShort(page.CompatibleWith, s.CompatibleWith);
  SetShort(page.NotCompatibleWith, s.NotCompatibleWith);
}

}  // namespace velmora
