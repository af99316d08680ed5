#include "ShellPagesTest.h"
#include "editor/dialogs/AssociationsPage.h"
#include "editor/dialogs/ShellIntegration.h"
#include "editor/res/resource.h"
#include "editor/util/Registry.h"
#include "framework/DialogDriver.h"
#include "framework/AppEnvironment.h"
#include "framework/MessageBox.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

// Forwards the pages' steps and notifications as the preferences dialog does.
class ShellPagesDialog : public CDialog {
public:
    ShellPagesDialog() : CDialog(IDD_TEST_SHELL_PAGES), associations(*this), tools(*this) {}

    CAssociationsPage associations;
    CShellToolsPage tools;

protected:
    BOOL OnInitDialog() override
    {
        CDialog::OnInitDialog();
        associations.Init();
        associations.Layout();
        tools.Layout();
        tools.Load();
        associations.Load();
        associations.Show(true);
        tools.Show(true);
        return TRUE;
    }

private:
    void OnAll() { associations.OnAllExtensionsSelChange(); }
    void OnEdited() { associations.OnEditedExtensionsSelChange(); }
    void OnAssociate() { associations.OnAssociate(); }
    void OnRestore() { associations.OnRestore(); }
    void OnFieldLeft() { associations.OnFieldLeft(); }

    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(ShellPagesDialog, CDialog)
    ON_LBN_SELCHANGE(IDC_ALL_EXTENSIONS, OnAll)
    ON_LBN_SELCHANGE(IDC_EDITED_EXTENSIONS, OnEdited)
    ON_BN_CLICKED(IDC_ASSOCIATE_EXTENSION, OnAssociate)
    ON_BN_CLICKED(IDC_RESTORE_EXTENSION, OnRestore)
    ON_EN_KILLFOCUS(IDC_ASSOCIATION_DESCRIPTION, OnFieldLeft)
END_MESSAGE_MAP()

int IndexOf(DialogDriver& d, int listId, const char* text)
{
    return (int)::SendDlgItemMessage(d.Dialog(), listId, LB_FINDSTRINGEXACT, (WPARAM)-1, (LPARAM)text);
}

} // namespace

TEST(ShellPagesTest, AssociatingShowsAndRestoringTakesBackAnExtension)
{
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, ".zzp", nullptr, "zzpfile"));
    ASSERT_TRUE(RegWriteString(HKEY_CLASSES_ROOT, "zzpfile", nullptr, "ZZP 图纸"));
    CAssociationsPage::CurrentExtension() = ".zzp";
    ShellPagesDialog dialog;
    CString description, command, selectedEdited, afterRestore;
    bool listedBefore = false, ignoredDot = false, restoredKept = false;
    RECT placed = {};
    DialogDriver driver{[&](DialogDriver& d) {
        ::GetWindowRect(d.Item(IDC_ALL_EXTENSIONS), &placed);
        ::MapWindowPoints(nullptr, d.Dialog(), (POINT*)&placed, 2);
        listedBefore = d.GetSelection(IDC_ALL_EXTENSIONS) == IndexOf(d, IDC_ALL_EXTENSIONS, ".zzp");
        d.SetText(IDC_EXTENSION, " .");
        d.Click(IDC_ASSOCIATE_EXTENSION);
        ignoredDot = d.GetCount(IDC_EDITED_EXTENSIONS) == 0 || IndexOf(d, IDC_EDITED_EXTENSIONS, ".") < 0;
        d.SetText(IDC_EXTENSION, " ZZP ");
        d.Click(IDC_ASSOCIATE_EXTENSION);
        description = d.GetText(IDC_ASSOCIATION_DESCRIPTION);
        command = d.GetText(IDC_ASSOCIATION_COMMAND);
        selectedEdited = d.GetItemText(IDC_EDITED_EXTENSIONS, d.GetSelection(IDC_EDITED_EXTENSIONS));
        d.Click(IDC_RESTORE_EXTENSION);
        restoredKept = IndexOf(d, IDC_ALL_EXTENSIONS, ".zzp") >= 0 && IndexOf(d, IDC_EDITED_EXTENSIONS, ".zzp") < 0;
        afterRestore = d.GetText(IDC_EXTENSION);
        d.PressOK();
    }};
    dialog.DoModal();
    EXPECT_EQ(180, placed.left);
    EXPECT_EQ(36, placed.top);
    EXPECT_TRUE(listedBefore);
    EXPECT_TRUE(ignoredDot);
    EXPECT_STREQ("ZZP 图纸", description) << "the earlier type's description";
    EXPECT_NE(-1, command.Find(ShellNames::Running().executable));
    EXPECT_STREQ(".zzp", selectedEdited);
    EXPECT_TRUE(restoredKept) << "the extension still has its earlier type";
    EXPECT_STREQ(CAssociationsPage::CurrentExtension(), afterRestore);
    CString type;
    RegReadString(HKEY_CLASSES_ROOT, ".zzp", nullptr, type);
    EXPECT_STREQ("zzpfile", type);
    RegRemoveKey(HKEY_CLASSES_ROOT, ".zzp");
    RegRemoveKey(HKEY_CLASSES_ROOT, "zzpfile");
}

