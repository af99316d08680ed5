// Every command the IDE handles can be reached, and every command its menus, accelerators
// and tool bars send has a handler. The resources are the program's own; the handlers are
// the message maps of the application and its command targets, the frames, the view and the
// document.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "editor/document/WrenDoc.h"
#include "editor/inputaids/PaletteBars.h"
#include "editor/res/resource.h"
#include "editor/app/BuildCommands.h"
#include "editor/app/ChildFrame.h"
#include "editor/app/EditorApp.h"
#include "editor/app/MainFrame.h"
#include "editor/app/SetCommands.h"
#include "editor/app/ViewOptionCommands.h"
#include "editor/app/WorkspaceCommands.h"
#include "editor/viewwindow/WrenView.h"
#include "framework/CommandIds.h"
#include "framework/ControlBar.h"
#include "framework/DocManager.h"
#include "framework/MessageMap.h"

namespace {

using IdSet = std::set<UINT>;

// The table of a class and its bases, reached through a class derived for the purpose.
template <class T>
struct MapProbe : T {
    static const MessageMap* Get() { return T::GetThisMessageMap(); }
};

// Adds the ids of every command entry (not update handlers) of the map and its bases.
void AddCommands(const MessageMap* map, IdSet& ids)
{
    for (; map != nullptr; map = map->base ? map->base() : nullptr)
        for (const MessageMapEntry* entry = map->entries; entry->thunk; ++entry)
            if (entry->message == WM_COMMAND && entry->code == 0)
                for (UINT id = entry->firstId; id <= entry->lastId; ++id)
                    ids.insert(id);
}

IdSet HandledCommands()
{
    IdSet ids;
    AddCommands(MapProbe<CEditorApp>::Get(), ids);
    // The application's own command targets, offered each command before the application.
    AddCommands(MapProbe<CBuildCommands>::Get(), ids);
    AddCommands(MapProbe<CViewOptionCommands>::Get(), ids);
    AddCommands(MapProbe<CSetCommands>::Get(), ids);
    AddCommands(MapProbe<CWorkspaceCommands>::Get(), ids);
    AddCommands(MapProbe<CMainFrame>::Get(), ids);
    AddCommands(MapProbe<CChildFrame>::Get(), ids);
    AddCommands(MapProbe<CWrenView>::Get(), ids);
    AddCommands(MapProbe<CWrenDoc>::Get(), ids);
    // The application hands new, open and the recent files to its document manager.
    AddCommands(MapProbe<CDocManager>::Get(), ids);
    return ids;
}

void AddMenuItems(HMENU menu, IdSet& ids)
{
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            AddMenuItems(sub, ids);
            continue;
        }
        const UINT id = ::GetMenuItemID(menu, i);
        if (id != 0 && id != (UINT)-1)
            ids.insert(id);
    }
}

// A tool-bar resource: version, image width and height, button count, then the button ids
// (0 for a separator).
void AddToolBarButtons(LPCSTR name, IdSet& ids)
{
    HRSRC found = ::FindResourceA(nullptr, name, MAKEINTRESOURCEA(241));
    ASSERT_NE(found, nullptr);
    const WORD* data = static_cast<const WORD*>(::LockResource(::LoadResource(nullptr, found)));
    ASSERT_NE(data, nullptr);
    for (WORD i = 0; i < data[3]; ++i)
        if (data[4 + i] != 0)
            ids.insert(data[4 + i]);
}

BOOL CALLBACK CollectToolBar(HMODULE, LPCSTR, LPSTR name, LONG_PTR ids)
{
    AddToolBarButtons(name, *reinterpret_cast<IdSet*>(ids));
    return TRUE;
}

const UINT kMenus[] = {IDR_MAINFRAME, IDR_WRENTYPE, IDR_TAB_MENU, IDR_VIEW_CONTEXT, IDR_WORKSPACE_MENU, IDR_OUTPUT_MENU};

// Every command a user can send: menu items, accelerators and tool-bar buttons (the main
// tool bars and the four palettes).
IdSet ResourceCommands()
{
    IdSet ids;
    for (UINT menu : kMenus) {
        HMENU loaded = ::LoadMenuA(nullptr, MAKEINTRESOURCEA(menu));
        EXPECT_NE(loaded, nullptr) << menu;
        AddMenuItems(loaded, ids);
        ::DestroyMenu(loaded);
    }
    HACCEL table = ::LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(IDR_MAINFRAME));
    EXPECT_NE(table, nullptr);
    ACCEL keys[256];
    const int count = ::CopyAcceleratorTableA(table, keys, 256);
    for (int i = 0; i < count; ++i)
        ids.insert(keys[i].cmd);
    ::EnumResourceNamesA(nullptr, MAKEINTRESOURCEA(241), CollectToolBar, reinterpret_cast<LONG_PTR>(&ids));
    return ids;
}

