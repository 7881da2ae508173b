#include "common/Files.h"

#include <sys/stat.h>

bool FileExists(const char* path) {
    struct _stat status;
    return _stat(path, &status) == 0;
}
