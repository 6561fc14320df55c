// A table of the model as the page shows it.

#include "league/write/html_table.hpp"

#include <gtest/gtest.h>

namespace league::season {
namespace {

// The page's short head with its tooltip, the round's head linked only where the page
// has links, the looks of the columns, a dropped score with its place below it, and
// every text escaped.
TEST(HtmlTable, HeadsCellsAndRowsCarryWhatOnlyThePageShows) {
    Table table;
    table.columns = {{"Pos"},
                     {"Change", "+/-", "change"},
                     {"Rider", "", "", "", ColumnLook::Name},
                     {"R1", "", "Kestrel Bay", "round-01.html"},
                     {"Total", "", "", "", ColumnLook::Total},
                     {"Penalty", "", "", "", ColumnLook::Reason}};
    table.rows = {{{{"1"}, {"="}, {"Ann 'Bo' & Co"}, {"(28)", "P4", "R1: P4", true}, {"100"}, {"<late>"}},
                   Fragment("rider-row")},
                  {{{"2"}}, std::nullopt}};
    const struct {
        PageVariant variant;
        std::string roundHead;
    } cases[] = {
        {kPage, "<a href=\"round-01.html\">R1</a>"},
        {kFragment, "R1"},
    };
    for (const auto& c : cases) {
        ReportWriter page(PageConventions::Html5);
        writeHtmlTable(page, table, "standings", c.variant, "standings");
        EXPECT_EQ(page.bytes(),
                  "<div class=\"scroll\"><table id=\"standings\" class=\"standings\">\n<thead><tr><th>Pos</th>"
                  "<th title=\"change\">+/-</th><th class=\"name\">Rider</th><th title=\"Kestrel Bay\">" +
                      c.roundHead +
                      "</th><th>Total</th><th class=\"reason\">Penalty</th></tr></thead>\n<tbody>\n"
                      "<tr class=\"rider-row\"><td>1</td><td>=</td><td class=\"name\">Ann &#39;Bo&#39; &amp; Co</td>"
                      "<td class=\"dropped\" title=\"R1: P4\">(28)<small>P4</small></td><td class=\"total\">100</td>"
                      "<td class=\"reason\">&lt;late&gt;</td></tr>\n"
                      "<tr><td>2</td></tr>\n</tbody>\n</table></div>\n");
    }
}

}  // namespace
}  // namespace league::season
