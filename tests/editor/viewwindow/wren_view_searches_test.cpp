// The view's commands that reach past its document: the selection searches through find in
// files over a seeded installation, replacing in every open document with the results in the
// output window, and adding the selection to the user's vocabulary and phrase file.
#include "editor/viewwindow/ViewShell.h"
#include "editor/viewwindow/WrenView.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "editor/document/DocumentServices.h"
#include "editor/document/WrenDoc.h"
#include "editor/inputaids/CustomVocabulary.h"
#include "editor/inputaids/QuickInputPhrases.h"
#include "editor/shell/FindInFiles.h"
#include "editor/view/MacroRecorder.h"
#include "framework/AppEnvironment.h"
#include "framework/CmdUI.h"
#include "framework/FrameWnd.h"
#include "framework/MessageBox.h"
#include "staged_program_folder.h"
#include "temp_dir.h"
#include "../../framework/windows/WindowTestSupport.h"

namespace {

// The application as the view's commands meet it: find in files runs the real search over
// the files on disk, and the output window is a list of lines.
class OutputShell : public IViewShell, private FindInFilesSink {
public:
    struct Search {
        std::string text;
        std::string types;
        std::string folder;
        int scope;
        int mode;
    };

    bool FindInFiles(const char* text, const char* types, const CString& folder, int scope, int mode) override
    {
        searches.push_back({text, types, std::string(folder), scope, mode});
        if ((scope & kFindAppend) == 0)
            output.clear();
        int hits = 0;
        return ::FindInFiles(text, types, folder, scope, mode, nullptr, *this, hits);
    }
    bool IsOutputBusy() override { return busy; }
    void BeginOutputReport() override
    {
        EXPECT_FALSE(busy);
        busy = true;
        output.clear();
        ++reports;
    }
    void EndOutputReport() override { busy = false; }
    void AppendOutputLine(const char* line) override
    {
        EXPECT_TRUE(busy) << "a line outside the report: " << line;
        output.push_back(line);
    }
    std::vector<CWrenView*> OpenDocumentViews() override { return views; }

    std::vector<Search> searches;
    std::vector<std::string> output;
    std::vector<CWrenView*> views;
    bool busy = false;
    int reports = 0;

private:
    void HitLine(const char* line) override { output.push_back(line); }
    void CannotOpen(const char* path) override { output.push_back(std::string("cannot open ") + path); }
    void LineTooLong(const char* path, int) override { output.push_back(std::string("too long ") + path); }
};

class ScopedViewShell {
public:
    explicit ScopedViewShell(IViewShell& shell) { SetViewShell(&shell); }
    ~ScopedViewShell() { SetViewShell(nullptr); }
};

class WrenViewSearchesTest : public ::testing::Test {
protected:
    WrenViewSearchesTest() : m_folder(StagedProgramFolder().c_str()), m_shell(m_outputShell)
    {
        DocumentServices() = CDocumentServices();
        TheEditingModes() = CEditingModes();
    }
    ~WrenViewSearchesTest() override
    {
        // A frame deletes itself once its window is gone.
        for (CFrameWnd* frame : m_frames)
            frame->DestroyWindow();
        TheMacroRecorder().Cancel();
        // The search parameters are the process's: later tests start without a search.
        CSearchParameters& search = TheSearchParameters();
        search.text.Empty();
        search.pattern.Empty();
        search.replacement.Empty();
        search.flags = 0;
        search.mode = CSearchParameters::kModeFind;
        DocumentServices() = CDocumentServices();
    }

