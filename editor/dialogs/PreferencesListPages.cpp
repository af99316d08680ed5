// The preferences' list pages: file-type filters, syntax types, user tools and user macros.
#include "editor/dialogs/PreferencesDlg.h"

#include "editor/res/resource.h"
#include "editor/settings/KeyboardMacros.h"
#include "editor/settings/UserTools.h"
#include "editor/util/PathUtil.h"
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

CPreferencesDlg::TripleListPage& CPreferencesDlg::TripleOf(UINT id)
{
    switch (id) {
    case IDC_FILTERS:
    case IDC_FILTER_REMOVE:
    case IDC_FILTER_UP:
    case IDC_FILTER_DOWN:
    case IDC_FILTER_DESC:
    case IDC_FILTER_EXT:
    case IDC_FILTER_DEFEXT:
        return m_filterPage;
    default:
        return m_syntaxPage;
    }
}

void CPreferencesDlg::InitTripleLists()
{
    static_assert(kFileFilterCount == TripleListPage::kRows && kSyntaxTypeCount == TripleListPage::kRows, "rows");
    m_filterPage = {&m_filterList, m_filters.data(), &FilterRow(), {IDC_FILTER_DESC, IDC_FILTER_EXT, IDC_FILTER_DEFEXT}, true};
    m_syntaxPage = {&m_syntaxList, m_syntaxTypes.data(), &SyntaxTypeRow(),
                    {IDC_SYNTAX_DESC, IDC_SYNTAX_SPEC, IDC_SYNTAX_KEYWORDS}, false};
    for (CListCtrl* list : {&m_filterList, &m_syntaxList}) {
        list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_FULLROWSELECT);
        list->InsertColumn(0, LoadResourceText(list == &m_filterList ? IDS_FILTER_COLUMN : IDS_SYNTAX_TYPE_COLUMN),
                           LVCFMT_LEFT, 219);
    }
}

void CPreferencesDlg::LoadTripleList(TripleListPage& page)
{
    if (page.filters)
        m_filters = m_targets.settings.fileFilters;
    else
        m_syntaxTypes = m_targets.settings.syntaxTypes;
    for (int row = 0; row < TripleListPage::kRows; ++row) {
        page.list->InsertItem(row, "");
        ShowTripleRow(page, row);
    }
    if (*page.current < 0 || *page.current >= TripleListPage::kRows)
        *page.current = 0;
    const int current = *page.current;
    for (int i = 0; i < 3; ++i)
        SetText(page.edits[i], i == 0   ? page.rows[current].first
                               : i == 1 ? page.rows[current].second
                                        : page.rows[current].third);
    SelectRow(*page.list, current);
}

void CPreferencesDlg::ShowTripleRow(TripleListPage& page, int row)
{
    const CTripleStringRecord& r = page.rows[row];
    CString text;
    if (r.first.IsEmpty())
        text = kEmptyRow;
    else if (page.filters && !r.second.IsEmpty())
        text.Format("%s (%s)", (const char*)r.first, (const char*)r.second);
    else
        text = r.first;
    page.list->SetItemText(row, 0, text);
}

void CPreferencesDlg::OnTripleSelected(UINT id, NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = NewlySelected(header);
    if (m_filling || row < 0 || row >= TripleListPage::kRows)
        return;
    TripleListPage& page = TripleOf(id);
    *page.current = row;
    const CTripleStringRecord copy = page.rows[row];
    m_filling = true;
    SetText(page.edits[0], copy.first);
    SetText(page.edits[1], copy.second);
    SetText(page.edits[2], copy.third);
    m_filling = false;
}

void CPreferencesDlg::OnTripleRemove(UINT id)
{
    TripleListPage& page = TripleOf(id);
    page.rows[*page.current].Clear();
    ShowTripleRow(page, *page.current);
    m_filling = true;
    for (int edit : page.edits)
        SetText(edit, "");
    m_filling = false;
}

void CPreferencesDlg::MoveTripleRow(TripleListPage& page, int delta)
{
    const int from = *page.current;
    const int to = from + delta;
    if (to < 0 || to >= TripleListPage::kRows)
        return;
    CTripleStringRecord held;
    held.Copy(page.rows[from]);
    page.rows[from].Copy(page.rows[to]);
    page.rows[to].Copy(held);
    ShowTripleRow(page, from);
    ShowTripleRow(page, to);
    SelectRow(*page.list, to);
}

void CPreferencesDlg::OnTripleUp(UINT id)
{
    MoveTripleRow(TripleOf(id), -1);
}

void CPreferencesDlg::OnTripleDown(UINT id)
{
    MoveTripleRow(TripleOf(id), +1);
}

