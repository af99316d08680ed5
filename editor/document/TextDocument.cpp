#include "editor/document/TextDocument.h"

#include "editor/document/FileMessages.h"
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
    if (!DetectTextFormat(path, encoding, &detected, &lineEnd)) {
        ReportOpenFailure(path);
        return false;
    }
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
