// The preferences' list pages: file-type filters, syntax types, user tools and user macros.
#include "editor/dialogs/PreferencesListPages.h"

#include "editor/res/resource.h"
#include "editor/settings/KeyboardMacros.h"
#include "editor/settings/UserTools.h"
#include "editor/util/PathUtil.h"
#include "framework/DataExchange.h"
#include "framework/MessageBox.h"

#include <utility>

namespace {

const char kEmptyRow[] = "- 空 -";

int& ToolRow()
{
    static int row = 0;
    return row;
}

int& MacroRow()
{
    static int row = 0;
    return row;
}

const int kToolRows = kUserToolCount - 1;
const int kMacroRows = kMacroSlotCount - 1;

void SelectRow(CListCtrl& list, int row)
{
    list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    list.EnsureVisible(row, FALSE);
}

// A list row newly selected by a notification; -1 for any other change.
int NewlySelected(NMHDR* header)
{
    auto* change = reinterpret_cast<NMLISTVIEW*>(header);
    if (change->iItem >= 0 && (change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED))
        return change->iItem;
    return -1;
}

// The tool runner's words offered by the arguments menu, by command id.
struct MenuWord {
    UINT command;
    const char* item;  // null: a separator before the next item
    const char* word;
};
const MenuWord kArgumentWords[] = {
    {ID_ARG_FILE_PATH, "文件路径", "$(文件路径)"},
    {ID_ARG_FILE_DIR, "文件目录", "$(文件目录)"},
    {ID_ARG_FILE_NAME, "文件名称", "$(文件名称)"},
    {ID_ARG_FILE_TITLE, "文件名", "$(文件名)"},
    {0, nullptr, nullptr},
    {ID_ARG_LINE_NUMBER, "行号", "$(行号)"},
    {ID_ARG_CURRENT_WORD, "当前词语", "$(当前词语)"},
    {0, nullptr, nullptr},
    {ID_ARG_USER_INPUT, "用户输入", "$(用户输入)"},
    {0, nullptr, nullptr},
    {ID_ARG_SELECT_PATH_1, "选择路径1", "$(选择路径1)"},
    {ID_ARG_SELECT_PATH_2, "选择路径2", "$(选择路径2)"},
    {0, nullptr, nullptr},
    {ID_ARG_SELECT_DIR_1, "选择目录1", "$(选择目录1)"},
    {ID_ARG_SELECT_DIR_2, "选择目录2", "$(选择目录2)"},
};

HMENU BuildMenu(const MenuWord* words, int count)
{
    HMENU menu = ::CreatePopupMenu();
    for (int i = 0; i < count; ++i)
        if (words[i].item)
            ::AppendMenu(menu, MF_STRING, words[i].command, words[i].item);
        else
            ::AppendMenu(menu, MF_SEPARATOR, 0, nullptr);
    return menu;
}

int& FilterRow()
{
    static int row = 0;
    return row;
}

int& SyntaxTypeRow()
{
    static int row = 0;
    return row;
}

// Loads a tool or macro set through the shell's validating reader; a refused file is
// reported and leaves the table as it was.
template <class Table>
bool LoadSetFile(SetFileLoad (*load)(const char*, Table&), const char* path, Table& table)
{
    const SetFileLoad result = load(path, table);
    if (result == SetFileLoad::kRefused)
        AfxMessageBox(SetFileRefusalMessage(path), MB_OK | MB_ICONSTOP);
    return result == SetFileLoad::kLoaded;
}

// The control's key; only Shift, Ctrl and Alt are kept, the modifiers the set files hold.
void ReadHotKey(const CHotKeyCtrl& control, uint16_t& vk, uint16_t& modifiers)
{
    WORD key = 0, held = 0;
    control.GetHotKey(key, held);
    vk = key;
    modifiers = held & (kModShift | kModCtrl | kModAlt);
}

const char kToolSetFilter[] = "用户工具文件 (*.工具)|*.工具||";
const char kMacroSetFilter[] = "宏文件 (*.宏)|*.宏||";

} // namespace

// 过滤器 and 语法类型.

