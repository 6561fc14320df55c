#include "league/standings/round_classification.hpp"

#include "league/standings/points_table.hpp"

#include "duvessa/entry_table.hpp"
#include "duvessa/placement.hpp"
#include "duvessa/position_values.hpp"
#include "duvessa/scaling.hpp"
#include "omblen/qualifying_table.hpp"

#include <map>

namespace league::season {

namespace {

// The time of a row with its time penalty, held to the 32-bit range as the merge's
// times are.
std::int32_t penalisedTime(std::int32_t raceTime, std::int32_t seconds) {
    return duvessa::saturatedTime(std::int64_t{raceTime} + std::int64_t{seconds} * 1000);
}

void addReason(std::string& reasons, const std::string& reason) {
    if (!reason.empty()) {
        reasons += (reasons.empty() ? "" : "; ") + reason;
    }
}

std::string placeText(const ClassifiedEntry& entry) {
    if (entry.disqualified) {
        return "DSQ";
    }
    return entry.place ? "P" + std::to_string(*entry.place) : "unplaced";
}

// Lower is better: a place, then no place, then a disqualification.
std::int64_t entryRank(const ClassifiedEntry& entry) {
    if (entry.place) {
        return *entry.place;
    }
    return entry.disqualified ? 1000000 : 999999;
}

// When a rider has two entries in the round, the better place counts; the user is told.
void keepBetterEntries(std::vector<ClassifiedEntry>& entries, const std::string& roundName,
                       std::vector<std::string>& warnings) {
    std::map<std::string, std::vector<std::size_t>> byRider;
    std::vector<std::string> order;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        auto& list = byRider[entries[i].identity];
        if (list.empty()) {
            order.push_back(entries[i].identity);
        }
        list.push_back(i);
    }
    for (const std::string& identity : order) {
        const auto& list = byRider[identity];
        if (list.size() < 2) {
            continue;
        }
        std::size_t best = list.front();
        std::string places;
        for (const std::size_t i : list) {
            if (entryRank(entries[i]) < entryRank(entries[best])) {
                best = i;
            }
            places += (places.empty() ? "" : ", ") + entries[i].race + " " + placeText(entries[i]);
        }
        for (const std::size_t i : list) {
            entries[i].counts = i == best;
        }
        warnings.push_back(roundName + ": " + entries[best].rider + " has " + std::to_string(list.size()) +
                           " entries (" + places + "); the better place counts");
    }
}

std::optional<Pole> findPole(const RoundExports& exports, const RiderNames& names) {
    omblen::QualifyingTable table;
    for (std::size_t k = 0; k < exports.qualifying.size(); ++k) {
        omblen::takeQualifyingRows(table, exports.qualifying[k].rows, static_cast<std::int32_t>(k + 1));
    }
    const std::vector<int> ranking = omblen::rankByBestLap(table);
    if (ranking.empty()) {
        return std::nullopt;
    }
    const omblen::QualifyingEntry& best = table.entries[static_cast<std::size_t>(ranking.front())];
    return Pole{names.leagueName(best.driverName), names.identity(best.driverName), best.startNumber,
                best.bikeName,                     best.bestLap,
                exports.qualifying[static_cast<std::size_t>(best.exportNo - 1)].name};
}

}  // namespace

