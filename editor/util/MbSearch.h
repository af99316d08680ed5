#pragma once

// Character-aligned searches over zero-terminated GBK text. They walk the text character
// by character from its start, so a match never begins on the trail byte of a double-byte
// character (the platform's _mbsstr does match there under Wine).

// First character of text whose first byte is `byte` (for a lead byte: the first double-byte
// character with that lead byte); null when there is none or text is null.
const char* MbFindChar(const char* text, unsigned char byte);

// First character start of text where needle's bytes follow; text itself for an empty
// needle; null when there is none or either argument is null.
const char* MbFindString(const char* text, const char* needle);
