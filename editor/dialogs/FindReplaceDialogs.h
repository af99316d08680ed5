#pragma once
#include "editor/dialogs/SearchDialog.h"

// The find dialog. The view presets the find text, runs it and reads the text, the options
// and the direction back; IDOK only through "查找下一个(&F)".
class CFindDlg : public CSearchDialog {
public:
    explicit CFindDlg(CWnd* parent = nullptr);

    int m_matchCase = 0;
    int m_regularExpression = 0;
    int m_wholeWord = 0;
    int m_direction = 1;  // 0 up, 1 down

    const CSearchHistory& GetFindHistory() const { return m_findHistory; }

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void EnableSearchButtons(BOOL enable) override;

private:
    void OnFindNext();

    DECLARE_MESSAGE_MAP()
};

// The replace dialog. The view presets the find text and the scope, runs it and reads both
// texts, the options, the scope and which button ended it.
class CReplaceDlg : public CSearchDialog {
public:
    enum Scope { kScopeSelection = 0, kScopeFile = 1, kScopeAllFiles = 2 };

    explicit CReplaceDlg(CWnd* parent = nullptr);

    CString m_replaceText;
    int m_wholeWord = 0;
    int m_regularExpression = 0;
    int m_matchCase = 0;
    int m_scope = -1;
    int m_replaceAll = 0;  // 1 when "全部替换(&A)" ended the dialog
    // 0 when the caller cannot replace in all open files: that scope is disabled.
    int m_allFilesAvailable = 1;

    const CSearchHistory& GetFindHistory() const { return m_findHistory; }
    const CSearchHistory& GetReplaceHistory() const { return m_replaceHistory; }

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
    void EnableSearchButtons(BOOL enable) override;

private:
    void OnFindNext() { Accept(0); }
    void OnReplaceAll() { Accept(1); }
    void Accept(int replaceAll);

    CSearchHistory m_replaceHistory;
    TokenField m_replaceTokens{1030, 1246, 1};

    DECLARE_MESSAGE_MAP()
};

// The question asked for each match while the user steps through replacements, shown with
// its top-left corner at a screen point. IDOK means: replace this match; the flags say what
// comes next.
class CReplaceConfirmDlg : public CDialog {
public:
    explicit CReplaceConfirmDlg(CWnd* parent = nullptr);

    int m_x = 0;
    int m_y = 0;
    int m_replaceAllInFile = 0;
    int m_goToNext = 0;
    int m_goToPrevious = 0;

protected:
    BOOL OnInitDialog() override;
    BOOL PreTranslateMessage(MSG* msg) override;
    void OnOK() override { Finish(IDOK, 0, 0, 0); }
    void OnCancel() override { Finish(IDCANCEL, 0, 0, 0); }

private:
    void OnYes() { Finish(IDOK, 0, 1, 0); }
    void OnNo() { Finish(IDCANCEL, 0, 1, 0); }
    void OnAll() { Finish(IDCANCEL, 1, 0, 0); }
    void Finish(int result, int replaceAll, int next, int previous);

    DECLARE_MESSAGE_MAP()
};
