#include "editor/dialogs/PreferencesDlg.h"
#include "editor/res/resource.h"
#include "editor/settings/KeyboardMacros.h"
#include "editor/settings/UserTools.h"
#include "editor/util/Registry.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <dlgs.h>

#include <string>
#include <vector>

namespace {

// Stands in for the IDE program: records what the dialog asks of it, and what the settings
// held when the open views were told to take them.
class FakeHost : public PreferencesHost {
public:
    explicit FakeHost(const CEditorSettings& settings) : m_settings(settings) {}
    bool MultiInstance() const override { return multiInstance; }
    void SetMultiInstance(bool allowed) override { multiInstance = allowed; }
    void ApplyToOpenViews() override
    {
        ++viewsApplied;
        tabSizeSeen = m_settings.view.tabSize;
        backgroundSeen = m_settings.view.colors[CViewSettings::kColorBackground];
    }
    void RefreshOutputFont() override { ++outputFontRefreshed; }
    void RefreshPanelFilters() override { ++panelFiltersRefreshed; }

    bool multiInstance = false;
    int viewsApplied = 0;
    int outputFontRefreshed = 0;
    int panelFiltersRefreshed = 0;
    int tabSizeSeen = 0;
    uint32_t backgroundSeen = 0;

private:
    const CEditorSettings& m_settings;
};

class PreferencesTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        PreferencesPage() = 1;
        FontPageTab() = 0;
    }

    // Runs the dialog with its script, then the scripts of the dialogs it opens; its result.
    int Run(DialogDriver::Script script, std::initializer_list<DialogDriver::Script> opened = {})
    {
        CPreferencesDlg dialog({settings, tools, macros, folder.Path().c_str()}, host);
        DialogDriver driver{script};
        for (const DialogDriver::Script& s : opened)
            driver.Queue(s);
        const int result = dialog.DoModal();
        scriptsRun = driver.ScriptsRun();
        return result;
    }

    static void SelectCategory(DialogDriver& d, int page)
    {
        HWND tree = d.Item(IDC_PREF_CATEGORIES);
        for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextVisible(tree, item)) {
            TVITEM data = {};
            data.mask = TVIF_PARAM;
            data.hItem = item;
            TreeView_GetItem(tree, &data);
            if (data.lParam == page)
                TreeView_SelectItem(tree, item);
        }
    }

    static void SelectRow(DialogDriver& d, int listId, int row)
    {
        ListView_SetItemState(d.Item(listId), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    }

    static CString RowText(DialogDriver& d, int listId, int row, int column = 0)
    {
        char text[256] = {};
        ListView_GetItemText(d.Item(listId), row, column, text, sizeof text);
        return text;
    }

    int scriptsRun = 0;
    TempDir folder;
    CEditorSettings settings;
    UserToolTable tools;
    MacroSlotTable macros;
    FakeHost host{settings};
};

TEST_F(PreferencesTest, NumbersAreClampedToTheirRangesOnOkAndDroppedOnCancel)
{
    struct Case {
        int id;
        const char* typed;
        int CViewSettings::*setting;
        int expected;
    };
    const Case cases[] = {
        {IDC_TAB_SIZE, "abc", &CViewSettings::tabSize, 1},
        {IDC_WRAP_INDENT, " -5", &CViewSettings::wrapIndent, 0},
        {IDC_LINE_SPACING, "20", &CViewSettings::lineSpacingPercent, 50},
        {IDC_CARET_WIDTH, "0", &CViewSettings::caretWidthPercent, 1},
        {IDC_LINE_DIGITS, "7x", &CViewSettings::lineNumberDigits, 7},
        {IDC_MARKER2_COLUMN, "200", &CViewSettings::marker2Column, 160},
        {IDC_FIXED_WRAP_WIDTH, "999", &CViewSettings::fixedWrapWidth, 160},
    };
    const CViewSettings before = settings.view;
    auto type = [&](DialogDriver& d) {
        d.Click(IDC_FIXED_WRAP);
        d.Click(IDC_MARKER2);
        for (const Case& c : cases)
            d.SetText(c.id, c.typed);
        d.Click(IDC_MARKER2);  // a column is read even with its marker off
        d.SetText(IDC_MARGIN_LEFT, "150");
        d.SetText(IDC_MARGIN_TOP, "-3");
        d.SetText(IDC_MARGIN_RIGHT, "12");
    };
    EXPECT_EQ(IDCANCEL, Run([&](DialogDriver& d) {
        type(d);
        d.PressCancel();
    }));
    for (const Case& c : cases)
        EXPECT_EQ(before.*c.setting, settings.view.*c.setting) << c.typed;
    EXPECT_EQ(0, host.viewsApplied);

    EXPECT_EQ(IDOK, Run([&](DialogDriver& d) {
        type(d);
        d.PressOK();
    }));
    for (const Case& c : cases)
        EXPECT_EQ(c.expected, settings.view.*c.setting) << c.typed;
    EXPECT_EQ(1000, settings.view.printMargins[0]);
    EXPECT_EQ(0, settings.view.printMargins[1]);
    EXPECT_EQ(120, settings.view.printMargins[2]);
}

