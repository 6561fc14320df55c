#include "league/read/name_text.hpp"

#include <array>
#include <cstdint>
#include <optional>

namespace league::season {

namespace {

// The characters of the Windows-1252 bytes 0x80 to 0x9F. The five bytes that the code
// page leaves unassigned stand for the C1 control characters of the same value, as
// browsers read them; every other byte is the Latin-1 character of its value.
constexpr std::array<char32_t, 32> kWindows1252High{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// The named references of Latin-1, in the order of their characters from U+00A0 on.
constexpr std::array<std::string_view, 96> kLatin1Names{
    "nbsp",   "iexcl",  "cent",   "pound",  "curren", "yen",    "brvbar", "sect",   "uml",    "copy",
    "ordf",   "laquo",  "not",    "shy",    "reg",    "macr",   "deg",    "plusmn", "sup2",   "sup3",
    "acute",  "micro",  "para",   "middot", "cedil",  "sup1",   "ordm",   "raquo",  "frac14", "frac12",
    "frac34", "iquest", "Agrave", "Aacute", "Acirc",  "Atilde", "Auml",   "Aring",  "AElig",  "Ccedil",
    "Egrave", "Eacute", "Ecirc",  "Euml",   "Igrave", "Iacute", "Icirc",  "Iuml",   "ETH",    "Ntilde",
    "Ograve", "Oacute", "Ocirc",  "Otilde", "Ouml",   "times",  "Oslash", "Ugrave", "Uacute", "Ucirc",
    "Uuml",   "Yacute", "THORN",  "szlig",  "agrave", "aacute", "acirc",  "atilde", "auml",   "aring",
    "aelig",  "ccedil", "egrave", "eacute", "ecirc",  "euml",   "igrave", "iacute", "icirc",  "iuml",
    "eth",    "ntilde", "ograve", "oacute", "ocirc",  "otilde", "ouml",   "divide", "oslash", "ugrave",
    "uacute", "ucirc",  "uuml",   "yacute", "thorn",  "yuml",
};

struct MarkupName {
    std::string_view name;
    char32_t character;
};
constexpr std::array<MarkupName, 5> kMarkupNames{{
    {"amp", U'&'}, {"lt", U'<'}, {"gt", U'>'}, {"quot", U'"'}, {"apos", U'\''},
}};

void appendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

enum class Utf8Check {
    Valid,
    CutAtEnd,  ///< valid up to a letter whose last bytes are missing at the very end
    Invalid
};

// The length of the UTF-8 sequence that starts with `lead`, or 0 for a byte that
// starts none.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0x80) {
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        return 2;
    }
    if (lead >= 0xE0 && lead <= 0xEF) {
        return 3;
    }
    if (lead >= 0xF0 && lead <= 0xF4) {
        return 4;
    }
    return 0;
}

// The allowed range of the byte after `lead`: narrower than 0x80..0xBF after the leads
// whose sequences would otherwise spell a character the long way, a surrogate, or one
// beyond U+10FFFF.
bool fitsSecondByte(unsigned char lead, unsigned char second) {
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead == 0xE0) {
        low = 0xA0;
    } else if (lead == 0xED) {
        high = 0x9F;
    } else if (lead == 0xF0) {
        low = 0x90;
    } else if (lead == 0xF4) {
        high = 0x8F;
    }
    return second >= low && second <= high;
}

Utf8Check checkUtf8(std::string_view bytes, std::size_t& validLength) {
    std::size_t at = 0;
    while (at < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[at]);
        const std::size_t length = sequenceLength(lead);
        if (length == 0) {
            validLength = at;
            return Utf8Check::Invalid;
        }
        for (std::size_t next = 1; next < length; ++next) {
            if (at + next == bytes.size()) {
                validLength = at;
                return Utf8Check::CutAtEnd;
            }
            const auto byte = static_cast<unsigned char>(bytes[at + next]);
            const bool fits = next == 1 ? fitsSecondByte(lead, byte) : byte >= 0x80 && byte <= 0xBF;
            if (!fits) {
                validLength = at;
                return Utf8Check::Invalid;
            }
        }
        at += length;
    }
    validLength = at;
    return Utf8Check::Valid;
}

std::string windows1252ToUtf8(std::string_view bytes) {
    std::string text;
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        appendUtf8(text, value >= 0x80 && value <= 0x9F ? kWindows1252High[value - 0x80] : char32_t{value});
    }
    return text;
}