void AddRange(IdSet& ids, UINT first, UINT last)
{
    for (UINT id = first; id <= last; ++id)
        ids.insert(id);
}

// Handled commands that no menu, accelerator or tool-bar resource names, each with the way
// it is reached.
IdSet ReachedOtherwise()
{
    IdSet ids;
    // Keys the view's key handling runs as commands: Enter and Esc, and the caret keys.
    ids.insert(ID_EDIT_ENTER);
    ids.insert(ID_EDIT_ESCAPE);
    AddRange(ids, ID_CARET_LEFT, ID_CARET_PAGE_DOWN);
    // Code assistance inserts its text through a posted command.
    ids.insert(ID_EDIT_PENDING_INSERT);
    // Find again, which keyboard macros replay.
    ids.insert(ID_SEARCH_FIND_AGAIN_NEXT);
    ids.insert(ID_SEARCH_FIND_AGAIN_PREV);
    // The searches post the step that finds the next or previous occurrence.
    ids.insert(ID_SEARCH_NEXT_OCCURRENCE);
    ids.insert(ID_SEARCH_PREV_OCCURRENCE);
    // The replace dialog's scope "所有打开文件" posts the replace in every open document,
    // which sends each view the reporting replace.
    ids.insert(ID_SEARCH_REPLACE_ALL_IN_OPEN_FILES);
    ids.insert(ID_SEARCH_REPLACE_ALL_REPORTING);
    // Tool slots 11 to 15 have hot keys of the user's choosing only.
    AddRange(ids, ID_TOOL_SLOT_11, ID_TOOL_SLOT_13);
    // Rebuilt at run time from their first item: the recent files, the syntax types, the
    // tool sets and the macro sets.
    AddRange(ids, ID_FILE_MRU_FILE1, ID_FILE_MRU_LAST);
    AddRange(ids, ID_SYNTAX_TYPE_FIRST, ID_SYNTAX_TYPE_LAST);
    AddRange(ids, ID_TOOL_SET_FIRST, ID_TOOL_SET_LAST);
    AddRange(ids, ID_MACRO_SET_FIRST, ID_MACRO_SET_LAST);
    // Buttons of the workspace bar's and the output window's own tool bars, made in code.
    AddRange(ids, ID_VOCABULARY_TABLE_FIRST, ID_VOCABULARY_TABLE_LAST);
    ids.insert(ID_WORKSPACE_SYNC);
    ids.insert(ID_OUTPUT_PREVIOUS);
    ids.insert(ID_OUTPUT_NEXT);
    // The framework's own handlers that the IDE does not offer: print setup, printing
    // without the dialog, vertical tiling, the document's plain close, and the bar toggles
    // of bars without a menu item.
    ids.insert(ID_FILE_PRINT_SETUP);
    ids.insert(ID_FILE_PRINT_DIRECT);
    ids.insert(ID_WINDOW_TILE_VERT);
    ids.insert(ID_FILE_CLOSE);
    AddRange(ids, AFX_IDW_CONTROLBAR_FIRST, AFX_IDW_CONTROLBAR_LAST);
    return ids;
}

std::string List(const IdSet& ids)
{
    std::ostringstream out;
    for (UINT id : ids)
        out << id << ' ';
    return out.str();
}

TEST(CommandReach, EveryHandledCommandCanBeSent)
{
    const IdSet sent = ResourceCommands();
    const IdSet otherwise = ReachedOtherwise();
    IdSet unreachable;
    for (UINT id : HandledCommands())
        if (!sent.count(id) && !otherwise.count(id))
            unreachable.insert(id);
    EXPECT_TRUE(unreachable.empty()) << "handled, but in no menu, accelerator or tool bar: " << List(unreachable);
}

TEST(CommandReach, EveryCommandSentHasAHandler)
{
    const IdSet handled = HandledCommands();
    IdSet unhandled;
    for (UINT id : ResourceCommands())
        if (!handled.count(id) && !IsPaletteCommand(id))
            unhandled.insert(id);
    EXPECT_TRUE(unhandled.empty()) << "sent, but no handler: " << List(unhandled);
}

// The list of ids reached otherwise names only commands that are handled, so that it
// cannot hide a typo.
TEST(CommandReach, CommandsReachedOtherwiseAreHandled)
{
    const IdSet handled = HandledCommands();
    IdSet stale;
    for (UINT id : ReachedOtherwise())
        if (!handled.count(id) && !(id >= AFX_IDW_CONTROLBAR_FIRST && id <= AFX_IDW_CONTROLBAR_LAST) &&
            !(id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_LAST))
            stale.insert(id);
    EXPECT_TRUE(stale.empty()) << List(stale);
}

