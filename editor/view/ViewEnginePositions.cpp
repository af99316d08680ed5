#include <algorithm>

#include "editor/util/CharClasses.h"
#include "editor/view/ViewEngine.h"

// Display-line look-ups and the conversions between pixels and text positions.

DocPosition CViewEngine::DocPositionFromPixels(PixelX x, PixelY y) const
{
    DocPosition position;
    const CDisplayLineRef line = GetDisplayLineAtY(y);
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
    const CDisplayLineRef display = GetDisplayLineAtY(position.y);
    if (display)
        position.x = XFromColumn(*display, column, true);
    return position;
}

DocPosition CViewEngine::GetCaretDocPosition() const
{
    DocPosition position;
    const CDisplayLineRef line = CaretLine();
    if (!line)
        return position;
    position.column = ColumnFromX(*line, GetCaretX(), !m_modes.columnMode);
    position.line = DocLineOfDisplay(line);
    return position;
}

DocPosition CViewEngine::GetAnchorDocPosition() const
{
    DocPosition position;
    const CDisplayLineRef line = GetDisplayLineAtY(GetAnchorY());
    if (!line)
        return position;
    position.column = ColumnFromX(*line, GetAnchorX(), !m_modes.columnMode);
    position.line = DocLineOfDisplay(line);
    return position;
}

PixelPosition CViewEngine::CaretPixelsOf(ByteColumn column, LineIndex line) const
{
    PixelPosition caret = AnchorPixelsOf(column, line);
    const CDisplayLineRef display = GetDisplayLineAtY(caret.y);
    if (display && m_modes.columnMode && caret.x > display->GetEndX()) {
        const int average = Metrics().GetAverageCharWidth();
        caret.x = std::max(display->GetEndX(), average * (caret.x / average));
    }
    return caret;
}

PixelPosition CViewEngine::AnchorPixelsOf(ByteColumn column, LineIndex line) const
{
    PixelPosition anchor;
    anchor.y = GetYOfPosition(column, line);
    const CDisplayLineRef display = GetDisplayLineAtY(anchor.y);
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
