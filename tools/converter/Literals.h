/* Quoted characters and strings: Moyu character and string literals converted to C, and
   quoted text copied unchanged in the other direction. The readers take the characters
   after the opening quote through LexReadChar and write straight to the output. */
#ifndef MOYU_CONVERTER_LITERALS_H
#define MOYU_CONVERTER_LITERALS_H

#include <stdio.h>
#include "runtime/源码/字符.h"
#include "tools/converter/OutputSink.h"

#ifdef __cplusplus
extern "C" {
#endif

/* How a quoted text ended; kQuoteNotALiteral: the quote opens no character literal. */
typedef enum QuoteEnd { kQuoteClosed, kQuoteLineFeed, kQuoteInputEnd, kQuoteNotALiteral } QuoteEnd;

/* A Moyu character literal as a C character constant or number, or after a prefix (L, u,
   U, u8) as a C literal of the same characters. A quote without its closing character on
   its line within a literal's four bytes (an apostrophe in English text) opens none:
   nothing is written, the characters after it are given back to the lexer, and the result
   is kQuoteNotALiteral, for the caller to write the quote as a character of its own. */
QuoteEnd ConvertCharLiteral(FILE* in, OutputSink* out, CharCode closing, int prefixed);
/* The rest of a string literal (the opening double quote is already written). */
QuoteEnd ConvertStringLiteral(FILE* in, OutputSink* out, CharCode closing);
/* Copies up to and including the closing character or a line feed; an escaped closing
   character does not end the text. */
QuoteEnd CopyQuoted(FILE* in, OutputSink* out, CharCode closing);

/* The bytes of an escape sequence at text (backslash of either width included), 0 when
   text does not start with one; code receives its value. */
int ParseEscape(const char* text, CharCode* code);
/* The C escape text of a code ("\n", "\\" …): its length, 0 (empty text) when the code has
   none, -1 for a null buffer or a size below 3. */
int EscapeToCText(CharCode code, char* out, int size);

#ifdef __cplusplus
}
#endif

#endif
