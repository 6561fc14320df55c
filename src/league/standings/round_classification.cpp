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

// Lower is better: a place, then no place, then a disqualification.
std::int64_t entryRank(const ClassifiedEntry& entry) {
    if (entry.place) {
        return *entry.place;
    }
    return entry.disqualified ? 1000000 : 999999;
}

// When a rider has two entries in the round, the better place counts; the admin is told.
void keepBetterEntries(std::vector<ClassifiedEntry>& entries, const RoundName& round,
                       std::vector<SeasonWarning>& warnings) {
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
        SeasonWarning warning{.kind = SeasonWarning::Kind::TwoEntries, .round = round};
        for (const std::size_t i : list) {
            if (entryRank(entries[i]) < entryRank(entries[best])) {
                best = i;
            }
            warning.entries.push_back({entries[i].race, entries[i].place, entries[i].disqualified});
        }
        for (const std::size_t i : list) {
            entries[i].counts = i == best;
        }
        warning.rider = entries[best].rider;
        warnings.push_back(std::move(warning));
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

// The rows of a round's races, the time penalties in their times, in Duvessa's
// merge; the disqualified rows beside it.
struct MergedRaces {
    duvessa::EntryTable table;
    /// The merged rows, and for each entry of the table its row.
    std::vector<ClassifiedEntry> rows;
    std::vector<std::size_t> rowOfEntry;
    std::vector<ClassifiedEntry> disqualified;
    /// Rows that found the merge's table of 99 entries full.
    std::int32_t rowsLeftOut = 0;
};

// The row of an export as the round classifies it, before the merge.
ClassifiedEntry entryOf(const ExportRow& row, const ExportRows& race, std::size_t raceIndex, const RiderNames& names) {
    ClassifiedEntry entry;
    entry.rider = names.leagueName(row.driverName);
    entry.identity = names.identity(row.driverName);
    entry.startNumber = row.startNumber;
    entry.bike = row.bikeName;
    entry.raceNumber = static_cast<std::int32_t>(raceIndex + 1);
    entry.race = race.name;
    entry.laps = row.laps;
    entry.raceTime = row.time;
    return entry;
}

// Applies the penalties of `round` that name the entry's rider and race; marks them found.
void applyPenalties(ClassifiedEntry& entry, const Round& round, const RiderNames& names,
                    std::vector<bool>& penaltyFound) {
    for (std::size_t p = 0; p < round.penalties.size(); ++p) {
        const Penalty& penalty = round.penalties[p];
        if (penalty.race != entry.race || names.identity(penalty.rider) != entry.identity) {
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
}

// Every row of every race export, with the time penalties and disqualifications of its
// race; the rows that are not disqualified go into Duvessa's merge. A penalty of a race
// whose rider is not in it is a mistake (its round is the caller's to name).
Result<MergedRaces, SeasonMistake> mergeRaces(const Round& round, const RoundExports& exports,
                                              const RiderNames& names) {
    MergedRaces merged;
    std::vector<bool> penaltyFound(round.penalties.size(), false);
    for (std::size_t k = 0; k < exports.races.size(); ++k) {
        for (const ExportRow& row : exports.races[k].rows) {
            ClassifiedEntry entry = entryOf(row, exports.races[k], k, names);
            applyPenalties(entry, round, names, penaltyFound);
            if (entry.disqualified) {
                merged.disqualified.push_back(std::move(entry));
                continue;
            }
            ExportRow timed = row;
            timed.time = entry.raceTime;
            if (!duvessa::addEntry(merged.table, timed, entry.raceNumber)) {
                ++merged.rowsLeftOut;
                continue;
            }
            merged.rowOfEntry.push_back(merged.rows.size());
            merged.rows.push_back(std::move(entry));
        }
    }
    for (std::size_t p = 0; p < round.penalties.size(); ++p) {
        const Penalty& penalty = round.penalties[p];
        if (!penaltyFound[p] && penalty.race) {
            return Failure{SeasonMistake{.kind = SeasonMistake::Kind::PenaltyRiderNotInRace,
                                         .line = penalty.line,
                                         .race = *penalty.race,
                                         .rider = penalty.rider}};
        }
    }
    return merged;
}

// The classification of the merged races: placed entries by place with their points,
// then the unplaced ones, then the disqualified ones.
std::vector<ClassifiedEntry> placeEntries(MergedRaces& merged, const std::vector<std::int32_t>& pointsTable) {
    duvessa::EntryTable& table = merged.table;
    duvessa::scaleEntries(table);
    const duvessa::Placement placement = duvessa::placeEntries(table);
    std::vector<bool> placed(merged.rows.size(), false);
    std::vector<ClassifiedEntry> entries;
    for (std::int32_t position = 1; position <= placement.positionCount; ++position) {
        const std::int32_t index = placement.entryAt(position);
        if (index == duvessa::kEmptyPosition) {
            continue;
        }
        const duvessa::MergeEntry& entryOfTable = table.entries[static_cast<std::size_t>(index)];
        const duvessa::PositionValues values = duvessa::positionValues(table, placement, position);
        const std::size_t row = merged.rowOfEntry[static_cast<std::size_t>(index)];
        ClassifiedEntry entry = merged.rows[row];
        placed[row] = true;
        entry.place = position;
        entry.fullDistance = values.fullDistance;
        entry.rankTime = entryOfTable.rankTime;
        entry.gapToFirst = values.gapToFirst;
        // Duvessa scores a place only for a rider not below the best full-distance time.
        const bool scored = entryOfTable.raceTime >= table.referenceTime;
        entry.points = scored ? pointsForPlace(pointsTable, position) : 0;
        entries.push_back(std::move(entry));
    }
    for (std::size_t i = 0; i < merged.rows.size(); ++i) {
        if (!placed[i]) {
            entries.push_back(merged.rows[i]);
        }
    }
    for (ClassifiedEntry& entry : merged.disqualified) {
        entries.push_back(std::move(entry));
    }
    return entries;
}

}  // namespace

Result<ClassifiedRound, SeasonMistake> classifyRound(const Round& round, std::size_t roundNumber,
                                                     const RoundExports& exports,
                                                     const std::vector<std::int32_t>& pointsTable,
                                                     const RiderNames& names) {
    const RoundName name{roundNumber, round.name};
    auto merged = mergeRaces(round, exports, names);
    if (!merged) {
        SeasonMistake mistake = merged.reason();
        mistake.round = name;
        return Failure{std::move(mistake)};
    }
    ClassifiedRound classified;
    RoundClassification& classification = classified.classification;
    classification.rowsLeftOut = merged->rowsLeftOut;
    if (classification.rowsLeftOut > 0) {
        classified.warnings.push_back(
            {.kind = SeasonWarning::Kind::RowsLeftOut, .round = name, .count = classification.rowsLeftOut});
    }
    classification.entries = placeEntries(*merged, pointsTable);
    keepBetterEntries(classification.entries, name, classified.warnings);
    classification.pole = findPole(exports, names);
    return classified;
}

}  // namespace league::season
