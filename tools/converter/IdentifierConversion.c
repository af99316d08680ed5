/* Identifiers in both directions: directive words, operator words, keywords, the
   conversion table, then the romanizer. */
#include "runtime/源码/字符串.h"
#include "runtime/源码/格式化.h"
#include "tools/converter/ConversionTable.h"
#include "tools/converter/DriverState.h"
#include "tools/converter/Lexer.h"
#include "tools/converter/NameCache.h"
#include "tools/converter/Romanizer.h"
#include "tools/converter/WordTables.h"

/* Romanized names met before, in either direction: a name is worked out character by
   character, and a source names the same identifiers again and again. */
static NameCache g_romanized;
static NameCache g_deromanized;

void WriteRomanized(Driver* driver)
{
    const char* knownName = NameCacheFind(&g_romanized, driver->word);
    if (knownName != NULL) {
        WriteText(driver, knownName);
        return;
    }
    /* Without Chinese characters only full-width letters and digits could differ from C's,
       and C takes none of them. */
    if (MbCountHanzi(driver->word) == 0) {
        WriteHalfWidthWord(driver);
        return;
    }
    char name[kLongTextSize];
    int consumed = RomanizeName(driver->word, name, sizeof name, kRomanizeStyleShort);
    /* A name romanized only in part would silently change the identifier. */
    if (consumed <= 0 || consumed < StrLen(driver->word)) {
        ConPrint("错误：词汇：\"%串\"转英文时出现错误,可能标识符过长!%行", driver->word);
        ++driver->errors;
        WriteWord(driver);
        return;
    }
    NameCacheAdd(&g_romanized, driver->word, name);
    WriteText(driver, name);
}

/* The text after #error and #warning is a message: the rest of the line is copied as it
   stands, apostrophes and words alike. */
static void CopyMessageAfter(Driver* driver, int directive)
{
    int warning = driver->directiveState == 1 && StrCompare(driver->word, "warning") == 0;
    if (directive == kDirectiveError || warning)
        driver->verbatimUntil = kLexLineFeed;
}

void ConvertIdentifierToC(Driver* driver)
{
    char text[kToCTextSize];
    if (driver->directiveState > 0) {
        int code = DirectiveWordToC(driver->word, driver->first, text, sizeof text,
                                    driver->directiveState == 2);
        if (code > 0) {
            driver->directiveState = 2;
            WriteText(driver, text);
            driver->afterWhileCond = 0;
            CopyMessageAfter(driver, code);
            if (code == kDirectivePragma)
                ConvertPragmaLineToC(driver);
            else if (code == kDirectiveInclude || code == kDirectiveLoad)
                ConvertIncludeLineToC(driver);
            return;
        }
    }
    char operatorText[kOperatorTextSize];
    if (OperatorWordToC(driver->word, driver->first, operatorText, sizeof operatorText) > 0) {
        WriteText(driver, operatorText);
        driver->afterWhileCond = 0;
        return;
    }
    int keyword = KeywordToC(driver->word, driver->first, text, sizeof text);
    if (keyword > 0) {
        if (driver->afterWhileCond != 0 && keyword == kKeywordDo) {
            /* 当(x)重复: the loop is already a while; the do goes. */
            driver->afterWhileCond = 0;
            return;
        }
        WriteText(driver, text);
        if (keyword == kKeywordUntil) {
            WriteText(driver, "(!");
            driver->untilDepth = 1;
        } else if (keyword == kKeywordWhile) {
            driver->whileDepth = 1;
        }
        driver->afterWhileCond = 0;
        return;
    }
    const char* found = TableLookup(driver->first, driver->word, 0);
    if (found != NULL) {
        WriteText(driver, found);
        driver->afterWhileCond = 0;
        return;
    }
    WriteRomanized(driver);
    driver->afterWhileCond = 0;
    CopyMessageAfter(driver, 0);
    if (driver->directiveState == 1 && StrCompare(driver->word, "include") == 0) {
        driver->directiveState = 2;
        ConvertIncludeLineToC(driver);
    }
}

void ConvertIdentifierFromC(Driver* driver)
{
    char text[kFromCTextSize];
    if (driver->directiveState > 0) {
        int laterInLine = driver->directiveState == 2;
        int code = DirectiveWordFromC(driver->word, driver->first, text, sizeof text, laterInLine);
        if (code > 0) {
            WriteText(driver, text);
            CopyMessageAfter(driver, code);
            if (!laterInLine && PragmaWordIs(text, kPragmaInclude)) {
                ConvertIncludeLineFromC(driver);
                return;
            }
            /* After #if and #elif, and after a defined in their condition, the next
               defined is translated too. */
            int condition = laterInLine || StrCompare(driver->word, "if") == 0
                || StrCompare(driver->word, "elif") == 0;
            driver->directiveState = condition ? 2 : 0;
            return;
        }
    }
    if (KeywordFromC(driver->word, driver->first, text, sizeof text) > 0) {
        WriteText(driver, text);
        return;
    }
    const char* found = TableLookup(driver->first, driver->word, 0);
    if (found != NULL) {
        WriteText(driver, found);
        return;
    }
    const char* knownName = NameCacheFind(&g_deromanized, driver->word);
    char name[kLongTextSize];
    if (knownName != NULL) {
        WriteText(driver, knownName);
    } else if (DeromanizeName(driver->word, name, sizeof name) > 0) {
        NameCacheAdd(&g_deromanized, driver->word, name);
        WriteText(driver, name);
    } else {
        WriteWord(driver);
    }
    CopyMessageAfter(driver, 0);
    if (driver->directiveState == 1 && StrCompare(driver->word, "包含") == 0) {
        driver->directiveState = 2;
        ConvertIncludeLineFromC(driver);
    }
}
