#pragma once

#include <string>
#include <vector>

#include "upgrade/Cabinet.h"

class TextBuffer;

// One run of the cabinet tool on an archive of the upgrade disk.
struct Extraction {
    std::string commandLine;
    std::string tool; // the paths of the tool and the archive on the disk
    std::string archive;
    std::string folder; // where the tool puts the files
    bool onDisk;        // the tool and the archive exist
    // The system archive's installation, "MASTER" or "EWF", with the files the archive lists
    // (read before the tool runs); null for the preparation of WinSxS.cab, whose files the
    // program never reads.
    const char* installation;
    std::vector<CabinetFile> files;
};

// The extraction of an archive of the upgrade disk in diskFolder (an archive file such as
// "\ZR7KMSYS1.cab") into a folder: disk folder + "\extract.exe", " /E /Y /L " + folder, " ",
// disk folder + archive file.
Extraction ExtractionOf(const std::string& diskFolder, const char* archiveFile, const char* folder,
                        const char* installation);

// Appends a path to a child command line; a path with a blank goes in double quotes, so that
// the system neither runs another program in its place nor splits the argument.
TextBuffer& AppendCommandPath(TextBuffer& commandLine, const char* path);
