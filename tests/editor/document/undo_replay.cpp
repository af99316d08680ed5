#include "undo_replay.h"

void ReplayNewestGroup(CTextDocument& doc, bool undo)
{
    CUndoSet& from = undo ? doc.GetUndoSet() : doc.GetRedoSet();
    doc.BeginUndoGroup(undo ? 0 : 1);
    const int steps = from.PopGroup();
    for (int i = 0; i < steps; ++i) {
        UndoStep step;
        if (!from.PopStep(&step))
            break;
        ByteColumn column;
        LineIndex line;
        switch (step.op) {
        case kUndoInsertChar: doc.DeleteChar(step.column, step.line); break;
        case kUndoDeleteChar: doc.InsertChar(step.column, step.line, step.byte); break;
        case kUndoInsertString: doc.DeleteString(step.column, step.line, step.length); break;
        case kUndoDeleteString: doc.InsertString(step.column, step.line, step.text); break;
        case kUndoInsertBlock: doc.DeleteBlock(step.column, step.line, step.endColumn, step.endLine); break;
        case kUndoDeleteBlock: doc.InsertBlock(step.column, step.line, &column, &line, step.block); break;
        case kUndoSplitLine: doc.JoinLines(step.column, step.line); break;
        case kUndoJoinLines: doc.SplitLine(step.column, step.line); break;
        }
    }
    doc.EndUndoGroup();
}

std::vector<std::string> DocumentTexts(const CTextDocument& doc)
{
    std::vector<std::string> texts;
    for (LineIndex n = 0; n < doc.GetLineCount(); ++n)
        texts.emplace_back(doc.GetLine(n)->GetText(), (size_t)doc.GetLine(n)->GetLength());
    return texts;
}

void SetDocumentTexts(CTextDocument& doc, const std::vector<std::string>& texts)
{
    doc.ResetContents();
    CLineList& lines = doc.GetLines();
    lines.RemoveAll();
    for (const std::string& text : texts)
        lines.AddTail(text.data(), (int)text.size());
    if (lines.IsEmpty())
        lines.AddTail("", 0);
}
