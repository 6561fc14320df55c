#include "league/write/page_frame.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

namespace {

// Colours: text #1a1a1a and #4d4d4d on white, header text on #e6ecf2, links #0b4f8a;
// every pair has a contrast of at least 7:1.
constexpr Fragment kStyle =
    "<style>\n"
    ".korvex-league { font-family: sans-serif; color: #1a1a1a; background: #ffffff; max-width: 1240px;"
    " margin: 0 auto; padding: 0 12px; }\n"
    ".korvex-league h1 { font-size: 26px; margin: 16px 0 4px; }\n"
    ".korvex-league h2 { font-size: 19px; margin: 24px 0 6px; }\n"
    ".korvex-league p { margin: 4px 0 8px; }\n"
    ".korvex-league a { color: #0b4f8a; }\n"
    ".korvex-league .scroll { overflow-x: auto; }\n"
    ".korvex-league table { border-collapse: collapse; font-size: 14px; margin: 6px 0 12px; }\n"
    ".korvex-league th, .korvex-league td { border: 1px solid #b3b3b3; padding: 3px 7px; text-align: center; }\n"
    ".korvex-league th { background: #e6ecf2; color: #1a1a1a; }\n"
    ".korvex-league td.name, .korvex-league th.name { text-align: left; white-space: nowrap; }\n"
    ".korvex-league td.reason, .korvex-league th.reason { text-align: left; min-width: 16em; }\n"
    ".korvex-league td.total { font-weight: bold; }\n"
    ".korvex-league small { display: block; font-size: 11px; color: #4d4d4d; }\n"
    ".korvex-league .dropped { color: #4d4d4d; }\n"
    ".korvex-league .note { font-size: 13px; color: #4d4d4d; }\n"
    ".korvex-league .chart svg { display: block; width: 100%; height: auto; }\n"
    ".korvex-league .swatch { display: inline-block; width: 32px; height: 4px; border: 1px solid #262626;"
    " vertical-align: middle; -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
    ".korvex-league .thick { height: 7px; }\n"
    ".korvex-league.narrow { max-width: 1000px; }\n"
    ".korvex-league ul.pages li { margin: 3px 0; }\n"
    ".korvex-league td.lap { min-width: 4.4em; -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
    ".korvex-league .mark { font-size: 12px; color: #4d4d4d; white-space: nowrap; }\n"
    ".korvex-league tr.grid-start td { border-top: 3px solid #1a1a1a; }\n"
    "@media print { .korvex-league { max-width: none; padding: 0; } .korvex-league .scroll { overflow: visible; }"
    " .korvex-league a { color: #1a1a1a; text-decoration: none; } .korvex-league table, .korvex-league .chart"
    " { break-inside: avoid; page-break-inside: avoid; } .korvex-league .chart svg { max-height: 160mm; } }\n"
    "</style>\n";

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
        page.writeFragment(kStyle);
        return;
    }
    page.writeFragment("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n");
    markup.element("title", title);
    page.writeFragment(kStyle);
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
