#pragma once
// A box's text as a message shows it: decoded as UTF-8, cut on a character, with the characters
// that would break or hide in a message written out, and a character that is no part of a
// number named by its code.

#include <cstddef>
#include <string>
#include <string_view>

namespace numeric {

// The next character of UTF-8 text, from its start: its code point and how many bytes it takes.
// A byte that does not begin a well-formed character (a stray continuation byte, a sequence cut
// short, an overlong form, a surrogate, beyond U+10FFFF) is one byte of its own, with the code
// point kNotUtf8.
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;
struct Utf8Character {
    char32_t code;
    std::size_t bytes;
};
Utf8Character nextCharacter(std::string_view text);

// The text as a message quotes it: at most maxCharacters characters, then "..." when there is
// more. A character that would break the message's line or vanish in it (the controls C0 and
// C1, DEL, the line and paragraph separators, the invisible spaces and joiners, the marks that
// turn the writing's direction) is written as an escape ("\n", "\r", "\t", "\u200B"), and a byte
// that is not UTF-8 as "\xE9": the result is UTF-8 whatever the text.
std::string quotedText(std::string_view text, std::size_t maxCharacters);

// The first character of the text that is not printable ASCII: a control, or any character
// beyond ASCII, which can pass for a blank, a sign, a point or a digit, or hide in the text.
// It is described by its code and, where it is one that so passes or hides, its name: "U+00A0
// NO-BREAK SPACE", "U+2212 MINUS SIGN", "U+FF11 FULLWIDTH DIGIT ONE", "U+000A LINE FEED",
// "U+00E9"; a byte that is not UTF-8 is "the byte 0xE9 (not UTF-8 text)". "" when there is none.
std::string firstUnusualCharacter(std::string_view text);

}  // namespace numeric
