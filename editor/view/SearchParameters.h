#pragma once
#include "editor/util/RegexEngine.h"
#include "framework/CString.h"

// The search every view of the process shares: what the find and replace dialogs last
// prepared, and the one compiled regular expression.
struct CSearchParameters {
    enum Mode { kModeFind = 0, kModeReplace = 1 };

    CString text;         // as the user typed it
    CString pattern;      // what is searched: the text, or the rewritten expression
    CString replacement;  // as typed; "\t" is expanded per match
    int flags = 0;        // SearchFlag bits
    int mode = kModeFind;
    CRegexEngine engine;  // compiled from pattern while flags hold kSearchRegex
};

// The one set of search parameters.
CSearchParameters& TheSearchParameters();
