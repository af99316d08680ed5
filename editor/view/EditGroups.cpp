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
    const int steps = from.PopGroup();
    DocPosition position = View().GetCaretDocPosition();
    bool replayed = false;
    for (int i = 0; i < steps; ++i) {
        UndoStep step;
        if (!from.PopStep(&step))
            break;
        replayed = true;
        position.column = step.column;
        position.line = step.line;
        switch (step.op) {
        case kUndoInsertChar:
            m_actions.EditDeleteChar(step.column, step.line);
            break;
        case kUndoDeleteChar:
            m_actions.EditInsertChar(step.column, step.line, step.byte);
            position.column = step.column + 1;
            break;
        case kUndoInsertString:
            m_actions.EditDeleteString(step.column, step.line, step.length);
            break;
        case kUndoDeleteString:
            m_actions.EditInsertString(step.column, step.line, step.text);
            position.column = step.column + step.text.GetLength();
            break;
        case kUndoInsertBlock:
            m_actions.EditDeleteBlock(step.column, step.line, step.endColumn, step.endLine);
            break;
        case kUndoDeleteBlock:
            m_actions.EditInsertBlock(step.column, step.line, step.block, &position.column,
                                      &position.line);
            break;
        case kUndoSplitLine:
            m_actions.EditJoinLines(step.column, step.line);
            break;
        case kUndoJoinLines:
            m_actions.EditSplitLine(step.column, step.line);
            break;
        }
    }
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
