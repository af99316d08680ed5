#pragma once

class CRegexEngine;

// Searches within one zero-terminated line of GBK text, as the document search runs them
// line by line. Offsets are bytes. Whole word: the characters just before and just after
// the match must not be word characters (IsWordChar). Without match case, ASCII letters
// compare in lower case; double-byte characters compare as they are.

// Offset of the first match at or after start (below 0 counts as 0), or -1. Never starts a
// match on a trail byte.
int FindTextForward(const char* text, const char* searchText, int start, bool wholeWord,
                    bool matchCase);

// Offset of the last match lying wholly before end (-1: the text's length), or -1.
int FindTextBackward(const char* text, const char* searchText, int end, bool wholeWord,
                     bool matchCase);

// Offset of the first match of the compiled engine at or after start, or -1; the engine then
// holds that match. pattern is the text the engine was compiled from: a leading '^' and a
// trailing unescaped '$' anchor to the line's start and end. Without match case the engine
// must have been compiled from a lower-cased pattern.
int FindRegexForward(const char* text, const char* pattern, CRegexEngine& engine, int start,
                     bool wholeWord, bool matchCase);

// Offset of the last match ending at or before end (-1: the text's length), or -1; the
// engine is left holding that match.
int FindRegexBackward(const char* text, const char* pattern, CRegexEngine& engine, int end,
                      bool wholeWord, bool matchCase);
