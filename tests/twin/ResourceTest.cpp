#include <gtest/gtest.h>

#include "Pixels.h"
#include "twin/TWin.h"

TEST(Resource, StringsFromTheProgramsOwnTable) {
    wchar_t buffer[64];
    EXPECT_EQ(0, LoadResourceString(nullptr, 64, 1));
    buffer[0] = L'x';
    EXPECT_EQ(0, LoadResourceString(buffer, 4, 1)) << "room for one unit only";
    EXPECT_EQ(0, buffer[0]);
    buffer[0] = L'x';
    EXPECT_EQ(0, LoadResourceString(buffer, sizeof buffer, 2)) << "empty slot of a block";
    EXPECT_EQ(0, buffer[0]);
    EXPECT_EQ(0, LoadResourceString(buffer, sizeof buffer, 400)) << "missing block";

    EXPECT_EQ(3, LoadResourceString(buffer, sizeof buffer, 1));
    EXPECT_STREQ(L"one", buffer);
    EXPECT_EQ(9, LoadResourceString(buffer, sizeof buffer, 17)) << "second block";
    EXPECT_STREQ(L"seventeen", buffer);
    EXPECT_EQ(5, LoadResourceString(buffer, 12, 17)) << "cut to the room and terminated";
    EXPECT_STREQ(L"seven", buffer);

    TWin window;
    window.SetRect(40, 200, 400, 60);
    window.SetText("before", 1);
    EXPECT_EQ(nullptr, window.SetTextFromResource(2, 2));
    EXPECT_STREQ("before", window.GetText());
    EXPECT_EQ(&window, window.SetTextFromResource(31, 1));
    EXPECT_STREQ("The status window shows the resource text", window.GetText());
    EXPECT_TRUE(FindInk(window.GetHandle(), 0xFFFFFF).found);
}
