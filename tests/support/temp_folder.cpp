#include "support/temp_folder.hpp"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace league::testing {

namespace {

std::filesystem::path uniqueFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device device;
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    const std::string name = "league-test-" + std::to_string(device()) + "-" + std::to_string(stamp % 1000000007) +
                             "-" + std::to_string(counter++);
    return std::filesystem::temp_directory_path() / name;
}

}  // namespace

TempFolder::TempFolder() : path_(uniqueFolder()) {
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void TempFolder::write(const std::string& relativePath, const std::string& bytes) const {
    const std::filesystem::path file = path_ / std::filesystem::path(relativePath);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw std::runtime_error("cannot write test file " + file.string());
    }
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void TempFolder::writeAll(const FileMap& files) const {
    for (const auto& [name, bytes] : files) {
        write(name, bytes);
    }
}

FileMap TempFolder::files() const {
    return filesBelow(path_);
}

FileMap filesBelow(const std::filesystem::path& root) {
    FileMap result;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (entry.is_regular_file()) {
            result[std::filesystem::relative(entry.path(), root).generic_string()] = readFileBytes(entry.path());
        }
    }
    return result;
}

std::string readFileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string withUnixLineEnds(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            continue;
        }
        result += text[i];
    }
    return result;
}

}  // namespace league::testing
