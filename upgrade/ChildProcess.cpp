#include "upgrade/ChildProcess.h"

#include <cstring>
#include <sys/stat.h>
#include <vector>

#include "text/TextBuffer.h"
#include "upgrade/DiskFiles.h"
#include "upgrade/Pacing.h"

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
    struct _stat status;
    return _stat(tool.CStr(), &status) == 0 && _stat(archive.CStr(), &status) == 0;
}

HANDLE StartChild(const char* commandLine) {
    RecordChild(commandLine);
    // CreateProcessA may write into the command line, so it gets a copy of its own.
    std::vector<char> writable(commandLine, commandLine + std::strlen(commandLine) + 1);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, writable.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                        &startup, &process))
        return nullptr;
    CloseHandle(process.hThread);
    return process.hProcess;
}

void WaitForChild(HANDLE process) {
    WaitForSingleObject(process, INFINITE);
    CloseHandle(process);
}
