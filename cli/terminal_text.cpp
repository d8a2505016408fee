#include "terminal_text.h"

#include <cstdio>

namespace velmora {

std::optional<char32_t> NextUtf8CodePoint(std::string_view text, std::size_t& at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(at);
  struct Form {
    unsigned char Mask, Bits;
    int Continuations;
    char32_t Lowest;  // below it the sequence is overlong
  };
  static constexpr Form kForms[] = {{0x80, 0x00, 0, 0x0},
                                    {0xE0, 0xC0, 1, 0x80},
                                    {0xF0, 0xE0, 2, 0x800},
                                    {0xF8, 0xF0, 3, 0x10000}};
  for (const Form& form : kForms) {
    if ((lead & form.Mask) != form.Bits) continue;
    const auto count = static_cast<std::size_t>(form.Continuations);
    if (text.size() - at <= count) break;
    char32_t c = lead & static_cast<unsigned char>(~form.Mask & 0x7F);
    for (std::size_t k = 1; k <= count; ++k) {
      if ((byte(at + k) & 0xC0) != 0x80) {
        c = 0xFFFFFFFF;
        break;
      }
      c = (c << 6) | (byte(at + k) & 0x3F);
    }
    if (c < form.Lowest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) break;
    at += count + 1;
    return c;
  }
  ++at;
  return std::nullopt;
}

std::string EscapeForTerminal(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t at = 0; at < utf8.size();) {
    const std::size_t from = at;
    const auto c = NextUtf8CodePoint(utf8, at);
    char escaped[8];
    if (!c) {
      std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(utf8[from]));
      out += escaped;
    } else if (IsControlCharacter(*c) && *c != '\n' && *c != '\t') {
      std::snprintf(escaped, sizeof escaped, *c < 0x80 ? "\\x%02X" : "\\u%04X",
                    static_cast<unsigned>(*c));
      out += escaped;
    } else {
      out.append(utf8.substr(from, at - from));
    }
  }
  return out;
}

}  // namespace velmora
