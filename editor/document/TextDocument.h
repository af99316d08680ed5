#pragma once
#include <exception>
#include <string>
#include <vector>

#include "editor/document/DocumentWatcher.h"
#include "editor/document/LanguageFiles.h"
#include "editor/document/LineAnalysis.h"
#include "editor/document/LineList.h"
#include "editor/document/StringLineList.h"
#include "editor/document/TextFormat.h"
#include "editor/document/UndoSet.h"
#include "framework/CString.h"

class CRegexEngine;
class IProgressSink;

// Search flag bits of FindForward and friends.
enum SearchFlag {
    kSearchWholeWord = 0x01,
    kSearchMatchCase = 0x02,
    kSearchRegex = 0x04,
};

// The window-free heart of one open file: its lines, formats, undo and redo logs, language
// description, modified state and watchers, with the editing primitives every change goes
// through and the read-only queries the view asks. The framework document owns one and adds
// the file commands; everything here is testable without a window.
//
// Every primitive validates its line and column indexes and refuses (false, nothing changed
// or recorded) what lies outside the text. A primitive that changes text records one step
// into the set chosen by BeginUndoGroup, marks the document modified, re-analyses the lines
// it changed and tells every watcher, so each view learns of every edit by this one path.
class CTextDocument {
public:
    CTextDocument();
    virtual ~CTextDocument();
    CTextDocument(const CTextDocument&) = delete;
    CTextDocument& operator=(const CTextDocument&) = delete;

    // The one modified flag of the document; the framework document forwards to it.
    void SetModifiedFlag(int modified = 1) { m_modified = modified != 0; }
    int IsModified() const { return m_modified ? 1 : 0; }

    // ---- watchers ----
    // A watcher stays registered until it removes itself; it must outlive its registration.
    void AddWatcher(IDocumentWatcher* watcher);
    void RemoveWatcher(IDocumentWatcher* watcher);
    int GetWatcherCount() const { return (int)m_watchers.size(); }
    // Re-analyses count lines from first and tells every watcher; inside a change batch
    // both wait for the batch's end. For changes that are no primitive (line flags).
    void NotifyViewsLinesChanged(LineIndex first, int count);
    // Every watcher rebuilds all its display lines / starts again at the top of a new text.
    void RefreshAllViews();
    void ResetAllViews();
    // The caret line of the first watcher; -1 without one.
    LineIndex GetFirstWatcherCaretLine() const;
    void GoToLineInWatchers(LineIndex line);

    // ---- contents and formats ----
    CLineList& GetLines() { return m_lines; }
    const CLineList& GetLines() const { return m_lines; }
    int GetLineCount() const { return m_lines.GetCount(); }
    // Line n; the last line when n is out of range.
    CTextLine* GetLine(LineIndex n) const { return m_lines.GetLine(n); }

    EncodingCode GetEncoding() const { return m_encoding; }
    void SetEncoding(EncodingCode encoding) { m_encoding = encoding; }
    LineEndCode GetLineEnd() const { return m_lineEnd; }
    void SetLineEnd(LineEndCode lineEnd) { m_lineEnd = lineEnd; }

    // One empty line, ANSI with CR LF, both logs empty, not modified, save point 0.
    void ResetContents();
    // Clears the logs and the modified state, detects the file's formats (a non-zero
    // encoding replaces the detected one) and loads its lines. False when the file cannot
    // be read whole (nothing is shown: the caller reports it); the document then holds at
    // least one line. The
    // watchers' display lines refer to the old lines: the caller analyses the new text and
    // calls ResetAllViews before anything paints.
    bool LoadFromFile(const char* path, EncodingCode encoding = kEncodingUnknown);
    // Writes the lines in the document's formats; the original stays when this fails, and
    // nothing is shown.
    bool SaveToFile(const char* path) const { return m_lines.Save(path, m_encoding, m_lineEnd); }
    // The last load replaced characters GBK cannot hold: saving over the file loses them.
    bool HasReplacedCharacters() const { return m_replacedCharacters; }
    void ForgetReplacedCharacters() { m_replacedCharacters = false; }
    // The text reached the disk: not modified, the save point at the current undo depth.
    void MarkSaved();

