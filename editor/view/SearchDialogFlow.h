#pragma once
#include <functional>

#include "editor/res/resource.h"
#include "editor/view/EditGroups.h"
#include "editor/view/SearchCommands.h"
#include "editor/view/ViewPrompts.h"

#include <functional>

// The find, replace and go-to commands of one view as the user runs them: ask the dialog,
// prepare the search, find and select, confirm each replacement, replace all and report
// the result. The dialogs and messages come from IViewPrompts; every change is one edit
// group.
class CSearchDialogFlow {
public:
    CSearchDialogFlow(CSearchCommands& search, CEditGroups& groups, IViewPrompts& prompts);
    CSearchDialogFlow(const CSearchDialogFlow&) = delete;
    CSearchDialogFlow& operator=(const CSearchDialogFlow&) = delete;

    void FindCommand();
    void ReplaceCommand();
    // Find next or previous with the prepared search; a hit after a replace preparation
    // asks to confirm the replacement. False when nothing was found (reported).
    bool FindOccurrence(bool backward);
    // Replace all in the selection or the file; returns the count (reported).
    int ReplaceAllCommand(bool inSelection);
    void GoToLineCommand();
    // Called with the caret where a search leaves from (once the search is prepared) and
    // where it found its match: the view records these places for going back.
    void SetPlaceRecorder(std::function<void()> recorder) { m_recordPlace = std::move(recorder); }

    // Told of every search a dialog prepared and every line gone to (the keyboard-macro
    // recorder listens).
    std::function<void(const IViewPrompts::SearchRequest& request, bool replace)> onPrepared;
    std::function<void(int line)> onWentToLine;
    // Told of every replacement and every search the flow ran on its own after a dialog, by
    // the command that does the same: replace this match, replace all in the selection or
    // in the file, the next or previous occurrence.
    std::function<void(int commandId)> onCommandRun;

    // Replacing in every open document reaches beyond the view: a prepared replace with that
    // scope is handed on through this.
    std::function<void()> onReplaceInOpenFiles;

private:
    CViewEngine& View() const { return m_search.GetView(); }
    // Presets a dialog's text: the selected text on one line, else the word at the caret.
    CString PresetText() const;
    // Prepares from a confirmed dialog; false (reported) when the expression is bad.
    bool Prepare(const IViewPrompts::SearchRequest& request, bool replace);
    void ConfirmReplacements();
    // FindOccurrence as its own step, after the replace dialog or a confirmation.
    bool FindOccurrenceStep(bool backward);
    void ReplaceThisStep();
    void Ran(int commandId);
    void Repaint();

    CSearchCommands& m_search;
    CEditGroups& m_groups;
    IViewPrompts& m_prompts;
    std::function<void()> m_recordPlace;
};
