#pragma once
#include "framework/CommonControls.h"
#include "framework/Dialog.h"

// Go to a line: the caller sets the prompt and the 1-based line and reads the line back.
// Enter accepts, Esc cancels; a text that is no positive integer keeps the dialog open.
class CGotoLineDlg : public CDialog {
public:
    explicit CGotoLineDlg(CWnd* parent = nullptr);

    CString m_prompt;
    UINT m_lineNumber = 0;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};

// Facts about the open file, filled by the document; display only.
class CDocInfoDlg : public CDialog {
public:
    explicit CDocInfoDlg(CWnd* parent = nullptr);

    CString m_path;
    CString m_encoding;
    CString m_fileFormat;
    long m_fileSize = 0;
    int m_lineCount = 0;
    int m_wordCount = 0;
    int m_byteCount = 0;
    int m_readOnly = 0;
    int m_hidden = 0;
    int m_system = 0;
    CString m_lastModified;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};

// The encoding to reload a file with: 0 detects it, 1 to 5 are the encoding codes.
class CReloadAsDlg : public CDialog {
public:
    explicit CReloadAsDlg(CWnd* parent = nullptr);

    int m_encodingIndex = -1;

protected:
    void DoDataExchange(CDataExchange* dx) override;
};

// The keyboard-macro slot (1 to 10) and name to record into. The caller fills the slot
// names; when the dialog closes, by OK or Cancel, the name field is stored as the name of
// the selected slot.
class CDefineMacroDlg : public CDialog {
public:
    static constexpr int kSlotCount = 10;

    explicit CDefineMacroDlg(CWnd* parent = nullptr);

    CString m_slotNames[kSlotCount + 1];  // entry 0 unused
    int m_selectedSlot = 1;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;

private:
    void OnSlotChanged(NMHDR* header, LRESULT* result);
    void OnDestroy();

    CListCtrl m_slots;

    DECLARE_MESSAGE_MAP()
};

// One line of text under a caption loaded from the string table.
class CUserInputDlg : public CDialog {
public:
    CUserInputDlg(UINT promptId, CWnd* parent = nullptr);

    CString m_prompt;
    CString m_answer;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* dx) override;
};
