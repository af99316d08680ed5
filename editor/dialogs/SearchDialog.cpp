#include "editor/dialogs/SearchDialog.h"

#include "editor/dialogs/SearchTokens.h"
#include "editor/res/resource.h"
#include "framework/Controls.h"
#include "framework/Menu.h"

namespace {
constexpr int kTokenImageWidth = 9;
constexpr COLORREF kTokenTransparent = RGB(255, 0, 255);
constexpr int kTokenButtonImage = 2;
} // namespace

BEGIN_MESSAGE_MAP(CSearchDialog, CDialog)
    ON_CBN_EDITCHANGE(IDC_FIND_TEXT, OnFindEditChange)
    ON_CBN_SETFOCUS(IDC_FIND_TEXT, OnFindFocus)
    ON_CBN_KILLFOCUS(IDC_FIND_TEXT, OnFindBlur)
    ON_CBN_SETFOCUS(IDC_REPLACE_TEXT, OnReplaceFocus)
    ON_CBN_KILLFOCUS(IDC_REPLACE_TEXT, OnReplaceBlur)
    ON_BN_CLICKED(IDC_FIND_TOKENS, OnFindTokens)
    ON_BN_CLICKED(IDC_REPLACE_TOKENS, OnReplaceTokens)
    ON_COMMAND_RANGE(ID_TOKEN_LINE_START, ID_TOKEN_BLANK, OnToken)
END_MESSAGE_MAP()

CSearchDialog::CSearchDialog(UINT templateId, CWnd* parent, size_t findHistoryCapacity)
    : CDialog(templateId, parent), m_findHistory(findHistoryCapacity)
{
}

CSearchDialog::~CSearchDialog()
{
    if (m_tokenIcon)
        ::DestroyIcon(m_tokenIcon);
}

BOOL CSearchDialog::OnInitDialog()
{
    CDialog::OnInitDialog();
    if (!m_tokenImages.GetSafeHandle() &&
        m_tokenImages.Create(IDB_ARROWS, kTokenImageWidth, 0, kTokenTransparent))
        m_tokenIcon = m_tokenImages.ExtractIcon(kTokenButtonImage);
    m_findField.focused = false;
    for (const TokenField* field : {&m_findField, m_replaceField})
        if (field)
            SendDlgItemMessage(field->buttonId, BM_SETIMAGE, IMAGE_ICON, (LPARAM)m_tokenIcon);
    FillField(IDC_FIND_TEXT, m_findHistory, m_findText);
    EnableSearchButtons(!m_findText.IsEmpty());
    return TRUE;
}

void CSearchDialog::FillField(int comboId, const CSearchHistory& history, CString& text)
{
    CComboBox* combo = static_cast<CComboBox*>(GetDlgItem(comboId));
    combo->ResetContent();
    for (const CString& entry : history.Entries())
        combo->AddString(entry);
    if (text.IsEmpty())
        text = history.Latest();
    combo->SetWindowText(text);
}

CString CSearchDialog::FieldText(int comboId) const
{
    CString text;
    GetDlgItemText(comboId, text);
    return text;
}

BOOL CSearchDialog::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYUP || msg->message == WM_LBUTTONUP) {
        for (TokenField* field : {&m_findField, m_replaceField}) {
            if (field && field->focused) {
                const DWORD selection = (DWORD)SendDlgItemMessage(field->comboId, CB_GETEDITSEL);
                field->selectionStart = LOWORD(selection);
                field->selectionEnd = HIWORD(selection);
                const CString text = FieldText(field->comboId);
                if (CountsCharacters(field->comboId, text)) {
                    field->selectionStart = CharacterToBytePosition(text, field->selectionStart);
                    field->selectionEnd = CharacterToBytePosition(text, field->selectionEnd);
                }
            }
        }
    }
    return CDialog::PreTranslateMessage(msg);
}

bool CSearchDialog::CountsCharacters(int comboId, const CString& text) const
{
    const HWND edit = ::GetWindow(GetDlgItem(comboId)->GetSafeHwnd(), GW_CHILD);
    return edit && (int)::SendMessage(edit, EM_LINELENGTH, 0, 0) != text.GetLength();
}

void CSearchDialog::OnFindEditChange()
{
    EnableSearchButtons(!FieldText(IDC_FIND_TEXT).IsEmpty());
}

void CSearchDialog::OnReplaceTokens()
{
    if (m_replaceField)
        ShowTokenMenu(*m_replaceField);
}

void CSearchDialog::OnReplaceFocus()
{
    if (m_replaceField)
        m_replaceField->focused = true;
}

void CSearchDialog::OnReplaceBlur()
{
    if (m_replaceField)
        m_replaceField->focused = false;
}

void CSearchDialog::ShowTokenMenu(const TokenField& field)
{
    CMenu menu;
    if (!menu.LoadMenu(IDR_SEARCH_TOKENS))
        return;
    CMenu* popup = menu.GetSubMenu(field.popup);
    if (!popup)
        return;
    RECT button;
    GetDlgItem(field.buttonId)->GetWindowRect(&button);
    popup->TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, button.right, button.top, this);
}

void CSearchDialog::OnToken(UINT command)
{
    const SearchToken* token = FindSearchToken(command);
    TokenField* field = token && token->forReplacement ? m_replaceField : &m_findField;
    if (!token || !field)
        return;
    int caret = 0;
    const CString text = InsertSearchToken(FieldText(field->comboId), field->selectionStart,
                                           field->selectionEnd, *token, caret);
    CWnd* combo = GetDlgItem(field->comboId);
    combo->SetWindowText(text);
    combo->SetFocus();
    if (CountsCharacters(field->comboId, text))
        caret = ByteToCharacterPosition(text, caret);
    SendDlgItemMessage(field->comboId, CB_SETEDITSEL, 0, MAKELPARAM(caret, caret));
    CheckDlgButton(IDC_REGULAR_EXPRESSION, BST_CHECKED);
    if (field == &m_findField)
        EnableSearchButtons(TRUE);
}
