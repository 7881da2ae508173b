#include "text/TextAllocator.h"

#include <cstdlib>

namespace {
TextAllocFunction allocFunction = std::malloc;
}

void* TextAlloc(size_t bytes) { return allocFunction(bytes); }

void TextFree(void* block) { std::free(block); }

TextAllocFunction SetTextAllocFunction(TextAllocFunction function) {
    TextAllocFunction previous = allocFunction;
    allocFunction = function ? function : std::malloc;
    return previous;
}
