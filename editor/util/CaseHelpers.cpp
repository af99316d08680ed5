#include "editor/util/CaseHelpers.h"

#include "editor/util/CharClasses.h"

namespace {

bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
char ToAsciiUpper(char c) { return IsAsciiLower(c) ? static_cast<char>(c - 'a' + 'A') : c; }
char ToAsciiLower(char c) { return IsAsciiUpper(c) ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

void InvertCase(char* text)
{
    if (!text) return;
    for (char* p = text; *p;) {
        int length = GbkText::CharLength(p);
        if (length == 1) *p = IsAsciiUpper(*p) ? ToAsciiLower(*p) : ToAsciiUpper(*p);
        p += length;
    }
}

void CapitalizeWords(char* text)
{
    if (!text) return;
    bool inWord = false;
    for (char* p = text; *p;) {
        int length = GbkText::CharLength(p);
        bool letter = length == 1 && (IsAsciiUpper(*p) || IsAsciiLower(*p));
        if (letter) *p = inWord ? ToAsciiLower(*p) : ToAsciiUpper(*p);
        inWord = letter;
        p += length;
    }
}
