#include "text/WideText.h"

#include "text/TextAllocator.h"

#include <cstring>
#include <cwchar>

WideText::WideText()
    : begin(nullptr), cursor(nullptr), end(nullptr), narrow(nullptr), capacity(0), growStep(256) {}

WideText::WideText(const char* text) : WideText() { Append(text); }

WideText::WideText(const WideText& other) : WideText() { AppendUnits(other.begin, other.Length()); }

WideText::~WideText() { Clear(); }

WideText& WideText::Clear() {
    TextFree(begin);
    TextFree(narrow);
    begin = cursor = end = nullptr;
    narrow = nullptr;
    capacity = 0;
    return *this;
}

WideText& WideText::Reserve(int32_t n) {
    if (n <= 0)
        return *this;
    const int32_t needed = n + Length();
    if (needed < capacity)
        return *this;
    const int32_t newCapacity = growStep * (needed / growStep + 1);
    wchar_t* block =
        static_cast<wchar_t*>(TextAlloc(static_cast<size_t>(newCapacity) * sizeof(wchar_t)));
    if (block == nullptr)
        return *this;
    if (begin == nullptr) {
        cursor = end = block;
    } else {
        std::memcpy(block, begin, static_cast<size_t>(Length()) * sizeof(wchar_t));
        cursor = block + CursorPos();
        end = block + Length();
        TextFree(begin);
    }
    begin = block;
    capacity = newCapacity;
    return *this;
}

WideText& WideText::AppendUnits(const wchar_t* units, int32_t n) {
    if (units == nullptr || n <= 0)
        return *this;
    Reserve(n + 1);
    if (begin == nullptr || Length() + n + 1 >= capacity)
        return *this;
    std::memmove(end, units, static_cast<size_t>(n) * sizeof(wchar_t));
    end += n;
    *end = 0;
    return *this;
}

WideText& WideText::Append(const char* text) {
    if (text == nullptr || *text == 0)
        return *this;
    const int32_t n = static_cast<int32_t>(std::strlen(text));
    Reserve(n + 1);
    if (begin == nullptr || Length() + n + 1 >= capacity)
        return *this;
    for (const unsigned char* byte = reinterpret_cast<const unsigned char*>(text); *byte; ++byte)
        *end++ = static_cast<wchar_t>(*byte);
    *end = 0;
    return *this;
}

WideText& WideText::AppendWide(const wchar_t* text) {
    if (text == nullptr)
        return *this;
    return AppendUnits(text, static_cast<int32_t>(std::wcslen(text)));
}

WideText& WideText::AppendUnit(wchar_t unit) {
    const wchar_t text[2] = {unit, 0};
    return AppendWide(text);
}

WideText& WideText::Assign(const char* text) {
    Clear().Append(text);
    cursor = begin;
    return *this;
}

WideText& WideText::AssignWide(const wchar_t* text) {
    Clear().AppendWide(text);
    cursor = begin;
    return *this;
}

WideText& WideText::AssignText(const WideText& other) {
    if (&other == this) {
        cursor = begin;
        return *this;
    }
    return AssignWide(other.begin);
}

const wchar_t* WideText::CursorText() const { return cursor ? cursor : L""; }

const char* WideText::Narrow() {
    TextFree(narrow);
    const int32_t length = Length();
    narrow = static_cast<char*>(TextAlloc(static_cast<size_t>(length) + 1));
    if (narrow == nullptr)
        return "";
    for (int32_t i = 0; i < length; ++i)
        narrow[i] = static_cast<char>(begin[i] & 0xFF);
    narrow[length] = 0;
    return narrow;
}

int32_t WideText::Advance(int32_t n) { return SetCursor(CursorPos() + n); }

int32_t WideText::SetCursor(int32_t n) {
    if (n < 0)
        n = 0;
    cursor = n < Length() ? begin + n : end;
    return CursorPos();
}

int32_t WideText::ReadLine(WideText& destination) {
    if (cursor == nullptr || cursor >= end)
        return 0;
    int32_t walked = 0;
    for (const wchar_t* unit = cursor; unit < end; ++unit) {
        ++walked;
        if (*unit == L'\n')
            break;
        destination.AppendUnit(*unit);
    }
    Advance(walked);
    return walked;
}
