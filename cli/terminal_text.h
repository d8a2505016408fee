// Text that reaches a terminal or a JSON reader byte for byte: whatever a name or a path
// holds, it must not become a terminal command or an invalid document.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora {

// The code point of the well-formed UTF-8 sequence starting at `at`, advancing `at` past it;
// nothing for a byte that starts no such sequence (stray, overlong, surrogate, beyond
// U+10FFFF or cut short), and then `at` moves past that one byte only.
std::optional<char32_t> NextUtf8CodePoint(std::string_view text, std::size_t& at);

// True for the code points a terminal may act on rather than show: C0 controls, DEL and C1.
constexpr bool IsControlCharacter(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c < 0xA0);
}

// The text with line feeds and tabs kept and every other control character or invalid byte
// written out visibly: "\x1B" for ESC, "\u009B" for the one-character CSI, "\xFF" for a
// byte that is not UTF-8.
std::string EscapeForTerminal(std::string_view utf8);

}  // namespace velmora
