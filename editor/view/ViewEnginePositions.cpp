#include <algorithm>

#include "editor/util/CharClasses.h"
#include "editor/view/ViewEngine.h"

// Display-line look-ups and the conversions between pixels and text positions.

const CDisplayLine* CViewEngine::GetDisplayLineAtY(PixelY y) const
{
    if (m_displayLines.IsEmpty())
        return nullptr;
    return m_displayLines.GetAt(GetDisplayLineIndexAtY(y));
}

DisplayLineIndex CViewEngine::GetDisplayLineIndexAtY(PixelY y) const
{
    const int last = m_displayLines.GetCount() - 1;
    if (y < 0)
        return 0;
    const DisplayLineIndex k = y / GetLineHeight();
    return k > last ? last : k;
}

LineIndex CViewEngine::DocLineOfDisplay(const CDisplayLine* line) const
{
    return line ? m_displayLines.DocLineOf(line) : 0;
}

LineIndex CViewEngine::GetDocumentLineAtY(PixelY y) const
{
    return DocLineOfDisplay(GetDisplayLineAtY(y));
}

PixelY CViewEngine::GetLastDisplayLineY() const
{
    return GetLineHeight() * std::max(0, m_displayLines.GetCount() - 1);
}

PixelY CViewEngine::GetYOfPosition(ByteColumn column, LineIndex line) const
{
    const int firsts = m_displayLines.GetFirstLineCount();
    if (firsts == 0)
        return 0;
    if (line < 0 || line >= firsts)
        line = firsts - 1;
    const CDisplayLine* display = m_displayLines.GetFirstOfDocLine(line);
    DisplayLineIndex index = m_displayLines.IndexOf(display);
    for (;;) {
        if (display->GetEndColumn() > column)
            break;
        const CDisplayLine* next = display->Next();
        if (!next || next->IsFirst())
            break;
        display = next;
        ++index;
    }
    return index * GetLineHeight();
}

ByteColumn CViewEngine::ColumnFromX(const CDisplayLine& line, PixelX x, bool snap) const
{
    const int average = m_metrics.GetAverageCharWidth();
    if (x < line.GetStartX())
        return line.GetStartColumn();
    if (x >= line.GetEndX()) {
        if (snap)
            return line.GetEndColumn();
        return line.GetEndColumn() + (x - line.GetEndX()) / average;
    }
    const DisplaySegment& segment = *line.FindSegmentAtX(x);
    if (x >= segment.EndX())
        return segment.EndColumn();
    if (segment.kind == kRunLineEnd || segment.kind == kRunSoftBreak || segment.kind == kRunTab ||
        x <= segment.x)
        return segment.firstColumn;
    if (segment.kind == kRunWordDbcsChar)
        return snap ? segment.firstColumn : segment.firstColumn + (x - segment.x) / average;
    const CLineLayout layout = ScreenLayout();
    if (segment.kind == kRunBlanks)
        return segment.firstColumn +
               std::min<int>(segment.columnCount, (x - segment.x) / layout.GetParameters().blankWidth);
    const int available = std::max(0, std::min<int>(segment.columnCount,
                                                     line.GetTextLength() - segment.firstColumn));
    return segment.firstColumn +
           layout.FitBytes(line.GetText() + segment.firstColumn, available, x - segment.x);
}

PixelX CViewEngine::XFromColumn(const CDisplayLine& line, ByteColumn column, bool snap) const
{
    if (column < line.GetStartColumn())
        return line.GetStartX();
    if (column >= line.GetEndColumn()) {
        if (snap)
            return line.GetEndX();
        return line.GetEndX() + (column - line.GetEndColumn()) * m_metrics.GetAverageCharWidth();
    }
    const DisplaySegment& segment = *line.FindSegmentAtColumn(column);
    if (column >= segment.EndColumn())
        return segment.EndX();
    if (segment.kind == kRunLineEnd || segment.kind == kRunSoftBreak || segment.kind == kRunTab ||
        column <= segment.firstColumn)
        return segment.x;
    if (segment.kind == kRunWordDbcsChar)
        return snap ? segment.x
                    : segment.x + m_metrics.GetAverageCharWidth() * (column - segment.firstColumn);
    const int count = std::min(column, line.GetTextLength()) - segment.firstColumn;
    return segment.x + ScreenLayout().MeasureRun(line.GetText() + segment.firstColumn,
                                                 segment.kind, std::max(0, count), segment.x);
}

