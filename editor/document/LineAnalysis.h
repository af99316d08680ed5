#pragma once

#include "editor/document/TextLine.h"

class CLineList;
class CLineLexer;
class IProgressSink;

// Analyses count lines from line first on with a lexer whose batch has begun; nothing when
// first lies outside the list. Above 1000 lines it shows "Analyzing..." with the wait cursor
// and the percentage every 20 lines, and removes the display at the end.
void AnalyzeLines(CLineList& lines, LineIndex first, int count, CLineLexer& lexer,
                  bool doubleByteMode, IProgressSink* progress);
