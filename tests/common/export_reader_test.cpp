#include "common/export_reader.hpp"

#include <gtest/gtest.h>

#include <string>

namespace league {
namespace {

// An export whose bytes from 1280 on are `body`, followed by `tail` bytes of padding.
ExportReader readerOver(const std::string& body, std::int64_t endMargin = 0, std::size_t tail = 0) {
    ExportReader reader;
    reader.openBytes(std::string(1280, '.') + body + std::string(tail, ' '), endMargin);
    return reader;
}

TEST(ExportReader, LeadOneSearchSeesWindowLeftByLastCell) {
    // Right after "<TD" was found, a '<' alone completes the pattern with the window's
    // old "TD": the search ends one byte later.
    ExportReader found = readerOver("<TD<xyz<TD");
    found.scanFor("<TD", 3);
    EXPECT_EQ(found.position(), 1283);
    found.scanFor("<TD", 1);
    EXPECT_EQ(found.position(), 1284);

    // A skipToTagEnd that read more than one byte cleared the second place: the same
    // '<' no longer matches and the search goes on to the real "<TD".
    ExportReader cleared = readerOver("<TDa><xy<TD");
    cleared.scanFor("<TD", 3);
    cleared.skipToTagEnd();
    EXPECT_EQ(cleared.position(), 1285);
    EXPECT_EQ(cleared.window()[1], '\0');
    cleared.scanFor("<TD", 1);
    EXPECT_EQ(cleared.position(), 1289);

    // A skipToTagEnd that met '>' at once keeps "TD" in the window.
    ExportReader kept = readerOver("<TD><xy");
    kept.scanFor("<TD", 3);
    kept.skipToTagEnd();
    kept.scanFor("<TD", 1);
    EXPECT_FALSE(kept.failed());
    EXPECT_EQ(kept.position(), 1285);

    // After "<TR" the first comparison cannot succeed, so the next byte is tested next.
    ExportReader afterRow = readerOver("<TR-<TD--");
    afterRow.scanFor("<TR", 3);
    afterRow.scanFor("<TD", 1);
    EXPECT_EQ(afterRow.position(), 1285);
}

TEST(ExportReader, LeadSearchTestsStartThenSkipsTheNextPositions) {
    const struct {
        std::string body;
        std::int64_t position;
    } cases[] = {
        {"<TD----<TD", 1283},    // at the start: found by the lead read
        {"-<TD---<TD", 1288},    // 1 byte later: passed over, the next one is found
        {"--<TD--<TD", 1288},    // 2 bytes later: passed over
        {"---<TD-----", 1284},   // 3 bytes later: the first position tested by the loop
        {"----<TD----", 1285},
    };
    for (const auto& c : cases) {
        ExportReader reader = readerOver(c.body);
        reader.scanFor("<TD", 3);
        EXPECT_FALSE(reader.failed()) << c.body;
        EXPECT_EQ(reader.position(), c.position) << c.body;
    }
    // A lead-4 "<TD>" search works the same way with four places.
    ExportReader four = readerOver("-<TD>--<TD>");
    four.scanFor("<TD>", 4);
    EXPECT_EQ(four.position(), 1288);
}

TEST(ExportReader, NextRowEndsFivePastATagAtTheStartAndThreePastOneFoundLater) {
    ExportReader atStart = readerOver("<TR>....");
    atStart.nextRow();
    EXPECT_EQ(atStart.position(), 1285);
    ExportReader later = readerOver("...<TR>....");
    later.nextRow();
    EXPECT_EQ(later.position(), 1286);
}

TEST(ExportReader, CellTextKeepsItsSlotAndAlwaysEndsPastTheLessThan) {
    const std::string name32(32, 'N');
    const std::string name40 = std::string(32, 'L') + "overflow";
    ExportReader reader = readerOver(name32 + "</TD>" + name40 + "</TD><" + "7/12</TD>" + "12345678</TD>");
    EXPECT_EQ(reader.readCellText(33), name32);
    EXPECT_EQ(reader.position(), 1280 + 33);
    reader.skip(4);
    EXPECT_EQ(reader.readCellText(33), std::string(32, 'L'));
    EXPECT_EQ(reader.position(), 1280 + 37 + 41);
    reader.skip(4);
    EXPECT_EQ(reader.readCellText(7), "");
    EXPECT_EQ(reader.readCellText(7), "7/12");
    reader.skip(4);
    EXPECT_EQ(reader.readCellText(7), "123456");
    EXPECT_EQ(reader.position(), 1280 + 37 + 45 + 1 + 9 + 9);
    EXPECT_FALSE(reader.failed());
}

TEST(ExportReader, NumbersAndTimes) {
    ExportReader reader = readerOver("1:23.456</TD>\r\n 12:05.007 -7 +0042 0:00.000");
    EXPECT_EQ(reader.readTime(), 83456);
    reader.skip(5);
    EXPECT_EQ(reader.readTime(), 725007);
    EXPECT_EQ(reader.readNumber(), -7);
    EXPECT_EQ(reader.readNumber(), 42);
    EXPECT_EQ(reader.readTime(), 0);
    EXPECT_FALSE(reader.failed());

    // A byte is stored in the window's first place.
    ExportReader bytes = readerOver("m");
    EXPECT_EQ(bytes.readByte(), 'm');
    EXPECT_EQ(bytes.window()[0], 'm');
}

TEST(ExportReader, DecimalsAsTheStreamExtractionReadsThem) {
    ExportReader reader = readerOver(" 99.5 mph 160.1km/h 7 .5 -3.25e1x");
    EXPECT_DOUBLE_EQ(reader.readDecimal(), 99.5);
    reader.skip(4);
    EXPECT_DOUBLE_EQ(reader.readDecimal(), 160.1);
    EXPECT_EQ(reader.readByte(), 'k');
    reader.skip(3);
    EXPECT_DOUBLE_EQ(reader.readDecimal(), 7.0);
    EXPECT_DOUBLE_EQ(reader.readDecimal(), 0.5);
    EXPECT_DOUBLE_EQ(reader.readDecimal(), -32.5);
    EXPECT_EQ(reader.readByte(), 'x');
    EXPECT_FALSE(reader.failed());
}

TEST(ExportReader, RegionEndsAtTheMarginBeforeTheEndOfFile) {
    ExportReader tooShort;
    tooShort.openBytes(std::string(1280 + 576, 'x'), kQuorrinEndMargin);
    EXPECT_FALSE(tooShort.rowsAvailable());
    EXPECT_TRUE(tooShort.pastRegionEnd());

    ExportReader oneByteMore;
    oneByteMore.openBytes(std::string(1280 + 577, 'x'), kQuorrinEndMargin);
    EXPECT_TRUE(oneByteMore.rowsAvailable());
    EXPECT_EQ(oneByteMore.rowRegionEnd(), 1281);
    oneByteMore.skip(1);
    EXPECT_TRUE(oneByteMore.pastRegionEnd());

    ExportReader shorterThanTheStart;
    shorterThanTheStart.openBytes("<TR", kDuvessaEndMargin);
    EXPECT_FALSE(shorterThanTheStart.rowsAvailable());
}

TEST(ExportReader, RunningOutOfFileOrNumbersFailsWithoutReadingPastTheEnd) {
    const struct {
        const char* what;
        std::string body;
        void (*operation)(ExportReader&);
    } cases[] = {
        {"search", "<T no row here", [](ExportReader& r) { r.scanFor("<TR", 3); }},
        {"short lead", "<", [](ExportReader& r) { r.scanFor("<TD>", 4); }},
        {"tag end", "<TD class", [](ExportReader& r) { r.skipToTagEnd(); }},
        {"cell text", "name without end", [](ExportReader& r) { r.readCellText(33); }},
        {"byte", "", [](ExportReader& r) { r.readByte(); }},
        {"no digits", "abc", [](ExportReader& r) { r.readNumber(); }},
        {"sign only", "-x", [](ExportReader& r) { r.readNumber(); }},
        {"too large", "2147483648", [](ExportReader& r) { r.readNumber(); }},
        {"far too large", "99999999999999999999999", [](ExportReader& r) { r.readNumber(); }},
        {"time too large", "35791:23.648", [](ExportReader& r) { r.readTime(); }},
        {"time without seconds", "1:", [](ExportReader& r) { r.readTime(); }},
        {"no decimal", " km/h", [](ExportReader& r) { r.readDecimal(); }},
        {"skipped past the end", "12", [](ExportReader& r) { r.skip(40); r.readNumber(); }},
    };
    for (const auto& c : cases) {
        ExportReader reader = readerOver(c.body);
        c.operation(reader);
        EXPECT_TRUE(reader.failed()) << c.what;
        // Once failed, nothing moves any more.
        const std::int64_t position = reader.position();
        reader.scanFor("<TD", 1);
        reader.skipToTagEnd();
        EXPECT_EQ(reader.readNumber(), 0) << c.what;
        EXPECT_EQ(reader.position(), position) << c.what;
        EXPECT_FALSE(reader.rowsAvailable()) << c.what;
    }
    // The extremes of 32 bits still read.
    ExportReader extremes = readerOver("2147483647 -2147483648");
    EXPECT_EQ(extremes.readNumber(), 2147483647);
    EXPECT_EQ(extremes.readNumber(), -2147483647 - 1);
    EXPECT_FALSE(extremes.failed());
}

}  // namespace
}  // namespace league
