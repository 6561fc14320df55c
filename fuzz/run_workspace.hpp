#pragma once
// A working folder for whole-program fuzzing, one per fuzzer process (below the
// system's temporary folder). Every run starts in an empty folder that holds exactly
// the given files; afterwards the run must have left every input file byte for byte as
// it was and added nothing but its own pages. Any other outcome aborts, which the
// fuzzer reports as a finding.

#include "common/console.hpp"
#include "common/disk.hpp"

#include <filesystem>
#include <functional>
#include <map>
#include <string>

namespace league::fuzz {

/// Relative path ('/' separated) -> file bytes.
using FileMap = std::map<std::string, std::string>;
using ProgramRun = std::function<int(Console&, Disk&)>;

class RunWorkspace {
public:
    RunWorkspace();
    RunWorkspace(const RunWorkspace&) = delete;
    RunWorkspace& operator=(const RunWorkspace&) = delete;
    ~RunWorkspace();

    /// Runs `run` with `answers` as the typed input over a folder holding `files`,
    /// then checks the folder. The pause reads one byte, as a key press. Returns the
    /// exit status.
    int runAndCheck(const ProgramRun& run, const std::string& answers, const FileMap& files);

private:
    std::filesystem::path root_;
};

}  // namespace league::fuzz
