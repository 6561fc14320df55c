#pragma once
// Runs a whole program, in-process over string streams and an in-memory disk, or as the
// built executable with piped input (and, if wanted, command-line arguments) in a fresh
// folder, over the given files, and returns what the user would see: the console text,
// the exit status and every file afterwards.

#include "support/temp_folder.hpp"

#include "common/console.hpp"
#include "common/disk.hpp"

#include <functional>
#include <string>
#include <vector>

namespace league::testing {

struct RunResult {
    int exitStatus = -1;
    std::string console;
    /// Standard error, when the run kept it apart from the console text.
    std::string errors;
    /// Every file of the folder after the run, the input files included.
    FileMap files;
};

using ProgramRun = std::function<int(Console&, Disk&)>;

/// The prompt of the in-process console's pause, the same as the pause's prompt on
/// systems other than Windows.
inline const std::string kTestPausePrompt = "Press any key to continue . . . ";

/// The pause that the in-process console uses: kTestPausePrompt, then one byte of input.
void testPause(std::istream& in, std::ostream& out);

/// Runs `run` in-process with `input` as the typed answers, over an in-memory disk.
RunResult runInProcess(const ProgramRun& run, const std::string& input, const FileMap& files);

/// Starts the built executable in a fresh folder with `input` piped to it.
RunResult runExecutable(const std::string& executable, const std::string& input, const FileMap& files);

/// How a built executable is started, beyond its input and files.
struct ExecutableStart {
    std::vector<std::string> arguments;
    /// The folder below the fresh folder to start in (a relative path, as
    /// "simulator/exports"); the files come back relative to the fresh folder.
    std::string workingFolder;
    /// Standard error is kept apart, in RunResult::errors, instead of in the console text.
    bool separateErrors = false;
    /// Adds to the fresh folder what a FileMap cannot hold, such as links, before the start.
    std::function<void(const std::filesystem::path&)> prepare;
};

/// Starts the built executable as `start` says.
RunResult runExecutable(const std::string& executable, const std::string& input, const FileMap& files,
                        const ExecutableStart& start);

/// Starts a command line in `folder` with standard input, output and error redirected
/// to files (standard error into the output file when `errorFile` is empty); returns
/// the exit status (the part of runExecutable that differs by system).
int runCommandInFolder(const std::string& executable, const std::vector<std::string>& arguments,
                       const std::filesystem::path& folder, const std::filesystem::path& inputFile,
                       const std::filesystem::path& outputFile, const std::filesystem::path& errorFile);

/// What the built executables print when they pause: the system's own prompt. Tests
/// of whole executables build their expected console text with it.
std::string executablePausePrompt();

/// The files that a run added or changed, compared with the files it was given.
FileMap filesWritten(const RunResult& result, const FileMap& given);

}  // namespace league::testing