TEST_F(PreferencesTest, ControlsShowTheSettingsAndTheirDependentStates)
{
    settings.view.fixedWrapWidth = 0;
    settings.view.marker1On = 1;
    settings.view.marker1Column = 77;
    settings.view.marker2On = 0;
    settings.view.showLineNumbers = 1;
    settings.view.printHeader = 0;
    settings.view.printMargins[2] = 125;
    settings.backupMode = 0;
    host.multiInstance = true;
    Run([&](DialogDriver& d) {
        EXPECT_EQ("80", d.GetText(IDC_FIXED_WRAP_WIDTH));
        EXPECT_FALSE(d.IsEnabled(IDC_FIXED_WRAP_WIDTH));
        EXPECT_EQ("77", d.GetText(IDC_MARKER1_COLUMN));
        EXPECT_TRUE(d.IsEnabled(IDC_MARKER1_COLUMN));
        EXPECT_FALSE(d.IsEnabled(IDC_MARKER2_COLUMN));
        EXPECT_FALSE(d.IsEnabled(IDC_SHOW_SELECTION_MARGIN));
        EXPECT_EQ(1, d.GetCheck(IDC_MULTI_INSTANCE));
        EXPECT_EQ("12", d.GetText(IDC_MARGIN_RIGHT));
        EXPECT_FALSE(d.IsEnabled(IDC_HEADER_CENTRE));
        EXPECT_FALSE(d.IsEnabled(IDC_HEADER_CENTRE_VARS));
        EXPECT_FALSE(d.IsEnabled(IDC_BACKUP_SUFFIX));
        EXPECT_TRUE(d.IsEnabled(IDC_BACKUP_FOLDER_BROWSE) == false);  // no folder chooser given
        d.Click(IDC_SHOW_LINE_NUMBERS);
        EXPECT_TRUE(d.IsEnabled(IDC_SHOW_SELECTION_MARGIN));
        d.Click(IDC_BACKUP_BEFORE_OPEN);
        EXPECT_TRUE(d.IsEnabled(IDC_BACKUP_SUFFIX));
        EXPECT_EQ(0, d.GetCheck(IDC_BACKUP_NONE));
        d.SetText(IDC_BACKUP_SUFFIX, "");
        d.Click(IDC_MULTI_INSTANCE);
        d.PressOK();
    });
    EXPECT_EQ(2, settings.backupMode);
    EXPECT_TRUE(settings.backupSuffix.IsEmpty());
    EXPECT_EQ(0, settings.view.showLineNumbers);
    EXPECT_FALSE(host.multiInstance);
}

