/* The driver's main loop, the word dispatch and the section search. */
#include "tools/converter/ConvertDriver.h"

#include <string.h>
#include "runtime/源码/文件.h"
#include "runtime/源码/字符串.h"
#include "runtime/源码/格式化.h"
#include "tools/converter/ConverterOptions.h"
#include "tools/converter/InputReader.h"
#include "tools/converter/Lexer.h"
#include "tools/converter/Literals.h"
#include "tools/converter/DriverState.h"

enum {
    kFullOpenSingle = 0xA1AE,
    kFullCloseSingle = 0xA1AF,
    kFullCloseDouble = 0xA1B1,
    kSectionOpen = 0xA1BC,
    kSectionClose = 0xA1BD
};

int DriverReadWord(Driver* driver)
{
    driver->type = LexReadWord(driver->in, driver->word, sizeof driver->word, &driver->first);
    return driver->type;
}

void WriteText(Driver* driver, const char* text)
{
    SinkPutText(driver->out, text);
}

void WriteWord(Driver* driver)
{
    WriteText(driver, driver->word);
}

void WriteHalfWidthWord(Driver* driver)
{
    /* Most words are ASCII already. */
    const char* end = driver->word;
    while (*end != '\0' && (unsigned char)*end < 0x80)
        ++end;
    if (*end == '\0') {
        SinkPutBytes(driver->out, driver->word, (size_t)(end - driver->word));
        return;
    }
    char half[kLongTextSize];
    CvtStrToHalfWidth(driver->word, half, sizeof half);
    WriteText(driver, half);
}

void WriteFirstChar(Driver* driver)
{
    if (driver->first < 0x80)
        SinkPutByte(driver->out, (int)driver->first);
    else
        SinkPutChar(driver->out, CvtToHalfWidth(driver->first));
}

/* Whether the bytes of 〖 occur anywhere in the rest of the stream. Most sources have no
   sections, and this byte search spares them the search character by character; a hit
   across two characters only costs that search. */
static int HoldsSectionOpen(FILE* in)
{
    static uint32_t words[kInputBlockSize / 4];
    const unsigned char* block = (const unsigned char*)words;
    const uint32_t kSecondBytes = 0x01010101u * (kSectionOpen & 0xFF);
    int previous = 0;
    int length;
    while ((length = FileRead(in, words, 1, sizeof words)) > 0) {
        for (int i = 0; i < length; i += 4) {
            /* Four bytes at a time while none of them can be the second byte of 〖. */
            if (i + 4 <= length) {
                uint32_t x = words[i / 4] ^ kSecondBytes;
                if (((x - 0x01010101u) & ~x & 0x80808080u) == 0) {
                    previous = block[i + 3];
                    continue;
                }
            }
            for (int j = i; j < i + 4 && j < length; ++j) {
                if (block[j] == (kSectionOpen & 0xFF) && previous == (kSectionOpen >> 8))
                    return 1;
                previous = block[j];
            }
        }
    }
    return 0;
}

/* The section search: a 〖 alone on its line opens a candidate; a later 〗 at the start of
   a line turns section mode on, and reading goes on after the 〖 line. Otherwise reading
   starts again at the beginning. Positions are found again by counting line feeds: in
   text mode the stream's offsets are not reliable once it has buffered LF-only lines. */