const CTripleListPage::Controls kFilterControls = {
    IDC_FILTERS, {IDC_FILTER_DESC, IDC_FILTER_EXT, IDC_FILTER_DEFEXT}, IDS_FILTER_COLUMN, true};
const CTripleListPage::Controls kSyntaxTypeControls = {
    IDC_SYNTAX_TYPES, {IDC_SYNTAX_DESC, IDC_SYNTAX_SPEC, IDC_SYNTAX_KEYWORDS}, IDS_SYNTAX_TYPE_COLUMN, false};

CTripleListPage::CTripleListPage(const PreferencesPageContext& context, const Controls& controls, int& current)
    : CPreferencesPage(context), m_controls(controls), m_current(current)
{
}

void CTripleListPage::Exchange(CDataExchange* dx)
{
    DDX_Control(dx, m_controls.list, m_list);
}

void CTripleListPage::Init()
{
    m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_list.InsertColumn(0, LoadResourceText(m_controls.columnText), LVCFMT_LEFT, 219);
}

void CTripleListPage::ShowRows()
{
    for (int row = 0; row < kRows; ++row) {
        m_list.InsertItem(row, "");
        ShowRow(row);
    }
    if (m_current < 0 || m_current >= kRows)
        m_current = 0;
    const CTripleStringRecord& current = Row(m_current);
    SetText(m_controls.edits[0], current.first);
    SetText(m_controls.edits[1], current.second);
    SetText(m_controls.edits[2], current.third);
    SelectRow(m_list, m_current);
}

void CTripleListPage::ShowRow(int row)
{
    const CTripleStringRecord& r = Row(row);
    CString text;
    if (r.first.IsEmpty())
        text = kEmptyRow;
    else if (m_controls.filters && !r.second.IsEmpty())
        text.Format("%s (%s)", (const char*)r.first, (const char*)r.second);
    else
        text = r.first;
    m_list.SetItemText(row, 0, text);
}

void CTripleListPage::OnRowSelected(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = NewlySelected(header);
    if (Filling() || row < 0 || row >= kRows)
        return;
    m_current = row;
    const CTripleStringRecord copy = Row(row);
    FillingScope filling(*this);
    SetText(m_controls.edits[0], copy.first);
    SetText(m_controls.edits[1], copy.second);
    SetText(m_controls.edits[2], copy.third);
}

void CTripleListPage::OnRemove()
{
    Row(m_current).Clear();
    ShowRow(m_current);
    FillingScope filling(*this);
    for (int edit : m_controls.edits)
        SetText(edit, "");
}

void CTripleListPage::MoveRow(int delta)
{
    const int from = m_current;
    const int to = from + delta;
    if (to < 0 || to >= kRows)
        return;
    CTripleStringRecord held;
    held.Copy(Row(from));
    Row(from).Copy(Row(to));
    Row(to).Copy(held);
    ShowRow(from);
    ShowRow(to);
    SelectRow(m_list, to);
}

void CTripleListPage::OnUp()
{
    MoveRow(-1);
}

void CTripleListPage::OnDown()
{
    MoveRow(+1);
}

void CTripleListPage::OnEdit(UINT id)
{
    if (Filling())
        return;
    CTripleStringRecord& row = Row(m_current);
    const CString text = Text((int)id);
    if ((int)id == m_controls.edits[0])
        row.first = text;
    else if ((int)id == m_controls.edits[1])
        row.second = text;
    else
        row.third = text;
    ShowRow(m_current);
}

BEGIN_MESSAGE_MAP(CFiltersPage, CTripleListPage)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_FILTERS, OnRowSelected)
    ON_BN_CLICKED(IDC_FILTER_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_FILTER_UP, OnUp)
    ON_BN_CLICKED(IDC_FILTER_DOWN, OnDown)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_FILTER_DESC, IDC_FILTER_DESC, OnEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_FILTER_EXT, IDC_FILTER_EXT, OnEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_FILTER_DEFEXT, IDC_FILTER_DEFEXT, OnEdit)
END_MESSAGE_MAP()

CFiltersPage::CFiltersPage(const PreferencesPageContext& context)
    : CTripleListPage(context, kFilterControls, FilterRow())
{
    static_assert(kFileFilterCount == kRows, "one list row per filter");
}