    // ---- collaborators ----
    CLanguageFiles& GetLanguageFiles() { return m_language; }
    const CLanguageFiles& GetLanguageFiles() const { return m_language; }
    const CLangSpec& GetLangSpec() const { return m_language.GetLangSpec(); }
    void SetProgressSink(IProgressSink* progress) { m_progress = progress; }
    IProgressSink* GetProgressSink() const { return m_progress; }
    // Lead bytes are tested only while double-byte mode is on; it starts as the
    // process-wide flag start-up set from the system.
    void SetDoubleByteMode(bool enabled) { m_doubleByteMode = enabled; }
    bool IsDoubleByteMode() const { return m_doubleByteMode; }
    // Editor settings the document reads: the tab size (1..64) and wrap-around search.
    void SetTabSize(int tabSize);
    int GetTabSize() const { return m_tabSize; }
    void SetSearchWraps(bool wraps) { m_searchWraps = wraps; }

    // ---- undo and redo logs ----
    CUndoSet& GetUndoSet() { return m_undoSet; }
    CUndoSet& GetRedoSet() { return m_redoSet; }
    // Opens a group: target 1 records into the undo set, 0 into the redo set.
    void BeginUndoGroup(int target);
    // Closes the group; a group in which nothing changed leaves no entry.
    void EndUndoGroup();
    int GetRecordTarget() const { return m_recordTarget; }
    // Past this estimate a log forgets its oldest groups when a group closes, keeping at
    // least the newest: repeated replace-alls of a large document stay undoable one by one
    // without their logs growing without bound.
    void SetUndoMemoryLimit(size_t bytes) { m_undoMemoryLimit = bytes; }
    static const size_t kDefaultUndoMemoryLimit = 64u << 20;
    int GetStepCounter() const { return m_stepCounter; }

    // Save point: the undo group count at the last save, -1 when it cannot be reached.
    int GetSavePointDepth() const { return m_savePointDepth; }
    void SetSavePointDepth(int depth) { m_savePointDepth = depth; }
    // After undo or redo: back at the saved state means not modified.
    void CheckSavePoint();
    // After a new action's group: when the undo set held fewer groups than the save point
    // before that group, the redo steps that led back are gone and so is the save point.
    void DropStaleSavePoint();

    // ---- editing primitives ----
    bool InsertChar(ByteColumn column, LineIndex line, char byte);
    bool DeleteChar(ByteColumn column, LineIndex line);
    bool InsertString(ByteColumn column, LineIndex line, const char* text, int length);
    bool InsertString(ByteColumn column, LineIndex line, const CString& text)
    {
        return InsertString(column, line, text, text.GetLength());
    }
    bool DeleteString(ByteColumn column, LineIndex line, int length);
    // Inserts the block's lines at the position (the first continues the line, the rest
    // become new lines, the old tail follows the last) and gives the position just behind
    // the inserted text.
    bool InsertBlock(ByteColumn column, LineIndex line, ByteColumn* endColumn, LineIndex* endLine,
                     const CStringLineList& block);
    // Deletes from (column1, line1) to (column2, line2); line2 >= line1.
    bool DeleteBlock(ByteColumn column1, LineIndex line1, ByteColumn column2, LineIndex line2);
    bool SplitLine(ByteColumn column, LineIndex line);
    // Appends line + 1 to the line; the step records the line's length before the join
    // (column is where the caller expects it to be and is not otherwise used).
    bool JoinLines(ByteColumn column, LineIndex line);

    // ---- text queries ----
    // The bytes [column, column + length) of a line, cut to the line.
    void GetLineText(CString& text, ByteColumn column, LineIndex line, int length) const;
    // Empties the block, then fills it with the text from (column1, line1) to (column2,
    // line2); false (block empty) when the range is not inside the text.
    bool CopyBlock(CStringLineList& block, ByteColumn column1, LineIndex line1, ByteColumn column2,
                   LineIndex line2) const;