static void FindSections(Driver* driver)
{
    static InputReader reader;
    FILE* in = driver->in;
    long start = FileTell(in);
    int mayHold = HoldsSectionOpen(in);
    FileClearError(in);
    FileSeek(in, start > 0 ? start : 0, SEEK_SET);
    if (!mayHold)
        return;
    InputReaderOpen(&reader, in);
    int lineFeeds = 0;
    int atLineStart = 1;       /* only blanks or tabs since the last line feed */
    int candidateLines = 0;    /* line feeds up to the end of the candidate 〖 line; 0 = none */
    int openSeen = 0;          /* a 〖 on the current line, followed so far by blanks only */
    int sectionsFound = 0;
    CharCode code;
    while (!sectionsFound && InputReadChar(&reader, &code) > 0) {
        if (code == '\n') {
            ++lineFeeds;
            if (openSeen && candidateLines == 0)
                candidateLines = lineFeeds;
            openSeen = 0;
            atLineStart = 1;
            continue;
        }
        int blank = code == ' ' || code == '\t' || code == 0xA1A1;
        if (candidateLines > 0 && atLineStart && code == kSectionClose)
            sectionsFound = 1;
        if (candidateLines == 0) {
            if (code == kSectionOpen)
                openSeen = 1;
            else if (openSeen && !(blank || code == '\r'))
                openSeen = 0;
        }
        if (!blank)
            atLineStart = 0;
    }
    FileClearError(in);
    FileSeek(in, start > 0 ? start : 0, SEEK_SET);
    if (!sectionsFound)
        return;
    driver->sectionLines = candidateLines;
    /* Byte by byte from the stream itself, so that the lexer starts right after the line. */
    for (int skipped = 0; skipped < candidateLines && FileReadChar(in, &code) > 0;) {
        if (code == '\n') {
            SinkPutByte(driver->out, '\n');
            ++skipped;
        }
    }
}

static void OnOpenParen(Driver* driver)
{
    if (driver->untilDepth > 0)
        ++driver->untilDepth;
    else if (driver->whileDepth > 0)
        ++driver->whileDepth;
}

static void OnCloseParen(Driver* driver)
{
    if (driver->untilDepth >= 2)
        --driver->untilDepth;
    else if (driver->whileDepth >= 2)
        --driver->whileDepth;
    if (driver->untilDepth == 1) {
        WriteText(driver, ")");
        driver->untilDepth = 0;
    } else if (driver->whileDepth == 1) {
        driver->whileDepth = 0;
        driver->afterWhileCond = 1;
    }
}

static const char* SpacedOperatorWord(int type)
{
    switch (type) {
    case kLexPlus: return " 加 ";
    case kLexPlusAssign: return " 加等 ";
    case kLexMinusAssign: return " 减等 ";
    case kLexStarAssign: return " 乘等 ";
    case kLexSlash: return " 除 ";
    case kLexSlashAssign: return " 除等 ";
    case kLexPercent: return " 模除 ";
    case kLexPercentAssign: return " 模等 ";
    case kLexIncrement: return " 加加 ";
    case kLexDecrement: return " 减减 ";
    case kLexArrow: return " 指向的 ";
    case kLexLogicalAnd: return " 与 ";
    case kLexLogicalOr: return " 或 ";
    case kLexBar: return " 位或 ";
    case kLexNot: return " 非 ";
    case kLexTilde: return " 位非 ";
    case kLexCaret: return " 异或 ";
    case kLexEqual: return " 等于 ";
    case kLexNotEqual: return " 不等于 ";
    case kLexGreater: return " 大于 ";
    case kLexLess: return " 小于 ";
    case kLexGreaterEqual: return " 大于等于 ";
    case kLexLessEqual: return " 小于等于 ";
    case kLexShiftLeft: return " 左移 ";
    case kLexShiftRight: return " 右移 ";
    case kLexShiftLeftAssign: return " 左移等 ";
    case kLexShiftRightAssign: return " 右移等 ";
    case kLexBarAssign: return " 位或等 ";
    case kLexCaretAssign: return " 异或等 ";
    case kLexAmpersandAssign: return " 位与等 ";
    default: return NULL;
    }
}

static int IsSingleCharOperator(int type)
{
    return type == kLexPlus || type == kLexSlash || type == kLexPercent
        || (type >= kLexBar && type <= kLexCaret) || type == kLexGreater || type == kLexLess;
}

static void ConvertOperator(Driver* driver)
{
    int type = driver->type;
    if (!driver->toC && Options()->symbols) {
        int angle = type == kLexGreater || type == kLexLess;
        const char* spaced = SpacedOperatorWord(type);
        if (spaced != NULL && (!angle || driver->directiveState == 0)) {
            WriteText(driver, spaced);
            return;
        }
    }
    if (IsSingleCharOperator(type))
        WriteFirstChar(driver);
    else
        WriteHalfWidthWord(driver);
}

