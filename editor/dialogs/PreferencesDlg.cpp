#include "editor/dialogs/PreferencesDlg.h"

#include "editor/dialogs/PreferencesLayout.h"
#include "editor/res/resource.h"
#include "framework/DataExchange.h"
#include "framework/Dc.h"

int& PreferencesPage()
{
    static int page = 1;
    return page;
}

namespace {

// The category tree, parents before their children.
struct Category {
    UINT text;
    int page;
    int parentPage;  // 0: a root item
};
const Category kCategories[] = {
    {IDS_PREF_GENERAL, 1, 0},       {IDS_PREF_VISUAL, 2, 1},          {IDS_PREF_COLORS, 4, 1},
    {IDS_PREF_FONTS, 3, 1},         {IDS_PREF_PRINT, 5, 1},           {IDS_PREF_FILES, 6, 0},
    {IDS_PREF_BACKUP, 8, 6},        {IDS_PREF_ASSOCIATIONS, 7, 6},    {IDS_PREF_FILTERS, 10, 6},
    {IDS_PREF_SYNTAX_TYPES, 9, 6},  {IDS_PREF_TOOLS, 11, 0},          {IDS_PREF_USER_TOOLS, 12, 11},
    {IDS_PREF_USER_MACROS, 13, 11},
};

// Pixels of the frame's own controls; the pages use x 170-530, y 26-360.
struct FramePlace {
    int id;
    short x, y, w, h;
};
const FramePlace kFramePlaces[] = {
    {IDC_PREF_CATEGORIES_LABEL, 8, 8, 150, 14}, {IDC_PREF_CATEGORIES, 8, 26, 150, 330},
    {IDC_PREF_SEPARATOR, 8, 360, 530, 14},      {IDOK, 240, 376, 90, 22},
    {IDCANCEL, 340, 376, 90, 22},               {IDC_PREF_APPLY, 440, 376, 90, 22},
};
const int kDialogWidth = 546;
const int kDialogHeight = 440;

// The buttons that show an arrow of the dialog's image list instead of their text.
struct ArrowButton {
    int id;
    ArrowImage image;
};
const ArrowButton kArrowButtons[] = {
    {IDC_FILTER_UP, kArrowUp},           {IDC_FILTER_DOWN, kArrowDown},
    {IDC_SYNTAX_UP, kArrowUp},           {IDC_SYNTAX_DOWN, kArrowDown},
    {IDC_TOOL_UP, kArrowUp},             {IDC_TOOL_DOWN, kArrowDown},
    {IDC_MACRO_UP, kArrowUp},            {IDC_MACRO_DOWN, kArrowDown},
    {IDC_HEADER_LEFT_VARS, kArrowRight}, {IDC_HEADER_CENTRE_VARS, kArrowRight},
    {IDC_HEADER_RIGHT_VARS, kArrowRight}, {IDC_FOOTER_LEFT_VARS, kArrowRight},
    {IDC_FOOTER_CENTRE_VARS, kArrowRight}, {IDC_FOOTER_RIGHT_VARS, kArrowRight},
    {IDC_TOOL_ARGUMENT_MENU, kArrowRight}, {IDC_TOOL_FOLDER_MENU, kArrowRight},
};

} // namespace

BEGIN_MESSAGE_MAP(CPreferencesDlg, CDialog)
    ON_NOTIFY(TVN_SELCHANGED, IDC_PREF_CATEGORIES, OnSelChangedCategory)
    ON_BN_CLICKED(IDC_PREF_APPLY, OnApply)
    ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

CPreferencesDlg::CPreferencesDlg(const PreferencesTargets& targets, PreferencesHost& host, CWnd* parent)
    : CDialog(IDD_PREFERENCES, parent), m_targets(targets), m_host(host),
      m_context{*this, m_targets, host, m_chooseFolder, [this] { ShowPages(); }}, m_generalPage(m_context),
      m_visualPage(m_context), m_fontsPage(m_context), m_colorsPage(m_context), m_printPage(m_context),
      m_filesPage(m_context), m_backupPage(m_context), m_syntaxTypesPage(m_context), m_filtersPage(m_context),
      m_toolsPage(m_context), m_macrosPage(m_context),
      m_pages{&m_generalPage, &m_visualPage, &m_fontsPage,      &m_colorsPage,  &m_printPage, &m_filesPage,
              &m_backupPage,  &m_syntaxTypesPage, &m_filtersPage, &m_toolsPage, &m_macrosPage},
      m_associations(*this), m_shellTools(*this)
{
    AfxInitCommonControls();
}

CPreferencesPage* CPreferencesDlg::PageAt(int page)
{
    switch (page) {
    case 1: return &m_generalPage;
    case 2: return &m_visualPage;
    case 3: return &m_fontsPage;
    case 4: return &m_colorsPage;
    case 5: return &m_printPage;
    case 6: return &m_filesPage;
    case 8: return &m_backupPage;
    case 9: return &m_syntaxTypesPage;
    case 10: return &m_filtersPage;
    case 12: return &m_toolsPage;
    case 13: return &m_macrosPage;
    default: return nullptr;
    }
}

