#pragma once

#include <cstdint>

// 1 at start; the command word -NOCOMMIT or -nocommit clears it before any road starts, and
// CommitDriveC does nothing while it is 0.
extern uint8_t commitFlag;

// The first two words of the command line go into two fields of 512 bytes; returns the second
// (the command word), empty when there is none. Words are split at white space, except that a
// first word beginning with a quotation mark (a quoted program path) ends at the next one.
const char* ReadCommandWord(const char* commandLine);

enum class Road { SystemFiles, Slave };

// The road the command word asks for; clears commitFlag for -NOCOMMIT and -nocommit.
Road ChooseRoad(const char* commandWord);