    // A file of the seeded tree opened in a frame of its own; its view is offered as an open
    // document's view.
    CWrenView* Open(const std::string& name, const std::string& bytes)
    {
        const std::string path = m_dir.WriteFile(name, bytes);
        m_docs.push_back(std::make_unique<CWrenDoc>());
        CWrenDoc& doc = *m_docs.back();
        doc.m_bAutoDelete = FALSE;
        EXPECT_TRUE(doc.OnOpenDocument(path.c_str()));
        doc.SetPathName(path.c_str(), FALSE);
        CCreateContext context;
        context.m_pCurrentDoc = &doc;
        context.m_pNewViewClass = RUNTIME_CLASS(CWrenView);
        m_frames.push_back(new CFrameWnd);
        CFrameWnd& frame = *m_frames.back();
        EXPECT_TRUE(frame.Create(nullptr, name.c_str(), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 500, 300),
                                 nullptr, nullptr, &context));
        auto* view = dynamic_cast<CWrenView*>(frame.GetDlgItem(AFX_IDW_PANE_FIRST));
        if (!view) {
            ADD_FAILURE() << "the view was not made";
            return nullptr;
        }
        frame.SetActiveView(view);
        frame.RecalcLayout();
        view->OnInitialUpdate();
        PumpPending();
        m_outputShell.views.push_back(view);
        return view;
    }

    static void Select(CWrenView* view, ByteColumn from, LineIndex fromLine, ByteColumn to, LineIndex toLine)
    {
        CViewEngine& engine = *view->GetEngine();
        engine.SetCaretToDocPosition(to, toLine);
        engine.SetAnchorToDocPosition(from, fromLine);
        engine.UpdateSelectionActive();
    }
    static void CaretTo(CWrenView* view, ByteColumn column, LineIndex line)
    {
        CViewEngine& engine = *view->GetEngine();
        engine.SetCaretToDocPosition(column, line);
        engine.SetAnchorToDocPosition(column, line);
        engine.UpdateSelectionActive();
    }
    static void Command(CWrenView* view, UINT id)
    {
        view->SendMessage(WM_COMMAND, id, 0);
        PumpPending();
    }
    // Every line and a line end after each; a file ending in a line end has an empty last line.
    static std::string Text(CWrenDoc& doc)
    {
        std::string all;
        const CTextDocument& text = doc.GetText();
        for (LineIndex n = 0; n < text.GetLineCount(); ++n) {
            const CTextLine* line = text.GetLine(n);
            all += std::string(line->GetText(), (size_t)line->GetLength()) + "\n";
        }
        return all;
    }
    std::string Hit(const std::string& file, int line, int column, const std::string& text) const
    {
        return m_dir / file + "(" + std::to_string(line) + "," + std::to_string(column) + "): " + text;
    }

    ScopedProgramFolder m_folder;
    TempDir m_dir;
    ScopedMessageBoxHook m_boxes;
    OutputShell m_outputShell;
    ScopedViewShell m_shell;
    std::vector<std::unique_ptr<CWrenDoc>> m_docs;
    std::vector<CFrameWnd*> m_frames;
};

} // namespace

// The text a selection search looks for: the selection within one line, else the word at
// the caret, or the vocabulary word ending at the caret when the word at the caret is a
// single byte and that word is longer.
TEST_F(WrenViewSearchesTest, SearchTextComesFromTheSelectionOrTheCaret)
{
    CWrenView* view = Open("文本.墨", "名字 = 1\r\n打印(x)\r\nx = 名字\r\n第二 行\r\n");
    ASSERT_NE(view, nullptr);
    struct Case {
        ByteColumn anchor;
        LineIndex anchorLine;
        ByteColumn caret;
        LineIndex caretLine;
        const char* text;
    };
    const Case kCases[] = {
        {0, 0, 4, 0, "名字"},        // the selection
        {0, 0, 2, 0, "名"},          // part of a word, as selected
        {2, 0, 2, 0, "名字"},        // no selection: the word at the caret
        {4, 1, 4, 1, "打印"},        // on "(" behind a name: the name
        {0, 2, 0, 2, "x"},           // a one-byte word with nothing before it
        {6, 2, 0, 3, "第二"},        // a selection over two lines: the word at the caret
    };
    for (const Case& c : kCases) {
        Select(view, c.anchor, c.anchorLine, c.caret, c.caretLine);
        EXPECT_STREQ(view->GetSelectionSearchText(), c.text) << c.anchor << "," << c.anchorLine;
    }
}

