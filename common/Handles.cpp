#include "common/Handles.h"

#include <utility>

Handle& Handle::operator=(Handle&& other) noexcept {
    std::swap(handle, other.handle);
    return *this;
}

Handle::~Handle() {
    if (IsOpen())
        CloseHandle(handle);
}

FindFile::~FindFile() {
    if (IsOpen())
        FindClose(search);
}

bool StdFile::Close() {
    FILE* open = file;
    file = nullptr;
    return open != nullptr && std::fclose(open) == 0;
}
