/* Lookups in the built-in word tables. */
#include "tools/converter/WordTables.h"

#include <string.h>
#include "runtime/源码/字符串.h"
#include "tools/converter/Lexer.h"
#include "tools/converter/TextHash.h"
#include "tools/converter/WordTableData.h"

static int RowExists(const WordRow* row)
{
    if (row->mode == kBothModes)
        return 1;
    return (row->mode == kC51Only) == (LexC51Mode() == 1);
}

enum { kMaxTableRows = 128, kIndexSlots = 256, kIndexedTables = 8 };

/* A table's rows by word, built once: every identifier of a source is looked up in
   several tables, so a word costs one hash instead of a walk over the rows. A slot holds
   1 + the first row of a word; the rows of the same word follow in table order. */
typedef struct WordIndex {
    const WordTable* table;
    int16_t slots[kIndexSlots];
    int16_t nextSameWord[kMaxTableRows];
    uint32_t hashes[kMaxTableRows];
} WordIndex;

static void BuildIndex(WordIndex* index, const WordTable* table)
{
    memset(index->slots, 0, sizeof index->slots);
    for (int row = 0; row < table->count; ++row) {
        const char* word = table->rows[row].word;
        index->nextSameWord[row] = -1;
        index->hashes[row] = TextHash(word);
        for (uint32_t slot = index->hashes[row];; ++slot) {
            int16_t* at = &index->slots[slot % kIndexSlots];
            if (*at == 0) {
                *at = (int16_t)(row + 1);
                break;
            }
            if (StrCompare(table->rows[*at - 1].word, word) == 0) {
                int last = *at - 1;
                while (index->nextSameWord[last] >= 0)
                    last = index->nextSameWord[last];
                index->nextSameWord[last] = (int16_t)row;
                break;
            }
        }
    }
    index->table = table;
}

/* The table's index, or null for a table too large to index. */
static const WordIndex* IndexOf(const WordTable* table)
{
    static WordIndex indexes[kIndexedTables];
    if (table->count > kMaxTableRows)
        return NULL;
    for (int i = 0; i < kIndexedTables; ++i) {
        WordIndex* index = &indexes[i];
        if (index->table == table)
            return index;
        if (index->table == NULL) {
            BuildIndex(index, table);
            return index;
        }
    }
    return NULL;
}

static int RowMatches(const WordRow* row, const char* word, CharCode firstChar)
{
    return MbCharAt(row->word) == firstChar && StrCompare(row->word, word) == 0 && RowExists(row);
}

/* The first row of a chain of rows with the same word that begins with firstChar and
   exists in the current mode. */
static const WordRow* FirstInMode(const WordTable* table, const WordIndex* index, int row,
                                  CharCode firstChar)
{
    if (MbCharAt(table->rows[row].word) != firstChar)
        return NULL;
    for (; row >= 0; row = index->nextSameWord[row]) {
        if (RowExists(&table->rows[row]))
            return &table->rows[row];
    }
    return NULL;
}

/* The first row of the current mode whose word equals word and begins with firstChar;
   null when none. */
static const WordRow* FindRow(const WordTable* table, const char* word, CharCode firstChar)
{
    if (word == NULL)
        return NULL;
    const WordIndex* index = IndexOf(table);
    if (index == NULL) {
        for (int i = 0; i < table->count; ++i) {
            if (RowMatches(&table->rows[i], word, firstChar))
                return &table->rows[i];
        }
        return NULL;
    }
    uint32_t hash = TextHash(word);
    for (uint32_t slot = hash;; ++slot) {
        int first = index->slots[slot % kIndexSlots] - 1;
        if (first < 0)
            return NULL;
        if (index->hashes[first] == hash && StrCompare(table->rows[first].word, word) == 0)
            return FirstInMode(table, index, first, firstChar);
    }
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
