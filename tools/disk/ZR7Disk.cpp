#include <cstdio>
#include <cstring>

#include "tools/disk/DiskDiff.h"
#include "tools/disk/DiskMake.h"
#include "tools/disk/DiskPlan.h"
#include "tools/disk/DiskVerify.h"
#include "tools/disk/ImageTool.h"

namespace {
int Usage() {
    std::printf(
        "ZR7Disk, the upgrade disk tool\n"
        "  ZR7Disk wrap RAW.BIN SLAVE.BIN      put the header (magic, CRC-32) on a raw "
        "131072-byte image\n"
        "  ZR7Disk check SLAVE.BIN             what the upgrade program makes of an image\n"
        "  ZR7Disk plan DISKFOLDER [WORD]      what the upgrade program would do with a "
        "disk\n"
        "  ZR7Disk verify DISKFOLDER [WORD]    whether the instrument holds what a complete "
        "run leaves\n"
        "  ZR7Disk make DISKFOLDER --system DIR --option CODE VALUE [--winsxs DIR]\n"
        "               [--slave IMAGE] [--program EXE] [--tool EXE] [--date YYYY-MM-DD]\n"
        "                                      a whole upgrade disk in a new or empty folder, "
        "the same\n"
        "                                      bytes from the same inputs (--date: %s)\n"
        "  ZR7Disk diff OLDFOLDER NEWFOLDER    what changed between two upgrade disks\n"
        "Exit status of plan: 0 the upgrade would go through, 1 the program would report "
        "a failure;\n"
        "of verify: 0 as a complete run leaves it, 1 something differs; of make: 0 made and "
        "read back,\n"
        "1 not written or not read back as asked; of diff: 0 the same, 1 different; 2 usage "
        "error, a\n"
        "fault in make's inputs (nothing written) or a disk that cannot be read.\n",
        DefaultDiskDate);
    return 2;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "wrap") == 0)
        return WrapImage(argv[2], argv[3]);
    if (argc == 3 && std::strcmp(argv[1], "check") == 0)
        return CheckImage(argv[2]);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "plan") == 0)
        return PlanDisk(argv[2], argc == 4 ? argv[3] : nullptr);
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "verify") == 0)
        return VerifyDisk(argv[2], argc == 4 ? argv[3] : nullptr);
    if (argc >= 3 && std::strcmp(argv[1], "make") == 0) {
        const int status = MakeDisk(argc - 2, argv + 2);
        return status < 0 ? Usage() : status;
    }
    if (argc == 4 && std::strcmp(argv[1], "diff") == 0)
        return DiffDisks(argv[2], argv[3]);
    return Usage();
}
