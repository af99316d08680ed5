#pragma once
#include "editor/inputaids/PromptPopupState.h"
#include "editor/inputaids/PromptTables.h"
#include "framework/Dialog.h"

#include <vector>

// The message the popup posts to its target view when an entry is accepted: the word
// parameter is the entry's insert text (valid while the popup exists), the long parameter
// the caret offset inside it (0: at its end).
constexpr UINT kPromptAcceptMessage = WM_USER + 112;

// The view a popup serves. Before the popup posts an accepted entry it tells the view which
// text to expect, so the view takes the message only from its own popup.
class IPromptTarget {
public:
    virtual ~IPromptTarget() = default;
    virtual void ExpectPromptAccept(const char* entry) = 0;
};

// The window that places the popup for the views: the main frame.
class IPromptHost {
public:
    virtual ~IPromptHost() = default;
    // Fills the popup for the word and shows it at the screen point (x, y) for the active
    // view after its delay; an empty word or no match closes it at its next tick.
    virtual void ShowHintWindow(int x, int y, const char* prefix, int tableIndex) = 0;
};

// Where the popup goes for a caret point: below the caret, x kept clear of the screen's right
// edge by kPromptRightMargin.
constexpr int kPromptRightMargin = 170;
POINT PlacePromptPopup(POINT caret, int screenWidth);

// The vocabulary prompt popup: a list of the keywords and templates whose abbreviation is
// the word just typed. The main frame fills and places it; its timer shows it after a delay
// and hides it after a time-out; Enter (or Space, after its delay) sends the selected entry
// to the target view. The prompt tables are read when the window is made.
class CPromptListDlg : public CDialog {
public:
    CPromptListDlg() = default;

    // Makes the hidden popup, owned by `owner`, and reads the prompt tables.
    BOOL Create(CWnd* owner);

    // Set by the main frame before each filling.
    CString m_prefix;
    int m_tableIndex = 0;
    CWnd* m_targetView = nullptr;

    // Lists the matches of the prefix in the table, selects the first; the count.
    int FillList();
    void StartTimer(int selecting);
    void CloseOnNextTick();

    // The frame's placing step: fills the list for the word and, when something matches,
    // moves the popup under the caret (screen point), targets the view and starts the timer;
    // otherwise the next tick hides it.
    void ShowFor(POINT caret, const char* prefix, int tableIndex, CWnd* view);

    CPromptTables& Tables() { return m_tables; }
    CPromptPopupState& State() { return m_state; }

    BOOL PreTranslateMessage(MSG* msg) override;

protected:
    BOOL OnInitDialog() override;

private:
    void OnTimer(UINT_PTR id);
    void Hide();
    void Accept();

    CPromptTables m_tables;
    CPromptPopupState m_state;
    std::vector<const PromptEntry*> m_matches;
    int m_width = 0;
    int m_height = 0;

    DECLARE_MESSAGE_MAP()
};
