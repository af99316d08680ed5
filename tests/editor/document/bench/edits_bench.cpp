// Times the document's editing primitives at scattered positions, line lookup by number and
// whole-file load and save, at two document sizes so the per-edit cost can be compared.
// Run by hand: document_edits_bench [lines] [edits]
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "editor/document/TextDocument.h"
#include "framework/MessageBox.h"
#include "tests/support/bench_measures.h"

namespace {

// Committed memory now; some systems report no separate peak.
double CommittedMegabytes()
{
    return ProcessMemoryCounters().PagefileUsage / (1024.0 * 1024.0);
}

// A Moyu-like source line of GBK text, varied by its number.
std::string SourceLine(int n)
{
    static const char* const kLines[] = {
        "    整数 计数%d = 0;  // 计数器",
        "    如果 (计数%d > 100) 则 返回 假;",
        "函数 处理%d(字符串 名字, 整数 长度)",
        "{",
        "    打印(\"结果: %%d\\n\", 数值%d * 3.5e+2);",
        "}",
        "",
        "    循环 (整数 i = 0; i < %d; i++) { 总和 += i; }",
    };
    char buffer[200];
    std::snprintf(buffer, sizeof buffer, kLines[n % 8], n);
    return buffer;
}

void Fill(CTextDocument& doc, int lines)
{
    CLineList& list = doc.GetLines();
    list.RemoveAll();
    for (int n = 0; n < lines; ++n) {
        const std::string text = SourceLine(n);
        list.AddTail(text.data(), (int)text.size());
    }
}

// Applies edits at random lines and columns, each as one undo group, as the view would.
double RunEdits(CTextDocument& doc, int edits, unsigned seed)
{
    std::mt19937 random(seed);
    CStringLineList block;
    block.AddTail(CString("插入的 第一行"));
    block.AddTail(CString("第二行"));
    block.AddTail(CString("第三行 结束"));
    CStopwatch watch;
    for (int i = 0; i < edits; ++i) {
        const int count = doc.GetLineCount();
        const LineIndex line = (LineIndex)(random() % (unsigned)count);
        const int length = doc.GetLine(line)->GetLength();
        const ByteColumn column = (ByteColumn)(random() % (unsigned)(length + 1));
        doc.BeginUndoGroup(1);
        const unsigned kind = random() % 20;
        if (kind < 8) {
            doc.InsertChar(column, line, 'x');
        } else if (kind < 12) {
            doc.DeleteChar(column < length ? column : 0, line);
        } else if (kind < 14) {
            doc.InsertString(column, line, "新词", 4);
        } else if (kind < 16) {
            doc.SplitLine(column, line);
        } else if (kind < 18) {
            doc.JoinLines(length, line);
        } else if (kind < 19) {
            ByteColumn endColumn;
            LineIndex endLine;
            doc.InsertBlock(column, line, &endColumn, &endLine, block);
        } else {
            const LineIndex last = line + 2 < count ? line + 2 : count - 1;
            const int lastLength = doc.GetLine(last)->GetLength();
            doc.DeleteBlock(last == line ? 0 : column, line, lastLength / 2 > column || last != line ? lastLength / 2 : column, last);
        }
        doc.EndUndoGroup();
        doc.GetRedoSet().Clear();
    }
    return watch.Seconds();
}

// Typing in one place: a character, and a new line now and then, as one group each.
double RunTyping(CTextDocument& doc, int keys)
{
    LineIndex line = doc.GetLineCount() / 2;
    ByteColumn column = 0;
    CStopwatch watch;
    for (int i = 0; i < keys; ++i) {
        doc.BeginUndoGroup(1);
        if (i % 40 == 39) {
            doc.SplitLine(column, line);
            ++line;
            column = 0;
        } else {
            doc.InsertChar(column++, line, 'a');
        }
        doc.EndUndoGroup();
        doc.GetRedoSet().Clear();
    }
    return watch.Seconds();
}

double RunLookups(const CTextDocument& doc, int lookups, unsigned seed)
{
    std::mt19937 random(seed);
    long long sum = 0;
    CStopwatch watch;
    for (int i = 0; i < lookups; ++i)
        sum += doc.GetLine((LineIndex)(random() % (unsigned)doc.GetLineCount()))->GetLength();
    const double seconds = watch.Seconds();
    if (sum == 42)
        std::printf(" ");
    return seconds;
}

void BenchSize(int lines, int edits)
{
    CTextDocument doc;
    Fill(doc, lines);
    const double editSeconds = RunEdits(doc, edits, 1234);
    const double lookupSeconds = RunLookups(doc, 1000000, 99);
    const double typingSeconds = RunTyping(doc, edits);
    std::printf("%8d lines: %d scattered edits in %.3f s (%.2f us each); %d keys typed in one place in %.3f s "
                "(%.2f us each); 1,000,000 random line lookups in %.3f s; %d lines after, %d undo groups\n",
                lines, edits, editSeconds, editSeconds * 1e6 / edits, edits, typingSeconds,
                typingSeconds * 1e6 / edits, lookupSeconds, doc.GetLineCount(),
                doc.GetUndoSet().GetGroupCount());
    if (!doc.GetLines().Check())
        std::printf("  line list invariant broken!\n");
}

void BenchFile(int lines)
{
    char folder[MAX_PATH];
    ::GetTempPathA(sizeof folder, folder);
    const std::string path = std::string(folder) + "moyu_edits_bench.墨";
    CTextDocument doc;
    Fill(doc, lines);
    CStopwatch saveWatch;
    if (!doc.SaveToFile(path.c_str())) {
        std::printf("save failed\n");
        return;
    }
    const double saveSeconds = saveWatch.Seconds();
    WIN32_FILE_ATTRIBUTE_DATA data;
    ::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    const double megabytes = data.nFileSizeLow / (1024.0 * 1024.0);
    CTextDocument loaded;
    CStopwatch loadWatch;
    loaded.LoadFromFile(path.c_str());
    const double loadSeconds = loadWatch.Seconds();
    std::printf("file of %.1f MB, %d lines: save %.3f s (%.0f MB/s), load %.3f s (%.0f MB/s); "
                "%.1f MB committed with both documents in memory\n",
                megabytes, loaded.GetLineCount(), saveSeconds, megabytes / saveSeconds, loadSeconds,
                megabytes / loadSeconds, CommittedMegabytes());
    ::DeleteFileA(path.c_str());
}

} // namespace

int main(int argc, char** argv)
{
    ScopedMessageBoxHook quiet;
    const int lines = argc > 1 ? std::atoi(argv[1]) : 600000;
    const int edits = argc > 2 ? std::atoi(argv[2]) : 100000;
    BenchSize(lines / 10, edits);
    BenchSize(lines, edits);
    BenchFile(lines);
    return 0;
}
