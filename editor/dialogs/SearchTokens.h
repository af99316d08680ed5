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

// An edit control counts positions in bytes of its text on one platform and in characters
// on another (Wine's edit control keeps Unicode text). These convert between the two for a
// GBK text, whose characters are one or two bytes each; a position past the end gives the
// end.
int CharacterToBytePosition(const CString& text, int characters);
int ByteToCharacterPosition(const CString& text, int bytes);