// Each page applies only its own controls: a check box left out of every page would be
// shown but never stored.
TEST_F(PreferencesTest, EveryCheckBoxOfEveryPageReachesItsSettingOnOk)
{
    struct Case {
        int id;
        int CEditorSettings::*setting;
        int CViewSettings::*viewSetting;
    };
    const Case cases[] = {
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
        {IDC_SHOW_SELECTION_MARGIN, nullptr, &CViewSettings::showSelectionMargin},
        {IDC_SHOW_LINE_NUMBERS, nullptr, &CViewSettings::showLineNumbers},
        {IDC_HIGHLIGHT_LINE, nullptr, &CViewSettings::highlightCurrentLine},
        {IDC_HIGHLIGHT_PAIR, nullptr, &CViewSettings::highlightMatchingPair},
        {IDC_BOLD_KEYWORDS, nullptr, &CViewSettings::boldKeywords},
        {IDC_ITALIC_COMMENTS, nullptr, &CViewSettings::italicComments},
        {IDC_SHOW_TABS, nullptr, &CViewSettings::showTabs},
        {IDC_SHOW_LINE_ENDS, nullptr, &CViewSettings::showLineEnds},
        {IDC_PRINT_HEADER, nullptr, &CViewSettings::printHeader},
        {IDC_PRINT_FOOTER, nullptr, &CViewSettings::printFooter},
        {IDC_PRINT_LINE_NUMBERS, nullptr, &CViewSettings::printLineNumbers},
        {IDC_PRINT_SYNTAX_COLOURS, nullptr, &CViewSettings::printSyntaxColours},
        {IDC_NEW_DOCUMENT_AT_START, &CEditorSettings::newDocumentAtStart, nullptr},
        {IDC_REOPEN_AT_START, &CEditorSettings::reopenWorkspaceAtStart, nullptr},
        {IDC_TABS_TO_SPACES, &CEditorSettings::tabsToSpacesOnSave, nullptr},
        {IDC_STRIP_TRAILING, &CEditorSettings::stripTrailingOnSave, nullptr},
        {IDC_SAVE_UNIX, &CEditorSettings::saveUnixLineEnds, nullptr},
        {IDC_SAVE_REMOTE_UNIX, &CEditorSettings::saveRemoteUnixLineEnds, nullptr},
    };
    auto setting = [&](const Case& c) -> int& {
        return c.setting ? settings.*c.setting : settings.view.*c.viewSetting;
    };
    for (const Case& c : cases)
        setting(c) = 0;
    Run([&](DialogDriver& d) {
        // The selection margin is clicked while line numbers, which disable it, are still off.
        for (const Case& c : cases)
            EXPECT_TRUE(d.Click(c.id)) << c.id;
        d.PressOK();
    });
    for (const Case& c : cases)
        EXPECT_EQ(1, setting(c)) << c.id;
}

// The 关联 page's lists and buttons reached no handler in the preferences dialog: choosing an
// extension showed nothing and 关联 associated nothing.
TEST_F(PreferencesTest, AssociationsPageAnswersItsListsAndButtons)
{
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".zzq", nullptr, "zzqfile"));
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, "zzqfile", nullptr, "ZZQ 图纸"));
    PreferencesPage() = 7;
    CString chosen, description;
    bool associated = false, restored = false;
    Run([&](DialogDriver& d) {
        const int row = (int)::SendDlgItemMessage(d.Dialog(), IDC_ALL_EXTENSIONS, LB_FINDSTRINGEXACT, (WPARAM)-1,
                                                  (LPARAM) ".zzq");
        ASSERT_GE(row, 0);
        d.Select(IDC_ALL_EXTENSIONS, row);
        chosen = d.GetText(IDC_EXTENSION);
        description = d.GetText(IDC_ASSOCIATION_DESCRIPTION);
        d.Click(IDC_ASSOCIATE_EXTENSION);
        associated = d.GetItemText(IDC_EDITED_EXTENSIONS, d.GetSelection(IDC_EDITED_EXTENSIONS)) == ".zzq";
        d.Click(IDC_RESTORE_EXTENSION);
        restored = ::SendDlgItemMessage(d.Dialog(), IDC_EDITED_EXTENSIONS, LB_FINDSTRINGEXACT, (WPARAM)-1,
                                        (LPARAM) ".zzq") == LB_ERR;
        d.PressCancel();
    });
    EXPECT_STREQ(".zzq", chosen);
    EXPECT_STREQ("ZZQ 图纸", description);
    EXPECT_TRUE(associated);
    EXPECT_TRUE(restored);
    CString type;
    RegReadString(HKEY_CLASSES_ROOT, ".zzq", nullptr, type);
    EXPECT_STREQ("zzqfile", type);
    RegRemoveKey(HKEY_CLASSES_ROOT, ".zzq");
    RegRemoveKey(HKEY_CLASSES_ROOT, "zzqfile");
}

TEST_F(PreferencesTest, ThePageLastShownOpensNextTimeAndShowsOnlyItsControls)
{
    Run([&](DialogDriver& d) {
        EXPECT_TRUE(d.IsVisible(IDC_TAB_SIZE));
        EXPECT_FALSE(d.IsVisible(IDC_FILTERS));
        SelectCategory(d, 10);
        EXPECT_TRUE(d.IsVisible(IDC_FILTERS));
        EXPECT_FALSE(d.IsVisible(IDC_TAB_SIZE));
        d.PressCancel();
    });
    EXPECT_EQ(10, PreferencesPage());
    PreferencesPage() = 3;
    FontPageTab() = 1;
    Run([&](DialogDriver& d) {
        EXPECT_FALSE(d.IsVisible(IDC_FILTERS));
        EXPECT_TRUE(d.IsVisible(IDC_PRINTER_FONTS));
        EXPECT_FALSE(d.IsVisible(IDC_SCREEN_FONTS));
        EXPECT_EQ(4, ListView_GetItemCount(d.Item(IDC_PRINTER_FONTS)));
        EXPECT_EQ(6, ListView_GetItemCount(d.Item(IDC_SCREEN_FONTS)));
        d.PressCancel();
    });
}

