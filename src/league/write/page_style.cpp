#include "league/write/page_style.hpp"

namespace league::season {

namespace {

// The root (div in a fragment, main in a page) first, then every element kind inside:
// their boxes reset, their texts set, then what each kind shows. Colours: text #1a1a1a
// and #4d4d4d on white, header cells #e6ecf2, links #0b4f8a; every pair has a contrast
// of at least 7:1. Cells are white rather than transparent, so that no background of a
// site's rows or tables shows through. The selectors of cells (".korvex-league table
// tbody tr td") outweigh a site's striped rows ("table tr:nth-child(even) td"); the
// style comes after a site's head, so a rule of equal weight loses to it. Chart texts
// keep what the drawing's attributes give some of them: italic captions, and the white
// halo that keeps a label readable over the lines (the only stroke of a chart text).
// The values that the browser's defaults gave (h3, lists, tables) are written out.
constexpr Fragment kStyle =
    "<style>\n"
    "div.korvex-league, main.korvex-league { display: block; box-sizing: content-box; float: none;"
    " position: static; width: auto; height: auto; min-width: 0; max-width: 1240px; min-height: 0;"
    " max-height: none; margin: 0 auto; padding: 0 12px; border: 0 none; border-radius: 0; box-shadow: none;"
    " outline: 0 none; background: #ffffff; opacity: 1; transform: none; overflow: visible;"
    " vertical-align: baseline; color: #1a1a1a; font-family: sans-serif; font-size: 16px; font-weight: normal;"
    " font-style: normal; font-variant: normal; line-height: normal; text-align: start; text-indent: 0;"
    " text-transform: none; letter-spacing: normal; word-spacing: normal; text-decoration: none;"
    " text-shadow: none; white-space: normal; list-style: disc outside none; visibility: visible; }\n"
    "div.korvex-league.narrow, main.korvex-league.narrow { max-width: 1000px; }\n"
    ".korvex-league div, .korvex-league h1, .korvex-league h2, .korvex-league h3, .korvex-league p,"
    " .korvex-league ul, .korvex-league ul li, .korvex-league small, .korvex-league span, .korvex-league a,"
    " .korvex-league table, .korvex-league table thead, .korvex-league table tbody,"
    " .korvex-league table thead tr, .korvex-league table tbody tr, .korvex-league table thead tr th,"
    " .korvex-league table tbody tr td { box-sizing: content-box; float: none; position: static; width: auto;"
    " height: auto; min-width: 0; max-width: none; min-height: 0; max-height: none; margin: 0; padding: 0;"
    " border: 0 none; border-radius: 0; box-shadow: none; outline: 0 none; background: transparent; opacity: 1;"
    " transform: none; overflow: visible; vertical-align: baseline; text-indent: 0; text-decoration: none;"
    " text-shadow: none; visibility: visible; }\n"
    ".korvex-league div, .korvex-league h1, .korvex-league h2, .korvex-league h3, .korvex-league p,"
    " .korvex-league ul, .korvex-league ul li, .korvex-league small, .korvex-league table,"
    " .korvex-league table thead, .korvex-league table tbody, .korvex-league table thead tr,"
    " .korvex-league table tbody tr, .korvex-league table thead tr th, .korvex-league table tbody tr td {"
    " color: #1a1a1a; font-family: sans-serif; font-size: 16px; font-weight: normal; font-style: normal;"
    " font-variant: normal; line-height: normal; text-align: start; text-transform: none; letter-spacing: normal;"
    " word-spacing: normal; white-space: normal; list-style: disc outside none; }\n"
    ".korvex-league span, .korvex-league a { color: inherit; font-family: inherit; font-size: inherit;"
    " font-weight: inherit; font-style: inherit; font-variant: inherit; line-height: inherit;"
    " text-transform: inherit; letter-spacing: inherit; word-spacing: inherit; white-space: inherit;"
    " display: inline; }\n"
    ".korvex-league div { display: block; }\n"
    ".korvex-league div.scroll { overflow-x: auto; }\n"
    ".korvex-league h1, .korvex-league h2, .korvex-league h3 { display: block; font-weight: bold; }\n"
    ".korvex-league h1 { font-size: 26px; margin: 16px 0 4px; }\n"
    ".korvex-league h2 { font-size: 19px; margin: 24px 0 6px; }\n"
    ".korvex-league h3 { font-size: 18.72px; margin: 18.72px 0; }\n"
    ".korvex-league p { display: block; margin: 4px 0 8px; }\n"
    ".korvex-league ul { display: block; margin: 1em 0; padding: 0 0 0 40px; }\n"
    ".korvex-league ul li { display: list-item; text-align: match-parent; }\n"
    ".korvex-league ul.pages li { margin: 3px 0; }\n"
    ".korvex-league p.note, .korvex-league ul.note, .korvex-league ul.note li { font-size: 13px; color: #4d4d4d;"
    " }\n"
    ".korvex-league a { color: #0b4f8a; text-decoration: underline; }\n"
    ".korvex-league table { display: table; box-sizing: border-box; border-collapse: collapse;"
    " border-spacing: 2px; font-size: 14px; margin: 6px 0 12px; }\n"
    ".korvex-league table thead { display: table-header-group; vertical-align: middle; font-size: 14px; }\n"
    ".korvex-league table tbody { display: table-row-group; vertical-align: middle; font-size: 14px; }\n"
    ".korvex-league table thead tr, .korvex-league table tbody tr { display: table-row; vertical-align: middle;"
    " font-size: 14px; }\n"
    ".korvex-league table thead tr th, .korvex-league table tbody tr td { display: table-cell;"
    " vertical-align: middle; font-size: 14px; border: 1px solid #b3b3b3; padding: 3px 7px; text-align: center;"
    " background: #ffffff; }\n"
    ".korvex-league table thead tr th { font-weight: bold; background: #e6ecf2; }\n"
    ".korvex-league table tbody tr td.name, .korvex-league table thead tr th.name { text-align: left;"
    " white-space: nowrap; }\n"
    ".korvex-league table tbody tr td.reason, .korvex-league table thead tr th.reason { text-align: left;"
    " min-width: 16em; }\n"
    ".korvex-league table tbody tr td.total { font-weight: bold; }\n"
    ".korvex-league table tbody tr td.dropped { color: #4d4d4d; }\n"
    ".korvex-league table tbody tr td.lap { min-width: 4.4em; -webkit-print-color-adjust: exact;"
    " print-color-adjust: exact; }\n"
    ".korvex-league table tbody tr.grid-start td { border-top: 3px solid #1a1a1a; }\n"
    ".korvex-league small { display: block; font-size: 11px; color: #4d4d4d; text-align: inherit; }\n"
    ".korvex-league span.mark { font-size: 12px; font-weight: normal; font-style: normal; text-transform: none;"
    " letter-spacing: normal; color: #4d4d4d; white-space: nowrap; }\n"
    ".korvex-league span.swatch { display: inline-block; width: 32px; height: 4px; border: 1px solid #262626;"
    " vertical-align: middle; -webkit-print-color-adjust: exact; print-color-adjust: exact; }\n"
    ".korvex-league span.thick { height: 7px; }\n"
    ".korvex-league div.chart svg { display: block; box-sizing: content-box; float: none; position: static;"
    " width: 100%; height: auto; min-width: 0; max-width: none; min-height: 0; max-height: none; margin: 0;"
    " padding: 0; border: 0 none; border-radius: 0; box-shadow: none; background: transparent; opacity: 1;"
    " transform: none; overflow: hidden; vertical-align: baseline; fill: #000000; stroke: none;"
    " font-family: sans-serif; font-size: 12px; font-weight: normal; font-style: normal; font-variant: normal;"
    " letter-spacing: normal; word-spacing: normal; text-transform: none; text-decoration: none;"
    " text-shadow: none; visibility: visible; }\n"
    ".korvex-league div.chart svg text { box-sizing: content-box; fill: #000000; font-family: sans-serif;"
    " font-size: 12px; font-weight: normal; font-variant: normal; letter-spacing: normal; word-spacing: normal;"
    " text-transform: none; text-decoration: none; text-shadow: none; visibility: visible; }\n"
    ".korvex-league div.chart svg text:not([font-style]) { font-style: normal; }\n"
    ".korvex-league div.chart svg text[font-style=\"italic\"] { font-style: italic; }\n"
    ".korvex-league div.chart svg text:not([stroke]) { stroke: none; }\n"
    ".korvex-league div.chart svg text[stroke] { stroke: #ffffff; }\n"
    "@media print { div.korvex-league, main.korvex-league { max-width: none; padding: 0;"
    " } .korvex-league div.scroll { overflow: visible; } .korvex-league a { color: #1a1a1a;"
    " text-decoration: none; } .korvex-league table, .korvex-league div.chart { break-inside: avoid;"
    " page-break-inside: avoid; } .korvex-league div.chart svg { max-height: 160mm; } }\n"
    "</style>\n";

}  // namespace

Fragment pageStyle() {
    return kStyle;
}

}  // namespace league::season