void CFiltersPage::LoadControls()
{
    m_filters = Settings().fileFilters;
    ShowRows();
}

void CFiltersPage::Apply()
{
    CEditorSettings& s = Settings();
    s.fileFilters = m_filters;
    for (int* remembered : {&s.lastFileFilter, &s.panelFilter})
        if (*remembered < 0 || *remembered >= kFileFilterCount || !s.fileFilters[(size_t)*remembered].InUse())
            *remembered = 0;
}

BEGIN_MESSAGE_MAP(CSyntaxTypesPage, CTripleListPage)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_SYNTAX_TYPES, OnRowSelected)
    ON_BN_CLICKED(IDC_SYNTAX_REMOVE, OnRemove)
    ON_BN_CLICKED(IDC_SYNTAX_UP, OnUp)
    ON_BN_CLICKED(IDC_SYNTAX_DOWN, OnDown)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SYNTAX_DESC, IDC_SYNTAX_DESC, OnEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SYNTAX_SPEC, IDC_SYNTAX_SPEC, OnEdit)
    ON_CONTROL_RANGE(EN_CHANGE, IDC_SYNTAX_KEYWORDS, IDC_SYNTAX_KEYWORDS, OnEdit)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_SYNTAX_SPEC_BROWSE, IDC_SYNTAX_KEYWORDS_BROWSE, OnBrowseSyntaxFile)
END_MESSAGE_MAP()

CSyntaxTypesPage::CSyntaxTypesPage(const PreferencesPageContext& context)
    : CTripleListPage(context, kSyntaxTypeControls, SyntaxTypeRow())
{
    static_assert(kSyntaxTypeCount == kRows, "one list row per syntax type");
}

void CSyntaxTypesPage::LoadControls()
{
    m_syntaxTypes = Settings().syntaxTypes;
    ShowRows();
}

void CSyntaxTypesPage::Apply()
{
    Settings().syntaxTypes = m_syntaxTypes;
}

void CSyntaxTypesPage::OnBrowseSyntaxFile(UINT id)
{
    const bool spec = id == IDC_SYNTAX_SPEC_BROWSE;
    const int edit = spec ? IDC_SYNTAX_SPEC : IDC_SYNTAX_KEYWORDS;
    CString path = ChooseFile(true, LoadResourceText(spec ? IDS_SPEC_FILE_FILTER : IDS_KEYWORD_FILE_FILTER),
                              LoadResourceText(IDS_CHOOSE_FILE_TITLE), nullptr, "规范", Text(edit));
    if (path.IsEmpty())
        return;
    CString name = GetFileNamePart(path);
    name.MakeUpper();
    SetText(edit, name);
}

// 用户工具: rows 0-14 show tools 1-15.

BEGIN_MESSAGE_MAP(CUserToolsPage, CPreferencesPage)
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
END_MESSAGE_MAP()

CUserToolsPage::CUserToolsPage(const PreferencesPageContext& context)
    : CPreferencesPage(context), m_tools(context.targets.tools)
{
}

void CUserToolsPage::Exchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_TOOLS, m_toolList);
    DDX_Control(dx, IDC_TOOL_HOT_KEY, m_toolHotKey);
}

