#include "birth_form.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>

#include "ui/link_label.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"
#include "velmora/version.h"

namespace velmora {
namespace {

constexpr int kClientWidth = 8565;  // twips
constexpr int kClientHeight = 5790;

}  // namespace

BirthForm::BirthForm(Platform& platform, LookupTables& tables, QWidget* parent)
    : QMainWindow(parent), platform_(platform), tables_(tables) {
  setObjectName(QStringLiteral("frmMain"));
  setWindowTitle(QString::fromUtf8(kApplicationCaption));
  setFont(VerdanaFont(8.25));
  CreateControls();
  CreateMenus();
  FillLists();
  SetTabOrder();
  txtName->setFocus();

  // A fixed window of the designed client size, centred on the screen.
  centralWidget()->setFixedSize(TwipsSize(kClientWidth, kClientHeight));
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  adjustSize();
  if (const QScreen* screen = this->screen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void BirthForm::CreateControls() {
  auto* central = new QWidget(this);
  auto* page = new QVBoxLayout(central);
  page->setContentsMargins(0, 0, 0, 0);
  page->setSpacing(6);

  lblBanner = new LinkLabel(
      QStringLiteral("Your birth chart in three Indian styles and the Western wheel - "
                     "learn more about Velmora"),
      central);
  lblBanner->setAlignment(Qt::AlignCenter);
  lblBanner->setObjectName(QStringLiteral("lblBanner"));
  lblBanner->setAutoFillBackground(true);
  QPalette banner = lblBanner->palette();
  banner.setColor(QPalette::Window, kOrangeYellow);
  lblBanner->setPalette(banner);
  lblBanner->setFont(VerdanaFont(8.25, true));
  lblBanner->setFixedHeight(24);
  connect(lblBanner, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("home-page"))); });
  page->addWidget(lblBanner);

  fields_ = new BirthFields(platform_, central);
  txtName = fields_->txtName;
  cboDate = fields_->cboDate;
  cboMonth = fields_->cboMonth;
  cboYear = fields_->cboYear;
  cboHour = fields_->cboHour;
  cboMinute = fields_->cboMinute;
  chkDST = fields_->chkDST;
  cboTimeZone = fields_->cboTimeZone;
  txtLatDeg = fields_->txtLatDeg;
  txtLatMin = fields_->txtLatMin;
  optLat = fields_->optLat;
  txtLonDeg = fields_->txtLonDeg;
  txtLonMin = fields_->txtLonMin;
  optLong = fields_->optLong;
  txtCity = fields_->txtCity;
  txtState = fields_->txtState;
  txtCountry = fields_->txtCountry;
  QGridLayout* fields = fields_->grid();
  Command1 = new QPushButton(QStringLiteral("Click here to find Latitude && Longitude"), central);
  Command1->setObjectName(QStringLiteral("Command1"));
  fields->addWidget(Command1, 6, 3, 1, 2);
  connect(Command1, &QPushButton::clicked, this, &BirthForm::Command1_Click);
  page->addWidget(fields_);
  page->addSpacing(6);

  auto* buttons = new QGridLayout;
  buttons->setContentsMargins(12, 4, 12, 0);
  buttons->setSpacing(6);
  auto chartButton = [&](const char* caption, const char* name, int row, int column) {
    auto* button = new QPushButton(QString::fromUtf8(caption), central);
    button->setObjectName(QString::fromUtf8(name));
    button->setFont(VerdanaFont(8.25, true));
    button->setMinimumHeight(32);
    buttons->addWidget(button, row, column);
    return button;
  };
  cmdCalculate = chartButton("Get My Birth Chart (&South Indian Style)", "cmdCalculate", 0, 0);
  cmdCalculate2 = chartButton("Get My Birth Chart (&North Indian Style)", "cmdCalculate2", 0, 1);
  cmdCalculate3 = chartButton("Get My Birth Chart (&East Indian Style)", "cmdCalculate3", 1, 0);
  Command2 = chartButton("Get My Birth Chart (&Western Style)", "Command2", 1, 1);
  connect(cmdCalculate, &QPushButton::clicked, this,
          [this] { emit indianChartRequested(ChartStyle::South); });
  connect(cmdCalculate2, &QPushButton::clicked, this,
          [this] { emit indianChartRequested(ChartStyle::North); });
  connect(cmdCalculate3, &QPushButton::clicked, this,
          [this] { emit indianChartRequested(ChartStyle::East); });
  connect(Command2, &QPushButton::clicked, this, &BirthForm::westernChartRequested);
  page->addLayout(buttons);
  page->addStretch();

