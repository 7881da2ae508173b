#include "upgrade/ResultMessage.h"

#include "common/UpgradeResult.h"

const char* ResultMessage(int result) {
    switch (result) {
    case Failed:
        return "The upgrade failed. Trying to restart...";
    case NoDiskSpace:
        return "Not enough disk space.  The upgrade failed. Trying to restart...";
    case Incompatible:
        return "Hardware not compatible.  The upgrade failed. Trying to restart...";
    default:
        return nullptr;
    }
}
