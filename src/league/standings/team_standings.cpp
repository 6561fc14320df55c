#include "league/standings/team_standings.hpp"

#include "league/standings/countback.hpp"
#include "league/standings/rider_groups.hpp"

#include <algorithm>
#include <map>
#include <set>

namespace league::season {

Result<void, SeasonMistake> checkTeams(const SeasonFile& season, const RiderNames& names) {
    return checkGroups(season.teams, names, SeasonMistake::Kind::TeamListsRiderTwice,
                       SeasonMistake::Kind::RiderInTwoTeams);
}

Result<void, SeasonMistake> checkTeamPenalties(const SeasonFile& season) {
    for (const Round& round : season.rounds) {
        for (const Penalty& penalty : round.penalties) {
            const bool known = std::any_of(season.teams.begin(), season.teams.end(),
                                           [&](const Team& team) { return team.name == penalty.team; });
            if (!penalty.team.empty() && !known) {
                return Failure{SeasonMistake{.kind = SeasonMistake::Kind::PenaltyTeamUnknown,
                                             .line = penalty.line,
                                             .team = penalty.team}};
            }
        }
    }
    return {};
}

std::vector<SeasonWarning> unknownTeamRiders(const SeasonFile& season, const RiderNames& names,
                                             const SeasonResult& result) {
    if (result.rounds.empty()) {
        return {};
    }
    return groupRidersWhoNeverRode(season.teams, names, result.riders, SeasonWarning::Kind::TeamRiderUnknown);
}

namespace {

// The points that the held rounds' team penalties take off (or give) the team.
std::int64_t teamPenaltyPoints(const SeasonResult& result, const std::string& team) {
    std::int64_t points = 0;
    for (const HeldRound& round : result.rounds) {
        for (const PenaltyNote& penalty : round.penalties) {
            points += penalty.team == team ? penalty.points : 0;
        }
    }
    return points;
}

}  // namespace

TeamStandings teamStandings(const SeasonFile& season, const RiderNames& names, const SeasonResult& result) {
    std::map<std::string, const RiderSeason*> riderOf;
    for (const RiderSeason& rider : result.riders) {
        riderOf[rider.identity] = &rider;
    }
    const std::size_t heldCount = result.rounds.size();
    std::vector<TeamRow> teams;
    std::vector<Contender> contenders;
    for (const Team& team : season.teams) {
        TeamRow row;
        row.name = team.name;
        row.roundScores.assign(heldCount, 0);
        Contender contender{team.name, 0, {}};
        for (const std::string& listed : team.riders) {
            const auto found = riderOf.find(names.identity(listed));
            if (found == riderOf.end()) {
                row.riders.push_back(names.leagueName(listed));
                continue;
            }
            const RiderSeason& rider = *found->second;
            row.riders.push_back(rider.name);
            for (std::size_t h = 0; h < heldCount; ++h) {
                row.roundScores[h] += rider.rounds[h].score();
                for (const RiderRace& race : rider.rounds[h].races) {
                    if (race.place) {
                        contender.places.push_back(RoundPlace{h + 1, *race.place});
                    }
                }
            }
        }
        row.penaltyPoints = teamPenaltyPoints(result, team.name);
        row.total = row.penaltyPoints;
        for (const std::int64_t score : row.roundScores) {
            row.total += score;
        }
        contender.total = row.total;
        teams.push_back(std::move(row));
        contenders.push_back(std::move(contender));
    }
    const StandingsOrder order = orderStandings(contenders);
    TeamStandings ordered;
    for (std::size_t i = 0; i < order.order.size(); ++i) {
        TeamRow row = teams[order.order[i]];
        row.position = order.position[i];
        row.shared = order.shared[i];
        row.gapToLeader = teams[order.order.front()].total - row.total;
        ordered.rows.push_back(std::move(row));
    }
    ordered.ties = order.ties;
    return ordered;
}

}  // namespace league::season
