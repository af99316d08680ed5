#pragma once
#include "editor/document/TextLine.h"

// The units the view works in. Columns (ByteColumn) and document lines (LineIndex) come from
// the document; the view adds pixels and display-line numbers. They are all int, so the
// names are what keeps a byte column from being passed where a pixel x is meant.

// Pixels from the left edge of the text area (right of the gutter).
typedef int PixelX;
// Pixels from the top of the layout: display-line number times the line height.
typedef int PixelY;
// A 0-based position in a view's list of display lines.
typedef int DisplayLineIndex;

// A text position in document terms.
struct DocPosition {
    ByteColumn column = 0;
    LineIndex line = 0;
    bool operator==(const DocPosition& other) const
    {
        return column == other.column && line == other.line;
    }
    bool operator!=(const DocPosition& other) const { return !(*this == other); }
};

// A position in layout pixels.
struct PixelPosition {
    PixelX x = 0;
    PixelY y = 0;
    bool operator==(const PixelPosition& other) const { return x == other.x && y == other.y; }
    bool operator!=(const PixelPosition& other) const { return !(*this == other); }
};

// A selection in layout pixels, start before end; all 0 when there is none.
struct PixelSelection {
    PixelX startX = 0;
    PixelY startY = 0;
    PixelX endX = 0;
    PixelY endY = 0;
};

// A selection in document positions.
struct DocSelection {
    DocPosition start;
    DocPosition end;
};

// Modifier keys held with a key or a click.
enum ModifierMask {
    kModifierCtrl = 1,
    kModifierShift = 2,
    kModifierAlt = 4,
};

// The caret keys by their virtual-key codes (Page Up to Down arrow are 33 to 40).
enum CaretKey {
    kKeyPageUp = 33,
    kKeyPageDown = 34,
    kKeyEnd = 35,
    kKeyHome = 36,
    kKeyLeft = 37,
    kKeyUp = 38,
    kKeyRight = 39,
    kKeyDown = 40,
};
