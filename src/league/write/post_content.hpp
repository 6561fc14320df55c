#pragma once
// What League posts where a league announces its results: the forum texts (table
// markup or a code block of aligned columns) and the Discord messages show the same
// content, made once here from the tables of the pages: a title, the tables, and the
// notes that the pages show below them (the legend of a round's column, the footnotes
// of ties, the penalties with their reasons).

#include "league/write/table_model.hpp"

#include "league/standings/season_standings.hpp"

#include <string>
#include <vector>

namespace league::season {

/// Lines of notes below the tables, under a heading ("Ties on points:"; none when empty).
struct NoteList {
    std::string heading;
    std::vector<std::string> lines;
};

struct PostContent {
    /// The title line, then the lines that follow it (the pole of a round).
    std::vector<std::string> titleLines;
    /// Each with its caption ("Teams", "Grid 1 - 9 riders"), if any.
    std::vector<Table> tables;
    /// The notes that have lines, in order.
    std::vector<NoteList> notes;
};

/// The standings (`riders`, from standingsTable) under the title and the title fight's
/// line, and the teams (`teams`, from teamsTable; left out when it has no rows), the
/// legend of the rounds' columns, the footnotes of the ties and every penalty of the
/// season with its reason.
PostContent standingsPost(const SeasonResult& result, const Table& riders, const Table& teams);

/// A class's standings (`standings`, from standingsTable of the class) under the
/// season's title and the class's name, with the legend and the class's ties.
PostContent classPost(const SeasonResult& result, std::size_t classIndex, const Table& standings);

/// A held round's tables (from roundTables: each race, then the round's total) under
/// its title and pole, with the round's penalties and their reasons.
PostContent roundPost(const SeasonResult& result, const HeldRound& round, const std::vector<Table>& tables);

/// The qualifying of a held round as one table per grid (`grids`, from gridTables).
PostContent qualifyingPost(const SeasonResult& result, const HeldRound& round, std::vector<Table> grids);

}  // namespace league::season