  auto* promotion = new QFrame(central);
  promotion->setObjectName(QStringLiteral("fraPromotion"));
  promotion->setFrameStyle(QFrame::Box | QFrame::Sunken);
  auto* promotionLayout = new QVBoxLayout(promotion);
  promotionLayout->setContentsMargins(6, 4, 6, 4);
  lblPromotion =
      new LinkLabel(QStringLiteral("Astrologers: print Velmora charts for your clients under your "
                                   "own name and colours"),
                    promotion);
  lblPromotion->setAlignment(Qt::AlignCenter);
  lblPromotion->setObjectName(QStringLiteral("lblPromotion"));
  promotionLayout->addWidget(lblPromotion);
  connect(lblPromotion, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("fully-branded"))); });
  auto* promotionRow = new QHBoxLayout;
  promotionRow->setContentsMargins(12, 0, 12, 8);
  promotionRow->addWidget(promotion);
  page->addLayout(promotionRow);

  setCentralWidget(central);
}

void BirthForm::SetTabOrder() {
  // The order the user fills the form in: who, when, the zone, where, then the buttons.
  std::vector<QWidget*> order = fields_->TabOrder();
  order.insert(order.end(), {Command1, cmdCalculate, cmdCalculate2, cmdCalculate3, Command2});
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(order[i - 1], order[i]);
  }
}

void BirthForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  mnuFile = bar->addMenu(QStringLiteral("&File"));
  // A saved chart opens straight from the form, without drawing one first.
  mnuOpen = mnuFile->addAction(QStringLiteral("&Open"));
  mnuOpen->setShortcut(QKeySequence::Open);
  connect(mnuOpen, &QAction::triggered, this, &BirthForm::openRequested);
  mnuMatch = mnuFile->addAction(QStringLiteral("Kundli &Matching..."));
  connect(mnuMatch, &QAction::triggered, this, &BirthForm::matchRequested);
  mnuFile->addSeparator();
  mnuKundali = mnuFile->addAction(QStringLiteral("Get My Janam &Kundali"));
  mnuKundali->setVisible(false);
  connect(mnuKundali, &QAction::triggered, cmdCalculate, &QPushButton::click);
  mnuFile->addSeparator()->setVisible(false);
  mnuExit = mnuFile->addAction(QStringLiteral("&Exit"));
  connect(mnuExit, &QAction::triggered, this, &QWidget::close);

  mnuHelp = bar->addMenu(QStringLiteral("&Help"));
  auto web = [this](const char* caption, const char* page) {
    QAction* action = mnuHelp->addAction(QString::fromUtf8(caption));
    const QString address = QString::fromUtf8(page);
    connect(action, &QAction::triggered, this,
            [this, address] { platform_.OpenWebAddress(ProductPage(address)); });
  };
  web("&Online Help", "online-help");
  web("&Visit Us Online", "home-page");
  mnuHelp->addSeparator();
  web("Check for Software &Update", "check-update");
  mnuHelp->addSeparator();
  mnuAbout = mnuHelp->addAction(QStringLiteral("&About Software"));
  connect(mnuAbout, &QAction::triggered, this, &BirthForm::aboutRequested);

  mnuDonate = bar->addAction(QStringLiteral("Donate"));
  connect(mnuDonate, &QAction::triggered, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("donate"))); });
}

void BirthForm::FillLists() {
  // The program's tables are filled when the form loads, as they always were.
  FillZoneTables(tables_);
  FillWheelLists(tables_);
}

bool BirthForm::ValidateInput() {
  return fields_->ValidateInput();
}

BirthFormData BirthForm::Data() const {
  return fields_->Data();
}

void BirthForm::ShowEntries(const BirthFormData& entry) {
  fields_->ShowEntries(entry);
}

void BirthForm::ChoosePlace(const Place& place) {
  fields_->ChoosePlace(place);
}

void BirthForm::SelectTimeZone(const std::string& zone) {
  fields_->SelectTimeZone(zone);
}

void BirthForm::ShowZone(int zoneRow, bool daylightSaving) {
  fields_->ShowZone(zoneRow, daylightSaving);
}

void BirthForm::ShowMessage(const QString& text, MessageIcon icon) {
  platform_.ShowMessage(this, text, icon, QString::fromUtf8(kApplicationTitle));
}

void BirthForm::Command1_Click() {
  const std::pair<QLineEdit*, const char*> required[] = {{txtCity, "Please Enter City"},
                                                         {txtState, "Please Enter State"},
                                                         {txtCountry, "Please Enter Country"}};
  for (const auto& [box, message] : required) {
    if (box->text().isEmpty()) {
      ShowMessage(QString::fromUtf8(message), MessageIcon::Information);
      box->setFocus();
      return;
    }
  }
  const QString phrase = txtCity->text() + QLatin1Char(' ') + txtState->text() + QLatin1Char(' ') +
                         txtCountry->text() + QStringLiteral(" Latitude Longitude");
  platform_.OpenWebAddress(ProductSearch(phrase));
}

void BirthForm::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  emit exitRequested();
}

}  // namespace velmora
