#pragma once
// The standings and a round's classification as plain tables of texts: what the forum
// texts and the CSV files show, cell for cell. The pages show the same cells with more
// markup (tooltips, small place texts) and write themselves.

#include "league/standings/season_standings.hpp"

#include <string>
#include <vector>

namespace league::season {

struct TextTable {
    /// A line above the table in the forum text ("Grid 1 - 9 riders"); none when empty.
    std::string caption;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

/// "R1", "R2", ...: the column of a held round.
std::string roundColumn(std::size_t heldNumber);

/// "round-01" for held round 1: the stem of its files.
std::string roundFileStem(std::size_t heldNumber);

/// "round-01/": the folder of held round 1's race-night pages.
std::string roundFolder(std::size_t heldNumber);

/// The stem of each analysed race's page in the round's folder, in the order of the
/// analyse list: the race's name with "_analysis" ("cup_race_analysis"), every
/// character that a file name on Windows or Linux may not hold written as "_", and a
/// number added when two races would get the same name.
std::vector<std::string> analysisPageStems(const HeldRound& round);

/// A rider's cell of one round: the score, in brackets when dropped; "DSQ"; "–" for a
/// missed round.
std::string roundScoreText(const RiderRound& round, bool dropped);

/// A points total as shown: "-3", "12"; "" for 0 when `blankForZero`.
std::string pointsText(std::int64_t points, bool blankForZero);

/// "3" or "3=" for a shared position.
std::string positionText(std::int32_t position, bool shared);

/// The penalty of a classified entry: "+5 s: reason", "DSQ: reason"; "" for none.
std::string entryPenaltyText(const ClassifiedEntry& entry);

/// "Standings after round 3 of 4" (or that no round has been held yet).
std::string standingsSubtitle(const SeasonResult& result);

/// The title line of the forum texts: "Kestrel Bay Cup 2026 - standings after round 3 of 4".
std::string standingsTitle(const SeasonResult& result);
std::string roundTitle(const SeasonResult& result, const HeldRound& round);

TextTable standingsTable(const SeasonResult& result);
TextTable teamsTable(const SeasonResult& result);
TextTable roundTable(const HeldRound& round);

/// "Kestrel Bay Cup 2026 - round 1: Kestrel Bay (2026-03-14) - qualifying and grids".
std::string qualifyingTitle(const SeasonResult& result, const HeldRound& round);

/// The qualifying classification with each rider's session and new grid.
TextTable qualifyingTable(const QualifyingGrids& grids);

/// The same rows as one table per grid, captioned "Grid 1 - 9 riders", then the riders
/// without a place (one table when the field is not divided).
std::vector<TextTable> gridTables(const QualifyingGrids& grids);

}  // namespace league::season
