#pragma once

#include <windows.h>

#include <vector>

// 24-bit pictures of what a device context shows: the test build's drawings of its windows and
// the demo's photographs of the desktop. The rows run from the bottom up, each padded to 4 bytes,
// as in a BMP file.
std::vector<unsigned char> GrabBits(HDC source, int x, int y, int width, int height);
void SaveBitmap(const char* path, int width, int height, const std::vector<unsigned char>& bits);
