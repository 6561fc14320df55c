#pragma once
// The analysis of a race of a round's analyse list: Quorrin's analysis of the replayed
// race (every table and both charts of its pages), and how each rider's race ended;
// or, when the export does not fit the replay, why the race is left out.

#include "league/read/race_replay.hpp"
#include "league/standings/rider_identity.hpp"

#include "quorrin/analysis/race_analysis.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace league::season {

/// How a rider of the final result ended the race.
struct RaceEnd {
    enum class Kind {
        Finished,  ///< on the winner's lap
        Lapped,    ///< crossed the line for the last time after the winner had finished
        Retired    ///< stopped before the winner finished
    };
    Kind kind = Kind::Finished;
    /// Laps behind the winner.
    std::int32_t lapsBehind = 0;
};

struct AnalysedRace {
    /// The record with the league's names of the riders.
    ReplayedRace replayed;
    /// Only when the export fits the replay.
    std::optional<quorrin::RaceAnalysis> analysis;
    /// The most laps a rider completed, the splits counted.
    std::int32_t laps = 0;
    /// Each slot's end of the race, for the riders of the final result.
    std::array<RaceEnd, quorrin::kSlotCount> raceEnd{};
    /// Why the race is left out ("" when it is analysed): the export does not fit the
    /// replay, with the laps that could be split.
    std::string leftOut;
};

/// Analyses the race when its export fits its replay.
AnalysedRace analyseReplayedRace(ReplayedRace replayed, const RiderNames& names);

/// An analysed race in a few words: "Kestrel Bay Circuit, 20 riders, 12 laps".
std::string raceSummary(const AnalysedRace& race);

}  // namespace league::season
