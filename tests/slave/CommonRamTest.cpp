#include <windows.h>

#include <gtest/gtest.h>

#include "slave/CommonRam.h"
#include "slave/SlaveErrorLog.h"
#include "twin/TWin.h"

namespace {
void* const fixedAddress = reinterpret_cast<void*>(FixedCommonRamAddress);
}

TEST(CommonRam, SectionViewAtTheFixedAddressIsTakenWithoutTheLibrary) {
    HANDLE section =
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 0x10000, nullptr);
    ASSERT_NE(nullptr, section);
    void* view = MapViewOfFileEx(section, FILE_MAP_ALL_ACCESS, 0, 0, 0x10000, fixedAddress);
    ASSERT_EQ(fixedAddress, view);
    static_cast<unsigned char*>(view)[2] = 0x33;
    static_cast<unsigned char*>(view)[3] = 0xCC;

    TWin window;
    LocateCommonRam(window);
    EXPECT_STREQ("", window.GetText());
    EXPECT_EQ(fixedAddress, const_cast<uint8_t*>(commonRam));
    EXPECT_EQ(SyncupReady, ReadSyncup());
    EXPECT_EQ(nullptr, GetModuleHandleA("ZRSlaveDriver.dll"));
    EXPECT_TRUE(slaveErrorLog.HardwarePresent());
    UnmapViewOfFile(view);
    CloseHandle(section);
}

TEST(CommonRam, PrivateMemoryAtTheFixedAddressIsRefused) {
    void* own = VirtualAlloc(fixedAddress, 0x10000, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_EQ(fixedAddress, own);
    memset(own, 0x5A, 0x10000);
    EXPECT_FALSE(CommonRamUsable(own, true));
    EXPECT_TRUE(CommonRamUsable(own, false));

    // No driver library on this machine either: the emulation takes over.
    TWin window;
    LocateCommonRam(window);
    EXPECT_STREQ("Emulating hardware in download mode...", window.GetText());
    EXPECT_EQ(EmulationRam, const_cast<uint8_t*>(commonRam));
    EXPECT_EQ(SyncupEmulation, ReadSyncup());
    EXPECT_EQ(0x01u, slaveErrorLog.Errors());
    EXPECT_EQ(0x5A, static_cast<unsigned char*>(own)[2]);
    VirtualFree(own, 0, MEM_RELEASE);
}

TEST(CommonRam, UsableMemoryMustCoverTheWholeDownloadArea) {
    void* pages = VirtualAlloc(nullptr, 0x2000, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_NE(nullptr, pages);
    char* lastPage = static_cast<char*>(pages) + 0x1000;
    EXPECT_TRUE(CommonRamUsable(lastPage + 0x1000 - 1024, false));
    EXPECT_FALSE(CommonRamUsable(lastPage + 0x1000 - 1023, false));
    DWORD old;
    VirtualProtect(lastPage, 0x1000, PAGE_READONLY, &old);
    EXPECT_TRUE(CommonRamUsable(pages, false));
    EXPECT_FALSE(CommonRamUsable(lastPage - 512, false));
    EXPECT_FALSE(CommonRamUsable(nullptr, false));
    VirtualFree(pages, 0, MEM_RELEASE);
}
