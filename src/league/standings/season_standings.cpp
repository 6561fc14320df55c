#include "league/standings/season_standings.hpp"

#include "league/standings/countback.hpp"
#include "league/standings/drops.hpp"
#include "league/standings/points_table.hpp"
#include "league/standings/rider_identity.hpp"
#include "league/standings/team_standings.hpp"

#include <map>
#include <set>

namespace league::season {

namespace {

std::string penaltyWhat(const Penalty& penalty) {
    switch (penalty.kind) {
    case Penalty::Kind::Time:
        return "+" + std::to_string(penalty.seconds) + " s";
    case Penalty::Kind::Disqualified:
        return "disqualified";
    case Penalty::Kind::Points:
        break;
    }
    return (penalty.points > 0 ? "+" : "") + std::to_string(penalty.points) + " points";
}

// The riders of the held rounds, in the order they first appear.
class RiderList {
public:
    RiderList(std::vector<RiderSeason>& riders, std::size_t heldCount) : riders_(riders), heldCount_(heldCount) {}

    RiderSeason& rider(const std::string& identity, const std::string& name) {
        const auto found = index_.find(identity);
        if (found != index_.end()) {
            return riders_[found->second];
        }
        index_[identity] = riders_.size();
        RiderSeason rider;
        rider.identity = identity;
        rider.name = name;
        rider.rounds.resize(heldCount_);
        riders_.push_back(std::move(rider));
        return riders_.back();
    }

