#include "editor/document/TextDocument.h"

#include <algorithm>
#include <new>

#include "framework/AppEnvironment.h"

CTextDocument::CTextDocument()
    : m_language(std::string(::GetProgramFolder())), m_doubleByteMode(DbcsEnabled() != 0)
{
    ResetContents();
}

CTextDocument::~CTextDocument() = default;

void CTextDocument::SetTabSize(int tabSize)
{
    m_tabSize = tabSize < 1 ? 1 : tabSize > 64 ? 64 : tabSize;
}

void CTextDocument::ResetContents()
{
    m_lines.RemoveAll();
    m_lines.AddTail("", 0);
    m_encoding = kEncodingAnsi;
    m_lineEnd = kLineEndDos;
    m_replacedCharacters = false;
    m_undoSet.Clear();
    m_redoSet.Clear();
    m_recordTarget = 1;
    m_stepCounter = 0;
    m_savePointDepth = 0;
    m_undoGroupsBeforeLastGroup = 0;
    SetModifiedFlag(0);
}

bool CTextDocument::LoadFromFile(const char* path, EncodingCode encoding)
{
    ResetContents();
    EncodingCode detected;
    LineEndCode lineEnd;
    if (!DetectTextFormat(path, encoding, &detected, &lineEnd))
        return false;
    m_encoding = encoding != kEncodingUnknown ? encoding : detected;
    m_lineEnd = lineEnd;
    TextLoadReport report;
    const bool loaded = m_lines.Load(path, m_encoding, m_lineEnd, &report);
    m_replacedCharacters = report.replacedCharacters;
    if (m_lines.IsEmpty())
        m_lines.AddTail("", 0);
    return loaded;
}

void CTextDocument::BeginUndoGroup(int target)
{
    m_stepCounter = 0;
    m_recordTarget = target;
}

void CTextDocument::EndUndoGroup()
{
    m_undoGroupsBeforeLastGroup = m_undoSet.GetGroupCount();
    if (m_stepCounter != 0)
        TargetSet().PushGroup(m_stepCounter);
    m_stepCounter = 0;
    CUndoSet& set = TargetSet();
    while (set.GetMemoryEstimate() > m_undoMemoryLimit && set.GetGroupCount() > 1) {
        set.DropOldestGroup();
        if (&set != &m_undoSet)
            continue;
        // Depths count from the oldest group: the saved state moves down with them, and is
        // gone with the group it stood on.
        m_savePointDepth = m_savePointDepth > 0 ? m_savePointDepth - 1 : -1;
        --m_undoGroupsBeforeLastGroup;
    }
}

void CTextDocument::MarkSaved()
{
    SetModifiedFlag(0);
    m_savePointDepth = m_undoSet.GetGroupCount();
    m_recordTarget = 1;
    m_stepCounter = 0;
}

void CTextDocument::CheckSavePoint()
{
    if (m_savePointDepth == m_undoSet.GetGroupCount())
        SetModifiedFlag(0);
}

void CTextDocument::DropStaleSavePoint()
{
    if (m_undoGroupsBeforeLastGroup < m_savePointDepth)
        m_savePointDepth = -1;
}

void CTextDocument::StepRecorded()
{
    ++m_stepCounter;
    SetModifiedFlag(1);
}

void CTextDocument::AddWatcher(IDocumentWatcher* watcher)
{
    if (watcher && std::find(m_watchers.begin(), m_watchers.end(), watcher) == m_watchers.end())
        m_watchers.push_back(watcher);
}

void CTextDocument::RemoveWatcher(IDocumentWatcher* watcher)
{
    m_watchers.erase(std::remove(m_watchers.begin(), m_watchers.end(), watcher), m_watchers.end());
}

void CTextDocument::NotifyViewsLinesChanged(LineIndex first, int count)
{
    LinesChanged(first, count);
}

void CTextDocument::RefreshAllViews()
{
    for (IDocumentWatcher* watcher : m_watchers)
        watcher->OnDocumentRefreshed();
}

void CTextDocument::ResetAllViews()
{
    for (IDocumentWatcher* watcher : m_watchers)
        watcher->OnDocumentReset();
}

LineIndex CTextDocument::GetFirstWatcherCaretLine() const
{
    return m_watchers.empty() ? -1 : m_watchers.front()->GetCaretLine();
}

void CTextDocument::GoToLineInWatchers(LineIndex line)
{
    for (IDocumentWatcher* watcher : m_watchers)
        watcher->GoToLine(line);
}

void CTextDocument::LinesChanged(LineIndex first, int count)
{
    if (count <= 0)
        return;
    if (m_batchDepth > 0) {
        for (LineIndex n = first; n < first + count; ++n)
            if (m_batchLines.empty() || m_batchLines.back() != n)
                m_batchLines.push_back(n);
        return;
    }
    AnalyzeAllLines(first, count);
    for (IDocumentWatcher* watcher : m_watchers)
        watcher->OnLinesChanged(first, count);
}

void CTextDocument::LinesInserted(LineIndex after, int count)
{
    if (count <= 0)
        return;
    // Collected line numbers above the insertion would be stale afterwards.
    FlushChangedLines();
    for (IDocumentWatcher* watcher : m_watchers)
        watcher->OnLinesInserted(after, count);
}

void CTextDocument::LinesDeleted(LineIndex first, int count)
{
    if (count <= 0)
        return;
    FlushChangedLines();
    for (IDocumentWatcher* watcher : m_watchers)
        watcher->OnLinesDeleted(first, count);
}

void CTextDocument::FlushChangedLines()
{
    if (m_batchLines.empty())
        return;
    std::vector<LineIndex> lines;
    lines.swap(m_batchLines);
    const int depth = m_batchDepth;
    m_batchDepth = 0;
    struct RestoreDepth {
        int& depth;
        int value;
        ~RestoreDepth() { depth = value; }
    } restore{m_batchDepth, depth};
    if ((int)lines.size() > kBatchWholeDocument) {
        LinesChanged(0, GetLineCount());
        return;
    }
    std::sort(lines.begin(), lines.end());
    lines.erase(std::unique(lines.begin(), lines.end()), lines.end());
    // Neighbouring lines go out as one range.
    size_t start = 0;
    for (size_t i = 1; i <= lines.size(); ++i) {
        if (i < lines.size() && lines[i] == lines[i - 1] + 1)
            continue;
        LinesChanged(lines[start], lines[i - 1] - lines[start] + 1);
        start = i;
    }
}

void CTextDocument::EndChangeBatch()
{
    if (m_batchDepth > 0 && --m_batchDepth == 0)
        FlushChangedLines();
}

CChangeBatch::~CChangeBatch() noexcept(false)
{
    if (std::uncaught_exceptions() == m_exceptions) {
        m_document.EndChangeBatch();
        return;
    }
    try {
        m_document.EndChangeBatch();
    } catch (const std::bad_alloc&) {
    }
}
