#include "tools/disk/SourceFolder.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <map>

#include "common/Handles.h"

namespace {
// The system's path limit, MAX_PATH with its terminating zero; CreateDirectoryA leaves room for
// an 8.3 name in it.
const size_t LongestPath = MAX_PATH - 1, LongestFolderPath = MAX_PATH - 12 - 1;
const size_t LongestName = 255;

std::string Hex(unsigned char c) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", c);
    return text;
}

// A name with the bytes a terminal would not show written "\xNN".
std::string Printable(const std::string& name) {
    std::string shown;
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        shown += byte < 0x20 || byte > 0x7E ? "\\x" + Hex(byte).substr(2) : std::string(1, c);
    }
    return shown;
}

// Why the instrument's file system would refuse a name; empty when it takes it.
std::string RefusedName(const std::string& name) {
    std::string reasons;
    const auto add = [&reasons](const std::string& reason) {
        reasons += (reasons.empty() ? "" : "; ") + reason;
    };
    if (name.size() > LongestName)
        add("longer than the " + std::to_string(LongestName) + " characters a name may have");
    for (const char c : name) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20)
            add("the control character " + Hex(byte));
        else if (byte > 0x7E)
            add("the byte " + Hex(byte) +
                " beyond ASCII (the program passes names on byte for byte, and the instrument's "
                "code page need not be this machine's)");
        else if (std::strchr("<>:\"/\\|?*", c) != nullptr)
            add(std::string("the character ") + c);
    }
    if (name.back() == ' ' || name.back() == '.')
        add(name.back() == ' ' ? "ends in a blank" : "ends in a dot");
    // A device name stays one with any extension and blanks before it.
    std::string base = NameKey(name.substr(0, name.find('.')));
    base.erase(base.find_last_not_of(' ') + 1);
    const bool numbered = base.size() == 4 &&
                          (base.compare(0, 3, "COM") == 0 || base.compare(0, 3, "LPT") == 0) &&
                          base[3] >= '1' && base[3] <= '9';
    if (numbered || base == "CON" || base == "PRN" || base == "AUX" || base == "NUL")
        add("the device name " + base);
    return reasons;
}

// Depth first, each folder's entries in the instrument's order: the files come in the order of
// their names, a folder's files where the folder's name stands.
struct Walk {
    const std::string& option;
    const std::string& root;
    const std::string& destination;
    std::vector<PackedFile>& files;
    std::vector<uint32_t>& sizes;
    std::vector<std::string>& faults;

    void Folder(const std::string& relative) {
        const std::string here = relative.empty() ? root : root + "\\" + relative;
        FindFile search((here + "\\*").c_str());
        if (!search.IsOpen()) {
            faults.push_back(option + ": " + here + " cannot be listed");
            return;
        }
        // In the order of the names, not of the listing.
        std::vector<WIN32_FIND_DATAA> entries;
        do {
            const std::string name = search.entry.cFileName;
            if (name != "." && name != "..")
                entries.push_back(search.entry);
        } while (search.Next());
        std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
            return InstrumentOrder(a.cFileName, b.cFileName);
        });
        std::map<std::string, std::string> names; // by key: one name on the instrument
        for (const WIN32_FIND_DATAA& entry : entries) {
            const std::string name = entry.cFileName;
            const std::string path = relative.empty() ? name : relative + "\\" + name;
            const std::string refused = RefusedName(name);
            if (!refused.empty()) {
                faults.push_back(option + ": " + Printable(path) + ": " + refused);
                continue;
            }
            const auto twin = names.emplace(NameKey(name), path);
            if (!twin.second)
                faults.push_back(option + ": " + twin.first->second + " and " + path +
                                 " differ only in case: one name on the instrument");
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                Folder(path);
            } else if (entry.nFileSizeHigh != 0 || entry.nFileSizeLow > 0x7FFFFFFF) {
                faults.push_back(option + ": " + path + ": larger than a cabinet can hold");
            } else if (!StdFile((here + "\\" + name).c_str(), "rb").IsOpen()) {
                faults.push_back(option + ": " + path + ": cannot be read here");
            } else {
                CheckPath(path);
                files.push_back({here + "\\" + name, path});
                sizes.push_back(entry.nFileSizeLow);
            }
        }
    }

    void CheckPath(const std::string& name) {
        const std::string path = destination + "\\" + name;
        const size_t slash = path.rfind('\\');
        if (path.size() > LongestPath)
            faults.push_back(option + ": " + name + ": " + path + " has " +
                             std::to_string(path.size()) + " characters, beyond the system's " +
                             "limit of " + std::to_string(LongestPath) +
                             " (the cabinet tool crashes on such a name)");
        else if (slash > LongestFolderPath)
            faults.push_back(option + ": " + name + ": the folder " + path.substr(0, slash) +
                             " has " + std::to_string(slash) +
                             " characters, beyond the system's limit of " +
                             std::to_string(LongestFolderPath) + " for a folder");
    }
};
} // namespace

bool InstrumentOrder(const std::string& a, const std::string& b) {
    for (size_t i = 0, j = 0;;) {
        const size_t endA = a.find('\\', i), endB = b.find('\\', j);
        const std::string nameA = a.substr(i, endA - i), nameB = b.substr(j, endB - j);
        const std::string keyA = NameKey(nameA), keyB = NameKey(nameB);
        if (keyA != keyB || nameA != nameB)
            return keyA != keyB ? keyA < keyB : nameA < nameB;
        if (endA == std::string::npos || endB == std::string::npos)
            return endA == std::string::npos && endB != std::string::npos;
        i = endA + 1;
        j = endB + 1;
    }
}

std::string NameKey(std::string name) {
    for (char& c : name)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return name;
}

void CollectCabinetFiles(const std::string& option, const std::string& folder,
                         const std::string& destination, std::vector<PackedFile>& files,
                         std::vector<uint32_t>& sizes, std::vector<std::string>& faults) {
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        faults.push_back(option + " " + folder + ": no such folder");
        return;
    }
    // The cabinet tool writes destination + "\\" + name, as long as the system's own form
    // "P:\\Tenacor\\" + name.
    std::string shown = destination;
    std::replace(shown.begin(), shown.end(), '/', '\\');
    Walk{option, folder, shown, files, sizes, faults}.Folder("");
    if (files.empty())
        faults.push_back(option + " " + folder + ": holds no file");
}