// The bytes as UTF-8, whichever of the two character sets they are in.
std::string asUtf8(std::string_view bytes) {
    std::size_t validLength = 0;
    switch (checkUtf8(bytes, validLength)) {
    case Utf8Check::Valid:
        return std::string(bytes);
    case Utf8Check::CutAtEnd:
        // Only a name that fills the reader's room was cut; a shorter one ends in a
        // Windows-1252 letter such as 0xE9.
        if (bytes.size() >= kNameBytes) {
            return std::string(bytes.substr(0, validLength));
        }
        break;
    case Utf8Check::Invalid:
        break;
    }
    return windows1252ToUtf8(bytes);
}

// A number that a reference may name: a character that is not a control character
// (a name holds none), not a surrogate and not beyond Unicode. The numbers 0x80 to
// 0x9F name the Windows-1252 characters of those bytes, as browsers read them.
std::optional<char32_t> referencedCharacter(std::uint32_t number) {
    if (number >= 0x80 && number <= 0x9F) {
        const char32_t c = kWindows1252High[number - 0x80];
        return c >= 0x80 && c <= 0x9F ? std::nullopt : std::optional<char32_t>(c);
    }
    if (number < 0x20 || number == 0x7F || (number >= 0xD800 && number <= 0xDFFF) || number > 0x10FFFF) {
        return std::nullopt;
    }
    return static_cast<char32_t>(number);
}

std::optional<char32_t> numericReference(std::string_view digits) {
    int base = 10;
    if (!digits.empty() && (digits[0] == 'x' || digits[0] == 'X')) {
        base = 16;
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.size() > 8) {
        return std::nullopt;
    }
    std::uint32_t number = 0;
    for (const char c : digits) {
        std::uint32_t digit = 0;
        if (c >= '0' && c <= '9') {
            digit = static_cast<std::uint32_t>(c - '0');
        } else if (base == 16 && c >= 'a' && c <= 'f') {
            digit = static_cast<std::uint32_t>(c - 'a' + 10);
        } else if (base == 16 && c >= 'A' && c <= 'F') {
            digit = static_cast<std::uint32_t>(c - 'A' + 10);
        } else {
            return std::nullopt;
        }
        number = number * static_cast<std::uint32_t>(base) + digit;
    }
    return referencedCharacter(number);
}

// The character of the reference body between '&' and ';', or nothing.
std::optional<char32_t> referenceCharacter(std::string_view body) {
    if (!body.empty() && body[0] == '#') {
        return numericReference(body.substr(1));
    }
    for (const MarkupName& markup : kMarkupNames) {
        if (body == markup.name) {
            return markup.character;
        }
    }
    for (std::size_t index = 0; index < kLatin1Names.size(); ++index) {
        if (body == kLatin1Names[index]) {
            return static_cast<char32_t>(0xA0 + index);
        }
    }
    return std::nullopt;
}

// Every reference decoded in one pass, so that "&amp;eacute;" gives "&eacute;".
std::string decodeReferences(std::string_view text) {
    // No reference is longer than "&#x10FFFF;" or "&frac14;".
    constexpr std::size_t kLongestBody = 9;
    std::string decoded;
    std::size_t at = 0;
    while (at < text.size()) {
        if (text[at] == '&') {
            const std::size_t end = text.find(';', at + 1);
            if (end != std::string_view::npos && end - at - 1 <= kLongestBody) {
                if (const auto c = referenceCharacter(text.substr(at + 1, end - at - 1))) {
                    appendUtf8(decoded, *c);
                    at = end + 1;
                    continue;
                }
            }
        }
        decoded += text[at++];
    }
    return decoded;
}

// Blanks: space, tab, line ends, and the no-break space (U+00A0, two bytes in UTF-8).
bool startsWithBlank(std::string_view text) {
    return !text.empty() && (text.front() == ' ' || text.front() == '\t' || text.front() == '\r' ||
                             text.front() == '\n' || text.starts_with("\xC2\xA0"));
}

bool endsWithBlank(std::string_view text) {
    return !text.empty() && (text.back() == ' ' || text.back() == '\t' || text.back() == '\r' ||
                             text.back() == '\n' || text.ends_with("\xC2\xA0"));
}

std::string_view withoutOuterBlanks(std::string_view text) {
    while (startsWithBlank(text)) {
        text.remove_prefix(static_cast<unsigned char>(text.front()) < 0x80 ? 1 : 2);
    }
    while (endsWithBlank(text)) {
        text.remove_suffix(static_cast<unsigned char>(text.back()) < 0x80 ? 1 : 2);
    }
    return text;
}

}  // namespace

std::string nameText(std::string_view bytes) {
    return std::string(withoutOuterBlanks(decodeReferences(asUtf8(bytes))));
}

std::size_t validUtf8Length(std::string_view bytes) {
    std::size_t validLength = 0;
    checkUtf8(bytes, validLength);
    return validLength;
}

}  // namespace league::season
