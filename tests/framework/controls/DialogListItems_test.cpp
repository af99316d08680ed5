#include "framework/AppState.h"
#include "framework/Controls.h"
#include "framework/DialogListItems.h"

#include "ControlsTestResources.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM)
{
    return FALSE;
}

// A modeless dialog from a template of the test resources, destroyed with the object.
class TemplateDialog : public CWnd {
public:
    explicit TemplateDialog(UINT templateId)
    {
        Attach(::CreateDialogParam(AfxGetResourceHandle(), MAKEINTRESOURCE(templateId), nullptr, &PlainDialogProc, 0));
    }
    ~TemplateDialog() override { ::DestroyWindow(Detach()); }
};

std::vector<std::string> ComboTexts(CWnd& dialog, int id)
{
    CComboBox combo;
    combo.Attach(::GetDlgItem(dialog, id));
    std::vector<std::string> texts;
    CString text;
    for (int i = 0; i < combo.GetCount(); ++i) {
        combo.GetLBText(i, text);
        texts.push_back((LPCTSTR)text);
    }
    combo.Detach();
    return texts;
}

} // namespace

TEST(DialogListItemsTest, FillsComboAndListBoxesInOrder)
{
    TemplateDialog dialog(IDD_LIST_ITEMS);
    ASSERT_NE(nullptr, dialog.GetSafeHwnd());
    ASSERT_TRUE(LoadDialogListItems(&dialog, IDD_LIST_ITEMS));
    EXPECT_EQ((std::vector<std::string>{"第一项", "第二项", "Third"}), ComboTexts(dialog, IDC_ITEMS_COMBO));
    EXPECT_EQ((std::vector<std::string>{""}), ComboTexts(dialog, IDC_SECOND_COMBO));
    EXPECT_EQ(2, (int)::SendDlgItemMessage(dialog, IDC_ITEMS_LIST, LB_GETCOUNT, 0, 0));
    char text[16] = "";
    ::SendDlgItemMessage(dialog, IDC_ITEMS_LIST, LB_GETTEXT, 1, (LPARAM)text);
    EXPECT_STREQ("乙", text);
}

TEST(DialogListItemsTest, TemplateWithoutItemsIsLeftAlone)
{
    TemplateDialog dialog(IDD_NO_LIST_ITEMS);
    ASSERT_TRUE(LoadDialogListItems(&dialog, IDD_NO_LIST_ITEMS));
    EXPECT_TRUE(ComboTexts(dialog, IDC_ITEMS_COMBO).empty());
}

TEST(DialogListItemsTest, RegressionItemWithoutTerminatorIsNotReadPastTheData)
{
    TemplateDialog dialog(IDD_BAD_LIST_ITEMS);
    EXPECT_FALSE(LoadDialogListItems(&dialog, IDD_BAD_LIST_ITEMS));
    EXPECT_EQ((std::vector<std::string>{"好"}), ComboTexts(dialog, IDC_ITEMS_COMBO));
}

TEST(DialogListItemsTest, ItemsForAControlTheDialogLacksAreRefused)
{
    // The items of IDD_LIST_ITEMS name a list box that this template does not have.
    TemplateDialog dialog(IDD_NO_LIST_ITEMS);
    EXPECT_FALSE(LoadDialogListItems(&dialog, IDD_LIST_ITEMS));
    EXPECT_EQ(3u, ComboTexts(dialog, IDC_ITEMS_COMBO).size());
}
