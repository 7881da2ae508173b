// The slave board as a thread beside the program: it watches the shared block as the real board
// does, answers the download handshake and keeps what it received. Records, beside the library:
// board-ports.txt (every port write with its time), board-events.txt (what the board saw),
// board-received.bin (the image, written when the program closes with 255, or as the process ends
// the blocks taken until then), and, as the process ends, board-summary.txt and
// board-commonram.bin (the first 1,024 bytes as the program left them).
#include <windows.h>

#include "BoardRecord.h"
#include "BoardSettings.h"

namespace {
enum : int {
    Syncup = 2,
    AbortFlag = 6,
    CommandFlag = 272,
    CommandCode = 273,
    Handshake = 467,
    Window = 512,
    BlockSize = 256,
    BlockCount = 512,
    SharedSize = 4096,
};
enum Phase { Idle, AwaitDownloadMode, AwaitRetryOrder, AwaitCommand, Transfer, AwaitClose, Done };

HMODULE library = nullptr;
BoardSettings settings;
volatile unsigned char* shared = nullptr;
unsigned char received[BlockSize * BlockCount];
volatile LONG blocksTaken = 0;
volatile LONG closed = 0;
volatile LONG receivedWritten = 0;

// Each event with its time in microseconds since the library was loaded.
void Event(const char* text) {
    char line[128];
    wsprintfA(line, "%lu us %s", MicrosecondsSinceLoad(), text);
    RecordLine("board-events.txt", line);
}

// What the board has taken so far, block by block.
void WriteReceived() {
    const LONG blocks = blocksTaken < BlockCount ? blocksTaken : LONG(BlockCount);
    if (blocks > 0 && InterlockedExchange(&receivedWritten, 1) == 0)
        RecordBytes("board-received.bin", received, static_cast<DWORD>(blocks) * BlockSize);
}

void Wait() {
    if (settings.spin)
        SwitchToThread();
    else
        Sleep(1);
}

Phase EnterTransfer() {
    if (settings.abortAtBlock == 1) {
        shared[AbortFlag] = 1;
        Event("abort while block 1 waits");
        return Idle;
    }
    return Transfer;
}

// After the last block, while the program waits for the handshake to clear. A board that gives
// up here leaves the handshake at 1, as one that aborts during the transfer does.
Phase FinishDownload() {
    if (settings.abortAfterLast > 0) {
        Sleep(static_cast<DWORD>(settings.abortAfterLast));
        shared[AbortFlag] = 1;
        Event("abort after the last block");
        return Idle;
    }
    if (settings.neverClear)
        return AwaitClose;
    if (settings.clearAfterLast > 0)
        Sleep(static_cast<DWORD>(settings.clearAfterLast));
    shared[Handshake] = 0;
    Event("cleared after the last block");
    return AwaitClose;
}

// Takes the block in the window; the handshake stays 1 when the board aborts or never clears.
Phase TakeBlock() {
    const LONG number = blocksTaken + 1;
    // A fixed sequence, so that every run sees the same delays.
    static DWORD random = 1;
    random = random * 1103515245 + 12345;
    const DWORD spread = static_cast<DWORD>(settings.blockDelaySpread) + 1;
    const DWORD delay = static_cast<DWORD>(settings.blockDelay) + (random >> 16) % spread;
    if (delay > 0)
        Sleep(delay);
    if (number <= BlockCount) {
        for (int i = 0; i < BlockSize; ++i)
            received[(number - 1) * BlockSize + i] = shared[Window + i];
    }
    blocksTaken = number;
    if (number == 1 || number == BlockCount)
        Event(number == 1 ? "block 1 taken" : "block 512 taken");
    if (number + 1 == settings.abortAtBlock) {
        shared[AbortFlag] = 1;
        char text[64];
        wsprintfA(text, "abort while block %ld waits", number + 1);
        Event(text);
        return Idle;
    }
    if (number >= BlockCount)
        return FinishDownload();
    shared[Handshake] = 0;
    return Transfer;
}

Phase AnswerCommand(int& refusals) {
    shared[CommandFlag] = 0;
    char text[64];
    const bool known = shared[CommandCode] == 0x4F && shared[CommandCode + 1] == 0x12;
    if (known && refusals >= settings.refuseStart) {
        wsprintfA(text, "start command %02x %02x accepted", shared[CommandCode],
                  shared[CommandCode + 1]);
        Event(text);
        return EnterTransfer();
    }
    ++refusals;
    shared[AbortFlag] = 1;
    wsprintfA(text, "start command %02x %02x refused", shared[CommandCode],
              shared[CommandCode + 1]);
    Event(text);
    return AwaitCommand;
}

DWORD WINAPI RunBoard(void*) {
    Phase phase = Idle;
    if (settings.syncup == 0xCC33)
        phase = AwaitDownloadMode;
    else if (settings.syncup == 0x9966)
        phase = AwaitRetryOrder;
    int refusals = 0;
    while (phase != Done) {
        switch (phase) {
        case AwaitDownloadMode:
            if (shared[Syncup] == 0xCC && shared[Syncup + 1] == 0x33) {
                Event("download mode");
                phase = AwaitCommand;
            }
            break;
        case AwaitRetryOrder:
            if (shared[Syncup] == 0x99 && shared[Syncup + 1] == 0x66) {
                Event("retry ordered");
                phase = EnterTransfer();
            }
            break;
        case AwaitCommand:
            if (shared[CommandFlag] == 1)
                phase = AnswerCommand(refusals);
            break;
        case Transfer:
            if (shared[Handshake] == 1)
                phase = TakeBlock();
            break;
        case AwaitClose:
            if (shared[Handshake] == 0xFF) {
                WriteReceived();
                closed = 1;
                Event("download closed with 255");
                phase = Done;
            }
            break;
        default:
            break;
        }
        if (phase != Done)
            Wait();
    }
    return 0;
}

// A fill pattern shows afterwards which bytes the program wrote.
struct FilledBlock {
    unsigned char bytes[3 * 4096];
    constexpr FilledBlock() : bytes() {
        for (unsigned char& byte : bytes)
            byte = 0x5A;
    }
};
// Filled when the library is built, so that handing it out writes nothing to it.
FilledBlock dataSection;

volatile unsigned char* HandOutMemory(BoardMemory memory) {
    void* block = nullptr;
    if (memory == BoardMemory::Data) {
        // The fields the board posts lie on one page and the block window starts the next, which
        // then stays copy-on-write until the program's first write, as a driver's untouched data
        // would on Windows too.
        const uintptr_t page = (reinterpret_cast<uintptr_t>(dataSection.bytes) + Window + 4095) &
                               ~static_cast<uintptr_t>(4095);
        return reinterpret_cast<volatile unsigned char*>(page - Window);
    }
    if (memory == BoardMemory::Virtual) {
        block = VirtualAlloc(nullptr, SharedSize, MEM_RESERVE | MEM_COMMIT,
                             PAGE_READWRITE | PAGE_NOCACHE);
    } else if (HANDLE section = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                                   SharedSize, nullptr)) {
        block = MapViewOfFile(section, FILE_MAP_ALL_ACCESS, 0, 0, SharedSize);
    }
    if (block != nullptr)
        FillMemory(block, SharedSize, 0x5A);
    return static_cast<volatile unsigned char*>(block);
}