TEST_F(PreferencesTest, CategoriesListsAndTabsReadTheirTextsAndArrowButtonsShowIcons)
{
    PreferencesPage() = 3;
    Run([&](DialogDriver& d) {
        HWND tree = d.Item(IDC_PREF_CATEGORIES);
        std::vector<std::string> categories;
        for (HTREEITEM item = TreeView_GetRoot(tree); item; item = TreeView_GetNextVisible(tree, item)) {
            char text[64] = {};
            TVITEM data = {};
            data.mask = TVIF_TEXT;
            data.hItem = item;
            data.pszText = text;
            data.cchTextMax = sizeof text;
            TreeView_GetItem(tree, &data);
            categories.push_back(text);
        }
        EXPECT_EQ((std::vector<std::string>{"通用", "可视化", "颜色", "字体", "打印", "文件", "备份", "关联",
                                            "过滤器", "语法类型", "工具", "用户工具", "用户宏"}),
                  categories);
        EXPECT_STREQ("缺省", RowText(d, IDC_SCREEN_FONTS, 0));
        EXPECT_STREQ("定制 5", RowText(d, IDC_SCREEN_FONTS, 5));
        EXPECT_STREQ("输出窗口", RowText(d, IDC_OTHER_FONTS, 1));
        const struct {
            int id;
            int column;
            const char* text;
        } headers[] = {{IDC_SCREEN_FONTS, 0, "范围"}, {IDC_SCREEN_FONTS, 2, "尺寸"}, {IDC_FILTERS, 0, "文件类型"},
                       {IDC_SYNTAX_TYPES, 0, "语法类型"}};
        for (const auto& h : headers) {
            char text[64] = {};
            LVCOLUMN column = {};
            column.mask = LVCF_TEXT;
            column.pszText = text;
            column.cchTextMax = sizeof text;
            ListView_GetColumn(d.Item(h.id), h.column, &column);
            EXPECT_STREQ(h.text, text) << h.id;
        }
        char tab[64] = {};
        TCITEM item = {};
        item.mask = TCIF_TEXT;
        item.pszText = tab;
        item.cchTextMax = sizeof tab;
        TabCtrl_GetItem(d.Item(IDC_COLOR_TABS), 1, &item);
        EXPECT_STREQ("关键词颜色", tab);
        for (int id : {IDC_FILTER_UP, IDC_FILTER_DOWN, IDC_SYNTAX_UP, IDC_SYNTAX_DOWN, IDC_TOOL_UP, IDC_TOOL_DOWN,
                       IDC_MACRO_UP, IDC_MACRO_DOWN, IDC_HEADER_LEFT_VARS, IDC_FOOTER_RIGHT_VARS,
                       IDC_TOOL_ARGUMENT_MENU, IDC_TOOL_FOLDER_MENU}) {
            HWND button = d.Item(id);
            EXPECT_TRUE((::GetWindowLongA(button, GWL_STYLE) & BS_ICON) && ::SendMessageA(button, BM_GETIMAGE, IMAGE_ICON, 0))
                << id;
        }
        d.PressCancel();
    });
}

// The face names the open font dialog lists.
int ListedFaces(DialogDriver& d)
{
    return (int)::SendDlgItemMessage(d.Dialog(), cmb1, CB_GETCOUNT, 0, 0);
}

void DoubleClickRow(DialogDriver& d, int listId, int row)
{
    NMITEMACTIVATE click = {};
    click.hdr.hwndFrom = d.Item(listId);
    click.hdr.idFrom = (UINT_PTR)listId;
    click.hdr.code = NM_DBLCLK;
    click.iItem = row;
    ::SendMessage(d.Dialog(), WM_NOTIFY, (WPARAM)listId, (LPARAM)&click);
}

