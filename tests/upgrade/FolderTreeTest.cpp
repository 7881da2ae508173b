#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "upgrade/FolderTree.h"

TEST(FolderTree, RemovesAllButHiddenSystemAndReadOnlyFiles) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string root = std::string(temp) + "FolderTreeTest";
    const struct {
        const char* path; // a folder ends in a backslash
        DWORD attributes;
        bool stays;
    } entries[] = {
        {"\\", 0, true},
        {"\\gone\\", 0, false},
        {"\\gone\\a.txt", 0, false},
        {"\\hidden folder\\", FILE_ATTRIBUTE_HIDDEN, false},
        {"\\hidden folder\\b.txt", 0, false},
        {"\\keeps\\", 0, true},
        {"\\keeps\\deeper\\", 0, true},
        {"\\keeps\\deeper\\h.txt", FILE_ATTRIBUTE_HIDDEN, true},
        {"\\keeps\\s.txt", FILE_ATTRIBUTE_SYSTEM, true},
        {"\\keeps\\plain.txt", 0, false},
        {"\\r.txt", FILE_ATTRIBUTE_READONLY, true},
    };
    for (const auto& entry : entries) {
        const std::string path = root + entry.path;
        if (path.back() == '\\')
            CreateDirectoryA(path.c_str(), nullptr);
        else
            std::fclose(std::fopen(path.c_str(), "wb"));
    }
    for (const auto& entry : entries)
        if (entry.attributes)
            SetFileAttributesA((root + entry.path).c_str(), entry.attributes);
    const UINT before = SetErrorMode(0x8001);
    // The trailing backslash doubles the one in every entry path, as with the option folders.
    EXPECT_FALSE(RemoveFolderTree((root + "\\").c_str()));
    EXPECT_EQ(0x8001u, SetErrorMode(before)) << "the error mode is put back";
    for (const auto& entry : entries) {
        const std::string path = root + entry.path;
        EXPECT_EQ(entry.stays, GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES) << path;
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    EXPECT_TRUE(RemoveFolderTree(root.c_str()));
    EXPECT_FALSE(RemoveFolderTree(root.c_str())) << "a folder that is not there";
}
