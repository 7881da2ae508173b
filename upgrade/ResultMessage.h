#pragma once

// The message the sequence shows for a road's result: null for Success (and unknown codes).
const char* ResultMessage(int result);
