#include "upgrade/ExtractCommand.h"

#include <cstring>

#include "common/Files.h"
#include "common/UpgradeDisk.h"
#include "text/TextBuffer.h"

TextBuffer& AppendCommandPath(TextBuffer& commandLine, const char* path) {
    if (std::strchr(path, ' ') == nullptr)
        return commandLine.Append(path);
    return commandLine.Append("\"").Append(path).Append("\"");
}

bool BuildExtractCommand(TextBuffer& commandLine, const char* diskFolder, const char* archiveFile,
                         const char* destinationOption) {
    TextBuffer tool, archive;
    tool.Assign(diskFolder).Append(ExtractTool);
    archive.Assign(diskFolder).Append(archiveFile);
    AppendCommandPath(commandLine, tool.CStr()).Append(destinationOption).Append(" ");
    AppendCommandPath(commandLine, archive.CStr());
    return FileExists(tool.CStr()) && FileExists(archive.CStr());
}
