#include "main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QIcon>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QToolBar>
#include <QVBoxLayout>

#include "ui/link_label.h"
#include "ui/platform.h"
#include "ui/twips.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"
#include "velmora/version.h"
#include "view_selectors.h"

namespace velmora {
namespace {

// Paints its colour itself instead of carrying a palette of its own. A palette set per
// window is a new palette for the buttons on the bar too, and the style keys its cached
// button pictures by palette: each closed window's pictures stayed in that cache, a few
// kilobytes per chart shown and closed.
class ColourBarWidget final : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), kOrangeYellow); }
};

QWidget* ColourBar(QWidget* parent, int heightTwips) {
  auto* bar = new ColourBarWidget(parent);
  bar->setFixedHeight(Twips(heightTwips));
  return bar;
}

QPushButton* BarButton(QWidget* bar, const QString& caption, int widthTwips, int heightTwips,
                       int topTwips, bool bold) {
  auto* button = new QPushButton(caption, bar);
  button->setFont(VerdanaFont(8.25, bold));
  button->setGeometry(TwipsRect(0, topTwips, widthTwips, heightTwips));
  return button;
}

// A centred, transparent label that sizes itself to its text.
QLabel* BannerLabel(QWidget* bar, const QString& text, const QFont& font, int topTwips) {
  auto* label = new QLabel(text, bar);
  label->setFont(font);
  label->setAlignment(Qt::AlignCenter);
  label->setAttribute(Qt::WA_TranslucentBackground);
  label->adjustSize();
  label->move(0, Twips(topTwips));
  return label;
}

LinkLabel* BarLink(QWidget* parent, const QString& text) {
  auto* label = new LinkLabel(text, parent);
  label->setFont(VerdanaFont(8.25, true));
  label->adjustSize();
  return label;
}

void CentreHorizontally(QWidget* widget, int windowTwips) {
  widget->move(Twips((windowTwips - PixelsToTwips(widget->width())) / 2), widget->y());
}

}  // namespace

ToolbarIcons::ToolbarIcons() {
  static constexpr const char* kPictures[] = {"new", "open", "save", "print", "help"};
  for (std::size_t i = 0; i < Pictures.size(); ++i) {
    Pictures[i] = QIcon(QStringLiteral(":/pictures/icons/%1.svg").arg(QLatin1String(kPictures[i])));
  }
}

MainWindow::MainWindow(Platform& platform, const ChartRecord& sidereal, const ToolbarIcons& icons,
                       QWidget* parent)
    : QMainWindow(parent), platform_(platform) {
  setObjectName(QStringLiteral("MDI"));
  setWindowTitle(QString::fromUtf8(kApplicationCaption));
  setFont(VerdanaFont(8.25));
  resize(TwipsSize(14415, 5985 + 915 + 420 + 600 + 700));

  CreateBars(icons);
  CreateMenus();

  // A borderless child at the top left of the work area: it cannot be moved or closed.
  auto* page = new QWidget;
  page->setObjectName(QStringLiteral("workAreaPage"));
  chartWindow_ = new ChartWindow(sidereal, page);
  chartWindow_->move(0, 0);
  page->resize(chartWindow_->size());
  workArea->setWidget(page);
  // A scroll area gives its page the colours of a text box; the chart window keeps those of
  // a window, which its labels' text colours are set against.
  page->setBackgroundRole(QPalette::Window);
  page->setAutoFillBackground(false);
  MDIForm_Resize();
  ConnectViewSelectors(*this);
}

