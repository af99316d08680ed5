#include "editor/dialogs/DocumentDialogs.h"

#include "editor/document/WrenDoc.h"
#include "editor/res/resource.h"
#include "framework/AppEnvironment.h"
#include "framework/DialogDriver.h"
#include "framework/MessageBox.h"
#include "tests/support/staged_program_folder.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The application's side of the document commands: the reload-as dialog as the IDE runs it.
class DialogShell : public IDocumentShell {
public:
    bool PromptNewFileName(CString&) override { return false; }
    bool PromptRemoteSaveAs(int&, CString&) override { return false; }
    bool ChooseReloadEncoding(int& index) override { return RunReloadAsDialog(nullptr, index); }
    void ShowFormats() override {}
    void PostReload() override {}
};

class DocumentDialogsTest : public ::testing::Test {
protected:
    DocumentDialogsTest() : m_folder(StagedProgramFolder().c_str())
    {
        DocumentServices() = CDocumentServices();
        DocumentServices().shell = &m_shell;
        DocumentServices().summaryDialog = &m_summary;
        m_doc.m_bAutoDelete = FALSE;
    }
    ~DocumentDialogsTest() override { DocumentServices() = CDocumentServices(); }

    std::string Open(const std::string& name, const std::string& bytes, DWORD attributes = 0)
    {
        const std::string path = m_dir.WriteFile(name, bytes);
        if (attributes)
            ::SetFileAttributesA(path.c_str(), attributes);
        EXPECT_TRUE(m_doc.OnOpenDocument(path.c_str()));
        m_doc.SetPathName(path.c_str(), FALSE);
        if (attributes)
            ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        return path;
    }
    // The menu command, routed as the frame hands it to the active document.
    void Command(UINT id) { EXPECT_TRUE(m_doc.OnCmdMsg(id, CN_COMMAND, nullptr, nullptr)); }
    std::string Line(LineIndex n) const
    {
        const CTextLine* line = m_doc.GetText().GetLine(n);
        return line ? std::string(line->GetText(), (size_t)line->GetLength()) : std::string();
    }
    void Modify()
    {
        CUndoGroup group(m_doc.GetText(), 1);
        m_doc.GetText().InsertString(0, 0, "x", 1);
    }

    ScopedProgramFolder m_folder;
    TempDir m_dir;
    ScopedMessageBoxHook m_boxes;
    DialogShell m_shell;
    CDocumentSummaryDialog m_summary;
    CWrenDoc m_doc;
};

} // namespace

TEST_F(DocumentDialogsTest, SummaryCommandShowsTheDocumentsFigures)
{
    const std::string path = Open("s.txt", "ab cd\r\n\r\nef", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    std::vector<CString> shown;
    int readOnly = -1, hidden = -1, system = -1;
    DialogDriver driver{[&](DialogDriver& d) {
        for (int id : {IDC_INFO_PATH, IDC_INFO_ENCODING, IDC_INFO_FORMAT, IDC_INFO_SIZE, IDC_INFO_LINES,
                       IDC_INFO_BYTES})
            shown.push_back(d.GetText(id));
        readOnly = d.GetCheck(IDC_INFO_READ_ONLY);
        hidden = d.GetCheck(IDC_INFO_HIDDEN);
        system = d.GetCheck(IDC_INFO_SYSTEM);
        EXPECT_FALSE(d.GetText(IDC_INFO_MODIFIED).IsEmpty());
        d.PressOK();
    }};
    Command(ID_FORMAT_SUMMARY);
    EXPECT_EQ(1, driver.ScriptsRun());
    const CDocumentSummary summary = m_doc.GetSummary();
    const std::vector<CString> expected = {path.c_str(), summary.encodingName, summary.lineEndName, "11", "3", "11"};
    EXPECT_EQ(expected, shown) << "the full path, not the title";
    EXPECT_EQ(BST_CHECKED, readOnly);
    EXPECT_EQ(BST_CHECKED, hidden);
    EXPECT_EQ(BST_UNCHECKED, system);
}

// A UTF-8 file without a mark is read as ANSI; reloading it as UTF-8 through the dialog
// converts it. A modified document asks first, and No keeps the edits.
TEST_F(DocumentDialogsTest, ReloadAsRunsTheDialogAndAsksBeforeDroppingEdits)
{
    const std::string path = Open("r.txt", "\xE4\xB8\xAD\r\n");
    EXPECT_EQ("\xE4\xB8\xAD", Line(0));
    int preset = -1;
    DialogDriver driver;
    driver.Queue([&](DialogDriver& d) {
        preset = d.GetSelection(IDC_RELOAD_ENCODING);
        d.Select(IDC_RELOAD_ENCODING, kEncodingUtf8);
        d.PressOK();
    });
    Command(ID_FILE_RELOAD_AS);
    EXPECT_EQ(0, preset) << "automatic detection preset";
    EXPECT_EQ("中", Line(0));
    EXPECT_EQ(kEncodingUtf8, m_doc.GetText().GetEncoding());
    EXPECT_EQ(0, m_boxes.Count()) << "an unmodified document is not asked about";

    Modify();
    for (int answer : {IDNO, IDYES}) {
        driver.Queue([](DialogDriver& d) {
            d.Select(IDC_RELOAD_ENCODING, kEncodingAnsi);
            d.PressOK();
        });
        m_boxes.QueueAnswer(answer);
        Command(ID_FILE_RELOAD_AS);
    }
    ASSERT_EQ(2, m_boxes.Count());
    EXPECT_EQ(path + "\n\n真想重新加载这个文件吗? 你已做的所有修改将会丢失.", std::string(m_boxes.Last().text));
    EXPECT_EQ("\xE4\xB8\xAD", Line(0)) << "Yes reloads as ANSI";
    EXPECT_FALSE(m_doc.IsModified());

    driver.Queue([](DialogDriver& d) { d.PressCancel(); });
    Modify();
    Command(ID_FILE_RELOAD_AS);
    EXPECT_EQ("x\xE4\xB8\xAD", Line(0)) << "Cancel changes nothing";
    EXPECT_EQ(2, m_boxes.Count());
}
