#include "slave/SlaveDriver.h"

#include <windows.h>

namespace {
using GetCommonRamPointerProc = void*(__stdcall*)();

// Without a driver the program has no direct port access on its platform: the fallbacks refuse
// (a write is dropped, a read gives 0xFF) instead of executing privileged instructions.
int __stdcall FallbackInPort(unsigned short) { return 0xFF; }
void __stdcall FallbackOutPort(unsigned short, unsigned char) {}

template <typename Proc> Proc LookUp(HMODULE library, const char* name) {
    return reinterpret_cast<Proc>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}
} // namespace

InPortProc InPort = FallbackInPort;
OutPortProc OutPort = FallbackOutPort;

void* BindSlaveDriver() {
    InPort = FallbackInPort;
    OutPort = FallbackOutPort;
    HMODULE library = LoadLibraryA("ZRSlaveDriver.dll");
    if (library == nullptr)
        return nullptr;
    void* pointer = nullptr;
    if (auto getPointer = LookUp<GetCommonRamPointerProc>(library, "GetCommonRamPointer"))
        pointer = getPointer();
    if (auto in = LookUp<InPortProc>(library, "InPort"))
        InPort = in;
    if (auto out = LookUp<OutPortProc>(library, "OutPort"))
        OutPort = out;
    // The board's reset pulse: hardware timing, the same in every build.
    OutPort(SlaveResetPort, 4);
    Sleep(1000);
    OutPort(SlaveResetPort, 0);
    return pointer;
}
