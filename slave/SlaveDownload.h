#pragma once

#include <cstdint>

class TWin;

// Carries a checked 131,072-byte image to the slave board (or its emulation) and reports what
// went wrong. Returns the log's errors mask; throws nothing.
uint32_t DownloadToSlave(const unsigned char* image, TWin& window);

// Clears the first 1,024 bytes, orders download mode and sends the start command.
void EnterDownloadMode();

// Returns 0 when the slave took the start command, -1 after five refusals.
int32_t SendStartCommand();

// Sends the 512 blocks and waits for the slave to finish; failures are thrown as constant texts.
int32_t TransferBlocks(const unsigned char* image, TWin& window);

// The two halves of TransferBlocks: the 512 blocks, then the final wait and the closing 255.
void SendBlocks(const unsigned char* image, TWin& window);
void AwaitSlaveFinish(TWin& window);
