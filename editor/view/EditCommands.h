#pragma once
#include "editor/view/EditActions.h"

class CEditGroups;

// The command bodies of one view: for each editing command they decide what happens to a
// selection and whether the stream or the column-block form of an edit action runs. They
// hold no edit-group or repaint logic (the command handlers wrap them) and are what a
// replayed keyboard macro calls directly. A body that can refuse takes quiet: 0 beeps on a
// refusal, 1 (macro replay) stays silent; it returns false when it refused.
class CEditCommands {
public:
    CEditCommands(CEditActions& actions, CEditGroups& groups);
    CEditCommands(const CEditCommands&) = delete;
    CEditCommands& operator=(const CEditCommands&) = delete;

    // ---- typing and deleting ----
    void DoTypeChar(char ch);
    // A typed double-byte character or an input-method result.
    void DoTypeString(const CString& text);
    void InsertTextAtCaret(const CString& text);
    // False, with nothing changed, when the file cannot be read; the caller reports it.
    bool InsertFileAtCaret(const char* path);
    // Inserts lines at the caret over any selection: a column block in column mode.
    void InsertLinesAtCaret(const CStringLineList& lines);
    void DoEscapeKey();
    bool DoEnterKey(int quiet);
    void DoForcedNewLine();
    void DoBackspaceKey();
    void DoDeleteKey();
    void DoTabKey();
    void DoDetabKey();
    bool DoIndent(int quiet);
    bool DoOutdent(int quiet);
    bool DoForcedOutdent(int quiet);
    bool DoCommentLines(int quiet);
    bool DoUncommentLines(int quiet);
    void DoJoinLines();
    void DoSplitLine();
    void DoDeleteWord();
    void DoDeletePrevWord();
    void DoDeleteToLineEnd();
    void DoDeleteToLineStart();
    bool DoDeleteLine(int quiet);
    void DoDuplicateLine();

    // ---- clipboard ----
    bool DoCut(int quiet);
    bool DoCopy(int quiet);
    bool DoCopyFilePath(const CString& path);
    bool DoAppendCut(int quiet);
    bool DoAppendCopy(int quiet);
    bool DoPaste(int quiet);
    // The clipboard text as lines; a text that ends with a line end gets an empty last entry
    // so that it pastes as whole lines. False when there is no text.
    bool ReadClipboardLines(CStringLineList& lines) const;

    // ---- case and whole-document transforms ----
    bool DoUpperCase(int quiet);
    bool DoLowerCase(int quiet);
    bool DoCapitalize(int quiet);
    bool DoInvertCase(int quiet);
    void DoTabsToSpaces();
    void DoSpacesToTabs();
    void DoLeadingSpacesToTabs();
    void DoRemoveTrailingBlanks();

    // ---- drag and drop ----
    // Restores the selection a drag started from (caret and anchor pixels saved then) and
    // deletes it; the selection is cleared.
    void DeleteDragSource(PixelPosition sourceCaret, PixelPosition sourceAnchor);
    // The drop point corrected for a source deleted before it: a point after the source on
    // its (last) line moves left by the source's width, and in stream mode every point below
    // the source's first line moves up by its line span.
    PixelPosition AdjustDropPoint(PixelPosition sourceCaret, PixelPosition sourceAnchor,
                                  PixelPosition drop) const;
    void PlaceCaretAtDropPoint(PixelPosition drop);
    // The caret to the drop point, then the lines pasted (as a column in column mode).
    void DropText(PixelPosition drop, const CStringLineList& lines);

    // ---- undo, redo and caret keys ----
    void DoUndoStep();
    void DoRedoStep();
    // The body behind every caret key (virtual keys 33 to 40) and replayed caret step:
    // Shift extends the selection, a selection without Shift is left from its start or end.
    // Returns whether a full repaint is needed.
    bool MoveCaretByKey(int key, int modifiers);
    // "【" + up to four bytes at the caret as "%02X" (a comma after the second) + "】";
    // empty when there is no byte.
    CString GetCaretCodeText() const;

private:
    CViewEngine& View() const { return m_actions.GetView(); }
    bool IsColumnMode() const { return View().IsColumnMode(); }
    bool HasSelection() const { return View().IsSelectionActive(); }
    bool BlockHasWidth() const { return View().GetCaretX() != View().GetAnchorX(); }
    bool IsMultiLineSelection() const { return View().GetSelectionLineSpan() != 0; }
    void ClearSelection() { View().Deselect(); }
    bool Refuse(int quiet);
    // The common prologue: a column block with width or a stream selection is removed.
    void SelectionPrologue();
    // Column mode with a selection: a zero-width block runs onBlock, a block with width is
    // removed; stream mode removes the selection; without one, onCaret runs.
    template <class OnBlock, class OnCaret> void DeleteBody(OnBlock onBlock, OnCaret onCaret);
    // Copies the selection (or the caret line and an empty entry).
    bool CopySelectionOrLine(CStringLineList& lines, int quiet);
    void DeleteCopied();
    template <class Change> bool ChangeCase(int quiet, Change change);

    CEditActions& m_actions;
    CEditGroups& m_groups;
};
