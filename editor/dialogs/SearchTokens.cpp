#include "editor/dialogs/SearchTokens.h"

#include "editor/res/resource.h"
#include "framework/Gbk.h"

#include <algorithm>

namespace {

const SearchToken kTokens[] = {
    {ID_TOKEN_TAB, "\\t", 2, false},
    {ID_TOKEN_ANY, ".", 1, false},
    {ID_TOKEN_LINE_START, "^", 1, false},
    {ID_TOKEN_LINE_END, "$", 1, false},
    {ID_TOKEN_ZERO_OR_MORE, "*", 1, false},
    {ID_TOKEN_ONE_OR_MORE, "+", 1, false},
    {ID_TOKEN_ZERO_OR_ONE, "?", 1, false},
    {ID_TOKEN_OR, "|", 1, false},
    {ID_TOKEN_IN_RANGE, "[]", 1, false},
    {ID_TOKEN_NOT_IN_RANGE, "[^]", 2, false},
    {ID_TOKEN_BLANK, "\\s", 2, false},
    {ID_TOKEN_WORD_CHAR, "\\w", 2, false},
    {ID_TOKEN_LETTER, "\\a", 2, false},
    {ID_TOKEN_DIGIT, "\\d", 2, false},
    {ID_TOKEN_HEX_DIGIT, "\\h", 2, false},
    {ID_TOKEN_GROUP, "()", 1, false},
    {ID_TOKEN_REPLACE_TAB, "\\t", 2, true},
    {ID_TOKEN_WHOLE_MATCH, "\\0", 2, true},
    {ID_TOKEN_GROUP_1 + 0, "\\1", 2, true},
    {ID_TOKEN_GROUP_1 + 1, "\\2", 2, true},
    {ID_TOKEN_GROUP_1 + 2, "\\3", 2, true},
    {ID_TOKEN_GROUP_1 + 3, "\\4", 2, true},
    {ID_TOKEN_GROUP_1 + 4, "\\5", 2, true},
    {ID_TOKEN_GROUP_1 + 5, "\\6", 2, true},
    {ID_TOKEN_GROUP_1 + 6, "\\7", 2, true},
    {ID_TOKEN_GROUP_1 + 7, "\\8", 2, true},
    {ID_TOKEN_GROUP_9, "\\9", 2, true},
};

// The start of the character that holds byte position, which lies within text.
int CharacterStart(const CString& text, int position)
{
    int start = 0;
    while (start < position) {
        const int next = start + GbkText::CharLength(text, text.GetLength(), start);
        if (next > position)
            break;
        start = next;
    }
    return start;
}

} // namespace

const SearchToken* FindSearchToken(UINT command)
{
    for (const SearchToken& token : kTokens)
        if (token.command == command)
            return &token;
    return nullptr;
}

CString InsertSearchToken(const CString& text, int start, int end, const SearchToken& token,
                          int& caret)
{
    const int length = text.GetLength();
    start = CharacterStart(text, std::clamp(start, 0, length));
    end = CharacterStart(text, std::clamp(end, 0, length));
    if (end < start)
        std::swap(start, end);
    caret = start + token.caretOffset;
    return text.Left(start) + token.text + text.Mid(end);
}

int CharacterToBytePosition(const CString& text, int characters)
{
    int position = 0;
    for (int n = 0; n < characters && position < text.GetLength(); ++n)
        position += GbkText::CharLength(text, text.GetLength(), position);
    return position;
}

int ByteToCharacterPosition(const CString& text, int bytes)
{
    int characters = 0;
    for (int position = 0; position < bytes && position < text.GetLength(); ++characters)
        position += GbkText::CharLength(text, text.GetLength(), position);
    return characters;
}
