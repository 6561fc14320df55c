#include "common/markup_writer.hpp"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace league {

MarkupWriter& MarkupWriter::open(Fragment name) {
    page_.writeFragment("<");
    page_.writeFragment(name);
    return *this;
}

void MarkupWriter::close(Fragment name, bool lineBreak) {
    page_.writeFragment("</");
    page_.writeFragment(name);
    page_.writeFragment(lineBreak ? Fragment(">\n") : Fragment(">"));
}

void MarkupWriter::element(Fragment name, std::string_view content, bool lineBreak) {
    open(name).endStart();
    page_.writeEscapedText(content);
    close(name, lineBreak);
}

void MarkupWriter::link(std::string_view href, std::string_view text) {
    open("a").text("href", href).endStart();
    page_.writeEscapedText(text);
    close("a", false);
}

MarkupWriter& MarkupWriter::beginValue(Fragment name) {
    page_.writeFragment(" ");
    page_.writeFragment(name);
    page_.writeFragment("=\"");
    return *this;
}

MarkupWriter& MarkupWriter::attribute(Fragment name, Fragment value) {
    beginValue(name);
    page_.writeFragment(value);
    endValue();
    return *this;
}

MarkupWriter& MarkupWriter::text(Fragment name, std::string_view text) {
    beginValue(name);
    page_.writeEscapedText(text);
    endValue();
    return *this;
}

MarkupWriter& MarkupWriter::id(std::string_view prefix, Fragment id) {
    beginValue("id");
    page_.writeEscapedText(prefix);
    page_.writeFragment(id);
    endValue();
    return *this;
}

MarkupWriter& MarkupWriter::number(Fragment name, std::int32_t value) {
    beginValue(name);
    page_.writeNumber(value);
    endValue();
    return *this;
}

MarkupWriter& MarkupWriter::coordinate(Fragment name, double value) {
    beginValue(name);
    writeCoordinate(value);
    endValue();
    return *this;
}

MarkupWriter& MarkupWriter::colour(Fragment name, const Colour& colour) {
    beginValue(name);
    writeColour(colour);
    endValue();
    return *this;
}

void MarkupWriter::writeColour(const Colour& colour) {
    page_.writeFragment("#");
    for (const std::int32_t component : {colour.red, colour.green, colour.blue}) {
        page_.writeHexByte(std::clamp(component, 0, 255));
    }
}

void MarkupWriter::writeCoordinate(double value) {
    const auto tenths = static_cast<std::int64_t>(std::llround(value * 10));
    const std::int64_t magnitude = tenths < 0 ? -tenths : tenths;
    char text[32];
    char* end = text;
    if (tenths < 0) {
        *end++ = '-';
    }
    end = std::to_chars(end, text + sizeof text, magnitude / 10).ptr;
    if (magnitude % 10 != 0) {
        *end++ = '.';
        *end++ = static_cast<char>('0' + magnitude % 10);
    }
    page_.writeValueText(std::string_view(text, static_cast<std::size_t>(end - text)));
}

}  // namespace league
