#pragma once
#include <cstdint>
#include <string>

// The editor settings the view reads, by their names in the settings block. The shell fills
// one of these from its block (and again after every change); the view never reaches the
// shell's headers. Switches are 0 or 1. Defaults are the block's defaults.
struct CViewSettings {
    static const int kColorCount = 50;
    // Entries of the colour table that are not run kinds.
    enum ColorIndex {
        kColorLineNumbers = 2,
        kColorNormalText = 31,
        kColorBackground = 40,
        kColorGutter = 41,
        kColorCurrentLine = 42,
        kColorRange1Background = 43,
        kColorRange2Background = 44,
    };

    int showLineNumbers = 1;
    int syntaxColouring = 1;
    int boldKeywords = 0;
    int italicComments = 0;
    int highlightCurrentLine = 1;
    int spacesForTab = 0;
    int highlightMatchingPair = 1;
    int autoIndent = 1;
    int showSelectionMargin = 0;
    int homeToFirstPosition = 0;
    int searchWraps = 1;
    int dragDropEditing = 1;
    int autoCloseBrackets = 1;
    int vocabularyPopup = 1;
    int wrapOnOpen = 0;
    int showSpaces = 0;
    int showTabs = 0;
    int showLineEnds = 0;
    int tabSize = 4;               // 1..64
    int lineSpacingPercent = 125;  // 50..200
    int lineNumberDigits = 4;      // 2..8
    int caretWidthPercent = 25;    // 1..100
    int fixedWrapWidth = 0;        // 0..160 average character widths; 0 wraps at the window
    int wrapIndent = 4;            // 0..16 blanks
    int marker1On = 0;
    int marker2On = 0;
    int marker1Column = 6;
    int marker2Column = 80;
    // Left, top, right, bottom in tenths of a millimetre.
    int printMargins[4] = {100, 100, 100, 100};
    int printLineNumbers = 0;
    int printSyntaxColours = 0;
    int printHeader = 1;
    int printFooter = 1;
    std::string headerLeft = "$(文件名称)";
    std::string headerCentre;
    std::string headerRight = "$(页码) / $(总页数)";
    std::string footerLeft = "$(当前日期)";
    std::string footerCentre;
    std::string footerRight;

    // 0x00BBGGRR; entries 1 to 35 by run kind, then the special entries above.
    uint32_t colors[kColorCount] = {};

    CViewSettings() { ResetColors(); }
    // The default colour scheme.
    void ResetColors();
};

// Process-wide editing switches that every view reads.
struct CEditingModes {
    bool columnMode = false;
    bool overwriteMode = false;
    bool macroRecording = false;
    bool macroReplaying = false;
};