void CUserToolsPage::Init()
{
    m_toolList.SetExtendedStyle(m_toolList.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_toolList.InsertColumn(0, "用户工具", LVCFMT_LEFT, 159);
    m_toolList.InsertColumn(1, "热键", LVCFMT_LEFT, 60);
}

void CUserToolsPage::LoadControls()
{
    m_tools = Targets().tools;
    for (int row = 0; row < kToolRows; ++row) {
        m_toolList.InsertItem(row, "");
        RefreshToolRow(row);
    }
    if (ToolRow() < 0 || ToolRow() >= kToolRows)
        ToolRow() = 0;
    ShowTool(ToolRow());
    SelectRow(m_toolList, ToolRow());
}

void CUserToolsPage::Apply()
{
    Targets().tools = m_tools;
}

void CUserToolsPage::RefreshToolRow(int row)
{
    const CUserCommand& tool = m_tools[(size_t)row + 1];
    CString key = tool.GetKeyText();
    if (key.IsEmpty() && row + 1 <= 10)
        key.Format("Ctrl+%d", (row + 1) % 10);
    m_toolList.SetItemText(row, 0, tool.name.IsEmpty() ? CString(kEmptyRow) : tool.name);
    m_toolList.SetItemText(row, 1, key);
}

void CUserToolsPage::ShowTool(int row)
{
    const CUserCommand& tool = m_tools[(size_t)row + 1];
    FillingScope filling(*this);
    SetText(IDC_TOOL_NAME, tool.name);
    SetText(IDC_TOOL_COMMAND, tool.command);
    SetText(IDC_TOOL_ARGUMENTS, tool.arguments);
    SetText(IDC_TOOL_FOLDER, tool.initialFolder);
    m_toolHotKey.SetHotKey(tool.vk, tool.modifiers);
    SetChecked(IDC_TOOL_CLOSE_ON_EXIT, tool.closeOnExit != 0);
    SetChecked(IDC_TOOL_SHORT_NAMES, tool.shortNames != 0);
    SetChecked(IDC_TOOL_CAPTURE, tool.captureOutput != 0);
    SetChecked(IDC_TOOL_SAVE_FIRST, tool.saveBeforeRun != 0);
    SetChecked(IDC_TOOL_HIDE, tool.hideWindow != 0);
    Enable(IDC_TOOL_CLOSE_ON_EXIT, tool.captureOutput == 0);
}

void CUserToolsPage::OnToolSelected(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = NewlySelected(header);
    if (Filling() || row < 0 || row >= kToolRows)
        return;
    ToolRow() = row;
    ShowTool(row);
}

void CUserToolsPage::OnToolEdit(UINT id)
{
    if (Filling())
        return;
    CUserCommand& tool = m_tools[(size_t)ToolRow() + 1];
    const CString text = Text((int)id);
    switch (id) {
    case IDC_TOOL_NAME:
        tool.name = text;
        RefreshToolRow(ToolRow());
        break;
    case IDC_TOOL_COMMAND:
        tool.command = text;
        break;
    case IDC_TOOL_ARGUMENTS:
        tool.arguments = text;
        break;
    default:
        tool.initialFolder = text;
        break;
    }
}

void CUserToolsPage::OnToolOption(UINT id)
{
    CUserCommand& tool = m_tools[(size_t)ToolRow() + 1];
    const int on = Checked((int)id) ? 1 : 0;
    switch (id) {
    case IDC_TOOL_CLOSE_ON_EXIT:
        tool.closeOnExit = on;
        break;
    case IDC_TOOL_SHORT_NAMES:
        tool.shortNames = on;
        break;
    case IDC_TOOL_CAPTURE:
        tool.captureOutput = on;
        Enable(IDC_TOOL_CLOSE_ON_EXIT, !on);
        break;
    case IDC_TOOL_SAVE_FIRST:
        tool.saveBeforeRun = on;
        break;
    default:
        tool.hideWindow = on;
        break;
    }
}

void CUserToolsPage::OnToolRemove()
{
    m_tools[(size_t)ToolRow() + 1].Clear();
    RefreshToolRow(ToolRow());
    ShowTool(ToolRow());
}

void CUserToolsPage::OnToolMove(UINT id)
{
    const int from = ToolRow();
    const int to = from + (id == IDC_TOOL_UP ? -1 : 1);
    if (to < 0 || to >= kToolRows)
        return;
    std::swap(m_tools[(size_t)from + 1], m_tools[(size_t)to + 1]);
    RefreshToolRow(from);
    RefreshToolRow(to);
    SelectRow(m_toolList, to);
}

void CUserToolsPage::KeyReleased(HWND focus)
{
    if (!focus || focus != m_toolHotKey.GetSafeHwnd())
        return;
    CUserCommand& tool = m_tools[(size_t)ToolRow() + 1];
    ReadHotKey(m_toolHotKey, tool.vk, tool.modifiers);
    RefreshToolRow(ToolRow());
}

void CUserToolsPage::OnToolBrowse()
{
    CString path = ChooseFile(true,
                              "可执行文件 (*.exe;*.com;*.bat;*.cmd)|*.exe;*.com;*.bat;*.cmd|Help Files (*.hlp;*.chm)|"
                              "*.hlp;*.chm|All Files (*.*)|*.*||",
                              LoadResourceText(IDS_CHOOSE_FILE_TITLE), nullptr, "", Text(IDC_TOOL_COMMAND));
    if (!path.IsEmpty())
        SetText(IDC_TOOL_COMMAND, path);
}

void CUserToolsPage::OnToolArgumentMenu()
{
    TrackMenuAt(IDC_TOOL_ARGUMENT_MENU, BuildMenu(kArgumentWords, (int)(sizeof kArgumentWords / sizeof *kArgumentWords)));
}

void CUserToolsPage::OnToolFolderMenu()
{
    const MenuWord words[] = {{ID_ARG_FOLDER_WORD, "文件目录", nullptr}, {0, nullptr, nullptr},
                              {ID_ARG_BROWSE_FOLDER, "浏览...", nullptr}};
    TrackMenuAt(IDC_TOOL_FOLDER_MENU, BuildMenu(words, 3));
}

void CUserToolsPage::OnToolMenuCommand(UINT id)
{
    if (id == ID_ARG_FOLDER_WORD) {
        SetText(IDC_TOOL_FOLDER, "$(文件目录)");
        return;
    }
    if (id == ID_ARG_BROWSE_FOLDER) {
        BrowseFolderInto(IDC_TOOL_FOLDER);
        return;
    }
    for (const MenuWord& w : kArgumentWords)
        if (w.item && w.command == id)
            Dialog().SendDlgItemMessage(IDC_TOOL_ARGUMENTS, EM_REPLACESEL, TRUE, (LPARAM)w.word);
}

bool CUserToolsPage::ReadSetFile(const char* path)
{
    if (!LoadSetFile(LoadToolFile, path, m_tools))
        return false;
    if (m_toolList.GetSafeHwnd()) {
        for (int row = 0; row < kToolRows; ++row)
            RefreshToolRow(row);
        ShowTool(ToolRow());
    }
    return true;
}

bool CUserToolsPage::WriteSetFile(const char* path) const
{
    return SaveUserCommands(path, m_tools);
}

void CUserToolsPage::OnLoadToolSet()
{
    CString path = ChooseFile(true, kToolSetFilter, "加载用户工具", nullptr, "工具", "");
    if (!path.IsEmpty())
        ReadSetFile(path);
}

void CUserToolsPage::OnSaveToolSet()
{
    CString path = ChooseFile(false, kToolSetFilter, "保存用户工具", ".工具", "工具", "");
    if (!path.IsEmpty())
        WriteSetFile(path);
}

// 用户宏: rows 0-9 show slots 1-10.

BEGIN_MESSAGE_MAP(CUserMacrosPage, CPreferencesPage)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MACROS, OnMacroSelected)
    ON_EN_CHANGE(IDC_MACRO_SLOT_NAME, OnMacroNameChange)
    ON_BN_CLICKED(IDC_MACRO_REMOVE, OnMacroRemove)
    ON_CONTROL_RANGE(BN_CLICKED, IDC_MACRO_UP, IDC_MACRO_DOWN, OnMacroMove)
    ON_BN_CLICKED(IDC_MACRO_LOAD_SET, OnLoadMacroSet)
    ON_BN_CLICKED(IDC_MACRO_SAVE_SET, OnSaveMacroSet)
