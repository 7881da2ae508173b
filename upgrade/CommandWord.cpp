#include "upgrade/CommandWord.h"

#include <cstring>

uint8_t commitFlag = 1;

namespace {
char programWord[512];
char commandWord[512];

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A word longer than the field keeps its first 511 characters; the rest of it is skipped, so it
// never spills into the next word or past the field.
const char* ScanWord(const char* text, char (&field)[512]) {
    while (IsBlank(*text))
        ++text;
    size_t n = 0;
    for (; *text != 0 && !IsBlank(*text); ++text)
        if (n < sizeof field - 1)
            field[n++] = *text;
    field[n] = 0;
    return text;
}
} // namespace

const char* ReadCommandWord(const char* commandLine) {
    ScanWord(ScanWord(commandLine ? commandLine : "", programWord), commandWord);
    return commandWord;
}

Road ChooseRoad(const char* word) {
    if (word[0] == 'S' || word[0] == 's')
        return Road::Slave;
    if (word[0] == '-' && (word[1] == 'N' || word[1] == 'n'))
        if (std::strcmp(word + 1, "NOCOMMIT") == 0 || std::strcmp(word + 1, "nocommit") == 0)
            commitFlag = 0;
    return Road::SystemFiles;
}
