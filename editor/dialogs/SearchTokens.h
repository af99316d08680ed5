#pragma once
#include <windows.h>

#include "framework/CString.h"

// The regular-expression tokens the search fields' token menus insert: the find tokens
// (first popup of the token menu) and the replacement tokens (second popup).
struct SearchToken {
    UINT command;
    const char* text;
    int caretOffset;      // where the caret lands, counted from the insertion point
    bool forReplacement;  // a token of the replacement field's menu
};

// The token of a menu command; null for any other command.
const SearchToken* FindSearchToken(UINT command);

// A field's text with token put in place of the bytes from start to end; caret receives
// where the caret goes. Positions remembered earlier may no longer fit the text (the user
// chose another history entry since): they are clamped to its length, ordered, and moved
// back to the start of a double-byte character they fall into.
CString InsertSearchToken(const CString& text, int start, int end, const SearchToken& token,
                          int& caret);
