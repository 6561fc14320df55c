#include "support/replay_builder.hpp"

namespace league::testing {

namespace {

void putText(std::string& bytes, std::size_t offset, const std::string& text, std::size_t width) {
    for (std::size_t i = 0; i < width && i < text.size(); ++i) {
        bytes[offset + i] = text[i];
    }
}

void putInt32(std::string& bytes, std::size_t offset, std::int32_t value) {
    const std::string encoded = int32Bytes(value);
    bytes.replace(offset, 4, encoded);
}

}  // namespace

std::string int32Bytes(std::int32_t value) {
    const auto bits = static_cast<std::uint32_t>(value);
    std::string encoded(4, '\0');
    for (int i = 0; i < 4; ++i) {
        encoded[static_cast<std::size_t>(i)] = static_cast<char>((bits >> (8 * i)) & 0xFFu);
    }
    return encoded;
}

ReplayBuilder& ReplayBuilder::driver(int slot, std::int32_t startNumber, const std::string& name,
                                     const std::string& bike) {
    slots.at(static_cast<std::size_t>(slot)) = ReplaySlot{name, bike, startNumber};
    return *this;
}

ReplayBuilder& ReplayBuilder::lap(int slot, std::int32_t lapNumber, std::int32_t lapTime) {
    records.push_back(ReplayLapRecord{slot, lapNumber, lapTime});
    return *this;
}

ReplayBuilder& ReplayBuilder::raceStart() {
    return lap(0, 4, 0);
}

ReplayBuilder& ReplayBuilder::laps(int slot, const std::vector<std::int32_t>& lapTimes) {
    std::int32_t lapNumber = 1;
    for (const std::int32_t time : lapTimes) {
        lap(slot, lapNumber++, time);
    }
    return *this;
}

std::string ReplayBuilder::bytes() const {
    constexpr std::size_t kSlotTable = 1138;
    constexpr std::size_t kSlotSize = 264;
    constexpr std::size_t kRecordSize = 40;
    const std::size_t tableStart = kSlotTable + 33 * kSlotSize + middleBytes;
    std::string bytes(tableStart + records.size() * kRecordSize, '\0');
    // Something in the regions that are never read, so that a reader that strays there
    // reads nonsense rather than convenient zeros.
    for (std::size_t i = 0; i < 30; ++i) {
        bytes[i] = static_cast<char>('A' + i % 26);
    }
    putText(bytes, 30, trackName, 32);
    for (std::size_t s = 0; s < slots.size(); ++s) {
        const std::size_t base = kSlotTable + s * kSlotSize;
        putText(bytes, base, slots[s].driverName, 32);
        putText(bytes, base + 32, slots[s].bikeName, 32);
        for (std::size_t i = 64; i < 256; ++i) {
            bytes[base + i] = static_cast<char>(0x5A);
        }
        putInt32(bytes, base + 256, slots[s].startNumber);
        putInt32(bytes, base + 260, 0x7F7F7F7F);
    }
    for (std::size_t i = kSlotTable + 33 * kSlotSize; i < tableStart; ++i) {
        bytes[i] = static_cast<char>(0xA5);
    }
    for (std::size_t r = 0; r < records.size(); ++r) {
        const std::size_t base = tableStart + r * kRecordSize;
        putInt32(bytes, base + 4, 0x11111111);
        putInt32(bytes, base + 16, records[r].slot);
        putInt32(bytes, base + 24, records[r].lapNumber);
        putInt32(bytes, base + 28, records[r].lapTime);
    }
    // The first field of the table's last record holds the record count (0 for an
    // empty table, written where the last record would begin).
    const std::int32_t count = recordCountOverride.value_or(static_cast<std::int32_t>(records.size()));
    putInt32(bytes, bytes.size() - kRecordSize, count);
    return bytes;
}

}  // namespace league::testing
