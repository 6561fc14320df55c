#include "quorrin/record/replay_reader.hpp"

#include "quorrin/quorrin_dialogue.hpp"
#include "support/replay_builder.hpp"
#include "support/run_harness.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <optional>
#include <sstream>
#include <utility>

namespace league::quorrin {
namespace {

using testing::ReplayBuilder;

// A replay held in memory that counts every byte handed to its reader, so a test can
// tell that the regions between the read ones were passed by seeking.
class CountingReplay : public ReadableFile {
public:
    explicit CountingReplay(std::string bytes) : bytes_(std::move(bytes)) {}

    std::size_t bytesRead() const { return bytesRead_; }

    std::int64_t size() const override { return static_cast<std::int64_t>(bytes_.size()); }

    bool readAt(std::int64_t offset, char* into, std::int64_t length) override {
        if (offset < 0 || length < 0 || offset > size() || length > size() - offset) {
            return false;
        }
        std::memcpy(into, bytes_.data() + offset, static_cast<std::size_t>(length));
        bytesRead_ += static_cast<std::size_t>(length);
        return true;
    }

private:
    std::string bytes_;
    std::size_t bytesRead_ = 0;
};

struct ReadResult {
    /// Nothing when the whole replay was read.
    std::optional<ReplayProblem> problem;
    RaceRecord race;
    std::string console;
};

// Reads a replay and lists it, as the run does.
ReadResult read(const std::string& bytes) {
    CountingReplay replay(bytes);
    std::istringstream in;
    std::ostringstream out;
    Console console(in, out, testing::testPause);
    ReadResult result;
    if (const auto replayRead = readReplay(replay, result.race); !replayRead) {
        result.problem = replayRead.reason();
    }
    listTrackAndEntries(console, result.race);
    result.console = out.str();
    return result;
}

TEST(ReplayReader, ReadsTrackAndSlotsAndListsTheUsedSlots) {
    ReplayBuilder replay;
    replay.trackName = "Monte Vesco Ring, long version!";  // 31 bytes
    replay.driver(0, 7, "Ann Rider", "Falcon 990")
        .driver(1, 0, "Ghost Entry", "Ghost Bike")
        .driver(2, -4, "Negative Ned", "Hornet")
        .driver(32, 123, "Abcdefghijklmnopqrstuvwxyz012345", "Bcdefghijklmnopqrstuvwxyz0123456");
    const ReadResult result = read(replay.bytes());

    EXPECT_FALSE(result.problem);
    EXPECT_EQ(result.race.trackName, "Monte Vesco Ring, long version!");
    // A slot with start number 0 is read but not listed; negative numbers are listed.
    EXPECT_EQ(result.race.driverName[1], "Ghost Entry");
    EXPECT_EQ(result.race.bikeName[1], "Ghost Bike");
    EXPECT_EQ(result.race.startNumber[2], -4);
    // 32 bytes without a NUL are kept whole.
    EXPECT_EQ(result.race.driverName[32], "Abcdefghijklmnopqrstuvwxyz012345");
    EXPECT_EQ(result.race.bikeName[32], "Bcdefghijklmnopqrstuvwxyz0123456");
    EXPECT_EQ(result.console,
              "Monte Vesco Ring, long version!\n\n"
              "7 Ann Rider\n"
              "-4 Negative Ned\n"
              "123 Abcdefghijklmnopqrstuvwxyz012345\n"
              "\n");
}

TEST(ReplayReader, RaceLapsFollowTheLastRaceStartMarker) {
    const struct {
        const char* name;
        std::vector<testing::ReplayLapRecord> records;
        std::int32_t firstRaceRecord;
    } cases[] = {
        {"no marker: record 0 is dropped", {{0, 1, 91000}, {0, 2, 92000}, {1, 1, 93000}}, 1},
        {"one marker", {{0, 1, 91000}, {0, 4, 0}, {0, 1, 92000}, {1, 1, 93000}}, 2},
        {"two markers: only laps after the later one",
         {{0, 1, 91000}, {0, 4, 0}, {0, 1, 92000}, {3, 4, 0}, {0, 1, 93000}},
         4},
        {"marker is the last record", {{0, 1, 91000}, {0, 2, 92000}, {0, 4, 0}}, 3},
        {"lap 4 with a time is no marker", {{0, 1, 91000}, {0, 4, 0}, {0, 4, 95000}, {1, 1, 93000}}, 2},
        {"empty table", {}, 1},
    };
    for (const auto& c : cases) {
        ReplayBuilder replay;
        replay.records = c.records;
        const ReadResult result = read(replay.bytes());
        ASSERT_FALSE(result.problem) << c.name;
        EXPECT_EQ(result.race.firstRaceRecord, c.firstRaceRecord) << c.name;
        ASSERT_EQ(result.race.recordCount, static_cast<std::int32_t>(c.records.size())) << c.name;
        ASSERT_EQ(result.race.lapRecords.size(), c.records.size()) << c.name;
        for (std::size_t i = 0; i < c.records.size(); ++i) {
            EXPECT_EQ(result.race.lapRecords[i].slot, c.records[i].slot) << c.name << " record " << i;
            EXPECT_EQ(result.race.lapRecords[i].lapNumber, c.records[i].lapNumber) << c.name << " record " << i;
            EXPECT_EQ(result.race.lapRecords[i].lapTime, c.records[i].lapTime) << c.name << " record " << i;
        }
    }
}

TEST(ReplayReader, DamagedLapTableIsRecognisedAfterTheEntryList) {
    ReplayBuilder small;
    small.middleBytes = 0;
    small.lap(0, 1, 91000).lap(0, 2, 92000);
    const std::size_t smallSize = small.bytes().size();
    const struct {
        const char* name;
        std::string bytes;
        std::optional<ReplayProblem> problem;
    } cases[] = {
        {"shorter than one record", std::string(39, '\0'), ReplayProblem::LapTableDamaged},
        {"exactly one record of zeros", std::string(40, '\0'), std::nullopt},
        {"3000 records", [] {
             ReplayBuilder r;
             r.records.assign(3000, testing::ReplayLapRecord{1, 2, 90000});
             return r.bytes();
         }(), std::nullopt},
        {"negative count", [] {
             ReplayBuilder r;
             r.lap(0, 1, 91000);
             r.recordCountOverride = -1;
             return r.bytes();
         }(), ReplayProblem::LapTableDamaged},
        {"count above 3000", [] {
             ReplayBuilder r;
             r.middleBytes = 130000;
             r.lap(0, 1, 91000);
             r.recordCountOverride = 3001;
             return r.bytes();
         }(), ReplayProblem::LapTableDamaged},
        {"count larger than the file", [&] {
             ReplayBuilder r = small;
             r.recordCountOverride = static_cast<std::int32_t>(smallSize / 40 + 1);
             return r.bytes();
         }(), ReplayProblem::LapTableDamaged},
        {"count that takes the whole file", [&] {
             ReplayBuilder r = small;
             r.middleBytes = 40 - (smallSize - 80) % 40;
             const std::size_t size = smallSize + r.middleBytes;
             r.recordCountOverride = static_cast<std::int32_t>(size / 40);
             return r.bytes();
         }(), std::nullopt},
    };
    for (const auto& c : cases) {
        const ReadResult result = read(c.bytes);
        EXPECT_EQ(result.problem, c.problem) << c.name;
        if (c.problem) {
            EXPECT_TRUE(result.race.lapRecords.empty()) << c.name;
            EXPECT_EQ(result.race.recordCount, 0) << c.name;
        }
    }
}

TEST(ReplayReader, ShortReplayKeepsTheInitialValuesOfWhatItCannotHold) {
    ReplayBuilder replay;
    replay.driver(0, 7, "Ann Rider", "Falcon 990").driver(1, 12, "Bob Bolt", "Hornet");
    const std::string whole = replay.bytes();
    // Cut inside slot 1, after its bike name: its start number is not in the file.
    const ReadResult cut = read(whole.substr(0, 1138 + 264 + 100));
    EXPECT_FALSE(cut.problem);
    EXPECT_EQ(cut.race.trackName, "Harbour Loop");
    EXPECT_EQ(cut.race.startNumber[0], 7);
    EXPECT_EQ(cut.race.driverName[1], "Bob Bolt");
    EXPECT_EQ(cut.race.startNumber[1], 0);
    EXPECT_EQ(cut.console, "Harbour Loop\n\n7 Ann Rider\n\n");
    EXPECT_TRUE(cut.race.lapRecords.empty());

    // Cut inside slot 0's name: the track is there, no slot is.
    const ReadResult early = read(whole.substr(0, 1138 + 10));
    EXPECT_FALSE(early.problem);
    EXPECT_EQ(early.race.driverName[0], "");
    EXPECT_EQ(early.race.startNumber[0], 0);
    EXPECT_EQ(early.console, "Harbour Loop\n\n\n");
}

TEST(ReplayReader, SeeksPastTheRegionsItDoesNotNeed) {
    ReplayBuilder replay;
    replay.middleBytes = 4 * 1024 * 1024;
    replay.driver(0, 7, "Ann Rider", "Falcon 990").lap(0, 1, 91000).raceStart().laps(0, {90000, 89000});
    CountingReplay buffer(replay.bytes());
    RaceRecord race;
    ASSERT_TRUE(readReplay(buffer, race));
    EXPECT_EQ(race.lapRecords.size(), 4u);
    // The head up to the end of the slot table, the record count and the table: far
    // below the file size.
    EXPECT_LE(buffer.bytesRead(), static_cast<std::size_t>(kSlotTableOffset + 33 * kSlotSize) + 4u + 4u * 40u);
}

}  // namespace
}  // namespace league::quorrin
