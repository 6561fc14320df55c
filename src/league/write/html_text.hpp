#pragma once
// What every League page shares: text escaped for HTML, and the page's frame (an HTML5
// head with the character set and one style element, and its end). The pages stand on
// their own: no script, no other file, no web font; dark text on white at a contrast of
// 4.5:1 or more, and a print style.

#include <cstdint>
#include <string>
#include <string_view>

namespace league::season {

/// The text with '&', '<', '>', '"' and '\'' written as character references, for
/// element content and attribute values alike.
std::string htmlText(std::string_view text);

/// Appends the page's head and the opening of its body; `title` is plain text.
void writePageStart(std::string& page, std::string_view title);

/// Appends the end of the body and of the page.
void writePageEnd(std::string& page);

/// A number of milliseconds as a time text ("1:23.456"); "–" for none.
std::string timeText(std::int32_t ms);

/// A gap behind the first in milliseconds: "+1.234"; "" for none.
std::string gapText(std::int32_t ms);

}  // namespace league::season
