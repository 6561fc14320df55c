#pragma once
// Runs a whole program, in-process over string streams and an in-memory disk, or as the
// built executable with piped input in a fresh folder, over the given files, and returns
// what the user would see: the console text, the exit status and every file afterwards.

#include "support/temp_folder.hpp"

#include "common/console.hpp"
#include "common/disk.hpp"

#include <functional>
#include <string>

namespace league::testing {

struct RunResult {
    int exitStatus = -1;
    std::string console;
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

/// The same, started in `workingFolder` below the fresh folder (a relative path, as
/// "simulator/exports"). `prepare` can add to the fresh folder what a FileMap cannot
/// hold, such as links, before the start. The files come back relative to the fresh
/// folder.
RunResult runExecutableIn(const std::string& executable, const std::string& input, const FileMap& files,
                          const std::string& workingFolder,
                          const std::function<void(const std::filesystem::path&)>& prepare = {});

/// Starts a command line in `folder` with standard input and output redirected to
/// files; returns the exit status (the part of runExecutable that differs by system).
int runCommandInFolder(const std::string& executable, const std::filesystem::path& folder,
                       const std::filesystem::path& inputFile, const std::filesystem::path& outputFile);

/// What the built executables print when they pause: the system's own prompt. Tests
/// of whole executables build their expected console text with it.
std::string executablePausePrompt();

/// The files that a run added or changed, compared with the files it was given.
FileMap filesWritten(const RunResult& result, const FileMap& given);

}  // namespace league::testing
