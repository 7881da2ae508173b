#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "text/TextAllocator.h"
#include "text/TextBuffer.h"
#include "text/WideText.h"

namespace {
uint32_t hookFlags = 0;
int32_t RecordingHook(int32_t flag) {
    hookFlags |= static_cast<uint32_t>(flag);
    return flag;
}

void* FailingAlloc(size_t) { return nullptr; }

// Every string allocation fails while it lives.
struct HeapExhausted {
    HeapExhausted() { SetTextAllocFunction(FailingAlloc); }
    ~HeapExhausted() { SetTextAllocFunction(nullptr); }
};

std::wstring ReadLine(WideText& text, int32_t& consumed) {
    WideText line;
    consumed = text.ReadLine(line);
    return std::wstring(line.CursorText());
}
} // namespace

// Growth at exactly the capacity is where the terminating zero would overrun the block.
TEST(TextBuffer, GrowsAtTheCapacityAndAppendsNumbers) {
    const struct {
        int32_t before, appended, capacity;
    } cases[] = {{0, 3, 256}, {253, 1, 256}, {254, 1, 512}, {0, 300, 512}, {510, 1, 768}};
    for (const auto& c : cases) {
        TextBuffer buffer(std::string(c.before, 'x').c_str());
        buffer.SetCursor(c.before / 2);
        buffer.Append(std::string(c.appended, 'y').c_str());
        EXPECT_EQ(c.capacity, buffer.Capacity()) << c.before << " + " << c.appended;
        EXPECT_EQ(std::string(c.before, 'x') + std::string(c.appended, 'y'), buffer.CStr());
        EXPECT_EQ(c.before / 2, buffer.CursorPos()) << "the cursor keeps its offset";
    }
    TextBuffer buffer;
    buffer.Append(nullptr).Append("").AppendChar(0);
    EXPECT_EQ(0, buffer.Capacity());
    EXPECT_STREQ("", buffer.CStr()) << "never null";
    buffer.Append("Update ").AppendNumber(INT_MIN).AppendChar('/').AppendNumber(0);
    EXPECT_STREQ("Update -2147483648/0", buffer.CStr());
}

TEST(WideText, ConvertsByValueAndReadsLines) {
    WideText bytes("\xE9t");
    EXPECT_EQ(0x00E9, bytes.Begin()[0]) << "no sign extension";
    bytes.AppendUnit(0x0141).AppendUnit(0);
    EXPECT_STREQ("\xE9tA", bytes.Narrow());
    WideText empty;
    empty.Assign("");
    EXPECT_EQ(0, empty.Capacity());
    EXPECT_STREQ("", empty.Narrow());

    const struct {
        const char* text;
        const wchar_t* lines[3];
        int32_t consumed[3];
    } cases[] = {{"ab\ncd", {L"ab", L"cd", L""}, {3, 2, 0}},
                 {"\n", {L"", L""}, {1, 0}},
                 {"ab\r\n", {L"ab\r", L""}, {4, 0}},
                 {"a\n\nb", {L"a", L"", L"b"}, {2, 1, 1}}};
    for (const auto& c : cases) {
        WideText text(c.text);
        for (int i = 0; i < 3 && c.lines[i]; ++i) {
            int32_t consumed = -1;
            EXPECT_EQ(c.lines[i], ReadLine(text, consumed)) << c.text << " line " << i;
            EXPECT_EQ(c.consumed[i], consumed) << c.text << " line " << i;
        }
    }
    WideText grown(std::string(254, 'x').c_str());
    grown.SetCursor(10);
    grown.AppendUnit(L'y');
    EXPECT_EQ(512, grown.Capacity());
    EXPECT_EQ(10, grown.CursorPos());
    EXPECT_EQ(255, grown.Advance(1000)) << "the cursor stops at the end";
}

TEST(Text, FailedAllocationsKeepTheText) {
    TextBuffer buffer(std::string(254, 'a').c_str());
    buffer.SetErrorHook(RecordingHook);
    hookFlags = 0;
    WideText wide(std::string(254, 'w').c_str());
    {
        HeapExhausted exhausted;
        buffer.Append("bc");
        wide.Append("more");
        EXPECT_STREQ("", wide.Narrow()) << "never null, even without memory";
    }
    EXPECT_EQ(std::string(254, 'a'), buffer.CStr());
    EXPECT_EQ(130u, buffer.ErrorFlags()) << "no memory, then no storage";
    EXPECT_EQ(130u, hookFlags);
    EXPECT_EQ(std::string(254, 'w'), wide.Narrow());
    buffer.Append("e");
    EXPECT_EQ(std::string(254, 'a') + "e", buffer.CStr()) << "works again once memory is back";
}
