#include "editor/dialogs/PreferencesDlg.h"

#include "editor/dialogs/PreferencesLayout.h"
#include "editor/res/resource.h"
#include "framework/CommonDialogs.h"
#include "framework/DataExchange.h"
#include "framework/Dc.h"

#include <climits>
#include <cstdlib>

int& PreferencesPage()
{
    static int page = 1;
    return page;
}

int& FontPageTab()
{
    static int tab = 0;
    return tab;
}

namespace {

const int kMaxEditText = 1024;

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

// The check boxes that store one switch of the settings as 0 or 1.
struct SwitchBox {
    int id;
    int CEditorSettings::*setting;
    int CViewSettings::*viewSetting;
};
int* SwitchOf(CEditorSettings& settings, const SwitchBox& box)
{
    return box.setting ? &(settings.*box.setting) : &(settings.view.*box.viewSetting);
}
const SwitchBox kSwitches[] = {
    {IDC_SPACES_FOR_TAB, nullptr, &CViewSettings::spacesForTab},
    {IDC_WRAP_ON_OPEN, nullptr, &CViewSettings::wrapOnOpen},
    {IDC_AUTO_INDENT, nullptr, &CViewSettings::autoIndent},
    {IDC_HOME_TO_FIRST, nullptr, &CViewSettings::homeToFirstPosition},
    {IDC_SEARCH_WRAPS, nullptr, &CViewSettings::searchWraps},
    {IDC_DRAG_DROP_EDITING, nullptr, &CViewSettings::dragDropEditing},
    {IDC_AUTO_CLOSE_BRACKETS, nullptr, &CViewSettings::autoCloseBrackets},
    {IDC_VOCABULARY_POPUP, nullptr, &CViewSettings::vocabularyPopup},
    {IDC_VOCABULARY_COMMENT, &CEditorSettings::vocabularyWithComment, nullptr},
    {IDC_MARKER1, nullptr, &CViewSettings::marker1On},
    {IDC_MARKER2, nullptr, &CViewSettings::marker2On},
    {IDC_SHOW_LINE_NUMBERS, nullptr, &CViewSettings::showLineNumbers},
    {IDC_SHOW_SELECTION_MARGIN, nullptr, &CViewSettings::showSelectionMargin},
    {IDC_HIGHLIGHT_LINE, nullptr, &CViewSettings::highlightCurrentLine},
    {IDC_HIGHLIGHT_PAIR, nullptr, &CViewSettings::highlightMatchingPair},
    {IDC_BOLD_KEYWORDS, nullptr, &CViewSettings::boldKeywords},
    {IDC_ITALIC_COMMENTS, nullptr, &CViewSettings::italicComments},
    {IDC_SHOW_TABS, nullptr, &CViewSettings::showTabs},
    {IDC_SHOW_LINE_ENDS, nullptr, &CViewSettings::showLineEnds},
    {IDC_NEW_DOCUMENT_AT_START, &CEditorSettings::newDocumentAtStart, nullptr},
    {IDC_REOPEN_AT_START, &CEditorSettings::reopenWorkspaceAtStart, nullptr},
    {IDC_TABS_TO_SPACES, &CEditorSettings::tabsToSpacesOnSave, nullptr},
    {IDC_STRIP_TRAILING, &CEditorSettings::stripTrailingOnSave, nullptr},
    {IDC_SAVE_UNIX, &CEditorSettings::saveUnixLineEnds, nullptr},
    {IDC_SAVE_REMOTE_UNIX, &CEditorSettings::saveRemoteUnixLineEnds, nullptr},
    {IDC_PRINT_HEADER, nullptr, &CViewSettings::printHeader},
    {IDC_PRINT_FOOTER, nullptr, &CViewSettings::printFooter},
    {IDC_PRINT_LINE_NUMBERS, nullptr, &CViewSettings::printLineNumbers},
    {IDC_PRINT_SYNTAX_COLOURS, nullptr, &CViewSettings::printSyntaxColours},
};

// The numeric edits and the range their value is clamped to.
struct NumberEdit {
    int id;
    int CEditorSettings::*setting;
    int CViewSettings::*viewSetting;
    int low, high;
};
const NumberEdit kNumbers[] = {
    {IDC_TAB_SIZE, nullptr, &CViewSettings::tabSize, 1, 64},
    {IDC_WRAP_INDENT, nullptr, &CViewSettings::wrapIndent, 0, 16},
    {IDC_LINE_SPACING, nullptr, &CViewSettings::lineSpacingPercent, 50, 200},
    {IDC_CARET_WIDTH, nullptr, &CViewSettings::caretWidthPercent, 1, 100},
    {IDC_LINE_DIGITS, nullptr, &CViewSettings::lineNumberDigits, 2, 8},
    {IDC_TAB_TITLE, &CEditorSettings::maxTabTitle, nullptr, 12, 60},
    {IDC_MARKER1_COLUMN, nullptr, &CViewSettings::marker1Column, 0, 160},
    {IDC_MARKER2_COLUMN, nullptr, &CViewSettings::marker2Column, 0, 160},
};
int* NumberOf(CEditorSettings& settings, const NumberEdit& edit)
{
    return edit.setting ? &(settings.*edit.setting) : &(settings.view.*edit.viewSetting);
}

const int kMarginEdits[4] = {IDC_MARGIN_LEFT, IDC_MARGIN_TOP, IDC_MARGIN_RIGHT, IDC_MARGIN_BOTTOM};
struct TextEdit {
    int id;
    std::string CViewSettings::*text;
};
const TextEdit kPrintTexts[] = {
    {IDC_HEADER_LEFT, &CViewSettings::headerLeft},     {IDC_HEADER_CENTRE, &CViewSettings::headerCentre},
    {IDC_HEADER_RIGHT, &CViewSettings::headerRight},   {IDC_FOOTER_LEFT, &CViewSettings::footerLeft},
    {IDC_FOOTER_CENTRE, &CViewSettings::footerCentre}, {IDC_FOOTER_RIGHT, &CViewSettings::footerRight},
};

// The variable menus of the six header and footer parts: seven command ids each from
// kFirstPrintVariable, the third one a separator's place.
const UINT kFirstPrintVariable = ID_PRINT_VARIABLE_FIRST;
const char* const kPrintVariables[7] = {"$(文件路径)", "$(文件名称)", nullptr, "$(页码)",
                                        "$(总页数)", "$(当前日期)", "$(当前时间)"};
const char* const kPrintVariableItems[7] = {"文件路径", "文件名称", nullptr, "页号",
                                            "总页数", "当前日期", "当前时间"};
const int kPrintVariableButtons[6] = {IDC_HEADER_LEFT_VARS, IDC_HEADER_CENTRE_VARS, IDC_HEADER_RIGHT_VARS,
                                      IDC_FOOTER_LEFT_VARS, IDC_FOOTER_CENTRE_VARS, IDC_FOOTER_RIGHT_VARS};
const int kPrintVariableEdits[6] = {IDC_HEADER_LEFT, IDC_HEADER_CENTRE, IDC_HEADER_RIGHT,
                                    IDC_FOOTER_LEFT, IDC_FOOTER_CENTRE, IDC_FOOTER_RIGHT};

// The C library's decimal reading: blanks, a sign, digits; anything else ends the number.
long LeadingNumber(const char* text)
{
    return std::strtol(text, nullptr, 10);
}

int Clamp(long value, int low, int high)
{
    return value < low ? low : value > high ? high : (int)value;
}

} // namespace

