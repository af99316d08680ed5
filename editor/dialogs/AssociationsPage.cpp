#include "editor/dialogs/AssociationsPage.h"

#include "editor/dialogs/ShellIntegration.h"
#include "editor/res/resource.h"
#include "framework/MessageBox.h"
#include "framework/WaitCursor.h"

#include <vector>

namespace {

// Where a control of the pages lies, in the dialog's client pixels.
struct Placement {
    int id;
    int x, y, width, height;
};

const Placement kAssociationControls[] = {
    {IDC_EXTENSIONS_FRAME, 170, 26, 360, 175},
    {IDC_ALL_EXTENSIONS, 180, 36, 120, 152},
    {IDC_EXTENSION, 320, 36, 100, 20},
    {IDC_ASSOCIATE_EXTENSION, 430, 36, 70, 20},
    {IDC_EDITED_EXTENSIONS_LABEL, 320, 66, 200, 15},
    {IDC_EDITED_EXTENSIONS, 320, 86, 100, 102},
    {IDC_RESTORE_EXTENSION, 430, 86, 70, 20},
    {IDC_ASSOCIATION_FRAME, 170, 211, 360, 75},
    {IDC_ASSOCIATION_LABEL_DESCRIPTION, 180, 221, 80, 15},
    {IDC_ASSOCIATION_DESCRIPTION, 270, 218, 230, 20},
    {IDC_ASSOCIATION_LABEL_COMMAND, 180, 243, 80, 15},
    {IDC_ASSOCIATION_COMMAND, 270, 240, 230, 20},
    {IDC_ASSOCIATION_COMMAND_BROWSE, 505, 240, 20, 20},
    {IDC_ASSOCIATION_LABEL_ICON, 180, 265, 80, 15},
    {IDC_ASSOCIATION_ICON, 270, 262, 230, 20},
    {IDC_ASSOCIATION_ICON_BROWSE, 505, 262, 20, 20},
};

const Placement kToolControls[] = {
    {IDC_SHELL_TOOLS_FRAME, 170, 26, 360, 70},
    {IDC_VIEW_SOURCE_EDITOR, 180, 36, 340, 16},
    {IDC_EXPLORER_EXTENSION, 180, 56, 340, 16},
    {IDC_EXPLORER_EXTENSION_NOTE, 198, 76, 320, 15},
};

template <size_t N>
void Place(CDialog& dialog, const Placement (&controls)[N])
{
    for (const Placement& control : controls)
        if (CWnd* window = dialog.GetDlgItem(control.id))
            window->MoveWindow(control.x, control.y, control.width, control.height);
}

void ShowItem(CDialog& dialog, int id, bool visible)
{
    if (CWnd* window = dialog.GetDlgItem(id))
        window->ShowWindow(visible ? SW_SHOW : SW_HIDE);
}

// Selects text in a list box (exact match); no selection when it is not there.
void SelectExact(CDialog& dialog, int listId, const CString& text)
{
    const int index = (int)dialog.SendDlgItemMessage(listId, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)text);
    dialog.SendDlgItemMessage(listId, LB_SETCURSEL, text.IsEmpty() ? (WPARAM)-1 : (WPARAM)index);
}

bool ListHolds(CDialog& dialog, int listId, const CString& text)
{
    return dialog.SendDlgItemMessage(listId, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)(LPCTSTR)text) != LB_ERR;
}

} // namespace

BEGIN_MESSAGE_MAP(CAssociationsPage, CCmdTarget)
    ON_LBN_SELCHANGE(IDC_ALL_EXTENSIONS, OnAllExtensionsSelChange)
    ON_LBN_SELCHANGE(IDC_EDITED_EXTENSIONS, OnEditedExtensionsSelChange)
    ON_BN_CLICKED(IDC_ASSOCIATE_EXTENSION, OnAssociate)
    ON_BN_CLICKED(IDC_RESTORE_EXTENSION, OnRestore)
    ON_EN_KILLFOCUS(IDC_ASSOCIATION_DESCRIPTION, OnFieldLeft)
    ON_EN_KILLFOCUS(IDC_ASSOCIATION_COMMAND, OnFieldLeft)
    ON_EN_KILLFOCUS(IDC_ASSOCIATION_ICON, OnFieldLeft)
END_MESSAGE_MAP()

CString& CAssociationsPage::CurrentExtension()
{
    static CString extension;
    return extension;
}

void CAssociationsPage::Layout()
{
    Place(m_dialog, kAssociationControls);
}

void CAssociationsPage::Show(bool visible)
{
    for (const Placement& control : kAssociationControls)
        ShowItem(m_dialog, control.id, visible);
}

void CAssociationsPage::Load()
{
    if (m_loaded)
        return;
    CWaitCursor wait;
    std::vector<CString> all, edited;
    ListExtensions(all, edited);
    for (const CString& extension : all)
        m_dialog.SendDlgItemMessage(IDC_ALL_EXTENSIONS, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)extension);
    for (const CString& extension : edited)
        m_dialog.SendDlgItemMessage(IDC_EDITED_EXTENSIONS, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)extension);
    CString& current = CurrentExtension();
    if (current.IsEmpty() && !all.empty()) {
        m_dialog.SendDlgItemMessage(IDC_ALL_EXTENSIONS, LB_SETCURSEL, 0);
        current = SelectedText(IDC_ALL_EXTENSIONS);
    }
    Choose(current);
    m_loaded = true;
}

