#include "numeric/box_text.h"

#include <array>
#include <cstdio>

namespace numeric {

namespace {

// The characters that can pass for a blank, a sign, a point, a digit or an exponent, or that
// hide in a text, by their Unicode names (the controls by their usual aliases).
struct NamedCharacter {
    char32_t code;
    std::string_view name;
};
constexpr NamedCharacter kNames[] = {
    {0x0000, "NULL"},
    {0x0009, "CHARACTER TABULATION"},
    {0x000A, "LINE FEED"},
    {0x000B, "LINE TABULATION"},
    {0x000C, "FORM FEED"},
    {0x000D, "CARRIAGE RETURN"},
    {0x001B, "ESCAPE"},
    {0x007F, "DELETE"},
    {0x0085, "NEXT LINE"},
    {0x00A0, "NO-BREAK SPACE"},
    {0x00AD, "SOFT HYPHEN"},
    {0x00B2, "SUPERSCRIPT TWO"},
    {0x00B3, "SUPERSCRIPT THREE"},
    {0x00B4, "ACUTE ACCENT"},
    {0x00B7, "MIDDLE DOT"},
    {0x00B9, "SUPERSCRIPT ONE"},
    {0x02BC, "MODIFIER LETTER APOSTROPHE"},
    {0x02D7, "MODIFIER LETTER MINUS SIGN"},
    {0x066B, "ARABIC DECIMAL SEPARATOR"},
    {0x066C, "ARABIC THOUSANDS SEPARATOR"},
    {0x1680, "OGHAM SPACE MARK"},
    {0x2000, "EN QUAD"},
    {0x2001, "EM QUAD"},
    {0x2002, "EN SPACE"},
    {0x2003, "EM SPACE"},
    {0x2004, "THREE-PER-EM SPACE"},
    {0x2005, "FOUR-PER-EM SPACE"},
    {0x2006, "SIX-PER-EM SPACE"},
    {0x2007, "FIGURE SPACE"},
    {0x2008, "PUNCTUATION SPACE"},
    {0x2009, "THIN SPACE"},
    {0x200A, "HAIR SPACE"},
    {0x200B, "ZERO WIDTH SPACE"},
    {0x200C, "ZERO WIDTH NON-JOINER"},
    {0x200D, "ZERO WIDTH JOINER"},
    {0x200E, "LEFT-TO-RIGHT MARK"},
    {0x200F, "RIGHT-TO-LEFT MARK"},
    {0x2010, "HYPHEN"},
    {0x2011, "NON-BREAKING HYPHEN"},
    {0x2012, "FIGURE DASH"},
    {0x2013, "EN DASH"},
    {0x2014, "EM DASH"},
    {0x2015, "HORIZONTAL BAR"},
    {0x2019, "RIGHT SINGLE QUOTATION MARK"},
    {0x2024, "ONE DOT LEADER"},
    {0x2028, "LINE SEPARATOR"},
    {0x2029, "PARAGRAPH SEPARATOR"},
    {0x202A, "LEFT-TO-RIGHT EMBEDDING"},
    {0x202B, "RIGHT-TO-LEFT EMBEDDING"},
    {0x202C, "POP DIRECTIONAL FORMATTING"},
    {0x202D, "LEFT-TO-RIGHT OVERRIDE"},
    {0x202E, "RIGHT-TO-LEFT OVERRIDE"},
    {0x202F, "NARROW NO-BREAK SPACE"},
    {0x2032, "PRIME"},
    {0x205F, "MEDIUM MATHEMATICAL SPACE"},
    {0x2060, "WORD JOINER"},
    {0x2066, "LEFT-TO-RIGHT ISOLATE"},
    {0x2067, "RIGHT-TO-LEFT ISOLATE"},
    {0x2068, "FIRST STRONG ISOLATE"},
    {0x2069, "POP DIRECTIONAL ISOLATE"},
    {0x2070, "SUPERSCRIPT ZERO"},
    {0x2212, "MINUS SIGN"},
    {0x2795, "HEAVY PLUS SIGN"},
    {0x2796, "HEAVY MINUS SIGN"},
    {0x3000, "IDEOGRAPHIC SPACE"},
    {0xFE52, "SMALL FULL STOP"},
    {0xFE58, "SMALL EM DASH"},
    {0xFE62, "SMALL PLUS SIGN"},
    {0xFE63, "SMALL HYPHEN-MINUS"},
    {0xFEFF, "ZERO WIDTH NO-BREAK SPACE"},
    {0xFF0B, "FULLWIDTH PLUS SIGN"},
    {0xFF0C, "FULLWIDTH COMMA"},
    {0xFF0D, "FULLWIDTH HYPHEN-MINUS"},
    {0xFF0E, "FULLWIDTH FULL STOP"},
    {0xFF25, "FULLWIDTH LATIN CAPITAL LETTER E"},
    {0xFF45, "FULLWIDTH LATIN SMALL LETTER E"},
};

// Runs of digits of other forms and scripts, named "<prefix> <digit>" from the digit of their
// first code on.
struct DigitRun {
    char32_t first, last;
    std::string_view prefix;
    int firstDigit;
};
constexpr DigitRun kDigitRuns[] = {
    {0x0660, 0x0669, "ARABIC-INDIC DIGIT", 0},
    {0x06F0, 0x06F9, "EXTENDED ARABIC-INDIC DIGIT", 0},
    {0x0966, 0x096F, "DEVANAGARI DIGIT", 0},
    {0x09E6, 0x09EF, "BENGALI DIGIT", 0},
    {0x0E50, 0x0E59, "THAI DIGIT", 0},
    {0x2074, 0x2079, "SUPERSCRIPT", 4},
    {0x2080, 0x2089, "SUBSCRIPT", 0},
    {0xFF10, 0xFF19, "FULLWIDTH DIGIT", 0},
    {0x1D7CE, 0x1D7D7, "MATHEMATICAL BOLD DIGIT", 0},
    {0x1D7D8, 0x1D7E1, "MATHEMATICAL DOUBLE-STRUCK DIGIT", 0},
    {0x1D7E2, 0x1D7EB, "MATHEMATICAL SANS-SERIF DIGIT", 0},
    {0x1D7EC, 0x1D7F5, "MATHEMATICAL SANS-SERIF BOLD DIGIT", 0},
    {0x1D7F6, 0x1D7FF, "MATHEMATICAL MONOSPACE DIGIT", 0},
};
constexpr std::array<std::string_view, 10> kDigitNames = {
    "ZERO", "ONE", "TWO", "THREE", "FOUR", "FIVE", "SIX", "SEVEN", "EIGHT", "NINE"};

bool isPlainAscii(char32_t c) { return c >= 0x20 && c < 0x7F; }

// Characters a message would not show as themselves: the controls, and the invisible and
// direction-turning characters of general punctuation.
bool isHidden(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c < 0xA0) || c == 0xAD || (c >= 0x200B && c <= 0x200F) ||
           (c >= 0x2028 && c <= 0x202E) || (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF;
}

std::string hex(unsigned value, int digits) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%0*X", digits, value);
    return buffer;
}

std::string codeOf(char32_t c) { return "U+" + hex(static_cast<unsigned>(c), 4); }

std::string escaped(char32_t c) {
    switch (c) {
        case '\n': return "\\n";
        case '\r': return "\\r";
        case '\t': return "\\t";
        default: return "\\u" + hex(static_cast<unsigned>(c), 4);
    }
}

std::string nameOf(char32_t c) {
    for (const NamedCharacter& n : kNames)
        if (n.code == c) return std::string(n.name);
    for (const DigitRun& run : kDigitRuns)
        if (c >= run.first && c <= run.last)
            return std::string(run.prefix) + " " +
                   std::string(kDigitNames[static_cast<std::size_t>(run.firstDigit) +
                                           (c - run.first)]);
    return {};
}

}  // namespace