BEGIN_MESSAGE_MAP(CPreferencesDlg, CDialog)
    ON_NOTIFY(TVN_SELCHANGED, IDC_PREF_CATEGORIES, OnSelChangedCategory)
    ON_BN_CLICKED(IDC_PREF_APPLY, OnApply)
    ON_WM_CTLCOLOR()
    ON_BN_CLICKED(IDC_FIXED_WRAP, OnFixedWrapWidth)
    ON_BN_CLICKED(IDC_MARKER1, OnMarker1)
    ON_BN_CLICKED(IDC_MARKER2, OnMarker2)
    ON_BN_CLICKED(IDC_SHOW_LINE_NUMBERS, OnLineNumbers)
    ON_BN_CLICKED(IDC_WORK_FOLDER_BROWSE, OnBrowseWorkFolder)
    ON_BN_CLICKED(IDC_REMOTE_FOLDER_BROWSE, OnBrowseRemoteBackupFolder)
    ON_BN_CLICKED(IDC_BACKUP_FOLDER_BROWSE, OnBrowseBackupFolder)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_BACKUP_NONE, IDC_BACKUP_BEFORE_OPEN, OnBackupMode)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_BACKUP_PATTERN1, IDC_BACKUP_PATTERN2, OnBackupPattern)
    ON_BN_CLICKED(IDC_PRINT_HEADER, OnPrintHeader)
    ON_BN_CLICKED(IDC_PRINT_FOOTER, OnPrintFooter)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_HEADER_LEFT_VARS, IDC_FOOTER_RIGHT_VARS, OnHeaderVariables)
    ON_COMMAND_RANGE(kFirstPrintVariable, kFirstPrintVariable + 6 * 7 - 1, OnInsertPrintVariable)
    // 字体
    ON_NOTIFY(TCN_SELCHANGE, IDC_FONT_TABS, OnFontTabChange)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_SCREEN_FONTS, IDC_PRINTER_FONTS, OnFontSelected)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_OTHER_FONTS, IDC_OTHER_FONTS, OnFontSelected)
    ON_NOTIFY_RANGE(NM_DBLCLK, IDC_SCREEN_FONTS, IDC_PRINTER_FONTS, OnFontDblClk)
    ON_NOTIFY_RANGE(NM_DBLCLK, IDC_OTHER_FONTS, IDC_OTHER_FONTS, OnFontDblClk)
    // 颜色. STN_CLICKED shares its code with BN_CLICKED: the buttons of this id range that
    // have handlers are mapped above, and OnSwatchClicked ignores every id but a swatch's.
    ON_CONTROL_RANGE(STN_CLICKED, IDC_SWATCH_BACKGROUND, IDC_SWATCH_STRING, OnSwatchClicked)
    ON_NOTIFY(TCN_SELCHANGE, IDC_COLOR_TABS, OnColorTabChange)
    ON_CBN_SELCHANGE(IDC_COLOR_SCHEMES, OnSchemeChange)
    ON_BN_CLICKED(IDC_LOAD_COLORS, OnLoadColors)
    ON_BN_CLICKED(IDC_SAVE_COLORS, OnSaveColors)
    // 过滤器, 语法类型
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_FILTERS, IDC_FILTERS, OnTripleSelected)
    ON_NOTIFY_RANGE(LVN_ITEMCHANGED, IDC_SYNTAX_TYPES, IDC_SYNTAX_TYPES, OnTripleSelected)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_FILTER_REMOVE, IDC_FILTER_REMOVE, OnTripleRemove)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_SYNTAX_REMOVE, IDC_SYNTAX_REMOVE, OnTripleRemove)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_FILTER_UP, IDC_FILTER_UP, OnTripleUp)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_SYNTAX_UP, IDC_SYNTAX_UP, OnTripleUp)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_FILTER_DOWN, IDC_FILTER_DOWN, OnTripleDown)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_SYNTAX_DOWN, IDC_SYNTAX_DOWN, OnTripleDown)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_FILTER_DESC, IDC_FILTER_DESC, OnTripleEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_FILTER_EXT, IDC_FILTER_EXT, OnTripleEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_FILTER_DEFEXT, IDC_FILTER_DEFEXT, OnTripleEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SYNTAX_DESC, IDC_SYNTAX_DESC, OnTripleEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SYNTAX_SPEC, IDC_SYNTAX_SPEC, OnTripleEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SYNTAX_KEYWORDS, IDC_SYNTAX_KEYWORDS, OnTripleEdit)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_SYNTAX_SPEC_BROWSE, IDC_SYNTAX_KEYWORDS_BROWSE, OnBrowseSyntaxFile)
    // 用户工具
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_TOOLS, OnToolSelected)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_TOOL_NAME, IDC_TOOL_FOLDER, OnToolEdit)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TOOL_CLOSE_ON_EXIT, IDC_TOOL_SAVE_FIRST, OnToolOption)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TOOL_HIDE, IDC_TOOL_HIDE, OnToolOption)
    ON_BN_CLICKED(IDC_TOOL_REMOVE, OnToolRemove)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_TOOL_UP, IDC_TOOL_DOWN, OnToolMove)
    ON_BN_CLICKED(IDC_TOOL_COMMAND_BROWSE, OnToolBrowse)
    ON_BN_CLICKED(IDC_TOOL_ARGUMENT_MENU, OnToolArgumentMenu)
    ON_BN_CLICKED(IDC_TOOL_FOLDER_MENU, OnToolFolderMenu)
    ON_COMMAND_RANGE(ID_ARG_FILE_PATH, ID_ARG_BROWSE_FOLDER, OnToolMenuCommand)
    ON_COMMAND_RANGE(ID_ARG_LINE_NUMBER, ID_ARG_USER_INPUT, OnToolMenuCommand)
    ON_COMMAND_RANGE(ID_ARG_SELECT_PATH_1, ID_ARG_SELECT_DIR_2, OnToolMenuCommand)
    ON_BN_CLICKED(IDC_TOOL_LOAD_SET, OnLoadToolSet)
    ON_BN_CLICKED(IDC_TOOL_SAVE_SET, OnSaveToolSet)
    // 用户宏
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MACROS, OnMacroSelected)
    ON_EN_CHANGE(IDC_MACRO_SLOT_NAME, OnMacroNameChange)
    ON_BN_CLICKED(IDC_MACRO_REMOVE, OnMacroRemove)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_MACRO_UP, IDC_MACRO_DOWN, OnMacroMove)
    ON_BN_CLICKED(IDC_MACRO_LOAD_SET, OnLoadMacroSet)
    ON_BN_CLICKED(IDC_MACRO_SAVE_SET, OnSaveMacroSet)
