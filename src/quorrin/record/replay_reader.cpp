#include "quorrin/record/replay_reader.hpp"

#include <algorithm>
#include <array>
#include <optional>
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

// The end of the head of a replay: the track name and the slot table.
constexpr std::int64_t kHeadEnd = kSlotTableOffset + kSlotCount * kSlotSize;

// The replay's fields. Every read states where it reads and gets the field only when
// all of its bytes lie inside the file. The head is read at once, as much of it as the
// file holds, and its fields are taken from memory.
class ReplayFile {
public:
    explicit ReplayFile(ReadableFile& file) : file_(file), size_(file.size()) {
        head_.resize(static_cast<std::size_t>(size_ < kHeadEnd ? size_ : kHeadEnd));
        if (!file_.readAt(0, head_.data(), static_cast<std::int64_t>(head_.size()))) {
            head_.clear();
        }
    }

    std::int64_t size() const { return size_; }

    bool readAt(std::int64_t offset, char* into, std::int64_t length) {
        if (offset >= 0 && length >= 0 && offset + length <= static_cast<std::int64_t>(head_.size())) {
            std::copy_n(head_.data() + offset, length, into);
            return true;
        }
        return file_.readAt(offset, into, length);
    }

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
        const auto byte = [bytes](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i])); };
        return static_cast<std::int32_t>(byte(0) | byte(1) << 8 | byte(2) << 16 | byte(3) << 24);
    }

private:
    ReadableFile& file_;
    std::int64_t size_ = 0;
    std::vector<char> head_;
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

Result<void, ReplayProblem> readLapRecords(ReplayFile& file, RaceRecord& race) {
    // The count N is the first field of the table's last record.
    const auto count = file.int32At(file.size() - kLapRecordSize);
    if (!count || *count < 0 || *count > kMaxLapRecords ||
        std::int64_t{*count} * kLapRecordSize > file.size()) {
        return Failure{ReplayProblem::LapTableDamaged};
    }
    // The table is read in chunks of records, so that a large one needs little memory.
    constexpr std::int32_t kRecordsPerChunk = 256;
    std::array<char, static_cast<std::size_t>(kRecordsPerChunk * kLapRecordSize)> chunk;
    const std::int64_t tableStart = file.size() - std::int64_t{*count} * kLapRecordSize;
    race.lapRecords.clear();
    race.lapRecords.reserve(static_cast<std::size_t>(*count));
    std::int32_t lastMarker = 0;
    for (std::int32_t first = 0; first < *count; first += kRecordsPerChunk) {
        const std::int32_t records = std::min(kRecordsPerChunk, *count - first);
        if (!file.readAt(tableStart + std::int64_t{first} * kLapRecordSize, chunk.data(),
                         std::int64_t{records} * kLapRecordSize)) {
            race.lapRecords.clear();
            return Failure{ReplayProblem::LapTableDamaged};
        }
        for (std::int32_t inChunk = 0; inChunk < records; ++inChunk) {
            const char* record = chunk.data() + static_cast<std::size_t>(std::int64_t{inChunk} * kLapRecordSize);
            const LapRecord lap{ReplayFile::littleEndianInt32(record + kRecordSlotField),
                                ReplayFile::littleEndianInt32(record + kRecordLapNumberField),
                                ReplayFile::littleEndianInt32(record + kRecordLapTimeField)};
            if (lap.lapNumber == kRaceStartMarkerLap && lap.lapTime == 0) {
                lastMarker = first + inChunk;
            }
            race.lapRecords.push_back(lap);
        }
    }
    race.recordCount = *count;
    // Without a marker the race laps start at record 1: record 0 is never a race lap.
    race.firstRaceRecord = lastMarker + 1;
    return {};
}

}  // namespace

std::string replayText(const char* field, std::size_t width) {
    std::size_t length = 0;
    while (length < width && field[length] != '\0') {
        ++length;
    }
    return std::string(field, length);
}

Result<void, ReplayProblem> readReplay(ReadableFile& replay, RaceRecord& race) {
    ReplayFile file(replay);
    readTrackName(file, race);
    readDriverSlots(file, race);
    return readLapRecords(file, race);
}

}  // namespace league::quorrin