END_MESSAGE_MAP()

CUserMacrosPage::CUserMacrosPage(const PreferencesPageContext& context)
    : CPreferencesPage(context), m_macros(context.targets.macros)
{
}

void CUserMacrosPage::Exchange(CDataExchange* dx)
{
    DDX_Control(dx, IDC_MACROS, m_macroList);
    DDX_Control(dx, IDC_MACRO_HOT_KEY, m_macroHotKey);
}

void CUserMacrosPage::Init()
{
    m_macroList.SetExtendedStyle(m_macroList.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_macroList.InsertColumn(0, "宏名字", LVCFMT_LEFT, 159);
    m_macroList.InsertColumn(1, "热键", LVCFMT_LEFT, 60);
}

void CUserMacrosPage::LoadControls()
{
    m_macros = Targets().macros;
    for (int row = 0; row < kMacroRows; ++row) {
        m_macroList.InsertItem(row, "");
        RefreshMacroRow(row);
    }
    if (MacroRow() < 0 || MacroRow() >= kMacroRows)
        MacroRow() = 0;
    ShowMacro(MacroRow());
    SelectRow(m_macroList, MacroRow());
}

void CUserMacrosPage::Apply()
{
    Targets().macros = m_macros;
}

void CUserMacrosPage::RefreshMacroRow(int row)
{
    const CUserMacro& macro = m_macros[(size_t)row + 1];
    const bool recorded = !macro.kinds.IsEmpty();
    CString key = macro.GetKeyText();
    if (key.IsEmpty())
        key.Format("Alt+%d", (row + 1) % 10);
    m_macroList.SetItemText(row, 0, !recorded ? CString(kEmptyRow) : macro.name.IsEmpty() ? CString("[无名]") : macro.name);
    m_macroList.SetItemText(row, 1, key);
}

void CUserMacrosPage::ShowMacro(int row)
{
    const CUserMacro& macro = m_macros[(size_t)row + 1];
    const bool recorded = !macro.kinds.IsEmpty();
    FillingScope filling(*this);
    SetText(IDC_MACRO_SLOT_NAME, macro.name);
    m_macroHotKey.SetHotKey(macro.vk, macro.modifiers);
    Enable(IDC_MACRO_SLOT_NAME, recorded);
    Enable(IDC_MACRO_HOT_KEY, recorded);
}

void CUserMacrosPage::OnMacroSelected(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = NewlySelected(header);
    if (Filling() || row < 0 || row >= kMacroRows)
        return;
    MacroRow() = row;
    ShowMacro(row);
}

void CUserMacrosPage::OnMacroNameChange()
{
    if (Filling())
        return;
    m_macros[(size_t)MacroRow() + 1].name = Text(IDC_MACRO_SLOT_NAME);
    RefreshMacroRow(MacroRow());
}

void CUserMacrosPage::OnMacroRemove()
{
    m_macros[(size_t)MacroRow() + 1].Clear();
    RefreshMacroRow(MacroRow());
    ShowMacro(MacroRow());
}

void CUserMacrosPage::OnMacroMove(UINT id)
{
    const int from = MacroRow();
    const int to = from + (id == IDC_MACRO_UP ? -1 : 1);
    if (to < 0 || to >= kMacroRows)
        return;
    std::swap(m_macros[(size_t)from + 1], m_macros[(size_t)to + 1]);
    RefreshMacroRow(from);
    RefreshMacroRow(to);
    SelectRow(m_macroList, to);
}

void CUserMacrosPage::KeyReleased(HWND focus)
{
    if (!focus || focus != m_macroHotKey.GetSafeHwnd())
        return;
    CUserMacro& macro = m_macros[(size_t)MacroRow() + 1];
    ReadHotKey(m_macroHotKey, macro.vk, macro.modifiers);
    RefreshMacroRow(MacroRow());
}

bool CUserMacrosPage::ReadSetFile(const char* path)
{
    if (!LoadSetFile(LoadMacroFile, path, m_macros))
        return false;
    if (m_macroList.GetSafeHwnd()) {
        for (int row = 0; row < kMacroRows; ++row)
            RefreshMacroRow(row);
        ShowMacro(MacroRow());
    }
    return true;
}

bool CUserMacrosPage::WriteSetFile(const char* path) const
{
    return SaveUserMacros(path, m_macros);
}

void CUserMacrosPage::OnLoadMacroSet()
{
    CString path = ChooseFile(true, kMacroSetFilter, "加载宏", nullptr, "工具", "");
    if (!path.IsEmpty())
        ReadSetFile(path);
}

void CUserMacrosPage::OnSaveMacroSet()
{
    CString path = ChooseFile(false, kMacroSetFilter, "保存宏", ".宏", "工具", "");
    if (!path.IsEmpty())
        WriteSetFile(path);
}
