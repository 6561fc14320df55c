#pragma once
// The names that League reads from the simulator's files (riders and bikes from the
// exports, tracks from the replays) as plain UTF-8 text. The classic readers keep a
// name's bytes as they stand in the file, at most 32 of them: an export's cell is HTML
// text in whatever character set the simulator's machine used. League matches names
// against its season file and writes them into CSV, JSON, forum texts and pages of its
// own, so it needs the text the cell stands for.

#include <cstddef>
#include <string>
#include <string_view>

namespace league::season {

/// The most bytes a name keeps when the classic readers read it.
inline constexpr std::size_t kNameBytes = 32;

/// The text of a name as read from an export or a replay, in UTF-8:
/// - valid UTF-8 stays UTF-8; a name of kNameBytes bytes (the reader cut it) that is
///   valid UTF-8 except for an incomplete letter at its very end loses that part of a
///   letter; anything else is read as Windows-1252;
/// - HTML character references are decoded: the five of markup (&amp; &lt; &gt; &quot;
///   &apos;), the named ones of Latin-1 (&eacute;, &nbsp;, ...), and decimal and
///   hexadecimal ones (&#233;, &#xE9;). A reference without its ';' (the reader may have
///   cut it), an unknown name, or a number that names no character or a control
///   character stays as it is written;
/// - blanks at both ends are removed, a no-break space counting as a blank.
std::string nameText(std::string_view bytes);

/// How many bytes at the start of `bytes` are valid UTF-8: all of them when the whole
/// text is.
std::size_t validUtf8Length(std::string_view bytes);

}  // namespace league::season
