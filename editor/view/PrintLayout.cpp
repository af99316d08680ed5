#include "editor/view/PrintLayout.h"

#include <algorithm>

#include "editor/view/LineLayout.h"
#include "editor/view/ViewMetrics.h"

namespace {

const int kProgressThreshold = 100;
const int kProgressEvery = 2;

}  // namespace

PageRect ComputePageRect(int printableWidthMm, int printableHeightMm, const CViewSettings& settings)
{
    PageRect page;
    page.left = settings.printMargins[0];
    page.top = settings.printMargins[1];
    page.right = printableWidthMm * 10 - settings.printMargins[2];
    page.bottom = printableHeightMm * 10 - settings.printMargins[3];
    return page;
}

int LinesPerPage(const PageRect& page, int printerLineHeight, bool header, bool footer)
{
    int lines = (page.bottom - page.top) / std::max(1, printerLineHeight);
    if (header)
        lines -= 2;
    if (footer)
        lines -= 2;
    return std::max(1, lines);
}

int PageCount(int displayLines, int linesPerPage)
{
    linesPerPage = std::max(1, linesPerPage);
    return std::max(1, (displayLines + linesPerPage - 1) / linesPerPage);
}

std::string ExpandHeaderFooter(const std::string& text, const HeaderFooterValues& values)
{
    const std::pair<const char*, const std::string*> kVariables[] = {
        {"$(FilePath)", &values.path},  {"$(FileName)", &values.name},
        {"$(PageNumber)", &values.page}, {"$(TotalPage)", &values.pages},
        {"$(CurrDate)", &values.date},  {"$(CurrTime)", &values.time},
        {"$(文件路径)", &values.path},  {"$(文件名称)", &values.name},
        {"$(页码)", &values.page},      {"$(总页数)", &values.pages},
        {"$(当前日期)", &values.date},  {"$(当前时间)", &values.time},
    };
    std::string result = text;
    for (const auto& variable : kVariables) {
        const std::string name = variable.first;
        size_t at = 0;
        while ((at = result.find(name, at)) != std::string::npos) {
            result.replace(at, name.size(), *variable.second);
            at += variable.second->size();
        }
    }
    return result;
}

HeaderFooterTexts PrepareHeaderFooter(const CViewSettings& settings, const std::string& path,
                                      const std::string& name, int page, int pages,
                                      const std::string& date, const std::string& time)
{
    HeaderFooterValues values;
    values.path = path;
    values.name = name;
    values.page = std::to_string(page);
    values.pages = std::to_string(pages);
    values.date = date;
    values.time = time;
    HeaderFooterTexts texts;
    texts.header[0] = ExpandHeaderFooter(settings.headerLeft, values);
    texts.header[1] = ExpandHeaderFooter(settings.headerCentre, values);
    texts.header[2] = ExpandHeaderFooter(settings.headerRight, values);
    texts.footer[0] = ExpandHeaderFooter(settings.footerLeft, values);
    texts.footer[1] = ExpandHeaderFooter(settings.footerCentre, values);
    texts.footer[2] = ExpandHeaderFooter(settings.footerRight, values);
    return texts;
}

void CPrintLayout::LayoutForPrinter(const CTextDocument& document, const ITextMetrics& printer,
                                    const CViewSettings& settings, const PageRect& page,
                                    LineIndex first, int count, IViewHost* host)
{
    m_lines.RemoveAll();
    const int lineCount = document.GetLineCount();
    first = std::max(0, std::min(first, lineCount - 1));
    count = std::max(0, std::min(count, lineCount - first));
    m_startLine = first;

    LayoutParameters p;
    p.blankWidth = std::max(1, printer.MeasureText(" ", 1));
    p.tabPitch = p.blankWidth * std::max(1, settings.tabSize);
    p.tabOrigin = std::max(1, p.blankWidth / 10);
    p.fixedPitch = printer.IsFixedPitch();
    p.wrapWidth = (page.right - page.left) - printer.GetMaxCharWidth() -
                  PrinterGutterWidth(printer, settings, lineCount);
    p.continuationIndent = p.blankWidth * settings.wrapIndent;
    p.minimumRoom = 8 * std::max(1, printer.GetAverageCharWidth());
    p.doubleByte = document.IsDoubleByteMode();
    CLineLayout layout(printer, p);

    CHostProgress progress(count > kProgressThreshold ? host : nullptr, "Formatting...");
    CLineLayout::Segments segments;
    for (int i = 0; i < count; ++i) {
        const CTextLine* text = document.GetLine(first + i);
        bool more = layout.FormatFirstDisplayLine(*text, segments);
        CDisplayLine* line = m_lines.AddTail();
        line->SetLayout(text, segments.data(), (int)segments.size(), text->GetFlags());
        while (more) {
            more = layout.FormatContinuationLine(segments);
            line = m_lines.AddTail();
            m_lines.SetContinuationIndex(line, layout.GetLastContinuationIndex());
            line->SetLayout(text, segments.data(), (int)segments.size(), text->GetFlags());
        }
        if ((i + 1) % kProgressEvery == 0)
            progress.Set((int)((long long)(i + 1) * 100 / count));
    }
}

void CPrintLayout::Clear()
{
    m_lines.RemoveAll();
    m_startLine = 0;
}
