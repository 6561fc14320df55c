#pragma once
// The console of a run: where answers come from, where messages go, and how the run
// waits for a key before the window closes. Tests hand in string streams and a pause
// of their own, so a whole dialogue can run in-process.

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <string>

namespace league {

class Console {
public:
    using PauseAction = std::function<void(std::istream&, std::ostream&)>;

    /// A console over the given streams; `pause` is called by pause(). Errors go to
    /// `out` as well.
    Console(std::istream& in, std::ostream& out, PauseAction pause);
    /// The same with the errors of the command line kept apart (standard error).
    Console(std::istream& in, std::ostream& out, std::ostream& errors, PauseAction pause);

    std::istream& in() { return in_; }
    std::ostream& out() { return out_; }
    /// Where a mistake of the command line is told.
    std::ostream& errors() { return errors_; }

    /// Flushes the output and waits for a key as the system's pause does, so that a user
    /// who started the program by double-click can read the last message before the
    /// window closes.
    void pause();

private:
    std::istream& in_;
    std::ostream& out_;
    std::ostream& errors_;
    PauseAction pause_;
};

/// One whitespace-delimited word, as the standard word extraction reads it: leading
/// white space is skipped, the line end after the word stays unread. At end of input
/// (or after an earlier failed extraction) the word is empty. A zero byte ends the word
/// as it ends every text of the programs: "R1\0zz" is the answer "R1".
std::string readAnswerWord(Console& console);

/// One decimal integer, as the standard integer extraction reads it. When nothing can
/// be read the preset is kept; when the text is no number the result is 0 and the
/// input stays failed, so every later answer reads nothing and keeps its preset.
std::int32_t readAnswerNumber(Console& console, std::int32_t preset);

/// One character after skipping white space; the preset stays when nothing can be read.
char readAnswerChar(Console& console, char preset);

}  // namespace league