    // ---- line transformations (each change is a step of the open group) ----
    int IndentLineAt(LineIndex line, int width, bool useBlanks);
    int UnindentLineAt(LineIndex line, int width);
    int CommentLineAt(LineIndex line);
    int UncommentLineAt(LineIndex line);
    int TrimLeadingBlanksAt(LineIndex line);
    int TrimTrailingBlanksAt(LineIndex line);
    int TabsToSpacesAt(LineIndex line);
    int SpacesToTabsAt(LineIndex line);
    int LeadingSpacesToTabsAt(LineIndex line);
    // Range forms: first .. last, the last line only when includeLast is set.
    int IndentLines(LineIndex first, bool includeLast, LineIndex last, int width, bool useBlanks);
    int UnindentLines(LineIndex first, bool includeLast, LineIndex last, int width);
    int CommentLines(LineIndex first, bool includeLast, LineIndex last);
    int UncommentLines(LineIndex first, bool includeLast, LineIndex last);
    // Whole-document forms.
    int TabsToSpacesAll();
    int SpacesToTabsAll();
    int LeadingSpacesToTabsAll();
    int TrimTrailingBlanksAll();

    // ---- colouring ----
    // Rebuilds the colour runs of count lines from first on (nothing when first lies
    // outside) from the document's spec and keywords, and the spelling dictionary while its
    // check is on. Each line is lexed when its runs are first read, so this costs no
    // lexing.
    void AnalyzeAllLines(LineIndex first, int count);
    // False when the line can hold no quotation, comment, shadow, highlight or range
    // marker, decided without lexing where its bytes allow: passes that carry the range
    // state over many lines lex only the lines that may change it.
    bool MayHoldMarkers(const CTextLine& line) const { return m_analyzer.MayHoldMarkers(line); }

    // ---- line queries (colour runs must have been analysed) ----
    // Start of the first run that is not a line end, tab or blanks; the runs' end when none.
    static int GetFirstTextColumn(const CTextLine& line);
    // End of the last such run; the runs' end when none.
    static int GetLastTextColumn(const CTextLine& line);
    // The first run whose end lies beyond the column, else the last run; null without runs.
    static const CColorRun* GetRunAt(const CTextLine& line, ByteColumn column);
    static bool IsBlankLine(const CTextLine& line);
    bool IsBlankLineAt(LineIndex n) const;

    // Searches line lineIndex from column, then each following line; on a hit sets both to
    // the match and returns true. flags: SearchFlag bits; engine: compiled for kSearchRegex.
    bool FindForward(ByteColumn& column, LineIndex& lineIndex, const char* text, int flags,
                     CRegexEngine* engine) const;
    // As FindForward, then once more from the start of the document when search wraps.
    bool FindForwardWrap(ByteColumn& column, LineIndex& lineIndex, const char* text, int flags,
                         CRegexEngine* engine) const;
    // Line lineIndex before column, then each earlier line; when search wraps and nothing
    // was found, once more from the last line backwards.
    bool FindBackward(ByteColumn& column, LineIndex& lineIndex, const char* text, int flags,
                      CRegexEngine* engine) const;

    // Toggles the line's bookmark flag; every watcher lays the line out again.
    void ToggleBookmark(LineIndex n);
    // The next (previous) bookmarked line after (before) n, wrapping once through the
    // document; false when there is none.
    bool FindNextBookmark(LineIndex& n) const;
    bool FindPrevBookmark(LineIndex& n) const;

    // The delimiter run at the position is the spec's indentation-on (-off) mark.
    bool IsIndentOpenAt(ByteColumn column, LineIndex n) const;
    bool IsIndentCloseAt(ByteColumn column, LineIndex n) const;
    // The delimiter run at the position is one side of a bracket pair; remembers the
    // symbol and its partner for FindMatchingPair.
    bool GetPairDelimiterAt(ByteColumn column, LineIndex n, bool& isOpening, int& runLength);
    // The partner of the bracket at the position: forward from an opening symbol, backward
    // from a closing one. Sets the position to the partner's run. With a line limit the walk
    // gives up at lines more than that many lines away from the symbol's line.
    static const LineIndex kNoLineLimit = -1;
    bool FindMatchingPair(ByteColumn& column, LineIndex& line, LineIndex lineLimit = kNoLineLimit);
    // The closing (opening) symbol of the innermost block around the position.
    bool FindPairForward(ByteColumn& column, LineIndex& line) const;
    bool FindPairBackward(ByteColumn& column, LineIndex& line) const;

