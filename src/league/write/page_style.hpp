#pragma once
// The one style element of League's pages and fragments. A fragment is pasted into a
// website whose own style sheet applies to it too, so the style both keeps to its own
// elements and holds against the site's: every rule starts with the root's class, and
// every kind of element inside sets every property that a site may set (colours,
// background, fonts, line height, text transform, letter spacing, borders, padding,
// widths, alignment; a chart text its fill), with selectors more specific than a site's
// element and structural rules. The stand-alone page uses the same style and looks as
// it did before the fragments were protected.

#include "common/report_writer.hpp"

namespace league::season {

/// The style element, from "<style>" to "</style>" and a line end.
Fragment pageStyle();

}  // namespace league::season
