#pragma once

class TextBuffer;

// Appends a path to a child command line; a path with a blank goes in double quotes, so that
// the system neither runs another program in its place nor splits the argument.
TextBuffer& AppendCommandPath(TextBuffer& commandLine, const char* path);

// Builds the cabinet tool's command line for an archive of the upgrade disk: disk folder +
// "\extract.exe", destination option (" /E /Y /L folder"), " ", disk folder + archive file.
// False when the tool or the archive does not exist (the line is built all the same).
bool BuildExtractCommand(TextBuffer& commandLine, const char* diskFolder, const char* archiveFile,
                         const char* destinationOption);
