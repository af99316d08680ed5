#pragma once

// Membership of a double-byte character in a set string: a plain string mixing single
// bytes and double-byte pairs (full-width delimiters, keyword prefixes). Single bytes of the
// set (0x80 and below) are skipped; every byte above 0x80 starts a pair compared as a whole.

// True when the two bytes at text equal one pair of the set.
bool IsDbcsPairInSet(const char* set, const char* text);
// The same test with the character given as its lead and trail byte.
bool IsDbcsCharInSet(const char* set, unsigned char lead, unsigned char trail);
