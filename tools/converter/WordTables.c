/* Lookups in the built-in word tables. */
#include "tools/converter/WordTables.h"

#include "runtime/源码/字符串.h"
#include "tools/converter/Lexer.h"
#include "tools/converter/WordTableData.h"

static int RowExists(const WordRow* row)
{
    if (row->mode == kBothModes)
        return 1;
    return (row->mode == kC51Only) == (LexC51Mode() == 1);
}

enum { kMaxTableRows = 128, kCachedTables = 8 };

/* The first characters of a table's rows, worked out once: every identifier of a source is
   looked up, so the candidates are picked by comparing numbers. */
typedef struct FirstCharCache {
    const WordTable* table;
    CharCode firstChars[kMaxTableRows];
} FirstCharCache;

static const CharCode* FirstChars(const WordTable* table)
{
    static FirstCharCache caches[kCachedTables];
    for (int i = 0; i < kCachedTables; ++i) {
        FirstCharCache* cache = &caches[i];
        if (cache->table == table)
            return cache->firstChars;
        if (cache->table == NULL && table->count <= kMaxTableRows) {
            for (int row = 0; row < table->count; ++row)
                cache->firstChars[row] = MbCharAt(table->rows[row].word);
            cache->table = table;
            return cache->firstChars;
        }
    }
    return NULL;
}

/* The first row of the current mode whose word equals word; null when none. The first
   character picks the candidates before the whole word is compared. */
static const WordRow* FindRow(const WordTable* table, const char* word, CharCode firstChar)
{
    if (word == NULL)
        return NULL;
    const CharCode* firstChars = FirstChars(table);
    for (int i = 0; i < table->count; ++i) {
        const WordRow* row = &table->rows[i];
        CharCode rowFirst = firstChars != NULL ? firstChars[i] : MbCharAt(row->word);
        if (rowFirst == firstChar && StrCompare(row->word, word) == 0 && RowExists(row))
            return row;
    }
    return NULL;
}

static int Deliver(const WordRow* row, char* out, int size)
{
    if (row == NULL || out == NULL || size <= 0)
        return 0;
    StrCopyN(row->translation, out, size);
    return row->code;
}

static void ClearOut(char* out, int size)
{
    if (out != NULL && size > 0)
        out[0] = '\0';
}

int OperatorWordToC(const char* word, CharCode firstChar, char* out, int size)
{
    ClearOut(out, size);
    return Deliver(FindRow(&kOperatorWordsToC, word, firstChar), out, size);
}

/* Directive rows apply to the directive word itself; the "defined" rows only later. */
static int DirectiveWord(const WordTable* table, int laterCode, const char* laterWord,
                         const char* word, CharCode firstChar, char* out, int size, int laterInLine)
{
    ClearOut(out, size);
    const WordRow* row = FindRow(table, word, firstChar);
    if (row == NULL)
        return 0;
    int isLaterRow = laterWord != NULL ? StrCompare(row->word, laterWord) == 0 : row->code == laterCode;
    if (isLaterRow != (laterInLine != 0))
        return 0;
    return Deliver(row, out, size);
}

int DirectiveWordToC(const char* word, CharCode firstChar, char* out, int size, int laterInLine)
{
    return DirectiveWord(&kDirectiveWordsToC, kDirectiveDefinedToC, NULL, word, firstChar, out,
                         size, laterInLine);
}

int DirectiveWordFromC(const char* word, CharCode firstChar, char* out, int size, int laterInLine)
{
    return DirectiveWord(&kDirectiveWordsFromC, 0, kDirectiveDefinedFromC, word, firstChar, out,
                         size, laterInLine);
}

/* A word beginning with "__" is compared from its third character, one with a single "_"
   from its second, against a row with the same leading low lines: _汇编 is not __汇编. */
static int LowLines(const char* word)
{
    if (word[0] == '_' && word[1] == '_')
        return 2;
    return word[0] == '_' ? 1 : 0;
}

static const WordRow* FindUnderscoreRow(const WordTable* table, const char* word)
{
    int skip = LowLines(word);
    for (int i = 0; i < table->count; ++i) {
        const WordRow* row = &table->rows[i];
        if (LowLines(row->word) == skip && StrCompare(row->word + skip, word + skip) == 0
            && RowExists(row))
            return row;
    }
    return NULL;
}

int KeywordToC(const char* word, CharCode firstChar, char* out, int size)
{
    ClearOut(out, size);
    if (word == NULL)
        return 0;
    if (word[0] == '_')
        return Deliver(FindUnderscoreRow(&kUnderscoreKeywordsToC, word), out, size);
    return Deliver(FindRow(&kKeywordsToC, word, firstChar), out, size);
}

int KeywordFromC(const char* word, CharCode firstChar, char* out, int size)
{
    ClearOut(out, size);
    if (word == NULL)
        return 0;
    if (word[0] == '_' && word[1] == '_')
        return Deliver(FindUnderscoreRow(&kUnderscoreKeywordsFromC, word), out, size);
    return Deliver(FindRow(&kKeywordsFromC, word, firstChar), out, size);
}

const char* PragmaWordText(int code)
{
    for (int i = 0; i < kPragmaWords.count; ++i) {
        if (kPragmaWords.rows[i].code == code)
            return kPragmaWords.rows[i].word;
    }
    return NULL;
}

int PragmaWordIs(const char* word, int code)
{
    if (word == NULL)
        return 0;
    if (code == kPragmaInclude && StrCompare(word, PragmaWordText(kPragmaLoad)) == 0)
        return 1;
    const char* text = PragmaWordText(code);
    return text != NULL && StrCompare(word, text) == 0;
}
