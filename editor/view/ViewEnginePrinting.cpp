#include "editor/view/ViewEngine.h"

void CViewEngine::GetSelectionPrintLines(LineIndex& first, int& count) const
{
    const DocSelection range = GetSelectionRange();
    first = range.start.line;
    count = range.end.line - range.start.line + (range.end.column != 0 ? 1 : 0);
}

int CViewEngine::BeginPrintLayout(const ITextMetrics& printer, const PageRect& page,
                                  bool selectionOnly)
{
    LineIndex first = 0;
    int count = m_document.GetLineCount();
    if (selectionOnly && GetSelectionLineSpan() > 0)
        GetSelectionPrintLines(first, count);
    m_printLayout.LayoutForPrinter(m_document, printer, m_settings, page, first, count, &m_host);
    const int perPage = LinesPerPage(page, PrinterLineHeight(printer, m_settings),
                                     m_settings.printHeader != 0, m_settings.printFooter != 0);
    return PageCount(m_printLayout.GetLines().GetCount(), perPage);
}