// The text of the first item with the command in the menu or its submenus; empty when none.
std::string ItemText(HMENU menu, UINT id)
{
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        if (HMENU sub = ::GetSubMenu(menu, i)) {
            const std::string text = ItemText(sub, id);
            if (!text.empty())
                return text;
        } else if (::GetMenuItemID(menu, i) == id) {
            char text[256] = "";
            ::GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
            return text;
        }
    }
    return std::string();
}

// The document window's menu shows each command with its own text, mnemonic and key.
TEST(CommandReach, DocumentMenuTexts)
{
    const struct {
        UINT id;
        const char* text;
    } items[] = {
        {ID_FILE_SAVE, "保存(&S)\tCtrl+S"},
        {ID_FILE_SAVE_AS, "另存为(&A)...\tAlt+Shift+S"},
        {ID_FILE_SAVE_ALL, "全部保存(&L)"},
        {ID_FILE_REMOTE_SAVE_AS, "远程另存为(&A)...\tCtrl+Shift+S"},
        {ID_FILE_RELOAD, "重新载入(&R)"},
        {ID_FILE_RELOAD_AS, "重新载入为(&D)..."},
        {ID_FILE_OPEN, "打开(&O)...\tCtrl+O"},
        {ID_FILE_OPEN_TEMPLATE, "打开模板(&T)...\tAlt+Shift+O"},
        {ID_FILE_REMOTE_OPEN, "远程打开(&O)...\tCtrl+Shift+O"},
        {ID_SYNTAX_AUTO, "自动侦测(&A)"},
        {ID_SYNTAX_PLAIN, "纯文本(&P)"},
        {ID_SYNTAX_CUSTOMIZE, "自定义(&C)..."},
        {ID_FORMAT_LINE_END_DOS, "&DOS 格式 (回车/换行)"},
        {ID_FORMAT_LINE_END_UNIX, "&Unix 格式 (只有换行)"},
        {ID_FORMAT_LINE_END_MAC, "&Mac 格式 (只有回车)"},
        {ID_FORMAT_ENCODING_ANSI, "国标编码或&ASCII编码"},
        {ID_FORMAT_ENCODING_UNICODE, "统一码(&Unicode编码)(低字节序)"},
        {ID_FORMAT_ENCODING_UNICODE_BE, "统一码(U&nicode编码)(高字节序)"},
        {ID_FORMAT_ENCODING_UTF8, "字节转换码(U&TF-8)(带字序标记[BOM])"},
        {ID_FORMAT_ENCODING_UTF8_NO_BOM, "字节转换码(UTF-&8)(不带字序标记[BOM])"},
        {ID_FORMAT_SUMMARY, "概要(&U)..."},
        {ID_EDIT_UNDO, "撤消(&U)\tCtrl+Z"},
        {ID_EDIT_REDO, "重做(&R)\tCtrl+Y"},
        {ID_EDIT_DELETE_KEY, "删除(&D)\tDel"},
        {ID_EDIT_JOIN_LINES, "合并行(&J)"},
        {ID_EDIT_SPLIT_LINE, "拆分行(&S)"},
        {ID_EDIT_DELETE_LINE, "删除行(&E)"},
        {ID_EDIT_DUPLICATE_LINE, "复制行(&U)"},
        {ID_EDIT_DELETE_WORD, "删除词组(&W)"},
        {ID_EDIT_DELETE_PREV_WORD, "删除前一词组(&P)"},
        {ID_EDIT_DELETE_TO_LINE_END, "删除到行尾(&N)"},
        {ID_EDIT_DELETE_TO_LINE_START, "删除到行首(&B)"},
        {ID_EDIT_TABS_TO_SPACES, "转换制表符为空格(&T)"},
        {ID_EDIT_SPACES_TO_TABS, "转换空格为制表符(&S)"},
        {ID_EDIT_LEADING_SPACES_TO_TABS, "转换前导空格为制表符(&L)"},
        {ID_EDIT_REMOVE_TRAILING_BLANKS, "移除尾随空格(&R)"},
        {ID_EDIT_COPY_FILE_PATH, "复制文件路径(&F)"},
        {ID_EDIT_INSERT_BREAK_MARK, "插入断点(&1)"},
        {ID_SEARCH_FIND_PREV, "查找上一个(&P)"},
        {ID_GO_TO_PREV_EDIT, "上一编辑位置(&P)"},
        {ID_VIEW_WORD_WRAP, "自动换行(&W)"},
        {ID_VIEW_SPELL_CHECK, "拼写检查(&K)"},
        {ID_EDIT_COLUMN_MODE, "列模式(&M)\tAlt+C"},
        {ID_VIEW_LINE_NUMBERS, "行号(&N)\tAlt+Shift+L"},
        {ID_VIEW_SHOW_LINE_ENDS, "显示换行符(&B)"},
        {ID_VIEW_TYPES_BAR, "数据类型工具栏"},
        {ID_VIEW_LETTERS_BAR, "数字和字母工具条"},
        {ID_VIEW_OPERATORS_BAR, "运算符工具条"},
        {ID_TOOLS_RESET_DEFAULTS, "恢复系统缺省配置"},
        {ID_TOOLS_DOS_COMMAND, "DOS命令(&S)\tF10"},
        {ID_TOOLS_VIEW_IN_BROWSER, "在浏览器中查看(&B)\tAlt+B"},
        {ID_TOOLS_EXPLORE_FOLDER, "资源管理器中查看"},
        {ID_TOOLS_EVALUATE_LINE, "行求值(&E)\tCtrl+Enter"},
        {ID_MACRO_REPLAY, "执行宏(&R)\tAlt+Enter"},
    };
    HMENU menu = ::LoadMenuA(nullptr, MAKEINTRESOURCEA(IDR_WRENTYPE));
    ASSERT_NE(menu, nullptr);
    for (const auto& item : items)
        EXPECT_EQ(ItemText(menu, item.id), item.text) << item.id;
    ::DestroyMenu(menu);
}

