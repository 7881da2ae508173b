#pragma once

// The slave driver library's port operations, or the built-in fallbacks where it lacks them.
using InPortProc = int(__stdcall*)(unsigned short port);
using OutPortProc = void(__stdcall*)(unsigned short port, unsigned char value);

extern InPortProc InPort;
extern OutPortProc OutPort;

enum : unsigned short { SlaveResetPort = 0x305 };

// Loads ZRSlaveDriver.dll (never unloaded), binds its ports and pulses the board's reset port.
// Returns the library's common RAM pointer, or null.
void* BindSlaveDriver();
