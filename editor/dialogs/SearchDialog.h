#pragma once
#include "editor/dialogs/SearchHistory.h"
#include "framework/Dialog.h"
#include "framework/ImageList.h"

// What the find, replace and find-in-files dialogs share: the find field (combo box 1023),
// its history, and the regular-expression token buttons beside their text fields. A token
// picked from a button's menu goes into its field where the user last left the selection,
// and switches the regular-expression option on. The dialog object keeps its texts,
// histories and options from one modal run to the next.
class CSearchDialog : public CDialog {
public:
    ~CSearchDialog() override;

    CString m_findText;

protected:
    CSearchDialog(UINT templateId, CWnd* parent, size_t findHistoryCapacity);

    // One text field with a token button: the field's focus and the selection it last had
    // (kept from one opening to the next, in bytes of its text).
    struct TokenField {
        int comboId;
        int buttonId;
        int popup;  // index of the menu's popup the button shows
        bool focused = false;
        int selectionStart = 0;
        int selectionEnd = 0;
    };

    BOOL OnInitDialog() override;
    // Enter and Close come through here; the dialog ends only through its search buttons.
    void OnOK() override {}
    BOOL PreTranslateMessage(MSG* msg) override;

    // Enables the buttons that start a search; the find field's emptiness decides.
    virtual void EnableSearchButtons(BOOL enable) = 0;
    // Fills a field's drop-down list from history; an empty text takes the latest entry.
    void FillField(int comboId, const CSearchHistory& history, CString& text);
    CString FieldText(int comboId) const;

    CSearchHistory m_findHistory;
    TokenField m_findField{1023, 1245, 0};
    // The replacement field, in dialogs that have one.
    TokenField* m_replaceField = nullptr;

private:
    void OnFindEditChange();
    void OnFindFocus() { m_findField.focused = true; }
    void OnFindBlur() { m_findField.focused = false; }
    void OnFindTokens() { ShowTokenMenu(m_findField); }
    void OnReplaceTokens();
    void OnReplaceFocus();
    void OnReplaceBlur();
    void OnToken(UINT command);
    void ShowTokenMenu(const TokenField& field);
    // Whether the field's edit control counts positions in characters rather than bytes.
    bool CountsCharacters(int comboId, const CString& text) const;

    CImageList m_tokenImages;
    HICON m_tokenIcon = nullptr;

    DECLARE_MESSAGE_MAP()
};
