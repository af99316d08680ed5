#include "editor/document/WrenDoc.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "editor/document/BackupFile.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdTarget.h"
#include "framework/CmdUI.h"
#include "framework/MessageBox.h"
#include "tests/support/staged_program_folder.h"
#include "tests/support/temp_dir.h"
#include "undo_replay.h"

namespace {

// The FTP accounts and transfer dialog, answering from a script; a download writes
// downloadText to the local file.
class FakeRemoteFiles : public IRemoteFiles {
public:
    bool GetAccount(int index, CRemoteAccount& account) override
    {
        if (index < 0 || index >= (int)accounts.size())
            return false;
        account = accounts[(size_t)index];
        return true;
    }
    bool AskPassword(int) override
    {
        ++passwordPrompts;
        return passwordAnswer;
    }
    void MarkPasswordGiven(int index) override { accounts[(size_t)index].passwordGiven = true; }
    TransferResult Transfer(bool download, int, const CString& remotePath, const CString& localPath,
                            long long) override
    {
        transfers.push_back(std::string(download ? "download " : "upload ") + (LPCTSTR)remotePath);
        if (result == TransferResult::kDone) {
            if (download)
                TempDirWrite(localPath, downloadText);
            else
                uploaded = TempDir::ReadFile(std::string(localPath));
        }
        return result;
    }
    static void TempDirWrite(const CString& path, const std::string& bytes)
    {
        HANDLE file = ::CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        ::WriteFile(file, bytes.data(), (DWORD)bytes.size(), &written, nullptr);
        ::CloseHandle(file);
    }

    std::vector<CRemoteAccount> accounts;
    bool passwordAnswer = true;
    int passwordPrompts = 0;
    TransferResult result = TransferResult::kDone;
    std::vector<std::string> transfers;
    std::string uploaded;
    std::string downloadText;
};

class FakeShell : public IDocumentShell {
public:
    bool PromptNewFileName(CString& name) override
    {
        ++prompts;
        if (newName.empty())
            return false;
        name = newName.c_str();
        return true;
    }
    bool PromptRemoteSaveAs(int&, CString&) override { return false; }
    bool ChooseReloadEncoding(int&) override { return false; }
    void ShowFormats() override { ++formatsShown; }
    void PostReload() override { ++reloadsPosted; }

    std::string newName;
    int prompts = 0;
    int formatsShown = 0;
    int reloadsPosted = 0;
};

// A view as the document sees it: a caret line and the notifications it got.
class FakeView : public IDocumentWatcher {
public:
    explicit FakeView(CTextDocument& text) : m_text(text) { text.AddWatcher(this); }
    ~FakeView() override { m_text.RemoveWatcher(this); }
    void OnLinesChanged(LineIndex, int) override {}
    void OnLinesInserted(LineIndex, int) override {}
    void OnLinesDeleted(LineIndex, int) override {}
    void OnDocumentRefreshed() override { ++refreshes; }
    void OnDocumentReset() override { ++resets; }
    LineIndex GetCaretLine() const override { return caretLine; }
    void GoToLine(LineIndex line) override { caretLine = line; }

    LineIndex caretLine = 0;
    int refreshes = 0;
    int resets = 0;

private:
    CTextDocument& m_text;
};

class WrenDocTest : public ::testing::Test {
protected:
    WrenDocTest() : m_folder(StagedProgramFolder().c_str())
    {
        CDocumentServices& services = DocumentServices();
        services = CDocumentServices();
        services.remoteFiles = &m_remote;
        services.shell = &m_shell;
        services.settings.remoteCacheFolder = (m_dir / "cache").c_str();
        m_doc.m_bAutoDelete = FALSE;
    }
    ~WrenDocTest() override { DocumentServices() = CDocumentServices(); }

    // Opens a file written with the given bytes.
    std::string Open(const std::string& name, const std::string& bytes)
    {
        const std::string path = m_dir.WriteFile(name, bytes);
        EXPECT_TRUE(m_doc.OnOpenDocument(path.c_str()));
        m_doc.SetPathName(path.c_str(), FALSE);
        return path;
    }
    void Type(const char* text)
    {
        CUndoGroup group(m_doc.GetText(), 1);
        m_doc.GetText().InsertString(0, 0, text, (int)strlen(text));
    }
    std::string Spec() const { return m_doc.GetText().GetLanguageFiles().GetSpecFileName(); }

