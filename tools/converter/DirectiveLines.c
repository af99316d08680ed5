/* The rest of include and pragma lines: file names between quotes or angle brackets get
   their extension words and table names translated. Each handler runs up to and including
   the line feed, then the line's directive state ends. */
#include "runtime/源码/字符串.h"
#include "tools/converter/ConversionTable.h"
#include "tools/converter/ConverterOptions.h"
#include "tools/converter/DriverState.h"
#include "tools/converter/Lexer.h"
#include "tools/converter/WordTables.h"

enum {
    kNameNone = 0,       /* before the opening quote */
    kNamePart = 1,       /* inside the name */
    kNameAfterDot = 2,   /* the extension follows */
    kNameExtension = 3,  /* after the extension */
    kNameClosed = 5,     /* after the closing quote */
    kNameCommentOpen = 6,
    kNameCommentClosed = 7,
    kNameCComment = 8    /* after a C comment opener: the rest of the line is comment text */
};

static int IsSeparator(const Driver* driver)
{
    return driver->type == kLexSlash || driver->type == kLexBackslash;
}

static int InsideName(int state)
{
    return state >= kNamePart && state <= 4;
}

/* Blanks, digits and punctuation typed in full width would not compile in C; file names,
   quoted texts and comments keep their characters. */
static void WriteOutsideTextToC(Driver* driver)
{
    if (driver->type == kLexIdentifier)
        WriteWord(driver);
    else
        WriteHalfWidthWord(driver);
}

static void EndDirectiveLine(Driver* driver)
{
    driver->directiveState = 0;
    driver->afterWhileCond = 0;
}

static void IncludeWordToC(Driver* driver, int* state)
{
    int type = driver->type;
    if (type == kLexDot && *state == kNamePart) {
        *state = kNameAfterDot;
        WriteFirstChar(driver);
    } else if (*state == kNameAfterDot) {
        *state = kNameExtension;
        if (type == kLexIdentifier && PragmaWordIs(driver->word, kPragmaHeaderExt)) {
            WriteText(driver, "h");
        } else if (type == kLexIdentifier && PragmaWordIs(driver->word, kPragmaDefinitionExt)) {
            WriteText(driver, "dy");
        } else if (type == kLexIdentifier && PragmaWordIs(driver->word, kPragmaSourceExt)) {
            WriteText(driver, "c");
        } else if (IsSeparator(driver)) {
            *state = kNamePart;
            WriteFirstChar(driver);
        } else {
            WriteWord(driver);
        }
    } else if (type == kLexOpenDoubleQuote && *state == kNameNone) {
        *state = kNamePart;
        WriteText(driver, "\"");
    } else if (type == kLexCloseDoubleQuote && InsideName(*state)) {
        *state = kNameClosed;
        WriteText(driver, "\"");
    } else if (type == kLexLess && *state == kNameNone) {
        *state = kNamePart;
        WriteFirstChar(driver);
    } else if (type == kLexGreater && InsideName(*state)) {
        *state = kNameClosed;
        WriteFirstChar(driver);
    } else if (type == kLexDoubleQuote) {
        if (*state == kNameNone)
            *state = kNamePart;
        else if (InsideName(*state))
            *state = kNameClosed;
        WriteFirstChar(driver);
    } else if (IsSeparator(driver) && InsideName(*state)) {
        *state = kNamePart;
        WriteFirstChar(driver);
    } else if (type == kLexCommentOpen && *state == kNameClosed) {
        *state = kNameCommentOpen;
        WriteText(driver, "/*");
    } else if (type == kLexCommentClose && *state == kNameCommentOpen) {
        *state = kNameCommentClosed;
        WriteText(driver, "*/");
    } else if (*state == kNamePart && type == kLexIdentifier) {
        const char* found = TableLookup(driver->first, driver->word, 1);
        const ConverterOptions* options = Options();
        if (found != NULL)
            WriteText(driver, found);
        else if (options->romanizeFileName || options->romanizeInterfaceName)
            WriteRomanized(driver);
        else
            WriteWord(driver);
    } else if (InsideName(*state) || *state == kNameCommentOpen || *state == kNameCComment) {
        WriteWord(driver);
    } else if (type == kLexLineComment || type == kLexBlockCommentOpen) {
        *state = kNameCComment;
        WriteHalfWidthWord(driver);
    } else {
        WriteOutsideTextToC(driver);
    }
}

