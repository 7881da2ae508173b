#include "tools/disk/CabinetListing.h"

#include <windows.h>

#include <setupapi.h>

namespace {
UINT CALLBACK OnCabinetEntry(PVOID context, UINT notification, UINT_PTR param1, UINT_PTR) {
    if (notification != SPFILENOTIFY_FILEINCABINET)
        return NO_ERROR;
    const FILE_IN_CABINET_INFO_A* entry = reinterpret_cast<FILE_IN_CABINET_INFO_A*>(param1);
    static_cast<std::vector<CabinetFile>*>(context)->push_back(
        {entry->NameInCabinet, static_cast<uint32_t>(entry->FileSize)});
    return FILEOP_SKIP;
}
} // namespace

bool ListCabinet(const char* path, std::vector<CabinetFile>& files) {
    files.clear();
    return SetupIterateCabinetA(path, 0, OnCabinetEntry, &files) != FALSE;
}
