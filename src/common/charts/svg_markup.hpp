#pragma once
// Elements and attributes of a drawing, written into a page through the checked
// writer: element and attribute names are fixed fragments, values are numbers,
// coordinates, colours or texts, and every text is escaped on its way in.

#include "common/report_writer.hpp"

#include <cstdint>
#include <string_view>

namespace league::charts {

/// A colour as its red, green and blue components, each 0..255.
struct Colour {
    std::int32_t red = 0;
    std::int32_t green = 0;
    std::int32_t blue = 0;
};

class SvgMarkup {
public:
    explicit SvgMarkup(ReportWriter& page) : page_(page) {}

    /// "<name": the attributes follow, then endStart() or endEmpty().
    SvgMarkup& open(Fragment name);
    /// ">" after the attributes of an element with content.
    void endStart() { page_.writeFragment(">"); }
    /// "/>" and a line break after the attributes of an element without content.
    void endEmpty() { page_.writeFragment("/>\n"); }
    /// "</name>" and, when asked for, a line break.
    void close(Fragment name, bool lineBreak = true);

    /// name="value" with a fixed value.
    SvgMarkup& attribute(Fragment name, Fragment value);
    /// name="text" with the text escaped.
    SvgMarkup& text(Fragment name, std::string_view text);
    /// id="prefix" + id, the prefix escaped: the caller's prefix lets one web page hold
    /// two elements that are drawn with the same id.
    SvgMarkup& id(std::string_view prefix, Fragment id);
    /// name="number".
    SvgMarkup& number(Fragment name, std::int32_t value);
    /// name="coordinate" (see writeCoordinate).
    SvgMarkup& coordinate(Fragment name, double value);
    /// name="#rrggbb".
    SvgMarkup& colour(Fragment name, const Colour& colour);

    /// name=" before a value written piece by piece (a list of points, a path), and the
    /// closing quote after it.
    SvgMarkup& beginValue(Fragment name);
    void endValue() { page_.writeFragment("\""); }

    /// A coordinate to a tenth, the same on every system and in every locale: "36",
    /// "169.1", "-4.5".
    void writeCoordinate(double value);
    /// "#rrggbb", lower-case.
    void writeColour(const Colour& colour);
    /// Content between a start and an end tag, escaped.
    void writeContent(std::string_view text) { page_.writeEscapedText(text); }
    /// A fixed piece of a value or content.
    void write(Fragment fragment) { page_.writeFragment(fragment); }

    ReportWriter& page() { return page_; }

private:
    ReportWriter& page_;
};

}  // namespace league::charts
