#include "framework/CommonControls.h"
#include "framework/ImageList.h"

#include "ControlsTestResources.h"
#include "TestWindow.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const CRect kPlace(10, 10, 300, 200);

} // namespace

TEST(CommonControlsTest, ListViewColumnsItemsAndSelectedPositions)
{
    TestWindow parent;
    CListCtrl list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LVS_REPORT | LVS_SHOWSELALWAYS, kPlace, &parent, 200));
    list.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    EXPECT_EQ((DWORD)LVS_EX_FULLROWSELECT, list.GetExtendedStyle() & LVS_EX_FULLROWSELECT);
    EXPECT_EQ(0, list.InsertColumn(0, "宏名字", LVCFMT_LEFT, 159));
    EXPECT_EQ(1, list.InsertColumn(1, "热键", LVCFMT_LEFT, 60));
    EXPECT_EQ(159, list.GetColumnWidth(0));

    for (int i = 0; i < 4; ++i) {
        CString name;
        name.Format("宏%d", i);
        ASSERT_EQ(i, list.InsertItem(i, name));
        list.SetItemText(i, 1, "Alt+1");
        list.SetItemData(i, 100 + i);
    }
    EXPECT_EQ(4, list.GetItemCount());
    EXPECT_STREQ("宏2", list.GetItemText(2, 0));
    EXPECT_STREQ("Alt+1", list.GetItemText(2, 1));
    EXPECT_STREQ("", list.GetItemText(9, 0));
    EXPECT_EQ(103u, list.GetItemData(3));

    EXPECT_EQ(nullptr, list.GetFirstSelectedItemPosition());
    list.SetItemState(1, LVIS_SELECTED, LVIS_SELECTED);
    list.SetItemState(3, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(2u, list.GetSelectedCount());
    std::vector<int> selected;
    POSITION position = list.GetFirstSelectedItemPosition();
    while (position && selected.size() < 10)
        selected.push_back(list.GetNextSelectedItem(position));
    EXPECT_EQ((std::vector<int>{1, 3}), selected);

    EXPECT_TRUE(list.DeleteItem(0));
    EXPECT_STREQ("宏1", list.GetItemText(0, 0));
}

TEST(CommonControlsTest, TreeViewNavigationTextDataAndImages)
{
    TestWindow parent;
    CTreeCtrl tree;
    ASSERT_TRUE(tree.Create(WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_EDITLABELS, kPlace, &parent, 201));
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_ARROWS, 9, 1, RGB(255, 0, 255)));
    tree.SetImageList(&images, TVSIL_NORMAL);
    EXPECT_EQ(images.GetSafeHandle(), tree.GetImageList(TVSIL_NORMAL));

    HTREEITEM root = tree.InsertItem("项目", 0, 1);
    HTREEITEM first = tree.InsertItem("源文件", root);
    HTREEITEM second = tree.InsertItem("头文件", 2, 2, root);
    ASSERT_NE(nullptr, second);
    EXPECT_EQ(3u, tree.GetCount());
    EXPECT_EQ(root, tree.GetRootItem());
    EXPECT_EQ(first, tree.GetChildItem(root));
    EXPECT_EQ(second, tree.GetNextSiblingItem(first));
    EXPECT_EQ(nullptr, tree.GetNextSiblingItem(second));
    EXPECT_EQ(root, tree.GetParentItem(second));
    EXPECT_TRUE(tree.ItemHasChildren(root));
    EXPECT_FALSE(tree.ItemHasChildren(first));

    EXPECT_STREQ("头文件", tree.GetItemText(second));
    EXPECT_STREQ("", tree.GetItemText(nullptr));
    tree.SetItemText(second, "接口文件");
    EXPECT_STREQ("接口文件", tree.GetItemText(second));
    tree.SetItemData(first, 7);
    EXPECT_EQ(7u, tree.GetItemData(first));
    int image = -1, selectedImage = -1;
    ASSERT_TRUE(tree.GetItemImage(root, image, selectedImage));
    EXPECT_EQ(0, image);
    EXPECT_EQ(1, selectedImage);

    EXPECT_TRUE(tree.Expand(root, TVE_EXPAND));
    EXPECT_TRUE(tree.SelectItem(first));
    EXPECT_EQ(first, tree.GetSelectedItem());
    CRect rect;
    ASSERT_TRUE(tree.GetItemRect(first, &rect, TRUE));
    EXPECT_EQ(first, tree.HitTest(rect.CenterPoint()));
    tree.SetImageList(nullptr, TVSIL_NORMAL);
}

