#include "duvessa/duvessa_run.hpp"

#include "duvessa/combined_page.hpp"
#include "duvessa/entry_table.hpp"
#include "duvessa/placement.hpp"
#include "duvessa/scaling.hpp"

#include "common/export_reader.hpp"
#include "common/report_writer.hpp"
#include "common/tool_config.hpp"

#include <cstdint>
#include <ostream>
#include <string>

namespace league::duvessa {

namespace {

void askForExportName(Console& console, std::int32_t raceNumber) {
    if (raceNumber == 1) {
        console.out() << "Please put in a name of an export file (without .html)!" << '\n';
        return;
    }
    console.out() << "Please put in a name of another export file (without .html)!" << '\n'
                  << "If you have no other export please put in number 0!" << '\n';
}

}  // namespace

int runDuvessa(Console& console, const Folder& folder) {
    const auto config = loadToolConfig(folder, console);
    if (!config) {
        return kExitStopped;
    }
    const std::string exportsFolder = config->simulatorFolder + "exports\\";

    EntryTable table;
    // Stays empty when the first answer is "0": then no page is attempted.
    std::string pageFileName;
    for (std::int32_t raceNumber = 1; raceNumber <= kMaxRaces; ++raceNumber) {
        askForExportName(console, raceNumber);
        const std::string exportName = readAnswerWord(console);
        if (exportName == "0") {
            break;
        }
        // A name of at most 39 characters also keeps the page name ("X" + name +
        // ".html") within its 59.
        const std::string exportPath = exportsFolder + exportName + ".html";
        if (!fitsCapacity(exportName, kAnswerWordCapacity) || !fitsCapacity(exportPath, kInputPathCapacity)) {
            refuseLongName(console);
            return kExitStopped;
        }
        console.out() << '\n' << exportPath << '\n' << '\n';
        if (raceNumber == 1) {
            pageFileName = "X" + exportName + ".html";
        }
        ExportReader reader;
        if (!reader.openExport(folder.inputFile(exportPath), kDuvessaEndMargin)) {
            console.out() << "Can't find the export" << '\n';
            pauseConsole(console);
            return kExitStopped;
        }
        readRaceExport(reader, table, raceNumber, console.out());
    }

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
