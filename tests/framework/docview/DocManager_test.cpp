#include "DocViewTestApp.h"

#include "framework/CmdUI.h"
#include "framework/CommandIds.h"
#include "framework/MessageBox.h"
#include "framework/RecentFileList.h"

#include <shlobj.h>

namespace {

CString MenuText(HMENU menu, int position)
{
    char text[512] = {};
    ::GetMenuStringA(menu, static_cast<UINT>(position), text, sizeof text, MF_BYPOSITION);
    return text;
}

TEST_F(DocViewTest, NewDocumentsAreTitledFromTheNewFileNameOfTheDocString)
{
    CTestDoc* first = NewDoc();
    CTestDoc* second = NewDoc();
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_STREQ(first->GetTitle(), "新文件1");
    EXPECT_STREQ(second->GetTitle(), "新文件2");
    EXPECT_TRUE(second->GetPathName().IsEmpty());
    CString childTitle;
    FrameOf(second)->GetWindowText(childTitle);
    EXPECT_STREQ(childTitle, "新文件2");
    EXPECT_EQ(Main().MDIGetActive(), FrameOf(second));
}

TEST_F(DocViewTest, OpeningAnOpenFileActivatesItsDocument)
{
    CString pathA = WriteDoc("a.tdoc", "a");
    CString pathB = WriteDoc("b.tdoc", "b");
    CTestDoc* a = Open(pathA);
    CTestDoc* b = Open(pathB);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(Main().MDIGetActive(), FrameOf(b));

    CString sameFileOtherSpelling = pathA;
    sameFileOtherSpelling.MakeUpper();
    EXPECT_EQ(Open(sameFileOtherSpelling), a);
    EXPECT_EQ(DocumentCount(), 2);
    EXPECT_EQ(Main().MDIGetActive(), FrameOf(a));
    EXPECT_EQ(Manager().FindOpenDocument(pathB), b);
    EXPECT_EQ(Manager().FindOpenDocument(CString(m_dir.Path().c_str()) + "\\c.tdoc"), nullptr);
}

// An opener with more to say than a path fills the new document itself; the manager still
// matches, activates an open document and makes and drops frames.
TEST_F(DocViewTest, ALoaderOpensInPlaceOfTheDocumentsOwnOpen)
{
    CString path = WriteDoc("a.tdoc", "a");
    std::vector<CString> loaded;
    auto load = [&loaded](CDocument&, LPCTSTR given) -> BOOL {
        loaded.push_back(given);
        return TRUE;
    };
    CDocument* a = Manager().OpenDocumentFile(path, load);
    ASSERT_NE(a, nullptr);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_STREQ(loaded[0], path);
    EXPECT_STREQ(a->GetPathName(), path);
    EXPECT_EQ(Manager().OpenDocumentFile(path, load), a);
    EXPECT_EQ(loaded.size(), 1u) << "an open document is only activated";

    EXPECT_EQ(Manager().OpenDocumentFile(WriteDoc("b.tdoc", "b"), [](CDocument&, LPCTSTR) { return FALSE; }),
              nullptr);
    EXPECT_EQ(DocumentCount(), 1);
}

TEST_F(DocViewTest, DocumentIterationVisitsEveryOpenDocumentInOrder)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    CTestDoc* untitled = NewDoc();
    CTestDoc* b = Open(WriteDoc("b.tdoc", "b"));
    std::vector<CDocument*> seen;
    for (auto position = Manager().GetFirstDocumentPosition(); !position.IsEnd();)
        seen.push_back(Manager().GetNextDocument(position));
    EXPECT_EQ(seen, (std::vector<CDocument*>{a, untitled, b}));
    EXPECT_EQ(Manager().GetOpenDocumentCount(), 3);
}

TEST(RecentFileListTest, KeepsTheNewestFirstWithoutDuplicates)
{
    CRecentFileList list(ID_FILE_MRU_FILE1, 10);
    for (int i = 0; i < 12; ++i) {
        CString name;
        name.Format("C:\\f%d.tdoc", i);
        list.Add(name);
    }
    EXPECT_EQ(list.GetCount(), 10);
    EXPECT_STREQ(list[0], "C:\\f11.tdoc");
    EXPECT_STREQ(list[9], "C:\\f2.tdoc");
    list.Add("c:\\F5.TDOC");
    EXPECT_EQ(list.GetCount(), 10);
    EXPECT_STREQ(list[0], "c:\\F5.TDOC");
    EXPECT_STREQ(list[1], "C:\\f11.tdoc");
    EXPECT_STREQ(list[10], "");
    EXPECT_STREQ(list.GetDisplayName(0), "&1 c:\\F5.TDOC");
    EXPECT_STREQ(list.GetDisplayName(9), "1&0 C:\\f2.tdoc");
}

TEST_F(DocViewTest, OpenedAndSavedFilesGoToTheHeadOfTheRecentFileList)
{
    CString pathA = WriteDoc("a.tdoc", "a");
    CString pathB = WriteDoc("b.tdoc", "b");
    Open(pathA);
    Open(pathB);
    CRecentFileList& list = *Manager().GetRecentFileList();
    ASSERT_EQ(list.GetCount(), 2);
    EXPECT_STREQ(list[0], pathB);
    EXPECT_STREQ(list[1], pathA);
    Open(pathA);  // already open: only activated, the list stays
    EXPECT_STREQ(list[0], pathB);
}

