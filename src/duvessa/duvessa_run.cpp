#include "duvessa/duvessa_run.hpp"

#include "duvessa/combined_page.hpp"
#include "duvessa/entry_table.hpp"
#include "duvessa/placement.hpp"
#include "duvessa/scaling.hpp"

#include "common/export_dialogue.hpp"
#include "common/export_reader.hpp"
#include "common/report_writer.hpp"
#include "common/settings_messages.hpp"
#include "common/tool_config.hpp"

#include <cstdint>
#include <string>

namespace league::duvessa {

// Duvessa ends with exit status 1 on every path, the completed run included.
int runDuvessa(Console& console, Disk& disk) {
    const auto config = loadToolConfig(disk);
    if (!config) {
        saySettingsFileMissing(console);
        return kExitStopped;
    }

    EntryTable table;
    // Stays empty only when the first answer is "0": then no page is attempted. An empty
    // first answer (the input ended) names an export like any other and gives "X.html".
    std::string pageFileName;
    for (std::int32_t raceNumber = 1; raceNumber <= kMaxExports; ++raceNumber) {
        const ExportAnswer answer = askForExport(console, *config, raceNumber);
        if (answer.kind == ExportAnswer::Kind::ListEnds) {
            break;
        }
        if (answer.kind == ExportAnswer::Kind::TooLong) {
            refuseLongName(console);
            return kExitStopped;
        }
        if (raceNumber == 1) {
            pageFileName = "X" + answer.name + ".html";
        }
        auto exportBytes = disk.readFile(answer.path);
        if (!exportBytes) {
            sayExportMissing(console);
            return kExitStopped;
        }
        const auto rows = readExportRows(std::move(*exportBytes), kDuvessaEndMargin, readDuvessaRow);
        if (takeRaceRows(table, rows, raceNumber)) {
            sayRowsLeftOut(console);
        }
    }

    scaleEntries(table);
    const Placement placement = placeEntries(table);
    if (!pageFileName.empty()) {
        ReportWriter page;
        writeCombinedPage(page, table, placement);
        savePage(disk, pageFileName, page, console);
    }
    return kExitStopped;
}

}  // namespace league::duvessa
