#include "league/standings/round_classification.hpp"

#include "league/standings/points_table.hpp"

#include "duvessa/entry_table.hpp"
#include "duvessa/scaling.hpp"
#include "omblen/qualifying_table.hpp"

#include "common/time_text.hpp"

#include <algorithm>
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

// When a rider has two entries in a race, the better place counts; the admin is told.
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
            warning.entries.push_back({entries[i].exportName, entries[i].place, entries[i].disqualified});
        }
        for (const std::size_t i : list) {
            entries[i].counts = i == best;
        }
        warning.rider = entries[best].rider;
        warnings.push_back(std::move(warning));
    }
}

// The riders of the round's qualifying by best lap, as Omblen ranks them.
std::vector<Pole> qualifyingOrderOf(const RoundExports& exports, const RiderNames& names) {
    omblen::QualifyingTable table;
    for (std::size_t k = 0; k < exports.qualifying.size(); ++k) {
        omblen::takeQualifyingRows(table, exports.qualifying[k].rows, static_cast<std::int32_t>(k + 1));
    }
    std::vector<Pole> order;
    for (const int index : omblen::rankByBestLap(table)) {
        const omblen::QualifyingEntry& entry = table.entries[static_cast<std::size_t>(index)];
        order.push_back(Pole{names.leagueName(entry.driverName),
                             names.identity(entry.driverName),
                             entry.startNumber,
                             entry.bikeName,
                             entry.bestLap,
                             entry.exportNo,
                             exports.qualifying[static_cast<std::size_t>(entry.exportNo - 1)].name});
    }
    return order;
}

// The row of an export as its race classifies it, before the ranking.
ClassifiedEntry entryOf(const ExportRow& row, const ExportRows& grid, std::size_t gridIndex, const RiderNames& names) {
    ClassifiedEntry entry;
    entry.rider = names.leagueName(row.driverName);
    entry.identity = names.identity(row.driverName);
    entry.startNumber = row.startNumber;
    entry.bike = row.bikeName;
    entry.grid = static_cast<std::int32_t>(gridIndex + 1);
    entry.exportName = grid.name;
    entry.laps = row.laps;
    entry.raceTime = row.time;
    return entry;
}