TEST_F(DocViewTest, FileMenuShowsTheRecentFiles)
{
    CString pathA = WriteDoc("a&b.tdoc", "a");
    CString pathB = WriteDoc("b.tdoc", "b");
    HMENU menu = ::LoadMenuA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME));
    HMENU file = ::GetSubMenu(menu, 0);
    int before = ::GetMenuItemCount(file);

    UpdateMenuCommandUI(file, &Main(), TRUE);
    EXPECT_EQ(::GetMenuItemCount(file), before);
    EXPECT_STREQ(MenuText(file, 3), "最近文件");
    EXPECT_NE(::GetMenuState(file, 3, MF_BYPOSITION) & MF_GRAYED, 0u);

    Open(pathA);
    Open(pathB);
    UpdateMenuCommandUI(file, &Main(), TRUE);
    EXPECT_EQ(::GetMenuItemCount(file), before + 1);
    EXPECT_STREQ(MenuText(file, 3), CString("&1 ") + pathB);
    CString escaped = pathA;
    escaped.Replace("&", "&&");
    EXPECT_STREQ(MenuText(file, 4), CString("&2 ") + escaped);
    EXPECT_EQ(::GetMenuItemID(file, 4), ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(::GetMenuState(file, 4, MF_BYPOSITION) & MF_GRAYED, 0u);
    ::DestroyMenu(menu);
}

TEST_F(DocViewTest, RecentFileCommandOpensThroughTheApplication)
{
    CString pathA = WriteDoc("a.tdoc", "a");
    CString pathB = WriteDoc("b.tdoc", "b");
    Open(pathA);
    Open(pathB);
    Manager().CloseAllDocuments(FALSE);
    ASSERT_EQ(DocumentCount(), 0);
    int opens = m_app->m_opens;
    Command(ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(m_app->m_opens, opens + 1);
    ASSERT_EQ(DocumentCount(), 1);
    EXPECT_STREQ(Main().GetActiveDocument()->GetPathName(), pathA);
    EXPECT_STREQ((*Manager().GetRecentFileList())[0], pathA);
}

TEST_F(DocViewTest, RecentFileThatNoLongerOpensLeavesTheList)
{
    CString pathA = WriteDoc("a.tdoc", "a");
    Open(pathA);
    Manager().CloseAllDocuments(FALSE);
    ::DeleteFileA(pathA);
    ScopedMessageBoxHook boxes;
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(boxes.Count(), 1);
    EXPECT_EQ(Manager().GetRecentFileList()->GetCount(), 0);
}

TEST_F(DocViewTest, SaveAllModifiedStopsWhenTheUserCancels)
{
    CTestDoc* a = Open(WriteDoc("a.tdoc", "a"));
    CTestDoc* b = Open(WriteDoc("b.tdoc", "b"));
    a->SetModifiedFlag();
    b->SetModifiedFlag();
    {
        ScopedMessageBoxHook boxes{IDCANCEL};
        EXPECT_FALSE(Manager().SaveAllModified());
        EXPECT_EQ(boxes.Count(), 1);
    }
    {
        ScopedMessageBoxHook boxes{IDNO, IDNO};
        EXPECT_TRUE(Manager().SaveAllModified());
        EXPECT_EQ(boxes.Count(), 2);
    }
}

TEST_F(DocViewTest, SaveAllDocumentsSavesEachModifiedOne)
{
    CString pathA = WriteDoc("a.tdoc", "a");
    CString pathB = WriteDoc("b.tdoc", "b");
    CTestDoc* a = Open(pathA);
    CTestDoc* b = Open(pathB);
    a->m_text = "A2";
    a->SetModifiedFlag();
    b->m_text = "B2";  // not marked modified: stays as it is on disk
    EXPECT_TRUE(Manager().SaveAllDocuments());
    EXPECT_FALSE(a->IsModified());
    EXPECT_EQ(TempDir::ReadFile(std::string(pathA)), "A2");
    EXPECT_EQ(TempDir::ReadFile(std::string(pathB)), "b");
}

TEST_F(DocViewTest, CloseAllDocumentsClosesEveryFrame)
{
    Open(WriteDoc("a.tdoc", "a"));
    NewDoc();
    Manager().CloseAllDocuments(FALSE);
    EXPECT_EQ(DocumentCount(), 0);
    EXPECT_EQ(Main().MDIGetActive(), nullptr);
}

// Files dropped on the frame arrive as a DROPFILES block with a double-zero-ended name list.
HGLOBAL MakeDrop(const std::vector<CString>& names)
{
    size_t size = sizeof(DROPFILES) + 1;
    for (const CString& name : names)
        size += static_cast<size_t>(name.GetLength()) + 1;
    HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, size);
    auto* drop = static_cast<DROPFILES*>(::GlobalLock(block));
    drop->pFiles = sizeof(DROPFILES);
    char* cursor = reinterpret_cast<char*>(drop) + sizeof(DROPFILES);
    for (const CString& name : names) {
        memcpy(cursor, static_cast<LPCTSTR>(name), static_cast<size_t>(name.GetLength()));
        cursor += name.GetLength() + 1;
    }
    ::GlobalUnlock(block);
    return block;
}

TEST_F(DocViewTest, DroppedFilesOpenDocumentsThroughTheApplication)
{
    CString pathA = WriteDoc("a.tdoc", "a");
    CString pathB = WriteDoc("b.tdoc", "b");
    Main().SendMessage(WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({pathA, pathB})));
    EXPECT_EQ(m_app->m_opens, 2);
    EXPECT_EQ(DocumentCount(), 2);
    EXPECT_NE(Manager().FindOpenDocument(pathA), nullptr);
    EXPECT_STREQ(Main().GetActiveDocument()->GetPathName(), pathB);
}

} // namespace
