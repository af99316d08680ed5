// Edit, caret, selection and wrap sequences on one document shown in two views, one with a
// fixed-pitch font and one with a proportional one. Input: the document's first text, "\n%%\n",
// then steps: a step is an opcode byte and the bytes it reads (a missing byte reads as 0).
// Each step runs the way its command handler runs it (edits inside one edit group of the
// active view, caret keys through the command body, wrap and column mode with the rebuild
// the window does); after it the line list, both undo sets and both views must pass their
// checks: the display lines agree with a fresh layout and every stored position lies in it.
// A print step checks the printer's display lines too.
#include "FuzzInput.h"
#include "editor/document/LineList.h"
#include "editor/document/UndoSet.h"
#include "tests/editor/view/EditTestSupport.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Reads the step bytes; past the end every byte is 0.
class StepReader {
public:
    explicit StepReader(const std::string& bytes) : m_bytes(bytes) {}
    bool AtEnd() const { return m_at >= m_bytes.size(); }
    unsigned Byte() { return m_at < m_bytes.size() ? (unsigned char)m_bytes[m_at++] : 0u; }
    // A length byte (below limit) and that many bytes.
    std::string Text(unsigned limit)
    {
        const size_t length = Byte() % limit;
        std::string text = m_bytes.substr(std::min(m_at, m_bytes.size()), length);
        m_at += length;
        return text;
    }

private:
    const std::string& m_bytes;
    size_t m_at = 0;
};

// A second pane over the fixture's document with the edit actions, groups and command bodies
// of its own, as a split window has.
struct SecondPane {
    SecondPane(EditFixture& f, const ITextMetrics& metrics)
        : view(f.document, metrics, host, f.clipboard, f.settings, f.modes),
          actions(view),
          groups(actions, prompts),
          commands(actions, groups)
    {
    }
    FakeHost host;
    ScriptedPrompts prompts;
    CViewEngine view;
    CEditActions actions;
    CEditGroups groups;
    CEditCommands commands;
};

// The view, groups and command bodies a step acts through.
struct Pane {
    CViewEngine& view;
    CEditGroups& groups;
    CEditCommands& commands;
};

void Fail(const char* what, size_t step)
{
    fprintf(stderr, "check failed after step %zu: %s\n", step, what);
    abort();
}

void CheckAll(EditFixture& f, const SecondPane& second, size_t step)
{
    CTextDocument& document = f.document;
    if (!document.GetLines().Check())
        Fail("line list", step);
    if (!document.GetUndoSet().Check() || !document.GetRedoSet().Check())
        Fail("undo sets", step);
    if (!f.view.Check())
        Fail("first view", step);
    if (!second.view.Check())
        Fail("second view", step);
}

// What a paint reads: the lines on screen laid out, each with its range state.
void Paint(CViewEngine& view)
{
    view.LayOutVisibleLines();
    for (PixelY y = view.GetScrollY(); y < view.GetScrollY() + view.GetClientHeight();
         y += view.GetLineHeight()) {
        CDisplayLineRef line = view.GetDisplayLineAtY(y);
        if (!line)
            break;
        view.GetRangeStateAtDisplayLine(*line);
    }
}

// Word wrap switched as the window does: the layout rebuilt around the kept positions.
void SetWrap(CViewEngine& view, bool wrap)
{
    if (view.IsWordWrap() == wrap)
        return;
    view.SetWordWrap(wrap);
    view.SaveLayoutPositions();
    view.ReformatDocument();
    view.RestoreLayoutPositions();
    view.EnsureCaretVisible();
}

// A typed byte: printable ASCII.
char PrintableChar(unsigned byte)
{
    return (char)(0x20 + byte % 95);
}

// A valid double-byte character from two bytes.
CString DoubleByteChar(unsigned lead, unsigned trail)
{
    char text[3] = {(char)(0x81 + lead % 126), (char)(0x40 + trail % 190), 0};
    if ((unsigned char)text[1] >= 0x7F)
        ++text[1];
    return CString(text);
}

// The clipboard's text for a paste: NUL ends a clipboard text, so it never lies inside one.
std::string ClipboardText(std::string text)
{
    for (char& c : text)
        if (c == '\0')
            c = '\n';
    return text;
}

void RunLineCommand(CEditCommands& commands, unsigned which)
{
    switch (which % 13) {
    case 0: commands.DoDeleteWord(); break;
    case 1: commands.DoDeletePrevWord(); break;
    case 2: commands.DoDeleteToLineEnd(); break;
    case 3: commands.DoDeleteToLineStart(); break;
    case 4: commands.DoDeleteLine(1); break;
    case 5: commands.DoDuplicateLine(); break;
    case 6: commands.DoIndent(1); break;
    case 7: commands.DoOutdent(1); break;
    case 8: commands.DoCommentLines(1); break;
    case 9: commands.DoUncommentLines(1); break;
    case 10: commands.DoJoinLines(); break;
    case 11: commands.DoSplitLine(); break;
    default: commands.DoTabKey(); break;
    }
}