void MainWindow::CreateBars(const ToolbarIcons& icons) {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  picTop = ColourBar(central, 915);
  picTop->setObjectName(QStringLiteral("picTop"));
  // The three centred lines are stacked so that none covers another.
  lblHeading = BannerLabel(picTop, QStringLiteral("Velmora Astrology Birth Chart"),
                           VerdanaFont(18, true), 0);
  lblStyleCaption =
      BannerLabel(picTop, QStringLiteral("Indian Style"), VerdanaFont(14.25, true), 0);
  lblStyleCaption->move(Twips(360), lblHeading->geometry().bottom() + 1);
  lblTopLink =
      BarLink(picTop, QStringLiteral("Your chart explained in plain words - visit our site"));
  lblTopLink->setFont(VerdanaFont(7, true));
  lblTopLink->adjustSize();
  lblTopLink->move(0, lblStyleCaption->geometry().bottom() + 1);
  connect(lblTopLink, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("home-page"))); });
  layout->addWidget(picTop);

  TB = new QToolBar(central);
  TB->setObjectName(QStringLiteral("TB"));
  TB->setFixedHeight(Twips(420));
  TB->setIconSize(QSize(20, 20));
  TB->setMovable(false);
  const char* keys[] = {"New", "Open", "Save", "Print", "Help"};
  for (std::size_t i = 0; i < std::size(keys); ++i) {
    const QString key = QString::fromUtf8(keys[i]);
    QAction* button = TB->addAction(icons.Pictures[i], key);
    button->setToolTip(key);
    button->setData(key);
    button->setObjectName(QStringLiteral("TB_") + key);
    connect(button, &QAction::triggered, this, [this, key] { TB_ButtonClick(key); });
  }
  layout->addWidget(TB);

  Picture2 = ColourBar(central, 600);
  Picture2->setObjectName(QStringLiteral("Picture2"));
  cmdNorth = BarButton(Picture2, QStringLiteral("North Indian Style"), 2000, 400, 30, true);
  cmdSouth = BarButton(Picture2, QStringLiteral("South Indian Style"), 2000, 400, 30, true);
  cmdEast = BarButton(Picture2, QStringLiteral("East Indian Style"), 2000, 400, 30, true);
  connect(cmdNorth, &QPushButton::clicked, this, [this] { StyleSwitch(ChartStyle::North); });
  connect(cmdSouth, &QPushButton::clicked, this, [this] { StyleSwitch(ChartStyle::South); });
  connect(cmdEast, &QPushButton::clicked, this, [this] { StyleSwitch(ChartStyle::East); });
  layout->addWidget(Picture2);

  workArea = new QScrollArea(central);
  workArea->setObjectName(QStringLiteral("workArea"));
  workArea->setFrameShape(QFrame::NoFrame);
  QPalette white = workArea->viewport()->palette();
  white.setColor(QPalette::Window, Qt::white);
  white.setColor(QPalette::Base, Qt::white);
  workArea->viewport()->setPalette(white);
  workArea->viewport()->setAutoFillBackground(true);
  workArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  workArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  layout->addWidget(workArea, 1);

  Picture1 = ColourBar(central, 700);
  Picture1->setObjectName(QStringLiteral("Picture1"));
  cmdSaveAsJPG = BarButton(Picture1, QStringLiteral("Save As &JPG"), 1455, 400, 120, false);
  cmdBack = BarButton(Picture1, QStringLiteral("&Back"), 1095, 400, 120, false);
  cmdExit = BarButton(Picture1, QStringLiteral("E&xit"), 1095, 400, 120, false);
  connect(cmdSaveAsJPG, &QPushButton::clicked, this, &MainWindow::saveJpegRequested);
  connect(cmdBack, &QPushButton::clicked, this, &MainWindow::backRequested);
  connect(cmdExit, &QPushButton::clicked, this, &MainWindow::exitRequested);
  lblBottomLink = BarLink(Picture1, QStringLiteral("Online help"));
  lblBottomLink->move(Twips(300), Twips(220));
  connect(lblBottomLink, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("online-help"))); });
  lblBottomLink2 = BarLink(Picture1, QStringLiteral("Support Velmora"));
  lblBottomLink2->move(lblBottomLink->geometry().right() + Twips(360), Twips(220));
  connect(lblBottomLink2, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("donate"))); });
  layout->addWidget(Picture1);

  setCentralWidget(central);
}

QAction* MainWindow::WebAction(QMenu* menu, const QString& caption, const QString& page) {
  QAction* action = menu->addAction(caption);
  connect(action, &QAction::triggered, this,
          [this, page] { platform_.OpenWebAddress(ProductPage(page)); });
  return action;
}