    ScopedProgramFolder m_folder;
    TempDir m_dir;
    FakeRemoteFiles m_remote;
    FakeShell m_shell;
    ScopedMessageBoxHook m_boxes;
    CWrenDoc m_doc;
};

} // namespace

TEST_F(WrenDocTest, OpenEditSave)
{
    const std::string path = Open("a.墨", "abc\r\n整数 x\r\n");
    EXPECT_EQ(kLineEndDos, m_doc.GetText().GetLineEnd());
    EXPECT_EQ(3, m_doc.GetText().GetLineCount());
    EXPECT_FALSE(Spec().empty()) << "syntax type detected from the extension";
    EXPECT_EQ(CString(path.c_str()), m_doc.GetTitle());
    EXPECT_FALSE(m_doc.IsModified());

    Type("x");
    EXPECT_TRUE(m_doc.IsModified());
    ASSERT_TRUE(m_doc.DoFileSave());
    EXPECT_EQ("xabc\r\n整数 x\r\n", TempDir::ReadFile(path));
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(1, m_doc.GetText().GetSavePointDepth());
    EXPECT_FALSE(m_doc.IsFileChangedOnDisk());
    EXPECT_EQ(0, m_boxes.Count());

    // Another program writes the file: reported once, until the status is read again.
    HANDLE file = ::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    FILETIME changed = m_doc.GetFileStatus().m_lastWriteTime;
    changed.dwHighDateTime += 1;
    ::SetFileTime(file, nullptr, nullptr, &changed);
    ::CloseHandle(file);
    EXPECT_TRUE(m_doc.IsFileChangedOnDisk());
    EXPECT_EQ(1, m_doc.ReadFileStatus());
    EXPECT_FALSE(m_doc.IsFileChangedOnDisk());
}

// A save that cannot reach the disk leaves the document modified, its save point and path
// as they were, and says why.
TEST_F(WrenDocTest, FailedSavesKeepTheDocumentModified)
{
    struct Case {
        const char* name;
        std::function<std::string(TempDir&)> target;
        const char* message;
        std::function<void()> release;
    };
    HANDLE lock = INVALID_HANDLE_VALUE;
    Case cases[] = {
        {"missing folder", [](TempDir& d) { return d / "none\\b.墨"; }, kFailedToSaveDocText, [] {}},
        {"read-only file",
         [](TempDir& d) {
             const std::string p = d.WriteFile("ro.墨", "old");
             ::SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_READONLY);
             return p;
         },
         "- 不允许存储 (目录或文件是只读的吗?)", [] {}},
        {"locked file",
         [&lock](TempDir& d) {
             const std::string p = d.WriteFile("locked.墨", "old");
             lock = ::CreateFileA(p.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
             return p;
         },
         kFailedToSaveDocText, [&lock] { ::CloseHandle(lock); }},
    };
    const std::string path = Open("a.墨", "abc");
    Type("x");
    for (const Case& c : cases) {
        const std::string target = c.target(m_dir);
        EXPECT_FALSE(m_doc.SaveLocal(target.c_str())) << c.name;
        c.release();
        EXPECT_TRUE(m_doc.IsModified()) << c.name;
        EXPECT_EQ(0, m_doc.GetText().GetSavePointDepth()) << c.name;
        EXPECT_EQ(CString(path.c_str()), m_doc.GetPathName()) << c.name;
        EXPECT_NE(std::string::npos, std::string(m_boxes.Last().text).find(c.message)) << c.name;
    }
    EXPECT_EQ("abc", TempDir::ReadFile(path));
}

TEST_F(WrenDocTest, OpenOfAMissingFileFails)
{
    EXPECT_FALSE(m_doc.OnOpenDocument((m_dir / "none.墨").c_str()));
    EXPECT_EQ(CString(kFailedToOpenDocText), m_boxes.Last().text);
}

// Saved under another extension, a document whose type was detected is coloured as the new
// extension says; a type the user chose stays.
TEST_F(WrenDocTest, SaveAsAnotherExtensionDetectsTheSyntaxTypeAgain)
{
    Open("a.墨", "x");
    const std::string moyu = Spec();
    ASSERT_TRUE(m_doc.SaveLocal((m_dir / "a.c").c_str()));
    EXPECT_NE(moyu, Spec());
    EXPECT_FALSE(Spec().empty());

    m_doc.OnSyntaxPlain();
    EXPECT_TRUE(Spec().empty());
    ASSERT_TRUE(m_doc.SaveLocal((m_dir / "b.墨").c_str()));
    EXPECT_TRUE(Spec().empty());
}

