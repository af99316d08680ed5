#include "editor/view/EditGroups.h"

#include "editor/view/ViewPrompts.h"

CEditGroups::CEditGroups(CEditActions& actions, IViewPrompts& prompts)
    : m_actions(actions), m_prompts(prompts)
{
}

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
    ClearRedo();
    DropStaleSavePoint();
    View().EnsureCaretVisible();
    View().GetHost().InvalidateView();
}

void CEditGroups::TakeBackFailedAction(int groupsBefore)
{
    // Undoing releases what the action took, so it has the memory it needs.
    if (CanUndo() > groupsBefore) {
        CUndoGroup group(Document(), 0);
        Replay(Document().GetUndoSet());
    }
    ClearRedo();
    CheckSavePoint();
    m_prompts.ReportOutOfMemory();
}

void CEditGroups::Replay(CUndoSet& from)
{
    DocPosition position = View().GetCaretDocPosition();
    bool replayed = false;
    {
        // Inside one change batch each changed line is re-lexed and laid out once when the
        // replay ends: undoing a replace-all costs about what the replace-all did.
        CChangeBatch batch(Document());
        replayed = ReplaySteps(from, position);
    }
    if (replayed) {
        View().SetCaretToDocPosition(position.column, position.line);
        View().DropAnchor();
    }
}

bool CEditGroups::ReplaySteps(CUndoSet& from, DocPosition& position)
{
    CTextDocument& document = Document();
    const int steps = from.PopGroup();
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
            document.DeleteChar(step.column, step.line);
            break;
        case kUndoDeleteChar:
            document.InsertChar(step.column, step.line, step.byte);
            position.column = step.column + 1;
            break;
        case kUndoInsertString:
            document.DeleteString(step.column, step.line, step.length);
            break;
        case kUndoDeleteString:
            document.InsertString(step.column, step.line, step.text);
            position.column = step.column + step.text.GetLength();
            break;
        case kUndoInsertBlock:
            document.DeleteBlock(step.column, step.line, step.endColumn, step.endLine);
            break;
        case kUndoDeleteBlock:
            document.InsertBlock(step.column, step.line, &position.column, &position.line, step.block);
            break;
        case kUndoSplitLine:
            document.JoinLines(step.column, step.line);
            break;
        case kUndoJoinLines:
            document.SplitLine(step.column, step.line);
            break;
        }
    }
    return replayed;
}

void CEditGroups::Undo()
{
    View().Deselect();
    Replay(Document().GetUndoSet());
}

void CEditGroups::Redo()
{
    View().Deselect();
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
    {
        CUndoGroup group(Document(), 0);
        Undo();
    }
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
    {
        CUndoGroup group(Document(), 1);
        Redo();
    }
    CheckSavePoint();
    View().EnsureCaretVisible();
    View().GetHost().InvalidateView();
    return true;
}