void CPreferencesDlg::OnTripleEdit(UINT id)
{
    if (m_filling)
        return;
    TripleListPage& page = TripleOf(id);
    CTripleStringRecord& row = page.rows[*page.current];
    const CString text = Text((int)id);
    if ((int)id == page.edits[0])
        row.first = text;
    else if ((int)id == page.edits[1])
        row.second = text;
    else
        row.third = text;
    ShowTripleRow(page, *page.current);
}

void CPreferencesDlg::OnBrowseSyntaxFile(UINT id)
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

void CPreferencesDlg::ApplyFilterPage()
{
    CEditorSettings& s = m_targets.settings;
    s.fileFilters = m_filters;
    for (int* remembered : {&s.lastFileFilter, &s.panelFilter})
        if (*remembered < 0 || *remembered >= kFileFilterCount || !s.fileFilters[(size_t)*remembered].InUse())
            *remembered = 0;
}

void CPreferencesDlg::ApplySyntaxTypePage()
{
    m_targets.settings.syntaxTypes = m_syntaxTypes;
}

// 用户工具: rows 0-14 show tools 1-15.

void CPreferencesDlg::InitToolsPage()
{
    m_toolList.SetExtendedStyle(m_toolList.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_toolList.InsertColumn(0, "用户工具", LVCFMT_LEFT, 159);
    m_toolList.InsertColumn(1, "热键", LVCFMT_LEFT, 60);
}

void CPreferencesDlg::LoadToolsPage()
{
    m_tools = m_targets.tools;
    for (int row = 0; row < kToolRows; ++row) {
        m_toolList.InsertItem(row, "");
        RefreshToolRow(row);
    }
    if (ToolRow() < 0 || ToolRow() >= kToolRows)
        ToolRow() = 0;
    ShowTool(ToolRow());
    SelectRow(m_toolList, ToolRow());
}

void CPreferencesDlg::RefreshToolRow(int row)
{
    const CUserCommand& tool = m_tools[(size_t)row + 1];
    CString key = tool.GetKeyText();
    if (key.IsEmpty() && row + 1 <= 10)
        key.Format("Ctrl+%d", (row + 1) % 10);
    m_toolList.SetItemText(row, 0, tool.name.IsEmpty() ? CString(kEmptyRow) : tool.name);
    m_toolList.SetItemText(row, 1, key);
}

void CPreferencesDlg::ShowTool(int row)
{
    const CUserCommand& tool = m_tools[(size_t)row + 1];
    const bool filling = m_filling;
    m_filling = true;
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
    m_filling = filling;
}

void CPreferencesDlg::OnToolSelected(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = NewlySelected(header);
    if (m_filling || row < 0 || row >= kToolRows)
        return;
    ToolRow() = row;
    ShowTool(row);
}

void CPreferencesDlg::OnToolEdit(UINT id)
{
    if (m_filling)
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

void CPreferencesDlg::OnToolOption(UINT id)
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

void CPreferencesDlg::OnToolRemove()
{
    m_tools[(size_t)ToolRow() + 1].Clear();
    RefreshToolRow(ToolRow());
    ShowTool(ToolRow());
}

void CPreferencesDlg::OnToolMove(UINT id)
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

void CPreferencesDlg::OnToolHotKey()
{
    CUserCommand& tool = m_tools[(size_t)ToolRow() + 1];
    ReadHotKey(m_toolHotKey, tool.vk, tool.modifiers);
    RefreshToolRow(ToolRow());
}

void CPreferencesDlg::OnToolBrowse()
{
    CString path = ChooseFile(true,
                              "可执行文件 (*.exe;*.com;*.bat;*.cmd)|*.exe;*.com;*.bat;*.cmd|Help Files (*.hlp;*.chm)|"
                              "*.hlp;*.chm|All Files (*.*)|*.*||",
                              LoadResourceText(IDS_CHOOSE_FILE_TITLE), nullptr, "", Text(IDC_TOOL_COMMAND));
    if (!path.IsEmpty())
        SetText(IDC_TOOL_COMMAND, path);
}

void CPreferencesDlg::OnToolArgumentMenu()
{
    TrackMenuAt(IDC_TOOL_ARGUMENT_MENU, BuildMenu(kArgumentWords, (int)(sizeof kArgumentWords / sizeof *kArgumentWords)));
}

void CPreferencesDlg::OnToolFolderMenu()
{
    const MenuWord words[] = {{ID_ARG_FOLDER_WORD, "文件目录", nullptr}, {0, nullptr, nullptr},
                              {ID_ARG_BROWSE_FOLDER, "浏览...", nullptr}};
    TrackMenuAt(IDC_TOOL_FOLDER_MENU, BuildMenu(words, 3));
}

void CPreferencesDlg::OnToolMenuCommand(UINT id)
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
            SendDlgItemMessage(IDC_TOOL_ARGUMENTS, EM_REPLACESEL, TRUE, (LPARAM)w.word);
}

bool CPreferencesDlg::ReadToolSetFile(const char* path)
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

bool CPreferencesDlg::WriteToolSetFile(const char* path) const
{
    return SaveUserCommands(path, m_tools);
}

void CPreferencesDlg::OnLoadToolSet()
{
    CString path = ChooseFile(true, kToolSetFilter, "加载用户工具", nullptr, "工具", "");
    if (!path.IsEmpty())
        ReadToolSetFile(path);
}

void CPreferencesDlg::OnSaveToolSet()
{
    CString path = ChooseFile(false, kToolSetFilter, "保存用户工具", ".工具", "工具", "");
    if (!path.IsEmpty())
        WriteToolSetFile(path);
}

// 用户宏: rows 0-9 show slots 1-10.

void CPreferencesDlg::InitMacrosPage()
{
    m_macroList.SetExtendedStyle(m_macroList.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_macroList.InsertColumn(0, "宏名字", LVCFMT_LEFT, 159);
    m_macroList.InsertColumn(1, "热键", LVCFMT_LEFT, 60);
}

void CPreferencesDlg::LoadMacrosPage()
{
    m_macros = m_targets.macros;
    for (int row = 0; row < kMacroRows; ++row) {
        m_macroList.InsertItem(row, "");
        RefreshMacroRow(row);
    }
    if (MacroRow() < 0 || MacroRow() >= kMacroRows)
        MacroRow() = 0;
    ShowMacro(MacroRow());
    SelectRow(m_macroList, MacroRow());
}

void CPreferencesDlg::RefreshMacroRow(int row)
{
    const CUserMacro& macro = m_macros[(size_t)row + 1];
    const bool recorded = !macro.kinds.IsEmpty();
    CString key = macro.GetKeyText();
    if (key.IsEmpty())
        key.Format("Alt+%d", (row + 1) % 10);
    m_macroList.SetItemText(row, 0, !recorded ? CString(kEmptyRow) : macro.name.IsEmpty() ? CString("[无名]") : macro.name);
    m_macroList.SetItemText(row, 1, key);
}

void CPreferencesDlg::ShowMacro(int row)
{
    const CUserMacro& macro = m_macros[(size_t)row + 1];
    const bool recorded = !macro.kinds.IsEmpty();
    const bool filling = m_filling;
    m_filling = true;
    SetText(IDC_MACRO_SLOT_NAME, macro.name);
    m_macroHotKey.SetHotKey(macro.vk, macro.modifiers);
    Enable(IDC_MACRO_SLOT_NAME, recorded);
    Enable(IDC_MACRO_HOT_KEY, recorded);
    m_filling = filling;
}

void CPreferencesDlg::OnMacroSelected(NMHDR* header, LRESULT* result)
{
    *result = 0;
    const int row = NewlySelected(header);
    if (m_filling || row < 0 || row >= kMacroRows)
        return;
    MacroRow() = row;
    ShowMacro(row);
}

void CPreferencesDlg::OnMacroNameChange()
{
    if (m_filling)
        return;
    m_macros[(size_t)MacroRow() + 1].name = Text(IDC_MACRO_SLOT_NAME);
    RefreshMacroRow(MacroRow());
}

void CPreferencesDlg::OnMacroRemove()
{
    m_macros[(size_t)MacroRow() + 1].Clear();
    RefreshMacroRow(MacroRow());
    ShowMacro(MacroRow());
}

void CPreferencesDlg::OnMacroMove(UINT id)
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

void CPreferencesDlg::OnMacroHotKey()
{
    CUserMacro& macro = m_macros[(size_t)MacroRow() + 1];
    ReadHotKey(m_macroHotKey, macro.vk, macro.modifiers);
    RefreshMacroRow(MacroRow());
}

bool CPreferencesDlg::ReadMacroSetFile(const char* path)
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

bool CPreferencesDlg::WriteMacroSetFile(const char* path) const
{
    return SaveUserMacros(path, m_macros);
}

void CPreferencesDlg::OnLoadMacroSet()
{
    CString path = ChooseFile(true, kMacroSetFilter, "加载宏", nullptr, "工具", "");
    if (!path.IsEmpty())
        ReadMacroSetFile(path);
}

void CPreferencesDlg::OnSaveMacroSet()
{
    CString path = ChooseFile(false, kMacroSetFilter, "保存宏", ".宏", "工具", "");
    if (!path.IsEmpty())
        WriteMacroSetFile(path);
}