// Each selection search hands find in files its types, folders and scope, whole word and
// match case on; the hits are those of a real search over the seeded installation (the
// program folder "bin" inside it).
TEST_F(WrenViewSearchesTest, SelectionSearchesSearchTheirFoldersForTheName)
{
    const std::string name = "名字";
    const std::pair<const char*, std::string> kTree[] = {
        {"bin\\配置\\词汇.表", "名字 甲\r\n"},
        {"bin\\配置\\深\\更多.表", "x\r\n名字\r\n"},
        {"bin\\配置\\说明.文本", "名字\r\n"},
        {"接口\\标准.接口", "整数 名字;\r\n"},
        {"接口\\c\\库.h", "int 名字;\r\n"},
        {"示例\\例.墨", "名字\r\n"},
        {"示例\\深\\例2.墨", "  名字\r\n"},
        {"我的项目\\甲.墨", "名字\r\n"},
        {"我的项目\\深\\乙.墨", "名字\r\n"},
        {"资源\\丙.定义", "名字\r\n"},
        {"work\\附.c", "名字\r\n"},
        {"work\\附.txt", "名字\r\n"},
        {"work\\附.h", "名字\r\n"},
    };
    for (const char* folder : {"bin", "bin\\配置", "bin\\配置\\深", "接口", "接口\\c", "示例", "示例\\深", "我的项目",
                               "我的项目\\深", "资源", "work"})
        ASSERT_TRUE(::CreateDirectoryA((m_dir / folder).c_str(), nullptr)) << folder;
    for (const auto& file : kTree)
        m_dir.WriteFile(file.first, file.second);
    CWrenView* view = Open("work\\主.墨", "名字 = 2\r\n");
    ASSERT_NE(view, nullptr);
    Select(view, 0, 0, 4, 0);
    ScopedProgramFolder seeded((m_dir / "bin").c_str());
    ASSERT_EQ(std::string(GetInstallationFolder()), m_dir.Path());

    struct Case {
        UINT id;
        std::vector<OutputShell::Search> searches;
        std::vector<std::string> output;
    };
    const std::string sources = "*.接口;*.定义;*.墨;*.c;*.cc;*.h;*.cpp;*.hpp;*.墨双";
    const std::string interfaces = "*.接口;*.定义;*.h;*.hpp;";
    const std::string samples = "*.墨;*.接口;*.定义";
    const Case kCases[] = {
        {ID_SEARCH_DOCUMENT_FOLDER,
         {{name, sources, m_dir / "work", 1, 3}},
         {Hit("work\\主.墨", 1, 1, "名字 = 2"), Hit("work\\附.c", 1, 1, "名字"), Hit("work\\附.h", 1, 1, "名字")}},
        {ID_SEARCH_INTERFACES,
         {{name, interfaces, m_dir / "接口", 1, 3}, {name, interfaces, m_dir / "work", 129, 3}},
         {Hit("接口\\标准.接口", 1, 6, "整数 名字;"), Hit("接口\\c\\库.h", 1, 5, "int 名字;"),
          Hit("work\\附.h", 1, 1, "名字")}},
        {ID_SEARCH_VOCABULARY,
         {{name, "*.表", m_dir / "bin\\配置", 1, 3}},
         {Hit("bin\\配置\\词汇.表", 1, 1, "名字 甲"), Hit("bin\\配置\\深\\更多.表", 2, 1, "名字")}},
        {ID_SEARCH_SAMPLES,
         {{name, samples, m_dir / "示例", 1, 3},
          {name, samples, m_dir / "我的项目", 128, 3},
          {name, samples, m_dir / "资源", 128, 3}},
         {Hit("示例\\例.墨", 1, 1, "名字"), Hit("示例\\深\\例2.墨", 1, 3, "  名字"), Hit("我的项目\\甲.墨", 1, 1, "名字"),
          Hit("资源\\丙.定义", 1, 1, "名字")}},
    };
    for (const Case& c : kCases) {
        m_outputShell.searches.clear();
        Command(view, c.id);
        ASSERT_EQ(m_outputShell.searches.size(), c.searches.size()) << c.id;
        for (size_t i = 0; i < c.searches.size(); ++i) {
            const OutputShell::Search& ran = m_outputShell.searches[i];
            const OutputShell::Search& wanted = c.searches[i];
            EXPECT_EQ(ran.text, wanted.text) << c.id;
            EXPECT_EQ(ran.types, wanted.types) << c.id;
            EXPECT_EQ(ran.folder, wanted.folder) << c.id;
            EXPECT_EQ(ran.scope, wanted.scope) << c.id << " search " << i;
            EXPECT_EQ(ran.mode, wanted.mode) << c.id;
        }
        // Folders list their files in no fixed order.
        std::vector<std::string> output = m_outputShell.output;
        std::vector<std::string> expected = c.output;
        std::sort(output.begin(), output.end());
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(output, expected) << c.id;
    }
}

