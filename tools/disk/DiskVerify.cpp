#include "tools/disk/DiskVerify.h"

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <string>
#include <vector>

#include "common/Files.h"
#include "common/Handles.h"
#include "common/UpgradeDisk.h"
#include "tools/disk/CabinetUnpack.h"
#include "tools/disk/DiskWord.h"
#include "tools/disk/FileBytes.h"
#include "tools/disk/ImageTool.h"
#include "tools/disk/TemporaryFolder.h"
#include "upgrade/BuildFolder.h"
#include "upgrade/FolderTree.h"
#include "upgrade/RoadSteps.h"
#include "upgrade/SystemRoad.h"

namespace {
// How one thing on the instrument is after a complete run.
struct Item {
    enum Kind { SameAs, Present, Absent, Removed, Label } kind;
    std::string path;   // as the road names it
    std::string source; // SameAs: the file it equals
    std::string from;   // the source as the line names it
    double label;
};

std::string Shown(std::string path) {
    for (char& c : path)
        if (c == '/')
            c = '\\';
    if (path.size() > 1 && path[1] == ':')
        path[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
    return path;
}

// The system's names ignore case and the kind of slash.
std::string Key(const std::string& path) {
    std::string key = Shown(path);
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

std::string Number(unsigned long long n) { return std::to_string(n); }

// Where a file differs from its source: missing, its size, or the offset of the first other byte.
// A copy whose source is not there leaves its target as it was, whatever that is.
std::string CompareFiles(const std::string& path, const Item& item) {
    const FileComparison comparison = CompareBytes(path, item.source);
    if (!comparison.exists[0])
        return "missing";
    if (!comparison.exists[1])
        return "";
    if (comparison.OtherBytes())
        return "other bytes at offset " + Number(comparison.firstDifference);
    if (comparison.size[0] == comparison.size[1])
        return "";
    return "other size, " + Number(comparison.size[0]) + " bytes where " + item.from + " holds " +
           Number(comparison.size[1]);
}

// The files in a folder, below it too, that the removal of the folder deletes.
void Deletable(const std::string& folder, unsigned& count, std::string& first) {
    FindFile search((folder + "\\*").c_str());
    if (!search.IsOpen())
        return;
    const WIN32_FIND_DATAA& entry = search.entry;
    do {
        const std::string name = entry.cFileName, path = folder + "\\" + name;
        if (name == "." || name == "..")
            continue;
        if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            Deletable(path, count, first);
        else if (!RemovalLeaves(entry.dwFileAttributes) && count++ == 0)
            first = path;
    } while (search.Next());
}

// What differs from a complete run's work; empty when nothing does.
std::string Judge(const Item& item) {
    const std::string path = Shown(item.path);
    switch (item.kind) {
    case Item::SameAs:
        return CompareFiles(path, item);
    case Item::Present:
        return FileExists(path.c_str()) ? "" : "missing";
    case Item::Absent:
        return FileExists(path.c_str()) ? "still there" : "";
    case Item::Removed: {
        unsigned count = 0;
        std::string first;
        Deletable(Key(path), count, first);
        return count == 0 ? ""
                          : "still holds " + Number(count) + " files that the removal deletes, " +
                                first + " first";
    }
    case Item::Label: {
        char name[MAX_PATH], relabelled[MAX_PATH];
        if (!FindBuildFolder(name) || !RelabelledName(name, item.label, relabelled, MAX_PATH) ||
            std::string(name) == relabelled)
            return "";
        return std::string("wrong label, C:\\") + name + "\\ where a complete run leaves C:\\" +
               relabelled + "\\";
    }
    }
    return "";
}

std::string Described(const Item& item) {
    char label[32];
    switch (item.kind) {
    case Item::SameAs:
        return Shown(item.path) + " (from " + item.from + ")";
    case Item::Present:
        return Shown(item.path) + " (copied from " + item.from + ", which the road deletes)";
    case Item::Absent:
        return Shown(item.path) + " (deleted)";
    case Item::Removed:
        return Shown(item.path) + " (removed)";
    case Item::Label:
        std::snprintf(label, sizeof label, "%.2f", item.label);
        return std::string("the build folder (labelled ") + label + ")";
    }
    return "";
}

// Each step leaves its mark on the model of what a complete run leaves; the cabinets are
// unpacked into the temporary folder.
class VerifiedSteps : public RoadSteps {
  public:
    explicit VerifiedSteps(const std::string& temporary) : temporary(temporary) {}

    void CreateMarker(const char*) override {}
    void Pause(DWORD) override {}
    void ShowCaption(const char*) override {}
    void ShowStatus(const char*) override {}
    bool StartExtraction(const Extraction& extraction) override {
        const std::string folder = temporary + "\\" + Number(items.size());
        std::vector<std::string> names;
        std::string fault;
        if (!CreateDirectoryA(folder.c_str(), nullptr) ||
            !UnpackCabinet(extraction.archive, folder, names, fault)) {
            diskFault = Shown(extraction.archive) + ": " + fault;
            return false;
        }
        const std::string from = extraction.archive.substr(extraction.archive.rfind('\\') + 1);
        for (const std::string& name : names)
            Put(extraction.folder + "\\" + name, {Item::SameAs, "", folder + "\\" + name, from, 0});
        return true;
    }
    bool StartChild(const char*) override { return true; }
    void WaitForChild() override {}
    bool CheckExtracted(const Extraction&) override { return true; }
    void RemoveFolderTree(const char* path) override { Put(path, {Item::Removed, "", "", "", 0}); }
    // A complete run passed the tests.
    UpgradeResult TestInstrument(int32_t, double) override { return Success; }
    void RelabelBuildFolder(double value) override { Put("", {Item::Label, "", "", "", value}); }
    bool Copy(const char* from, const char* to) override {
        Item copy = {Item::SameAs, "", Shown(from), Shown(from), 0};
        for (const Item& item : items)
            if (item.kind == Item::SameAs && Key(item.path) == Key(from))
                copy = item;
        Put(to, copy);
        return true;
    }
    void Delete(const char* path) override {
        Put(path, {Item::Absent, "", "", "", 0});
        // A copy of what the road deletes later can only be there.
        for (Item& item : items)
            if (item.kind == Item::SameAs && Key(item.source) == Key(path))
                item.kind = Item::Present;
    }

    void DiskInfoRead(const char* path, bool opened, int32_t optionCode,
                      float optionValue) override {
        PrintDiskInfo(path, opened, optionCode, optionValue);
    }
    void NotExtracted(const Extraction& extraction, const std::string& why) override {
        if (extraction.installation == nullptr)
            return;
        if (why != "missing")
            diskFault = Shown(extraction.archive) + ": " + why;
        else
            diskFault =
                (FileExists(extraction.tool.c_str()) ? extraction.archive : extraction.tool) +
                " is missing";
    }

    std::vector<Item> items;
    std::string diskFault;

  private:
    // What a path (none for the build folder's label) is after the step; a path keeps the place
    // in the road's order where it first came up.
    void Put(const std::string& path, Item item) {
        item.path = path;
        for (Item& known : items)
            if (Key(known.path) == Key(path)) {
                known = item;
                return;
            }
        items.push_back(item);
    }

    std::string temporary;
};

int VerifySystemRoad(const std::string& folder) {
    const TemporaryFolder unpacked("verify");
    if (!unpacked.IsOpen()) {
        std::printf("verdict: no temporary folder %s to unpack the cabinets in\n",
                    unpacked.Path().c_str());
        return 2;
    }
    VerifiedSteps steps(unpacked.Path());
    WalkSystemRoad(steps, folder);
    unsigned differing = 0;
    if (steps.diskFault.empty())
        for (const Item& item : steps.items) {
            const std::string difference = Judge(item);
            differing += !difference.empty();
            std::printf("%s: %s\n", Described(item).c_str(),
                        difference.empty() ? "as a complete run leaves it" : difference.c_str());
        }
    if (!steps.diskFault.empty()) {
        std::printf("verdict: the disk cannot be read: %s\n", steps.diskFault.c_str());
        return 2;
    }
    if (differing == 0) {
        std::printf("verdict: as a complete run leaves it, all %u items\n",
                    static_cast<unsigned>(steps.items.size()));
        return 0;
    }
    std::printf("verdict: %u of %u items differ from what a complete run leaves\n", differing,
                static_cast<unsigned>(steps.items.size()));
    return 1;
}

int VerifySlaveRoad(const std::string& folder) {
    const std::string path = folder + SlaveImageFile;
    const ImageVerdict verdict = JudgeImage(path.c_str());
    std::printf("SLAVE.BIN: %s\n", verdict.description.c_str());
    std::printf("slave board: its EEPROM cannot be read back; only the image on the disk is "
                "checked\n");
    if (!verdict.accepted) {
        std::printf("verdict: the disk cannot be read: the program would log \"%s\"\n",
                    verdict.logLine.c_str());
        return 2;
    }
    std::printf("verdict: SLAVE.BIN is whole, as the program checks it\n");
    return 0;
}
} // namespace

int VerifyDisk(const char* diskFolder, const char* word) {
    std::string folder;
    Road road;
    if (!OpenDiskFolder(diskFolder, folder) ||
        !TakeCommandWord(folder, word != nullptr ? word : "MASTER", road))
        return 2;
    return road == Road::Slave ? VerifySlaveRoad(folder) : VerifySystemRoad(folder);
}