    RiderSeason* find(const std::string& identity) {
        const auto found = index_.find(identity);
        return found == index_.end() ? nullptr : &riders_[found->second];
    }

private:
    std::vector<RiderSeason>& riders_;
    std::size_t heldCount_;
    std::map<std::string, std::size_t> index_;
};

std::string roundList(const std::vector<std::size_t>& rounds) {
    std::string text = rounds.size() == 1 ? "round " : "rounds ";
    for (std::size_t i = 0; i < rounds.size(); ++i) {
        text += (i == 0 ? "" : ", ") + std::to_string(rounds[i]);
    }
    return text;
}

// Two names with one start number that never rode in the same round may be one rider
// whose name changed: the user is told which [riders] line would join them.
void warnAboutSharedNumbers(const SeasonResult& result, std::vector<std::string>& warnings) {
    std::map<std::int32_t, std::map<std::size_t, std::vector<std::size_t>>> roundsByNumber;
    for (const HeldRound& round : result.rounds) {
        for (const ClassifiedEntry& entry : round.classification.entries) {
            if (!entry.counts) {
                continue;
            }
            for (std::size_t r = 0; r < result.riders.size(); ++r) {
                if (result.riders[r].identity == entry.identity) {
                    roundsByNumber[entry.startNumber][r].push_back(round.number);
                }
            }
        }
    }
    for (const auto& [number, riders] : roundsByNumber) {
        for (auto a = riders.begin(); a != riders.end(); ++a) {
            for (auto b = std::next(a); b != riders.end(); ++b) {
                const std::set<std::size_t> first(a->second.begin(), a->second.end());
                bool together = false;
                for (const std::size_t round : b->second) {
                    together = together || first.count(round) != 0;
                }
                if (together) {
                    continue;
                }
                // The name of the later rounds is the one to keep.
                const bool aIsEarlier = a->second.back() < b->second.back();
                const auto& earlier = aIsEarlier ? *a : *b;
                const auto& later = aIsEarlier ? *b : *a;
                const std::string& oldName = result.riders[earlier.first].name;
                const std::string& newName = result.riders[later.first].name;
                warnings.push_back("Start number " + std::to_string(number) + " is \"" + oldName + "\" in " +
                                   roundList(earlier.second) + " and \"" + newName + "\" in " +
                                   roundList(later.second) + ": if they are one rider, add the line \"" + oldName +
                                   "\" = \"" + newName + "\" under [riders]");
            }
        }
    }
}

std::string changeText(std::int32_t before, std::int32_t now) {
    if (before == 0) {
        return "new";
    }
    if (before == now) {
        return "=";
    }
    return before > now ? "\u25B2" + std::to_string(before - now) : "\u25BC" + std::to_string(now - before);
}

// The standings after the first `heldCount` held rounds.
Standings standingsAfter(const SeasonResult& result, std::size_t heldCount, const Standings* previous) {
    std::vector<bool> keep;
    for (std::size_t h = 0; h < heldCount; ++h) {
        keep.push_back(result.rounds[h].keep);
    }
    std::vector<std::size_t> riderOfContender;
    std::vector<Contender> contenders;
    std::vector<StandingsRow> rows;
    for (std::size_t r = 0; r < result.riders.size(); ++r) {
        const RiderSeason& rider = result.riders[r];
        bool appeared = false;
        std::vector<std::int32_t> scores;
        scores.reserve(heldCount);
        StandingsRow row;
        row.rider = r;
        Contender contender{rider.name, 0, {}};
        for (std::size_t h = 0; h < heldCount; ++h) {
            const RiderRound& round = rider.rounds[h];
            appeared = appeared || round.rode || round.pole || round.penaltyPoints != 0;
            scores.push_back(round.score());
            row.penaltyPoints += round.penaltyPoints;
            if (round.place) {
                contender.places.push_back(RoundPlace{h + 1, *round.place});
            }
        }
        if (!appeared) {
            continue;
        }
        row.dropped = droppedRounds(scores, keep, result.dropWorst);
        row.total = row.penaltyPoints;
        for (std::size_t h = 0; h < heldCount; ++h) {
            row.total += row.dropped[h] ? 0 : scores[h];
        }
        contender.total = row.total;
        riderOfContender.push_back(r);
        contenders.push_back(std::move(contender));
        rows.push_back(std::move(row));
    }
    const StandingsOrder order = orderStandings(contenders);
    Standings standings;
    standings.heldRounds = heldCount;
    standings.footnotes = order.footnotes;
    std::map<std::size_t, std::int32_t> positionBefore;
    if (previous != nullptr) {
        for (const StandingsRow& row : previous->rows) {
            positionBefore[row.rider] = row.position;
        }
    }
    for (std::size_t i = 0; i < order.order.size(); ++i) {
        StandingsRow row = rows[order.order[i]];
        row.position = order.position[i];
        row.shared = order.shared[i];
        row.gapToLeader = rows[order.order.front()].total - row.total;
        const auto before = positionBefore.find(row.rider);
        row.change = changeText(before == positionBefore.end() ? 0 : before->second, row.position);
        standings.rows.push_back(std::move(row));
    }
    return standings;
}

// The round's own grid size, else maxdriversingrid.ini's; none: no grids.
std::optional<std::int32_t> gridSizeOf(const Round& round, const RaceNights& nights) {
    if (round.gridSize) {
        return round.gridSize;
    }
    if (nights.gridSizeFile && nights.gridSizeFile->ok()) {
        return nights.gridSizeFile->value();
    }
    return std::nullopt;
}

}  // namespace

SeasonOutcome computeSeason(const SeasonFile& season, const RaceNights& nights, const std::string& seasonFileName) {
    const RiderNames names(season.riderNames);
    if (std::string error = checkTeams(season, names, seasonFileName); !error.empty()) {
        return {std::nullopt, error};
    }
    SeasonResult result;
    result.title = season.title;
    result.points = pointsTable(season);
    result.polePoints = season.polePoints;
    result.dropWorst = season.dropWorst;
    result.rounds.reserve(season.rounds.size());

    for (std::size_t r = 0; r < season.rounds.size(); ++r) {
        const Round& round = season.rounds[r];
        CalendarRound calendar{round.name, round.date, 0, round.keep};
        if (round.held()) {
            ClassificationOutcome classified =
                classifyRound(round, r + 1, nights.rounds[r], result.points, names, seasonFileName);
            if (!classified.error.empty()) {
                return {std::nullopt, classified.error};
            }
            result.warnings.insert(result.warnings.end(), classified.warnings.begin(), classified.warnings.end());
            HeldRound held{r, result.rounds.size() + 1, round.name, round.date, round.keep, round.races,
                           round.qualifying, std::move(classified.classification), {}, std::nullopt, {}};
            for (const Penalty& penalty : round.penalties) {
                held.penalties.push_back(
                    PenaltyNote{held.number, names.leagueName(penalty.rider), penalty.race.value_or(""),
                                penaltyWhat(penalty), penalty.reason});
            }
            const RoundExports& exports = nights.rounds[r];
            if (!exports.qualifying.empty()) {
                held.qualifyingGrids = qualifyingGrids(exports.qualifying, names, gridSizeOf(round, nights));
                if (!round.gridSize && nights.gridSizeFile && !nights.gridSizeFile->ok()) {
                    held.qualifyingGrids->gridSizeFile = nights.gridSizeFile->reason();
                }
                if (held.qualifyingGrids->rowsLeftOut > 0) {
                    result.warnings.push_back("Round " + std::to_string(r + 1) + " (" + round.name +
                                              "): only " + std::to_string(omblen::kMaxEntries) +
                                              " riders fit in the qualifying; " +
                                              std::to_string(held.qualifyingGrids->rowsLeftOut) + " rows were left out");
                }
            }
            for (const ReplayedRace& replayed : exports.replays) {
                held.analyses.push_back(analyseReplayedRace(replayed, names));
            }
            calendar.heldNumber = held.number;
            result.rounds.push_back(std::move(held));
        } else if (!round.penalties.empty()) {
            return {std::nullopt, seasonFileName + ", line " + std::to_string(round.penalties.front().line) +
                                      ": round \"" + round.name + "\" has no races yet, so it can have no penalty"};
        }
        result.calendar.push_back(std::move(calendar));
    }

    // Every rider's part in every held round; number, bike and unmapped names from the
    // latest round.
    RiderList riders(result.riders, result.rounds.size());
    for (std::size_t h = 0; h < result.rounds.size(); ++h) {
        const HeldRound& round = result.rounds[h];
        for (const ClassifiedEntry& entry : round.classification.entries) {
            if (!entry.counts) {
                continue;
            }
            RiderSeason& rider = riders.rider(entry.identity, entry.rider);
            rider.name = entry.rider;
            rider.startNumber = entry.startNumber;
            rider.bike = entry.bike;
            RiderRound& part = rider.rounds[h];
            part.rode = true;
            part.place = entry.place;
            part.disqualified = entry.disqualified;
            part.racePoints = entry.points;
        }
        if (const auto& pole = round.classification.pole) {
            RiderSeason& rider = riders.rider(pole->identity, pole->rider);
            if (rider.startNumber == 0 && rider.bike.empty()) {
                rider.startNumber = pole->startNumber;
                rider.bike = pole->bike;
            }
            rider.rounds[h].pole = true;
            rider.rounds[h].polePoints = result.polePoints;
        }
    }
    for (std::size_t h = 0; h < result.rounds.size(); ++h) {
        const Round& round = season.rounds[result.rounds[h].seasonIndex];
        for (const Penalty& penalty : round.penalties) {
            if (penalty.kind != Penalty::Kind::Points) {
                continue;
            }
            RiderSeason* rider = riders.find(names.identity(penalty.rider));
            if (rider == nullptr) {
                return {std::nullopt, seasonFileName + ", line " + std::to_string(penalty.line) + ": the penalty's rider \"" +
                                          penalty.rider + "\" has ridden no round of the season"};
            }
            rider->rounds[h].penaltyPoints += penalty.points;
        }
    }
    warnAboutSharedNumbers(result, result.warnings);
    if (nights.gridSizeFile && !nights.gridSizeFile->ok() &&
        nights.gridSizeFile->reason() == omblen::GridSizeProblem::NoSizeAboveZero) {
        result.warnings.push_back("maxdriversingrid.ini holds no grid size above 0: the qualifying is not divided into "
                                  "grids (or give the round a grid_size)");
    }

    for (std::size_t held = 1; held <= result.rounds.size(); ++held) {
        const Standings* previous = result.standingsAfter.empty() ? nullptr : &result.standingsAfter.back();
        Standings standings = standingsAfter(result, held, previous);
        result.standingsAfter.push_back(std::move(standings));
    }
    if (result.standingsAfter.empty()) {
        result.standingsAfter.push_back(Standings{});
    }
    result.teams = teamStandings(season, names, result, result.teamFootnotes);
    const std::vector<std::string> unknown = unknownTeamRiders(season, names, result, seasonFileName);
    result.warnings.insert(result.warnings.end(), unknown.begin(), unknown.end());
    return {std::move(result), {}};
}

}  // namespace league::season