// Applies the penalties of `round` that name the entry's rider and export; marks them
// found.
void applyPenalties(ClassifiedEntry& entry, const Round& round, const RiderNames& names,
                    std::vector<bool>& penaltyFound) {
    for (std::size_t p = 0; p < round.penalties.size(); ++p) {
        const Penalty& penalty = round.penalties[p];
        if (penalty.race != entry.exportName || names.identity(penalty.rider) != entry.identity) {
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
}

/// The rows of a race's grids, the disqualified ones apart; and the race's end in each
/// grid: the laps of its first row and the best export time over those laps.
struct RaceRows {
    std::vector<ClassifiedEntry> ranked;
    /// The export's own time of each ranked row, before time penalties.
    std::vector<std::int32_t> exportTime;
    std::vector<ClassifiedEntry> disqualified;
    std::vector<std::int32_t> gridLaps;
    std::vector<std::int32_t> gridFinish;
    std::int32_t rowsLeftOut = 0;
};

RaceRows raceRows(const std::vector<ExportRows>& grids, const Round& round, const RiderNames& names,
                  std::vector<bool>& penaltyFound) {
    RaceRows rows;
    rows.gridLaps.assign(grids.size(), 0);
    rows.gridFinish.assign(grids.size(), kNoTime);
    for (std::size_t k = 0; k < grids.size(); ++k) {
        bool first = true;
        for (const ExportRow& row : grids[k].rows) {
            ClassifiedEntry entry = entryOf(row, grids[k], k, names);
            applyPenalties(entry, round, names, penaltyFound);
            if (entry.disqualified) {
                rows.disqualified.push_back(std::move(entry));
                continue;
            }
            // A classification holds as many riders as Duvessa's merge.
            if (rows.ranked.size() >= static_cast<std::size_t>(duvessa::kMaxEntries)) {
                ++rows.rowsLeftOut;
                continue;
            }
            if (first) {
                rows.gridLaps[k] = row.laps;
                first = false;
            }
            if (row.laps == rows.gridLaps[k]) {
                rows.gridFinish[k] = std::min(rows.gridFinish[k], row.time);
            }
            rows.exportTime.push_back(row.time);
            entry.raceTime = penalisedTime(row.time, entry.timePenaltySeconds);
            rows.ranked.push_back(std::move(entry));
        }
    }
    return rows;
}

// Whether each ranked row finished its grid's race, and the time it is ranked by: over
// the common distance for a finisher, its own for a rider who stopped early.
void judgeRows(RaceRows& rows, std::int32_t commonLaps) {
    for (std::size_t i = 0; i < rows.ranked.size(); ++i) {
        ClassifiedEntry& entry = rows.ranked[i];
        const auto grid = static_cast<std::size_t>(entry.grid - 1);
        entry.finished = rows.exportTime[i] >= rows.gridFinish[grid];
        entry.rankTime =
            entry.finished ? duvessa::scaledRaceTime(entry.raceTime, entry.laps, commonLaps) : entry.raceTime;
    }
}

// Finishers by their time over the common distance, then those who stopped early by
// laps, then time; in reading order where equal. Places run on until a time ranks
// nowhere (kNoTime or more), as in Duvessa's merge; the points go to the finishers.
void placeRows(std::vector<ClassifiedEntry>& ranked, const std::vector<std::int32_t>& points) {
    std::stable_sort(ranked.begin(), ranked.end(), [](const ClassifiedEntry& a, const ClassifiedEntry& b) {
        if (a.finished != b.finished) {
            return a.finished;
        }
        if (!a.finished && a.laps != b.laps) {
            return a.laps > b.laps;
        }
        return a.rankTime < b.rankTime;
    });
    std::int32_t place = 0;
    for (ClassifiedEntry& entry : ranked) {
        if (entry.rankTime >= kNoTime) {
            break;
        }
        entry.place = ++place;
        entry.points = entry.finished ? pointsForPlace(points, place) : 0;
        entry.gapToFirst = entry.finished ? timeDifference(entry.rankTime, ranked.front().rankTime) : 0;
    }
}

ClassifiedRace classifyRace(const ScoredRace& race, const std::vector<ExportRows>& grids, const Round& round,
                            const std::vector<std::int32_t>& seasonPoints, const RiderNames& names,
                            std::vector<bool>& penaltyFound) {
    ClassifiedRace classified;
    classified.name = race.name;
    classified.exports = race.exports;
    classified.points = race.points.empty() ? seasonPoints : race.points;
    RaceRows rows = raceRows(grids, round, names, penaltyFound);
    classified.gridLaps = rows.gridLaps;
    classified.rowsLeftOut = rows.rowsLeftOut;
    if (!rows.ranked.empty()) {
        classified.commonLaps = rows.gridLaps[static_cast<std::size_t>(rows.ranked.front().grid - 1)];
    }
    judgeRows(rows, classified.commonLaps);
    placeRows(rows.ranked, classified.points);
    classified.entries = std::move(rows.ranked);
    for (ClassifiedEntry& entry : rows.disqualified) {
        classified.entries.push_back(std::move(entry));
    }
    return classified;
}

// What the admin should know about a classified race: rows left out, grids of different
// distances, riders with two entries.
void warnAbout(ClassifiedRace& race, const RoundName& round, std::vector<SeasonWarning>& warnings) {
    if (race.rowsLeftOut > 0) {
        warnings.push_back({.kind = SeasonWarning::Kind::RowsLeftOut, .round = round, .count = race.rowsLeftOut});
    }
    if (race.distancesDiffer()) {
        SeasonWarning warning{.kind = SeasonWarning::Kind::GridDistancesDiffer, .round = round, .race = race.name};
        for (std::size_t k = 0; k < race.exports.size(); ++k) {
            warning.grids.emplace_back(race.exports[k], race.gridLaps[k]);
        }
        warnings.push_back(std::move(warning));
    }
    keepBetterEntries(race.entries, round, warnings);
}

}  // namespace

bool ClassifiedRace::distancesDiffer() const {
    return std::any_of(gridLaps.begin(), gridLaps.end(),
                       [&](std::int32_t laps) { return laps != 0 && laps != commonLaps; });
}

Result<ClassifiedRound, SeasonMistake> classifyRound(const Round& round, std::size_t roundNumber,
                                                     const RoundExports& exports,
                                                     const std::vector<std::int32_t>& seasonPoints,
                                                     const RiderNames& names) {
    const RoundName name{roundNumber, round.name};
    ClassifiedRound classified;
    std::vector<bool> penaltyFound(round.penalties.size(), false);
    for (std::size_t r = 0; r < round.races.size(); ++r) {
        classified.classification.races.push_back(
            classifyRace(round.races[r], exports.races[r], round, seasonPoints, names, penaltyFound));
    }
    for (std::size_t p = 0; p < round.penalties.size(); ++p) {
        const Penalty& penalty = round.penalties[p];
        if (!penaltyFound[p] && penalty.race) {
            return Failure{SeasonMistake{.kind = SeasonMistake::Kind::PenaltyRiderNotInRace,
                                         .line = penalty.line,
                                         .race = *penalty.race,
                                         .rider = penalty.rider,
                                         .round = name}};
        }
    }
    for (ClassifiedRace& race : classified.classification.races) {
        warnAbout(race, name, classified.warnings);
    }
    classified.classification.qualifyingOrder = qualifyingOrderOf(exports, names);
    if (!classified.classification.qualifyingOrder.empty()) {
        classified.classification.pole = classified.classification.qualifyingOrder.front();
    }
    return classified;
}

}  // namespace league::season
