#include "slave/SlaveErrorLog.h"
#include "twin/MessagePump.h"

// The process-wide objects, built by static initialisation before WinMain runs.
MessagePump messagePump;
SlaveErrorLog slaveErrorLog;