TEST_F(PreferencesTest, FontDialogsOfferFixedPitchForColumnModeAndStoreTenthsOfAPoint)
{
    PreferencesPage() = 3;
    FontPageTab() = 2;
    int columnModeFaces = 0, outputFaces = 0, printerFaces = 0;
    CString chosenFace;
    Run(
        [&](DialogDriver& d) {
            DoubleClickRow(d, IDC_OTHER_FONTS, -1);  // the empty area: nothing opens
            DoubleClickRow(d, IDC_OTHER_FONTS, 0);
            DoubleClickRow(d, IDC_OTHER_FONTS, 1);
            EXPECT_EQ("12", RowText(d, IDC_OTHER_FONTS, 1, 2));
            DoubleClickRow(d, IDC_PRINTER_FONTS, 0);
            d.PressOK();
        },
        {
            [&](DialogDriver& d) {
                columnModeFaces = ListedFaces(d);
                d.PressCancel();
            },
            [&](DialogDriver& d) {
                outputFaces = ListedFaces(d);
                chosenFace = d.GetItemText(cmb1, outputFaces - 1);
                d.Select(cmb1, outputFaces - 1);
                ::SendDlgItemMessage(d.Dialog(), cmb3, CB_SETCURSEL, (WPARAM)-1, 0);
                d.SetText(cmb3, "12");
                d.PressOK();
            },
            [&](DialogDriver& d) {
                printerFaces = ListedFaces(d);
                d.PressCancel();
            },
        });
    EXPECT_EQ(4, scriptsRun);
    EXPECT_GT(columnModeFaces, 0);
    EXPECT_LT(columnModeFaces, outputFaces);
    EXPECT_GT(printerFaces, 0);
    EXPECT_EQ(120, settings.otherFonts[1].lfHeight);
    EXPECT_EQ(chosenFace, settings.otherFonts[1].lfFaceName);
}

TEST_F(PreferencesTest, OkAppliesToOpenViewsAfterTheSettingsChangeAndWritesTheFiles)
{
    settings.view.colors[CViewSettings::kColorBackground] = RGB(1, 2, 3);
    PreferencesPage() = 4;
    Run([&](DialogDriver& d) {
        d.SetText(IDC_TAB_SIZE, "8");
        d.Select(IDC_COLOR_SCHEMES, 3);
        d.Click(IDC_LOAD_COLORS);
        d.PressOK();
    });
    EXPECT_EQ(1, host.viewsApplied);
    EXPECT_EQ(8, host.tabSizeSeen);
    EXPECT_EQ(RGB(0, 0, 0), host.backgroundSeen);
    EXPECT_EQ(RGB(255, 255, 255), settings.view.colors[CViewSettings::kColorNormalText]);
    EXPECT_EQ(1, host.outputFontRefreshed);
    EXPECT_EQ(1, host.panelFiltersRefreshed);

    CEditorSettings reread;
    EXPECT_TRUE(LoadConfig((folder / "vuze.配置").c_str(), reread));
    EXPECT_EQ(8, reread.view.tabSize);
    ColorTable colors = {};
    EXPECT_TRUE(LoadColorScheme((folder / "vuze.配色").c_str(), colors));
    EXPECT_EQ(RGB(0, 0, 0), colors[40]);
}

TEST_F(PreferencesTest, ApplyThenCancelKeepsTheAppliedSettings)
{
    Run([&](DialogDriver& d) {
        d.SetText(IDC_TAB_SIZE, "65");
        d.Click(IDC_PREF_APPLY);
        d.SetText(IDC_TAB_SIZE, "3");
        d.PressCancel();
    });
    EXPECT_EQ(64, settings.view.tabSize);
    EXPECT_EQ(1, host.viewsApplied);
}

TEST_F(PreferencesTest, AColourDialogOpensOnTheSwatchColourAndSetsItsWholeGroup)
{
    settings.view.colors[31] = RGB(1, 2, 3);
    settings.view.colors[32] = RGB(200, 0, 0);
    PreferencesPage() = 4;
    Run(
        [&](DialogDriver& d) {
            ::SendMessage(d.Dialog(), WM_COMMAND, MAKEWPARAM(IDC_SWATCH_NORMAL_TEXT, STN_CLICKED),
                          (LPARAM)d.Item(IDC_SWATCH_NORMAL_TEXT));
            d.PressOK();
        },
        {[&](DialogDriver& d) { d.PressOK(); }});
    EXPECT_EQ(2, scriptsRun);
    for (int entry : {31, 32, 34, 35})
        EXPECT_EQ(RGB(1, 2, 3), settings.view.colors[entry]) << entry;
}

