#pragma once
// The analysis of a race of a round's analyse list: Quorrin's analysis of the replayed
// race (every table and both charts of its pages), how each rider's race ended, the
// stewards' decisions and the final result after them, and the lines of the charts;
// or, when the export does not fit the replay, why the race is left out.

#include "league/read/race_replay.hpp"
#include "league/read/rider_names.hpp"
#include "league/read/season_file.hpp"

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

/// The stewards' decisions about one rider of the analysed race.
struct StewardsDecisions {
    /// The season file's time penalties and disqualifications of this race that name
    /// the rider, in its order.
    std::vector<Penalty> penalties;
    /// The seconds of the time penalties, added to his race time before the final
    /// result is ranked.
    std::int64_t seconds = 0;
    /// Placed last of the final result, without a place.
    bool disqualified = false;
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
    /// Each slot's stewards' decisions; none for most.
    std::array<StewardsDecisions, quorrin::kSlotCount> stewards{};
    /// The final result after the stewards: the riders of Quorrin's final result by
    /// laps, then race time with the time penalties, the disqualified last; the gaps
    /// from those times. Quorrin's own final result when no decision names a rider of it.
    std::array<quorrin::FinalResultRow, quorrin::kSlotCount> finalResult{};
    /// The lines of the position and gap charts: Quorrin's riders, then every other
    /// rider the position board places at some lap; final positions and the result
    /// order from `finalResult`.
    quorrin::RaceChart chart;
    /// The slot of each rider of `chart`.
    std::vector<std::int32_t> chartSlots;
    /// Why the race is left out; none when it is analysed.
    std::optional<LeftOut> leftOut;
};

/// Analyses the race when its export fits its replay. `penalties` are the season
/// file's penalties of this race (those whose race is the replay's name); its time
/// penalties and disqualifications are matched to the riders by their identity.
AnalysedRace analyseReplayedRace(ReplayedRace replayed, const RiderNames& names, const std::vector<Penalty>& penalties);

}  // namespace league::season
