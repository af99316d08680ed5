#include "framework/CommonControls.h"
#include "framework/WinApp.h"

#include "ControlsTestResources.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

TEST(ListFindTest, TextSearchesIgnoreCase)
{
    TestWindow parent;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT, CRect(0, 0, 200, 200), &parent, 200));
    list.InsertColumn(0, "名字", LVCFMT_LEFT, 100);
    for (const char* name : {"Alpha.C", "墨A", "beta", "alphabet"})
        list.InsertItem(list.GetItemCount(), name);
    const struct {
        const char* text;
        UINT flags;
        int start;
        int expected;
    } cases[] = {
        {"alpha.c", LVFI_STRING, -1, 0},
        {"BETA", LVFI_STRING, -1, 2},
        {"墨a", LVFI_STRING, -1, 1},
        {"alpha", LVFI_STRING, -1, -1},
        {"alpha", LVFI_PARTIAL | LVFI_STRING, -1, 0},
        {"alpha", LVFI_PARTIAL | LVFI_STRING, 0, 3},
        {"ALPHA", LVFI_PARTIAL | LVFI_STRING | LVFI_WRAP, 3, 0},
        {"gamma", LVFI_PARTIAL | LVFI_STRING | LVFI_WRAP, -1, -1},
    };
    for (const auto& c : cases) {
        LVFINDINFO info = {};
        info.flags = c.flags;
        info.psz = c.text;
        EXPECT_EQ(c.expected, list.FindItem(&info, c.start)) << c.text << " from " << c.start;
    }
}

namespace {

int CALLBACK CompareData(LPARAM a, LPARAM b, LPARAM direction)
{
    return (int)((a - b) * direction);
}

} // namespace

TEST(TreeSortTest, SortChildrenCBOrdersOnlyThatLevelByItemData)
{
    TestWindow parent;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE, CRect(0, 0, 200, 200), &parent, 201));
    HTREEITEM root = tree.InsertItem("根");
    HTREEITEM other = tree.InsertItem("其他");
    for (int key : {3, 1, 2}) {
        CString name;
        name.Format("项%d", key);
        tree.SetItemData(tree.InsertItem(name, root), key);
        tree.SetItemData(tree.InsertItem(name, other), key);
    }
    TVSORTCB sort = {};
    sort.hParent = root;
    sort.lParam = -1;  // descending
    sort.lpfnCompare = CompareData;
    ASSERT_TRUE(tree.SortChildrenCB(&sort));

    auto order = [&](HTREEITEM parentItem) {
        CString texts;
        for (HTREEITEM i = tree.GetChildItem(parentItem); i; i = tree.GetNextSiblingItem(i))
            texts += tree.GetItemText(i) + " ";
        return texts;
    };
    EXPECT_STREQ("项3 项2 项1 ", order(root));
    EXPECT_STREQ("项3 项1 项2 ", order(other));
}

TEST(AppCursorTest, ResourceAndStandardCursors)
{
    CWinApp app("cursors");
    EXPECT_NE(nullptr, app.LoadCursor(IDC_FRAME_CURSOR));
    EXPECT_EQ(nullptr, app.LoadCursor(9999u));
    EXPECT_EQ(::LoadCursor(nullptr, IDC_IBEAM), app.LoadStandardCursor(IDC_IBEAM));
}
