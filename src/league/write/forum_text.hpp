#pragma once
// Forum texts: a title line and a table in forum markup ("[table]", "[tr]", "[td]"),
// in the style of Omblen's grids_forum.txt, with CR LF line ends, for pasting into a
// league's forum.

#include "league/write/table_model.hpp"

#include <string>
#include <vector>

namespace league::season {

/// The title line, then each table (an empty line between them) with a header row.
std::string forumText(const std::string& title, const std::vector<Table>& tables);

}  // namespace league::season
