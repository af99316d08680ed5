#include "editor/dialogs/PreferencesPage.h"

#include "framework/CommonDialogs.h"
#include "framework/Geometry.h"

#include <cstdlib>

namespace {

const int kMaxEditText = 1024;

// The C library's decimal reading: blanks, a sign, digits; anything else ends the number.
long LeadingNumber(const char* text)
{
    return std::strtol(text, nullptr, 10);
}

int Clamp(long value, int low, int high)
{
    return value < low ? low : value > high ? high : (int)value;
}

template <class Control>
int& SettingOf(CEditorSettings& settings, const Control& control)
{
    return control.setting ? settings.*control.setting : settings.view.*control.viewSetting;
}

} // namespace

void CPreferencesPage::Load()
{
    FillingScope filling(*this);
    LoadControls();
}

void CPreferencesPage::ShowControls() const
{
    if (m_context.showControls)
        m_context.showControls();
}

int CPreferencesPage::ReadNumber(int id, int low, int high) const
{
    CString text = Text(id);
    return Clamp(LeadingNumber(text.Left(kMaxEditText)), low, high);
}

void CPreferencesPage::WriteNumber(int id, int value)
{
    CString text;
    text.Format("%d", value);
    SetText(id, text);
}

bool CPreferencesPage::Checked(int id) const
{
    return Dialog().IsDlgButtonChecked(id) == BST_CHECKED;
}

void CPreferencesPage::SetChecked(int id, bool on)
{
    Dialog().CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED);
}

CString CPreferencesPage::Text(int id) const
{
    CString text;
    Dialog().GetDlgItemText(id, text);
    return text;
}

void CPreferencesPage::SetText(int id, const char* text)
{
    Dialog().SetDlgItemText(id, text);
}

void CPreferencesPage::Enable(int id, bool on)
{
    Dialog().GetDlgItem(id)->EnableWindow(on);
}

void CPreferencesPage::LoadSwitches(const PreferencesSwitch* boxes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        SetChecked(boxes[i].id, SettingOf(Settings(), boxes[i]) != 0);
}

void CPreferencesPage::ApplySwitches(const PreferencesSwitch* boxes, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        SettingOf(Settings(), boxes[i]) = Checked(boxes[i].id) ? 1 : 0;
}

void CPreferencesPage::LoadNumbers(const PreferencesNumber* edits, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        WriteNumber(edits[i].id, SettingOf(Settings(), edits[i]));
}

void CPreferencesPage::ApplyNumbers(const PreferencesNumber* edits, size_t count)
{
    for (size_t i = 0; i < count; ++i)
        SettingOf(Settings(), edits[i]) = ReadNumber(edits[i].id, edits[i].low, edits[i].high);
}

void CPreferencesPage::BrowseFolderInto(int editId)
{
    CString folder = Text(editId);
    if (m_context.chooseFolder && m_context.chooseFolder("选择目录:", folder))
        SetText(editId, folder);
}

CString CPreferencesPage::ChooseFile(bool open, const char* filter, const char* title, const char* defaultExt,
                                     const char* subfolder, const CString& initial)
{
    char current[MAX_PATH] = {};
    ::GetCurrentDirectory(MAX_PATH, current);
    const DWORD flags = OFN_HIDEREADONLY | (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    CFileDialog dialog(open, defaultExt, initial.IsEmpty() ? nullptr : (const char*)initial, flags, filter,
                       &Dialog());
    CString folder = Targets().programFolder + "\\" + subfolder;
    dialog.m_ofn.lpstrTitle = title;
    dialog.m_ofn.lpstrInitialDir = folder;
    const bool chosen = dialog.DoModal() == IDOK;
    ::SetCurrentDirectory(current);
    return chosen ? dialog.GetPathName() : CString();
}

void CPreferencesPage::TrackMenuAt(int buttonId, HMENU menu)
{
    CRect button;
    Dialog().GetDlgItem(buttonId)->GetWindowRect(&button);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, button.right, button.top, 0,
                     Dialog().m_hWnd, nullptr);
    ::DestroyMenu(menu);
}
