#include "slave/SlavePacing.h"

#ifdef ZR7_TEST_BUILD
#include <cstdio>
#include <cstdlib>

void HandshakePause(DWORD milliseconds) { Sleep(milliseconds / 10); }

void RecordSlave(const char* kind, const char* text) {
    const char* path = std::getenv("ZR7_TRANSCRIPT");
    if (path == nullptr || *path == 0)
        return;
    if (FILE* file = std::fopen(path, "ab")) {
        std::fprintf(file, "%s ", kind);
        for (const char* c = text ? text : ""; *c; ++c) {
            if (*c == '\n')
                std::fputs("\\n", file);
            else
                std::fputc(*c, file);
        }
        std::fputc('\n', file);
        std::fclose(file);
    }
}

#else

void HandshakePause(DWORD milliseconds) { Sleep(milliseconds); }
void RecordSlave(const char*, const char*) {}

#endif
