#include "editor/document/TextDocument.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "undo_replay.h"

namespace {

// Writes each notification as a short line of text, with whether the changed lines had
// been analysed when it arrived.
class RecordingWatcher : public IDocumentWatcher {
public:
    explicit RecordingWatcher(CTextDocument& document) : m_document(document) { document.AddWatcher(this); }
    ~RecordingWatcher() override { m_document.RemoveWatcher(this); }

    void OnLinesChanged(LineIndex first, int count) override
    {
        bool analysed = true;
        for (LineIndex n = first; n < first + count; ++n)
            analysed = analysed && m_document.GetLine(n)->GetRunCount() > 0;
        log.push_back("changed " + std::to_string(first) + " " + std::to_string(count) +
                      (analysed ? "" : " unanalysed"));
    }
    void OnLinesInserted(LineIndex after, int count) override
    {
        log.push_back("inserted " + std::to_string(after) + " " + std::to_string(count));
    }
    void OnLinesDeleted(LineIndex first, int count) override
    {
        log.push_back("deleted " + std::to_string(first) + " " + std::to_string(count));
    }
    void OnDocumentRefreshed() override { log.push_back("refreshed"); }
    void OnDocumentReset() override { log.push_back("reset"); }

    std::vector<std::string> log;

private:
    CTextDocument& m_document;
};

CStringLineList Block(std::initializer_list<const char*> strings)
{
    CStringLineList block;
    for (const char* s : strings)
        block.AddTail(CString(s));
    return block;
}

typedef std::vector<std::string> Log;

} // namespace

// Every primitive and every line transformation tells each watcher what it changed, inserted
// lines before the lines-changed notice, and only after the changed lines were analysed.
TEST(DocumentWatchers, EveryPrimitiveTellsEveryWatcher)
{
    struct Case {
        const char* name;
        std::function<void(CTextDocument&)> edit;
        Log expected;
    } cases[] = {
        {"insert char", [](CTextDocument& d) { d.InsertChar(1, 1, 'x'); }, {"changed 1 1"}},
        {"delete char", [](CTextDocument& d) { d.DeleteChar(0, 2); }, {"changed 2 1"}},
        {"insert string", [](CTextDocument& d) { d.InsertString(0, 0, "yz", 2); }, {"changed 0 1"}},
        {"delete string", [](CTextDocument& d) { d.DeleteString(0, 0, 2); }, {"changed 0 1"}},
        {"split", [](CTextDocument& d) { d.SplitLine(1, 0); }, {"inserted 0 1", "changed 0 2"}},
        {"join", [](CTextDocument& d) { d.JoinLines(3, 0); }, {"deleted 1 1", "changed 0 1"}},
        {"insert block",
         [](CTextDocument& d) { d.InsertBlock(1, 1, nullptr, nullptr, Block({"p", "q", "r"})); },
         {"inserted 1 2", "changed 1 3"}},
        {"delete block", [](CTextDocument& d) { d.DeleteBlock(1, 0, 1, 2); }, {"deleted 1 2", "changed 0 1"}},
        {"refused edit", [](CTextDocument& d) { d.DeleteChar(9, 0); }, {}},
        {"indent range, one batch",
         [](CTextDocument& d) { d.IndentLines(0, true, 2, 4, true); }, {"changed 0 3"}},
        {"trim all, unchanged lines stay quiet",
         [](CTextDocument& d) { d.TrimTrailingBlanksAll(); }, {"changed 1 1"}},
        {"bookmark", [](CTextDocument& d) { d.ToggleBookmark(2); }, {"changed 2 1"}},
    };
    for (const Case& c : cases) {
        CTextDocument doc;
        SetDocumentTexts(doc, {"abc", "def  ", "ghi"});
        doc.AnalyzeAllLines(0, 3);
        RecordingWatcher first(doc), second(doc);
        doc.BeginUndoGroup(1);
        c.edit(doc);
        doc.EndUndoGroup();
        EXPECT_EQ(c.expected, first.log) << c.name;
        EXPECT_EQ(first.log, second.log) << c.name;
    }
}

// A batch announces each changed line once at its end, neighbours as one range; lines
// inserted inside it first announce what changed before them, whose numbers would move.
TEST(DocumentWatchers, BatchCollectsChangedLines)
{
    CTextDocument doc;
    SetDocumentTexts(doc, {"a", "b", "c", "d", "e", "f"});
    RecordingWatcher watcher(doc);
    doc.BeginUndoGroup(1);
    {
        CChangeBatch batch(doc);
        doc.InsertChar(0, 4, 'x');
        doc.InsertChar(0, 4, 'y');
        doc.InsertChar(0, 1, 'x');
        doc.InsertChar(0, 2, 'x');
        EXPECT_TRUE(watcher.log.empty());
        doc.SplitLine(0, 5);
        doc.InsertChar(0, 0, 'z');
        {
            CChangeBatch inner(doc);
            doc.InsertChar(0, 0, 'z');
        }
        EXPECT_EQ((Log{"changed 1 2", "changed 4 1", "inserted 5 1"}), watcher.log);
    }
    doc.EndUndoGroup();
    EXPECT_EQ((Log{"changed 1 2", "changed 4 1", "inserted 5 1", "changed 0 1", "changed 5 2"}), watcher.log);
}

// Past the batch's limit the whole document is analysed and announced once.
TEST(DocumentWatchers, LargeBatchAnnouncesTheWholeDocument)
{
    CTextDocument doc;
    SetDocumentTexts(doc, std::vector<std::string>(CTextDocument::kBatchWholeDocument + 2, "a"));
    RecordingWatcher watcher(doc);
    doc.BeginUndoGroup(1);
    {
        CChangeBatch batch(doc);
        for (LineIndex n = 0; n <= CTextDocument::kBatchWholeDocument; n += 1)
            doc.InsertChar(0, n, 'b');
    }
    doc.EndUndoGroup();
    EXPECT_EQ((Log{"changed 0 " + std::to_string(CTextDocument::kBatchWholeDocument + 2)}), watcher.log);
}