TEST_F(WrenDocTest, NewDocumentFromNothingOrFromATemplate)
{
    ASSERT_TRUE(m_doc.OnNewDocument());
    EXPECT_EQ(1, m_doc.GetText().GetLineCount());
    EXPECT_EQ(kEncodingAnsi, m_doc.GetText().GetEncoding());
    EXPECT_EQ(kLineEndDos, m_doc.GetText().GetLineEnd());
    EXPECT_EQ(128u, m_doc.GetFileAttributes());

    const std::string templatePath = m_dir.WriteFile("模板.c", "int main()\n{\n}\n");
    CWrenDoc fromTemplate;
    fromTemplate.m_bAutoDelete = FALSE;
    ASSERT_TRUE(fromTemplate.Open(COpenRequest::NewFromTemplate(templatePath.c_str())));
    EXPECT_EQ(4, fromTemplate.GetText().GetLineCount());
    EXPECT_EQ(kLineEndDos, fromTemplate.GetText().GetLineEnd());
    EXPECT_FALSE(fromTemplate.GetText().GetLanguageFiles().GetSpecFileName().empty());
    EXPECT_TRUE(fromTemplate.GetPathName().IsEmpty());

    // The template went with its request: the next new document is empty.
    CWrenDoc next;
    next.m_bAutoDelete = FALSE;
    ASSERT_TRUE(next.OnNewDocument());
    EXPECT_EQ(1, next.GetText().GetLineCount());
}

// A link naming a keyword file that is missing: the document says so and keeps colouring
// as before.
TEST_F(WrenDocTest, UnreadableLanguageFileIsReportedAndTheOldOneStays)
{
    TempDir program;
    for (const char* folder : {"链接", "规范"})
        ::CreateDirectoryA((program / folder).c_str(), nullptr);
    program.WriteFile("链接\\后缀.c", "语言规范:c.规范\r\n关键词:c.关键词\r\n");
    program.WriteFile("链接\\后缀.墨", "语言规范:c.规范\r\n关键词:缺.关键词\r\n");
    program.WriteFile("规范\\c.规范", "$HEXADECIMALMARK=0x\r\n");
    program.WriteFile("规范\\c.关键词", "[关键词0:]\r\nint\r\n");
    ScopedProgramFolder folder(program.Path().c_str());
    CWrenDoc doc;
    doc.m_bAutoDelete = FALSE;
    const std::string path = m_dir.WriteFile("a.c", "int x;\r\n");
    ASSERT_TRUE(doc.OnOpenDocument(path.c_str()));
    EXPECT_EQ(0, m_boxes.Count());

    ASSERT_TRUE(doc.SaveLocal((m_dir / "a.墨").c_str()));
    ASSERT_EQ(1, m_boxes.Count());
    EXPECT_NE(std::string::npos, std::string(m_boxes.Last().text).find(program / "规范\\缺.关键词"))
        << m_boxes.Last().text;
    const CLanguageFiles& language = doc.GetText().GetLanguageFiles();
    EXPECT_EQ("c.关键词", language.GetKeywordFileName());
    EXPECT_NE(nullptr, language.GetKeywords().Lookup("int"));

    ASSERT_TRUE(doc.OnNewDocument());
    EXPECT_EQ(2, m_boxes.Count());
}

TEST_F(WrenDocTest, SaveModifiedWithACancelledSaveAsKeepsTheDocument)
{
    ASSERT_TRUE(m_doc.OnNewDocument());
    Type("x");
    m_boxes.QueueAnswer(IDYES);
    EXPECT_FALSE(m_doc.SaveModified());
    EXPECT_EQ(1, m_shell.prompts);
    EXPECT_TRUE(m_doc.IsModified());

    m_shell.newName = m_dir / "new.txt";
    m_boxes.QueueAnswer(IDYES);
    EXPECT_TRUE(m_doc.SaveModified());
    EXPECT_EQ("x", TempDir::ReadFile(m_dir / "new.txt"));
    EXPECT_FALSE(m_doc.IsModified());
}