END_MESSAGE_MAP()

CPreferencesDlg::CPreferencesDlg(const PreferencesTargets& targets, PreferencesHost& host, CWnd* parent)
    : CDialog(IDD_PREFERENCES, parent), m_targets(targets), m_host(host), m_associations(*this),
      m_shellTools(*this), m_tools(targets.tools), m_macros(targets.macros)
{
    AfxInitCommonControls();
    std::copy(targets.settings.view.colors, targets.settings.view.colors + kColorCount, m_colors);
}

CPreferencesDlg::~CPreferencesDlg()
{
    if (m_swatchBrush)
        ::DeleteObject(m_swatchBrush);
}

void CPreferencesDlg::DoDataExchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_PREF_CATEGORIES, m_tree);
    DDX_Control(dx, IDC_FONT_TABS, m_fontTabs);
    DDX_Control(dx, IDC_SCREEN_FONTS, m_fontLists[0]);
    DDX_Control(dx, IDC_PRINTER_FONTS, m_fontLists[1]);
    DDX_Control(dx, IDC_OTHER_FONTS, m_fontLists[2]);
    DDX_Control(dx, IDC_COLOR_TABS, m_colorTabs);
    DDX_Control(dx, IDC_FILTERS, m_filterList);
    DDX_Control(dx, IDC_SYNTAX_TYPES, m_syntaxList);
    DDX_Control(dx, IDC_TOOLS, m_toolList);
    DDX_Control(dx, IDC_TOOL_HOT_KEY, m_toolHotKey);
    DDX_Control(dx, IDC_MACROS, m_macroList);
    DDX_Control(dx, IDC_MACRO_HOT_KEY, m_macroHotKey);
}

