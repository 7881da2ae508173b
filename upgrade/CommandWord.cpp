#include "upgrade/CommandWord.h"

#include <algorithm>
#include <cstring>

uint8_t commitFlag = 1;

namespace {
char programWord[512];
char commandWord[512];

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// A word longer than the field keeps its first 511 characters; the rest of it is skipped, so it
// never spills into the next word or past the field. A quotable word that begins with a quotation
// mark ends at the next one (or at the end of the line).
const char* ScanWord(const char* text, char (&field)[512], bool quotable) {
    while (IsBlank(*text))
        ++text;
    const char* end = text;
    if (quotable && *text == '"') {
        const char* closing = std::strchr(text + 1, '"');
        end = closing ? closing + 1 : text + std::strlen(text);
    } else {
        while (*end != 0 && !IsBlank(*end))
            ++end;
    }
    const size_t n = std::min<size_t>(end - text, sizeof field - 1);
    std::memcpy(field, text, n);
    field[n] = 0;
    return end;
}
} // namespace

const char* ReadCommandWord(const char* commandLine) {
    // The system quotes a program path that holds a blank; split at blanks only, the path would
    // lend its second piece as the command word and the operator's word would be lost.
    ScanWord(ScanWord(commandLine ? commandLine : "", programWord, true), commandWord, false);
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
