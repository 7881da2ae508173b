#pragma once

// The files of an upgrade disk, as appended to the disk folder.
constexpr const char* DiskInfoFile = "\\DiskInfo.txt";
constexpr const char* ExtractTool = "\\extract.exe";
constexpr const char* SystemArchive = "\\ZR7KMSYS1.cab";
constexpr const char* WinSxSArchive = "\\WinSxS.cab";
constexpr const char* SlaveImageFile = "\\SLAVE.BIN";
