#pragma once
// The analysis of a race of a round's analyse list: Quorrin's analysis of the replayed
// race (every table and both charts of its pages), and how each rider's race ended;
// or, when the export does not fit the replay, why the race is left out.

#include "league/read/race_replay.hpp"
#include "league/read/rider_names.hpp"
#include "league/read/rider_names.hpp"

#include "quorrin/analysis/race_analysis.hpp"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

/// Why a race of the analyse list is left out: its export does not fit its replay.
struct LeftOut {
    /// The rider for whom the export claims more laps than the replay holds, when the
    /// export names one: his number, the laps of each, and his name.
    std::optional<quorrin::LapCountMismatch> mismatch;
    std::string mismatchedRider;
    /// The laps that Quorrin asked about and the season file did not split, which a
    /// split could mend: the mismatched rider's, else every other's; none when no lap
    /// of the replay was slow enough to ask about.
    std::vector<AskedLap> lapsToSplit;
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
    /// Why the race is left out; none when it is analysed.
    std::optional<LeftOut> leftOut;
};

/// Analyses the race when its export fits its replay.
AnalysedRace analyseReplayedRace(ReplayedRace replayed, const RiderNames& names);

}  // namespace league::season