ClassificationOutcome classifyRound(const Round& round, std::size_t roundNumber, const RoundExports& exports,
                                    const std::vector<std::int32_t>& pointsTable, const RiderNames& names,
                                    const std::string& seasonFileName) {
    ClassificationOutcome outcome;
    const std::string roundName = "Round " + std::to_string(roundNumber) + " (" + round.name + ")";
    std::vector<bool> penaltyFound(round.penalties.size(), false);

    // Every row of every export, with the time penalties and disqualifications of its
    // race; the rows that are not disqualified go into Duvessa's merge.
    std::vector<ClassifiedEntry> rows;
    std::vector<ClassifiedEntry> disqualified;
    duvessa::EntryTable table;
    std::vector<std::size_t> rowOfEntry;
    for (std::size_t k = 0; k < exports.races.size(); ++k) {
        const ExportRows& race = exports.races[k];
        for (const ExportRow& row : race.rows) {
            ClassifiedEntry entry;
            entry.rider = names.leagueName(row.driverName);
            entry.identity = names.identity(row.driverName);
            entry.startNumber = row.startNumber;
            entry.bike = row.bikeName;
            entry.raceNumber = static_cast<std::int32_t>(k + 1);
            entry.race = race.name;
            entry.laps = row.laps;
            entry.raceTime = row.time;
            for (std::size_t p = 0; p < round.penalties.size(); ++p) {
                const Penalty& penalty = round.penalties[p];
                if (penalty.race != race.name || names.identity(penalty.rider) != entry.identity) {
                    continue;
                }
                penaltyFound[p] = true;
                if (penalty.kind == Penalty::Kind::Time) {
                    entry.timePenaltySeconds += penalty.seconds;
                    addReason(entry.penaltyReason, penalty.reason);
                } else if (penalty.kind == Penalty::Kind::Disqualified) {
                    entry.disqualified = true;
                    addReason(entry.penaltyReason, penalty.reason);
                }
            }
            entry.raceTime = penalisedTime(entry.raceTime, entry.timePenaltySeconds);
            if (entry.disqualified) {
                disqualified.push_back(std::move(entry));
                continue;
            }
            ExportRow merged = row;
            merged.time = entry.raceTime;
            if (!duvessa::addEntry(table, merged, entry.raceNumber)) {
                ++outcome.classification.rowsLeftOut;
                continue;
            }
            rowOfEntry.push_back(rows.size());
            rows.push_back(std::move(entry));
        }
    }
    for (std::size_t p = 0; p < round.penalties.size(); ++p) {
        const Penalty& penalty = round.penalties[p];
        if (!penaltyFound[p] && penalty.race) {
            outcome.error = seasonFileName + ", line " + std::to_string(penalty.line) + ": the penalty's rider \"" +
                            penalty.rider + "\" is not in race \"" + *penalty.race + "\" of " + roundName;
            return outcome;
        }
    }
    if (outcome.classification.rowsLeftOut > 0) {
        outcome.warnings.push_back(roundName + ": only 99 riders fit in one classification; " +
                                   std::to_string(outcome.classification.rowsLeftOut) + " rows were left out");
    }

    duvessa::scaleEntries(table);
    const duvessa::Placement placement = duvessa::placeEntries(table);
    std::vector<bool> placed(rows.size(), false);
    std::vector<ClassifiedEntry>& entries = outcome.classification.entries;
    for (std::int32_t position = 1; position <= placement.positionCount; ++position) {
        const std::int32_t index = placement.entryAt(position);
        if (index == duvessa::kEmptyPosition) {
            continue;
        }
        const duvessa::MergeEntry& merged = table.entries[static_cast<std::size_t>(index)];
        const duvessa::PositionValues values = duvessa::positionValues(table, placement, position);
        ClassifiedEntry entry = rows[rowOfEntry[static_cast<std::size_t>(index)]];
        placed[rowOfEntry[static_cast<std::size_t>(index)]] = true;
        entry.place = position;
        entry.fullDistance = values.fullDistance;
        entry.rankTime = merged.rankTime;
        entry.gapToFirst = values.gapToFirst;
        // Duvessa scores a place only for a rider not below the best full-distance time.
        const bool scored = merged.raceTime >= table.referenceTime;
        entry.points = scored ? pointsForPlace(pointsTable, position) : 0;
        entries.push_back(std::move(entry));
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!placed[i]) {
            entries.push_back(rows[i]);
        }
    }
    for (ClassifiedEntry& entry : disqualified) {
        entries.push_back(std::move(entry));
    }
    keepBetterEntries(entries, roundName, outcome.warnings);
    outcome.classification.pole = findPole(exports, names);
    return outcome;
}

}  // namespace league::season