TEST_F(PreferencesTest, VariableMenusReplaceTheSelectionAndHotKeysReachTheRow)
{
    PreferencesPage() = 12;
    settings.view.printHeader = 1;
    settings.view.headerCentre = "第页";
    Run([&](DialogDriver& d) {
        ::SendDlgItemMessage(d.Dialog(), IDC_HEADER_CENTRE, EM_SETSEL, 1, 2);
        ::SendMessage(d.Dialog(), WM_COMMAND, ID_PRINT_VARIABLE_FIRST + 7 + 3, 0);  // HEADER1 > 页号
        EXPECT_EQ("第$(页码)", d.GetText(IDC_HEADER_CENTRE));
        SelectRow(d, IDC_TOOLS, 2);
        d.SetText(IDC_TOOL_ARGUMENTS, "-n ");
        ::SendDlgItemMessage(d.Dialog(), IDC_TOOL_ARGUMENTS, EM_SETSEL, 3, 3);
        ::SendMessage(d.Dialog(), WM_COMMAND, ID_ARG_LINE_NUMBER, 0);  // 行号
        ::SendMessage(d.Dialog(), WM_COMMAND, ID_ARG_FOLDER_WORD, 0);  // the folder menu's 文件目录
        d.Focus(IDC_TOOL_HOT_KEY);
        ::SendDlgItemMessage(d.Dialog(), IDC_TOOL_HOT_KEY, HKM_SETHOTKEY, MAKEWORD(VK_F7, HOTKEYF_CONTROL), 0);
        MSG keyUp = {d.Item(IDC_TOOL_HOT_KEY), WM_KEYUP, VK_F7, 0};
        CWnd::FromHandle(d.Dialog())->PreTranslateMessage(&keyUp);
        EXPECT_EQ("Ctrl+F7", RowText(d, IDC_TOOLS, 2, 1));
        d.PressOK();
    });
    EXPECT_EQ("第$(页码)", settings.view.headerCentre);
    EXPECT_EQ("-n $(行号)", tools[3].arguments);
    EXPECT_EQ("$(文件目录)", tools[3].initialFolder);
    EXPECT_EQ(VK_F7, tools[3].vk);
    EXPECT_EQ(kModCtrl, tools[3].modifiers);
}

TEST_F(PreferencesTest, ColorSchemeFilesRoundTripAndBadOnesChangeWholeColoursOrNothing)
{
    CPreferencesDlg dialog({settings, tools, macros, folder.Path().c_str()}, host);
    dialog.SetPresetColors(1);
    const std::string saved = folder / "灰.配色";
    ASSERT_TRUE(dialog.WriteColorSchemeFile(saved.c_str()));
    EXPECT_EQ(212u, TempDir::ReadFile(saved).size());
    uint32_t expected[kColorCount];
    std::copy(dialog.WorkingColors(), dialog.WorkingColors() + kColorCount, expected);

    dialog.SetPresetColors(3);
    EXPECT_TRUE(dialog.ReadColorSchemeFile(saved.c_str()));
    EXPECT_TRUE(std::equal(expected, expected + kColorCount, dialog.WorkingColors()));

    const std::string header = "\xD1\xD5\xC9\xAB\xC9\xE8\xD6\xC3 1.0";  // "颜色设置 1.0" in GBK
    ASSERT_EQ(12u, header.size());
    // Entry 40, then three bytes of entry 41: only entry 40 changes.
    EXPECT_TRUE(dialog.ReadColorSchemeFile(folder.WriteFile("短.配色", header + std::string("\x11\x22\x33\x00\x44\x55\x66", 7)).c_str()));
    EXPECT_EQ(0x332211u, dialog.WorkingColors()[40]);
    EXPECT_EQ(expected[41], dialog.WorkingColors()[41]);

    struct Bad {
        const char* name;
        std::string bytes;
    };
    const Bad bad[] = {
        {"头.配色", std::string("颜色设置 2.0") + std::string(200, '\0')},
        {"高.配色", header + std::string("\x01\x02\x03\x00\x01\x02\x03\x7F", 8)},
        {"空.配色", ""},
    };
    for (const Bad& b : bad) {
        EXPECT_FALSE(dialog.ReadColorSchemeFile(folder.WriteFile(b.name, b.bytes).c_str())) << b.name;
        EXPECT_EQ(0x332211u, dialog.WorkingColors()[40]) << b.name;
    }
    EXPECT_FALSE(dialog.ReadColorSchemeFile((folder / "无.配色").c_str()));
}

