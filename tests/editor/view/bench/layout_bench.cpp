// Times the view engine's layout work at scattered positions in a large document, wrap off
// and on: the initial layout, typing, deleting and pasting (each edit re-lays out only its
// lines through the document notifications) and position look-ups. Two document sizes show
// whether the per-edit cost grows with the document.
// Run by hand: view_layout_bench [lines] [edits]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "editor/document/TextDocument.h"
#include "editor/util/CharClasses.h"
#include "editor/view/ViewEngine.h"
#include "tests/support/bench_measures.h"

namespace {

// A proportional font without a device: ASCII 7 pixels (blank 4), double-byte 14.
class BenchMetrics : public ITextMetrics {
public:
    int GetFontHeight() const override { return 16; }
    int GetAverageCharWidth() const override { return 7; }
    int GetMaxCharWidth() const override { return 14; }
    bool IsFixedPitch() const override { return false; }
    int MeasureText(const char* text, int length) const override
    {
        int width = 0;
        for (int i = 0; i < length; ++i) {
            const unsigned char byte = (unsigned char)text[i];
            if (GbkText::IsLeadByte(byte) && i + 1 < length) {
                width += 14;
                ++i;
            } else {
                width += byte == ' ' ? 4 : 7;
            }
        }
        return width;
    }
    int GetLogPixelsY() const override { return 96; }
};

class NullHost : public IViewHost {
public:
    void InvalidateView() override {}
    void OnScrolled(PixelX, PixelY) override {}
    void ShowCaretPosition(int, int, int) override {}
    void SetStatusText(const char*) override {}
    void Beep() override {}
    void BeginProgress(const char*) override {}
    void SetProgress(int) override {}
    void EndProgress() override {}
    bool IsCtrlHeld() const override { return false; }
    bool IsShiftHeld() const override { return false; }
    bool IsAltHeld() const override { return false; }
};

class NullClipboard : public IClipboard {
public:
    bool PutText(const char*, int) override { return true; }
    bool GetText(std::string&) override { return false; }
};

std::string SourceLine(int n)
{
    static const char* const kLines[] = {
        "    整数 计数%d = 0;  // 计数器，记录处理过的项目数量，以便在结束时打印出来给用户看",
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

struct Result {
    double layoutSeconds;
    double editMicroseconds;
    double lookupMicroseconds;
    int displayLines;
};

Result Run(int lines, int edits, bool wrap)
{
    CTextDocument document;
    document.SetDoubleByteMode(true);
    document.GetLanguageFiles().Clear();
    CLineList& list = document.GetLines();
    list.RemoveAll();
    for (int n = 0; n < lines; ++n) {
        const std::string text = SourceLine(n);
        list.AddTail(text.data(), (int)text.size());
    }
    document.AnalyzeAllLines(0, lines);

    BenchMetrics metrics;
    NullHost host;
    NullClipboard clipboard;
    CViewSettings settings;
    CEditingModes modes;
    CViewEngine view(document, metrics, host, clipboard, settings, modes);
    view.SetClientSize(420, 600);  // narrow enough that long lines wrap
    Result result;
    CStopwatch layoutWatch;
    view.InitialUpdate(nullptr);
    view.SetWordWrap(wrap);
    view.ReformatDocument();
    result.layoutSeconds = layoutWatch.Seconds();
    result.displayLines = view.GetDisplayLineCount();

    std::mt19937 random(1234);
    CStringLineList block;
    block.AddTail(CString("粘贴的 第一行"));
    block.AddTail(CString("second"));
    block.AddTail(CString("第三行 结束"));
    CStopwatch editWatch;
    for (int i = 0; i < edits; ++i) {
        const LineIndex line = (LineIndex)(random() % (unsigned)document.GetLineCount());
        const int length = document.GetLine(line)->GetLength();
        const ByteColumn column = std::min(length, 4);  // leading blanks: a character boundary
        switch (i % 4) {
        case 0:  // type a character
            document.InsertChar(column, line, 'x');
            break;
        case 1:  // delete it again elsewhere
            if (length > 0)
                document.DeleteChar(0, line);
            break;
        case 2: {  // paste three lines
            ByteColumn endColumn;
            LineIndex endLine;
            document.InsertBlock(column, line, &endColumn, &endLine, block);
            break;
        }
        case 3:  // and delete two lines
            if (line + 2 < document.GetLineCount())
                document.DeleteBlock(0, line, 0, line + 2);
            break;
        }
        view.SetCaretToDocPosition(column, line);
    }
    result.editMicroseconds = editWatch.Seconds() * 1e6 / edits;

    CStopwatch lookupWatch;
    const int lookups = 100000;
    long long sink = 0;
    for (int i = 0; i < lookups; ++i) {
        const LineIndex line = (LineIndex)(random() % (unsigned)document.GetLineCount());
        const PixelPosition at = view.PixelsFromDocPosition(3, line);
        sink += view.DocPositionFromPixels(at.x + 20, at.y).column;
    }
    result.lookupMicroseconds = lookupWatch.Seconds() * 1e6 / lookups + (sink < 0 ? 1 : 0);
    if (!view.Check())
        std::printf("layout check FAILED\n");
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    const int lines = argc > 1 ? std::atoi(argv[1]) : 600000;
    const int edits = argc > 2 ? std::atoi(argv[2]) : 20000;
    for (bool wrap : {false, true}) {
        for (int size : {lines / 10, lines}) {
            const Result r = Run(size, edits, wrap);
            std::printf("wrap %-3s %7d lines (%7d display lines): layout %.2f s, edit %.1f us, "
                        "look-up %.2f us\n",
                        wrap ? "on" : "off", size, r.displayLines, r.layoutSeconds,
                        r.editMicroseconds, r.lookupMicroseconds);
        }
    }
    return 0;
}
