#pragma once

// The upgrade disk folder: the folder of the program's own file, without a trailing backslash.
// The returned field is refilled by every call.
const char* ProgramFolder();
