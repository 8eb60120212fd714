// What a numeric edit box does with its text: which typed characters it accepts, and the
// text it rewrites itself to when it loses the focus. Pure; the edit box calls these.
#pragma once

#include <string>
#include <string_view>

namespace rt {

enum class InputMode { Normal, ReadOnly, Double, Single, ShortInteger };

// Whether a typed character (a Unicode code point) may enter a field of this mode.
// Control characters (below 32) always pass, so clipboard shortcuts and backspace work.
bool acceptsTypedCharacter(InputMode mode, char32_t ch);

// The text after losing the focus: the leading number (full-width characters not folded)
// written back with 13 significant digits (Double), as a single-precision float with 6
// (Single), or the leading integer clamped to -32768..32767 (ShortInteger). A result of
// "0" becomes "". Normal and ReadOnly return the text unchanged.
//   Double: "007" -> "7", ".5" -> "0.5", "1-2.3.4" -> "1", "-" -> ""
//   Single: "7850.00001" -> "7850"
std::string rewriteOnFocusLoss(InputMode mode, std::string_view text);

}  // namespace rt
