#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <string>

#include "text/TextBuffer.h"

namespace {
int hookCalls = 0;
int32_t lastHookFlag = 0;
int32_t CountingHook(int32_t flag) {
    ++hookCalls;
    lastHookFlag = flag;
    return flag;
}
} // namespace

TEST(TextBuffer, NullAndEmptyAppendsAllocateNothing) {
    TextBuffer buffer;
    buffer.Append(nullptr).Append("").AppendChar(0).AppendBuffer(TextBuffer());
    EXPECT_EQ(0, buffer.Capacity());
    ASSERT_NE(nullptr, buffer.CStr());
    EXPECT_STREQ("", buffer.CStr());
    EXPECT_EQ(TextBuffer().CStr(), buffer.CStr()) << "one shared empty string";
    EXPECT_EQ(0u, buffer.ErrorFlags());
}

TEST(TextBuffer, ChainedAppendsAndNumbers) {
    TextBuffer buffer("Update ");
    buffer.Append("SLAVE").AppendChar(' ').AppendNumber(INT_MIN).AppendChar('/').AppendNumber(0);
    EXPECT_STREQ("Update SLAVE -2147483648/0", buffer.CStr());
    EXPECT_EQ(26, buffer.Length());
    buffer.Assign("x").AppendNumber(INT_MAX);
    EXPECT_STREQ("x2147483647", buffer.CStr());
}

TEST(TextBuffer, GrowsInStepsWhenTheNeedReachesTheCapacity) {
    TextBuffer buffer;
    buffer.Append("abc");
    EXPECT_EQ(256, buffer.Capacity());
    buffer.Assign(std::string(254, 'x').c_str());
    EXPECT_EQ(256, buffer.Capacity()) << "254 bytes and the zero still leave a spare byte";
    buffer.SetCursor(100);
    buffer.AppendChar('y');
    EXPECT_EQ(512, buffer.Capacity()) << "a need equal to the capacity grows";
    EXPECT_EQ(255, buffer.Length());
    EXPECT_EQ(100, buffer.CursorPos()) << "cursor keeps its offset across growth";
    EXPECT_EQ(std::string(254, 'x') + "y", buffer.CStr());

    TextBuffer big;
    big.Append(std::string(300, 'z').c_str());
    EXPECT_EQ(512, big.Capacity());
    EXPECT_EQ(300u, std::strlen(big.CStr()));
}

TEST(TextBuffer, PositionsClampAndRaiseRangeError) {
    TextBuffer buffer("hello");
    buffer.SetErrorHook(CountingHook);
    hookCalls = 0;
    buffer.SetCursor(5);
    EXPECT_EQ(0, hookCalls);
    buffer.SetCursor(6);
    EXPECT_EQ(5, buffer.CursorPos());
    EXPECT_EQ(1, hookCalls);
    EXPECT_EQ(8, lastHookFlag);
    EXPECT_EQ(8u, buffer.ErrorFlags());

    TextBuffer other("abc");
    other.SetErrorHook(CountingHook);
    hookCalls = 0;
    other.SetWritePos(256);
    EXPECT_EQ(0, hookCalls) << "exactly the capacity is accepted";
    EXPECT_EQ(256, other.Length());
    other.SetWritePos(257);
    EXPECT_EQ(255, other.Length()) << "clamped to the block's last byte";
    EXPECT_EQ(8u, other.ErrorFlags());
    other.SetWritePos(1).Append("z");
    EXPECT_STREQ("az", other.CStr());
}

TEST(TextBuffer, WritePosOnABufferWithoutStorageStaysInside) {
    TextBuffer buffer;
    buffer.SetWritePos(10);
    EXPECT_EQ(8u, buffer.ErrorFlags());
    EXPECT_EQ(0, buffer.Length());
    buffer.Append("ok");
    EXPECT_STREQ("ok", buffer.CStr());
}

TEST(TextBuffer, CopyFromKeepsZeroBytesAppendBufferStopsAtThem) {
    TextBuffer source;
    source.AppendBytes("a\0b", 3);
    EXPECT_EQ(3, source.Length());

    TextBuffer copy("previous text that is longer");
    copy.SetCursor(40);
    copy.CopyFrom(source);
    EXPECT_EQ(3, copy.Length());
    EXPECT_EQ(0, std::memcmp(copy.CStr(), "a\0b", 4));
    EXPECT_EQ(8u, copy.ErrorFlags()) << "CopyFrom keeps earlier flags";

    TextBuffer appended("x");
    appended.AppendBuffer(source);
    EXPECT_STREQ("xa", appended.CStr());

    copy.CopyFrom(copy);
    EXPECT_EQ(3, copy.Length());
    EXPECT_EQ(0, std::memcmp(copy.CStr(), "a\0b", 4));

    copy.Assign("fresh");
    EXPECT_EQ(0u, copy.ErrorFlags()) << "Assign clears the flags";
}

TEST(TextBuffer, CopyFromEmptyAllocatesAnEmptyText) {
    TextBuffer empty, target;
    target.CopyFrom(empty);
    EXPECT_EQ(256, target.Capacity());
    EXPECT_EQ(0, target.Length());
    EXPECT_STREQ("", target.CStr());
}

TEST(TextBuffer, ClearKeepsTheHook) {
    TextBuffer buffer("abc");
    buffer.SetErrorHook(CountingHook);
    buffer.Clear();
    EXPECT_EQ(0, buffer.Capacity());
    hookCalls = 0;
    EXPECT_EQ(8, buffer.RaiseError(8));
    EXPECT_EQ(1, hookCalls);
}
