#include "omblen/qualifying_table.hpp"

#include <algorithm>

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

bool takeQualifyingRows(QualifyingTable& table, const std::vector<ExportRow>& rows, std::int32_t exportNo) {
    const bool wasFull = table.rowsLeftOut > 0;
    for (const ExportRow& row : rows) {
        const QualifyingEntry entry{row.startNumber, row.driverName, row.bikeName, row.time,
                                    row.lapText,     row.speedKmh,   exportNo};
        if (!addEntry(table, entry)) {
            ++table.rowsLeftOut;
        }
    }
    return !wasFull && table.rowsLeftOut > 0;
}

std::vector<int> rankByBestLap(const QualifyingTable& table) {
    std::vector<int> ranking;
    for (int i = 0; i < table.entryCount; ++i) {
        const std::int32_t bestLap = table.entries[static_cast<std::size_t>(i)].bestLap;
        if (bestLap > 0 && bestLap < kNoTime) {
            ranking.push_back(i);
        }
    }
    // Stable, so that equal times keep their reading order.
    std::stable_sort(ranking.begin(), ranking.end(), [&](int a, int b) {
        return table.entries[static_cast<std::size_t>(a)].bestLap < table.entries[static_cast<std::size_t>(b)].bestLap;
    });
    return ranking;
}

int previousPlaced(const std::vector<int>& ranking, std::size_t rank) {
    return rank == 0 ? 0 : ranking[rank - 1];
}

EntryGaps entryGaps(const QualifyingTable& table, int entry, int previousPlaced) {
    const QualifyingEntry& e = table.entries.at(static_cast<std::size_t>(entry));
    const QualifyingEntry& previous = table.entries.at(static_cast<std::size_t>(previousPlaced));
    if (e.bestLap <= table.bestOverall) {
        return {};
    }
    return {timeDifference(e.bestLap, table.bestOverall), timeDifference(e.bestLap, previous.bestLap)};
}

}  // namespace league::omblen
