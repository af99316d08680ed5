/* The source lexer. */
#include "tools/converter/Lexer.h"

#include <string.h>
#include "tools/converter/InputReader.h"

enum { kEndOfInput = (CharCode)-1 };

static CharCode g_lookAhead = kEndOfInput;
static int g_pending;
static int g_readFailed;
static int g_c51Mode;
static int g_wordCut;

static InputReader g_input;
/* Characters given back, the next one to read last. */
static CharCode g_unread[kLexUnreadSize];
static int g_unreadCount;

/* One character: a given-back one, else the next of the stream through the block reader. */
static int ReadInputChar(FILE* stream, CharCode* code)
{
    if (g_unreadCount > 0) {
        *code = g_unread[--g_unreadCount];
        return MbCharSize(*code);
    }
    if (g_input.stream != stream)
        InputReaderOpen(&g_input, stream);
    return InputReadChar(&g_input, code);
}

void LexUnreadChars(const CharCode* characters, int count)
{
    for (int i = count - 1; i >= 0 && g_unreadCount < kLexUnreadSize; --i)
        g_unread[g_unreadCount++] = characters[i];
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
    g_unreadCount = 0;
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

/* Appends the look-ahead and reads the next; 0 when the word is full (look-ahead kept).
   The word stays terminated. */
static int Take(WordBuilder* word)
{
    CharCode c = g_lookAhead;
    if (c < 0x100 && word->length < word->usable) {
        word->buffer[word->length++] = (char)c;
    } else if (c < 0x10000 && word->length + 2 <= word->usable) {
        word->buffer[word->length++] = (char)(c >> 8);
        word->buffer[word->length++] = (char)c;
    } else if (MbAppendChar(word->buffer, word->usable, &word->length, c) == 0) {
        return 0;
    }
    word->buffer[word->length] = '\0';
    Advance(word->stream);
    return 1;
}

static CharCode Half(void)
{
    if (g_lookAhead < 0x80 || g_lookAhead == kEndOfInput)
        return g_lookAhead;
    return CvtToHalfWidth(g_lookAhead);
}

/* Which ASCII bytes continue an identifier, and which make a blank run. */
static const unsigned char kIdentifierBytes[128] = {
    ['0'] = 1, ['1'] = 1, ['2'] = 1, ['3'] = 1, ['4'] = 1, ['5'] = 1, ['6'] = 1, ['7'] = 1,
    ['8'] = 1, ['9'] = 1, ['_'] = 1,
    ['A'] = 1, ['B'] = 1, ['C'] = 1, ['D'] = 1, ['E'] = 1, ['F'] = 1, ['G'] = 1, ['H'] = 1,
    ['I'] = 1, ['J'] = 1, ['K'] = 1, ['L'] = 1, ['M'] = 1, ['N'] = 1, ['O'] = 1, ['P'] = 1,
    ['Q'] = 1, ['R'] = 1, ['S'] = 1, ['T'] = 1, ['U'] = 1, ['V'] = 1, ['W'] = 1, ['X'] = 1,
    ['Y'] = 1, ['Z'] = 1,
    ['a'] = 1, ['b'] = 1, ['c'] = 1, ['d'] = 1, ['e'] = 1, ['f'] = 1, ['g'] = 1, ['h'] = 1,
    ['i'] = 1, ['j'] = 1, ['k'] = 1, ['l'] = 1, ['m'] = 1, ['n'] = 1, ['o'] = 1, ['p'] = 1,
    ['q'] = 1, ['r'] = 1, ['s'] = 1, ['t'] = 1, ['u'] = 1, ['v'] = 1, ['w'] = 1, ['x'] = 1,
    ['y'] = 1, ['z'] = 1,
};
static const unsigned char kBlankBytes[128] = { [' '] = 1, ['\t'] = 1 };

enum { kIdentStart = 1, kIdentPart = 2, kIdentNone = 3 };

/* How a character stands to identifiers: it starts one (a Chinese character, a letter or
   a low line of either width), only continues one (a digit of either width), or neither.
   Double-byte codes are worked out once each. */
static int IdentifierClass(CharCode code)
{
    static unsigned char wide[0x10000];
    if (code < 0x80) {
        if (!kIdentifierBytes[code])
            return kIdentNone;
        return code >= '0' && code <= '9' ? kIdentPart : kIdentStart;
    }
    unsigned char* known = code <= 0xFFFF ? &wide[code] : NULL;
    if (known != NULL && *known != 0)
        return *known;
    int kind = kIdentNone;
    if (code != kEndOfInput) {
        if (ChIsIdentStart(code) || CvtToHalfWidth(code) == '_')
            kind = kIdentStart;
        else if (ChIsDigit(code, 0))
            kind = kIdentPart;
    }
    if (known != NULL)
        *known = (unsigned char)kind;
    return kind;
}

/* Whether the double-byte character code continues the word: an identifier, or a blank
   run with blanksOnly. */
static int ContinuesWord(CharCode code, int blanksOnly)
{
    if (blanksOnly)
        return CvtToHalfWidth(code) == ' ';
    return IdentifierClass(code) != kIdentNone;
}

/* Take, and then the characters after the look-ahead that continue the word straight
   from the reader's block while it holds them whole: ASCII bytes the table accepts and
   double-byte characters. They are split as InputReadChar splits them, so this takes
   what Take would take one at a time; anything else is left to Take. */
static int TakeRun(WordBuilder* word, int blanksOnly)
{
    CharCode c = g_lookAhead;
    int size = c < 0x100 ? 1 : c < 0x10000 ? 2 : 0;
    if (size == 0 || word->length + size > word->usable)
        return Take(word);
    char* out = word->buffer;
    int length = word->length;
    if (size == 2)
        out[length++] = (char)(c >> 8);
    out[length++] = (char)c;
    /* Given-back characters come before the block's. */
    if (g_unreadCount == 0 && g_input.stream == word->stream) {
        const unsigned char* accepts = blanksOnly ? kBlankBytes : kIdentifierBytes;
        const unsigned char* p = g_input.bytes + g_input.position;
        const unsigned char* end = g_input.bytes + g_input.length;
        while (p < end && length < word->usable) {
            if (p[0] < 0x80) {
                if (!accepts[p[0]])
                    break;
                out[length++] = (char)*p++;
                continue;
            }
            if (end - p < 2 || length + 2 > word->usable || !(MbByteClassTable[p[0]] & kMbLeadByte)
                || (MbByteClassTable[p[1]] & kMbFourByteDigit)
                || !ContinuesWord(((CharCode)p[0] << 8) | p[1], blanksOnly))
                break;
            out[length++] = (char)p[0];
            out[length++] = (char)p[1];
            p += 2;
        }
        g_input.position = (int)(p - g_input.bytes);
    }
    out[length] = '\0';
    word->length = length;
    Advance(word->stream);
    return 1;
}

static void ReadIdentifier(WordBuilder* word)
{
    while (IdentifierClass(g_lookAhead) != kIdentNone) {
        if (!TakeRun(word, 0)) {
            g_wordCut = 1;
            return;
        }
    }
}

static void ReadBlanks(WordBuilder* word)
{
    while ((Half() == ' ' || Half() == '\t') && TakeRun(word, 1)) {
    }
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
    {'|', '=', kLexBarAssign}, {'^', '=', kLexCaretAssign}, {'&', '=', kLexAmpersandAssign},
};

/* The first characters of the pairs above. */
static const unsigned char kPairFirst[128] = {
    ['+'] = 1, ['-'] = 1, ['*'] = 1, ['/'] = 1, ['%'] = 1, ['&'] = 1, ['|'] = 1,
    ['!'] = 1, ['='] = 1, ['<'] = 1, ['>'] = 1, [':'] = 1, ['^'] = 1,
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

/* A single character or an operator of two or three characters (longest match). */
static int ReadPunctuation(WordBuilder* word)
{
    CharCode first = Half();
    int type = SingleCharType(first);
    Take(word);
    if (first >= 0x80 || !kPairFirst[first])
        return type;
    CharCode second = Half();
    for (size_t i = 0; i < sizeof kOperatorPairs / sizeof kOperatorPairs[0]; ++i) {
        const OperatorPair* pair = &kOperatorPairs[i];
        if ((CharCode)pair->first != first || (CharCode)pair->second != second)
            continue;
        if (!Take(word))
            return type;
        int assign = pair->type == kLexShiftLeft ? kLexShiftLeftAssign
                   : pair->type == kLexShiftRight ? kLexShiftRightAssign : 0;
        if (assign != 0 && Half() == '=' && Take(word))
            return assign;
        return pair->type;
    }
    return type;
}

int LexIdentifierWasCut(void)
{
    return g_wordCut;
}

int LexReadWord(FILE* stream, char* buffer, int size, CharCode* firstChar)
{
    if (buffer == NULL || size < kLexMinBufferSize)
        return kLexBufferTooSmall;
    buffer[0] = '\0';
    g_wordCut = 0;
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
    if (g_lookAhead >= 0x100 && MbCharSize(g_lookAhead) > word.usable)
        return kLexNoRoom;

    int identifierClass = IdentifierClass(g_lookAhead);
    if (identifierClass == kIdentStart) {
        ReadIdentifier(&word);
        return kLexIdentifier;
    }
    if (identifierClass == kIdentPart) {
        ReadNumber(&word);
        return kLexNumber;
    }
    CharCode half = Half();
    if (half == ' ' || half == '\t') {
        ReadBlanks(&word);
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
