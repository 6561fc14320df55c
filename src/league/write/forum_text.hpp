#pragma once
// Forum texts: the title lines and each table in forum table markup ("[table]", "[tr]",
// "[td]"), in the style of Omblen's grids_forum.txt, then the notes, with CR LF line
// ends, for pasting into a league's forum whose board knows table markup.

#include "league/write/post_content.hpp"

#include "common/report_writer.hpp"

#include <string>
#include <vector>

namespace league::season {

/// The title lines, then each table (an empty line before it, its caption, a header
/// row), then each list of notes (an empty line before it, its heading in bold).
std::string forumText(const PostContent& post);

/// Each list of notes of a forum text: an empty line, its heading in bold, its lines.
void writeForumNotes(ReportWriter& text, const std::vector<NoteList>& notes);

}  // namespace league::season
