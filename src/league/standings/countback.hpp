#pragma once
// The order of a standings table: higher total first; equal totals by countback over
// the places of all held rounds (more wins, then more second places, ...); then the one
// whose best place came in the later round; else a shared position, listed by name.
// Every tie on points that countback or the later round decided is kept with its
// reason, for the footnotes of the tables.

#include <cstdint>
#include <string>
#include <vector>

namespace league::season {

/// A place taken in a held round (from 1).
struct RoundPlace {
    std::size_t round = 0;
    std::int32_t place = 0;
};

/// A rider or a team in the standings.
struct Contender {
    std::string name{};
    std::int64_t total = 0;
    /// The places taken in the held rounds, in round order (a team has one per rider who
    /// was placed).
    std::vector<RoundPlace> places{};
};

/// A tie on points decided between two neighbours of the order.
struct TieDecision {
    std::string ahead{};
    std::string behind{};
    /// Decided by countback at this place (from 1): the one ahead took it more often
    /// (aheadCount times against behindCount). 0: equal on countback, decided by the
    /// best place (bestPlace), which the one ahead took later (aheadRound, against
    /// behindRound).
    std::size_t countbackPlace = 0;
    std::int32_t aheadCount = 0;
    std::int32_t behindCount = 0;
    std::int32_t bestPlace = 0;
    std::size_t aheadRound = 0;
    std::size_t behindRound = 0;
};

struct StandingsOrder {
    /// Indices of the contenders, first to last.
    std::vector<std::size_t> order{};
    /// The position of each in `order`'s sequence; equal for a shared position.
    std::vector<std::int32_t> position{};
    std::vector<bool> shared{};
    std::vector<TieDecision> ties{};
};

/// Orders the contenders.
StandingsOrder orderStandings(const std::vector<Contender>& contenders);

}  // namespace league::season
