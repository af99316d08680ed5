#pragma once
#include "editor/document/TextLine.h"

// Backspace after a full-width punctuation mark turns it into its ASCII counterpart instead
// of deleting it (a mark typed by mistake with the input method is undone in one key).

// What Backspace does to the double-byte character that ends at the caret.
struct FullWidthBackspace {
    int removeBytes = 2;           // bytes removed before the caret (2, or 4 for a pair)
    const char* replacement = "";  // ASCII text inserted where they were; empty: plain delete
};

// text holds the line's bytes, caret the caret column (a double-byte character ends there).
// inCommentOrQuote: the character stands in a comment or quotation run, where brackets and
// the equals sign stay full-width (deleted rather than converted).
FullWidthBackspace ConvertFullWidthBeforeCaret(const char* text, ByteColumn caret,
                                               bool inCommentOrQuote);
