#pragma once

// Whether a file or folder of that path exists (the C library's _stat succeeds): the only test
// that steers the upgrade.
bool FileExists(const char* path);
