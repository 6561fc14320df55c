#include "common/console.hpp"

#include <istream>
#include <ostream>
#include <utility>

namespace league {

Console::Console(std::istream& in, std::ostream& out, PauseAction pause)
    : in_(in), out_(out), errors_(out), pause_(std::move(pause)) {}

Console::Console(std::istream& in, std::ostream& out, std::ostream& errors, PauseAction pause)
    : in_(in), out_(out), errors_(errors), pause_(std::move(pause)) {}

void Console::pause() {
    out_.flush();
    if (pause_) {
        pause_(in_, out_);
    }
    out_.flush();
}

std::string readAnswerWord(Console& console) {
    std::string word;
    console.in() >> word;
    const std::size_t zero = word.find('\0');
    if (zero != std::string::npos) {
        word.resize(zero);
    }
    return word;
}

std::int32_t readAnswerNumber(Console& console, std::int32_t preset) {
    // The standard extraction decides everything: sign, digits, overflow (which
    // fails and clamps) and the failed state that silences the later answers.
    int value = preset;
    console.in() >> value;
    return static_cast<std::int32_t>(value);
}

char readAnswerChar(Console& console, char preset) {
    char answer = preset;
    console.in() >> answer;
    return answer;
}

}  // namespace league
