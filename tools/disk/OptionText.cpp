#include "tools/disk/OptionText.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

#include "upgrade/BuildFolder.h"
#include "upgrade/OptionTable.h"
#include "upgrade/RoadPaths.h"

namespace {
std::string Figure(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

void Add(std::string& list, const std::string& item) { list += (list.empty() ? "" : "; ") + item; }
} // namespace

std::string LabelNumber(double value) {
    char label[MAX_PATH];
    const char* prefix = "With Tenacor ";
    if (!RelabelledName("With", value, label, sizeof label))
        return "";
    return label + std::strlen(prefix);
}

OptionText DescribeOption(int32_t optionCode, double optionValue) {
    const OptionSteps steps = StepsForOption(optionCode);
    OptionText text;
    text.installation =
        std::string(steps.ewf ? "EWF" : "MASTER") + " into " + steps.destinationFolder;
    if (steps.extractWinSxS)
        Add(text.preparations, std::string("WinSxS.cab into ") + WindowsFolder);
    if (steps.optionFolder != nullptr)
        Add(text.preparations, std::string("removes ") + steps.optionFolder);
    if (steps.memoryTest)
        Add(text.tests, Figure("memory figure at least %.1f", MinimumMemoryFigure));
    if (steps.driveSizeTest)
        Add(text.tests, Figure("drive C: at least %.0f MiB in all", MinimumDriveMegabytes));
    if (steps.freeSpaceTest)
        Add(text.tests, Figure("at least %g MiB free on drive C:", optionValue + FreeSpaceMargin));
    text.preparations = text.preparations.empty() ? "none" : text.preparations;
    text.tests = text.tests.empty() ? "none" : text.tests;
    text.label = steps.ewf ? LabelNumber(optionValue) + " before the extraction"
                           : "none before the extraction";
    return text;
}