BOOL CPreferencesDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    InitPages();
    LayoutPages();
    LoadPages();
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
    InitFontsPage();
    InitColorPage();
    m_associations.Init();
    InitTripleLists();
    InitToolsPage();
    InitMacrosPage();
    for (int id : {IDC_WORK_FOLDER_BROWSE, IDC_REMOTE_FOLDER_BROWSE, IDC_BACKUP_FOLDER_BROWSE})
        Enable(id, m_chooseFolder != nullptr);
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
    int page = PreferencesPage();
    int tab = page == 3 ? FontPageTab() : m_colorTabs.GetCurSel();
    for (int i = 0; i < kPreferencesControlCount; ++i) {
        const PreferencesControl& c = kPreferencesControls[i];
        GetDlgItem(c.id)->ShowWindow(PreferencesControlShown(c, page, tab) ? SW_SHOW : SW_HIDE);
    }
    m_associations.Show(page == 7);
    m_shellTools.Show(page == 11);
    Invalidate();
}

void CPreferencesDlg::LoadPages()
{
    m_filling = true;
    LoadGeneralPage();
    LoadVisualPage();
    LoadFontsPage();
    std::copy(m_targets.settings.view.colors, m_targets.settings.view.colors + kColorCount, m_colors);
    LoadPrintPage();
    LoadFilesPage();
    LoadBackupPage();
    LoadTripleList(m_syntaxPage);
    LoadTripleList(m_filterPage);
    m_shellTools.Load();
    LoadToolsPage();
    LoadMacrosPage();
    m_filling = false;
}