Utf8Character nextCharacter(std::string_view text) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return {lead, 1};
    std::size_t length = 0;
    char32_t code = 0, least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return {kNotUtf8, 1};
    }
    if (text.size() < length) return {kNotUtf8, 1};
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return {kNotUtf8, 1};
        code = (code << 6) | (byte(i) & 0x3F);
    }
    if (code < least || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return {kNotUtf8, 1};
    return {code, length};
}

std::string quotedText(std::string_view text, std::size_t maxCharacters) {
    std::string shown;
    for (std::size_t count = 0; !text.empty(); ++count) {
        if (count == maxCharacters) return shown + "...";
        const Utf8Character c = nextCharacter(text);
        if (c.code == kNotUtf8)
            shown += "\\x" + hex(static_cast<unsigned char>(text[0]), 2);
        else if (isHidden(c.code))
            shown += escaped(c.code);
        else
            shown += text.substr(0, c.bytes);
        text.remove_prefix(c.bytes);
    }
    return shown;
}

std::string firstUnusualCharacter(std::string_view text) {
    while (!text.empty()) {
        const Utf8Character c = nextCharacter(text);
        if (c.code == kNotUtf8)
            return "the byte 0x" + hex(static_cast<unsigned char>(text[0]), 2) +
                   " (not UTF-8 text)";
        if (!isPlainAscii(c.code)) {
            const std::string name = nameOf(c.code);
            return codeOf(c.code) + (name.empty() ? "" : " " + name);
        }
        text.remove_prefix(c.bytes);
    }
    return {};
}

}  // namespace numeric
