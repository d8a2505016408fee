// Window positions are kept in twips, as the designs give them: 1440 to the inch, 15 to a
// pixel at the usual screen resolution. Qt's device-independent pixels then scale them to
// high-DPI screens.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace velmora {

inline constexpr int kTwipsPerPixel = 15;

// A control's place as a design gives it: left and top in twips, relative to its container.
struct TwipsPlace {
  int Left, Top;
};

constexpr int Twips(int twips) {
  // Round to the nearest pixel, halves away from zero, for negative lefts too.
  return twips >= 0 ? (twips + kTwipsPerPixel / 2) / kTwipsPerPixel
                    : -((-twips + kTwipsPerPixel / 2) / kTwipsPerPixel);
}

constexpr int PixelsToTwips(int pixels) {
  return pixels * kTwipsPerPixel;
}

inline QPoint TwipsPoint(int left, int top) {
  return {Twips(left), Twips(top)};
}
inline QSize TwipsSize(int width, int height) {
  return {Twips(width), Twips(height)};
}
inline QRect TwipsRect(int left, int top, int width, int height) {
  return {TwipsPoint(left, top), TwipsSize(width, height)};
}

}  // namespace velmora
