#pragma once
// What every League page shares: text escaped for HTML, and the page's frame (an HTML5
// head with the character set and one style element, and its end), or the frame of
// the same content as a fragment to paste into a website. The pages stand on
// their own: no script, no other file, no web font; dark text on white at a contrast of
// 4.5:1 or more, and a print style.

#include "common/report_writer.hpp"

#include <cstdint>
#include <string>
#include <string_view>

namespace league::season {

/// The text with '&', '<', '>', '"' and '\'' written as character references, for
/// element content and attribute values alike.
std::string htmlText(std::string_view text);

/// Appends the page's head and the opening of its body; `title` is plain text. A
/// narrow page fits a column of 1000 pixels; its wider tables scroll in their own box.
void writePageStart(std::string& page, std::string_view title, bool narrow = false);

/// Appends the end of the body and of the page.
void writePageEnd(std::string& page);

/// Appends the opening of a fragment: what an admin pastes into a page of a website.
/// It has no html, head or body element; its style element touches only the elements
/// inside its own root element (every rule starts with the root's class).
void writeFragmentStart(std::string& fragment, bool narrow = false);

/// Appends the end of a fragment.
void writeFragmentEnd(std::string& fragment);

/// The start of a page titled `title`, or of a fragment (which has no title) when
/// `asFragment`: for the pages that are rendered once as each.
void writeStart(std::string& page, bool asFragment, std::string_view title);

/// The end of a page, or of a fragment when `asFragment`.
void writeEnd(std::string& page, bool asFragment);

/// The class attribute of a table cell under the column `head` (with its leading
/// blank), or nothing: names stay on one line, reasons wrap; both are read from the left.
std::string_view cellClass(std::string_view head);

/// Appends what the chart module drew, with the LF line ends of League's pages.
void appendDrawn(std::string& page, const ReportWriter& drawn);

/// A number of milliseconds as a time text ("1:23.456"); "–" for none.
std::string timeText(std::int32_t ms);

/// A gap behind the first in milliseconds: "+1.234"; "" for none.
std::string gapText(std::int32_t ms);

}  // namespace league::season