static QuoteContext QuoteContextAfter(const Driver* driver)
{
    if (driver->type != kLexIdentifier && driver->type != kLexNumber)
        return kQuoteAfterOther;
    const char* word = driver->word;
    int prefix = word[0] == 'L' || word[0] == 'u' || word[0] == 'U';
    if (prefix && (word[1] == '\0' || (word[0] == 'u' && word[1] == '8' && word[2] == '\0')))
        return kQuoteAfterPrefix;
    size_t length = strlen(word);
    return length > 0 && (unsigned char)word[length - 1] < 0x80 ? kQuoteInsideWord : kQuoteAfterOther;
}

static void OnLineFeed(Driver* driver)
{
    driver->verbatimUntil = 0;
    driver->directiveState = 0;
}

/* After a literal ended by its line feed the line's states end as at a line-feed word. */
static void AfterQuote(Driver* driver, QuoteEnd end)
{
    if (end == kQuoteLineFeed)
        OnLineFeed(driver);
}

/* A quote that may open a character literal, Moyu to C; one that opens none is copied. */
static void ConvertCharQuote(Driver* driver, CharCode closing)
{
    if (driver->beforeQuote == kQuoteInsideWord
        || ConvertCharLiteral(driver->in, driver->out, closing,
                              driver->beforeQuote == kQuoteAfterPrefix) == kQuoteNotALiteral)
        WriteWord(driver);
}

static void Dispatch(Driver* driver);

static void OnBackslash(Driver* driver)
{
    WriteFirstChar(driver);
    if (DriverReadWord(driver) < 0)
        return;
    if (driver->type == kLexLineFeed)
        WriteWord(driver);
    else
        Dispatch(driver);
}

