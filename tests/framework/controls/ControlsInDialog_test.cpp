#include "framework/CommonControls.h"
#include "framework/Controls.h"
#include "framework/DataExchange.h"
#include "framework/Dialog.h"
#include "framework/DialogDriver.h"

#include "ControlsTestResources.h"

#include <gtest/gtest.h>

namespace {

// A framework dialog whose template holds the common controls: they are subclassed into
// their wrappers by data exchange and filled at initialisation, as the IDE's pages do.
class CommonControlsDialog : public CDialog {
public:
    CommonControlsDialog() : CDialog(IDD_COMMON_CONTROLS) {}

    int m_selectedMacro = -1;
    WORD m_hotKey = 0;
    WORD m_hotKeyModifiers = 0;

    CListCtrl m_macros;
    CTreeCtrl m_project;
    CTabCtrl m_pages;
    CProgressCtrl m_progress;
    CHotKeyCtrl m_toolKey;

protected:
    void DoDataExchange(CDataExchange* dx) override
    {
        DDX_Control(dx, IDC_MACRO_LIST, m_macros);
        DDX_Control(dx, IDC_PROJECT_TREE, m_project);
        DDX_Control(dx, IDC_PAGE_TABS, m_pages);
        DDX_Control(dx, IDC_TRANSFER_PROGRESS, m_progress);
        DDX_Control(dx, IDC_TOOL_HOT_KEY, m_toolKey);
    }

    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        m_macros.SetExtendedStyle(LVS_EX_FULLROWSELECT);
        m_macros.InsertColumn(0, "宏名字", LVCFMT_LEFT, 100);
        m_macros.InsertColumn(1, "热键", LVCFMT_LEFT, 60);
        m_macros.InsertItem(0, "- 空 -");
        m_macros.SetItemText(0, 1, "Alt+1");
        m_macros.InsertItem(1, "[无名]");
        m_macros.SetItemText(1, 1, "Alt+2");
        HTREEITEM root = m_project.InsertItem("项目");
        m_project.InsertItem("源文件", root);
        m_project.Expand(root, TVE_EXPAND);
        m_pages.InsertItem(0, "屏幕字体");
        m_pages.InsertItem(1, "打印字体");
        m_progress.SetRange32(0, 100);
        m_progress.SetPos(40);
        m_toolKey.SetHotKey(VK_F7, HOTKEYF_CONTROL);
        return TRUE;
    }

    void OnOK() override
    {
        m_toolKey.GetHotKey(m_hotKey, m_hotKeyModifiers);
        CDialog::OnOK();
    }

    void OnMacroChanged(NMHDR* header, LRESULT*)
    {
        const NMLISTVIEW* change = reinterpret_cast<const NMLISTVIEW*>(header);
        if (change->iItem >= 0 && (change->uNewState & LVIS_SELECTED))
            m_selectedMacro = change->iItem;
    }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CommonControlsDialog, CDialog)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MACRO_LIST, OnMacroChanged)
END_MESSAGE_MAP()

} // namespace

TEST(ControlsInDialogTest, TemplateCommonControlsAreSubclassedFilledAndNotify)
{
    AfxInitCommonControls();
    CommonControlsDialog dialog;
    CString firstRow, hotKeyColumn, tab, treeRoot;
    int progress = -1;
    DialogDriver driver({[&](DialogDriver& d) {
        firstRow = dialog.m_macros.GetItemText(0, 0);
        hotKeyColumn = dialog.m_macros.GetItemText(1, 1);
        tab = dialog.m_pages.GetItemText(1);
        treeRoot = dialog.m_project.GetItemText(dialog.m_project.GetRootItem());
        progress = dialog.m_progress.GetPos();
        // A click on row 1 as the list itself reports it to the dialog.
        LVITEM state = {};
        state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        state.state = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessage(d.Item(IDC_MACRO_LIST), LVM_SETITEMSTATE, 1, (LPARAM)&state);
        ::SendMessage(d.Item(IDC_TOOL_HOT_KEY), HKM_SETHOTKEY, MAKEWORD('Q', HOTKEYF_ALT), 0);
        d.PressOK();
    }});
    ASSERT_EQ(IDOK, dialog.DoModal());
    EXPECT_EQ(0, driver.LeftOpenCount());
    EXPECT_STREQ("- 空 -", firstRow);
    EXPECT_STREQ("Alt+2", hotKeyColumn);
    EXPECT_STREQ("打印字体", tab);
    EXPECT_STREQ("项目", treeRoot);
    EXPECT_EQ(40, progress);
    EXPECT_EQ(1, dialog.m_selectedMacro);
    EXPECT_EQ('Q', dialog.m_hotKey);
    EXPECT_EQ(HOTKEYF_ALT, dialog.m_hotKeyModifiers);
}

namespace {

// The about box's link: a static subclassed by data exchange that makes its tool tip in the
// pre-subclass hook and relays its mouse messages to it from PreTranslateMessage.
class LinkLabel : public CStatic {
public:
    void PreSubclassWindow() override
    {
        ASSERT_TRUE(m_tip.Create(this));
        ASSERT_TRUE(m_tip.AddTool(this, "https://example.org/墨语言", nullptr, 1));
    }
    BOOL PreTranslateMessage(MSG* msg) override
    {
        if (msg->message == WM_MOUSEMOVE)
            ++m_relayedMoves;
        m_tip.RelayEvent(msg);
        return CStatic::PreTranslateMessage(msg);
    }

    CToolTipCtrl m_tip;
    int m_relayedMoves = 0;
};

class LinkDialog : public CDialog {
public:
    LinkDialog() : CDialog(IDD_LIST_ITEMS) {}
    LinkLabel m_link;

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_CHINESE_LABEL, m_link); }
};

} // namespace

TEST(ControlsInDialogTest, SubclassedStaticMakesItsToolTipAndSeesItsMouseMessagesInTheModalLoop)
{
    LinkDialog dialog;
    int toolCount = 0;
    CString toolText;
    DialogDriver driver{[&](DialogDriver& d) {
        toolCount = dialog.m_link.m_tip.GetToolCount();
        toolText = dialog.m_link.m_tip.GetText(&dialog.m_link, 1);
        HWND label = d.Item(IDC_CHINESE_LABEL);
        ::PostMessageA(label, WM_MOUSEMOVE, 0, MAKELPARAM(2, 2));
        ::PostMessageA(label, WM_MOUSEMOVE, 0, MAKELPARAM(3, 2));
        ::PostMessageA(d.Dialog(), WM_COMMAND, IDCANCEL, 0);
        d.KeepOpen();
    }};
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(toolCount, 1);
    EXPECT_STREQ(toolText, "https://example.org/墨语言");
    EXPECT_EQ(dialog.m_link.m_relayedMoves, 2);
    EXPECT_EQ(dialog.m_link.m_hWnd, nullptr) << "let go with the dialog";
}
