#pragma once
#include "editor/document/StringLineList.h"
#include "editor/view/ViewEngine.h"

#include <functional>

// The edit actions of one view: each turns the pixel caret into a (column, line) position,
// changes the document through the primitive wrappers and puts the caret back as pixels
// (desired x too). The document re-lexes exactly the changed lines and tells every view of
// it which lines changed, were inserted or were removed. Actions never open or close edit
// groups: the caller runs them inside one (CEditGroups).
class CEditActions {
public:
    explicit CEditActions(CViewEngine& view) : m_view(view) {}
    CEditActions(const CEditActions&) = delete;
    CEditActions& operator=(const CEditActions&) = delete;

    CViewEngine& GetView() const { return m_view; }
    CTextDocument& GetDocument() const { return m_view.GetDocument(); }

    // ---- primitive wrappers ----
    bool EditInsertChar(ByteColumn column, LineIndex line, char ch);
    bool EditDeleteChar(ByteColumn column, LineIndex line);
    bool EditInsertString(ByteColumn column, LineIndex line, const char* text, int length);
    bool EditInsertString(ByteColumn column, LineIndex line, const CString& text)
    {
        return EditInsertString(column, line, text, text.GetLength());
    }
    bool EditDeleteString(ByteColumn column, LineIndex line, int count);
    bool EditSplitLine(ByteColumn column, LineIndex line);
    bool EditJoinLines(ByteColumn column, LineIndex line);
    // Each returns the width added or removed at the line's start.
    int EditIndentLine(LineIndex line);
    int EditUnindentLine(LineIndex line);
    int EditCommentLine(LineIndex line);
    int EditUncommentLine(LineIndex line);
    int EditTrimLeading(LineIndex line);
    int EditTrimTrailing(LineIndex line);
    // Gives the position just behind the inserted text.
    bool EditInsertBlock(ByteColumn column, LineIndex line, const CStringLineList& block,
                         ByteColumn* endColumn, LineIndex* endLine);
    bool EditDeleteBlock(ByteColumn startColumn, LineIndex startLine, ByteColumn endColumn,
                         LineIndex endLine);
    // Range forms: the last line counts only when lastColumn is not 0.
    int EditIndentLines(ByteColumn firstColumn, LineIndex firstLine, ByteColumn lastColumn,
                        LineIndex lastLine);
    int EditUnindentLines(ByteColumn firstColumn, LineIndex firstLine, ByteColumn lastColumn,
                          LineIndex lastLine);
    int EditCommentLines(ByteColumn firstColumn, LineIndex firstLine, ByteColumn lastColumn,
                         LineIndex lastLine);
    int EditUncommentLines(ByteColumn firstColumn, LineIndex firstLine, ByteColumn lastColumn,
                           LineIndex lastLine);
    int EditTabsToSpacesAll();
    int EditSpacesToTabsAll();
    int EditLeadingSpacesToTabsAll();
    int EditTrimTrailingAll();

    // ---- caret actions ----
    void TypeCharAtCaret(char ch);
    void InsertTabSpaces();
    void InsertStringAtCaret(const CString& text);
    void InsertStringAtColumn(ByteColumn column, const CString& text);
    void InsertStringPlain(const CString& text);
    void NewLineWithIndent();
    void BackspaceAtCaret();
    void DeleteAtCaret();
    void MoveToPrevTabStop();
    void JoinWithNextLine();
    void SplitLineAtCaret();
    void DeleteWordAtCaret();
    void DeletePrevWordAtCaret();
    void DeleteToLineEndAtCaret();
    void DeleteToLineStartAtCaret();
    void DeleteCaretLine();
    void DuplicateCaretLine();
    void IndentCaretLine();
    void OutdentCaretLine();
    void CommentCaretLine();
    void UncommentCaretLine();

    // ---- column-block actions (the block spans anchor and caret) ----
    void TypeCharInColumnBlock(char ch);
    void InsertStringInColumnBlock(const CString& text);
    void InsertTabSpacesInColumnBlock();
    void DeleteCharInColumnBlock();
    void BackspaceInColumnBlock();
    void DeleteToLineEndInColumnBlock();
    void DeleteToLineStartInColumnBlock();
    void DeleteColumnBlock();

    // ---- selections ----
    // Stream selection: removed, caret to its start (the flag is the caller's).
    void DeleteSelection();
    // Start to column 0; a non-zero end to column 0 of the next line, or to the end of the
    // last line.
    void SelectionToWholeLines();
    void IndentSelectedLines();
    void UnindentSelectedLines();
    void CommentSelectedLines();
    void UncommentSelectedLines();
    // Whole-document transforms with caret and anchor kept at their text positions.
    void TabsToSpacesKeepingPositions();
    void SpacesToTabsKeepingPositions();
    void LeadingSpacesToTabsKeepingPositions();
    void TrimTrailingKeepingPositions();

    // ---- copy and paste ----
    // One entry per display line of the column block; a cut double-byte character at an
    // edge is copied as a blank.
    void CopyColumnBlock(CStringLineList& lines) const;
    // The stream selection's text, one entry per line.
    void CopyStreamSelection(CStringLineList& lines) const;
    // The list as a column at the caret: caret and anchor end on the first line just right
    // of the block.
    void PasteColumn(const CStringLineList& lines);
    // The list as a stream at the caret: the caret ends behind it.
    void PasteStream(const CStringLineList& lines);

private:
    struct EdgeColumn {
        ByteColumn column = 0;  // character start at or left of the edge; virtual past the end
        bool cut = false;       // the edge falls inside a double-byte character
    };
    // Column of a block edge on the display line at y.
    EdgeColumn EdgeAt(PixelY y, PixelX x) const;
    int LineLength(LineIndex line) const;
    bool IsDoubleByte() const { return m_view.IsDoubleByteMode(); }
    int TabBlankCount() const;
    // Pads a line with blanks up to column; true when it did.
    void PadLineTo(LineIndex line, ByteColumn column);
    void DeleteForwardFromCaret(const std::function<ByteColumn(LineIndex line, ByteColumn caret, int length)>& endOf);
    void PlaceCaret(ByteColumn column, LineIndex line) { m_view.SetCaretToDocPosition(column, line); }
    // Blank-line walk of automatic indentation; returns the caret column on line + 1.
    ByteColumn IndentNewLine(LineIndex line);
    // Inserts text at a column of a line with the overwrite rule and padding of virtual
    // space; returns the column behind the text.
    ByteColumn PutTextAt(ByteColumn column, LineIndex line, const char* text, int length);
    // Overwrite removes the character at the column (a double-byte one becomes a blank).
    void OverwriteCharAt(ByteColumn column, LineIndex line);
    // Deletes the character at the column; a double-byte one leaves one blank in its place.
    void DeleteCharKeepingWidth(ByteColumn column, LineIndex line);
    template <class RangeEdit> void EditSelectedLines(RangeEdit edit);
    template <class Transform> void KeepingPositions(Transform transform);
    // Inserts into one line at a block's left edge, padding and clearing a cut character.
    void InsertAtEdge(PixelY y, PixelX leftX, const CString& text);
    PixelX PixelXOf(ByteColumn column, LineIndex line) const;

    CViewEngine& m_view;
};
