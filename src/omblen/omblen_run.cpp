#include "omblen/omblen_run.hpp"

#include "common/export_dialogue.hpp"
#include "common/export_reader.hpp"
#include "common/report_writer.hpp"
#include "common/settings_messages.hpp"
#include "common/tool_config.hpp"
#include "omblen/forum_table.hpp"
#include "omblen/grid_page.hpp"
#include "omblen/grid_plan.hpp"
#include "omblen/grid_settings.hpp"
#include "omblen/qualifying_table.hpp"
#include "omblen/result_page.hpp"

#include <ostream>
#include <string>
#include <vector>

namespace league::omblen {

// Omblen ends with exit status 1 on every path, the completed run included.
int runOmblen(Console& console, Disk& disk) {
    const auto config = loadToolConfig(disk);
    if (!config) {
        saySettingsFileMissing(console);
        return kExitStopped;
    }

    QualifyingTable table;
    // The result page is named after the first export, also when its name was left
    // empty by the end of input; only "0" at the first prompt leaves it without a name.
    std::string pageFileName;
    for (std::int32_t exportNo = 1; exportNo <= kMaxExports; ++exportNo) {
        const ExportAnswer answer = askForExport(console, *config, exportNo);
        if (answer.kind == ExportAnswer::Kind::ListEnds) {
            break;
        }
        if (answer.kind == ExportAnswer::Kind::TooLong) {
            refuseLongName(console);
            return kExitStopped;
        }
        if (exportNo == 1) {
            pageFileName = answer.name + ".html";
        }
        auto exportBytes = disk.readFile(answer.path);
        if (!exportBytes) {
            sayExportMissing(console);
            return kExitStopped;
        }
        const auto rows = readExportRows(std::move(*exportBytes), kOmblenEndMargin, readOmblenRow);
        if (takeQualifyingRows(table, rows, exportNo)) {
            sayRowsLeftOut(console);
        }
    }
    const std::vector<int> ranking = rankByBestLap(table);

    // The result page is created before the grid settings are read, and written whole
    // and closed before the grid page is created: a first export named "grids" gives a
    // result page that the grid page then replaces whole.
    std::unique_ptr<PageFile> resultFile;
    if (!pageFileName.empty()) {
        resultFile = disk.createPage(pageFileName);
        if (!resultFile) {
            sayPageNotWritten(console, pageFileName);
        }
    }
    const GridSize gridSize = readGridSettings(disk);
    if (!gridSize) {
        switch (gridSize.reason()) {
        case GridSizeProblem::FileMissing:
            saySettingsFileMissing(console);
            break;
        case GridSizeProblem::NoSizeAboveZero:
            sayNoGridSize(console);
            break;
        }
    }
    const bool gridsDivided = gridSize.ok();

    ReportWriter resultPage;
    writeResultPage(resultPage, table, ranking, gridsDivided);
    if (resultFile) {
        resultFile->write(resultPage.bytes());
        if (!resultFile->close()) {
            sayPageNotWritten(console, pageFileName);
        }
    }

    if (gridsDivided) {
        const GridPlan plan = planGrids(table.entryCount, *gridSize);
        ReportWriter gridPage;
        writeGridPage(gridPage, table, ranking, plan);
        savePage(disk, kGridPageFileName, gridPage, console);
        ReportWriter forumText;
        writeForumText(forumText, table, ranking, plan);
        savePage(disk, kForumTextFileName, forumText, console);
    }
    return kExitStopped;
}

void sayNoGridSize(Console& console) {
    console.out() << "maxdriversingrid.ini holds no grid size above 0!" << '\n';
    console.pause();
}

}  // namespace league::omblen
