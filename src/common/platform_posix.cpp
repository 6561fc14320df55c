#include "common/platform.hpp"

#include <iostream>
#include <istream>
#include <ostream>

#include <termios.h>
#include <unistd.h>

namespace league::platform {

namespace {

// Reads one key from a terminal without waiting for the line end and without echo.
void readOneKeyFromTerminal() {
    termios saved{};
    if (tcgetattr(STDIN_FILENO, &saved) != 0) {
        return;
    }
    termios raw = saved;
    raw.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    raw.c_cc[VMIN] = 1;
    raw.c_cc[VTIME] = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    char key = 0;
    [[maybe_unused]] const ssize_t got = read(STDIN_FILENO, &key, 1);
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

}  // namespace

void pauseForKey(std::istream& in, std::ostream& out) {
    out.flush();
    out << "Press any key to continue . . . ";
    out.flush();
    if (&in == &std::cin && isatty(STDIN_FILENO) != 0) {
        readOneKeyFromTerminal();
        out << '\n';
        out.flush();
        return;
    }
    in.get();
}

std::string nativeInputPath(const std::string& composedPath) {
    std::string path = composedPath;
    for (char& c : path) {
        if (c == '\\') {
            c = '/';
        }
    }
    return path;
}

void prepareConsole() {}

}  // namespace league::platform
