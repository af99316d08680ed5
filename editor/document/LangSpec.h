#pragma once

#include "editor/document/DescriptionFile.h"
#include "editor/document/TextLine.h"

#include <string>

// Parses a range-condition text ("范围1", "!RNGE2", "R1||R2"…); anything else is kRangeNone.
// Each accepted text is compared case-insensitively over its own length, so trailing text
// such as a closing bracket does not matter.
RangeCondition ParseRangeCondition(const char* text);

// A double-byte character held as its two bytes; {0, 0} when unset.
struct DbcsPair {
    char lead = 0;
    char trail = 0;
    bool IsSet() const { return lead != 0; }
};

// The description of one language read from a spec file: delimiters, quote and comment
// markers, number, keyword and variable marks, bracket pairs and range markers. The lexer,
// the line queries and the view read it; it is a plain record.
class CLangSpec {
public:
    CLangSpec() { Reset(); }

    // Restores the defaults: case-sensitive, default delimiters, everything else empty.
    void Reset();
    // Reset, then read the spec file. False when the file cannot be opened (the defaults
    // stay). Lines the loader cannot use are added to skipped when given.
    bool Load(const char* path, SkippedLines* skipped = nullptr);

    static const char kDefaultDelimiters[];
    static const char kDefaultFullWidthDelimiters[];

    bool m_caseSensitive;
    bool m_multiLineStrings;
    bool m_variablesInStrings;
    std::string m_delimiters;
    std::string m_fullWidthDelimiters;  // whole double-byte pairs
    std::string m_keywordPrefixes;      // single bytes and pairs
    std::string m_hexMark;
    std::string m_variablePrefixes;
    std::string m_variableEnclosing;    // opening and closing byte
    std::string m_specialVariableChars;
    char m_escapeChar;
    char m_quote[3];
    char m_indentOn;
    char m_indentOff;
    DbcsPair m_fullWidthIndentOn;
    DbcsPair m_fullWidthIndentOff;
    std::string m_firstColumnComment[2];
    std::string m_lineComment[3];
    std::string m_blockCommentOn[3];
    std::string m_blockCommentOff[3];
    std::string m_shadowOn;
    std::string m_shadowOff;
    std::string m_highlightOn;
    std::string m_highlightOff;
    std::string m_range1Begin;
    std::string m_range1End;
    std::string m_range2Begin;
    std::string m_range2End;
    std::string m_pairs[3];           // two single bytes: opening, closing
    std::string m_fullWidthPairs[3];  // two double-byte characters: opening, closing
    RangeCondition m_quoteRange;
    RangeCondition m_lineCommentRange;
    RangeCondition m_blockCommentRange;
    DbcsPair m_fullWidthQuote[4];

private:
    // Stores one key's value; false when the key is unknown.
    bool Apply(const std::string& key, const std::string& value);
};
