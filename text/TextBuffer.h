#pragma once

#include <cstdint>

// Growable 8-bit string builder. Appends chain; failures set a flag and call the hook, never throw.
class TextBuffer {
  public:
    enum : uint32_t { ErrorNoStorage = 2, ErrorRange = 8, ErrorNoMemory = 128 };
    using ErrorHook = int32_t (*)(int32_t flag);

    TextBuffer();
    explicit TextBuffer(const char* text);
    ~TextBuffer();
    TextBuffer(const TextBuffer&) = delete;
    TextBuffer& operator=(const TextBuffer&) = delete;

    TextBuffer& Clear();
    TextBuffer& Reserve(int32_t n);
    TextBuffer& AppendBytes(const void* bytes, int32_t n);
    TextBuffer& Append(const char* text);
    TextBuffer& AppendChar(char c);
    TextBuffer& AppendNumber(int32_t n);
    TextBuffer& AppendBuffer(const TextBuffer& other);
    TextBuffer& Assign(const char* text);
    TextBuffer& CopyFrom(const TextBuffer& other);
    TextBuffer& SetWritePos(int32_t n);
    TextBuffer& SetCursor(int32_t n);
    int32_t RaiseError(int32_t flag);
    const char* CStr() const;

    int32_t Length() const { return static_cast<int32_t>(end - begin); }
    int32_t Capacity() const { return capacity; }
    int32_t CursorPos() const { return static_cast<int32_t>(cursor - begin); }
    uint32_t ErrorFlags() const { return errorFlags; }
    void SetErrorHook(ErrorHook hook) { errorHook = hook; }

  private:
    char* begin;
    char* end;
    char* cursor;
    uint32_t errorFlags;
    int32_t capacity;
    int32_t growStep;
    ErrorHook errorHook;
};
