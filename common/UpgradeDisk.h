#pragma once

// The upgrade disk: the folder of the program's own file, without a trailing backslash (the
// returned field is refilled by every call), and the files the roads take from it, each named as
// it is appended to that folder.
const char* ProgramFolder();

constexpr const char* DiskInfoFile = "\\DiskInfo.txt";
constexpr const char* ExtractTool = "\\extract.exe";
constexpr const char* SystemArchive = "\\ZR7KMSYS1.cab";
constexpr const char* WinSxSArchive = "\\WinSxS.cab";
constexpr const char* SlaveImageFile = "\\SLAVE.BIN";
