#pragma once

// ZR7Disk make DISK --system DIR --option CODE VALUE [--winsxs DIR] [--slave IMAGE]
// [--program EXE] [--tool EXE] [--date YYYY-MM-DD], its arguments after the word make: builds the
// upgrade disk folder DISK whole beside it and puts it in place, after every input is checked and
// before it reads the disk back as the program reads it. Returns the tool's exit status: 0 made and
// read back as asked, 1 it could not be written or read back so (nothing written), 2 a fault in
// the inputs (every one named, nothing written); -1 for arguments it does not take.
int MakeDisk(int argc, char** argv);

// The cabinets' date without --date.
constexpr const char* DefaultDiskDate = "2000-01-01";
