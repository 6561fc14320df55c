#pragma once
// The frame of every League page: an HTML5 head with the character set and one style
// element, and its end; or the frame of the same content as a fragment to paste into a
// website, which has no html, head or body element, and whose style element touches
// only the elements inside its own root element and holds them against the website's
// style (page_style). The pages stand on their own: no script, no other file, no web
// font; dark text on white at a contrast of 4.5:1 or more, and a print style.

#include "league/write/page_variant.hpp"

#include "common/report_writer.hpp"

#include <string>
#include <string_view>

namespace league::season {

/// Writes the start of the page titled `title` (plain text), or of the fragment, which
/// has no title.
void writeFrameStart(ReportWriter& page, PageVariant variant, std::string_view title);

/// Writes the end of the page or the fragment.
void writeFrameEnd(ReportWriter& page, PageVariant variant);

/// The bytes of a finished page, as an output file holds them.
std::string pageBytes(const ReportWriter& page);

}  // namespace league::season