// The folder searches keep to the document's kind, whatever the extension's case; an
// untitled document has no folder to search.
TEST_F(WrenViewSearchesTest, FolderSearchTypesFollowTheDocumentsExtension)
{
    const struct {
        const char* path;
        const char* types;
    } kCases[] = {
        {"C:\\w\\a.java", "*.橙语;*.java"},
        {"C:\\w\\a.ASM", "*.墨;*.c;*.墨51;*.c51;*.接口;*.定义;*.asm;*.s;*.a51;*.中汇;*.汇编;*.汇51"},
        {"C:\\w\\a.汇51", "*.墨;*.c;*.墨51;*.c51;*.接口;*.定义;*.asm;*.s;*.a51;*.中汇;*.汇编;*.汇51"},
        {"C:\\w\\a.墨", "*.接口;*.定义;*.墨;*.c;*.cc;*.h;*.cpp;*.hpp;*.墨双"},
        {"C:\\w\\makefile", "*.接口;*.定义;*.墨;*.c;*.cc;*.h;*.cpp;*.hpp;*.墨双"},
    };
    for (const auto& c : kCases) {
        const std::vector<SelectionSearch> searches = SelectionSearchesFor(ID_SEARCH_DOCUMENT_FOLDER, c.path, "P", "I");
        ASSERT_EQ(searches.size(), 1u) << c.path;
        EXPECT_STREQ(searches[0].types, c.types) << c.path;
        EXPECT_STREQ(searches[0].folder, "C:\\w");
    }
    EXPECT_TRUE(SelectionSearchesFor(ID_SEARCH_DOCUMENT_FOLDER, "", "P", "I").empty());
    // A document inside the interfaces folder is not searched twice.
    EXPECT_EQ(SelectionSearchesFor(ID_SEARCH_INTERFACES, "I\\接口\\a.h", "P", "I").size(), 1u);
    EXPECT_EQ(SelectionSearchesFor(ID_SEARCH_INTERFACES, "", "P", "I").size(), 1u);
}

// Replace in all open files: the report's header, then one line per document with its count
// or the not-found line, each document changed as one undo step.
TEST_F(WrenViewSearchesTest, ReplaceInAllOpenFilesReportsEachDocument)
{
    CWrenView* first = Open("甲.墨", "旧 旧\r\n新\r\n");
    CWrenView* second = Open("乙.墨", "无关\r\n");
    CWrenView* third = Open("丙.墨", "x 旧\r\n");
    ASSERT_TRUE(first && second && third);
    ASSERT_TRUE(first->GetSearch()->DoReplace("旧", "新", 0));
    Command(second, ID_SEARCH_REPLACE_ALL_IN_OPEN_FILES);

    EXPECT_EQ(m_outputShell.reports, 1);
    EXPECT_FALSE(m_outputShell.busy);
    const std::vector<std::string> expected = {
        "---------- 在所有打开的文件中全部替换 ----------",
        m_dir / "甲.墨" + ": 替换 2 次.",
        m_dir / "乙.墨" + ": 找不到字符串 '旧'.",
        m_dir / "丙.墨" + ": 替换 1 次.",
    };
    EXPECT_EQ(m_outputShell.output, expected);
    EXPECT_EQ(Text(*m_docs[0]), "新 新\n新\n\n");
    EXPECT_EQ(Text(*m_docs[1]), "无关\n\n");
    EXPECT_EQ(Text(*m_docs[2]), "x 新\n\n");
    EXPECT_EQ(m_boxes.Count(), 0);
    Command(first, ID_EDIT_UNDO);
    EXPECT_EQ(Text(*m_docs[0]), "旧 旧\n新\n\n") << "one undo step takes the document's replacements back";
}