TEST_F(WrenDocTest, ReloadKeepsTheCaretLineAndDropsTheLogs)
{
    const std::string path = Open("a.txt", "1\n2\n3\n4");
    FakeView view(m_doc.GetText());
    view.caretLine = 2;
    Type("x");
    m_dir.WriteFile("a.txt", "one\ntwo\nthree\nfour\nfive");
    ASSERT_TRUE(m_doc.Reload(kEncodingUnknown));
    EXPECT_EQ(5, m_doc.GetText().GetLineCount());
    EXPECT_EQ(2, view.caretLine);
    EXPECT_EQ(1, view.resets);
    EXPECT_FALSE(m_doc.IsModified());
    EXPECT_EQ(0, m_doc.GetText().GetUndoSet().GetGroupCount());

    // The file went away: the reload fails and keeps the text.
    ::DeleteFileA(path.c_str());
    EXPECT_FALSE(m_doc.Reload(kEncodingUnknown));
    EXPECT_EQ(5, m_doc.GetText().GetLineCount());
    EXPECT_STREQ("one", m_doc.GetText().GetLine(0)->GetText());
}

TEST_F(WrenDocTest, SavingOverAFileWithReplacedCharactersAsksFirst)
{
    // UTF-8 with a mark holding U+00E9 and U+1F600: the second has no GBK form.
    const std::string path = Open("u.txt", "\xEF\xBB\xBF" "a\xF0\x9F\x98\x80");
    ASSERT_TRUE(m_doc.GetText().HasReplacedCharacters());
    m_boxes.QueueAnswer(IDNO);
    EXPECT_FALSE(m_doc.DoFileSave());
    EXPECT_EQ("\xEF\xBB\xBF" "a\xF0\x9F\x98\x80", TempDir::ReadFile(path));
    EXPECT_TRUE(m_doc.SaveLocal((m_dir / "copy.txt").c_str())) << "another file asks nothing";
    EXPECT_EQ(1, m_boxes.Count());
}

TEST_F(WrenDocTest, BackupBeforeSavingAndOnOpening)
{
    DocumentServices().settings.backupMode = 1;
    const std::string path = Open("a.墨", "old");
    Type("new ");
    ASSERT_TRUE(m_doc.DoFileSave());
    EXPECT_EQ("old", TempDir::ReadFile(path + ".备份"));

    DocumentServices().settings.backupMode = 2;
    DocumentServices().settings.backupSuffix = "$$$";
    DocumentServices().settings.backupNaming = 2;
    CWrenDoc other;
    other.m_bAutoDelete = FALSE;
    ASSERT_TRUE(other.OnOpenDocument(path.c_str()));
    EXPECT_EQ("new old", TempDir::ReadFile(m_dir / "a_000.墨"));
}

TEST(BackupFileName, NamesFollowTheSettings)
{
    struct Case {
        const char* path;
        const char* folder;
        int naming;
        const char* suffix;
        std::vector<std::string> taken;
        const char* expected;
    } cases[] = {
        {"C:\\src\\a.墨", "D:\\bak", 2, "$$$", {}, "D:\\bak\\C drive\\src\\a_000.墨"},
        {"C:\\src\\a.墨", "", 2, "$$$", {"C:\\src\\a_000.墨", "C:\\src\\a_001.墨"}, "C:\\src\\a_002.墨"},
        {"\\\\srv\\share\\x\\a.墨", "D:\\bak\\", 1, "", {}, "D:\\bak\\Network\\srv\\share\\x\\a.墨.备份"},
        {"C:\\a.墨", "", 1, "old", {}, "C:\\a.墨.old"},
        {"C:\\x.y\\noext", "", 2, "b", {}, "C:\\x.y\\noext_b"},
        {"C:\\a.墨", "", 3, "b", {}, "C:\\a.b"},
    };
    for (const Case& c : cases) {
        CDocumentSettings settings;
        settings.backupFolder = c.folder;
        settings.backupNaming = c.naming;
        settings.backupSuffix = c.suffix;
        const CString name = BackupFileName(c.path, settings, [&](const CString& candidate) {
            for (const std::string& t : c.taken)
                if (t == (LPCTSTR)candidate)
                    return true;
            return false;
        });
        EXPECT_EQ(CString(c.expected), name) << c.path;
    }
}

