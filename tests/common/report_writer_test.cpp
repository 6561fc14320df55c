#include "common/report_writer.hpp"

#include "common/folder.hpp"
#include "support/temp_folder.hpp"

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <sstream>

namespace league {
namespace {

using testing::readFileBytes;
using testing::TempFolder;

TEST(ReportWriter, StoresEveryLineBreakAsCrLfAndNothingElse) {
    TempFolder temp;
    std::ostringstream console;
    ReportWriter page;
    ASSERT_TRUE(page.openPage(Folder(temp.path()), "page.html", console));
    page.writeFragment("<html> \n");
    page.writeFragment(" </td>\n <td align=\"center\">  driver");
    page.writeFragment("Ann & <Bob>\xC3\xA9");
    page.writeNumber(-42);
    page.closePage();
    page.writeFragment("after close");
    EXPECT_EQ(readFileBytes(temp.path() / "page.html"),
              "<html> \r\n </td>\r\n <td align=\"center\">  driverAnn & <Bob>\xC3\xA9-42");
    EXPECT_EQ(readFileBytes(temp.path() / "page.html").substr(0, 9).size(), 9u);
    EXPECT_EQ(console.str(), "");
}

TEST(ReportWriter, ValueTextsAreWrittenByteForByte) {
    // A name read from an export may hold a line break of its own; it is not a fragment
    // and keeps its bytes, while the fragments around it get CR LF.
    std::ostringstream sink;
    ReportWriter page;
    page.openStream(sink);
    page.writeFragment("<td>\n");
    page.writeValueText("Ann\nRider\r\n&amp;<b>");
    page.writeFragment("</td>\n");
    page.closePage();
    EXPECT_EQ(sink.str(), "<td>\r\nAnn\nRider\r\n&amp;<b></td>\r\n");
}

TEST(ReportWriter, HexBytesNumbersAndTimes) {
    std::ostringstream sink;
    ReportWriter page;
    page.openStream(sink);
    for (const int value : {0, 15, 16, 90, 255, 7}) {
        page.writeHexByte(value);
        page.writeFragment("|");
    }
    page.writeNumber(2147483647);
    page.writeFragment("|");
    page.formatLapTime(83456);
    page.writeFragment("|");
    page.formatTimeGap(1234);
    page.writeFragment("|");
    page.writeOneDecimal(160.129728);
    page.writeFragment("|");
    page.writeOneDecimal(160.05);
    page.closePage();
    EXPECT_EQ(sink.str(), "00|0f|10|5a|ff|07|2147483647|1:23.456|-1.234|160.1|160.1");
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

TEST(ReportWriter, PageThatCannotBeCreatedIsReportedOnceAndWritesAreDropped) {
    TempFolder temp;
    std::filesystem::create_directories(temp.path() / "race.html");
    std::ostringstream console;
    ReportWriter page;
    EXPECT_FALSE(page.openPage(Folder(temp.path()), "race.html", console));
    page.writeFragment("lost");
    page.closePage();
    EXPECT_EQ(console.str(), "Can't write race.html!\n");
    EXPECT_TRUE(std::filesystem::is_directory(temp.path() / "race.html"));

    std::ostringstream quiet;
    ReportWriter unnamed;
    EXPECT_FALSE(unnamed.openPage(Folder(temp.path()), "", quiet));
    EXPECT_EQ(quiet.str(), "");
}

TEST(ReportWriter, PagesAreOnlyWrittenIntoTheWorkingFolder) {
    TempFolder temp;
    std::filesystem::create_directories(temp.path() / "work" / "sub");
    const Folder work(temp.path() / "work");
    for (const std::string name : {"../outside.html", "..\\outside.html", "sub/inner.html", "sub\\inner.html",
                                   "c:inner.html"}) {
        std::ostringstream console;
        ReportWriter page;
        EXPECT_FALSE(page.openPage(work, name, console)) << name;
        page.writeFragment("lost");
        page.closePage();
        EXPECT_EQ(console.str(), "Can't write " + name + "!\n");
    }
    const auto files = temp.files();
    EXPECT_EQ(files.size(), 0u);
}

TEST(ReportWriter, OpeningTruncatesAnOldPage) {
    TempFolder temp;
    temp.write("old.html", "a much longer old page");
    std::ostringstream console;
    {
        ReportWriter page;
        ASSERT_TRUE(page.openPage(Folder(temp.path()), "old.html", console));
        page.writeFragment("new");
    }
    EXPECT_EQ(readFileBytes(temp.path() / "old.html"), "new");
}

}  // namespace
}  // namespace league