// Refusals: while a macro is recorded (the recording ends), and while the output window is
// busy; neither touches a document.
TEST_F(WrenViewSearchesTest, ReplaceInAllOpenFilesIsRefusedWhileRecordingOrBusy)
{
    CWrenView* view = Open("甲.墨", "旧\r\n");
    ASSERT_NE(view, nullptr);
    ASSERT_TRUE(view->GetSearch()->DoReplace("旧", "新", 0));

    TheMacroRecorder().Start(1, "m");
    ASSERT_TRUE(TheMacroRecorder().IsRecording());
    Command(view, ID_SEARCH_REPLACE_ALL_IN_OPEN_FILES);
    ASSERT_EQ(m_boxes.Count(), 1);
    EXPECT_STREQ(m_boxes.Last().text, "无效宏定义 'Replace All In Open Files'.\n取消记录的按键信息.");
    EXPECT_FALSE(TheMacroRecorder().IsRecording());

    m_outputShell.busy = true;
    Command(view, ID_SEARCH_REPLACE_ALL_IN_OPEN_FILES);
    ASSERT_EQ(m_boxes.Count(), 2);
    EXPECT_STREQ(m_boxes.Last().text, "输出窗口当前不可用.");
    EXPECT_EQ(m_boxes.Last().type & MB_ICONMASK, (UINT)MB_ICONSTOP);

    EXPECT_EQ(m_outputShell.reports, 0);
    EXPECT_TRUE(m_outputShell.output.empty());
    EXPECT_EQ(Text(*m_docs[0]), "旧\n\n");
}

// The vocabulary additions: the search text goes to the front of the custom vocabulary; the
// selection on one line is appended to the phrase file, and only a selection enables that.
TEST_F(WrenViewSearchesTest, VocabularyAdditionsReceiveTheText)
{
    CWrenView* view = Open("甲.墨", "打印(名字)\r\n第二行\r\n");
    ASSERT_NE(view, nullptr);
    const CCustomVocabulary saved = CustomVocabulary();
    ScopedProgramFolder seeded(m_dir.Path().c_str());
    ::CreateDirectoryA((m_dir / "配置").c_str(), nullptr);

    CaretTo(view, 4, 0);  // on "(" behind the name
    Command(view, ID_ADD_TO_VOCABULARY);
    EXPECT_STREQ(CustomVocabulary().Word(0), "打印");
    Select(view, 5, 0, 9, 0);
    Command(view, ID_ADD_TO_VOCABULARY);
    EXPECT_STREQ(CustomVocabulary().Word(0), "名字");
    EXPECT_STREQ(CustomVocabulary().Word(1), "打印");

    struct Recorder : CCmdUI {
        void Enable(BOOL on = TRUE) override { enabled = on != FALSE; }
        bool enabled = true;
    };
    auto phrasesEnabled = [&] {
        Recorder recorder;
        recorder.m_nID = ID_ADD_TO_PHRASES;
        recorder.DoUpdate(view, FALSE);
        return recorder.enabled;
    };
    EXPECT_TRUE(phrasesEnabled());
    Command(view, ID_ADD_TO_PHRASES);
    CaretTo(view, 2, 1);
    EXPECT_FALSE(phrasesEnabled());
    Command(view, ID_ADD_TO_PHRASES);  // no selection: nothing
    Select(view, 0, 1, 0, 2);          // across lines: no text within one line
    Command(view, ID_ADD_TO_PHRASES);
    Select(view, 0, 1, 4, 1);
    Command(view, ID_ADD_TO_PHRASES);
    const std::vector<CString> phrases = ReadQuickInputPhrases(QuickInputPhrasesPath());
    ASSERT_EQ(phrases.size(), 2u);
    EXPECT_STREQ(phrases[0], "名字");
    EXPECT_STREQ(phrases[1], "第二");
    CustomVocabulary() = saved;
}
