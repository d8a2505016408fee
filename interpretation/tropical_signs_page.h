// The Western chart's page of words: what the Sun's, the Moon's and the ascendant's tropical
// signs say, each under its own heading.
#pragma once

#include <QLabel>
#include <QWidget>
#include <array>
#include <string_view>

#include "paragraph_box.h"

namespace velmora {

class TropicalSignsPage : public QWidget {
  Q_OBJECT

 public:
  explicit TropicalSignsPage(QWidget* parent = nullptr);
  // English sign names, "Aries" ... "Pisces"; a name the texts do not hold leaves its
  // paragraph empty.
  void Show(std::string_view sunSign, std::string_view moonSign, std::string_view ascendantSign);

  // Sun, Moon, Ascendant: "Sun in Gemini" and its paragraph.
  std::array<QLabel*, 3> Headings{};
  std::array<ParagraphBox*, 3> Paragraphs{};
};

}  // namespace velmora
