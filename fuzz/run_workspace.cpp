#include "run_workspace.hpp"

#include "common/real_disk.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <istream>
#include <iterator>
#include <random>
#include <sstream>
#include <system_error>

namespace league::fuzz {

namespace {

std::filesystem::path processFolder() {
    // The fuzzer runs one input at a time, so one folder per process is enough; the
    // random part keeps apart the folders of fuzzers run side by side.
    std::random_device device;
    return std::filesystem::temp_directory_path() /
           ("league-fuzz-" + std::to_string(device()) + "-" + std::to_string(device()));
}

[[noreturn]] void finding(const std::string& what, const std::string& file) {
    std::fprintf(stderr, "run workspace finding: %s: %s\n", what.c_str(), file.c_str());
    std::abort();
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

bool isPageName(const std::string& name) {
    const std::string html = ".html";
    const bool endsInHtml = name.size() >= html.size() && name.compare(name.size() - html.size(), html.size(), html) == 0;
    return name.find('/') == std::string::npos && (endsInHtml || name == "grids_forum.txt");
}

}  // namespace

RunWorkspace::RunWorkspace() : root_(processFolder()) {}

RunWorkspace::~RunWorkspace() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

int RunWorkspace::runAndCheck(const ProgramRun& run, const std::string& answers, const FileMap& files) {
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
    for (const auto& [name, bytes] : files) {
        const std::filesystem::path file = root_ / name;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }

    std::istringstream in(answers);
    std::ostringstream out;
    Console console(in, out, [](std::istream& keys, std::ostream&) { keys.get(); });
    RealDisk disk(root_.string());
    const int exitStatus = run(console, disk);

    if (exitStatus != 0 && exitStatus != 1) {
        finding("exit status " + std::to_string(exitStatus), root_.string());
    }
    for (const auto& [name, bytes] : files) {
        const std::filesystem::path file = root_ / name;
        if (!std::filesystem::is_regular_file(file) || fileBytes(file) != bytes) {
            finding("input file changed or removed", name);
        }
    }
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root_)) {
        const std::string name = std::filesystem::relative(entry.path(), root_).generic_string();
        if (files.count(name) != 0) {
            continue;
        }
        const bool folderOfAnInput = entry.is_directory() && [&] {
            for (const auto& given : files) {
                if (given.first.rfind(name + "/", 0) == 0) {
                    return true;
                }
            }
            return false;
        }();
        if (!folderOfAnInput && !(entry.is_regular_file() && isPageName(name))) {
            finding("a run wrote something that is not one of its pages", name);
        }
    }
    return exitStatus;
}

}  // namespace league::fuzz