CString CAssociationsPage::SelectedText(int listId) const
{
    CString text;
    const int index = (int)m_dialog.SendDlgItemMessage(listId, LB_GETCURSEL);
    if (index == LB_ERR)
        return text;
    const int length = (int)m_dialog.SendDlgItemMessage(listId, LB_GETTEXTLEN, index);
    if (length == LB_ERR)
        return text;
    m_dialog.SendDlgItemMessage(listId, LB_GETTEXT, index, (LPARAM)text.GetBuffer(length));
    text.ReleaseBuffer(length);
    return text;
}

void CAssociationsPage::Choose(const CString& extension)
{
    CurrentExtension() = extension;
    SelectExact(m_dialog, IDC_ALL_EXTENSIONS, extension);
    SelectExact(m_dialog, IDC_EDITED_EXTENSIONS, extension);
    m_dialog.SetDlgItemText(IDC_EXTENSION, extension);
    ShowAssociation(extension);
}

void CAssociationsPage::ShowAssociation(const CString& extension)
{
    const Association association = ReadAssociation(extension);
    m_dialog.SetDlgItemText(IDC_ASSOCIATION_DESCRIPTION, association.description);
    m_dialog.SetDlgItemText(IDC_ASSOCIATION_COMMAND, association.command);
    m_dialog.SetDlgItemText(IDC_ASSOCIATION_ICON, association.icon);
}

void CAssociationsPage::OnAllExtensionsSelChange()
{
    Choose(SelectedText(IDC_ALL_EXTENSIONS));
}

void CAssociationsPage::OnEditedExtensionsSelChange()
{
    Choose(SelectedText(IDC_EDITED_EXTENSIONS));
}

void CAssociationsPage::OnAssociate()
{
    CString typed;
    m_dialog.GetDlgItemText(IDC_EXTENSION, typed);
    const CString extension = NormalizeExtension(typed);
    if (extension.IsEmpty() || ListHolds(m_dialog, IDC_EDITED_EXTENSIONS, extension))
        return;
    if (!AssociateExtension(ShellNames::Running(), extension))
        return;
    m_dialog.SendDlgItemMessage(IDC_EDITED_EXTENSIONS, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)extension);
    if (!ListHolds(m_dialog, IDC_ALL_EXTENSIONS, extension))
        m_dialog.SendDlgItemMessage(IDC_ALL_EXTENSIONS, LB_ADDSTRING, 0, (LPARAM)(LPCTSTR)extension);
    Choose(extension);
}

void CAssociationsPage::OnRestore()
{
    const CString extension = SelectedText(IDC_EDITED_EXTENSIONS);
    if (extension.IsEmpty() || !RestoreExtension(extension))
        return;
    auto remove = [this, &extension](int listId) {
        const int index = (int)m_dialog.SendDlgItemMessage(listId, LB_FINDSTRINGEXACT, (WPARAM)-1,
                                                           (LPARAM)(LPCTSTR)extension);
        if (index != LB_ERR)
            m_dialog.SendDlgItemMessage(listId, LB_DELETESTRING, index);
    };
    remove(IDC_EDITED_EXTENSIONS);
    if (ReadAssociation(extension).progId.IsEmpty())
        remove(IDC_ALL_EXTENSIONS);
    m_dialog.SendDlgItemMessage(IDC_ALL_EXTENSIONS, LB_SETCURSEL, 0);
    Choose(SelectedText(IDC_ALL_EXTENSIONS));
}

void CAssociationsPage::OnFieldLeft()
{
    const CString extension = SelectedText(IDC_ALL_EXTENSIONS);
    if (extension.IsEmpty())
        return;
    Association edited;
    m_dialog.GetDlgItemText(IDC_ASSOCIATION_DESCRIPTION, edited.description);
    m_dialog.GetDlgItemText(IDC_ASSOCIATION_COMMAND, edited.command);
    m_dialog.GetDlgItemText(IDC_ASSOCIATION_ICON, edited.icon);
    SaveAssociationEdits(extension, edited);
}

void CShellToolsPage::Layout()
{
    Place(m_dialog, kToolControls);
}

void CShellToolsPage::Show(bool visible)
{
    for (int id : {IDC_SHELL_TOOLS_FRAME, IDC_EXPLORER_EXTENSION, IDC_EXPLORER_EXTENSION_NOTE})
        ShowItem(m_dialog, id, visible);
    ShowItem(m_dialog, IDC_VIEW_SOURCE_EDITOR, false);
}

void CShellToolsPage::Load()
{
    m_dialog.CheckDlgButton(IDC_VIEW_SOURCE_EDITOR, IsViewSourceEditor() ? BST_CHECKED : BST_UNCHECKED);
    m_dialog.CheckDlgButton(IDC_EXPLORER_EXTENSION, IsContextMenuRegistered() ? BST_CHECKED : BST_UNCHECKED);
}

bool CShellToolsPage::Apply()
{
    const bool viewSource = SetViewSourceEditor(m_dialog.IsDlgButtonChecked(IDC_VIEW_SOURCE_EDITOR) == BST_CHECKED);
    const ContextMenuStatus contextMenu =
        RegisterContextMenu(m_dialog.IsDlgButtonChecked(IDC_EXPLORER_EXTENSION) == BST_CHECKED);
    if (contextMenu == ContextMenuStatus::kModuleMissing) {
        m_dialog.CheckDlgButton(IDC_EXPLORER_EXTENSION, BST_UNCHECKED);
        CString text;
        text.Format("找不到资源管理器扩展 %s，没有注册右键菜单扩展。", (LPCTSTR)ContextMenuModulePath());
        AfxMessageBox(text, MB_ICONSTOP);
        return false;
    }
    if (viewSource && contextMenu == ContextMenuStatus::kDone)
        return true;
    AfxMessageBox(IDS_APPLY_PREFERENCES_FAILED, MB_ICONSTOP);
    return false;
}
