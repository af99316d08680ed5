#pragma once
#include <initializer_list>
#include <string>
#include <vector>

#include "editor/document/TextDocument.h"
#include "editor/util/CharClasses.h"
#include "editor/view/ViewEngine.h"
#include "editor/view/ViewInterfaces.h"

// Fakes and builders shared by the view engine's tests.

// A fixed-pitch font: every byte is 8 pixels wide, so a double-byte character is 16.
class FixedPitchMetrics : public ITextMetrics {
public:
    int GetFontHeight() const override { return 16; }
    int GetAverageCharWidth() const override { return 8; }
    int GetMaxCharWidth() const override { return 16; }
    bool IsFixedPitch() const override { return true; }
    int MeasureText(const char*, int length) const override { return length * 8; }
    int GetLogPixelsY() const override { return 96; }
};

// A proportional font: blank 4, "i", "l" and "." 3, "m" and "W" 12, other ASCII 7, a
// double-byte character 14.
class ProportionalMetrics : public ITextMetrics {
public:
    int GetFontHeight() const override { return 14; }
    int GetAverageCharWidth() const override { return 7; }
    int GetMaxCharWidth() const override { return 14; }
    bool IsFixedPitch() const override { return false; }
    int MeasureText(const char* text, int length) const override
    {
        int width = 0;
        for (int i = 0; i < length;) {
            const unsigned char byte = (unsigned char)text[i];
            if (GbkText::IsLeadByte(byte) && i + 1 < length) {
                width += 14;
                i += 2;
                continue;
            }
            width += CharWidth(byte);
            ++i;
        }
        return width;
    }
    int GetLogPixelsY() const override { return 96; }
    static int CharWidth(unsigned char byte)
    {
        switch (byte) {
        case ' ': return 4;
        case 'i': case 'l': case '.': return 3;
        case 'm': case 'W': return 12;
        default: return 7;
        }
    }
};

class FakeHost : public IViewHost {
public:
    void InvalidateView() override { ++invalidations; }
    void OnScrolled(PixelX x, PixelY y) override { scrolledTo = {x, y}; ++scrolls; }
    void ShowCaretPosition(int line, int column, int lineCount) override
    {
        shownLine = line;
        shownColumn = column;
        shownLineCount = lineCount;
    }
    void SetStatusText(const char* text) override { status = text; }
    void Beep() override { ++beeps; }
    void BeginProgress(const char* text) override { progressText = text; ++progressBegun; }
    void SetProgress(int percent) override { progress.push_back(percent); }
    void EndProgress() override { ++progressEnded; }
    bool IsCtrlHeld() const override { return ctrl; }
    bool IsShiftHeld() const override { return shift; }
    bool IsAltHeld() const override { return alt; }

    int invalidations = 0;
    PixelPosition scrolledTo;
    int scrolls = 0;
    int shownLine = 0, shownColumn = 0, shownLineCount = 0;
    std::string status;
    int beeps = 0;
    std::string progressText;
    int progressBegun = 0, progressEnded = 0;
    std::vector<int> progress;
    bool ctrl = false, shift = false, alt = false;
};

class FakeClipboard : public IClipboard {
public:
    bool PutText(const char* bytes, int length) override
    {
        text.assign(bytes, (size_t)length);
        has = true;
        return true;
    }
    bool GetText(std::string& bytes) override
    {
        if (!has)
            return false;
        bytes = text;
        return true;
    }
    std::string text;
    bool has = false;
};

// Replaces the document's lines and analyses them as plain text.
inline void SetDocumentLines(CTextDocument& document, std::initializer_list<std::string> lines)
{
    CLineList& list = document.GetLines();
    list.RemoveAll();
    for (const std::string& line : lines)
        list.AddTail(line.data(), (int)line.size());
    if (list.IsEmpty())
        list.AddTail("", 0);
    document.AnalyzeAllLines(0, document.GetLineCount());
}

// One document with one view over it, with double-byte support on.
struct ViewFixture {
    explicit ViewFixture(const ITextMetrics& metrics)
        : view(document, metrics, host, clipboard, settings, modes)
    {
        document.SetDoubleByteMode(true);
        document.GetLanguageFiles().Clear();
    }

    // Fills the document, sizes the view and builds its display lines.
    void Load(std::initializer_list<std::string> lines, int width = 800, int height = 480,
              bool wrap = false)
    {
        SetDocumentLines(document, lines);
        view.SetClientSize(width, height);
        view.InitialUpdate(nullptr);
        view.SetWordWrap(wrap);
        view.ReformatDocument();
    }

    // The text of document line n.
    std::string Line(LineIndex n) const
    {
        const CTextLine* line = document.GetLine(n);
        return std::string(line->GetText(), (size_t)line->GetLength());
    }

    CTextDocument document;
    FakeHost host;
    FakeClipboard clipboard;
    CViewSettings settings;
    CEditingModes modes;
    CViewEngine view;
};

// Edits straight through the document's primitives, which tell every view of the document.
class DocumentEditor {
public:
    explicit DocumentEditor(CTextDocument& document) : m_document(document) {}
    void InsertString(ByteColumn column, LineIndex line, const std::string& text)
    {
        m_document.InsertString(column, line, text.data(), (int)text.size());
    }
    void DeleteString(ByteColumn column, LineIndex line, int count)
    {
        m_document.DeleteString(column, line, count);
    }
    void SplitLine(ByteColumn column, LineIndex line) { m_document.SplitLine(column, line); }
    void JoinLines(LineIndex line) { m_document.JoinLines(m_document.GetLine(line)->GetLength(), line); }
    void InsertBlock(ByteColumn column, LineIndex line, const CStringLineList& block)
    {
        ByteColumn endColumn;
        LineIndex endLine;
        m_document.InsertBlock(column, line, &endColumn, &endLine, block);
    }
    void DeleteBlock(ByteColumn column1, LineIndex line1, ByteColumn column2, LineIndex line2)
    {
        m_document.DeleteBlock(column1, line1, column2, line2);
    }

private:
    CTextDocument& m_document;
};
