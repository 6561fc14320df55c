#include "quorrin/replay_reader.hpp"

#include <array>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace league::quorrin {

namespace {

constexpr std::int64_t kDriverNameField = 0;
constexpr std::int64_t kBikeNameField = 32;
constexpr std::int64_t kStartNumberField = 256;
constexpr std::size_t kRecordSlotField = 16;
constexpr std::size_t kRecordLapNumberField = 24;
constexpr std::size_t kRecordLapTimeField = 28;

// The replay's fields. Every read states where it reads and gets the field only when
// all of its bytes lie inside the file.
class ReplayFile {
public:
    explicit ReplayFile(ReadableFile& file) : file_(file), size_(file.size()) {}

    std::int64_t size() const { return size_; }

    bool readAt(std::int64_t offset, char* into, std::int64_t length) { return file_.readAt(offset, into, length); }

    std::optional<std::string> textAt(std::int64_t offset) {
        std::array<char, kReplayTextWidth> field{};
        if (!readAt(offset, field.data(), static_cast<std::int64_t>(field.size()))) {
            return std::nullopt;
        }
        return replayText(field.data(), field.size());
    }

    std::optional<std::int32_t> int32At(std::int64_t offset) {
        std::array<char, 4> field{};
        if (!readAt(offset, field.data(), static_cast<std::int64_t>(field.size()))) {
            return std::nullopt;
        }
        return littleEndianInt32(field.data());
    }

    static std::int32_t littleEndianInt32(const char* bytes) {
        std::uint32_t bits = 0;
        for (int i = 3; i >= 0; --i) {
            bits = (bits << 8) | static_cast<unsigned char>(bytes[i]);
        }
        return static_cast<std::int32_t>(bits);
    }

private:
    ReadableFile& file_;
    std::int64_t size_ = 0;
};

void readTrackName(ReplayFile& file, RaceRecord& race) {
    if (const auto track = file.textAt(kTrackNameOffset)) {
        race.trackName = *track;
    }
}

void readDriverSlots(ReplayFile& file, RaceRecord& race) {
    for (std::size_t slot = 0; slot < race.startNumber.size(); ++slot) {
        const std::int64_t base = kSlotTableOffset + static_cast<std::int64_t>(slot) * kSlotSize;
        if (const auto name = file.textAt(base + kDriverNameField)) {
            race.driverName[slot] = *name;
        }
        if (const auto bike = file.textAt(base + kBikeNameField)) {
            race.bikeName[slot] = *bike;
        }
        if (const auto number = file.int32At(base + kStartNumberField)) {
            race.startNumber[slot] = *number;
        }
    }
}

bool readLapRecords(ReplayFile& file, RaceRecord& race) {
    // The count N is the first field of the table's last record.
    const auto count = file.int32At(file.size() - kLapRecordSize);
    if (!count || *count < 0 || *count > kMaxLapRecords ||
        std::int64_t{*count} * kLapRecordSize > file.size()) {
        return false;
    }
    const std::int64_t tableBytes = std::int64_t{*count} * kLapRecordSize;
    std::vector<char> table(static_cast<std::size_t>(tableBytes), '\0');
    if (!file.readAt(file.size() - tableBytes, table.data(), tableBytes)) {
        return false;
    }
    race.recordCount = *count;
    race.lapRecords.assign(static_cast<std::size_t>(*count), LapRecord{});
    std::int32_t lastMarker = 0;
    for (std::int32_t index = 0; index < *count; ++index) {
        const char* record = table.data() + static_cast<std::size_t>(std::int64_t{index} * kLapRecordSize);
        LapRecord& lap = race.lapRecords[static_cast<std::size_t>(index)];
        lap.slot = ReplayFile::littleEndianInt32(record + kRecordSlotField);
        lap.lapNumber = ReplayFile::littleEndianInt32(record + kRecordLapNumberField);
        lap.lapTime = ReplayFile::littleEndianInt32(record + kRecordLapTimeField);
        if (lap.lapNumber == kRaceStartMarkerLap && lap.lapTime == 0) {
            lastMarker = index;
        }
    }
    // Without a marker the race laps start at record 1: record 0 is never a race lap.
    race.firstRaceRecord = lastMarker + 1;
    return true;
}

}  // namespace

std::string replayText(const char* field, std::size_t width) {
    std::size_t length = 0;
    while (length < width && field[length] != '\0') {
        ++length;
    }
    return std::string(field, length);
}

ReplayOutcome readReplay(ReadableFile& replay, RaceRecord& race) {
    ReplayFile file(replay);
    readTrackName(file, race);
    readDriverSlots(file, race);
    if (!readLapRecords(file, race)) {
        return ReplayOutcome::LapTableDamaged;
    }
    return ReplayOutcome::Read;
}

void listTrackAndEntries(Console& console, const RaceRecord& race) {
    std::ostream& out = console.out();
    out << race.trackName << '\n' << '\n';
    for (std::size_t slot = 0; slot < race.startNumber.size(); ++slot) {
        // Slots without a start number are empty places of the grid and not listed.
        if (race.startNumber[slot] != 0) {
            out << race.startNumber[slot] << ' ' << race.driverName[slot] << '\n';
        }
    }
    out << '\n';
}

}  // namespace league::quorrin
