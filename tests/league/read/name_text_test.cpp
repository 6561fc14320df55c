#include "league/read/name_text.hpp"

#include <gtest/gtest.h>

#include <string>

namespace league::season {
namespace {

// A name of exactly 32 bytes: `head` padded with 'a' in front to reach the reader's cut.
std::string cutAt32(const std::string& tail) {
    return std::string(kNameBytes - tail.size(), 'a') + tail;
}

TEST(NameText, CharacterSetReferencesAndBlanks) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        // UTF-8 stays; Windows-1252 is converted, also a short name ending in 0xE9.
        {"Jos\xC3\xA9 Mart\xC3\xADnez", "Jos\xC3\xA9 Mart\xC3\xADnez"},
        {"Jos\xE9", "Jos\xC3\xA9"},
        {"\x80 \x9C\xFF", "\xE2\x82\xAC \xC5\x93\xC3\xBF"},
        {"Bj\xF6rn \xC3\xA9", "Bj\xC3\xB6rn \xC3\x83\xC2\xA9"},
        // Cut inside a letter at byte 32: the part of the letter goes, the rest stays UTF-8.
        {cutAt32("\xC3\xA9\xE2\x82"), std::string(28, 'a') + "\xC3\xA9"},
        // The same bytes in a shorter name were not cut: Windows-1252.
        {"\xC3\xA9\xE2\x82", "\xC3\x83\xC2\xA9\xC3\xA2\xE2\x80\x9A"},
        // References: markup, Latin-1 names, decimal and hexadecimal, decoded once.
        {"Tom &amp; Jerry", "Tom & Jerry"},
        {"&lt;b&gt; &quot;x&quot; &apos;", "<b> \"x\" '"},
        {"Jos&eacute; &Uuml;ber &szlig;", "Jos\xC3\xA9 \xC3\x9C" "ber \xC3\x9F"},
        {"&#233;&#xE9;&#XE9;&#150;", "\xC3\xA9\xC3\xA9\xC3\xA9\xE2\x80\x93"},
        {"&amp;eacute;", "&eacute;"},
        // Cut, unknown, empty or not a character: stays as written.
        {cutAt32("Tom &am"), cutAt32("Tom &am")},
        {"&bogus; &Amp; &; &#; &#xD800; &#1; &#129; &#99999999;", "&bogus; &Amp; &; &#; &#xD800; &#1; &#129; &#99999999;"},
        // Blanks at both ends, &nbsp; and the no-break space byte among them.
        {"  Ann Rider\t", "Ann Rider"},
        {"&nbsp;Ann&nbsp;Rider&nbsp; ", "Ann\xC2\xA0Rider"},
        {"\xA0" "Ann\xA0", "Ann"},
        {" &nbsp; ", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(nameText(c.bytes), c.text) << c.bytes;
    }
}

}  // namespace
}  // namespace league::season
