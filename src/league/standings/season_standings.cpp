#include "league/standings/season_standings.hpp"

#include "league/standings/class_standings.hpp"
#include "league/standings/countback.hpp"
#include "league/standings/drops.hpp"
#include "league/standings/points_table.hpp"
#include "league/read/rider_names.hpp"
#include "league/standings/team_standings.hpp"

#include <algorithm>
#include <iterator>
#include <map>
#include <set>

namespace league::season {

namespace {

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

private:
    std::vector<RiderSeason>& riders_;
    std::size_t heldCount_;
    std::map<std::string, std::size_t> index_;
};

// Two names with one start number that never rode in the same round may be one rider
// whose name changed: the user is told which [riders] line would join them.
void warnAboutSharedNumbers(const SeasonResult& result, std::vector<SeasonWarning>& warnings) {
    std::map<std::int32_t, std::map<std::size_t, std::vector<std::size_t>>> roundsByNumber;
    for (const HeldRound& round : result.rounds) {
        for (const ClassifiedRace& race : round.classification.races) {
            for (const ClassifiedEntry& entry : race.entries) {
                for (std::size_t r = 0; r < result.riders.size() && entry.counts; ++r) {
                    if (result.riders[r].identity != entry.identity) {
                        continue;
                    }
                    std::vector<std::size_t>& rounds = roundsByNumber[entry.startNumber][r];
                    if (rounds.empty() || rounds.back() != round.number) {
                        rounds.push_back(round.number);
                    }
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
                warnings.push_back({.kind = SeasonWarning::Kind::SharedStartNumber,
                                    .rider = result.riders[earlier.first].name,
                                    .otherRider = result.riders[later.first].name,
                                    .number = number,
                                    .rounds = earlier.second,
                                    .laterRounds = later.second});
            }
        }
    }
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

// The race night of a held round: its qualifying and grids, and its analysed races.
void addRaceNight(HeldRound& held, const Round& round, const RoundExports& exports, const RaceNights& nights,
                  const RiderNames& names, std::vector<SeasonWarning>& warnings) {
    if (!exports.qualifying.empty()) {
        QualifyingGrids grids = qualifyingGrids(exports.qualifying, names, gridSizeOf(round, nights));
        if (!round.gridSize && nights.gridSizeFile && !nights.gridSizeFile->ok()) {
            grids.gridSizeFile = nights.gridSizeFile->reason();
        }
        if (grids.rowsLeftOut > 0) {
            warnings.push_back({.kind = SeasonWarning::Kind::QualifyingRowsLeftOut,
                                .round = {held.seasonIndex + 1, round.name},
                                .count = grids.rowsLeftOut});
        }
        held.qualifyingGrids = std::move(grids);
    }
    for (const ReplayedRace& replayed : exports.replays) {
        std::vector<Penalty> penalties;
        std::copy_if(round.penalties.begin(), round.penalties.end(), std::back_inserter(penalties),
                     [&](const Penalty& penalty) { return penalty.race == replayed.name; });
        held.analyses.push_back(analyseReplayedRace(replayed, names, penalties));
    }
}

// A penalty as the standings list it, with the scored race and grid of its export.
PenaltyNote penaltyNote(const Penalty& penalty, const Round& round, std::size_t number, const RiderNames& names) {
    PenaltyNote note{.heldRound = number,
                     .rider = penalty.team.empty() ? names.leagueName(penalty.rider) : std::string(),
                     .team = penalty.team,
                     .race = penalty.race.value_or(""),
                     .kind = penalty.kind,
                     .seconds = penalty.seconds,
                     .points = penalty.points,
                     .reason = penalty.reason};
    for (std::size_t r = 0; r < round.races.size() && penalty.race; ++r) {
        const std::vector<std::string>& exports = round.races[r].exports;
        const auto found = std::find(exports.begin(), exports.end(), *penalty.race);
        if (found != exports.end()) {
            note.scoredRace = r;
            note.grid = static_cast<std::int32_t>(found - exports.begin() + 1);
        }
    }
    return note;
}

// The held round of the season file's round at `seasonIndex`, numbered `number` among
// the held rounds: its classification, penalties and race night.
Result<HeldRound, SeasonMistake> heldRoundOf(const Round& round, std::size_t seasonIndex, std::size_t number,
                                             const RaceNights& nights, const RiderNames& names,
                                             SeasonResult& result) {
    const RoundExports& exports = nights.rounds[seasonIndex];
    auto classified = classifyRound(round, seasonIndex + 1, exports, result.points, names);
    if (!classified) {
        return Failure{classified.reason()};
    }
    result.warnings.insert(result.warnings.end(), classified->warnings.begin(), classified->warnings.end());
    HeldRound held{.seasonIndex = seasonIndex,
                   .number = number,
                   .name = round.name,
                   .date = round.date,
                   .keep = round.keep,
                   .qualifying = round.qualifying,
                   .classification = std::move(classified->classification)};
    for (const Penalty& penalty : round.penalties) {
        held.penalties.push_back(penaltyNote(penalty, round, number, names));
    }
    addRaceNight(held, round, exports, nights, names, result.warnings);
    return held;
}

// The calendar, and every held round classified. A round to come can have no penalty.
Result<void, SeasonMistake> classifyRounds(const SeasonFile& season, const RaceNights& nights,
                                           const RiderNames& names, SeasonResult& result) {
    for (std::size_t r = 0; r < season.rounds.size(); ++r) {
        const Round& round = season.rounds[r];
        CalendarRound calendar{.name = round.name, .date = round.date, .keep = round.keep};
        if (!round.held()) {
            for (const ScoredRace& race : round.races) {
                calendar.racesToCome.emplace_back(race.name, race.points.empty() ? result.points : race.points);
            }
            if (calendar.racesToCome.empty()) {
                calendar.racesToCome.emplace_back("Race", result.points);
            }
        }
        if (round.held()) {
            auto held = heldRoundOf(round, r, result.rounds.size() + 1, nights, names, result);
            if (!held) {
                return Failure{held.reason()};
            }
            calendar.heldNumber = held->number;
            result.rounds.push_back(std::move(*held));
        } else if (!round.penalties.empty()) {
            return Failure{SeasonMistake{.kind = SeasonMistake::Kind::PenaltyInRoundToCome,
                                         .line = round.penalties.front().line,
                                         .round = {r + 1, round.name}}};
        }
        result.calendar.push_back(std::move(calendar));
    }
    return {};
}

// A rider's part in race `race` of held round `h`: his number, bike and unmapped name
// are those of the latest race.
void addRace(RiderSeason& rider, std::size_t h, std::size_t race, const ClassifiedEntry& entry) {
    rider.name = entry.rider;
    rider.startNumber = entry.startNumber;
    rider.bike = entry.bike;
    RiderRound& part = rider.rounds[h];
    part.disqualified = (!part.rode || part.disqualified) && entry.disqualified;
    part.rode = true;
    part.races.push_back(RiderRace{race, entry.place, entry.disqualified, entry.points});
    if (race == 0) {
        part.place = entry.place;
    }
    part.racePoints += entry.points;
}

// Every rider's part in every held round; number, bike and unmapped names from the
// latest round.
void collectRiders(SeasonResult& result) {
    RiderList riders(result.riders, result.rounds.size());
    for (std::size_t h = 0; h < result.rounds.size(); ++h) {
        const HeldRound& round = result.rounds[h];
        for (std::size_t r = 0; r < round.classification.races.size(); ++r) {
            for (const ClassifiedEntry& entry : round.classification.races[r].entries) {
                if (entry.counts) {
                    addRace(riders.rider(entry.identity, entry.rider), h, r, entry);
                }
            }
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
}

// The points penalties of every held round, in the round's score of their rider, who
// must have ridden in the season.
Result<void, SeasonMistake> addPointsPenalties(const SeasonFile& season, const RiderNames& names,
                                               SeasonResult& result) {
    std::map<std::string, std::size_t> riderOf;
    for (std::size_t r = 0; r < result.riders.size(); ++r) {
        riderOf.emplace(result.riders[r].identity, r);
    }
    for (std::size_t h = 0; h < result.rounds.size(); ++h) {
        for (const Penalty& penalty : season.rounds[result.rounds[h].seasonIndex].penalties) {
            if (penalty.kind != Penalty::Kind::Points || !penalty.team.empty()) {
                continue;
            }
            const auto found = riderOf.find(names.identity(penalty.rider));
            if (found == riderOf.end()) {
                return Failure{SeasonMistake{.kind = SeasonMistake::Kind::PenaltyRiderNeverRode,
                                             .line = penalty.line,
                                             .rider = penalty.rider}};
            }
            result.riders[found->second].rounds[h].penaltyPoints += penalty.points;
        }
    }
    return {};
}

}  // namespace

Result<SeasonResult, SeasonMistake> computeSeason(const SeasonFile& season, const RaceNights& nights) {
    const RiderNames names(season.riderNames);
    if (const auto teams = checkTeams(season, names); !teams) {
        return Failure{teams.reason()};
    }
    if (const auto penalties = checkTeamPenalties(season); !penalties) {
        return Failure{penalties.reason()};
    }
    if (const auto classes = checkClasses(season, names); !classes) {
        return Failure{classes.reason()};
    }
    SeasonResult result;
    result.title = season.title;
    result.points = pointsTable(season);
    result.polePoints = season.polePoints;
    result.dropWorst = season.dropWorst;
    if (const auto rounds = classifyRounds(season, nights, names, result); !rounds) {
        return Failure{rounds.reason()};
    }
    collectRiders(result);
    if (const auto penalties = addPointsPenalties(season, names, result); !penalties) {
        return Failure{penalties.reason()};
    }
    warnAboutSharedNumbers(result, result.warnings);
    if (nights.gridSizeFile && !nights.gridSizeFile->ok() &&
        nights.gridSizeFile->reason() == omblen::GridSizeProblem::NoSizeAboveZero) {
        result.warnings.push_back({.kind = SeasonWarning::Kind::NoGridSize});
    }
    std::vector<bool> keep;
    for (const HeldRound& round : result.rounds) {
        keep.push_back(round.keep);
    }
    result.standingsAfter = standingsAfterEachRound(result.riders, keep, result.dropWorst);
    placeClasses(result.rounds, season, names);
    result.classes = classStandings(season, names, result);
    result.overallStandings = season.overallStandings;
    TeamStandings teams = teamStandings(season, names, result);
    result.teams = std::move(teams.rows);
    result.teamTies = std::move(teams.ties);
    for (const auto& more : {unknownTeamRiders(season, names, result), classWarnings(season, names, result)}) {
        result.warnings.insert(result.warnings.end(), more.begin(), more.end());
    }
    result.titleFight = titleFight(result, result.riders, result.standings());
    for (ClassStandings& riderClass : result.classes) {
        riderClass.titleFight = titleFight(result, riderClass.riders, riderClass.standings());
    }
    return result;
}

}  // namespace league::season
