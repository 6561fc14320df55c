// A small program on the real console, the working folder and the page writer, which
// the harness tests start the way the end-to-end tests start the league programs. It
// asks for a name and copies the file "data\<name>.txt" below its folder to the
// console and into the page "<name>.html"; when that file is missing it says so,
// pauses with the system's pause and ends with status 3.

#include "common/console.hpp"
#include "common/folder.hpp"
#include "common/platform.hpp"
#include "common/report_writer.hpp"

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

int main() {
    league::platform::prepareConsole();
    league::Console console(std::cin, std::cout, league::platform::pauseForKey);
    const league::Folder folder = league::Folder::current();

    console.out() << "Name?" << '\n';
    const std::string name = league::readAnswerWord(console);
    std::ifstream data(folder.inputFile("data\\" + name + ".txt"), std::ios::binary);
    if (!data) {
        console.out() << "No data for " << name << "!" << '\n';
        league::pauseConsole(console);
        return 3;
    }
    const std::string text((std::istreambuf_iterator<char>(data)), std::istreambuf_iterator<char>());
    console.out() << text << '\n';
    league::ReportWriter page;
    page.openPage(folder, name + ".html", console.out());
    page.writeFragment("<p>\n" + text + "\n</p>\n");
    page.closePage();
    std::cout.flush();
    return 0;
}