void MainWindow::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setFont(VerdanaFont(8.25));

  mnuFile = bar->addMenu(QStringLiteral("&File"));
  mnuNew = mnuFile->addAction(QStringLiteral("&New"));
  mnuOpen = mnuFile->addAction(QStringLiteral("&Open"));
  // Save and Save As stand in the File menu itself, where users look for them; the submenu
  // that once held them is kept empty and out of sight.
  mnuSaveAsText = new QMenu(QStringLiteral("Save As &Text File"), mnuFile);
  mnuSaveAsText->menuAction()->setVisible(false);
  mnuSave = mnuFile->addAction(QStringLiteral("&Save"));
  mnuSaveAs = mnuFile->addAction(QStringLiteral("Save &As"));
  mnuSaveAsJpeg = mnuFile->addAction(QStringLiteral("Save As &JPEG"));
  mnuFile->addSeparator();
  mnuExport = mnuFile->addAction(QStringLiteral("&Export Chart As Text"));
  mnuExportPdf = mnuFile->addAction(QStringLiteral("Export Report As &PDF..."));
  mnuFile->addSeparator();
  mnuMatch = mnuFile->addAction(QStringLiteral("Kundli &Matching..."));
  mnuFile->addSeparator();
  mnuPrint = mnuFile->addAction(QStringLiteral("&Print"));
  mnuFile->addSeparator();
  mnuBack = mnuFile->addAction(QStringLiteral("&Back"));
  mnuFile->addSeparator();
  mnuExit = mnuFile->addAction(QStringLiteral("E&xit"));
  mnuNew->setShortcut(QKeySequence::New);
  mnuOpen->setShortcut(QKeySequence::Open);
  mnuSave->setShortcut(QKeySequence::Save);
  mnuSaveAs->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
  mnuPrint->setShortcut(QKeySequence::Print);
  connect(mnuNew, &QAction::triggered, this, &MainWindow::newRequested);
  connect(mnuOpen, &QAction::triggered, this, &MainWindow::openRequested);
  connect(mnuSave, &QAction::triggered, this, &MainWindow::saveRequested);
  connect(mnuSaveAs, &QAction::triggered, this, &MainWindow::saveAsRequested);
  connect(mnuSaveAsJpeg, &QAction::triggered, this, &MainWindow::saveJpegRequested);
  connect(mnuExport, &QAction::triggered, this, &MainWindow::exportRequested);
  connect(mnuExportPdf, &QAction::triggered, this, &MainWindow::exportPdfRequested);
  connect(mnuMatch, &QAction::triggered, this, &MainWindow::matchRequested);
  connect(mnuPrint, &QAction::triggered, this, &MainWindow::printRequested);
  connect(mnuBack, &QAction::triggered, this, &MainWindow::backRequested);
  connect(mnuExit, &QAction::triggered, this, &MainWindow::exitRequested);

  mnuView = bar->addMenu(QStringLiteral("&View"));
  mnuToolbar = mnuView->addAction(QStringLiteral("&Toolbar"));
  mnuToolbar->setCheckable(true);
  mnuToolbar->setChecked(true);
  connect(mnuToolbar, &QAction::triggered, this, [this](bool checked) { TB->setVisible(checked); });
  mnuStatusBar = mnuView->addAction(QStringLiteral("&Status Bar"));
  mnuStatusBar->setCheckable(true);
  mnuStatusBar->setChecked(true);
  mnuStatusBar->setVisible(false);
  mnuView->addSeparator();
  mnuChartStyle = mnuView->addMenu(QStringLiteral("&Chart Style"));
  mnuNorthStyle = mnuChartStyle->addAction(QStringLiteral("&North Indian Style"));
  mnuSouthStyle = mnuChartStyle->addAction(QStringLiteral("&South Indian Style"));
  mnuEastStyle = mnuChartStyle->addAction(QStringLiteral("&East Indian Style"));
  mnuNatalIndian = mnuChartStyle->addAction(QStringLiteral("&Natal Indian"));
  mnuNatalIndian->setVisible(false);
  for (QAction* style : {mnuNorthStyle, mnuSouthStyle, mnuEastStyle, mnuNatalIndian})
    style->setCheckable(true);
  connect(mnuNorthStyle, &QAction::triggered, this, [this] { StyleSwitch(ChartStyle::North); });
  connect(mnuSouthStyle, &QAction::triggered, this, [this] { StyleSwitch(ChartStyle::South); });
  connect(mnuEastStyle, &QAction::triggered, this, [this] { StyleSwitch(ChartStyle::East); });
  connect(mnuNatalIndian, &QAction::triggered, this, [this] {
    for (QAction* style : {mnuNorthStyle, mnuSouthStyle, mnuEastStyle}) style->setChecked(false);
    mnuNatalIndian->setChecked(true);
  });
  mnuChartStyle->addSeparator();
  mnuLagnaOnTop = mnuChartStyle->addAction(QStringLiteral("North: &Lagna on Top, Houses Fixed"));
  mnuLagnaOnTop->setCheckable(true);
  mnuView->addSeparator();
  mnuClassic = mnuView->addAction(QStringLiteral("Classic &formulas"));
  mnuClassic->setCheckable(true);
  connect(mnuClassic, &QAction::triggered, this, &MainWindow::classicFormulasChosen);
  mnuAyanamsa = mnuView->addMenu(QStringLiteral("&Ayanamsa"));
  auto* ayanamsas = new QActionGroup(mnuAyanamsa);
  for (std::size_t i = 0; i < kAyanamsaSystems.size(); ++i) {
    const AyanamsaSystem system = kAyanamsaSystems[i];
    const std::string_view caption = AyanamsaMenuCaption(system);
    mnuAyanamsas[i] = mnuAyanamsa->addAction(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    mnuAyanamsas[i]->setCheckable(true);
    ayanamsas->addAction(mnuAyanamsas[i]);
    connect(mnuAyanamsas[i], &QAction::triggered, this,
            [this, system] { emit ayanamsaChosen(system); });
  }
  mnuTrueNode = mnuView->addAction(QStringLiteral("&True node"));
  mnuTrueNode->setCheckable(true);
  connect(mnuTrueNode, &QAction::triggered, this, &MainWindow::trueNodeChosen);
  ShowPositionChoices(EngineOptions{});
  CreateWesternMenu();
  mnuView->addSeparator();
  mnuRestoreDefaults = mnuView->addAction(QStringLiteral("&Restore defaults"));
  connect(mnuRestoreDefaults, &QAction::triggered, this, &MainWindow::restoreDefaultsRequested);
  mnuView->addSeparator();
  mnuColorStyle = mnuView->addMenu(QStringLiteral("Colo&r Style"));
  mnuColorStyle->menuAction()->setVisible(false);
  mnuColorOn = mnuColorStyle->addAction(QStringLiteral("O&n"));
  mnuColorOff = mnuColorStyle->addAction(QStringLiteral("O&ff"));
  mnuColorOn->setCheckable(true);
  mnuColorOff->setCheckable(true);
  mnuColorOff->setChecked(true);
  mnuView->addSeparator()->setVisible(false);
  mnuChart = mnuView->addAction(QStringLiteral("&Chart"));
  mnuChart->setCheckable(true);
  mnuChart->setChecked(true);
  mnuDivisional = mnuView->addMenu(QStringLiteral("&Divisional Charts"));
  // The sixteen divisions after the birth chart itself, in the order of their numbers.
  constexpr std::array<const char*, 15> kDivisionEntries{"&Hora",
                                                         "&Drekkana",
                                                         "&Chaturthamsa",
                                                         "&Sapthamsa",
                                                         "&Navamsa",
                                                         "&D&asamsa",
                                                         "D&wadasamsa",
                                                         "Sh&odasamsa",
                                                         "&Vimsamsa",
                                                         "Chaturv&imsamsa",
                                                         "Saptavimsamsa (&Bhamsa)",
                                                         "&Trimsamsa",
                                                         "&Khavedamsa",
                                                         "Akshav&edamsa",
                                                         "Shashtia&msa"};
  for (std::size_t d = 0; d < kDivisionEntries.size(); ++d) {
    mnuSub_Divisions[d] = mnuDivisional->addAction(QString::fromUtf8(kDivisionEntries[d]));
    mnuSub_Divisions[d]->setCheckable(true);
  }
  mnuSub_Hora = mnuSub_Divisions[0];
  mnuSub_Drekkana = mnuSub_Divisions[1];
  mnuSub_Sapthamsa = mnuSub_Divisions[3];
  mnuSub_Navamsa = mnuSub_Divisions[4];
  mnuSub_Dasamsa = mnuSub_Divisions[5];
  mnuSub_Dwadasamsa = mnuSub_Divisions[6];

  mnuHelp = bar->addMenu(QStringLiteral("&Help"));
  WebAction(mnuHelp, QStringLiteral("&Online Help"), QStringLiteral("online-help"));
  WebAction(mnuHelp, QStringLiteral("&Visit Us Online"), QStringLiteral("home-page"));
  mnuHelp->addSeparator();
  WebAction(mnuHelp, QStringLiteral("Check for Software &Update"), QStringLiteral("check-update"));
  mnuHelp->addSeparator();
  mnuAbout = mnuHelp->addAction(QStringLiteral("&About Software"));
  connect(mnuAbout, &QAction::triggered, this, &MainWindow::aboutRequested);

  mnuDonate = bar->addAction(QStringLiteral("&Donate"));
  connect(mnuDonate, &QAction::triggered, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("donate"))); });
  mnuMakeMoney = bar->addAction(QStringLiteral("Make Money &Online"));
  mnuMakeMoney->setVisible(false);
  connect(mnuMakeMoney, &QAction::triggered, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("make-money-online"))); });
}

