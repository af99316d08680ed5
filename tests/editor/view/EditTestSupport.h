#pragma once
#include <string>
#include <vector>

#include "ViewTestSupport.h"
#include "editor/view/EditActions.h"
#include "editor/view/EditCommands.h"
#include "editor/view/EditGroups.h"
#include "editor/view/SearchCommands.h"
#include "editor/view/ViewPrompts.h"

// Dialog answers scripted by a test, and the messages the commands reported.
class ScriptedPrompts : public IViewPrompts {
public:
    bool AskFind(SearchRequest& request) override
    {
        request = findAnswer;
        return findConfirmed;
    }
    bool AskReplace(SearchRequest& request) override
    {
        request = replaceAnswer;
        return replaceConfirmed;
    }
    bool AskGoToLine(int first, int last, int& line) override
    {
        goToRange = {first, last};
        goToPreset = line;
        line = goToAnswer;
        return goToConfirmed;
    }
    ReplaceChoice ConfirmReplace(int, int) override
    {
        if (confirmations.empty())
            return kCancel;
        const ReplaceChoice choice = confirmations.front();
        confirmations.erase(confirmations.begin());
        return choice;
    }
    void ReportNotFound(const CString& text) override { notFound.push_back((LPCTSTR)text); }
    void ReportReplaceCount(int count) override { replaceCounts.push_back(count); }
    void ReportBadPattern(const CString& text) override { badPatterns.push_back((LPCTSTR)text); }
    void ReportRefusedWhileRecording(const char* command) override { refusals.push_back(command); }
    void ReportOutOfMemory() override { ++outOfMemory; }

    SearchRequest findAnswer;
    bool findConfirmed = true;
    SearchRequest replaceAnswer;
    bool replaceConfirmed = true;
    int goToAnswer = 1;
    bool goToConfirmed = true;
    std::pair<int, int> goToRange;
    int goToPreset = 0;
    std::vector<ReplaceChoice> confirmations;
    std::vector<std::string> notFound;
    std::vector<int> replaceCounts;
    std::vector<std::string> badPatterns;
    std::vector<std::string> refusals;
    int outOfMemory = 0;
};

// One document and one view with the edit actions, edit groups, command bodies and search
// commands over them, every edit reaching the view through the document.
struct EditFixture : ViewFixture {
    explicit EditFixture(const ITextMetrics& metrics = s_fixedPitch)
        : ViewFixture(metrics),
          actions(view),
          groups(actions, prompts),
          commands(actions, groups),
          search(actions, parameters)
    {
        CLangSpec& spec = document.GetLanguageFiles().GetLangSpec();
        spec.m_lineComment[0] = "//";
        spec.m_indentOn = '{';
        spec.m_indentOff = '}';
        spec.m_pairs[0] = "()";
        spec.m_pairs[1] = "{}";
        spec.m_quote[0] = '"';
    }

    void Load(std::initializer_list<std::string> lines, bool wrap = false, int width = 800)
    {
        ViewFixture::Load(lines, width, 480, wrap);
    }

    // Caret at a text position without a selection.
    void Caret(ByteColumn column, LineIndex line)
    {
        view.SetCaretToDocPosition(column, line);
        view.DropAnchor();
    }
    // A selection from the anchor to the caret.
    void Select(ByteColumn anchorColumn, LineIndex anchorLine, ByteColumn caretColumn,
                LineIndex caretLine)
    {
        view.SetAnchorToDocPosition(anchorColumn, anchorLine);
        view.SetCaretToDocPosition(caretColumn, caretLine);
        view.UpdateSelectionActive();
    }
    // A column block between pixel columns (in average character widths) and lines.
    void Block(int leftCell, LineIndex top, int rightCell, LineIndex bottom)
    {
        const int cell = view.GetAverageCharWidth();
        const int height = view.GetLineHeight();
        view.SelectPixels({leftCell * cell, top * height}, {rightCell * cell, bottom * height});
    }
    DocPosition CaretAt() const { return view.GetCaretDocPosition(); }

    std::vector<std::string> Lines() const
    {
        std::vector<std::string> lines;
        for (LineIndex n = 0; n < document.GetLineCount(); ++n)
            lines.push_back(Line(n));
        return lines;
    }

    // One action as the handlers run it: one edit group.
    template <class Body> void Act(Body body) { groups.RunAction(body); }
    bool Undo() { return groups.UndoCommand(); }
    bool Redo() { return groups.RedoCommand(); }

    static FixedPitchMetrics s_fixedPitch;

    CEditActions actions;
    ScriptedPrompts prompts;
    CEditGroups groups;
    CEditCommands commands;
    CSearchParameters parameters;
    CSearchCommands search;
};

inline FixedPitchMetrics EditFixture::s_fixedPitch;

typedef std::vector<std::string> Texts;
