#include "upgrade/Extraction.h"

#include <cstring>

#include "common/Files.h"
#include "common/UpgradeDisk.h"
#include "text/TextBuffer.h"

TextBuffer& AppendCommandPath(TextBuffer& commandLine, const char* path) {
    if (std::strchr(path, ' ') == nullptr)
        return commandLine.Append(path);
    return commandLine.Append("\"").Append(path).Append("\"");
}

Extraction ExtractionOf(const std::string& diskFolder, const char* archiveFile, const char* folder,
                        const char* installation) {
    const std::string tool = diskFolder + ExtractTool, archive = diskFolder + archiveFile;
    TextBuffer commandLine;
    AppendCommandPath(commandLine, tool.c_str()).Append(" /E /Y /L ").Append(folder).Append(" ");
    AppendCommandPath(commandLine, archive.c_str());
    const bool onDisk = FileExists(tool.c_str()) && FileExists(archive.c_str());
    return {commandLine.CStr(), tool, archive, folder, onDisk, installation, {}};
}