void CPreferencesDlg::OnApply()
{
    ApplyGeneralPage();
    ApplyFontsPage();
    std::copy(m_colors, m_colors + kColorCount, m_targets.settings.view.colors);
    ApplyPrintPage();
    ApplyFilesPage();
    ApplyBackupPage();
    ApplySyntaxTypePage();
    ApplyFilterPage();
    m_shellTools.Apply();
    m_targets.tools = m_tools;
    m_targets.macros = m_macros;

    m_host.RefreshOutputFont();
    m_host.RefreshPanelFilters();
    m_host.SetMultiInstance(Checked(IDC_MULTI_INSTANCE));
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
        HWND focus = ::GetFocus();
        if (focus && focus == m_toolHotKey.GetSafeHwnd())
            OnToolHotKey();
        else if (focus && focus == m_macroHotKey.GetSafeHwnd())
            OnMacroHotKey();
    }
    return CDialog::PreTranslateMessage(msg);
}

// Control helpers.

int CPreferencesDlg::ReadNumber(int id, int low, int high) const
{
    CString text = Text(id);
    return Clamp(LeadingNumber(text.Left(kMaxEditText)), low, high);
}

void CPreferencesDlg::WriteNumber(int id, int value)
{
    CString text;
    text.Format("%d", value);
    SetText(id, text);
}

bool CPreferencesDlg::Checked(int id) const
{
    return IsDlgButtonChecked(id) == BST_CHECKED;
}

void CPreferencesDlg::SetChecked(int id, bool on)
{
    CheckDlgButton(id, on ? BST_CHECKED : BST_UNCHECKED);
}

CString CPreferencesDlg::Text(int id) const
{
    CString text;
    GetDlgItemText(id, text);
    return text;
}

void CPreferencesDlg::SetText(int id, const char* text)
{
    SetDlgItemText(id, text);
}

void CPreferencesDlg::Enable(int id, bool on)
{
    GetDlgItem(id)->EnableWindow(on);
}

// 通用 and 可视化. The general page's steps carry the tables above, which also hold the
// numbers of 可视化 and the switches of 文件 and 打印.

void CPreferencesDlg::LoadGeneralPage()
{
    CEditorSettings& s = m_targets.settings;
    for (const SwitchBox& box : kSwitches)
        SetChecked(box.id, *SwitchOf(s, box) != 0);
    for (const NumberEdit& edit : kNumbers)
        WriteNumber(edit.id, *NumberOf(s, edit));
    SetChecked(IDC_MULTI_INSTANCE, m_host.MultiInstance());
    const bool fixed = s.view.fixedWrapWidth != 0;
    SetChecked(IDC_FIXED_WRAP, fixed);
    WriteNumber(IDC_FIXED_WRAP_WIDTH, fixed ? s.view.fixedWrapWidth : 80);
    Enable(IDC_FIXED_WRAP_WIDTH, fixed);
}

void CPreferencesDlg::ApplyGeneralPage()
{
    CEditorSettings& s = m_targets.settings;
    for (const SwitchBox& box : kSwitches)
        *SwitchOf(s, box) = Checked(box.id) ? 1 : 0;
    for (const NumberEdit& edit : kNumbers)
        *NumberOf(s, edit) = ReadNumber(edit.id, edit.low, edit.high);
    s.view.fixedWrapWidth = Checked(IDC_FIXED_WRAP) ? ReadNumber(IDC_FIXED_WRAP_WIDTH, 16, 160) : 0;
}