// The tab bar's two menus hold exactly their commands, in order.
TEST(CommandReach, TabMenus)
{
    HMENU menu = ::LoadMenuA(nullptr, MAKEINTRESOURCEA(IDR_TAB_MENU));
    ASSERT_NE(menu, nullptr);
    auto items = [&](int index) {
        std::vector<std::pair<UINT, std::string>> found;
        HMENU sub = ::GetSubMenu(menu, index);
        for (int i = 0; sub && i < ::GetMenuItemCount(sub); ++i) {
            char text[256] = "";
            ::GetMenuStringA(sub, i, text, sizeof text, MF_BYPOSITION);
            if (::GetMenuItemID(sub, i) != 0)
                found.emplace_back(::GetMenuItemID(sub, i), text);
        }
        return found;
    };
    using Items = std::vector<std::pair<UINT, std::string>>;
    EXPECT_EQ(items(0), (Items{{ID_FILE_NEW, "新建"}, {ID_FILE_OPEN, "打开..."},
                               {ID_FILE_OPEN_TEMPLATE, "打开模板..."}, {ID_FILE_REMOTE_OPEN, "远程打开..."}}));
    EXPECT_EQ(items(1), (Items{{ID_WINDOW_CLOSE, "关闭"},
                               {ID_FILE_CLOSE_ALL, "全部关闭"},
                               {ID_FILE_RELOAD, "重新载入"},
                               {ID_FILE_RELOAD_AS, "重新载入为..."},
                               {ID_FILE_SAVE, "保存"},
                               {ID_FILE_SAVE_AS, "另存为..."},
                               {ID_FILE_REMOTE_SAVE_AS, "远程另存为..."},
                               {ID_FILE_PRINT, "打印..."},
                               {ID_FILE_PRINT_PREVIEW, "打印预览"},
                               {ID_PROJECT_ADD_CURRENT, "添加到项目"},
                               {ID_EDIT_COPY_FILE_PATH, "复制文件路径"}}));
    ::DestroyMenu(menu);
}

// Each key the menus name runs that command: the accelerator table agrees with the menus.
TEST(CommandReach, KeysOfTheParts)
{
    const struct {
        BYTE modifiers;
        WORD key;
        UINT id;
    } keys[] = {
        {FALT | FSHIFT, 'S', ID_FILE_SAVE_AS},        {FCONTROL | FSHIFT, 'S', ID_FILE_REMOTE_SAVE_AS},
        {0, VK_F10, ID_TOOLS_DOS_COMMAND},            {FALT, 'B', ID_TOOLS_VIEW_IN_BROWSER},
        {FALT, 'C', ID_EDIT_COLUMN_MODE},             {FALT | FSHIFT, 'L', ID_VIEW_LINE_NUMBERS},
        {FCONTROL | FSHIFT, 'B', ID_VIEW_SHOW_LINE_ENDS}, {FCONTROL, VK_RETURN, ID_TOOLS_EVALUATE_LINE},
        {FALT, VK_RETURN, ID_MACRO_REPLAY},
    };
    HACCEL table = ::LoadAcceleratorsA(nullptr, MAKEINTRESOURCEA(IDR_MAINFRAME));
    ASSERT_NE(table, nullptr);
    ACCEL accels[256];
    const int count = ::CopyAcceleratorTableA(table, accels, 256);
    for (const auto& key : keys) {
        UINT found = 0;
        for (int i = 0; i < count; ++i)
            if (accels[i].key == key.key && (accels[i].fVirt & (FALT | FCONTROL | FSHIFT)) == key.modifiers)
                found = accels[i].cmd;
        EXPECT_EQ(found, key.id) << key.key;
    }
}

} // namespace
