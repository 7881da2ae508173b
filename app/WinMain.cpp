#include <windows.h>

#include "twin/Instance.h"
#include "upgrade/Sequence.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SetToolkitInstance(instance);
    return RunUpgrade();
}
