#include "about_box.h"

#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "interpretation/text_table.h"
#include "ui/link_label.h"
#include "ui/platform.h"
#include "ui/ui_style.h"
#include "ui/web_links.h"
#include "velmora/version.h"

namespace velmora {
AboutBox::AboutBox(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
  setWindowTitle(QString::fromUtf8(kApplicationCaption));
  setFont(VerdanaFont(8.25));
  setWindowFlag(Qt::WindowContextHelpButtonHint, false);

  picIcon = new QLabel(this);
  picIcon->setPixmap(QIcon(QStringLiteral(":/pictures/icons/velmora.svg")).pixmap(64, 64));
  picIcon->setAlignment(Qt::AlignTop);

  Label2 = new QLabel(QString::fromUtf8(kApplicationCaption), this);
  Label2->setFont(VerdanaFont(12, true));

  const TextTable& about = AboutTexts();
  Label1 = new QLabel(about.Text("About", "description"), this);
  Label1->setWordWrap(true);

  lblHomePage = new LinkLabel(ProductPage(QStringLiteral("home-page")).host(), this);
  connect(lblHomePage, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("home-page"))); });

  Label3 = new QLabel(about.Text("About", "cobranding"), this);
  Label3->setWordWrap(true);
  lblCoBrand = new LinkLabel(QStringLiteral("Click here for more details."), this);
  connect(lblCoBrand, &LinkLabel::activated, this,
          [this] { platform_.OpenWebAddress(ProductPage(QStringLiteral("fully-branded"))); });

  cmdOK = new QPushButton(QStringLiteral("OK"), this);
  cmdOK->setDefault(true);
  connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  text->addWidget(Label2);
  text->addWidget(Label1);
  text->addWidget(lblHomePage);
  text->addSpacing(8);
  text->addWidget(Label3);
  text->addWidget(lblCoBrand);
  auto* top = new QHBoxLayout;
  top->addWidget(picIcon);
  top->addLayout(text, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(cmdOK);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(buttons);
  setFixedWidth(460);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ShowAboutBox(Platform& platform, QWidget* parent) {
  AboutBox box(platform, parent);
  platform.RunModal(box);
}

}  // namespace velmora
