#pragma once
// The races a round analyses, each built into Quorrin's race record as a Quorrin run
// builds it: the replay read, the lap table, the slow-lap questions, the export joined,
// the first-lap questions. The questions are answered from the round's split list: "y"
// for a listed lap, "n" for every other, in Quorrin's order, so that a split changes
// the questions after it as it does in Quorrin.

#include "league/read/season_file.hpp"

#include "quorrin/record/export_join.hpp"
#include "quorrin/record/race_record.hpp"

#include "common/disk.hpp"
#include "common/result.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league::season {

/// A lap that Quorrin asks about, with the answer the season file gives.
struct AskedLap {
    std::int32_t startNumber = 0;
    /// The rider's name as the replay writes it, decoded (nameText).
    std::string rider;
    std::int32_t lap = 0;
    std::int32_t lapTime = 0;
    std::int32_t bestLap = 0;
    /// The lap may hold the finish: the export's race time may need editing too.
    bool lastLapCaution = false;
    bool split = false;
    /// The split entry that splits this lap: "cup_race #68 lap 7".
    std::string splitEntry;
};

/// One analysed race after the repairs and the export join.
struct ReplayedRace {
    std::string name;
    /// Names and the track decoded as every name League reads (nameText).
    quorrin::RaceRecord record;
    quorrin::ExportJoin exportJoin = quorrin::ExportJoin::Missing;
    /// With NotThisRace: the rider for whom the export claims more laps than the replay.
    std::optional<quorrin::LapCountMismatch> lapCountMismatch;
    /// In the order Quorrin asks.
    std::vector<AskedLap> askedLaps;
};

/// The replay path as Quorrin composes it: folder + "replays\" + name + ".rpy".
std::string replayPath(const std::string& simulatorFolder, const std::string& raceName);

/// Builds the record of `race`, one of the analyse list of `round` (numbered
/// `roundNumber`), with the round's splits of that race; or why it cannot be built: a
/// missing or damaged replay, a missing export, a split that Quorrin would not ask about.
Result<ReplayedRace, SeasonMistake> replayRace(Disk& disk, const std::string& simulatorFolder, const Round& round,
                                               std::size_t roundNumber, const RaceToAnalyse& race);

}  // namespace league::season
