#include "support/run_harness.hpp"

#include "common/memory_disk.hpp"

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
    MemoryDisk disk(files);
    std::istringstream in(input);
    std::ostringstream out;
    Console console(in, out, testPause);
    RunResult result;
    result.exitStatus = run(console, disk);
    result.console = out.str();
    result.files = disk.files();
    return result;
}

RunResult runExecutable(const std::string& executable, const std::string& input, const FileMap& files) {
    return runExecutable(executable, input, files, ExecutableStart{});
}

RunResult runExecutable(const std::string& executable, const std::string& input, const FileMap& files,
                        const ExecutableStart& start) {
    TempFolder outer;
    const std::filesystem::path work = outer.path() / "work";
    std::filesystem::create_directories(work / start.workingFolder);
    const std::filesystem::path inputFile = outer.path() / "stdin.txt";
    const std::filesystem::path outputFile = outer.path() / "stdout.txt";
    const std::filesystem::path errorFile =
        start.separateErrors ? outer.path() / "stderr.txt" : std::filesystem::path();
    outer.write("stdin.txt", input);
    for (const auto& [name, bytes] : files) {
        outer.write("work/" + name, bytes);
    }
    if (start.prepare) {
        start.prepare(work);
    }
    RunResult result;
    result.exitStatus =
        runCommandInFolder(executable, start.arguments, work / start.workingFolder, inputFile, outputFile, errorFile);
    result.console = readFileBytes(outputFile);
    if (start.separateErrors) {
        result.errors = readFileBytes(errorFile);
    }
    for (const auto& [name, bytes] : outer.files()) {
        if (name.rfind("work/", 0) == 0) {
            result.files[name.substr(5)] = bytes;
        }
    }
    return result;
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
