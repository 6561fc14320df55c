#pragma once
// Forum texts that any board shows: the same content as the forum text, its tables as
// one code block ("[code]") of aligned columns, which a board without table markup
// shows as it is written; the title lines and the notes around the block as plain
// text. CR LF line ends, as the forum text.

#include "league/write/post_content.hpp"

#include <string>

namespace league::season {

/// The title lines, an empty line, the code block (each table with its caption, an
/// empty line between tables), then the notes as in the forum text.
std::string forumCodeText(const PostContent& post);

}  // namespace league::season
