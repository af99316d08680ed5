#include "editor/view/EditGroups.h"

#include "editor/view/ViewPrompts.h"

CEditGroups::CEditGroups(CEditActions& actions, IViewPrompts& prompts)
    : m_actions(actions), m_prompts(prompts)
{
}

void CEditGroups::BeginEditGroup(int target) { Document().BeginUndoGroup(target); }

void CEditGroups::EndEditGroup() { Document().EndUndoGroup(); }

void CEditGroups::ClearRedo() { Document().GetRedoSet().Clear(); }

void CEditGroups::DropStaleSavePoint() { Document().DropStaleSavePoint(); }

void CEditGroups::CheckSavePoint() { Document().CheckSavePoint(); }

int CEditGroups::CanUndo() const { return Document().GetUndoSet().GetGroupCount(); }

int CEditGroups::CanRedo() const { return Document().GetRedoSet().GetGroupCount(); }

bool CEditGroups::GetLastEditPosition(ByteColumn& column, LineIndex& line) const
{
    return Document().GetUndoSet().GetLastPosition(&column, &line);
}

void CEditGroups::FinishAction()
{
    EndEditGroup();
    ClearRedo();
    DropStaleSavePoint();
    View().EnsureCaretVisible();
    View().GetHost().InvalidateView();
}

void CEditGroups::Replay(CUndoSet& from)
{
    CTextDocument& document = Document();
    const int steps = from.PopGroup();
    DocPosition position = View().GetCaretDocPosition();
    bool replayed = false;
    // Steps inside one line go straight to the document and the line is re-lexed and laid
    // out once when the replay leaves it: undoing a replace-all of a large file re-lexes
    // each line once, not once per match.
    LineIndex changedLine = -1;
    auto lineChanged = [&](LineIndex line) {
        if (line != changedLine && changedLine >= 0)
            m_actions.Notify(changedLine, 1);
        changedLine = line;
    };
    auto flush = [&] {
        if (changedLine >= 0)
            m_actions.Notify(changedLine, 1);
        changedLine = -1;
    };
    for (int i = 0; i < steps; ++i) {
        UndoStep step;
        if (!from.PopStep(&step))
            break;
        replayed = true;
        position.column = step.column;
        position.line = step.line;
        switch (step.op) {
        case kUndoInsertChar:
            if (document.DeleteChar(step.column, step.line))
                lineChanged(step.line);
            break;
        case kUndoDeleteChar:
            if (document.InsertChar(step.column, step.line, step.byte))
                lineChanged(step.line);
            position.column = step.column + 1;
            break;
        case kUndoInsertString:
            if (document.DeleteString(step.column, step.line, step.length))
                lineChanged(step.line);
            break;
        case kUndoDeleteString:
            if (document.InsertString(step.column, step.line, step.text))
                lineChanged(step.line);
            position.column = step.column + step.text.GetLength();
            break;
        case kUndoInsertBlock:
            flush();
            m_actions.EditDeleteBlock(step.column, step.line, step.endColumn, step.endLine);
            break;
        case kUndoDeleteBlock:
            flush();
            m_actions.EditInsertBlock(step.column, step.line, step.block, &position.column,
                                      &position.line);
            break;
        case kUndoSplitLine:
            flush();
            m_actions.EditJoinLines(step.column, step.line);
            break;
        case kUndoJoinLines:
            flush();
            m_actions.EditSplitLine(step.column, step.line);
            break;
        }
    }
    flush();
    if (replayed) {
        View().SetCaretToDocPosition(position.column, position.line);
        View().DropAnchor();
    }
}

void CEditGroups::Undo()
{
    View().SetSelectionActive(false);
    Replay(Document().GetUndoSet());
}

void CEditGroups::Redo()
{
    View().SetSelectionActive(false);
    Replay(Document().GetRedoSet());
}

bool CEditGroups::UndoCommand()
{
    if (View().GetModes().macroRecording) {
        m_prompts.ReportRefusedWhileRecording("Undo");
        return false;
    }
    if (!CanUndo())
        return false;
    BeginEditGroup(0);
    Undo();
    EndEditGroup();
    CheckSavePoint();
    View().EnsureCaretVisible();
    View().GetHost().InvalidateView();
    return true;
}

bool CEditGroups::RedoCommand()
{
    if (View().GetModes().macroRecording) {
        m_prompts.ReportRefusedWhileRecording("Redo");
        return false;
    }
    if (!CanRedo())
        return false;
    BeginEditGroup(1);
    Redo();
    EndEditGroup();
    CheckSavePoint();
    View().EnsureCaretVisible();
    View().GetHost().InvalidateView();
    return true;
}
