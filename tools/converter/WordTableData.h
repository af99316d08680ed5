/* The rows of the built-in word tables, shared by the lookups and their tests. */
#ifndef MOYU_CONVERTER_WORD_TABLE_DATA_H
#define MOYU_CONVERTER_WORD_TABLE_DATA_H

#ifdef __cplusplus
extern "C" {
#endif

/* Which lexer mode a row exists in. */
typedef enum WordMode { kBothModes, kC51Only, kNormalOnly } WordMode;

typedef struct WordRow {
    const char* word;
    const char* translation;
    int code;
    WordMode mode;
} WordRow;

typedef struct WordTable {
    const WordRow* rows;
    int count;
} WordTable;

extern const WordTable kOperatorWordsToC;
extern const WordTable kDirectiveWordsToC;
extern const WordTable kDirectiveWordsFromC;
extern const WordTable kUnderscoreKeywordsToC;
extern const WordTable kKeywordsToC;
extern const WordTable kUnderscoreKeywordsFromC;
extern const WordTable kKeywordsFromC;
extern const WordTable kPragmaWords;

/* Directive rows that apply only later in the line than the directive word. */
enum { kDirectiveDefinedToC = 13 };
extern const char kDirectiveDefinedFromC[];

#ifdef __cplusplus
}
#endif

#endif
