#pragma once
#include "editor/document/TextLine.h"

// One watcher of a document's text, in practice one view pane. The document tells every
// watcher about every change from inside its editing primitives and its loads, after the
// changed lines were re-analysed, so a watcher never learns of an edit any other way.
class IDocumentWatcher {
public:
    virtual ~IDocumentWatcher() = default;
    // count lines from first have new text or flags.
    virtual void OnLinesChanged(LineIndex first, int count) = 0;
    // count lines were inserted after line after (negative: at the head); the lines-changed
    // notice for them follows.
    virtual void OnLinesInserted(LineIndex after, int count) = 0;
    // count lines from first were removed.
    virtual void OnLinesDeleted(LineIndex first, int count) = 0;
    // Every line may differ (a whole-document transform, another syntax type): rebuild,
    // keeping positions where they can stay.
    virtual void OnDocumentRefreshed() = 0;
    // The text was replaced as a whole (a load or reload): positions start again at the top.
    virtual void OnDocumentReset() = 0;

    // Where the watcher's caret is, so a reload can put it back: a line, or -1 for a
    // watcher without a caret.
    virtual LineIndex GetCaretLine() const { return -1; }
    // Moves the caret to the start of a line and shows it.
    virtual void GoToLine(LineIndex) {}
};