DocPosition CViewEngine::DocPositionFromPixels(PixelX x, PixelY y) const
{
    DocPosition position;
    const CDisplayLine* line = GetDisplayLineAtY(y);
    if (!line)
        return position;
    position.column = ColumnFromX(*line, x, true);
    position.line = DocLineOfDisplay(line);
    return position;
}

PixelPosition CViewEngine::PixelsFromDocPosition(ByteColumn column, LineIndex line) const
{
    PixelPosition position;
    position.y = GetYOfPosition(column, line);
    const CDisplayLine* display = GetDisplayLineAtY(position.y);
    if (display)
        position.x = XFromColumn(*display, column, true);
    return position;
}

DocPosition CViewEngine::GetCaretDocPosition() const
{
    DocPosition position;
    const CDisplayLine* line = CaretLine();
    if (!line)
        return position;
    position.column = ColumnFromX(*line, GetCaretX(), !m_modes.columnMode);
    position.line = DocLineOfDisplay(line);
    return position;
}

DocPosition CViewEngine::GetAnchorDocPosition() const
{
    DocPosition position;
    const CDisplayLine* line = GetDisplayLineAtY(GetAnchorY());
    if (!line)
        return position;
    position.column = ColumnFromX(*line, GetAnchorX(), !m_modes.columnMode);
    position.line = DocLineOfDisplay(line);
    return position;
}

PixelPosition CViewEngine::CaretPixelsOf(ByteColumn column, LineIndex line) const
{
    PixelPosition caret = AnchorPixelsOf(column, line);
    const CDisplayLine* display = GetDisplayLineAtY(caret.y);
    if (display && m_modes.columnMode && caret.x > display->GetEndX()) {
        const int average = m_metrics.GetAverageCharWidth();
        caret.x = std::max(display->GetEndX(), average * (caret.x / average));
    }
    return caret;
}

PixelPosition CViewEngine::AnchorPixelsOf(ByteColumn column, LineIndex line) const
{
    PixelPosition anchor;
    anchor.y = GetYOfPosition(column, line);
    const CDisplayLine* display = GetDisplayLineAtY(anchor.y);
    anchor.x = display ? XFromColumn(*display, column, !m_modes.columnMode) : 0;
    return anchor;
}

void CViewEngine::SetCaretToDocPosition(ByteColumn column, LineIndex line)
{
    MoveCaretTo(CaretPixelsOf(column, line));
}

void CViewEngine::RelocateSelection(DocPosition anchor, DocPosition caret)
{
    m_selection.Relocate(AnchorPixelsOf(anchor.column, anchor.line), CaretPixelsOf(caret.column, caret.line));
    m_selection.SetDesiredX(GetCaretX());
}

void CViewEngine::SetAnchorToDocPosition(ByteColumn column, LineIndex line)
{
    m_selection.MoveAnchor(AnchorPixelsOf(column, line));
}

// ---- word bounds ----

int CViewEngine::CharLengthAt(const CTextLine& line, ByteColumn pos) const
{
    return m_document.IsDoubleByteMode() && GbkText::IsLeadByte((unsigned char)line.GetAt(pos)) &&
                   pos + 1 < line.GetLength()
               ? 2
               : 1;
}

int CViewEngine::ClassAt(const CTextLine& line, ByteColumn pos) const
{
    return m_document.ClassifyChar((unsigned char)line.GetAt(pos), (unsigned char)line.GetAt(pos + 1));
}

