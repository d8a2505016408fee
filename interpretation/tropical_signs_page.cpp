#include "tropical_signs_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "text_table.h"
#include "ui/ui_style.h"

namespace velmora {
namespace {

constexpr std::array<const char*, 3> kSubjects = {"Sun", "Moon", "Ascendant"};

}  // namespace

TropicalSignsPage::TropicalSignsPage(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("TropicalSignsPage"));
  auto* layout = new QHBoxLayout(this);
  for (std::size_t i = 0; i < kSubjects.size(); ++i) {
    auto* column = new QVBoxLayout;
    Headings[i] = new QLabel(this);
    Headings[i]->setObjectName(QStringLiteral("lblTropical%1").arg(QLatin1String(kSubjects[i])));
    Headings[i]->setTextFormat(Qt::PlainText);
    Headings[i]->setFont(VerdanaFont(9.75, true));
    Paragraphs[i] = new ParagraphBox(this);
    Paragraphs[i]->setObjectName(QStringLiteral("txtTropical%1").arg(QLatin1String(kSubjects[i])));
    column->addWidget(Headings[i]);
    column->addWidget(Paragraphs[i], 1);
    layout->addLayout(column, 1);
  }
}

void TropicalSignsPage::Show(std::string_view sunSign, std::string_view moonSign,
                             std::string_view ascendantSign) {
  const std::array<std::string_view, 3> signs = {sunSign, moonSign, ascendantSign};
  for (std::size_t i = 0; i < signs.size(); ++i) {
    const QString sign =
        QString::fromUtf8(signs[i].data(), static_cast<qsizetype>(signs[i].size()));
    Headings[i]->setText(QStringLiteral("%1 in %2").arg(QLatin1String(kSubjects[i]), sign));
    Paragraphs[i]->SetParagraph(TropicalSignTexts().Text(kSubjects[i], signs[i]));
  }
}

}  // namespace velmora
