#include "omblen/qualifying_table.hpp"

namespace league::omblen {

bool addEntry(QualifyingTable& table, const QualifyingEntry& entry) {
    if (table.entryCount >= kMaxEntries) {
        return false;
    }
    table.entries[static_cast<std::size_t>(table.entryCount)] = entry;
    ++table.entryCount;
    if (entry.bestLap < table.bestOverall) {
        table.bestOverall = entry.bestLap;
    }
    return true;
}

int nextFastestEntry(const QualifyingTable& table) {
    int fastest = -1;
    std::int32_t fastestLap = kNoTime;
    for (int i = 0; i < kMaxEntries; ++i) {
        const QualifyingEntry& entry = table.entries[static_cast<std::size_t>(i)];
        // Strictly smaller, so that equal times keep their reading order.
        if (!entry.placed && entry.bestLap > 0 && entry.bestLap < fastestLap) {
            fastest = i;
            fastestLap = entry.bestLap;
        }
    }
    return fastest;
}

void clearPlacedFlags(QualifyingTable& table) {
    for (QualifyingEntry& entry : table.entries) {
        entry.placed = false;
    }
}

}  // namespace league::omblen