ByteColumn CViewEngine::CharStartBefore(const CTextLine& line, ByteColumn pos) const
{
    // GBK cannot be walked backwards: find the character starts from the line's start.
    ByteColumn start = 0;
    for (ByteColumn i = 0; i < pos && i < line.GetLength(); i += CharLengthAt(line, i))
        start = i;
    return start;
}

ByteColumn CViewEngine::WordEndFrom(LineIndex lineIndex, ByteColumn pos) const
{
    const CTextLine& line = *m_document.GetLine(lineIndex);
    const int length = line.GetLength();
    if (pos < 0 || pos >= length)
        return length;
    const int cls = ClassAt(line, pos);
    ByteColumn p = pos + CharLengthAt(line, pos);
    while (p < length && ClassAt(line, p) == cls)
        p += CharLengthAt(line, p);
    return std::min(p, length);
}

ByteColumn CViewEngine::WordStartFrom(LineIndex lineIndex, ByteColumn pos) const
{
    const CTextLine& line = *m_document.GetLine(lineIndex);
    const int length = line.GetLength();
    if (pos <= 0)
        return 0;
    if (pos >= length)
        return length;
    ByteColumn runStart = 0;
    int runClass = -1;
    for (ByteColumn i = 0; i < length;) {
        const int cls = ClassAt(line, i);
        if (cls != runClass) {
            runClass = cls;
            runStart = i;
        }
        const int step = CharLengthAt(line, i);
        if (pos < i + step)
            return runStart;
        i += step;
    }
    return runStart;
}

ByteColumn CViewEngine::NextWordStart(LineIndex lineIndex, ByteColumn pos) const
{
    const CTextLine& line = *m_document.GetLine(lineIndex);
    ByteColumn p = WordEndFrom(lineIndex, pos);
    if (p < line.GetLength() && ClassAt(line, p) == 0)
        p = WordEndFrom(lineIndex, p);
    return p;
}

ByteColumn CViewEngine::PrevWordStart(LineIndex lineIndex, ByteColumn pos) const
{
    const CTextLine& line = *m_document.GetLine(lineIndex);
    ByteColumn p = WordStartFrom(lineIndex, pos);
    if (p > 0 && p < line.GetLength() && ClassAt(line, p) == 0)
        p = WordStartFrom(lineIndex, CharStartBefore(line, p));
    return p;
}

void CViewEngine::GetWordBounds(LineIndex lineIndex, ByteColumn pos, ByteColumn& start,
                                ByteColumn& end) const
{
    const CTextLine& line = *m_document.GetLine(lineIndex);
    const int length = line.GetLength();
    start = end = pos;
    if (pos < 0 || pos > length)
        return;
    const int cls = pos < length ? ClassAt(line, pos) : 0;
    if (cls == 1) {
        const unsigned char lead = (unsigned char)line.GetAt(pos);
        const unsigned char next = (unsigned char)line.GetAt(pos + 1);
        const bool pair = m_document.IsDoubleByteMode() && GbkText::IsLeadByte(lead) &&
                          (next >= 0x80 || (next >= '0' && next <= '9'));
        end = pos + (pair ? 2 : 1);
    } else if (cls == 2) {
        start = WordStartFrom(lineIndex, pos);
        end = WordEndFrom(lineIndex, pos);
    } else if (pos > 0) {
        const ByteColumn before = CharStartBefore(line, pos);
        if (ClassAt(line, before) == 2) {
            start = WordStartFrom(lineIndex, before);
            end = pos;
        }
    }
}

void CViewEngine::GetVocabularyWordBounds(LineIndex lineIndex, ByteColumn pos, ByteColumn& start,
                                          ByteColumn& end) const
{
    const CTextLine& line = *m_document.GetLine(lineIndex);
    start = end = pos;
    if (pos <= 0 || pos > line.GetLength())
        return;
    const ByteColumn before = CharStartBefore(line, pos);
    const int cls = ClassAt(line, before);
    if (cls == 2) {
        start = WordStartFrom(lineIndex, before);
        end = WordEndFrom(lineIndex, before);
    } else if (cls == 1) {
        start = before;
    }
}
