#pragma once
#include <utility>
#include <vector>

#include "framework/CString.h"

// One line of the IDE's element files (projects, workspaces, vocabulary tables): an element
// word such as "<项目" or "</类目>", then attributes, each a name, "=" and a value in double
// quotes. A value runs to the next double quote and has no escape, so a value can never hold
// one; IsSafeMarkupValue tells whether a text may be written as a value.
struct MarkupLine {
    CString word;  // the first blank-delimited word, "<" included
    std::vector<std::pair<CString, CString>> attributes;

    // The value of an attribute (names compare exactly), or null when the line lacks it.
    const CString* Find(const char* name) const;
    // True when the word equals the given one, ASCII letters folded.
    bool Is(const char* element) const;
};

// Splits off the element word of a line (leading blanks and tabs skipped); the attributes
// are left empty. Cheap enough for lines that are only dispatched on their word.
MarkupLine ScanMarkupWord(const char* line);
// Scans the whole line. False when an attribute lacks its name, its "=", its opening or its
// closing quote; the attributes read before the fault are kept. The line ends at ">" or "/>".
bool ScanMarkupLine(const char* line, MarkupLine& result);

// True when the text can stand between the quotes of a value and on one line: no double
// quote and no control byte.
bool IsSafeMarkupValue(const char* text);