BOOL CPreferencesDlg::OnCmdMsg(UINT id, int code, void* extra, AFX_CMDHANDLERINFO* handlerInfo)
{
    for (CPreferencesPage* page : m_pages)
        if (page->OnCmdMsg(id, code, extra, handlerInfo))
            return TRUE;
    if (m_associations.OnCmdMsg(id, code, extra, handlerInfo))
        return TRUE;
    return CDialog::OnCmdMsg(id, code, extra, handlerInfo);
}

void CPreferencesDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PREF_CATEGORIES, m_tree);
    for (CPreferencesPage* page : m_pages)
        page->Exchange(dx);
}

BOOL CPreferencesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitPages();
    LayoutPages();
    for (CPreferencesPage* page : m_pages)
        page->Load();
    m_shellTools.Load();
    int page = PreferencesPage();
    if (page >= 1 && page <= kPageCount)
        m_tree.SelectItem(m_items[page]);
    ShowPages();
    CenterWindow();
    return TRUE;
}

HTREEITEM CPreferencesDlg::AddCategory(UINT textId, HTREEITEM parent, int page)
{
    HTREEITEM item = m_tree.InsertItem(LoadResourceText(textId), parent ? parent : TVI_ROOT, TVI_LAST);
    m_tree.SetItemData(item, (DWORD_PTR)page);
    if (parent)
        m_tree.Expand(parent, TVE_EXPAND);
    return item;
}

void CPreferencesDlg::InitPages()
{
    m_separator.SubclassDlgItem(IDC_PREF_SEPARATOR, this);
    m_separator.SetWindowText("");
    if (m_arrows.Load(IDB_ARROWS, 9)) {
        for (const ArrowButton& b : kArrowButtons)
            m_arrows.Put(*this, b.id, b.image);
    }
    for (const Category& c : kCategories)
        m_items[c.page] = AddCategory(c.text, c.parentPage ? m_items[c.parentPage] : nullptr, c.page);
    for (CPreferencesPage* page : m_pages)
        page->Init();
    m_associations.Init();
}

void CPreferencesDlg::LayoutPages()
{
    SetWindowPos(nullptr, 0, 0, kDialogWidth, kDialogHeight, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const FramePlace& p : kFramePlaces)
        GetDlgItem(p.id)->MoveWindow(p.x, p.y, p.w, p.h, FALSE);
    for (int i = 0; i < kPreferencesControlCount; ++i) {
        const PreferencesControl& c = kPreferencesControls[i];
        GetDlgItem(c.id)->MoveWindow(c.x, c.y, c.w, c.h, FALSE);
    }
    m_associations.Layout();
    m_shellTools.Layout();
}

void CPreferencesDlg::ShowPages()
{
    const int page = PreferencesPage();
    const CPreferencesPage* shown = PageAt(page);
    const int tab = shown ? shown->OpenTab() : -1;
    for (int i = 0; i < kPreferencesControlCount; ++i) {
        const PreferencesControl& c = kPreferencesControls[i];
        GetDlgItem(c.id)->ShowWindow(PreferencesControlShown(c, page, tab) ? SW_SHOW : SW_HIDE);
    }
    m_associations.Show(page == 7);
    m_shellTools.Show(page == 11);
    Invalidate();
}

void CPreferencesDlg::OnApply()
{
    for (CPreferencesPage* page : m_pages)
        page->Apply();
    m_shellTools.Apply();

    m_host.RefreshOutputFont();
    m_host.RefreshPanelFilters();
    const CString folder = m_targets.programFolder + "\\";
    SaveConfig(folder + kEditorConfigFile, m_targets.settings);
    m_host.ApplyToOpenViews();
    SaveColorScheme(folder + kColorSchemeFile, m_targets.settings.view.colors);
    SaveUserCommands(folder + kUserCommandsFile, m_targets.tools);
    SaveUserMacros(folder + kUserMacrosFile, m_targets.macros);
}

void CPreferencesDlg::OnOK()
{
    OnApply();
    EndDialog(IDOK);
}

void CPreferencesDlg::OnSelChangedCategory(NMHDR* header, LRESULT* result)
{
    auto* change = reinterpret_cast<NMTREEVIEW*>(header);
    PreferencesPage() = (int)change->itemNew.lParam;
    if (PreferencesPage() == 7 && !m_associations.IsLoaded())
        m_associations.Load();
    ShowPages();
    *result = 0;
}

BOOL CPreferencesDlg::PreTranslateMessage(MSG* msg)
{
    if (msg->message == WM_KEYUP || msg->message == WM_SYSKEYUP) {
        const HWND focus = ::GetFocus();
        for (CPreferencesPage* page : m_pages)
            page->KeyReleased(focus);
    }
    return CDialog::PreTranslateMessage(msg);
}

HBRUSH CPreferencesDlg::OnCtlColor(CDC* dc, CWnd* control, UINT)
{
    if (HBRUSH swatch = m_colorsPage.SwatchBrush(dc, control))
        return swatch;
    return (HBRUSH)Default();
}
