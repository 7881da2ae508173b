#include "upgrade/Pacing.h"

#ifdef ZR7_TEST_BUILD
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {
std::string statusOnScreen;

void Record(const char* kind, const std::string& text) {
    const char* path = std::getenv("ZR7_TRANSCRIPT");
    if (path == nullptr || *path == 0)
        return;
    if (FILE* file = std::fopen(path, "ab")) {
        std::fprintf(file, "%s %s\n", kind, text.c_str());
        std::fclose(file);
    }
}
} // namespace

void Pause(DWORD milliseconds) {
    Record("pause", std::to_string(milliseconds) + " | " + statusOnScreen);
    Sleep(milliseconds / 100);
}

void RecordStatus(const char* text) {
    statusOnScreen = text ? text : "";
    Record("status", statusOnScreen);
}

void RecordCaption(const char* caption) { Record("caption", caption ? caption : ""); }

void RecordChild(const char* commandLine) { Record("child", commandLine ? commandLine : ""); }

#else

void Pause(DWORD milliseconds) { Sleep(milliseconds); }
void RecordStatus(const char*) {}
void RecordCaption(const char*) {}
void RecordChild(const char*) {}

#endif