TEST_F(PreferencesTest, SwatchPresetsSetEveryEntryOfTheirGroupAndKeepTheRest)
{
    settings.view.colors[0] = 0x123456;
    settings.view.colors[45] = 0x654321;
    CPreferencesDlg dialog({settings, tools, macros, folder.Path().c_str()}, host);
    dialog.SetPresetColors(3);
    const uint32_t* c = dialog.WorkingColors();
    for (int entry : {31, 32, 34, 35})
        EXPECT_EQ(RGB(255, 255, 255), c[entry]) << entry;
    for (int entry : {1, 3, 4, 33})
        EXPECT_EQ(RGB(192, 192, 192), c[entry]) << entry;
    EXPECT_EQ(RGB(0, 0, 0), c[40]);
    EXPECT_EQ(0x123456u, c[0]);
    EXPECT_EQ(0x654321u, c[45]);
}

TEST_F(PreferencesTest, FilterAndSyntaxRowsAreEditedInPlaceAndReachTheSettingsOnOk)
{
    settings.fileFilters[0].Set("墨语言", "*.墨", "墨");
    settings.fileFilters[1].Set("C 文件", "*.c;*.h", "c");
    settings.fileFilters[2].Set("文本", "*.txt", "txt");
    settings.lastFileFilter = 2;
    settings.panelFilter = 1;
    settings.syntaxTypes[0].Set("墨", "MO.SPC", "MO.KEY");
    PreferencesPage() = 10;
    Run([&](DialogDriver& d) {
        EXPECT_EQ(32, ListView_GetItemCount(d.Item(IDC_FILTERS)));
        EXPECT_EQ("C 文件 (*.c;*.h)", RowText(d, IDC_FILTERS, 1));
        EXPECT_EQ("- 空 -", RowText(d, IDC_FILTERS, 3));
        SelectRow(d, IDC_FILTERS, 1);
        EXPECT_EQ("*.c;*.h", d.GetText(IDC_FILTER_EXT));
        d.SetText(IDC_FILTER_EXT, "");
        EXPECT_EQ("C 文件", RowText(d, IDC_FILTERS, 1));
        SelectRow(d, IDC_FILTERS, 0);
        d.Click(IDC_FILTER_UP);  // the first row stays
        d.Click(IDC_FILTER_DOWN);
        EXPECT_EQ("墨语言 (*.墨)", RowText(d, IDC_FILTERS, 1));
        SelectRow(d, IDC_FILTERS, 2);
        d.Click(IDC_FILTER_REMOVE);
        EXPECT_EQ("- 空 -", RowText(d, IDC_FILTERS, 2));
        SelectCategory(d, 9);
        SelectRow(d, IDC_SYNTAX_TYPES, 0);
        d.SetText(IDC_SYNTAX_DESC, "墨语言");
        EXPECT_EQ("墨语言", RowText(d, IDC_SYNTAX_TYPES, 0));
        d.PressOK();
    });
    EXPECT_EQ("C 文件", settings.fileFilters[0].Description());
    EXPECT_TRUE(settings.fileFilters[0].Patterns().IsEmpty());
    EXPECT_EQ("墨语言", settings.fileFilters[1].Description());
    EXPECT_TRUE(settings.fileFilters[2].Description().IsEmpty());
    EXPECT_EQ(0, settings.lastFileFilter);  // it pointed at a row now empty
    EXPECT_EQ(1, settings.panelFilter);
    EXPECT_EQ("墨语言", settings.syntaxTypes[0].Description());
    EXPECT_EQ("MO.SPC", settings.syntaxTypes[0].SpecFile());
}