    // 0 blank, 1 delimiter, 2 word character, by the spec's delimiters.
    int ClassifyChar(unsigned char first, unsigned char second) const;
    // As ClassifyChar, but a double-byte character that is neither a full-width delimiter
    // nor the full-width blank is classified by its second byte alone.
    int ClassifyCharAfter(unsigned char first, unsigned char second) const;

    // Runs of numbers, variables, keywords and words (kinds 5, 20-32, 34) over all lines.
    int CountWords() const;
    // The text's bytes with the line ends between lines in the document's format.
    long long CountBytes() const;

    // ---- change batches ----
    // Inside a batch the primitives collect the lines they change; when the outermost batch
    // ends each is analysed and announced once (past kBatchWholeDocument lines, the whole
    // document at once). Lines inserted or removed are announced at once, after the lines
    // changed so far. Views are stale inside a batch: its body must not ask them anything.
    void BeginChangeBatch() { ++m_batchDepth; }
    void EndChangeBatch();
    static const int kBatchWholeDocument = 1000;

private:
    CUndoSet& TargetSet() { return m_recordTarget == 1 ? m_undoSet : m_redoSet; }
    void StepRecorded();
    // A primitive changed count lines from first (inserted lines after after, removed from
    // first): analysis and the watchers, at once or at the batch's end.
    void LinesChanged(LineIndex first, int count);
    void LinesInserted(LineIndex after, int count);
    void LinesDeleted(LineIndex first, int count);
    void FlushChangedLines();
    bool IsInsideLine(ByteColumn column, LineIndex line) const;
    int ClassifyByte(unsigned char byte) const;
    template <class LineOp> int ForLines(LineIndex first, bool includeLast, LineIndex last, LineOp op);
    template <class LineOp> int ForAllLines(LineOp op);

    CLineList m_lines;
    EncodingCode m_encoding = kEncodingAnsi;
    LineEndCode m_lineEnd = kLineEndDos;
    bool m_replacedCharacters = false;
    bool m_modified = false;
    CLanguageFiles m_language;
    CLineAnalyzer m_analyzer{m_language};
    IProgressSink* m_progress = nullptr;
    bool m_doubleByteMode = false;
    int m_tabSize = 4;
    bool m_searchWraps = true;

    std::vector<IDocumentWatcher*> m_watchers;
    int m_batchDepth = 0;
    std::vector<LineIndex> m_batchLines;  // changed inside the open batch, in change order

    CUndoSet m_undoSet;
    CUndoSet m_redoSet;
    int m_recordTarget = 1;
    int m_stepCounter = 0;
    int m_savePointDepth = 0;
    int m_undoGroupsBeforeLastGroup = 0;
    size_t m_undoMemoryLimit = kDefaultUndoMemoryLimit;

    // The bracket pair GetPairDelimiterAt found last: the symbol at the position and its
    // partner (one or two bytes each).
    std::string m_pairSymbol;
    std::string m_pairPartner;
};

// Holds a change batch of a document open for its scope, so the batch ends on every path.
// Ending it analyses and announces the collected lines. When that runs out of memory the
// failure goes on to the caller, which takes the action back; while another exception is
// already on its way, the views keep their old layout of those lines until the taking back
// announces them again.
class CChangeBatch {
public:
    explicit CChangeBatch(CTextDocument& document) : m_document(document) { m_document.BeginChangeBatch(); }
    ~CChangeBatch() noexcept(false);
    CChangeBatch(const CChangeBatch&) = delete;
    CChangeBatch& operator=(const CChangeBatch&) = delete;

private:
    CTextDocument& m_document;
    int m_exceptions = std::uncaught_exceptions();
};

// Holds an undo group open for its scope, so the group is closed on every path, also when a
// step of it throws.
class CUndoGroup {
public:
    CUndoGroup(CTextDocument& document, int target) : m_document(document) { m_document.BeginUndoGroup(target); }
    ~CUndoGroup() { m_document.EndUndoGroup(); }
    CUndoGroup(const CUndoGroup&) = delete;
    CUndoGroup& operator=(const CUndoGroup&) = delete;

private:
    CTextDocument& m_document;
};
