#include "BoardSettings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

BoardSettings ReadBoardSettings(const char* path) {
    BoardSettings settings;
    FILE* file = std::fopen(path, "r");
    if (file == nullptr)
        return settings;
    char line[128];
    while (std::fgets(line, sizeof line, file)) {
        char name[32];
        char value[32];
        if (std::sscanf(line, "%31s %31s", name, value) != 2)
            continue;
        const long number = std::strtol(value, nullptr, 0);
        if (std::strcmp(name, "memory") == 0)
            settings.memory = std::strcmp(value, "data") == 0      ? BoardMemory::Data
                              : std::strcmp(value, "virtual") == 0 ? BoardMemory::Virtual
                                                                   : BoardMemory::Section;
        else if (std::strcmp(name, "syncup") == 0)
            settings.syncup = static_cast<uint16_t>(number);
        else if (std::strcmp(name, "abortAtBlock") == 0)
            settings.abortAtBlock = number;
        else if (std::strcmp(name, "refuseStart") == 0)
            settings.refuseStart = number;
        else if (std::strcmp(name, "neverClear") == 0)
            settings.neverClear = number;
        else if (std::strcmp(name, "clearAfterLast") == 0)
            settings.clearAfterLast = number;
        else if (std::strcmp(name, "abortAfterLast") == 0)
            settings.abortAfterLast = number;
        else if (std::strcmp(name, "blockDelay") == 0)
            settings.blockDelay = number;
        else if (std::strcmp(name, "blockDelaySpread") == 0)
            settings.blockDelaySpread = number;
        else if (std::strcmp(name, "nullPointer") == 0)
            settings.nullPointer = number;
        else if (std::strcmp(name, "spin") == 0)
            settings.spin = number;
    }
    std::fclose(file);
    return settings;
}
