#include "omblen/omblen_run.hpp"

#include "common/export_reader.hpp"
#include "common/report_writer.hpp"
#include "common/tool_config.hpp"
#include "omblen/forum_table.hpp"
#include "omblen/grid_division.hpp"
#include "omblen/grid_page.hpp"
#include "omblen/grid_settings.hpp"
#include "omblen/qualifying_export.hpp"
#include "omblen/qualifying_table.hpp"
#include "omblen/result_page.hpp"

#include <ostream>
#include <string>

namespace league::omblen {

namespace {

void askForExport(Console& console, std::int32_t exportNo) {
    if (exportNo == 1) {
        console.out() << "Please put in a name of an export file (without .html)!" << '\n';
    } else {
        console.out() << "Please put in a name of another export file (without .html)!" << '\n'
                      << "If you have no other export please put in number 0!" << '\n';
    }
}

}  // namespace

// Omblen ends with exit status 1 on every path, the completed run included.
int runOmblen(Console& console, const Folder& folder) {
    const auto config = loadToolConfig(folder, console);
    if (!config) {
        return kExitStopped;
    }
    const std::string exportsFolder = config->simulatorFolder + "exports\\";

    QualifyingTable table;
    for (table.currentExport = 1; table.currentExport <= kMaxExports; ++table.currentExport) {
        table.exportPath = exportsFolder;
        askForExport(console, table.currentExport);
        const std::string name = readAnswerWord(console);
        if (name == "0") {
            break;
        }
        table.exportPath += name + ".html";
        if (!fitsCapacity(name, kAnswerWordCapacity) || !fitsCapacity(table.exportPath, kInputPathCapacity)) {
            refuseLongName(console);
            return kExitStopped;
        }
        console.out() << '\n' << table.exportPath << '\n' << '\n';
        if (table.currentExport == 1) {
            // At most 39 + 5 characters: always within a page name's 59.
            table.pageFileName = name + ".html";
        }

        ExportReader reader;
        if (!reader.openExport(folder.inputFile(table.exportPath), kOmblenEndMargin)) {
            console.out() << "Can't find the export" << '\n';
            pauseConsole(console);
            return kExitStopped;
        }
        readQualifyingExport(reader, table, console);
    }

    // The result page stays open while the grids are written, and the three files are
    // closed in the order the user reads them: result page, grids, forum text.
    ReportWriter resultPage;
    ReportWriter gridPage;
    ReportWriter forumText;
    resultPage.openPage(folder, table.pageFileName, console.out());
    writeResultPage(table, resultPage);

    if (const auto maxDriversInGrid = readMaxDriversInGrid(folder, console)) {
        gridPage.openPage(folder, kGridPageFileName, console.out());
        forumText.openPage(folder, kForumTextFileName, console.out());
        writeGrids(table, *maxDriversInGrid, resultPage, gridPage, forumText);
    }

    resultPage.closePage();
    gridPage.closePage();
    forumText.closePage();
    return kExitStopped;
}

}  // namespace league::omblen
