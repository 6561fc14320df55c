// Writing pages: a table of 99 rows with the fragments, numbers, colour bytes and
// time texts a result page is made of, built in memory and saved as a file.

#include "common/console.hpp"
#include "common/real_disk.hpp"
#include "common/report_writer.hpp"

#include "support/temp_folder.hpp"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

constexpr int kRows = 99;

void writeTable(league::ReportWriter& page) {
    page.writeFragment("<html> \n<head><title>Table</title></head> \n<body> \n");
    page.writeFragment("<div> <table border=3 cellpadding=\"1\" align=\"left\"> ");
    page.writeFragment("<tr> \n");
    for (int row = 1; row <= kRows; ++row) {
        page.writeFragment("<td align=\"center\" bgcolor=\"#00FF00\"> ");
        page.writeNumber(row);
        page.writeFragment(" <bgcolor=\"#FFFFFF\" /td> <td align=\"center\" bgcolor=\"#");
        page.writeHexByte(row * 7 % 256);
        page.writeHexByte(row * 13 % 256);
        page.writeHexByte(row * 29 % 256);
        page.writeFragment("\"> Rider name </td> <td align=\"center\"> ");
        page.formatLapTime(83000 + row * 17);
        page.writeFragment(" </td> <td align=\"center\"> ");
        page.formatTimeGap(row * 17);
        page.writeFragment(" </td> <td align=\"center\"> ");
        page.writeOneDecimal(160.1 + row);
        page.writeFragment(" km/h </td> </tr> ");
    }
    page.writeFragment("</border>  </table> </div><br clear=\"all\">  <BR>");
}

void BM_PageOf99RowsToFile(benchmark::State& state) {
    league::testing::TempFolder folder;
    league::RealDisk disk(folder.path().string());
    std::istringstream in;
    std::ostringstream out;
    league::Console console(in, out, nullptr);
    for (auto _ : state) {
        league::ReportWriter page;
        writeTable(page);
        league::savePage(disk, "page.html", page, console);
    }
}
BENCHMARK(BM_PageOf99RowsToFile);

void BM_PageOf99RowsToMemory(benchmark::State& state) {
    for (auto _ : state) {
        league::ReportWriter page;
        writeTable(page);
        benchmark::DoNotOptimize(page.bytes().size());
    }
}
BENCHMARK(BM_PageOf99RowsToMemory);

}  // namespace
