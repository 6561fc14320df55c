#pragma once
// What a rider made of the season and where he stands: his part in every race and
// round held, and the standings after a number of held rounds. The overall standings
// and each class's are made of these.

#include "league/standings/countback.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::season {

/// A rider's part in one scored race of a round.
struct RiderRace {
    /// The race: its index among the round's races.
    std::size_t race = 0;
    std::optional<std::int32_t> place{};
    bool disqualified = false;
    std::int32_t points = 0;
};

/// A rider's part in one held round.
struct RiderRound {
    /// The rider has a counting entry in the round's races.
    bool rode = false;
    /// The races he rode, in the round's order.
    std::vector<RiderRace> races{};
    /// The place in the round's first race; none when he did not ride it or had none.
    std::optional<std::int32_t> place{};
    /// Disqualified in every race he rode.
    bool disqualified = false;
    /// The points of his races together.
    std::int32_t racePoints = 0;
    bool pole = false;
    std::int32_t polePoints = 0;
    /// Points penalties of the round (counted after the round, never dropped).
    std::int32_t penaltyPoints = 0;

    std::int32_t score() const { return racePoints + polePoints; }
};

struct RiderSeason {
    std::string identity{};
    /// The league's name; for a rider without a [riders] line, as the latest round wrote it.
    std::string name{};
    /// Number and bike of the latest round the rider rode.
    std::int32_t startNumber = 0;
    std::string bike{};
    /// One per held round.
    std::vector<RiderRound> rounds{};
};

struct StandingsRow {
    std::size_t rider = 0;  ///< index into SeasonResult::riders
    std::int32_t position = 0;
    bool shared = false;
    /// The position in the standings after the previous held round; none for a rider
    /// new in the standings.
    std::optional<std::int32_t> positionBefore{};
    /// One per held round so far.
    std::vector<bool> dropped{};
    std::int64_t penaltyPoints = 0;
    std::int64_t total = 0;
    std::int64_t gapToLeader = 0;
};

struct Standings {
    /// The standings after this many held rounds.
    std::size_t heldRounds = 0;
    std::vector<StandingsRow> rows{};
    /// The ties on points that countback or the later best place decided.
    std::vector<TieDecision> ties{};
};

/// The standings of `riders` after each held round in turn, each with the change of
/// every position against the one before: `keep` tells the rounds that are never
/// dropped, `dropWorst` how many others are. One empty standings while no round is held.
std::vector<Standings> standingsAfterEachRound(const std::vector<RiderSeason>& riders, const std::vector<bool>& keep,
                                               std::int32_t dropWorst);

}  // namespace league::season
