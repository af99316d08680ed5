#pragma once
#include "editor/dialogs/FindReplaceDialogs.h"
#include "editor/view/ViewPrompts.h"

#include <functional>

// The view's search prompts through the real dialogs: the one find and one replace dialog
// of the process (so texts, histories and options carry over), a confirmation per match,
// the go-to-line dialog, and message boxes for the results. The view window owns one and
// hands it to its search flow.
class CSearchPrompts : public IViewPrompts {
public:
    // view: the window the dialogs belong to and whose client area the confirmation's
    // position is given in.
    explicit CSearchPrompts(CWnd* view);

    // Replacing in all open files reaches beyond the view: it can be chosen only when the
    // view's owner has the open documents to offer.
    std::function<bool()> m_allFilesAvailable;

    bool AskFind(SearchRequest& request) override;
    bool AskReplace(SearchRequest& request) override;
    bool AskGoToLine(int first, int last, int& line) override;
    ReplaceChoice ConfirmReplace(int clientX, int clientY) override;
    void ReportNotFound(const CString& text) override;
    void ReportReplaceCount(int count) override;
    void ReportBadPattern(const CString& text) override;
    void ReportRefusedWhileRecording(const char* command) override;
    void ReportOutOfMemory() override;

    // The process's find and replace dialogs, made at first use.
    static CFindDlg& FindDialog();
    static CReplaceDlg& ReplaceDialog();

    // The flag word of a dialog's options.
    static int SearchFlags(int regularExpression, int matchCase, int wholeWord);

private:
    CWnd* m_view;
};
