/* The state of one conversion and the pieces of the driver that share it. */
#ifndef MOYU_CONVERTER_DRIVER_STATE_H
#define MOYU_CONVERTER_DRIVER_STATE_H

#include <stdio.h>
#include "runtime/源码/字符.h"
#include "tools/converter/OutputSink.h"

enum {
    kWordSize = 512,
    kOperatorTextSize = 5,
    kToCTextSize = 30,
    kFromCTextSize = 40,
    kLongTextSize = 512
};

/* The word before a quote: a literal prefix (L, u, U, u8) makes a character literal after
   it a wide one; any other word ending in an ASCII letter or digit makes the quote an
   apostrophe inside a word (don't), since C has no literal right after a name. */
typedef enum QuoteContext { kQuoteAfterOther, kQuoteAfterPrefix, kQuoteInsideWord } QuoteContext;

typedef struct Driver {
    FILE* in;
    OutputSink* out;
    int toC;              /* direction Moyu to C */
    int sectionLines;     /* Moyu to C: lines before the first code section; 0 = no sections */
    int verbatimUntil;    /* word type that ends verbatim copying; 12: suppressed until 〖 */
    int directiveState;   /* 0 none, 1 after "#", 2 after the line's directive word */
    int untilDepth;       /* parentheses opened by 直到 */
    int whileDepth;       /* parentheses opened by 当 */
    int afterWhileCond;   /* words since the condition of 当 closed; 0 = not running */
    int beforeQuote;      /* QuoteContext: what the word before tells about a quote after it */
    int errors;           /* words that could not be converted whole */
    int type;             /* the current word */
    char word[kWordSize];
    CharCode first;
} Driver;

/* Reads the next word into the driver; the type, or a negative value at the end. */
int DriverReadWord(Driver* driver);
/* Writes the word, its half-width form, or its first character in half-width form. */
void WriteWord(Driver* driver);
void WriteHalfWidthWord(Driver* driver);
void WriteFirstChar(Driver* driver);
void WriteText(Driver* driver, const char* text);
/* A romanized name, or the word after the error line when it cannot be romanized. */
void WriteRomanized(Driver* driver);

void ConvertIdentifierToC(Driver* driver);
void ConvertIdentifierFromC(Driver* driver);
/* Handle the rest of a directive line up to and including its line feed. */
void ConvertIncludeLineToC(Driver* driver);
void ConvertIncludeLineFromC(Driver* driver);
void ConvertPragmaLineToC(Driver* driver);

#endif