void MainWindow::CreateWesternMenu() {
  mnuView->addSeparator();
  mnuHouseSystem = mnuView->addMenu(QStringLiteral("&House System"));
  auto* houses = new QActionGroup(mnuHouseSystem);
  for (int s = 0; s < kHouseSystems; ++s) {
    const auto system = static_cast<HouseSystem>(s);
    QAction* action = mnuHouseSystem->addAction(QString::fromUtf8(
        HouseSystemName(system).data(), static_cast<qsizetype>(HouseSystemName(system).size())));
    action->setCheckable(true);
    action->setChecked(system == HouseSystem::Placidus);
    houses->addAction(action);
    connect(action, &QAction::triggered, this, [this, system] { emit houseSystemChosen(system); });
    mnuHouses[static_cast<std::size_t>(s)] = action;
  }
  mnuClassicWheel = mnuView->addAction(QStringLiteral("C&lassic wheel"));
  mnuClassicWheel->setCheckable(true);
  connect(mnuClassicWheel, &QAction::triggered, this, &MainWindow::classicWheelChosen);
  mnuMinorAspects = mnuView->addAction(QStringLiteral("&Minor aspects"));
  mnuMinorAspects->setCheckable(true);
  connect(mnuMinorAspects, &QAction::triggered, this, &MainWindow::minorAspectsChosen);
}

