#pragma once

// Case changers for the view's case commands. Only the single-byte ASCII letters change;
// a double-byte character is stepped over whole, so its trail byte is never touched even
// when it lies in the ASCII letter range.

// Every A-Z becomes a-z and every a-z becomes A-Z, in place.
void InvertCase(char* text);
// In every run of ASCII letters the first is upper-cased and the rest lower-cased, in place;
// any other byte or character ends a run.
void CapitalizeWords(char* text);
