#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "upgrade/BuildFolder.h"
#include "upgrade/FolderTree.h"

namespace {
std::string TempFolder(const char* name) {
    char folder[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    return std::string(folder) + name;
}

void MakeFile(const std::string& path, DWORD attributes = 0) {
    FILE* file = std::fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fclose(file);
    if (attributes)
        SetFileAttributesA(path.c_str(), attributes);
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}
} // namespace

TEST(FolderTree, RemovesAllButHiddenSystemAndReadOnlyFiles) {
    std::string root = TempFolder("FolderTreeTest");
    CreateDirectoryA(root.c_str(), nullptr);
    CreateDirectoryA((root + "\\gone").c_str(), nullptr);
    CreateDirectoryA((root + "\\gone\\deeper").c_str(), nullptr);
    MakeFile(root + "\\gone\\deeper\\a.txt");
    CreateDirectoryA((root + "\\hidden folder").c_str(), nullptr);
    MakeFile(root + "\\hidden folder\\b.txt");
    SetFileAttributesA((root + "\\hidden folder").c_str(), FILE_ATTRIBUTE_HIDDEN);
    CreateDirectoryA((root + "\\keeps").c_str(), nullptr);
    CreateDirectoryA((root + "\\keeps\\deeper").c_str(), nullptr);
    MakeFile(root + "\\keeps\\deeper\\hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    MakeFile(root + "\\keeps\\system.txt", FILE_ATTRIBUTE_SYSTEM);
    MakeFile(root + "\\keeps\\plain.txt");
    MakeFile(root + "\\readonly.txt", FILE_ATTRIBUTE_READONLY);
    MakeFile(root + "\\plain.txt");

    UINT before = SetErrorMode(0x8001);
    // The trailing backslash doubles the one in every entry path, as with the option folders.
    EXPECT_FALSE(RemoveFolderTree((root + "\\").c_str()));
    EXPECT_EQ(SetErrorMode(before), 0x8001u);

    EXPECT_FALSE(Exists(root + "\\gone"));
    EXPECT_FALSE(Exists(root + "\\hidden folder"));
    EXPECT_FALSE(Exists(root + "\\plain.txt"));
    EXPECT_FALSE(Exists(root + "\\keeps\\plain.txt"));
    EXPECT_TRUE(Exists(root + "\\keeps\\deeper\\hidden.txt"));
    EXPECT_TRUE(Exists(root + "\\keeps\\system.txt"));
    EXPECT_TRUE(Exists(root + "\\readonly.txt"));

    SetFileAttributesA((root + "\\readonly.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((root + "\\keeps\\system.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    SetFileAttributesA((root + "\\keeps\\deeper\\hidden.txt").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_TRUE(RemoveFolderTree(root.c_str()));
    EXPECT_FALSE(Exists(root));
    EXPECT_FALSE(RemoveFolderTree(root.c_str()));
}

TEST(FolderTree, RelabelledNamesAreBounded) {
    char name[MAX_PATH];
    ASSERT_TRUE(RelabelledName("XPe Build B With Tenacor 3.00", 3.1, name, sizeof name));
    EXPECT_STREQ(name, "XPe Build B With Tenacor 3.10");
    ASSERT_TRUE(RelabelledName("XPe Build Without Label", 3.1, name, sizeof name));
    EXPECT_STREQ(name, "XPe Build With Tenacor 3.10");
    ASSERT_TRUE(RelabelledName("XPe Build With A With B", 2.999, name, sizeof name));
    EXPECT_STREQ(name, "XPe Build With Tenacor 3.00");
    EXPECT_FALSE(RelabelledName("XPe Build B with tenacor", 3.1, name, sizeof name));
    EXPECT_FALSE(RelabelledName("XPe Build With", 1e300, name, sizeof name));
    std::string longName = "XPe Build " + std::string(230, 'B') + " With Tenacor 3.00";
    EXPECT_FALSE(RelabelledName(longName.c_str(), 1234567.0, name, sizeof name));
    char small[12];
    EXPECT_FALSE(RelabelledName("XPe With", 3.1, small, sizeof small));
}
