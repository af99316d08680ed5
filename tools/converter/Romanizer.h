/* The name romanizer: reversible ASCII names for Chinese identifiers and file names
   ("zh_" and one unique name per character), and the way back. */
#ifndef MOYU_CONVERTER_ROMANIZER_H
#define MOYU_CONVERTER_ROMANIZER_H

#include "runtime/源码/字符.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Styles: the option words 全拼, 拼音, 首拼 and 简拼 (GBK bytes packed first byte high),
   or 1, 2, 3; any other value means 简拼. */
#define kRomanizeStyleFull ((KindWord)0xC8ABC6B4u)    /* 全拼 */
#define kRomanizeStylePinyin ((KindWord)0xC6B4D2F4u)  /* 拼音 */
#define kRomanizeStyleInitial ((KindWord)0xCAD7C6B4u) /* 首拼 */
#define kRomanizeStyleShort ((KindWord)0xBCF2C6B4u)   /* 简拼 */

enum { kRomanizeCharMinSize = 9 };

/* A two-byte Chinese character's name in the style; characters outside GB2312 as their
   hex code. Returns the bytes written, 0 (nothing written) for other characters or a
   buffer below kRomanizeCharMinSize. */
int RomanizeChar(CharCode code, char* out, int size, KindWord style);
/* Reads one character's name at the start of text; the bytes used, 0 when none. */
int DeromanizeChar(const char* text, CharCode* code);
/* "zh_" and the names of the text's characters; a text without Chinese characters is
   copied. Returns the bytes of text consumed (0: nothing could be converted). */
int RomanizeName(const char* text, char* out, int size, KindWord style);
/* The inverse of RomanizeName in style 简拼. A name without the "zh_" prefix is copied and
   its copied length returned; a "zh_" name returns 3 plus the bytes decoded, or 0 when it
   does not decode completely or holds no Chinese character (the caller keeps the name
   as it is). */
int DeromanizeName(const char* name, char* out, int size);

#ifdef __cplusplus
}
#endif

#endif
