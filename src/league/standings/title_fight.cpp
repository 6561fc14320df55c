#include "league/standings/title_fight.hpp"

#include "league/standings/drops.hpp"
#include "league/standings/season_standings.hpp"

namespace league::season {

namespace {

// What every rider is assumed to score in each round still to come.
enum class Outlook { Nothing, SecondPlaces, Wins };

// The calendar as it stood after some held rounds: the rounds held by then with their
// held round (from 0), and what each round still to come can give.
struct CalendarOutlook {
    std::vector<bool> keep{};
    std::vector<std::optional<std::size_t>> held{};
    /// Per calendar round; 0 for a held one.
    std::vector<std::int64_t> wins{};
    std::vector<std::int64_t> secondPlaces{};
};

std::int32_t valueAt(const std::vector<std::int32_t>& table, std::size_t index) {
    return index < table.size() ? table[index] : 0;
}

// The calendar after `heldCount` held rounds: the rounds held later count as to come
// with the points tables their races gave.
CalendarOutlook calendarAfter(const SeasonResult& season, std::size_t heldCount) {
    CalendarOutlook calendar;
    for (const CalendarRound& round : season.calendar) {
        calendar.keep.push_back(round.keep);
        if (round.heldNumber && *round.heldNumber <= heldCount) {
            calendar.held.push_back(*round.heldNumber - 1);
            calendar.wins.push_back(0);
            calendar.secondPlaces.push_back(0);
            continue;
        }
        std::vector<const std::vector<std::int32_t>*> tables;
        if (round.heldNumber) {
            for (const ClassifiedRace& race : season.rounds[*round.heldNumber - 1].classification.races) {
                tables.push_back(&race.points);
            }
        } else {
            for (const auto& [name, points] : round.racesToCome) {
                tables.push_back(&points);
            }
        }
        std::int64_t wins = season.polePoints;
        std::int64_t secondPlaces = 0;
        for (const std::vector<std::int32_t>* table : tables) {
            wins += valueAt(*table, 0);
            secondPlaces += valueAt(*table, 1);
        }
        calendar.held.push_back(std::nullopt);
        calendar.wins.push_back(wins);
        calendar.secondPlaces.push_back(secondPlaces);
    }
    return calendar;
}

// The rider's total at the end of the season: his held rounds' scores and points
// penalties, each round to come scored as `outlook` says, the worst rounds dropped over
// the whole calendar.
std::int64_t seasonEndTotal(const RiderSeason& rider, const CalendarOutlook& calendar, std::int32_t dropWorst,
                            Outlook outlook) {
    std::vector<std::int32_t> scores;
    std::int64_t total = 0;
    for (std::size_t c = 0; c < calendar.held.size(); ++c) {
        if (const auto& held = calendar.held[c]) {
            scores.push_back(rider.rounds[*held].score());
            total += rider.rounds[*held].penaltyPoints;
        } else {
            const std::int64_t toCome = outlook == Outlook::Wins           ? calendar.wins[c]
                                        : outlook == Outlook::SecondPlaces ? calendar.secondPlaces[c]
                                                                           : 0;
            scores.push_back(static_cast<std::int32_t>(toCome));
        }
    }
    const std::vector<bool> dropped = droppedRounds(scores, calendar.keep, dropWorst);
    for (std::size_t c = 0; c < scores.size(); ++c) {
        total += dropped[c] ? 0 : scores[c];
    }
    return total;
}

// Each rider's totals at the end of the season in the three outlooks.
struct SeasonEnd {
    std::int64_t minTotal = 0;
    std::int64_t maxTotal = 0;
    std::int64_t afterSecondPlaces = 0;
};

std::vector<SeasonEnd> seasonEnds(const SeasonResult& season, const std::vector<RiderSeason>& ridersOfStandings,
                                  const std::vector<std::size_t>& riders, const CalendarOutlook& calendar) {
    std::vector<SeasonEnd> ends;
    for (const std::size_t r : riders) {
        const RiderSeason& rider = ridersOfStandings[r];
        ends.push_back({seasonEndTotal(rider, calendar, season.dropWorst, Outlook::Nothing),
                        seasonEndTotal(rider, calendar, season.dropWorst, Outlook::Wins),
                        seasonEndTotal(rider, calendar, season.dropWorst, Outlook::SecondPlaces)});
    }
    return ends;
}

// The one (index into `ends`) whose least is above every other one's most; none while
// nobody's is.
std::optional<std::size_t> decidedChampion(const std::vector<SeasonEnd>& ends) {
    for (std::size_t i = 0; i < ends.size(); ++i) {
        bool decided = true;
        for (std::size_t j = 0; j < ends.size() && decided; ++j) {
            decided = j == i || ends[i].minTotal > ends[j].maxTotal;
        }
        if (decided) {
            return i;
        }
    }
    return std::nullopt;
}

// The first of the held rounds after which `champion` (index into `riders`) was decided
// and stayed so, looking back from the last of `heldCount`.
std::size_t decidingHeldRound(const SeasonResult& season, const std::vector<RiderSeason>& ridersOfStandings,
                              const std::vector<std::size_t>& riders, std::size_t heldCount, std::size_t champion) {
    std::size_t deciding = heldCount;
    while (deciding > 1 &&
           decidedChampion(seasonEnds(season, ridersOfStandings, riders, calendarAfter(season, deciding - 1))) ==
               std::optional<std::size_t>(champion)) {
        --deciding;
    }
    return deciding;
}

}  // namespace

TitleFight titleFight(const SeasonResult& season, const std::vector<RiderSeason>& ridersOfStandings,
                      const Standings& standings) {
    TitleFight fight;
    const CalendarOutlook calendar = calendarAfter(season, standings.heldRounds);
    for (std::size_t c = 0; c < calendar.held.size(); ++c) {
        fight.roundsToCome += calendar.held[c] ? 0 : 1;
        fight.pointsAvailable += calendar.wins[c];
    }
    std::vector<std::size_t> riders;
    for (const StandingsRow& row : standings.rows) {
        riders.push_back(row.rider);
    }
    const std::vector<SeasonEnd> ends = seasonEnds(season, ridersOfStandings, riders, calendar);
    for (std::size_t i = 0; i < ends.size(); ++i) {
        TitleFightRider rider{riders[i],     ridersOfStandings[riders[i]].name, standings.rows[i].total,
                              ends[i].maxTotal, ends[i].minTotal,                 true,
                              true};
        for (std::size_t j = 0; j < ends.size(); ++j) {
            rider.canWin = rider.canWin && (j == i || ends[i].maxTotal >= ends[j].minTotal);
            rider.inOwnHands = rider.inOwnHands && (j == i || ends[i].maxTotal > ends[j].afterSecondPlaces);
        }
        fight.riders.push_back(rider);
    }
    std::optional<std::size_t> champion = decidedChampion(ends);
    if (fight.roundsToCome == 0) {
        const bool firstShared = standings.rows.empty() || standings.rows.front().shared;
        champion = firstShared ? std::nullopt : std::optional<std::size_t>(0);
    }
    if (champion) {
        fight.champion = riders[*champion];
        const std::size_t held = decidingHeldRound(season, ridersOfStandings, riders, standings.heldRounds, *champion);
        fight.decidedAfterRound = season.rounds[held - 1].seasonIndex + 1;
    }
    return fight;
}

std::string championName(const TitleFight& fight) {
    for (const TitleFightRider& rider : fight.riders) {
        if (fight.champion == rider.rider) {
            return rider.name;
        }
    }
    return {};
}

}  // namespace league::season
