#pragma once
// The end of a Quorrin run: the colour dialogue, the race tables page, and then either
// the graph values page or, when the export could not be used, the failure message.

#include "common/console.hpp"
#include "common/folder.hpp"
#include "quorrin/race_record.hpp"

namespace league::quorrin {

/// Asks for the colour scheme, writes `pageFileName` and then `graphFileName`, or the
/// four failure lines and the pause when `positionTableFailed` is set. Returns the
/// run's exit status: 0, or 1 when a page could not be created.
int writeRacePages(RaceRecord& race, Console& console, const Folder& folder);

}  // namespace league::quorrin
