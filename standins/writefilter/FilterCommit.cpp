#include <windows.h>

#include <cstdlib>

// Commits drive C: as the write filter does, which writes everything the filter kept in memory to
// the disk and so takes its time: here the seconds given as the first argument. The batch that
// starts it goes on only when it has ended.
int main(int argc, char** argv) {
    const long seconds = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 0;
    Sleep(static_cast<DWORD>(seconds > 0 ? seconds * 1000 : 0));
    return 0;
}
