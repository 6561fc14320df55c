// A small program on the real console, the real disk and the page writer, which the
// harness tests start the way the end-to-end tests start the league programs. It asks
// for a name and copies the file "data\<name>.txt" below its folder to the console and
// into the page "<name>.html"; when that file is missing it says so, pauses with the
// system's pause and ends with status 3.

#include "common/console.hpp"
#include "common/platform.hpp"
#include "common/real_disk.hpp"
#include "common/report_writer.hpp"

#include <iostream>
#include <string>

int main() {
    league::Console console(std::cin, std::cout, league::platform::pauseForKey);
    league::RealDisk disk;

    console.out() << "Name?" << '\n';
    const std::string name = league::readAnswerWord(console);
    const auto text = disk.readFile("data\\" + name + ".txt");
    if (!text) {
        console.out() << "No data for " << name << "!" << '\n';
        console.pause();
        return 3;
    }
    console.out() << *text << '\n';
    league::ReportWriter page;
    page.writeFragment("<p>\n");
    page.writeText(*text);
    page.writeFragment("\n</p>\n");
    league::savePage(disk, name + ".html", page, console);
    std::cout.flush();
    return 0;
}
