#pragma once
// Texts read from the replay (track and rider names) inside a page whose markup must
// stay well formed: the charts page draws names as SVG text and tooltips, where a '<'
// or '&' in a name would break the drawing.

#include <string>
#include <string_view>

namespace league::quorrin {

/// The text with '<', '>', '&' and '"' written as character references; every other
/// byte stays as it was read (no character set is assumed).
std::string markupText(std::string_view text);

}  // namespace league::quorrin
