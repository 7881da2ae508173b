#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/Handles.h"
#include "slave/CommonRam.h"
#include "slave/SlaveErrorLog.h"
#include "twin/TWin.h"

namespace {
void* const fixedAddress = reinterpret_cast<void*>(FixedCommonRamAddress);

// The simulated board's driver library beside the test program, where the system looks first,
// for as long as the object lives.
struct LibraryBesideTheProgram {
    LibraryBesideTheProgram() : path(MAX_PATH, 0) {
        path.resize(GetModuleFileNameA(nullptr, &path[0], MAX_PATH));
        path.replace(path.rfind('\\') + 1, std::string::npos, "ZRSlaveDriver.dll");
        char found[MAX_PATH];
        copied =
            CopyFileA((std::string("Z:") + ZR7_BUILD_DIR + "/slaveboard/ZRSlaveDriver.dll").c_str(),
                      path.c_str(), FALSE) &&
            SearchPathA(nullptr, "ZRSlaveDriver.dll", nullptr, MAX_PATH, found, nullptr);
    }
    ~LibraryBesideTheProgram() { DeleteFileA(path.c_str()); }
    std::string path;
    bool copied;
};
} // namespace

TEST(CommonRam, SectionViewAtTheFixedAddressIsTakenWithoutTheLibrary) {
    LibraryBesideTheProgram library;
    ASSERT_TRUE(library.copied);
    const Handle section(
        CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 0x10000, nullptr));
    ASSERT_TRUE(section.IsOpen());
    void* view = MapViewOfFileEx(section.Get(), FILE_MAP_ALL_ACCESS, 0, 0, 0x10000, fixedAddress);
    ASSERT_EQ(fixedAddress, view);
    static_cast<unsigned char*>(view)[2] = 0x33;
    static_cast<unsigned char*>(view)[3] = 0xCC;

    TWin window;
    LocateCommonRam(window);
    EXPECT_EQ(fixedAddress, const_cast<uint8_t*>(commonRam));
    EXPECT_EQ(SyncupReady, ReadSyncup());
    EXPECT_EQ(nullptr, GetModuleHandleA("ZRSlaveDriver.dll")) << "the library is never bound";
    EXPECT_TRUE(slaveErrorLog.HardwarePresent());
    UnmapViewOfFile(view);
}

TEST(CommonRam, PrivateMemoryAtTheFixedAddressIsRefused) {
    void* own = VirtualAlloc(fixedAddress, 0x10000, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    ASSERT_EQ(fixedAddress, own);
    memset(own, 0x5A, 0x10000);
    EXPECT_FALSE(CommonRamUsable(own, true));
    EXPECT_TRUE(CommonRamUsable(own, false));

    // No driver library on this machine either: the emulation takes over, the memory untouched.
    TWin window;
    LocateCommonRam(window);
    EXPECT_EQ(EmulationRam, const_cast<uint8_t*>(commonRam));
    EXPECT_EQ(0x5A, static_cast<unsigned char*>(own)[2]);
    VirtualFree(own, 0, MEM_RELEASE);
}

TEST(CommonRam, UsableMemoryCanAllBeWrittenWithoutAFault) {
    // Copy-on-write, as a module's data section is until first written; not at the fixed address.
    static unsigned char dataSection[3 * 0x1000] = {1};
    char* const image = reinterpret_cast<char*>((reinterpret_cast<uintptr_t>(dataSection) + 0xFFF) &
                                                ~static_cast<uintptr_t>(0xFFF));
    EXPECT_TRUE(CommonRamUsable(image, false));
    EXPECT_FALSE(CommonRamUsable(image, true));
    DWORD old;
    ASSERT_TRUE(VirtualProtect(image + 0x1000, 0x1000, PAGE_EXECUTE_WRITECOPY, &old));
    EXPECT_TRUE(CommonRamUsable(image + 0x1000 - 512, false));
    EXPECT_FALSE(CommonRamUsable(nullptr, false));
    // A page of each kind; the 1,024 bytes must all lie in usable memory.
    const struct {
        DWORD protect;
        bool usable;
    } cases[] = {{PAGE_READWRITE | PAGE_NOCACHE, true},
                 {PAGE_EXECUTE_READWRITE | PAGE_WRITECOMBINE, true},
                 {PAGE_READWRITE | PAGE_GUARD, false},
                 {PAGE_READONLY, false},
                 {PAGE_EXECUTE_READ, false},
                 {PAGE_NOACCESS, false}};
    for (const auto& c : cases) {
        char* page =
            static_cast<char*>(VirtualAlloc(nullptr, 0x1000, MEM_RESERVE | MEM_COMMIT, c.protect));
        ASSERT_NE(nullptr, page) << c.protect;
        EXPECT_EQ(c.usable, CommonRamUsable(page + 0x1000 - 1024, false)) << c.protect;
        EXPECT_FALSE(CommonRamUsable(page + 0x1000 - 1023, false));
        VirtualFree(page, 0, MEM_RELEASE);
    }
}
