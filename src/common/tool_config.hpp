#pragma once
// The shared configuration file "Quorrin.ini", the fixed capacities of names and
// paths, and the exit statuses of the three programs.

#include "common/disk.hpp"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace league {

/// Capacities of the fixed texts, terminator included: the usable length is one less.
inline constexpr std::size_t kFolderCapacity = 50;
inline constexpr std::size_t kInputPathCapacity = 80;
inline constexpr std::size_t kPageNameCapacity = 60;
inline constexpr std::size_t kAnswerWordCapacity = 40;

/// Exit statuses: a completed Quorrin run ends with 0; every stop ends with 1, and so
/// does every run of Omblen and Duvessa.
inline constexpr int kExitCompleted = 0;
inline constexpr int kExitStopped = 1;

inline constexpr const char* kConfigFileName = "Quorrin.ini";

struct ToolConfig {
    /// The simulator's folder as typed into "Quorrin.ini"; a plain prefix of every
    /// input path, so a usable value ends with a backslash.
    std::string simulatorFolder;
};

/// Reads "Quorrin.ini" from the working folder: its bytes (CR LF taken as LF) up to the
/// first zero byte, at most 49 characters. Nothing when the file cannot be read.
std::optional<ToolConfig> loadToolConfig(Disk& disk);

/// The configuration that the bytes of a "Quorrin.ini" hold, read as loadToolConfig
/// reads them.
ToolConfig toolConfigFromBytes(std::string_view bytes);

/// True when a text fits a capacity that includes the terminator.
bool fitsCapacity(const std::string& text, std::size_t capacity);

}  // namespace league
