#pragma once

#include <cstdint>

// Growable string of 16-bit units with a read cursor and a cached 8-bit copy. Bytes and units
// convert by value (no code page): a byte becomes the unit of the same value, a unit its low byte.
class WideText {
  public:
    WideText();
    explicit WideText(const char* text);
    WideText(const WideText& other);
    WideText& operator=(const WideText&) = delete;
    ~WideText();

    WideText& Clear();
    WideText& Reserve(int32_t n);
    WideText& Append(const char* text);
    WideText& AppendWide(const wchar_t* text);
    WideText& AppendUnit(wchar_t unit);
    WideText& Assign(const char* text);
    WideText& AssignWide(const wchar_t* text);
    WideText& AssignText(const WideText& other);
    const wchar_t* CursorText() const;
    const char* Narrow();
    int32_t Advance(int32_t n);
    int32_t SetCursor(int32_t n);
    int32_t ReadLine(WideText& destination);

    const wchar_t* Begin() const { return begin; }
    int32_t Length() const { return static_cast<int32_t>(end - begin); }
    int32_t Capacity() const { return capacity; }
    int32_t CursorPos() const { return static_cast<int32_t>(cursor - begin); }

  private:
    WideText& AppendUnits(const wchar_t* units, int32_t n);

    wchar_t* begin;
    wchar_t* cursor;
    wchar_t* end;
    char* narrow;
    int32_t capacity;
    int32_t growStep;
};
