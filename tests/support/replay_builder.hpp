#pragma once
// Builds replay files with the binary layout the race analyser reads: the track name
// at byte 30, the 33 driver slots of 264 bytes from byte 1138, and the table of 40-byte
// lap records at the end of the file whose last record holds the record count.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::testing {

struct ReplaySlot {
    std::string driverName;
    std::string bikeName;
    std::int32_t startNumber = 0;
};

struct ReplayLapRecord {
    std::int32_t slot = 0;
    std::int32_t lapNumber = 0;
    std::int32_t lapTime = 0;
};

class ReplayBuilder {
public:
    std::string trackName = "Harbour Loop";
    std::array<ReplaySlot, 33> slots{};
    std::vector<ReplayLapRecord> records;
    /// Bytes of unread replay data between the slot table and the lap record table.
    std::size_t middleBytes = 4096;
    /// Writes this record count instead of the true one (for damaged tables).
    std::optional<std::int32_t> recordCountOverride;

    ReplayBuilder& driver(int slot, std::int32_t startNumber, const std::string& name, const std::string& bike);
    /// A record that the replay holds before the race (practice laps, a warm-up).
    ReplayBuilder& lap(int slot, std::int32_t lapNumber, std::int32_t lapTime);
    /// The race start marker: a record with lap number 4 and lap time 0.
    ReplayBuilder& raceStart();
    /// The laps of one slot, numbered from 1, one record each, in the order given.
    ReplayBuilder& laps(int slot, const std::vector<std::int32_t>& lapTimes);

    std::string bytes() const;
};

/// Little-endian bytes of a 32-bit integer, for tests that patch a replay.
std::string int32Bytes(std::int32_t value);

}  // namespace league::testing
