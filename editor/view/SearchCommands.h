#pragma once
#include "editor/view/EditActions.h"
#include "editor/view/SearchParameters.h"

// The search and navigation bodies of one view: preparing a search, finding the next or
// previous match and selecting it, replacing one match or all of them, going to a line, to
// bookmarks, to the last edit and to the enclosing block, and the select commands. Each
// returns whether something was found or changed; the command handlers repaint.
class CSearchCommands {
public:
    CSearchCommands(CEditActions& actions, CSearchParameters& parameters);
    CSearchCommands(const CSearchCommands&) = delete;
    CSearchCommands& operator=(const CSearchCommands&) = delete;

    CSearchParameters& GetParameters() const { return m_parameters; }
    CViewEngine& GetView() const { return m_actions.GetView(); }

    // ---- preparing ----
    // False for an empty text or a regular expression that does not compile.
    bool DoFind(const CString& text, int flags);
    bool DoReplace(const CString& text, const CString& replacement, int flags);
    // The selected text on one line, or the word at the caret, becomes the search text.
    bool DoFindAgain();
    // A one-line selection that differs from the current search becomes the search text.
    bool DoFindNextPrev();

    // ---- finding and replacing ----
    bool DoFindNextOccurrence();
    bool DoFindPrevOccurrence();
    bool DoReplaceThis();
    // Return the number of replacements.
    int DoReplaceAllInSelection();
    int DoReplaceAllInFile();

    // ---- going places ----
    bool DoGoToLine(int lineNumber);
    bool DoToggleBookmark();
    bool DoNextBookmark();
    bool DoPrevBookmark();
    bool DoGoToPrevEditPos();
    bool DoGoToBlockStart();
    bool DoGoToBlockEnd();

    // ---- selecting ----
    bool SelectAll();
    bool SelectLine();
    bool SelectWord();
    bool SelectBlock();
    bool DoSelectAll(int quiet);
    void DoSelectLine();
    void DoSelectWord();
    bool DoSelectBlock(int quiet);

    // The selected text when the selection lies within one line; else empty.
    CString GetSelectedTextOnLine() const;
    // The word at the caret (by the view's word rule); empty when none.
    CString GetWordAtCaret() const;

private:
    // After a Select…: the selection is active when one was made (and is not empty).
    void KeepSelection(bool selected);
    // The bracket the caret's highlight shows (CBracketMatcher::BracketAtCaret).
    bool BracketAtCaret(DocPosition& symbol, bool& isOpening) const;
    CViewEngine& View() const { return m_actions.GetView(); }
    CTextDocument& Document() const { return m_actions.GetDocument(); }
    bool IsRegex() const { return (m_parameters.flags & kSearchRegex) != 0; }
    bool Prepare(const CString& text, int flags);
    int MatchLength() const;
    CString ReplacementForMatch() const;
    // The first match in a line's text at or after start, as the document search finds it.
    int FindInText(const char* text, ByteColumn start) const;
    // Selects a match: caret at its start, anchor at its end.
    void SelectMatch(ByteColumn column, LineIndex line, int length);
    // Replaces every match from a position on; with a limit, only those wholly before it
    // (its column moves with replacements on its line).
    int ReplaceAllFrom(DocPosition from, DocPosition* limit);
    // The next position one character after (before) a position, across line ends.
    DocPosition StepForward(DocPosition position) const;
    // Caret to a text position after a navigation: the selection is dropped; true when a
    // selection was active or moved is set.
    bool FinishMove(bool moved, bool hadSelection);

    CEditActions& m_actions;
    CSearchParameters& m_parameters;
    // Where the last find selected an empty match: the next find in the same direction
    // starts one character beyond it instead of finding it again.
    bool m_hasEmptyMatch = false;
    DocPosition m_emptyMatch;
};
