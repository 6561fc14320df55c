#pragma once
// Elements and attributes of a page or a drawing (HTML, SVG), written through the
// checked writer: element and attribute names are fixed fragments, values are numbers,
// coordinates, colours or texts, and every text is escaped on its way in.

#include "common/colour.hpp"
#include "common/report_writer.hpp"

#include <cstdint>
#include <string_view>

namespace league {

class MarkupWriter {
public:
    explicit MarkupWriter(ReportWriter& page) : page_(page) {}

    /// "<name": the attributes follow, then endStart() or endEmpty().
    MarkupWriter& open(Fragment name);
    /// ">" after the attributes of an element with content.
    void endStart() { page_.writeFragment(">"); }
    /// "/>" and a line break after the attributes of an element without content.
    void endEmpty() { page_.writeFragment("/>\n"); }
    /// "</name>" and, when asked for, a line break.
    void close(Fragment name, bool lineBreak = true);
    /// "<name>", the text escaped, "</name>" and, when asked for, a line break.
    void element(Fragment name, std::string_view content, bool lineBreak = true);
    /// A link: "<a href="href">text</a>", both escaped.
    void link(std::string_view href, std::string_view text);

    /// name="value" with a fixed value.
    MarkupWriter& attribute(Fragment name, Fragment value);
    /// name="text" with the text escaped.
    MarkupWriter& text(Fragment name, std::string_view text);
    /// id="prefix" + id, the prefix escaped: the caller's prefix lets one web page hold
    /// two elements that are drawn with the same id.
    MarkupWriter& id(std::string_view prefix, Fragment id);
    /// name="number".
    MarkupWriter& number(Fragment name, std::int32_t value);
    /// name="coordinate" (see writeCoordinate).
    MarkupWriter& coordinate(Fragment name, double value);
    /// name="#rrggbb".
    MarkupWriter& colour(Fragment name, const Colour& colour);

    /// name=" before a value written piece by piece (a list of points, a path, a
    /// style), and the closing quote after it.
    MarkupWriter& beginValue(Fragment name);
    /// The closing quote of a value begun with beginValue().
    void endValue() { page_.writeFragment("\""); }

    /// A coordinate to a tenth, the same on every system and in every locale: "36",
    /// "169.1", "-4.5".
    void writeCoordinate(double value);
    /// "#rrggbb", lower-case.
    void writeColour(const Colour& colour);
    /// Content between a start and an end tag, or a piece of a value, escaped.
    void writeContent(std::string_view text) { page_.writeEscapedText(text); }
    /// A fixed piece of markup, a value or content.
    void write(Fragment fragment) { page_.writeFragment(fragment); }
    /// A number as content or a piece of a value.
    void writeNumber(std::int32_t value) { page_.writeNumber(value); }

private:
    ReportWriter& page_;
};

}  // namespace league