void RecordEnd() {
    if (shared == nullptr)
        return;
    WriteReceived();
    char text[96];
    wsprintfA(text, "blocks %ld\r\nclosed %ld\r\nhandshake %u", blocksTaken, closed,
              shared[Handshake]);
    RecordLine("board-summary.txt", text);
    RecordBytes("board-commonram.bin", shared, 1024);
}
} // namespace

extern "C" {

__declspec(dllexport) void* __stdcall GetCommonRamPointer(void) {
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(library, path, MAX_PATH - 4);
    while (length > 0 && path[length - 1] != '.')
        --length;
    lstrcpyA(path + length, "ini");
    settings = ReadBoardSettings(path);
    if (settings.nullPointer) {
        Event("no common RAM handed out");
        return nullptr;
    }
    shared = HandOutMemory(settings.memory);
    if (shared == nullptr)
        return nullptr;
    shared[Syncup] = static_cast<unsigned char>(settings.syncup & 0xFF);
    shared[Syncup + 1] = static_cast<unsigned char>(settings.syncup >> 8);
    shared[AbortFlag] = 0;
    shared[CommandFlag] = 0;
    shared[Handshake] = 0;
    char text[64];
    wsprintfA(text, "syncup %04x posted", settings.syncup);
    Event(text);
    HANDLE thread = CreateThread(nullptr, 0, RunBoard, nullptr, 0, nullptr);
    if (thread)
        CloseHandle(thread);
    return const_cast<unsigned char*>(shared);
}

__declspec(dllexport) int __stdcall InPort(unsigned short) { return 0; }

#ifndef ZR7_BOARD_WITHOUT_OUTPORT
__declspec(dllexport) void __stdcall OutPort(unsigned short port, unsigned char value) {
    char text[64];
    wsprintfA(text, "%lu us port 0x%x value %u", MicrosecondsSinceLoad(), port, value);
    RecordLine("board-ports.txt", text);
}
#endif
}

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void*) {
    if (reason == DLL_PROCESS_ATTACH) {
        library = instance;
        SetRecordFolder(instance);
    } else if (reason == DLL_PROCESS_DETACH)
        RecordEnd();
    return TRUE;
}
