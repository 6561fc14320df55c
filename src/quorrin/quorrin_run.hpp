#pragma once

#include "quorrin/quorrin_options.hpp"
#include "quorrin/record/export_join.hpp"
#include "quorrin/record/race_record.hpp"

#include "common/console.hpp"
#include "common/disk.hpp"
#include "common/result.hpp"

#include <string>

namespace league::quorrin {

/// The files of one run, named after the replay: the two it reads below the
/// simulator's folder and the pages it writes into the working folder.
struct RunFiles {
    std::string replayName;
    std::string replayPath;
    std::string exportPath;
    std::string pageFileName;
    std::string graphFileName;
    /// The charts page, written only when the run was asked for it.
    std::string chartsFileName;
};

/// What the run has when it comes to its pages.
struct PreparedRace {
    RunFiles files;
    RaceRecord race;
    /// Whether the export's race times are in the race.
    ExportJoin exportJoin = ExportJoin::Missing;
};

/// One whole run of Quorrin over a console and the disk of its working folder; returns
/// the exit status. Without options the run is the one the league has always known.
int runQuorrin(Console& console, Disk& disk, const QuorrinOptions& options = {});

/// The run up to its pages, which builds the race record: asks for the replay, reads
/// "Quorrin.ini", composes and echoes the paths, reads and lists the replay, builds the
/// lap table with the slow-lap questions, joins the export and asks the first-lap
/// questions. Gives the race ready for the pages, or the exit status the run stops with
/// on the way (its message and pause already given).
Result<PreparedRace, int> prepareRace(Console& console, Disk& disk);

}  // namespace league::quorrin