void MainWindow::StyleSwitch(ChartStyle style) {
  chartWindow_->fraChart->raise();
  mnuNorthStyle->setChecked(style == ChartStyle::North);
  mnuSouthStyle->setChecked(style == ChartStyle::South);
  mnuEastStyle->setChecked(style == ChartStyle::East);
  mnuNatalIndian->setChecked(false);
  lblStyleCaption->setText(style == ChartStyle::North  ? QStringLiteral("North Indian Style")
                           : style == ChartStyle::East ? QStringLiteral("East Indian Style")
                                                       : QStringLiteral("South Indian Style"));
  lblStyleCaption->adjustSize();
  CentreHorizontally(lblStyleCaption, PixelsToTwips(width()));
  chartWindow_->ShowIndianDrawing(style);
  // The chart window names its drawing too; left alone it would go on naming the one
  // before the switch.
  chartWindow_->SetStyleCaption(style);
  emit styleSwitched(style);
}

void MainWindow::ShowChartWindow() {
  if (!isVisible()) {
    // Maximized; where no window manager does that (a bare X server), fill the screen.
    if (const QScreen* screen = this->screen()) setGeometry(screen->availableGeometry());
    showMaximized();
  }
  chartWindow_->show();
}

void MainWindow::PressStyleButton(ChartStyle style) {
  QPushButton* button = style == ChartStyle::North  ? cmdNorth
                        : style == ChartStyle::East ? cmdEast
                                                    : cmdSouth;
  button->click();
}