enum Step {
    kTypeChar,
    kTypeDoubleByte,
    kEnter,
    kBackspace,
    kDelete,
    kPaste,
    kCutOrCopy,
    kUndo,
    kRedo,
    kCaretKey,
    kCaretToPosition,
    kWordWrap,
    kResize,
    kOtherPane,
    kPaint,
    kLineCommand,
    kColumnMode,
    kOverwriteMode,
    kPrint,
    kStepCount
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string rest(reinterpret_cast<const char*>(data), size);
    const std::string text = FuzzInput::TakePart(rest);

    ProportionalMetrics proportional;
    EditFixture f;
    CLineList& lines = f.document.GetLines();
    lines.RemoveAll();
    for (const std::string& line : FuzzInput::Lines(text))
        lines.AddTail(line.data(), (int)line.size());
    if (lines.IsEmpty())
        lines.AddTail("", 0);
    f.document.AnalyzeAllLines(0, f.document.GetLineCount());
    f.view.SetClientSize(200, 96);
    f.view.InitialUpdate(nullptr);
    SecondPane second(f, proportional);
    second.view.SetClientSize(150, 64);
    second.view.InitialUpdate(&f.view);
    CheckAll(f, second, 0);

    Pane panes[2] = {{f.view, f.groups, f.commands}, {second.view, second.groups, second.commands}};
    int active = 0;
    StepReader reader(rest);
    for (size_t step = 1; !reader.AtEnd(); ++step) {
        Pane& pane = panes[active];
        CEditCommands& commands = pane.commands;
        const unsigned op = reader.Byte() % kStepCount;
        switch (op) {
        case kTypeChar: {
            const char ch = PrintableChar(reader.Byte());
            pane.groups.RunAction([&] { commands.DoTypeChar(ch); });
            break;
        }
        case kTypeDoubleByte: {
            const unsigned lead = reader.Byte();
            const CString character = DoubleByteChar(lead, reader.Byte());
            pane.groups.RunAction([&] { commands.DoTypeString(character); });
            break;
        }
        case kEnter: pane.groups.RunAction([&] { commands.DoEnterKey(1); }); break;
        case kBackspace: pane.groups.RunAction([&] { commands.DoBackspaceKey(); }); break;
        case kDelete: pane.groups.RunAction([&] { commands.DoDeleteKey(); }); break;
        case kPaste:
            f.clipboard.text = ClipboardText(reader.Text(64));
            f.clipboard.has = true;
            pane.groups.RunAction([&] { commands.DoPaste(1); });
            break;
        case kCutOrCopy:
            if (reader.Byte() & 1)
                pane.groups.RunAction([&] { commands.DoCut(1); });
            else
                commands.DoCopy(1);
            break;
        case kUndo: pane.groups.UndoCommand(); break;
        case kRedo: pane.groups.RedoCommand(); break;
        case kCaretKey: {
            const unsigned key = reader.Byte();
            commands.MoveCaretByKey(kKeyPageUp + (int)(key % 8), (int)(key / 8 % 8));
            pane.view.EnsureCaretVisible();
            break;
        }
        case kCaretToPosition: {
            const unsigned extend = reader.Byte();
            const ByteColumn column = (ByteColumn)reader.Byte();
            const LineIndex line = (LineIndex)(reader.Byte() % f.document.GetLineCount());
            if (extend & 1) {
                pane.view.SetCaretToDocPosition(column, line);
                pane.view.UpdateSelectionActive();
            } else {
                pane.view.Deselect();
                pane.view.SetCaretToDocPosition(column, line);
                pane.view.DropAnchor();
            }
            pane.view.EnsureCaretVisible();
            break;
        }
        case kWordWrap:
            // Wrapping is refused in column mode, as the command does.
            if (!f.modes.columnMode || pane.view.IsWordWrap())
                SetWrap(pane.view, !pane.view.IsWordWrap());
            break;
        case kResize: {
            const int width = 8 + (int)reader.Byte() * 3;
            pane.view.SetClientSize(width, 8 + (int)reader.Byte() * 2);
            break;
        }
        case kOtherPane: active = 1 - active; break;
        case kPaint: Paint(pane.view); break;
        case kLineCommand: {
            const unsigned which = reader.Byte();
            pane.groups.RunAction([&] { RunLineCommand(commands, which); });
            break;
        }
        case kColumnMode:
            // Column mode on turns wrapping off in every pane.
            f.modes.columnMode = !f.modes.columnMode;
            if (f.modes.columnMode)
                for (Pane& each : panes)
                    SetWrap(each.view, false);
            break;
        case kOverwriteMode: f.modes.overwriteMode = !f.modes.overwriteMode; break;
        case kPrint: {
            // A print job of the selection or of the whole document on a page of some width;
            // the printer's display lines are checked while the job lasts.
            const unsigned how = reader.Byte();
            PageRect page;
            page.right = 40 + (int)reader.Byte() * 4;
            page.bottom = 200;
            pane.view.BeginPrintLayout(proportional, page, (how & 1) != 0);
            if (!pane.view.GetPrintLayout().GetLines().Check())
                Fail("print layout", step);
            pane.view.EndPrintLayout();
            break;
        }
        default: break;
        }
        CheckAll(f, second, step);
    }
    return 0;
}
