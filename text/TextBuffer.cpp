#include "text/TextBuffer.h"

#include "text/TextAllocator.h"

#include <cstdio>
#include <cstring>

namespace {
const char emptyText[1] = {0};

int32_t ReturnFlag(int32_t flag) { return flag; }
} // namespace

TextBuffer::TextBuffer()
    : begin(nullptr), end(nullptr), cursor(nullptr), errorFlags(0), capacity(0), growStep(256),
      errorHook(ReturnFlag) {}

TextBuffer::TextBuffer(const char* text) : TextBuffer() { Append(text); }

TextBuffer::~TextBuffer() { Clear(); }

TextBuffer& TextBuffer::Clear() {
    TextFree(begin);
    begin = end = cursor = nullptr;
    errorFlags = 0;
    capacity = 0;
    return *this;
}

TextBuffer& TextBuffer::Reserve(int32_t n) {
    const int32_t needed = n + Length();
    if (needed < capacity)
        return *this;
    const int32_t newCapacity = growStep * (needed / growStep + 1);
    char* block = static_cast<char*>(TextAlloc(static_cast<size_t>(newCapacity)));
    if (block == nullptr) {
        RaiseError(ErrorNoMemory);
        return *this;
    }
    if (begin == nullptr) {
        end = cursor = block;
    } else {
        std::memcpy(block, begin, static_cast<size_t>(Length()));
        end = block + Length();
        cursor = block + CursorPos();
        TextFree(begin);
    }
    begin = block;
    capacity = newCapacity;
    return *this;
}

TextBuffer& TextBuffer::AppendBytes(const void* bytes, int32_t n) {
    Reserve(n + 1);
    if (begin == nullptr || Length() + n + 1 >= capacity) {
        RaiseError(ErrorNoStorage);
        return *this;
    }
    if (n > 0)
        std::memmove(end, bytes, static_cast<size_t>(n));
    end += n;
    *end = 0;
    return *this;
}

TextBuffer& TextBuffer::Append(const char* text) {
    if (text == nullptr || *text == 0)
        return *this;
    return AppendBytes(text, static_cast<int32_t>(std::strlen(text)));
}

TextBuffer& TextBuffer::AppendChar(char c) {
    const char text[2] = {c, 0};
    return Append(text);
}

TextBuffer& TextBuffer::AppendNumber(int32_t n) {
    char digits[256];
    std::snprintf(digits, sizeof digits, "%d", static_cast<int>(n));
    return Append(digits);
}

TextBuffer& TextBuffer::AppendBuffer(const TextBuffer& other) { return Append(other.begin); }

TextBuffer& TextBuffer::Assign(const char* text) { return Clear().Append(text); }

TextBuffer& TextBuffer::CopyFrom(const TextBuffer& other) {
    const int32_t length = other.Length();
    SetWritePos(0).SetCursor(0);
    // Copying a buffer onto itself: the bytes already stand where they belong.
    return AppendBytes(&other == this ? begin : other.begin, length);
}

TextBuffer& TextBuffer::SetWritePos(int32_t n) {
    if (n < 0) {
        end = begin;
        RaiseError(ErrorRange);
    } else if (n > capacity) {
        // Without storage there is no last byte to clamp to: the write position stays null.
        end = begin ? begin + capacity - 1 : nullptr;
        RaiseError(ErrorRange);
    } else {
        end = begin + n;
    }
    return *this;
}

TextBuffer& TextBuffer::SetCursor(int32_t n) {
    if (n < 0) {
        cursor = begin;
        RaiseError(ErrorRange);
    } else if (n > Length()) {
        cursor = end;
        RaiseError(ErrorRange);
    } else {
        cursor = begin + n;
    }
    return *this;
}

int32_t TextBuffer::RaiseError(int32_t flag) {
    errorFlags |= static_cast<uint32_t>(flag);
    return errorHook(flag);
}

const char* TextBuffer::CStr() const { return begin ? begin : emptyText; }
