#pragma once

#include <windows.h>

#include <cstdio>

// Owners of what the code opens, one a kind, each closing what it holds in its destructor, so
// that no return path closes anything by hand. None of them can be copied.

// A kernel object: a process, a file of CreateFileA. CreateProcessA gives none as null,
// CreateFileA as INVALID_HANDLE_VALUE; both count as none here.
class Handle {
  public:
    explicit Handle(HANDLE handle = nullptr) : handle(handle) {}
    Handle(Handle&& other) noexcept : handle(other.handle) { other.handle = nullptr; }
    Handle& operator=(Handle&& other) noexcept;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle();

    bool IsOpen() const { return handle != nullptr && handle != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle; }

  private:
    HANDLE handle;
};

// A search of the file system: FindFirstFileA on construction, with its first entry in entry;
// Next moves entry on with FindNextFileA.
class FindFile {
  public:
    explicit FindFile(const char* pattern) : search(FindFirstFileA(pattern, &entry)) {}
    FindFile(const FindFile&) = delete;
    FindFile& operator=(const FindFile&) = delete;
    ~FindFile();

    bool IsOpen() const { return search != INVALID_HANDLE_VALUE; }
    bool Next() { return IsOpen() && FindNextFileA(search, &entry) != 0; }

    WIN32_FIND_DATAA entry;

  private:
    HANDLE search;
};

// A stream of the C library. A writer calls Close to learn whether everything reached the file.
class StdFile {
  public:
    StdFile(const char* path, const char* mode) : file(std::fopen(path, mode)) {}
    StdFile(const StdFile&) = delete;
    StdFile& operator=(const StdFile&) = delete;
    ~StdFile() { Close(); }

    bool IsOpen() const { return file != nullptr; }
    FILE* Get() const { return file; }
    // True when the stream was open and fclose flushed it.
    bool Close();

  private:
    FILE* file;
};