void CPreferencesDlg::LoadVisualPage()
{
    const CViewSettings& v = m_targets.settings.view;
    Enable(IDC_MARKER1_COLUMN, v.marker1On != 0);
    Enable(IDC_MARKER2_COLUMN, v.marker2On != 0);
    Enable(IDC_SHOW_SELECTION_MARGIN, v.showLineNumbers == 0);
}

void CPreferencesDlg::OnFixedWrapWidth()
{
    Enable(IDC_FIXED_WRAP_WIDTH, Checked(IDC_FIXED_WRAP));
}

void CPreferencesDlg::OnMarker1()
{
    Enable(IDC_MARKER1_COLUMN, Checked(IDC_MARKER1));
}

void CPreferencesDlg::OnMarker2()
{
    Enable(IDC_MARKER2_COLUMN, Checked(IDC_MARKER2));
}

void CPreferencesDlg::OnLineNumbers()
{
    Enable(IDC_SHOW_SELECTION_MARGIN, !Checked(IDC_SHOW_LINE_NUMBERS));
}

// 文件 and 备份.

void CPreferencesDlg::LoadFilesPage()
{
    SetText(IDC_WORK_FOLDER, m_targets.settings.initialWorkingFolder);
    SetText(IDC_REMOTE_FOLDER, m_targets.settings.remoteCacheFolder);
}

void CPreferencesDlg::ApplyFilesPage()
{
    m_targets.settings.initialWorkingFolder = Text(IDC_WORK_FOLDER);
    m_targets.settings.remoteCacheFolder = Text(IDC_REMOTE_FOLDER);
}

void CPreferencesDlg::OnBrowseWorkFolder()
{
    BrowseFolderInto(IDC_WORK_FOLDER);
}

void CPreferencesDlg::OnBrowseRemoteBackupFolder()
{
    BrowseFolderInto(IDC_REMOTE_FOLDER);
}

void CPreferencesDlg::OnBrowseBackupFolder()
{
    BrowseFolderInto(IDC_BACKUP_FOLDER);
}

void CPreferencesDlg::BrowseFolderInto(int editId)
{
    CString folder = Text(editId);
    if (m_chooseFolder && m_chooseFolder("选择目录:", folder))
        SetText(editId, folder);
}

void CPreferencesDlg::LoadBackupPage()
{
    const CEditorSettings& s = m_targets.settings;
    OnBackupMode(IDC_BACKUP_NONE + s.backupMode);
    SetChecked(IDC_BACKUP_NONE + s.backupMode, true);
    SetText(IDC_BACKUP_SUFFIX, s.backupSuffix);
    SetChecked(IDC_BACKUP_PATTERN1, s.backupNameForm == 1);
    SetChecked(IDC_BACKUP_PATTERN2, s.backupNameForm == 2);
    SetText(IDC_BACKUP_FOLDER, s.backupFolder);
}

void CPreferencesDlg::OnBackupMode(UINT id)
{
    for (int mode = IDC_BACKUP_NONE; mode <= IDC_BACKUP_BEFORE_OPEN; ++mode)
        SetChecked(mode, mode == (int)id);
    const bool backing = id != IDC_BACKUP_NONE;
    for (int control : {IDC_BACKUP_SUFFIX, IDC_BACKUP_PATTERN1, IDC_BACKUP_PATTERN2, IDC_BACKUP_FOLDER})
        Enable(control, backing);
}

void CPreferencesDlg::OnBackupPattern(UINT id)
{
    SetChecked(IDC_BACKUP_PATTERN1, id == IDC_BACKUP_PATTERN1);
    SetChecked(IDC_BACKUP_PATTERN2, id == IDC_BACKUP_PATTERN2);
}

void CPreferencesDlg::ApplyBackupPage()
{
    CEditorSettings& s = m_targets.settings;
    for (int mode = 0; mode < 3; ++mode)
        if (Checked(IDC_BACKUP_NONE + mode))
            s.backupMode = mode;
    s.backupSuffix = Text(IDC_BACKUP_SUFFIX);
    if (Checked(IDC_BACKUP_PATTERN1))
        s.backupNameForm = 1;
    if (Checked(IDC_BACKUP_PATTERN2))
        s.backupNameForm = 2;
    s.backupFolder = Text(IDC_BACKUP_FOLDER);
}

