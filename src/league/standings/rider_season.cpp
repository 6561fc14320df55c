#include "league/standings/rider_season.hpp"

#include "league/standings/drops.hpp"

#include <map>

namespace league::season {

namespace {

// The standings after the first `heldCount` held rounds.
Standings standingsAfter(const std::vector<RiderSeason>& riders, const std::vector<bool>& allKeep,
                         std::int32_t dropWorst, std::size_t heldCount, const Standings* previous) {
    const std::vector<bool> keep(allKeep.begin(), allKeep.begin() + static_cast<std::ptrdiff_t>(heldCount));
    std::vector<std::size_t> riderOfContender;
    std::vector<Contender> contenders;
    std::vector<StandingsRow> rows;
    for (std::size_t r = 0; r < riders.size(); ++r) {
        const RiderSeason& rider = riders[r];
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
            for (const RiderRace& race : round.races) {
                if (race.place) {
                    contender.places.push_back(RoundPlace{h + 1, *race.place});
                }
            }
        }
        if (!appeared) {
            continue;
        }
        row.dropped = droppedRounds(scores, keep, dropWorst);
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
    standings.ties = order.ties;
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
        if (const auto before = positionBefore.find(row.rider); before != positionBefore.end()) {
            row.positionBefore = before->second;
        }
        standings.rows.push_back(std::move(row));
    }
    return standings;
}

}  // namespace

std::vector<Standings> standingsAfterEachRound(const std::vector<RiderSeason>& riders, const std::vector<bool>& keep,
                                               std::int32_t dropWorst) {
    std::vector<Standings> after;
    for (std::size_t held = 1; held <= keep.size(); ++held) {
        after.push_back(standingsAfter(riders, keep, dropWorst, held, after.empty() ? nullptr : &after.back()));
    }
    if (after.empty()) {
        after.push_back(Standings{});
    }
    return after;
}

}  // namespace league::season
