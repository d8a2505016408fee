// The interpretation area of the chart window (fraInterpretation): a four-page tab control
// (SSTab1) that explains the sidereal chart in words and pictures. Page 1 describes the
// planets Sun to Saturn in their signs, page 2 the Moon's nakshatra, pages 3 and 4 the lagna
// and the rashi; the last three each hold a sub-tab strip over overlapping frames.
#pragma once

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QWidget>
#include <array>
#include <string_view>
#include "paragraph_box.h"

#include "engine/chart_record.h"
#include "nakshatra_information.h"
#include "picture_box.h"
#include "planets_in_signs.h"
#include "sign_information.h"

namespace velmora {

// The controls of the lagna page and of the rashi page, which are laid out alike and filled
// alike; each control's object name is its own (txtEnglishName / txtRashiEnglishName ...).
struct SignPage {
  QWidget* Page = nullptr;
  QLabel* VedicName = nullptr;      // lblVedicName / lblRashiVedicName
  PictureBox* Picture = nullptr;    // picRashi / picRashiRashi
  QTabBar* Tabs = nullptr;          // LagnaTS / RashiTS
  std::array<QFrame*, 7> Frames{};  // by tab: Frame10, 12, 11, 9, 8, 6, 7 / Frame20 ... 14

  QLineEdit* EnglishName = nullptr;
  QLineEdit* SignColor = nullptr;
  QLineEdit* Symbol = nullptr;
  QLineEdit* InbornNature = nullptr;
  QLineEdit* RulingPlanet = nullptr;

  QLineEdit* TypeOfSign = nullptr;
  QLineEdit* Gender = nullptr;
  QLineEdit* Barren = nullptr;
  QLineEdit* SignCaste = nullptr;
  QLineEdit* SignPosition = nullptr;
  QLineEdit* ConstituentCharacter = nullptr;
  QLineEdit* PartOfTheBody = nullptr;
  QLineEdit* Physique = nullptr;
  ParagraphBox* Looks = nullptr;
  ParagraphBox* Nature = nullptr;
  ParagraphBox* CareerAndFinance = nullptr;
  ParagraphBox* LoveAndDomesticLife = nullptr;
  QLineEdit* CompatibleWith = nullptr;
  QLineEdit* NotCompatibleWith = nullptr;
  ParagraphBox* Health = nullptr;

  // Tab 7, "Lucky for ...": the captions first (lblLuckyDays ... on the lagna page), then
  // the boxes, in the order days, numbers, direction, colours, gemstone, period.
  std::array<QLabel*, 6> LuckyCaptions{};
  QLineEdit* LuckyDays = nullptr;
  QLineEdit* LuckyNumbers = nullptr;
  QLineEdit* BestDirection = nullptr;
  QLineEdit* LuckyColors = nullptr;
  QLineEdit* LuckyGemstone = nullptr;
  QLineEdit* BestPeriodOfActivity = nullptr;
};

class InterpretationPanel : public QWidget {
  Q_OBJECT

 public:
  explicit InterpretationPanel(QWidget* parent = nullptr);

  // Page 1 from rows 0 to 6 of the chart's position texts. The box is emptied first, so a
  // second chart in the same window replaces the first instead of landing in front of it.
  void ShowPlanetsInSigns(const ChartRecord& sidereal);
  // Page 2 for a nakshatra name ("Ashwini" ... "Revati"). A name not in the table is still
  // shown in the labels and the first tab, while the fields and picture keep what they had.
  void ShowNakshatraInformation(std::string_view name);
  // Page 3 for a sign abbreviation ("Ari" ... "Pis"), page 4 for a Vedic sign name
  // ("Mesha" ... "Meena"). A key that matches no sign fills the page from the previous one.
  void ShowLagnaInformation(std::string_view abbreviation);
  void ShowRashiInformation(std::string_view vedicName);
  // Puts the insertion point of page 1 back to the start so that the page shows its
  // beginning.
  void MoveHouseDescriptionToStart();

  // Bring the frame of the selected tab of each strip to the front.
  void TS_Click();
  void LagnaTS_Click();
  void RashiTS_Click();

  QTabWidget* SSTab1;

  QWidget* PlanetsPage;
  QLabel* Label7;
  // Bold and plain runs; a plain-text box lays out only the lines in view, so a long
  // description shows at once.
  QPlainTextEdit* RTBHouseDesc;

  QWidget* NakshatraPage;
  QLabel* lblNakshatraResult;
  PictureBox* picNakshatra;
  QLineEdit* txtSymbol;
  QLineEdit* txtAnimalSymbol;
  QLineEdit* txtAstronomicalName;
  QLineEdit* txtRullingPlanet;
  QTabBar* TS;
  std::array<QFrame*, 5> TSFrames{};  // Frame1 ... Frame5
  QLineEdit* txtNature;
  QLineEdit* txtRullingDeva;
  QLineEdit* txtPurposeOfTheDeva;
  QLineEdit* txtElement;
  QLineEdit* txtPartOfBody;
  QLineEdit* txtDosha;
  QLineEdit* txtLuckyGemstone;
  QLineEdit* txtGender;
  QLineEdit* txtPurposeInLife;
  QLineEdit* txtTemperaments;
  QLineEdit* txtBestDirection;
  ParagraphBox* txtGeneralAndPhysicalFeatures;
  ParagraphBox* txtPositiveHumanTraits;
  ParagraphBox* txtNegativeHumanTraits;
  ParagraphBox* txtBestCareerOptions;
  ParagraphBox* txtDomesticLife;
  ParagraphBox* txtHealth;

  SignPage Lagna;
  SignPage Rashi;

 signals:
  // The nakshatra name just shown, for the chart window's own nakshatra value (lblNakshatra).
  void NakshatraShown(const QString& name);

 private:
  void CreatePlanetsPage();
  void CreateNakshatraPage();
  void CreateSignPage(SignPage& page, bool rashi);
  void FillSignPage(SignPage& page, const SignInformationRow* sign);

  // What the last lookups found; a key that matches nothing leaves them as they were.
  PlanetsInSigns planets_;
  const NakshatraRow* nakshatra_ = nullptr;
  const SignInformationRow* lagnaSign_ = nullptr;
  const SignInformationRow* rashiSign_ = nullptr;
};

}  // namespace velmora
