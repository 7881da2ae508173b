#pragma once

#include <cstddef>

// The heap under both string types. Tests put a failing function in place to prove that a failed
// allocation leaves a text as it was.
using TextAllocFunction = void* (*)(size_t bytes);

void* TextAlloc(size_t bytes);
void TextFree(void* block);
// Returns the function that was in place; null restores malloc.
TextAllocFunction SetTextAllocFunction(TextAllocFunction function);
