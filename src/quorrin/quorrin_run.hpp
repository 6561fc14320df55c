#pragma once

#include "quorrin/quorrin_options.hpp"
#include "quorrin/race_record.hpp"

#include "common/console.hpp"
#include "common/disk.hpp"

#include <optional>

namespace league::quorrin {

/// One whole run of Quorrin over a console and the disk of its working folder; returns
/// the exit status. Without options the run is the one the league has always known.
int runQuorrin(Console& console, Disk& disk, const QuorrinOptions& options = {});

/// The run up to its pages, which builds the race record: asks for the replay, reads
/// "Quorrin.ini", composes and echoes the paths, reads and lists the replay, builds the
/// lap table with the slow-lap questions, joins the export, computes the averages and
/// asks the first-lap questions. Returns the exit status when the run stops on the way
/// (its message and pause already given), or nothing when `race` is ready for the pages.
std::optional<int> prepareRace(RaceRecord& race, Console& console, Disk& disk);

}  // namespace league::quorrin
