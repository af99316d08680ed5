#pragma once

#include "editor/document/TextLine.h"

class CLanguageFiles;
class CLineList;
class CLineLexer;
class CSpellDictionary;
class IProgressSink;

// Analyses count lines from line first on with a lexer whose batch has begun; nothing when
// first lies outside the list. Above 1000 lines it shows "Analyzing..." with the wait cursor
// and the percentage every 20 lines, and removes the display at the end.
void AnalyzeLines(CLineList& lines, LineIndex first, int count, CLineLexer& lexer,
                  bool doubleByteMode, IProgressSink* progress);

// The whole-document analysis: begins a batch of the process-wide lexer with the document's
// spec and keywords (and the dictionary when the spelling check is on, else null), then
// analyses the lines as above.
void AnalyzeAllLines(CLineList& lines, const CLanguageFiles& language,
                     const CSpellDictionary* spelling, LineIndex first, int count,
                     bool doubleByteMode, IProgressSink* progress);