// 打印.

void CPreferencesDlg::LoadPrintPage()
{
    const CViewSettings& v = m_targets.settings.view;
    for (int i = 0; i < 4; ++i)
        WriteNumber(kMarginEdits[i], v.printMargins[i] / 10);
    for (const TextEdit& edit : kPrintTexts)
        SetText(edit.id, (v.*edit.text).c_str());
    EnablePrintPart(IDC_HEADER_LEFT, IDC_HEADER_LEFT_VARS, v.printHeader != 0);
    EnablePrintPart(IDC_FOOTER_LEFT, IDC_FOOTER_LEFT_VARS, v.printFooter != 0);
}

void CPreferencesDlg::ApplyPrintPage()
{
    CViewSettings& v = m_targets.settings.view;
    for (int i = 0; i < 4; ++i) {
        long millimetres = LeadingNumber(Text(kMarginEdits[i]).Left(kMaxEditText));
        v.printMargins[i] = Clamp(millimetres, 0, 100) * 10;
    }
    for (const TextEdit& edit : kPrintTexts)
        v.*edit.text = (const char*)Text(edit.id);
}

void CPreferencesDlg::EnablePrintPart(int firstEdit, int firstButton, bool on)
{
    for (int i = 0; i < 3; ++i) {
        Enable(firstEdit + i, on);
        Enable(firstButton + i, on);
    }
}

void CPreferencesDlg::OnPrintHeader()
{
    EnablePrintPart(IDC_HEADER_LEFT, IDC_HEADER_LEFT_VARS, Checked(IDC_PRINT_HEADER));
}

void CPreferencesDlg::OnPrintFooter()
{
    EnablePrintPart(IDC_FOOTER_LEFT, IDC_FOOTER_LEFT_VARS, Checked(IDC_PRINT_FOOTER));
}

void CPreferencesDlg::OnHeaderVariables(UINT id)
{
    const int part = (int)id - IDC_HEADER_LEFT_VARS;
    HMENU menu = ::CreatePopupMenu();
    for (int item = 0; item < 7; ++item) {
        if (kPrintVariableItems[item])
            ::AppendMenu(menu, MF_STRING, kFirstPrintVariable + part * 7 + item, kPrintVariableItems[item]);
        else
            ::AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    }
    TrackMenuAt(kPrintVariableButtons[part], menu);
}

void CPreferencesDlg::OnInsertPrintVariable(UINT id)
{
    const int offset = (int)(id - kFirstPrintVariable);
    const char* variable = kPrintVariables[offset % 7];
    if (variable)
        SendDlgItemMessage(kPrintVariableEdits[offset / 7], EM_REPLACESEL, FALSE, (LPARAM)variable);
}

void CPreferencesDlg::TrackMenuAt(int buttonId, HMENU menu)
{
    CRect button;
    GetDlgItem(buttonId)->GetWindowRect(&button);
    ::TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RIGHTBUTTON, button.right, button.top, 0, m_hWnd,
                     nullptr);
    ::DestroyMenu(menu);
}

CString CPreferencesDlg::ChooseFile(bool open, const char* filter, const char* title, const char* defaultExt,
                                    const char* subfolder, const CString& initial)
{
    char current[MAX_PATH] = {};
    ::GetCurrentDirectory(MAX_PATH, current);
    const DWORD flags = OFN_HIDEREADONLY | (open ? OFN_FILEMUSTEXIST : OFN_OVERWRITEPROMPT);
    CFileDialog dialog(open, defaultExt, initial.IsEmpty() ? nullptr : (const char*)initial, flags, filter, this);
    CString folder = m_targets.programFolder + "\\" + subfolder;
    dialog.m_ofn.lpstrTitle = title;
    dialog.m_ofn.lpstrInitialDir = folder;
    const bool chosen = dialog.DoModal() == IDOK;
    ::SetCurrentDirectory(current);
    return chosen ? dialog.GetPathName() : CString();
}
