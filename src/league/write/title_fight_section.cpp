#include "league/write/title_fight_section.hpp"

#include "league/write/html_table.hpp"
#include "league/write/title_fight_texts.hpp"

#include "common/markup_writer.hpp"

namespace league::season {

void writeTitleFightSection(ReportWriter& page, const SeasonResult& result, const TitleFight& fight,
                            PageVariant variant) {
    if (!showsTitleFight(fight)) {
        return;
    }
    MarkupWriter html(page);
    html.write("<h2>Title fight</h2>\n");
    // Once the champion is decided, he alone can still win: no table.
    if (fight.roundsToCome > 0 && !fight.champion) {
        html.element("p", pointsAvailableText(fight) + ". Can still win:");
        writeHtmlTable(page, titleFightTable(fight), "title-fight", variant);
    } else if (fight.roundsToCome > 0) {
        html.element("p", pointsAvailableText(fight) + ".");
    }
    if (fight.champion) {
        html.element("p", championText(result, fight) + ".");
    }
}

}  // namespace league::season
