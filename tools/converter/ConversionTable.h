/* The conversion table: word pairs (English or C text, Chinese text) read from table files,
   kept in one list per first character of the side searched in the current direction. */
#ifndef MOYU_CONVERTER_CONVERSION_TABLE_H
#define MOYU_CONVERTER_CONVERSION_TABLE_H

#include <stdio.h>
#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kTableLineSize = 2000 };

/* Main list: one node per distinct key in ascending order; further nodes with that key hang
   in the first node's nextSameKey chain, newest first. */
typedef struct ConversionTable {
    struct ConversionTable* next;
    struct ConversionTable* prev;
    CharCode key;
    int isPreprocessor;
    char* english;
    char* chinese;
    struct ConversionTable* nextSameKey;
} ConversionTable;

/* The default table "墨转换.zhb" beside the executable, once per run, unless 纯净. */
void LoadDefaultTable(void);
/* The user table named by the options, once per run, after the default table. */
void LoadUserTable(void);
/* Reads a whole table file; a null stream does nothing. */
void TableLoad(FILE* stream);
/* Links one node (its texts owned by the table from now on). */
void TableInsert(ConversionTable* node);
/* The other side's text of the first matching pair, or null. */
const char* TableLookup(CharCode key, const char* word, int isPreprocessor);
/* Releases every node; the next load starts afresh. */
void TableFree(void);
/* The head of the main list (tests check the invariant through it). */
const ConversionTable* TableHead(void);

#ifdef __cplusplus
}
#endif

#endif
