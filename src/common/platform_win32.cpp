#include "common/platform.hpp"

#include <cstdlib>
#include <istream>
#include <ostream>

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

namespace league::platform {

namespace {

HANDLE handleOf(FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

FileHandle fileHandleOf(HANDLE handle) {
    return reinterpret_cast<FileHandle>(handle);
}

FileIdentity identityOfHandle(HANDLE handle) {
    BY_HANDLE_FILE_INFORMATION info{};
    if (GetFileInformationByHandle(handle, &info) == 0) {
        return FileIdentity{};
    }
    const std::uint64_t index = (std::uint64_t{info.nFileIndexHigh} << 32) | info.nFileIndexLow;
    return FileIdentity{info.dwVolumeSerialNumber, index};
}

// Chunks of at most 1 GB, since one ReadFile or WriteFile takes a 32-bit length.
constexpr std::int64_t kLargestChunk = std::int64_t{1} << 30;

}  // namespace

void pauseForKey(std::istream& /*in*/, std::ostream& out) {
    out.flush();
    std::system("PAUSE");
}

std::string nativeInputPath(const std::string& composedPath) {
    return composedPath;
}

std::optional<InputFile> openForReading(const std::string& path) {
    // Without backup semantics a folder cannot be opened, so it never counts as a file.
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    InputFile file;
    file.handle = fileHandleOf(handle);
    file.regular = GetFileType(handle) == FILE_TYPE_DISK;
    LARGE_INTEGER size{};
    if (file.regular && GetFileSizeEx(handle, &size) != 0 && size.QuadPart > 0) {
        file.size = static_cast<std::int64_t>(size.QuadPart);
    }
    file.identity = identityOfHandle(handle);
    return file;
}

std::int64_t readSomeAt(FileHandle file, std::int64_t offset, char* into, std::int64_t length) {
    OVERLAPPED at{};
    at.Offset = static_cast<DWORD>(static_cast<std::uint64_t>(offset) & 0xFFFFFFFFu);
    at.OffsetHigh = static_cast<DWORD>(static_cast<std::uint64_t>(offset) >> 32);
    DWORD got = 0;
    if (ReadFile(handleOf(file), into, static_cast<DWORD>(length < kLargestChunk ? length : kLargestChunk), &got,
                 &at) == 0) {
        return GetLastError() == ERROR_HANDLE_EOF ? 0 : -1;
    }
    return got;
}

std::int64_t readSome(FileHandle file, char* into, std::int64_t length) {
    DWORD got = 0;
    if (ReadFile(handleOf(file), into, static_cast<DWORD>(length < kLargestChunk ? length : kLargestChunk), &got,
                 nullptr) == 0) {
        // The other end of a pipe is gone: what was read is all there is.
        return GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
    }
    return got;
}

std::optional<FileIdentity> identityOfPath(const std::string& path) {
    // No access is asked for: the handle only serves to read the file's identity, also
    // of a file that another program holds open.
    const HANDLE handle = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    const FileIdentity identity = identityOfHandle(handle);
    CloseHandle(handle);
    return identity;
}

std::optional<FileHandle> createForWriting(const std::string& path) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return fileHandleOf(handle);
}

bool writeAll(FileHandle file, std::string_view bytes) {
    const char* next = bytes.data();
    std::int64_t left = static_cast<std::int64_t>(bytes.size());
    while (left > 0) {
        const std::int64_t chunk = left < kLargestChunk ? left : kLargestChunk;
        DWORD done = 0;
        if (WriteFile(handleOf(file), next, static_cast<DWORD>(chunk), &done, nullptr) == 0 || done == 0) {
            return false;
        }
        next += done;
        left -= done;
    }
    return true;
}

bool finishWriting(FileHandle file, std::int64_t length) {
    bool cut = true;
    if (GetFileType(handleOf(file)) == FILE_TYPE_DISK) {
        LARGE_INTEGER end{};
        end.QuadPart = length;
        cut = SetFilePointerEx(handleOf(file), end, nullptr, FILE_BEGIN) != 0 && SetEndOfFile(handleOf(file)) != 0;
    }
    return closeFile(file) && cut;
}

bool closeFile(FileHandle file) {
    return CloseHandle(handleOf(file)) != 0;
}

bool removeFile(const std::string& path) {
    if (DeleteFileA(path.c_str()) != 0) {
        return true;
    }
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

std::optional<std::vector<std::string>> filesInFolder(const std::string& folder) {
    WIN32_FIND_DATAA found{};
    const HANDLE search = FindFirstFileA(((folder.empty() ? std::string(".") : folder) + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) {
        return GetLastError() == ERROR_FILE_NOT_FOUND ? std::optional<std::vector<std::string>>(std::vector<std::string>{})
                                                       : std::nullopt;
    }
    std::vector<std::string> names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.emplace_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found) != 0);
    FindClose(search);
    return names;
}

bool isFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool makeFolder(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0 || isFolder(path);
}

bool renameOver(const std::string& from, const std::string& to) {
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

std::optional<FileHandle> createNewForWriting(const std::string& path) {
    const HANDLE handle = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        return std::nullopt;
    }
    return fileHandleOf(handle);
}

std::string_view textLineEnd() {
    return "\r\n";
}

Utf8ConsoleOutput::Utf8ConsoleOutput() {
    // Without a console (output to a pipe or a file) there is no code page to set: the
    // bytes go out as they are, UTF-8.
    const UINT previous = GetConsoleOutputCP();
    if (previous != 0 && previous != CP_UTF8 && SetConsoleOutputCP(CP_UTF8) != 0) {
        previousCodePage_ = previous;
    }
}

Utf8ConsoleOutput::~Utf8ConsoleOutput() {
    if (previousCodePage_ != 0) {
        SetConsoleOutputCP(previousCodePage_);
    }
}

bool consoleBelongsToThisProcessAlone() {
    // A console opened for this process by a double-click lists this process alone; a
    // console window or a script that started it lists its own process too. Input from
    // a pipe or a file is no one to wait for.
    DWORD processes[2] = {};
    return GetConsoleProcessList(processes, 2) == 1 && GetFileType(GetStdHandle(STD_INPUT_HANDLE)) == FILE_TYPE_CHAR;
}

}  // namespace league::platform
