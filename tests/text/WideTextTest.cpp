#include <gtest/gtest.h>

#include <string>

#include "text/WideText.h"

namespace {
std::wstring Line(WideText& text, int32_t& consumed) {
    WideText line;
    consumed = text.ReadLine(line);
    return line.Length() ? std::wstring(line.Begin(), line.Length()) : std::wstring();
}
} // namespace

TEST(WideText, BytesAndUnitsConvertByValue) {
    WideText text("\xE9t\xE9");
    ASSERT_EQ(3, text.Length());
    EXPECT_EQ(0x00E9, text.Begin()[0]) << "no sign extension";
    EXPECT_STREQ("\xE9t\xE9", text.Narrow());
    text.AppendUnit(0x0141).AppendUnit(0);
    EXPECT_EQ(4, text.Length());
    EXPECT_STREQ("\xE9t\xE9"
                 "A",
                 text.Narrow());
}

TEST(WideText, EmptyTextsHaveNoStorageButNarrowIsNeverNull) {
    WideText text;
    text.Assign(nullptr);
    EXPECT_EQ(0, text.Capacity());
    text.Assign("");
    EXPECT_EQ(0, text.Capacity());
    ASSERT_NE(nullptr, text.Narrow());
    EXPECT_STREQ("", text.Narrow());
    EXPECT_EQ(0, text.SetCursor(0));
    EXPECT_STREQ(L"", text.CursorText());
}

TEST(WideText, GrowsInStepsOf256Units) {
    WideText text("a");
    EXPECT_EQ(256, text.Capacity());
    text.Assign(std::string(254, 'x').c_str());
    text.SetCursor(10);
    text.AppendUnit(L'y');
    EXPECT_EQ(512, text.Capacity());
    EXPECT_EQ(255, text.Length());
    EXPECT_EQ(10, text.CursorPos());
    EXPECT_EQ(L'y', text.Begin()[254]);
    EXPECT_EQ(0, text.Begin()[255]);
}

TEST(WideText, ReadLineCountsTheLineFeedAndKeepsCarriageReturns) {
    WideText text("ab\ncd");
    int32_t consumed = 0;
    EXPECT_EQ(L"ab", Line(text, consumed));
    EXPECT_EQ(3, consumed);
    EXPECT_EQ(L"cd", Line(text, consumed));
    EXPECT_EQ(2, consumed);
    EXPECT_EQ(5, text.CursorPos());
    EXPECT_EQ(L"", Line(text, consumed));
    EXPECT_EQ(0, consumed);

    WideText lineFeed("\n");
    EXPECT_EQ(L"", Line(lineFeed, consumed));
    EXPECT_EQ(1, consumed);
    Line(lineFeed, consumed);
    EXPECT_EQ(0, consumed);

    WideText crlf("ab\r\n");
    EXPECT_EQ(L"ab\r", Line(crlf, consumed));
    EXPECT_EQ(4, consumed);
    Line(crlf, consumed);
    EXPECT_EQ(0, consumed) << "no empty last line after a final line feed";

    WideText empty;
    EXPECT_EQ(L"", Line(empty, consumed));
    EXPECT_EQ(0, consumed);
}

TEST(WideText, CursorClampsAtTheEnd) {
    WideText text("hello");
    EXPECT_EQ(2, text.Advance(2));
    EXPECT_STREQ(L"llo", text.CursorText());
    EXPECT_EQ(5, text.Advance(100));
    EXPECT_EQ(5, text.SetCursor(7));
    EXPECT_EQ(1, text.SetCursor(1));
}

TEST(WideText, CopiesAndAssignmentsResetTheCursor) {
    WideText source("line one\nline two");
    source.SetCursor(5);
    WideText copy(source);
    EXPECT_EQ(source.Length(), copy.Length());
    EXPECT_EQ(0, copy.CursorPos());
    WideText other("zz");
    other.Advance(1);
    other.AssignText(source);
    EXPECT_EQ(0, other.CursorPos());
    EXPECT_STREQ("line one\nline two", other.Narrow());
    other.AssignText(other);
    EXPECT_STREQ("line one\nline two", other.Narrow());
    other.AssignWide(L"w\x0100");
    EXPECT_STREQ("w", other.Narrow()) << "0x100 narrows to a zero byte";
}
