#pragma once
// The words of Quorrin's run: what it lists, asks and says on the console. Only the run
// calls these; the record, the analysis and the pages never talk to the user.

#include "quorrin/analysis/rider_colours.hpp"
#include "quorrin/record/export_join.hpp"
#include "quorrin/record/missing_lap_repair.hpp"
#include "quorrin/record/race_record.hpp"

#include "common/console.hpp"

#include <vector>

namespace league::quorrin {

/// Lists what the replay holds: the track line, an empty line, "number name" for every
/// slot with a start number, an empty line.
void listTrackAndEntries(Console& console, const RaceRecord& race);

/// Asks whether the lap of the question hides an uncounted lap; only a lower-case "y"
/// says yes, anything else and the end of input say no.
bool askToAddLap(Console& console, const RaceRecord& race, const LapQuestion& question);

/// One line per export row used: the start number, " taus=" and the race time,
/// " Straf=" and the penalty.
void listJoinedRows(Console& console, const std::vector<JoinedRow>& rows);

/// Shows the four lines of the colour prompt and reads the answer: 0 chooses the
/// colourful scheme, any other number the plain one (text that is no number gives 0).
ColourScheme askColourScheme(Console& console);

/// The message after the race tables page when the export could not be used, and the
/// pause.
void sayPositionTableFailed(Console& console);

}  // namespace league::quorrin
