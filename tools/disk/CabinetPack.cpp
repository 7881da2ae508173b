#include "tools/disk/CabinetPack.h"

#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fci.h>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>

// The library's callbacks share one signature each, with parameters not all of them need.
#pragma GCC diagnostic ignored "-Wunused-parameter"

namespace {
// What one packing needs in the library's callbacks.
struct Packing {
    const CabinetForm* form;
    const std::string* temporary;
    unsigned temporaryFiles;
    bool spans; // the library asked for a second cabinet
};

FNFCIALLOC(Allocate) { return std::malloc(cb); }
FNFCIFREE(Free) { std::free(memory); }
FNFCIOPEN(Open) {
    const int file = _open(pszFile, oflag | _O_BINARY, pmode);
    if (file == -1)
        *err = errno;
    return file;
}
FNFCIREAD(Read) { return static_cast<UINT>(_read(static_cast<int>(hf), memory, cb)); }
FNFCIWRITE(Write) { return static_cast<UINT>(_write(static_cast<int>(hf), memory, cb)); }
FNFCICLOSE(Close) { return _close(static_cast<int>(hf)); }
FNFCISEEK(Seek) { return _lseek(static_cast<int>(hf), dist, seektype); }
FNFCIDELETE(Delete) { return std::remove(pszFile); }
FNFCIFILEPLACED(Placed) { return 0; }
FNFCISTATUS(Status) { return 0; }

// Names of our own in our own folder, not the system's temporary names.
FNFCIGETTEMPFILE(TemporaryFile) {
    Packing& packing = *static_cast<Packing*>(pv);
    const int n = std::snprintf(pszTempName, cbTempName, "%s\\fci%u.tmp",
                                packing.temporary->c_str(), packing.temporaryFiles++);
    return n > 0 && n < cbTempName;
}

FNFCIGETNEXTCABINET(NextCabinet) {
    static_cast<Packing*>(pv)->spans = true;
    return FALSE;
}

// The date, time and attributes the cabinet records come from the form, not from the file.
FNFCIGETOPENINFO(OpenInfo) {
    const Packing& packing = *static_cast<Packing*>(pv);
    *pdate = packing.form->dosDate;
    *ptime = packing.form->dosTime;
    *pattribs = _A_ARCH;
    const int file = _open(pszName, _O_RDONLY | _O_BINARY);
    if (file == -1)
        *err = errno;
    return file;
}

std::string LibraryFault(const ERF& error) {
    switch (error.erfOper) {
    case FCIERR_OPEN_SRC:
    case FCIERR_READ_SRC:
        return "it cannot be read";
    case FCIERR_TEMP_FILE:
        return "the cabinet library cannot write its temporary files";
    case FCIERR_CAB_FILE:
        return "the cabinet cannot be written";
    default:
        return "the cabinet library fails (error " + std::to_string(error.erfOper) + ")";
    }
}
} // namespace

bool PackCabinet(const std::string& cabinet, const std::vector<PackedFile>& files,
                 const CabinetForm& form, const std::string& temporary, std::string& fault) {
    CCAB ccab = {};
    // One cabinet, and folders as the form asks: the library starts others only beyond these.
    ccab.cb = 0x7FFFFFFF;
    ccab.cbFolderThresh = 0x7FFFFFFF;
    ccab.cbReserveCFHeader = form.headerReserve;
    ccab.cbReserveCFFolder = form.folderReserve;
    ccab.cbReserveCFData = form.dataReserve;
    const size_t slash = cabinet.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? "" : cabinet.substr(0, slash + 1);
    const std::string name = cabinet.substr(folder.size());
    if (folder.size() >= sizeof ccab.szCabPath || name.size() >= sizeof ccab.szCab) {
        fault = cabinet + ": a path too long for the cabinet library";
        return false;
    }
    folder.copy(ccab.szCabPath, folder.size());
    name.copy(ccab.szCab, name.size());

    Packing packing = {&form, &temporary, 0, false};
    ERF error = {};
    HFCI context = FCICreate(&error, Placed, Allocate, Free, Open, Read, Write, Close, Seek, Delete,
                             TemporaryFile, &ccab, &packing);
    if (context == nullptr) {
        fault = cabinet + ": " + LibraryFault(error);
        return false;
    }
    const TCOMP compression = form.compressed ? tcompTYPE_MSZIP : tcompTYPE_NONE;
    bool packed = true;
    for (size_t i = 0; i < files.size() && packed; ++i) {
        std::string source = files[i].source, inCabinet = files[i].name;
        packed = FCIAddFile(context, &source[0], &inCabinet[0], FALSE, NextCabinet, Status,
                            OpenInfo, compression) &&
                 (form.filesPerFolder == 0 || (i + 1) % form.filesPerFolder != 0 ||
                  FCIFlushFolder(context, NextCabinet, Status));
        if (!packed)
            fault = files[i].source + ": " + LibraryFault(error);
    }
    if (packed && !FCIFlushCabinet(context, FALSE, NextCabinet, Status)) {
        fault = cabinet + ": " + LibraryFault(error);
        packed = false;
    }
    FCIDestroy(context);
    if (packed && packing.spans) {
        fault = cabinet + ": beyond what one cabinet can hold";
        packed = false;
    }
    if (!packed)
        DeleteFileA(cabinet.c_str());
    return packed;
}