static void Dispatch(Driver* driver)
{
    int toC = driver->toC;
    switch (driver->type) {
    case kLexOther:
    case kLexAt:
        WriteWord(driver);
        break;
    case kLexIdentifier:
        /* Its pieces would be converted each on its own, and the result would not convert
           back to the source. */
        if (LexIdentifierWasCut()) {
            ConPrint("错误：标识符长于%整字节：\"%串…\"%行", (int)(sizeof driver->word - kLexMinBufferSize),
                     driver->word);
            ++driver->errors;
        }
        if (toC)
            ConvertIdentifierToC(driver);
        else
            ConvertIdentifierFromC(driver);
        break;
    case kLexNumber:
        WriteHalfWidthWord(driver);
        break;
    case kLexBlanks:
        if (toC)
            WriteHalfWidthWord(driver);
        else
            WriteWord(driver);
        break;
    case kLexLineFeed:
        OnLineFeed(driver);
        WriteWord(driver);
        break;
    case kLexOpenSingleQuote:
        if (toC) {
            ConvertCharQuote(driver, kFullCloseSingle);
        } else {
            WriteWord(driver);
            AfterQuote(driver, CopyQuoted(driver->in, driver->out, kFullCloseSingle));
        }
        break;
    case kLexCloseSingleQuote:
        WriteText(driver, toC ? "'" : driver->word);
        break;
    case kLexApostrophe:
        if (toC) {
            ConvertCharQuote(driver, driver->first);
        } else {
            WriteWord(driver);
            AfterQuote(driver, CopyQuoted(driver->in, driver->out, driver->first));
        }
        break;
    case kLexOpenDoubleQuote:
        if (toC) {
            WriteText(driver, "\"");
            AfterQuote(driver, ConvertStringLiteral(driver->in, driver->out, kFullCloseDouble));
        } else {
            WriteWord(driver);
            AfterQuote(driver, CopyQuoted(driver->in, driver->out, kFullCloseDouble));
        }
        break;
    case kLexCloseDoubleQuote:
        WriteText(driver, toC ? "\"" : driver->word);
        break;
    case kLexDoubleQuote:
        /* The C side gets the half-width quote even when the Moyu side wrote the full-width one. */
        if (toC) {
            WriteFirstChar(driver);
            AfterQuote(driver, ConvertStringLiteral(driver->in, driver->out, driver->first));
        } else {
            WriteWord(driver);
            AfterQuote(driver, CopyQuoted(driver->in, driver->out, driver->first));
        }
        break;
    case kLexSectionOpen:
        if (toC && driver->sectionLines > 0)
            driver->verbatimUntil = 0;
        else
            WriteWord(driver);
        break;
    case kLexSectionClose:
        if (toC && driver->sectionLines > 0)
            driver->verbatimUntil = kLexSectionOpen;
        else
            WriteWord(driver);
        break;
    case kLexCommentOpen:
        if (toC) {
            driver->verbatimUntil = kLexCommentClose;
            WriteText(driver, "/*");
        } else {
            WriteWord(driver);
        }
        break;
    case kLexCommentClose:
        if (toC) {
            driver->verbatimUntil = 0;
            WriteText(driver, " */");
        } else {
            WriteWord(driver);
        }
        break;
    case kLexLineComment:
    case kLexBlockCommentOpen:
        if (toC) {
            driver->verbatimUntil = driver->type == kLexLineComment ? kLexLineFeed : kLexBlockCommentClose;
            WriteHalfWidthWord(driver);
        } else {
            WriteWord(driver);
        }
        break;
    case kLexBlockCommentClose:
        driver->verbatimUntil = 0;
        if (toC)
            WriteHalfWidthWord(driver);
        else
            WriteWord(driver);
        break;
    case kLexAssign:
        /* := is Moyu's assignment; C has only =. */
        WriteText(driver, "=");
        break;
    case kLexMinus:
    case kLexStar:
    case kLexAmpersand:
    case kLexQuestion:
    case kLexColon:
    case kLexDot:
    case kLexDollar:
    case kLexCloseBrace:
    case kLexOpenBracket:
    case kLexCloseBracket:
    case kLexComma:
        WriteFirstChar(driver);
        break;
    case kLexOpenBrace:
    case kLexSemicolon:
        driver->afterWhileCond = 0;
        WriteFirstChar(driver);
        break;
    case kLexOpenParen:
        OnOpenParen(driver);
        WriteFirstChar(driver);
        break;
    case kLexCloseParen:
        WriteFirstChar(driver);
        OnCloseParen(driver);
        break;
    case kLexHash:
        driver->directiveState = 1;
        WriteFirstChar(driver);
        break;
    case kLexBackslash:
        OnBackslash(driver);
        break;
    case kLexFullNotEqual:
    case kLexFullArrow:
    case kLexFullGreaterEqual:
    case kLexFullLessEqual:
    case kLexFullShiftLeft:
    case kLexFullShiftRight:
        if (toC) {
            static const char* const kCText[] = { "!=", "->", ">=", "<=", "<<", ">>" };
            WriteText(driver, kCText[driver->type - kLexFullNotEqual]);
        } else {
            WriteWord(driver);
        }
        break;
    case kLexFullStop:
        driver->afterWhileCond = 0;
        WriteText(driver, ";");
        break;
    case kLexUpArrow:
        break;
    default:
        if ((driver->type >= kLexPlus && driver->type <= kLexShiftRight)
            || (driver->type >= kLexShiftLeftAssign && driver->type <= kLexAmpersandAssign))
            ConvertOperator(driver);
        else
            WriteWord(driver);
        break;
    }
}

int ConvertStream(FILE* input, FILE* output)
{
    static Driver driver;
    static OutputSink sink;
    memset(&driver, 0, sizeof driver);
    SinkOpen(&sink, output);
    driver.in = input;
    driver.out = &sink;
    driver.toC = Options()->direction == kMoyuToC;
    if (driver.toC)
        FindSections(&driver);
    LexReset();
    while (DriverReadWord(&driver) >= 0) {
        if (driver.afterWhileCond != 0 && ++driver.afterWhileCond > 3)
            driver.afterWhileCond = 0;
        if (driver.verbatimUntil != 0 && driver.type != driver.verbatimUntil) {
            if (driver.verbatimUntil != kLexSectionOpen)
                WriteWord(&driver);
            else if (driver.type == kLexLineFeed)
                WriteWord(&driver);
            driver.beforeQuote = kQuoteAfterOther;
            continue;
        }
        Dispatch(&driver);
        driver.beforeQuote = QuoteContextAfter(&driver);
    }
    SinkFlush(&sink);
    return driver.errors;
}
