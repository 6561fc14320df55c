#include "common/report_writer.hpp"

#include "common/console.hpp"
#include "common/memory_disk.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <sstream>

namespace league {
namespace {

TEST(ReportWriter, StoresEveryLineBreakOfAFragmentAsCrLfAndValueTextsByteForByte) {
    ReportWriter page;
    page.writeFragment("<html> \n");
    page.writeFragment(" </td>\n <td align=\"center\">  driver\n\n");
    page.writeFragment("Ann & <Bob>\xC3\xA9");
    page.writeNumber(-42);
    // A name read from an export may hold a line break of its own; it is not a fragment
    // and keeps its bytes.
    page.writeValueText("Ann\nRider\r\n&amp;<b>");
    EXPECT_EQ(page.bytes(), "<html> \r\n </td>\r\n <td align=\"center\">  driver\r\n\r\nAnn & <Bob>\xC3\xA9-42"
                            "Ann\nRider\r\n&amp;<b>");
}

TEST(ReportWriter, EscapedTextsHaveMarkupCharactersAsReferencesAndOtherBytesAsRead) {
    const struct {
        std::string text;
        std::string markup;
    } cases[] = {
        {"Ottavio Ruscelli", "Ottavio Ruscelli"},
        {"<b>Bo & \"Ace\"</b>", "&lt;b&gt;Bo &amp; &quot;Ace&quot;&lt;/b&gt;"},
        {"&amp;", "&amp;amp;"},
        {"J\xF6rg 'Ren'\r\nner", "J\xF6rg 'Ren'\r\nner"},
        {std::string("a\0b", 3), std::string("a\0b", 3)},
        {"", ""},
    };
    for (const auto& c : cases) {
        ReportWriter page;
        page.writeEscapedText(c.text);
        EXPECT_EQ(page.bytes(), c.markup) << c.text;
    }
}

// League's HTML5 pages keep their line breaks as LF and escape the apostrophe as well;
// the classic pages store CR LF and leave it as it is.
TEST(ReportWriter, ConventionsDecideLineBreaksAndTheApostrophe) {
    const struct {
        PageConventions conventions;
        std::string bytes;
    } cases[] = {
        {PageConventions::Classic, "<p>\r\nRock 'n' &lt;Roll&gt;\r\n"},
        {PageConventions::Html5, "<p>\nRock &#39;n&#39; &lt;Roll&gt;\n"},
    };
    for (const auto& c : cases) {
        ReportWriter page(c.conventions);
        page.writeFragment("<p>\n");
        page.writeEscapedText("Rock 'n' <Roll>");
        page.writeText("\n");
        EXPECT_EQ(page.bytes(), c.bytes);
    }
}

TEST(ReportWriter, HexBytesNumbersAndTimes) {
    ReportWriter page;
    for (const int value : {0, 15, 16, 90, 255, 7}) {
        page.writeHexByte(value);
        page.writeFragment("|");
    }
    page.writeNumber(2147483647);
    page.writeFragment("|");
    page.writeNumber(-2147483647 - 1);
    page.writeFragment("|");
    page.formatLapTime(83456);
    page.writeFragment("|");
    page.formatTimeGap(1234);
    page.writeFragment("|");
    page.writeOneDecimal(160.129728);
    page.writeFragment("|");
    page.writeOneDecimal(160.05);
    EXPECT_EQ(page.bytes(), "00|0f|10|5a|ff|07|2147483647|-2147483648|1:23.456|-1.234|160.1|160.1");
}

TEST(ReportWriter, OneDecimalIgnoresTheLocale) {
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous != nullptr ? previous : "C";
    // A locale with a decimal comma, where the host has one.
    if (std::setlocale(LC_NUMERIC, "de_DE.UTF-8") == nullptr) {
        std::setlocale(LC_NUMERIC, "C");
    }
    EXPECT_EQ(oneDecimalText(99.5 * 1.609344), "160.1");
    EXPECT_EQ(oneDecimalText(0.0), "0.0");
    std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(SavePage, APageNotWrittenWholeIsReportedOnceAndLeavesNoFile) {
    ReportWriter page;
    page.writeFragment("<html> \n<body> \n");
    const struct {
        std::string name;
        std::size_t bytesThatFit;
        bool written;
    } cases[] = {
        {"race.html", std::string::npos, true},
        {"full.html", 0, false},
        {"cut.html", 9, false},
        {"folder.html", std::string::npos, false},
        {"missing/race.html", std::string::npos, false},
    };
    for (const auto& c : cases) {
        MemoryDisk disk(FileMap{{"folder.html/inside", ""}});
        disk.fillUpAt(c.name, c.bytesThatFit);
        std::istringstream in;
        std::ostringstream out;
        Console console(in, out, nullptr);
        EXPECT_EQ(savePage(disk, c.name, page, console), c.written) << c.name;
        EXPECT_EQ(out.str(), c.written ? "" : "Can't write " + c.name + "!\n") << c.name;
        const auto file = disk.files().find(c.name);
        EXPECT_EQ(file != disk.files().end(), c.written) << c.name;
        if (c.written) {
            EXPECT_EQ(file->second, page.bytes());
        }
    }
}

}  // namespace
}  // namespace league