void MainWindow::SetStyleChoiceEnabled(bool enabled) {
  for (QWidget* button : std::initializer_list<QWidget*>{cmdNorth, cmdSouth, cmdEast})
    button->setEnabled(enabled);
  mnuChartStyle->setEnabled(enabled);
}

void MainWindow::ShowPositionChoices(const EngineOptions& options) {
  const bool precise = options.Positions == PositionSource::Precise;
  mnuClassic->setChecked(!precise);
  for (std::size_t i = 0; i < kAyanamsaSystems.size(); ++i)
    mnuAyanamsas[i]->setChecked(kAyanamsaSystems[i] == options.Ayanamsa);
  mnuTrueNode->setChecked(options.Node == LunarNode::True);
  // The classic formulas have their own ayanamsa and know only the mean node; the choices
  // stay ticked for when precise positions come back.
  mnuAyanamsa->setEnabled(precise);
  mnuTrueNode->setEnabled(precise);
}

void MainWindow::MDIForm_Resize() {
  const int w = PixelsToTwips(width());
  auto setLeft = [](QWidget* widget, int leftTwips) {
    widget->move(Twips(leftTwips), widget->y());
  };
  auto widthOf = [](const QWidget* widget) { return PixelsToTwips(widget->width()); };

  setLeft(cmdExit, w - widthOf(cmdExit) - 300);
  setLeft(cmdBack, PixelsToTwips(cmdExit->x()) - widthOf(cmdBack) - 100);
  setLeft(cmdSaveAsJPG, PixelsToTwips(cmdBack->x()) - widthOf(cmdSaveAsJPG) - 100);
  CentreHorizontally(lblHeading, w);
  CentreHorizontally(lblTopLink, w);
  CentreHorizontally(lblStyleCaption, w);
  setLeft(cmdSouth, w / 2 - widthOf(cmdSouth) / 2);
  setLeft(cmdNorth, PixelsToTwips(cmdSouth->x()) - widthOf(cmdNorth) - 100);
  setLeft(cmdEast, PixelsToTwips(cmdSouth->x()) + widthOf(cmdSouth) + 100);
}

void MainWindow::TB_ButtonClick(const QString& key) {
  if (key == QLatin1String("New")) {
    emit newRequested();
  } else if (key == QLatin1String("Open")) {
    emit openRequested();
  } else if (key == QLatin1String("Save")) {
    emit saveRequested();
  } else if (key == QLatin1String("Print")) {
    emit printRequested();
  } else if (key == QLatin1String("Help")) {
    platform_.OpenWebAddress(ProductPage(QStringLiteral("online-help")));
  }
}

const QPixmap& MainWindow::chartCapture() {
  if (chartCaptureDue_) RefreshChartCapture();
  return chartCapture_;
}

void MainWindow::RefreshChartCapture() {
  chartCapture_ = chartWindow_->grab();
  chartCaptureDue_ = false;
}

void MainWindow::CloseForReturn() {
  closingForReturn_ = true;
  close();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  MDIForm_Resize();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  QMainWindow::closeEvent(event);
  // Closing by the frame ends the program; Back and New only take this window down.
  if (!closingForReturn_) emit exitRequested();
}

bool MainWindow::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) chartCaptureDue_ = true;
  return QMainWindow::event(event);
}

}  // namespace velmora
