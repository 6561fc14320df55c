#include "duvessa/duvessa_run.hpp"

#include "duvessa/combined_page.hpp"
#include "duvessa/entry_table.hpp"
#include "duvessa/placement.hpp"
#include "duvessa/scaling.hpp"

#include "common/export_dialogue.hpp"
#include "common/report_writer.hpp"
#include "common/tool_config.hpp"

#include <cstdint>
#include <ostream>
#include <string>

namespace league::duvessa {

int runDuvessa(Console& console, const Folder& folder) {
    const auto config = loadToolConfig(folder, console);
    if (!config) {
        return kExitStopped;
    }
    EntryTable table;
    const ExportList exports = askForExports(
        console, folder, *config, kDuvessaEndMargin,
        [&](ExportReader& reader, std::int32_t raceNumber, const std::string& /*exportPath*/) {
            readRaceExport(reader, table, raceNumber, console.out());
        });
    if (exports.stopped) {
        return kExitStopped;
    }
    // Stays empty only when the first answer is "0": then no page is attempted. An empty
    // first answer (the input ended) names an export like any other and gives "X.html".
    const std::string pageFileName = exports.firstExportNamed ? "X" + exports.firstName + ".html" : std::string();

    scaleEntries(table);
    const Placement placement = placeEntries(table);
    ReportWriter page;
    if (page.openPage(folder, pageFileName, console.out())) {
        writeCombinedPage(page, table, placement);
    }
    page.closePage();
    return kExitStopped;
}

}  // namespace league::duvessa
