/* The built-in word tables of the Moyu language: operator words, preprocessor directive
   words, keywords and type words, and the words of include and pragma lines. Each lookup
   takes a word and the CharCode of its first character and returns the word's code (0 when
   it is not in the table) with the translation copied, bounded, into out. */
#ifndef MOYU_CONVERTER_WORD_TABLES_H
#define MOYU_CONVERTER_WORD_TABLES_H

#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Codes of the include and pragma words. */
enum {
    kPragmaInclude = 1,       /* 包含 (also accepts 加载) */
    kPragmaLoad = 71,         /* 加载 */
    kPragmaHeaderExt = 100,   /* 接口 */
    kPragmaDefinitionExt = 101, /* 定义 */
    kPragmaSourceExt = 102,   /* 墨 */
    kPragmaPack = 103,        /* 对齐 */
    kPragmaPush = 104,        /* 入栈 */
    kPragmaPop = 105,         /* 出栈 */
    kPragmaShow = 106         /* 显示 */
};

/* Directive codes the driver acts on. */
enum { kDirectiveInclude = 1, kDirectiveError = 10, kDirectivePragma = 12, kDirectiveLoad = 71 };

/* Keyword codes the driver acts on. */
enum { kKeywordDo = 41, kKeywordUntil = 42, kKeywordWhile = 43 };

int OperatorWordToC(const char* word, CharCode firstChar, char* out, int size);
int DirectiveWordToC(const char* word, CharCode firstChar, char* out, int size, int laterInLine);
int DirectiveWordFromC(const char* word, CharCode firstChar, char* out, int size, int laterInLine);
int KeywordToC(const char* word, CharCode firstChar, char* out, int size);
int KeywordFromC(const char* word, CharCode firstChar, char* out, int size);
int PragmaWordIs(const char* word, int code);
const char* PragmaWordText(int code);

#ifdef __cplusplus
}
#endif

#endif