TEST_F(PreferencesTest, AToolAndAMacroEditedOnTheirPagesAreReadBackByTheShell)
{
    tools[1].name = "编译";
    tools[1].command = "mc.exe";
    AppendMacroStep(macros[2], MacroStep{kStepChar, 65});
    macros[2].name = "旧";
    PreferencesPage() = 12;
    Run([&](DialogDriver& d) {
        EXPECT_EQ(15, ListView_GetItemCount(d.Item(IDC_TOOLS)));
        EXPECT_EQ("Ctrl+1", RowText(d, IDC_TOOLS, 0, 1));
        EXPECT_EQ("Ctrl+0", RowText(d, IDC_TOOLS, 9, 1));
        EXPECT_EQ("", RowText(d, IDC_TOOLS, 10, 1));
        SelectRow(d, IDC_TOOLS, 1);
        d.SetText(IDC_TOOL_NAME, "运行");
        d.SetText(IDC_TOOL_COMMAND, "run.bat");
        d.Click(IDC_TOOL_CAPTURE);
        EXPECT_FALSE(d.IsEnabled(IDC_TOOL_CLOSE_ON_EXIT));
        EXPECT_EQ("运行", RowText(d, IDC_TOOLS, 1));
        d.Click(IDC_TOOL_UP);
        EXPECT_EQ("运行", RowText(d, IDC_TOOLS, 0));

        SelectCategory(d, 13);
        EXPECT_EQ("- 空 -", RowText(d, IDC_MACROS, 0));
        EXPECT_EQ("旧", RowText(d, IDC_MACROS, 1));
        EXPECT_EQ("Alt+0", RowText(d, IDC_MACROS, 9, 1));
        SelectRow(d, IDC_MACROS, 0);
        EXPECT_FALSE(d.IsEnabled(IDC_MACRO_SLOT_NAME));
        SelectRow(d, IDC_MACROS, 1);
        d.SetText(IDC_MACRO_SLOT_NAME, "");
        EXPECT_EQ("[无名]", RowText(d, IDC_MACROS, 1));
        d.PressOK();
    });
    UserToolTable readTools;
    ASSERT_EQ(SetFileLoad::kLoaded, LoadToolFile((folder / "vuze.工具").c_str(), readTools));
    EXPECT_EQ("运行", readTools[1].name);
    EXPECT_EQ("run.bat", readTools[1].command);
    EXPECT_EQ(1, readTools[1].captureOutput);
    EXPECT_EQ("编译", readTools[2].name);
    MacroSlotTable readMacros;
    ASSERT_EQ(SetFileLoad::kLoaded, LoadMacroFile((folder / "vuze.宏").c_str(), readMacros));
    EXPECT_TRUE(readMacros[2].name.IsEmpty());
    EXPECT_EQ(1, readMacros[2].kinds.GetCount());
}

TEST_F(PreferencesTest, ToolAndMacroSetsAreSavedAndLoadedAndBadOnesRefusedWithAMessage)
{
    tools[4].name = "打包";
    AppendMacroStep(macros[3], MacroStep{kStepChar, 65});
    CPreferencesDlg saver({settings, tools, macros, folder.Path().c_str()}, host);
    const std::string toolSet = folder / "a.工具", macroSet = folder / "a.宏";
    ASSERT_TRUE(saver.WriteToolSetFile(toolSet.c_str()));
    ASSERT_TRUE(saver.WriteMacroSetFile(macroSet.c_str()));

    UserToolTable noTools;
    MacroSlotTable noMacros;
    CPreferencesDlg loader({settings, noTools, noMacros, folder.Path().c_str()}, host);
    ScopedMessageBoxHook boxes;
    EXPECT_TRUE(loader.ReadToolSetFile(toolSet.c_str()));
    EXPECT_TRUE(loader.ReadMacroSetFile(macroSet.c_str()));
    EXPECT_EQ(0, boxes.Count());

    // Cut short inside the records: refused whole, with the shell's message.
    const std::string whole = TempDir::ReadFile(toolSet);
    const std::string cut = folder.WriteFile("cut.工具", whole.substr(0, whole.size() - 5));
    const std::string macroCut = folder.WriteFile("cut.宏", TempDir::ReadFile(macroSet).substr(0, 20));
    CPreferencesDlg refuser({settings, noTools, noMacros, folder.Path().c_str()}, host);
    EXPECT_FALSE(refuser.ReadToolSetFile(cut.c_str()));
    EXPECT_FALSE(refuser.ReadMacroSetFile(macroCut.c_str()));
    ASSERT_EQ(2, boxes.Count());
    EXPECT_EQ(SetFileRefusalMessage(cut.c_str()), boxes.Boxes()[0].text);
    // Nothing of the refused files reached the copies.
    refuser.WriteToolSetFile((folder / "after.工具").c_str());
    UserToolTable after;
    ASSERT_EQ(SetFileLoad::kLoaded, LoadToolFile((folder / "after.工具").c_str(), after));
    EXPECT_TRUE(after[4].name.IsEmpty());
}

} // namespace
