#pragma once
// The row recipes of the three programs: which cells of one export row each program
// reads, in which order, with which skips. Each returns whether the row was read
// whole; a row that ran out of file or found no number is abandoned, and the rows of
// that export end.

#include "common/export_reader.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace league {

/// Texts of a row keep at most these many bytes (the capacity includes a terminator).
inline constexpr std::size_t kNameCapacity = 33;
inline constexpr std::size_t kLapTextCapacity = 7;

/// The speed factor from miles per hour to km/h.
inline constexpr double kKmhPerMph = 1.609344;

/// The values a program takes from one export row; each recipe fills its own fields.
struct ExportRow {
    std::int32_t startNumber = 0;
    std::string driverName;
    std::string bikeName;
    std::int32_t laps = 0;
    /// Total race time in a race export, best lap in a practice or qualifying export.
    std::int32_t time = 0;
    /// Quorrin: whether the row's penalty cell began with '+', and its milliseconds.
    bool hasPenalty = false;
    std::int32_t penalty = 0;
    std::string lapText;
    double speedKmh = 0.0;
};

/// What became of a row.
enum class RowOutcome {
    Taken,     ///< the row was read whole and passed its check
    RowsEnd,   ///< the row's checked value ends the export's rows; the row is not taken
    Abandoned  ///< the file ran out or a number was missing; the rows end
};

/// The last cells of a Quorrin row.
struct RaceTimeAndPenalty {
    std::int32_t raceTime = 0;
    /// In milliseconds; only when the row's penalty cell begins with '+'.
    std::optional<std::int32_t> penalty;
};

/// Quorrin reads a row in three stages, because its caller acts between them: the
/// start number names the winner, and the laps decide whether the rest is read. Each
/// stage gives nothing when the row cannot be read whole (the file ran out, a number
/// was missing or does not fit), and the row is then abandoned.
std::optional<std::int32_t> readQuorrinRowStartNumber(ExportReader& reader);
std::optional<std::int32_t> readQuorrinRowLaps(ExportReader& reader);
std::optional<RaceTimeAndPenalty> readQuorrinRowTimeAndPenalty(ExportReader& reader);
/// All three stages of a Quorrin row, without the caller's checks between them.
RowOutcome readQuorrinRow(ExportReader& reader, ExportRow& row);

/// Omblen: start number, names, best lap (0 ends the rows), lap text and speed.
RowOutcome readOmblenRow(ExportReader& reader, ExportRow& row);

/// Duvessa: start number, names, laps (outside 1 to 35 ends the rows) and race time.
RowOutcome readDuvessaRow(ExportReader& reader, ExportRow& row);

using RowRecipe = RowOutcome (*)(ExportReader& reader, ExportRow& row);

/// The rows of a whole export that `recipe` takes, in file order, while the region
/// allows; a row that ends the rows or is abandoned ends the reading.
std::vector<ExportRow> readExportRows(std::string exportBytes, std::int64_t endMargin, RowRecipe recipe);

}  // namespace league
