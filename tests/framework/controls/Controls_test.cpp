#include "framework/Controls.h"

#include "TestWindow.h"

#include <gtest/gtest.h>

namespace {

const CRect kPlace(10, 10, 200, 120);

} // namespace

TEST(ControlsTest, ListBoxItemsWithChineseTextAndRangeChecks)
{
    TestWindow parent;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | LBS_NOTIFY | WS_VSCROLL, kPlace, &parent, 100));
    EXPECT_EQ(0, list.AddString("第一项"));
    EXPECT_EQ(1, list.AddString("第二项"));
    EXPECT_EQ(1, list.InsertString(1, "插入"));
    EXPECT_EQ(3, list.GetCount());
    list.SetItemData(2, 42);

    CString text;
    EXPECT_EQ(6, list.GetText(2, text));
    EXPECT_STREQ("第二项", text);
    EXPECT_EQ(42u, list.GetItemData(2));
    EXPECT_EQ(LB_ERR, list.GetText(3, text));
    EXPECT_STREQ("", text);
    EXPECT_EQ(LB_ERR, list.GetText(-1, text));

    EXPECT_EQ(2, list.FindStringExact(-1, "第二项"));
    EXPECT_EQ(LB_ERR, list.FindStringExact(-1, "第二"));
    EXPECT_EQ(0, list.FindString(-1, "第一"));
    EXPECT_EQ(LB_ERR, list.GetCurSel());
    EXPECT_EQ(1, list.SelectString(-1, "插"));
    EXPECT_EQ(1, list.GetCurSel());
    list.DeleteString(0);
    EXPECT_EQ(0, list.GetCurSel());
}

TEST(ControlsTest, ListBoxTabStopsAndHorizontalExtent)
{
    TestWindow parent;
    CListBox list;
    ASSERT_TRUE(list.Create(WS_VISIBLE | WS_HSCROLL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, kPlace, &parent, 104));
    list.SetHorizontalExtent(2560);
    EXPECT_EQ(2560, list.GetHorizontalExtent());
    EXPECT_TRUE(list.SetTabStops(32));
    int stops[] = {16, 48};
    EXPECT_TRUE(list.SetTabStops(2, stops));
    EXPECT_TRUE(list.SetTabStops());
    CListBox noStops;
    ASSERT_TRUE(noStops.Create(WS_VISIBLE, kPlace, &parent, 105));
    EXPECT_FALSE(noStops.SetTabStops(32));
}

TEST(ControlsTest, ComboBoxItemsAndSelection)
{
    TestWindow parent;
    CComboBox combo;
    ASSERT_TRUE(combo.Create(WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, kPlace, &parent, 101));
    combo.AddString("甲");
    combo.AddString("乙");
    EXPECT_EQ(2, combo.GetCount());
    EXPECT_EQ(CB_ERR, combo.GetCurSel());
    EXPECT_EQ(1, combo.SetCurSel(1));
    CString text;
    combo.GetLBText(combo.GetCurSel(), text);
    EXPECT_STREQ("乙", text);
    combo.GetWindowText(text);
    EXPECT_STREQ("乙", text);
    EXPECT_EQ(CB_ERR, combo.GetLBText(5, text));
    EXPECT_STREQ("", text);
    EXPECT_EQ(0, combo.SelectString(-1, "甲"));
    combo.ResetContent();
    EXPECT_EQ(0, combo.GetCount());
}

TEST(ControlsTest, EditLinesAndSelection)
{
    TestWindow parent;
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL, kPlace, &parent, 102));
    edit.SetWindowText("第一行\r\n\r\nthird");
    EXPECT_EQ(3, edit.GetLineCount());
    EXPECT_STREQ("第一行", edit.GetLine(0));
    EXPECT_STREQ("", edit.GetLine(1));
    EXPECT_STREQ("third", edit.GetLine(2));
    EXPECT_STREQ("", edit.GetLine(3));
    EXPECT_STREQ("", edit.GetLine(-1));

    edit.SetWindowText("abc\r\nxyz");
    edit.SetSel(1, 3);
    int start = -1, end = -1;
    edit.GetSel(start, end);
    EXPECT_EQ(1, start);
    EXPECT_EQ(3, end);
    edit.ReplaceSel("首");
    EXPECT_STREQ("a首", edit.GetLine(0));
    EXPECT_EQ(1, edit.LineFromChar(edit.LineIndex(1)));
    EXPECT_TRUE(edit.GetModify());
    edit.SetModify(FALSE);
    EXPECT_FALSE(edit.GetModify());
}

TEST(ControlsTest, CheckBoxAndStaticText)
{
    TestWindow parent;
    CButton check;
    ASSERT_TRUE(check.Create("选项", WS_VISIBLE | BS_AUTOCHECKBOX, kPlace, &parent, 103));
    EXPECT_EQ(BST_UNCHECKED, check.GetCheck());
    check.SetCheck(BST_CHECKED);
    EXPECT_EQ(BST_CHECKED, check.GetCheck());
    EXPECT_EQ((UINT)BS_AUTOCHECKBOX, check.GetButtonStyle());

    CStatic label;
    ASSERT_TRUE(label.Create("标签", WS_VISIBLE | SS_LEFT, CRect(0, 130, 100, 150), &parent));
    CString text;
    label.GetWindowText(text);
    EXPECT_STREQ("标签", text);
    EXPECT_EQ(0xFFFF, label.GetDlgCtrlID());
}
