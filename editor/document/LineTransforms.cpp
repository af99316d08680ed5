// Line transformations of the document: indent, comment, trim and tab conversion, built on
// the primitives so each change is an undoable step of the open group.
#include <string>

#include "editor/document/GbkCompare.h"
#include "editor/document/TextDocument.h"

namespace {

bool IsBlankOrTab(char c)
{
    return c == ' ' || c == '\t';
}

} // namespace

int CTextDocument::IndentLineAt(LineIndex line, int width, bool useBlanks)
{
    if (!m_lines.IsValidIndex(line))
        return 0;
    if (!useBlanks)
        return InsertChar(0, line, '\t') ? 1 : 0;
    if (width <= 0)
        return 0;
    const std::string blanks((size_t)width, ' ');
    return InsertString(0, line, blanks.data(), width) ? width : 0;
}

int CTextDocument::UnindentLineAt(LineIndex line, int width)
{
    if (!m_lines.IsValidIndex(line))
        return 0;
    const CTextLine& text = *m_lines.GetLine(line);
    if (text.GetLength() == 0)
        return 0;
    if (text.GetAt(0) == '\t')
        return DeleteChar(0, line) ? 1 : 0;
    int blanks = 0;
    while (blanks < width && text.GetAt(blanks) == ' ' && blanks < text.GetLength())
        ++blanks;
    return blanks > 0 && DeleteString(0, line, blanks) ? blanks : 0;
}

int CTextDocument::CommentLineAt(LineIndex line)
{
    const std::string& comment = GetLangSpec().m_lineComment[0];
    if (comment.empty() || !m_lines.IsValidIndex(line) || m_lines.GetLine(line)->GetLength() == 0)
        return 0;
    const std::string marked = comment + " ";
    return InsertString(0, line, marked.data(), (int)marked.size()) ? (int)marked.size() : 0;
}

int CTextDocument::UncommentLineAt(LineIndex line)
{
    const std::string& comment = GetLangSpec().m_lineComment[0];
    if (comment.empty() || !m_lines.IsValidIndex(line))
        return 0;
    const CTextLine& text = *m_lines.GetLine(line);
    const int length = (int)comment.size();
    if (text.GetLength() < length ||
        !GbkCompare::StartsWithNoCase(text.GetText(), comment.data(), comment.size()))
        return 0;
    const int remove = text.GetAt(length) == ' ' && text.GetLength() > length ? length + 1 : length;
    return DeleteString(0, line, remove) ? remove : 0;
}

int CTextDocument::TrimLeadingBlanksAt(LineIndex line)
{
    if (!m_lines.IsValidIndex(line))
        return 0;
    const CTextLine& text = *m_lines.GetLine(line);
    int count = 0;
    while (count < text.GetLength() && IsBlankOrTab(text.GetAt(count)))
        ++count;
    return count > 0 && DeleteString(0, line, count) ? count : 0;
}

int CTextDocument::TrimTrailingBlanksAt(LineIndex line)
{
    if (!m_lines.IsValidIndex(line))
        return 0;
    const CTextLine& text = *m_lines.GetLine(line);
    int start = text.GetLength();
    while (start > 0 && IsBlankOrTab(text.GetAt(start - 1)))
        --start;
    const int count = text.GetLength() - start;
    return count > 0 && DeleteString(start, line, count) ? count : 0;
}

int CTextDocument::TabsToSpacesAt(LineIndex line)
{
    if (!m_lines.IsValidIndex(line))
        return 0;
    const CTextLine& text = *m_lines.GetLine(line);
    int replaced = 0;
    // The line grows as tabs turn into blanks, so its length is read anew each time.
    for (ByteColumn c = 0; c < text.GetLength(); ++c) {
        if (text.GetAt(c) != '\t')
            continue;
        const int blanks = m_tabSize - c % m_tabSize;
        const std::string fill((size_t)blanks, ' ');
        DeleteChar(c, line);
        InsertString(c, line, fill.data(), blanks);
        c += blanks - 1;
        ++replaced;
    }
    return replaced;
}

int CTextDocument::SpacesToTabsAt(LineIndex line)
{
    if (!m_lines.IsValidIndex(line))
        return 0;
    TabsToSpacesAt(line);
    const CTextLine& text = *m_lines.GetLine(line);
    int inserted = 0;
    // From the last tab stop down, so the columns still to visit do not move.
    for (ByteColumn stop = text.GetLength() / m_tabSize * m_tabSize; stop >= m_tabSize; stop -= m_tabSize) {
        ByteColumn start = stop;
        while (start > stop - m_tabSize && text.GetAt(start - 1) == ' ')
            --start;
        if (stop - start < 2)
            continue;
        DeleteString(start, line, stop - start);
        InsertChar(start, line, '\t');
        ++inserted;
    }
    return inserted;
}

int CTextDocument::LeadingSpacesToTabsAt(LineIndex line)
{
    if (!m_lines.IsValidIndex(line))
        return 0;
    const CTextLine& text = *m_lines.GetLine(line);
    int blanks = 0;
    while (blanks < text.GetLength() && text.GetAt(blanks) == ' ')
        ++blanks;
    const int tabs = blanks / m_tabSize;
    if (tabs == 0)
        return 0;
    const std::string fill((size_t)tabs, '\t');
    DeleteString(0, line, tabs * m_tabSize);
    InsertString(0, line, fill.data(), tabs);
    return tabs;
}

template <class LineOp>
int CTextDocument::ForLines(LineIndex first, bool includeLast, LineIndex last, LineOp op)
{
    if (!includeLast)
        --last;
    if (first < 0)
        first = 0;
    if (last >= m_lines.GetCount())
        last = m_lines.GetCount() - 1;
    CChangeBatch batch(*this);
    int total = 0;
    for (LineIndex n = first; n <= last; ++n)
        total += op(n);
    return total;
}

template <class LineOp> int CTextDocument::ForAllLines(LineOp op)
{
    CChangeBatch batch(*this);
    int total = 0;
    for (LineIndex n = 0; n < m_lines.GetCount(); ++n)
        total += op(n);
    return total;
}

int CTextDocument::IndentLines(LineIndex first, bool includeLast, LineIndex last, int width, bool useBlanks)
{
    return ForLines(first, includeLast, last, [&](LineIndex n) { return IndentLineAt(n, width, useBlanks); });
}

int CTextDocument::UnindentLines(LineIndex first, bool includeLast, LineIndex last, int width)
{
    return ForLines(first, includeLast, last, [&](LineIndex n) { return UnindentLineAt(n, width); });
}

int CTextDocument::CommentLines(LineIndex first, bool includeLast, LineIndex last)
{
    return ForLines(first, includeLast, last, [&](LineIndex n) { return CommentLineAt(n); });
}

int CTextDocument::UncommentLines(LineIndex first, bool includeLast, LineIndex last)
{
    return ForLines(first, includeLast, last, [&](LineIndex n) { return UncommentLineAt(n); });
}

int CTextDocument::TabsToSpacesAll()
{
    return ForAllLines([&](LineIndex n) { return TabsToSpacesAt(n); });
}

int CTextDocument::SpacesToTabsAll()
{
    return ForAllLines([&](LineIndex n) { return SpacesToTabsAt(n); });
}

int CTextDocument::LeadingSpacesToTabsAll()
{
    return ForAllLines([&](LineIndex n) { return LeadingSpacesToTabsAt(n); });
}

int CTextDocument::TrimTrailingBlanksAll()
{
    return ForAllLines([&](LineIndex n) { return TrimTrailingBlanksAt(n); });
}