TEST(CommonControlsTest, TabItemsTextImagesAndSelection)
{
    TestWindow parent;
    CTabCtrl tabs;
    ASSERT_TRUE(tabs.Create(WS_VISIBLE, kPlace, &parent, 202));
    CImageList images;
    ASSERT_TRUE(images.Create(IDB_ARROWS, 9, 1, RGB(255, 0, 255)));
    tabs.SetImageList(&images);
    EXPECT_EQ(0, tabs.InsertItem(0, "未命名1", 0));
    EXPECT_EQ(1, tabs.InsertItem(1, "文档.墨", 1));
    EXPECT_EQ(2, tabs.GetItemCount());
    EXPECT_STREQ("文档.墨", tabs.GetItemText(1));
    EXPECT_STREQ("", tabs.GetItemText(2));
    EXPECT_EQ(0, tabs.GetCurSel());
    tabs.SetCurSel(1);
    EXPECT_EQ(1, tabs.GetCurSel());
    CRect itemRect;
    ASSERT_TRUE(tabs.GetItemRect(1, &itemRect));
    EXPECT_EQ(1, tabs.HitTest(itemRect.CenterPoint()));
    tabs.SetImageList(nullptr);
}

TEST(CommonControlsTest, ProgressRangePositionAndSteps)
{
    TestWindow parent;
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, CRect(10, 10, 200, 30), &parent, 203));
    progress.SetRange32(0, 1000);
    int lower = -1, upper = -1;
    progress.GetRange(lower, upper);
    EXPECT_EQ(0, lower);
    EXPECT_EQ(1000, upper);
    progress.SetPos(100);
    progress.SetStep(50);
    EXPECT_EQ(100, progress.StepIt());
    EXPECT_EQ(150, progress.GetPos());
    progress.OffsetPos(-20);
    EXPECT_EQ(130, progress.GetPos());
}

TEST(CommonControlsTest, HotKeyKeepsKeyAndModifiers)
{
    TestWindow parent;
    CHotKeyCtrl hotKey;
    ASSERT_TRUE(hotKey.Create(WS_VISIBLE, CRect(10, 10, 200, 30), &parent, 204));
    hotKey.SetHotKey('M', HOTKEYF_CONTROL | HOTKEYF_ALT);
    WORD key = 0, modifiers = 0;
    hotKey.GetHotKey(key, modifiers);
    EXPECT_EQ('M', key);
    EXPECT_EQ(HOTKEYF_CONTROL | HOTKEYF_ALT, modifiers);
    EXPECT_EQ((DWORD)MAKEWORD('M', HOTKEYF_CONTROL | HOTKEYF_ALT), hotKey.GetHotKey());
}

TEST(CommonControlsTest, ToolTipToolsAndTheirTexts)
{
    TestWindow parent;
    CToolTipCtrl tips;
    ASSERT_TRUE(tips.Create(&parent));
#ifdef NDEBUG
    // No parent is a caller's fault that assertions stop; without them it is refused.
    EXPECT_FALSE(tips.Create(nullptr));
#endif
    ASSERT_TRUE(tips.AddTool(&parent, "http://www.example.com/墨", nullptr, 1));
    EXPECT_EQ(1, tips.GetToolCount());
    EXPECT_STREQ("http://www.example.com/墨", tips.GetText(&parent, 1));
    tips.UpdateTipText("新目标", &parent, 1);
    EXPECT_STREQ("新目标", tips.GetText(&parent, 1));
    EXPECT_STREQ("", tips.GetText(&parent, 2));
    tips.DelTool(&parent, 1);
    EXPECT_EQ(0, tips.GetToolCount());
}
