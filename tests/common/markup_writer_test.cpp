#include "common/markup_writer.hpp"

#include <gtest/gtest.h>

namespace league {
namespace {

// Names and fixed values as the source spells them; every text escaped by the page's
// conventions, in content, in attributes and in links alike.
TEST(MarkupWriter, ElementsLinksAndAttributesEscapeEveryText) {
    const struct {
        PageConventions conventions;
        std::string bytes;
    } cases[] = {
        {PageConventions::Classic,
         "<h2>Bo's &lt;Cup&gt;</h2>\r\n<td class=\"lap\" title=\"&quot;A&quot; &amp; B\" style=\"color: #0a00ff\">"
         "<a href=\"a?b=1&amp;c='2'\">Bo's</a></td><rect x=\"-4.5\" width=\"12\"/>\r\n"},
        {PageConventions::Html5,
         "<h2>Bo&#39;s &lt;Cup&gt;</h2>\n<td class=\"lap\" title=\"&quot;A&quot; &amp; B\" style=\"color: #0a00ff\">"
         "<a href=\"a?b=1&amp;c=&#39;2&#39;\">Bo&#39;s</a></td><rect x=\"-4.5\" width=\"12\"/>\n"},
    };
    for (const auto& c : cases) {
        ReportWriter page(c.conventions);
        MarkupWriter markup(page);
        markup.element("h2", "Bo's <Cup>");
        markup.open("td").attribute("class", "lap").text("title", "\"A\" & B").beginValue("style").write("color: ");
        markup.writeColour({10, 0, 300});
        markup.endValue();
        markup.endStart();
        markup.link("a?b=1&c='2'", "Bo's");
        markup.close("td", false);
        markup.open("rect").coordinate("x", -4.54).number("width", 12).endEmpty();
        EXPECT_EQ(page.bytes(), c.bytes);
    }
}

}  // namespace
}  // namespace league
