#pragma once
#include <new>

#include "editor/view/EditActions.h"

class IViewPrompts;

// Edit groups of one view: every user action on the text is one group, which is one undo
// step. Undo and redo replay the inverse of the newest group's steps through the edit
// actions, so the replay is itself recorded as one group of the opposite set, and the
// document's modified flag follows the undo depth at which the file was last saved.
class CEditGroups {
public:
    CEditGroups(CEditActions& actions, IViewPrompts& prompts);
    CEditGroups(const CEditGroups&) = delete;
    CEditGroups& operator=(const CEditGroups&) = delete;

    // Groups are opened and closed by CUndoGroup (target 1 records into the undo set for
    // actions and redo, 0 into the redo set for undo), so none stays open when a step throws.
    void ClearRedo();
    // After a new action's group: the saved state is gone once the undo set held fewer
    // groups than the save point before that group.
    void DropStaleSavePoint();
    // After undo or redo: back at the saved depth means unmodified.
    void CheckSavePoint();
    int CanUndo() const;
    int CanRedo() const;
    bool GetLastEditPosition(ByteColumn& column, LineIndex& line) const;
    // Clear the selection and replay the newest group of the undo (redo) set.
    void Undo();
    void Redo();

    // The action protocol: one group around body, then the redo set emptied, a stale save
    // point dropped, the caret kept visible and the view repainted. An action that runs out
    // of memory is taken back whole and reported; false then.
    template <class Body> bool RunAction(Body body)
    {
        bool done = false;
        const int groupsBefore = CanUndo();
        {
            CUndoGroup group(Document(), 1);
            try {
                body();
                done = true;
            } catch (const std::bad_alloc&) {
            }
        }
        if (!done)
            TakeBackFailedAction(groupsBefore);
        FinishAction();
        return done;
    }

    // The undo and redo commands; refused (false) while a keyboard macro is recorded.
    bool UndoCommand();
    bool RedoCommand();

private:
    void FinishAction();
    // Replays the group the failed action left (its steps so far) and forgets it.
    void TakeBackFailedAction(int groupsBefore);
    void Replay(CUndoSet& from);
    // Applies the inverse of the newest group's steps; position ends where the last one did.
    bool ReplaySteps(CUndoSet& from, DocPosition& position);
    CViewEngine& View() const { return m_actions.GetView(); }
    CTextDocument& Document() const { return m_actions.GetDocument(); }

    CEditActions& m_actions;
    IViewPrompts& m_prompts;
};
