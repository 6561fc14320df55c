#include "league/write/page_frame.hpp"

#include "league/write/page_style.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

namespace {

// The root element's class: the narrow one adds its own.
Fragment rootClass(PageVariant variant) {
    return variant.width == PageVariant::Width::Narrow ? Fragment("korvex-league narrow") : Fragment("korvex-league");
}

}  // namespace

void writeFrameStart(ReportWriter& page, PageVariant variant, std::string_view title) {
    MarkupWriter markup(page);
    if (variant.isFragment()) {
        markup.open("div").attribute("class", rootClass(variant)).endStart();
        page.writeFragment("\n");
        page.writeFragment(pageStyle());
        return;
    }
    page.writeFragment("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    markup.element("title", title);
    page.writeFragment(pageStyle());
    page.writeFragment("</head>\n<body>\n");
    markup.open("main").attribute("class", rootClass(variant)).endStart();
    page.writeFragment("\n");
}

void writeFrameEnd(ReportWriter& page, PageVariant variant) {
    page.writeFragment(variant.isFragment() ? Fragment("</div>\n") : Fragment("</main>\n</body>\n</html>\n"));
}

std::string pageBytes(const ReportWriter& page) {
    return std::string(page.bytes());
}

}  // namespace league::season