void ConvertIncludeLineToC(Driver* driver)
{
    int state = kNameNone;
    while (DriverReadWord(driver) >= 0) {
        if (driver->type == kLexLineFeed) {
            WriteWord(driver);
            break;
        }
        IncludeWordToC(driver, &state);
    }
    EndDirectiveLine(driver);
}

static int IsWordNoCase(const Driver* driver, const char* text)
{
    return driver->type == kLexIdentifier && StrCompareNoCase(driver->word, text) == 0;
}

static void IncludeWordFromC(Driver* driver, int* state, int* found)
{
    int type = driver->type;
    if (type == kLexDot && *state == kNamePart) {
        *state = kNameAfterDot;
        WriteWord(driver);
    } else if (*state == kNameAfterDot) {
        if ((IsWordNoCase(driver, "h") || IsWordNoCase(driver, "hpp")) && *found)
            WriteText(driver, PragmaWordText(kPragmaHeaderExt));
        else if (IsWordNoCase(driver, "dy") && *found)
            WriteText(driver, PragmaWordText(kPragmaDefinitionExt));
        else if (IsWordNoCase(driver, "c"))
            WriteText(driver, PragmaWordText(kPragmaSourceExt));
        else {
            if (IsSeparator(driver))
                *state = kNamePart;
            WriteWord(driver);
        }
    } else if (type == kLexDoubleQuote) {
        *state = *state == kNameNone ? kNamePart : kNameClosed;
        WriteWord(driver);
    } else if (type == kLexLess || type == kLexGreater) {
        *state = type == kLexLess ? kNamePart : kNameClosed;
        WriteWord(driver);
    } else if (IsSeparator(driver) && *state != kNameNone) {
        *state = kNamePart;
        WriteWord(driver);
    } else if (*state == kNamePart) {
        const char* text = TableLookup(driver->first, driver->word, 1);
        if (text != NULL) {
            WriteText(driver, text);
            *found = 1;
        } else {
            WriteWord(driver);
        }
    } else {
        WriteWord(driver);
    }
}

void ConvertIncludeLineFromC(Driver* driver)
{
    int state = kNameNone;
    int found = 0;
    while (DriverReadWord(driver) >= 0) {
        if (driver->type == kLexLineFeed) {
            WriteWord(driver);
            break;
        }
        IncludeWordFromC(driver, &state, &found);
    }
    EndDirectiveLine(driver);
}

void ConvertPragmaLineToC(Driver* driver)
{
    int state = 0;
    int quoted = 0;
    int comment = 0;
    while (DriverReadWord(driver) >= 0) {
        if (driver->type == kLexLineFeed) {
            WriteWord(driver);
            break;
        }
        if (driver->type == kLexOpenDoubleQuote || driver->type == kLexCloseDoubleQuote
            || driver->type == kLexDoubleQuote) {
            quoted = driver->type == kLexOpenDoubleQuote
                || (driver->type == kLexDoubleQuote && !quoted);
            WriteText(driver, "\"");
            continue;
        }
        if (quoted || comment) {
            WriteWord(driver);
            continue;
        }
        if (driver->type == kLexLineComment || driver->type == kLexBlockCommentOpen) {
            comment = 1;
            WriteHalfWidthWord(driver);
            continue;
        }
        if (driver->type == kLexIdentifier) {
            if (state == 0 && PragmaWordIs(driver->word, kPragmaPack)) {
                WriteText(driver, "pack");
                state = 1;
                continue;
            }
            static const struct { int code; const char* text; } kInParens[] = {
                {kPragmaPush, "push"}, {kPragmaPop, "pop"}, {kPragmaShow, "show"},
            };
            const char* text = NULL;
            for (size_t i = 0; state == 2 && i < sizeof kInParens / sizeof kInParens[0]; ++i) {
                if (PragmaWordIs(driver->word, kInParens[i].code))
                    text = kInParens[i].text;
            }
            if (text != NULL)
                WriteText(driver, text);
            else
                WriteWord(driver);
            ++state;
        } else if (driver->type == kLexOpenParen && state == 1) {
            state = 2;
            WriteFirstChar(driver);
        } else {
            WriteOutsideTextToC(driver);
        }
    }
    EndDirectiveLine(driver);
}
