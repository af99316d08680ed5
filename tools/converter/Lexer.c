/* The source lexer. */
#include "tools/converter/Lexer.h"

#include <string.h>
#include "tools/converter/InputReader.h"

enum { kEndOfInput = (CharCode)-1 };

static CharCode g_lookAhead = kEndOfInput;
static int g_pending;
static int g_readFailed;
static int g_c51Mode;

static InputReader g_input;

/* One character of the stream through the lexer's block reader. */
static int ReadInputChar(FILE* stream, CharCode* code)
{
    if (g_input.stream != stream)
        InputReaderOpen(&g_input, stream);
    return InputReadChar(&g_input, code);
}

void LexSetC51Mode(int on)
{
    g_c51Mode = on == 1 ? 1 : 0;
}

int LexC51Mode(void)
{
    return g_c51Mode;
}

void LexReset(void)
{
    InputReaderOpen(&g_input, NULL);
    g_pending = 0;
    g_readFailed = 0;
    g_lookAhead = kEndOfInput;
}

/* Reads the next character into the look-ahead; a read error reads as the end. */
static void Advance(FILE* stream)
{
    CharCode code = kEndOfInput;
    int count = ReadInputChar(stream, &code);
    if (count < 0)
        g_readFailed = 1;
    g_lookAhead = count > 0 ? code : kEndOfInput;
}

int LexReadChar(FILE* stream, CharCode* character)
{
    CharCode code;
    int result;
    if (g_pending) {
        code = g_lookAhead;
        result = code == kEndOfInput ? -1 : 0;
    } else {
        code = kEndOfInput;
        result = ReadInputChar(stream, &code);
        if (result == 0)
            result = -1;
    }
    g_pending = 0;
    if (character)
        *character = code;
    return result;
}

typedef struct WordBuilder {
    FILE* stream;
    char* buffer;
    int usable;
    int length;
} WordBuilder;

/* Appends the look-ahead and reads the next; 0 when the word is full (look-ahead kept). */
static int Take(WordBuilder* word)
{
    if (MbAppendChar(word->buffer, word->usable, &word->length, g_lookAhead) == 0)
        return 0;
    Advance(word->stream);
    return 1;
}

static CharCode Half(void)
{
    return g_lookAhead == kEndOfInput ? kEndOfInput : CvtToHalfWidth(g_lookAhead);
}

static int IsIdentifierChar(void)
{
    return g_lookAhead != kEndOfInput
        && (ChIsIdentStart(g_lookAhead) || Half() == '_' || ChIsDigit(g_lookAhead, 0));
}

static void ReadNumber(WordBuilder* word)
{
    int leadingZero = Half() == '0';
    Take(word);
    if (leadingZero && (Half() == 'x' || Half() == 'X')) {
        if (!Take(word))
            return;
        while (g_lookAhead != kEndOfInput && ChIsHexDigit(g_lookAhead, 0, 0) && Take(word)) {
        }
        return;
    }
    int seenDot = 0;
    int seenExponent = 0;
    for (;;) {
        CharCode half = Half();
        if (g_lookAhead != kEndOfInput && ChIsDigit(g_lookAhead, 0)) {
        } else if (half == '.' && !seenDot) {
            seenDot = 1;
        } else if ((half == 'e' || half == 'E') && !seenExponent) {
            seenExponent = 1;
        } else {
            return;
        }
        if (!Take(word))
            return;
    }
}

typedef struct OperatorPair {
    char first;
    char second;
    signed char type;
} OperatorPair;

static const OperatorPair kOperatorPairs[] = {
    {'+', '+', kLexIncrement}, {'+', '=', kLexPlusAssign},
    {'-', '-', kLexDecrement}, {'-', '=', kLexMinusAssign}, {'-', '>', kLexArrow},
    {'*', '/', kLexBlockCommentClose}, {'*', '=', kLexStarAssign},
    {'/', '/', kLexLineComment}, {'/', '=', kLexSlashAssign}, {'/', '*', kLexBlockCommentOpen},
    {'%', '=', kLexPercentAssign}, {'&', '&', kLexLogicalAnd}, {'|', '|', kLexLogicalOr},
    {'!', '=', kLexNotEqual}, {'=', '=', kLexEqual},
    {'<', '=', kLexLessEqual}, {'<', '<', kLexShiftLeft},
    {'>', '=', kLexGreaterEqual}, {'>', '>', kLexShiftRight}, {':', '=', kLexAssign},
};

