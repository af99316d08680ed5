#pragma once
#include "editor/document/TextLine.h"

// Character boundaries of a document line for the edit actions. A double-byte character is
// recognised by its lead byte (while double-byte mode is on), whatever run it stands in.
// Colour runs never split a character, so a walk starts at the run around the column and
// costs the length of that run, not of the line.

// Bytes (1 or 2) of the character that starts at column; 0 at or past the line's end. When
// column falls on a trail byte, 1.
int CharLengthAt(const CTextLine& line, ByteColumn column, bool doubleByte);
// Bytes (1 or 2) of the character that ends at column; 0 at column 0 or beyond the text.
int CharLengthBefore(const CTextLine& line, ByteColumn column, bool doubleByte);
// The column lies between the two bytes of a double-byte character.
bool IsInsideDoubleByte(const CTextLine& line, ByteColumn column, bool doubleByte);
