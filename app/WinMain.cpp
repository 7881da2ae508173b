#include <windows.h>

#include "twin/Instance.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    SetToolkitInstance(instance);
    return 0;
}