static int SingleCharType(CharCode half)
{
    switch (half) {
    case '+': return kLexPlus;
    case '-': return kLexMinus;
    case '*': return kLexStar;
    case '/': return kLexSlash;
    case '%': return kLexPercent;
    case '&': return kLexAmpersand;
    case '|': return kLexBar;
    case '!': return kLexNot;
    case '~': return kLexTilde;
    case '^': return kLexCaret;
    case '=': return kLexAssign;
    case '>': return kLexGreater;
    case '<': return kLexLess;
    case '{': return kLexOpenBrace;
    case '}': return kLexCloseBrace;
    case '[': return kLexOpenBracket;
    case ']': return kLexCloseBracket;
    case '(': return kLexOpenParen;
    case ')': return kLexCloseParen;
    case '#': return kLexHash;
    case '\\': return kLexBackslash;
    case '?': return kLexQuestion;
    case ':': return kLexColon;
    case ',': return kLexComma;
    case ';': return kLexSemicolon;
    case '.': return kLexDot;
    case '$': return kLexDollar;
    case '@': return kLexAt;
    case '\'': return kLexApostrophe;
    case '"': return kLexDoubleQuote;
    case 0xA1AE: return kLexOpenSingleQuote;
    case 0xA1AF: return kLexCloseSingleQuote;
    case 0xA1B0: return kLexOpenDoubleQuote;
    case 0xA1B1: return kLexCloseDoubleQuote;
    case 0xA1BC: return kLexSectionOpen;
    case 0xA1BD: return kLexSectionClose;
    case 0xA1BE: return kLexCommentOpen;
    case 0xA1BF: return kLexCommentClose;
    case 0xA1D9: return kLexFullNotEqual;
    case 0xA1FA: return kLexFullArrow;
    case 0xA1DD: return kLexFullGreaterEqual;
    case 0xA1DC: return kLexFullLessEqual;
    case 0xA1B6: return kLexFullShiftLeft;
    case 0xA1B7: return kLexFullShiftRight;
    case 0xA1A3: return kLexFullStop;
    case 0xA1FC: return kLexUpArrow;
    default: return kLexOther;
    }
}

/* A single character or a two-character operator (longest match). */
static int ReadPunctuation(WordBuilder* word)
{
    CharCode first = Half();
    int type = SingleCharType(first);
    Take(word);
    if (first >= 0x80)
        return type;
    CharCode second = Half();
    for (size_t i = 0; i < sizeof kOperatorPairs / sizeof kOperatorPairs[0]; ++i) {
        const OperatorPair* pair = &kOperatorPairs[i];
        if ((CharCode)pair->first == first && (CharCode)pair->second == second)
            return Take(word) ? pair->type : type;
    }
    return type;
}

int LexReadWord(FILE* stream, char* buffer, int size, CharCode* firstChar)
{
    if (buffer == NULL || size < kLexMinBufferSize)
        return kLexBufferTooSmall;
    memset(buffer, 0, (size_t)size);
    WordBuilder word = { stream, buffer, size - kLexMinBufferSize, 0 };
    if (word.usable <= 0)
        return kLexNoRoom;
    if (!g_pending) {
        g_readFailed = 0;
        Advance(stream);
        g_pending = 1;
    }
    if (g_lookAhead == kEndOfInput)
        return g_readFailed ? kLexReadError : kLexEnd;
    if (firstChar)
        *firstChar = g_lookAhead;
    if (MbCharSize(g_lookAhead) > word.usable)
        return kLexNoRoom;

    CharCode half = Half();
    if (ChIsIdentStart(g_lookAhead) || half == '_') {
        while (IsIdentifierChar() && Take(&word)) {
        }
        return kLexIdentifier;
    }
    if (ChIsDigit(g_lookAhead, 0)) {
        ReadNumber(&word);
        return kLexNumber;
    }
    if (half == ' ' || half == '\t') {
        while ((Half() == ' ' || Half() == '\t') && Take(&word)) {
        }
        return kLexBlanks;
    }
    if (half == '\n') {
        Take(&word);
        return kLexLineFeed;
    }
    if (ChIsControl(half)) {
        Take(&word);
        return kLexOther;
    }
    return ReadPunctuation(&word);
}