TEST(ShellPagesTest, EditsOfTheDescriptionAreWrittenWhenTheFieldIsLeft)
{
    ShellNames names = ShellNames::Running();
    ASSERT_TRUE(AssociateExtension(names, ".zzr"));
    CAssociationsPage::CurrentExtension() = ".zzr";
    ShellPagesDialog dialog;
    DialogDriver driver{[&](DialogDriver& d) {
        d.Focus(IDC_ASSOCIATION_DESCRIPTION);
        d.SetText(IDC_ASSOCIATION_DESCRIPTION, "墨的文件");
        d.Focus(IDC_EXTENSION);
        d.PressOK();
    }};
    dialog.DoModal();
    EXPECT_STREQ("墨的文件", ReadAssociation(".zzr").description);
    EXPECT_TRUE(RestoreExtension(".zzr"));
}

TEST(ShellPagesTest, ToolsPageShowsAndAppliesTheShellSwitches)
{
    TempDir program;
    ScopedProgramFolder folder(program.Path().c_str());
    program.WriteFile("ShellExt.dll", "MZ");
    ShellPagesDialog dialog;
    bool viewSourceVisible = true, extensionVisible = false, applied = false;
    int extensionShown = -1;
    DialogDriver driver{[&](DialogDriver& d) {
        viewSourceVisible = d.IsVisible(IDC_VIEW_SOURCE_EDITOR);
        extensionVisible = d.IsVisible(IDC_EXPLORER_EXTENSION);
        extensionShown = d.GetCheck(IDC_EXPLORER_EXTENSION);
        d.Click(IDC_EXPLORER_EXTENSION);
        applied = dialog.tools.Apply();
        d.PressOK();
    }};
    dialog.DoModal();
    EXPECT_FALSE(viewSourceVisible);
    EXPECT_TRUE(extensionVisible);
    EXPECT_EQ(BST_UNCHECKED, extensionShown);
    EXPECT_TRUE(applied);
    EXPECT_TRUE(IsContextMenuRegistered());
    EXPECT_EQ(ContextMenuStatus::kDone, RegisterContextMenu(false));
}

// The switch names a library that is not installed: refused, said, and left off.
TEST(ShellPagesTest, ToolsPageRefusesAMissingExplorerExtension)
{
    TempDir program;
    ScopedProgramFolder folder(program.Path().c_str());
    ScopedMessageBoxHook boxes;
    ShellPagesDialog dialog;
    bool applied = true;
    int checkAfter = -1;
    DialogDriver driver{[&](DialogDriver& d) {
        d.Click(IDC_EXPLORER_EXTENSION);
        applied = dialog.tools.Apply();
        checkAfter = d.GetCheck(IDC_EXPLORER_EXTENSION);
        d.PressOK();
    }};
    dialog.DoModal();
    EXPECT_FALSE(applied);
    EXPECT_EQ(BST_UNCHECKED, checkAfter);
    EXPECT_FALSE(IsContextMenuRegistered());
    ASSERT_EQ(1, boxes.Count());
    EXPECT_NE(std::string::npos, std::string(boxes.Last().text).find(program / "ShellExt.dll"))
        << boxes.Last().text;
}
