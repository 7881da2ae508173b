#include <gtest/gtest.h>

#include <string>

#include "text/TextAllocator.h"
#include "text/TextBuffer.h"
#include "text/WideText.h"

namespace {
void* FailingAlloc(size_t) { return nullptr; }

// Makes every string allocation fail while it lives.
struct HeapExhausted {
    HeapExhausted() { SetTextAllocFunction(FailingAlloc); }
    ~HeapExhausted() { SetTextAllocFunction(nullptr); }
};

uint32_t hookFlags = 0;
int32_t RecordingHook(int32_t flag) {
    hookFlags |= static_cast<uint32_t>(flag);
    return flag;
}
} // namespace

TEST(AllocationFailure, TextBufferKeepsItsTextAndRaisesBothFlags) {
    TextBuffer buffer(std::string(254, 'a').c_str());
    buffer.SetErrorHook(RecordingHook);
    hookFlags = 0;
    {
        HeapExhausted exhausted;
        buffer.Append("bc").AppendChar('d');
    }
    EXPECT_EQ(std::string(254, 'a'), buffer.CStr());
    EXPECT_EQ(256, buffer.Capacity());
    EXPECT_EQ(130u, buffer.ErrorFlags()) << "no memory, then no storage";
    EXPECT_EQ(130u, hookFlags);
    buffer.Append("e");
    EXPECT_EQ(std::string(254, 'a') + "e", buffer.CStr()) << "works again once memory is back";

    TextBuffer empty;
    {
        HeapExhausted exhausted;
        empty.Append("x");
    }
    EXPECT_STREQ("", empty.CStr());
    EXPECT_EQ(0, empty.Capacity());
}

TEST(AllocationFailure, WideTextKeepsItsTextAndNarrowStaysUsable) {
    WideText text(std::string(254, 'w').c_str());
    text.SetCursor(3);
    {
        HeapExhausted exhausted;
        text.Append("more").AppendUnit(L'x');
        EXPECT_STREQ("", text.Narrow()) << "never null, even without memory";
    }
    EXPECT_EQ(254, text.Length());
    EXPECT_EQ(256, text.Capacity());
    EXPECT_EQ(3, text.CursorPos());
    EXPECT_EQ(std::string(254, 'w'), text.Narrow());

    WideText empty;
    {
        HeapExhausted exhausted;
        empty.Assign("abc");
    }
    EXPECT_EQ(0, empty.Length());
    EXPECT_EQ(nullptr, empty.Begin());
}
