#include "support/run_harness.hpp"

#include <istream>
#include <ostream>
#include <sstream>

namespace league::testing {

void testPause(std::istream& in, std::ostream& out) {
    out << kTestPausePrompt;
    out.flush();
    in.get();
}

RunResult runInProcess(const ProgramRun& run, const std::string& input, const FileMap& files) {
    TempFolder folder;
    folder.writeAll(files);
    std::istringstream in(input);
    std::ostringstream out;
    Console console(in, out, testPause);
    RunResult result;
    result.exitStatus = run(console, Folder(folder.path()));
    result.console = out.str();
    result.files = folder.files();
    return result;
}

namespace {

// Runs the executable in the folder "work" of a fresh folder; standard error goes
// into `errors` when `separateErrors` is set, otherwise into the console text.
RunResult runInFreshFolder(const std::string& executable, const std::vector<std::string>& arguments,
                           const std::string& input, const FileMap& files, bool separateErrors) {
    TempFolder outer;
    const std::filesystem::path work = outer.path() / "work";
    std::filesystem::create_directories(work);
    const std::filesystem::path inputFile = outer.path() / "stdin.txt";
    const std::filesystem::path outputFile = outer.path() / "stdout.txt";
    const std::filesystem::path errorFile = separateErrors ? outer.path() / "stderr.txt" : std::filesystem::path();
    outer.write("stdin.txt", input);
    for (const auto& [name, bytes] : files) {
        outer.write("work/" + name, bytes);
    }
    RunResult result;
    result.exitStatus = runCommandInFolder(executable, arguments, work, inputFile, outputFile, errorFile);
    result.console = readFileBytes(outputFile);
    if (separateErrors) {
        result.errors = readFileBytes(errorFile);
    }
    for (const auto& [name, bytes] : outer.files()) {
        if (name.rfind("work/", 0) == 0) {
            result.files[name.substr(5)] = bytes;
        }
    }
    return result;
}

}  // namespace

RunResult runExecutable(const std::string& executable, const std::string& input, const FileMap& files) {
    return runInFreshFolder(executable, {}, input, files, false);
}

RunResult runExecutableWithArguments(const std::string& executable, const std::vector<std::string>& arguments,
                                     const std::string& input, const FileMap& files) {
    return runInFreshFolder(executable, arguments, input, files, true);
}

FileMap filesWritten(const RunResult& result, const FileMap& given) {
    FileMap written;
    for (const auto& [name, bytes] : result.files) {
        const auto before = given.find(name);
        if (before == given.end() || before->second != bytes) {
            written[name] = bytes;
        }
    }
    return written;
}

}  // namespace league::testing
