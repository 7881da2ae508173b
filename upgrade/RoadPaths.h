#pragma once

// The instrument's files and folders that the system file road reads and changes, named once for
// the program and for the disk tool, which tells and verifies the road.

// Runs the commit of drive C:; where it is missing there is neither marker nor commit.
constexpr const char* CommitBatch = "C:/Windows/Commit.bat";
// The same file as the commit's copy names it.
constexpr const char* InstalledCommitBatch = "C:\\WINDOWS\\COMMIT.BAT";
// A commit batch waiting in the application folder: installed by the commit, or deleted.
constexpr const char* NewCommitBatch = "C:\\ZR7KM\\COMMIT.BAT";
constexpr const char* DesistMarker = "C:/ZR7KM/DesistTenacor.txt";
// The build folder is the first entry that matches.
constexpr const char* BuildFolderPattern = "C:\\XPe Build*";

// Where the cabinet tool puts an archive's files, as its /L option names the folder.
constexpr const char* MasterFolder = "c:/ZR7KM";
constexpr const char* EwfFolder = "P:/Tenacor";
constexpr const char* WindowsFolder = "c:/Windows";

// The retention tool's files that the commit copies to drive P:, each from and to, in order.
constexpr const char* RetentionToolCopies[][2] = {
    {"C:\\ZR7KM\\Tenacor.exe", "P:\\Tenacor\\Tenacor.exe"},
    {"C:\\ZR7KM\\TenacorConfig.ini", "P:\\Tenacor\\TenacorConfig.ini"},
    {"C:\\ZR7KM\\TenacorentFileList.txt", "P:\\Tenacor\\TenacorentFileList.txt"},
};
// The retention tool's protected copies, which the commit then deletes, in order.
constexpr const char* ProtectedFiles[] = {
    "P:\\Tenacor\\ProtectedFiles\\Tenacor.exe",
    "P:\\Tenacor\\ProtectedFiles\\TenacorConfig.ini",
    "P:\\Tenacor\\ProtectedFiles\\TenacorentFileList.txt",
    "P:\\Tenacor\\ProtectedFiles\\zr7clist.ini.pbf",
    "P:\\Tenacor\\ProtectedFiles\\ZR7KMolist.ini.pbf",
};
