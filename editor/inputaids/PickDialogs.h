#pragma once
#include "framework/Dialog.h"

// One button of a picker and the text it inserts.
struct PickWord {
    int id;
    const char* text;
};

// The shape every picker shares: each word button sets the result text and ends the dialog
// as by OK; the OK button (id 1) is the first word of the grid. Close or Esc cancels with an
// empty result.
class CPickDlg : public CDialog {
public:
    CString m_result;

protected:
    CPickDlg(UINT templateId, CWnd* parent) : CDialog(templateId, parent) {}

    // Sets the result for the word button `id`; false when `id` is no word button.
    virtual bool Pick(int id) = 0;

    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
};

// A picker whose buttons each insert one fixed text.
class CTablePickDlg : public CPickDlg {
protected:
    template <size_t N>
    CTablePickDlg(UINT templateId, const PickWord (&words)[N], CWnd* parent)
        : CPickDlg(templateId, parent), m_words(words), m_count(N)
    {
    }
    bool Pick(int id) override;

private:
    const PickWord* m_words;
    size_t m_count;
};

// Suzhou numerals and other ancient number characters.
class CAncientNumeralDlg : public CTablePickDlg {
public:
    explicit CAncientNumeralDlg(CWnd* parent = nullptr);
};

// The zhuyin symbols with their sounds and examples.
class CPhoneticSymbolDlg : public CTablePickDlg {
public:
    explicit CPhoneticSymbolDlg(CWnd* parent = nullptr);
};

// Type words beyond the palette's: drawing, list, time and calling-convention types.
class CDataTypePickDlg : public CTablePickDlg {
public:
    explicit CDataTypePickDlg(CWnd* parent = nullptr);
};

// Operators, comment marks, preprocessor words and statement templates, each in a word and
// a symbol form. The texts may hold the pending-insert markers: backslash-n (Enter),
// backslash-b (one indentation step back) and 【hints】.
class COperatorPickDlg : public CPickDlg {
public:
    explicit COperatorPickDlg(CWnd* parent = nullptr);

    CString m_wordForm;
    CString m_symbolForm;

protected:
    bool Pick(int id) override;
};

// Format directives in the long form "%(整数)" or the short form "%整", and the user's
// quick-input phrases from "\配置\快捷输入.文本".
class CFormatChoiceDlg : public CPickDlg {
public:
    explicit CFormatChoiceDlg(CWnd* parent = nullptr);

    // 0 long form, 1 short form; set by the caller, read back after IDOK.
    int m_formFlag = 0;

protected:
    BOOL OnInitDialog() override;
    bool Pick(int id) override;

private:
    void OnFormKind();
    void OnClose();
    void OnInsertPhrase();
    void FillPhrases();

    DECLARE_MESSAGE_MAP()
};

// Names for variables: fixed words and the first 55 words of the custom vocabulary, which
// the 保存 button writes to its file.
class CVariableNamePickDlg : public CPickDlg {
public:
    static constexpr int kCustomButtons = 55;

    explicit CVariableNamePickDlg(CWnd* parent = nullptr);

    // The control id of the button that shows custom vocabulary entry `index`.
    static int CustomButtonId(int index);

protected:
    BOOL OnInitDialog() override;
    bool Pick(int id) override;

private:
    void OnSave();

    DECLARE_MESSAGE_MAP()
};