TEST_F(WrenDocTest, RemoteSaveUploadsTheCacheCopy)
{
    CRemoteAccount account;
    account.host = "127.0.0.1";
    account.user = "moyu";
    m_remote.accounts.push_back(account);
    Open("a.墨", "abc");
    Type("x");
    ASSERT_TRUE(m_doc.SaveRemote(0, "/home/moyu/b.墨"));
    EXPECT_EQ(1, m_remote.passwordPrompts);
    EXPECT_EQ(std::vector<std::string>{"upload /home/moyu/b.墨"}, m_remote.transfers);
    EXPECT_EQ("xabc", m_remote.uploaded);
    EXPECT_EQ(CString((m_dir / "cache\\moyu@127.0.0.1\\home\\moyu\\b.墨").c_str()), m_doc.GetPathName());
    EXPECT_EQ(CString("ftp://moyu@127.0.0.1/home/moyu/b.墨"), m_doc.GetTitle());
    EXPECT_FALSE(m_doc.IsModified());

    // The password is not asked again; the remote copy comes back on reload.
    m_remote.downloadText = "remote";
    ASSERT_TRUE(m_doc.Reload(kEncodingUnknown));
    EXPECT_EQ(1, m_remote.passwordPrompts);
    EXPECT_EQ(CString("remote"), CString(m_doc.GetText().GetLine(0)->GetText()));
}

// A remote open or save handed its account on to whichever document opened or saved next
// through the framework's calls, which then took a local file for a remote one.
TEST_F(WrenDocTest, RemoteOpenAndSaveLeaveTheNextLocalFileLocal)
{
    CRemoteAccount account;
    account.host = "127.0.0.1";
    account.user = "moyu";
    m_remote.accounts.push_back(account);
    const CString cache = m_doc.RemoteCachePath(0, "/r.墨");
    ::CreateDirectoryA((m_dir / "cache").c_str(), nullptr);
    ::CreateDirectoryA((m_dir / "cache\\moyu@127.0.0.1").c_str(), nullptr);
    FakeRemoteFiles::TempDirWrite(cache, "remote");
    ASSERT_TRUE(m_doc.Open(COpenRequest::RemoteFile(0, "/r.墨", cache)));
    EXPECT_TRUE(m_doc.IsRemote());
    EXPECT_EQ(CString("/r.墨"), m_doc.GetRemotePath());

    const std::string local = m_dir.WriteFile("local.墨", "local");
    CWrenDoc opened;
    opened.m_bAutoDelete = FALSE;
    ASSERT_TRUE(opened.OnOpenDocument(local.c_str()));
    EXPECT_FALSE(opened.IsRemote());
    EXPECT_TRUE(opened.GetRemotePath().IsEmpty());

    ASSERT_TRUE(m_doc.SaveRemote(0, "/r.墨"));
    CWrenDoc saved;
    saved.m_bAutoDelete = FALSE;
    ASSERT_TRUE(saved.OnNewDocument());
    ASSERT_TRUE(saved.OnSaveDocument((m_dir / "saved.墨").c_str()));
    EXPECT_FALSE(saved.IsRemote());
    EXPECT_EQ(1u, m_remote.transfers.size()) << "only the remote document uploads";
}

// Every failing remote save leaves the modified flag and the save point as they were.
TEST_F(WrenDocTest, FailedRemoteSavesRestoreTheModifiedState)
{
    struct Case {
        const char* name;
        const char* host;
        bool password;
        TransferResult result;
        const char* message;
    } cases[] = {
        {"no host", "", true, TransferResult::kDone, nullptr},
        {"password cancelled", "h", false, TransferResult::kDone, nullptr},
        {"upload failed", "h", true, TransferResult::kFailed, "远程文件存储失败.\n\"/r.墨\""},
        {"upload cancelled", "h", true, TransferResult::kCancelled, "用户取消了远程文件传输."},
    };
    Open("a.墨", "abc");
    Type("x");
    for (const Case& c : cases) {
        CRemoteAccount account;
        account.host = c.host;
        m_remote.accounts.assign(1, account);
        m_remote.passwordAnswer = c.password;
        m_remote.result = c.result;
        const int boxes = m_boxes.Count();
        EXPECT_FALSE(m_doc.SaveRemote(0, "/r.墨")) << c.name;
        EXPECT_TRUE(m_doc.IsModified()) << c.name;
        EXPECT_EQ(0, m_doc.GetText().GetSavePointDepth()) << c.name;
        if (c.message)
            EXPECT_EQ(CString(c.message), m_boxes.Last().text) << c.name;
        else
            EXPECT_EQ(boxes, m_boxes.Count()) << c.name;
    }
    // An anonymous account (no user name) saves.
    m_remote.result = TransferResult::kDone;
    m_remote.passwordAnswer = true;
    EXPECT_TRUE(m_doc.SaveRemote(0, "/r.墨"));
    EXPECT_EQ(CString("ftp://h/r.墨"), m_doc.GetTitle());
}

