#include "tools/disk/CabinetUnpack.h"

#include <windows.h>

#include <fcntl.h>
#include <fdi.h>
#include <io.h>
#include <sys/stat.h>

#include <cstdlib>

#include "upgrade/Cabinet.h"

namespace {
// What one unpacking needs in the library's notifications.
struct Unpacking {
    std::string folder;
    std::vector<std::string>* names;
    std::string outside; // a name that would leave the folder
};

FNALLOC(Allocate) { return std::malloc(cb); }
FNFREE(Free) { std::free(pv); }
FNOPEN(Open) { return _open(pszFile, oflag | _O_BINARY, pmode); }
FNREAD(Read) { return static_cast<UINT>(_read(static_cast<int>(hf), pv, cb)); }
FNWRITE(Write) { return static_cast<UINT>(_write(static_cast<int>(hf), pv, cb)); }
FNCLOSE(Close) { return _close(static_cast<int>(hf)); }
FNSEEK(Seek) { return _lseek(static_cast<int>(hf), dist, seektype); }

FNFDINOTIFY(Notify) {
    Unpacking& unpacking = *static_cast<Unpacking*>(pfdin->pv);
    switch (fdint) {
    case fdintCOPY_FILE: {
        const std::string name = pfdin->psz1;
        if (!StaysInside(name)) {
            unpacking.outside = name;
            return -1;
        }
        const std::string path = unpacking.folder + "\\" + name;
        for (size_t at = path.find_first_of("\\/", unpacking.folder.size() + 1);
             at != std::string::npos; at = path.find_first_of("\\/", at + 1))
            CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
        unpacking.names->push_back(name);
        return _open(path.c_str(), _O_BINARY | _O_CREAT | _O_TRUNC | _O_WRONLY,
                     _S_IREAD | _S_IWRITE);
    }
    case fdintCLOSE_FILE_INFO:
        _close(static_cast<int>(pfdin->hf));
        return TRUE;
    default:
        return 0;
    }
}
} // namespace

bool UnpackCabinet(const std::string& cabinet, const std::string& folder,
                   std::vector<std::string>& names, std::string& fault) {
    names.clear();
    ERF error = {};
    HFDI context = FDICreate(Allocate, Free, Open, Read, Write, Close, Seek, cpuUNKNOWN, &error);
    if (context == nullptr) {
        fault = "the cabinet library cannot be used";
        return false;
    }
    // The library takes the cabinet's folder, with its backslash, and its name apart.
    const size_t slash = cabinet.find_last_of("\\/");
    std::string cabinetFolder = slash == std::string::npos ? "" : cabinet.substr(0, slash + 1);
    std::string cabinetName = slash == std::string::npos ? cabinet : cabinet.substr(slash + 1);
    Unpacking unpacking = {folder, &names, ""};
    const BOOL copied =
        FDICopy(context, &cabinetName[0], &cabinetFolder[0], 0, Notify, nullptr, &unpacking);
    FDIDestroy(context);
    if (!unpacking.outside.empty())
        fault = "it names a file outside the folder it is unpacked into: " + unpacking.outside;
    else if (!copied)
        fault =
            "the cabinet library cannot unpack it (error " + std::to_string(error.erfOper) + ")";
    return copied && unpacking.outside.empty();
}