TEST_F(WrenDocTest, FormatCommandsAndTheirChecks)
{
    ASSERT_TRUE(m_doc.OnNewDocument());
    m_doc.OnEncoding(ID_FORMAT_ENCODING_ANSI + 2);  // untitled: no question
    EXPECT_EQ(0, m_boxes.Count());
    EXPECT_EQ(kEncodingUtf16Be, m_doc.GetText().GetEncoding());
    m_doc.OnEncoding(ID_FORMAT_ENCODING_ANSI + 2);  // unchanged: nothing at all
    EXPECT_EQ(1, m_shell.formatsShown);
    EXPECT_TRUE(m_doc.IsModified()) << "the next save writes the new form";
    m_doc.GetText().MarkSaved();
    m_doc.OnLineEnd(ID_FORMAT_LINE_END_DOS + 1);
    EXPECT_EQ(kLineEndUnix, m_doc.GetText().GetLineEnd());
    EXPECT_TRUE(m_doc.IsModified()) << "closing must not drop the new line ends";
    EXPECT_EQ(-1, m_doc.GetText().GetSavePointDepth()) << "no undo leads back to the saved form";

    const std::string path = Open("a.txt", "a\r\n\r\nbc");
    EXPECT_EQ(7, m_doc.GetSummary().byteCount);
    m_boxes.QueueAnswer(IDYES);
    m_doc.OnEncoding(ID_FORMAT_ENCODING_ANSI + 3);
    EXPECT_EQ(1, m_shell.reloadsPosted);
    EXPECT_FALSE(m_doc.IsModified()) << "the file is read again in the new encoding";
    m_boxes.QueueAnswer(IDNO);
    m_doc.OnEncoding(ID_FORMAT_ENCODING_ANSI + 4);
    EXPECT_TRUE(m_doc.IsModified()) << "kept text to be written in the new encoding";
}

namespace {

// Records the check state an update handler sets.
class CheckRecorder : public CCmdUI {
public:
    void SetCheck(int check) override { checked = check; }
    void Enable(BOOL) override {}
    int checked = -1;
};

int CheckOf(CWrenDoc& doc, UINT id)
{
    CheckRecorder ui;
    ui.m_nID = id;
    ui.DoUpdate(&doc, FALSE);
    return ui.checked;
}

} // namespace

// The commands reach the document through its message map, and the menus show its state.
TEST_F(WrenDocTest, CommandsRouteThroughTheMessageMap)
{
    DocumentServices().syntaxTypes[3] = CSyntaxTypeRow{"C", "CPLUSPLUS.SPC", "CPLUSPLUS.KEY"};
    DocumentServices().syntaxTypes[4] = CSyntaxTypeRow{"no keywords", "CPLUSPLUS.SPC", ""};
    Open("a.c", "int x;");
    ASSERT_EQ("CPLUSPLUS.SPC", Spec()) << "the table row and the link file agree";
    EXPECT_EQ(1, CheckOf(m_doc, ID_SYNTAX_TYPE_FIRST + 3));
    EXPECT_EQ(0, CheckOf(m_doc, ID_SYNTAX_AUTO)) << "the type is a row of the table";
    EXPECT_EQ(0, CheckOf(m_doc, ID_SYNTAX_PLAIN));

    m_doc.OnCmdMsg(ID_SYNTAX_TYPE_FIRST + 4, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ("CPLUSPLUS.SPC", Spec()) << "a row without a keyword file does nothing";
    EXPECT_TRUE(m_doc.IsSyntaxAuto());
    m_doc.OnCmdMsg(ID_SYNTAX_PLAIN, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(1, CheckOf(m_doc, ID_SYNTAX_PLAIN));
    m_doc.OnCmdMsg(ID_SYNTAX_TYPE_FIRST + 3, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ("CPLUSPLUS.SPC", Spec());
    EXPECT_FALSE(m_doc.IsSyntaxAuto());

    m_doc.OnCmdMsg(ID_FORMAT_LINE_END_DOS + 2, CN_COMMAND, nullptr, nullptr);
    for (UINT i = 0; i < 3; ++i)
        EXPECT_EQ(i == 2 ? 1 : 0, CheckOf(m_doc, ID_FORMAT_LINE_END_DOS + i)) << i;
    for (UINT i = 0; i < 5; ++i)
        EXPECT_EQ(i == 0 ? 1 : 0, CheckOf(m_doc, ID_FORMAT_ENCODING_ANSI + i)) << i;
    EXPECT_TRUE(m_doc.IsModified()) << "choosing a line end asks to save";
}
