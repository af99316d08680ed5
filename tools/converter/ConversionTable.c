/* Conversion-table files and the pair list. */
#include "tools/converter/ConversionTable.h"

#include <string.h>
#include "runtime/源码/内存.h"
#include "runtime/源码/字符串.h"
#include "runtime/源码/格式化.h"
#include "runtime/源码/文件.h"
#include "runtime/源码/文件名处理.h"
#include "runtime/源码/目录.h"
#include "tools/converter/ConverterOptions.h"

enum {
    kFullSpace = 0xA1A1,
    kFullOpenQuote = 0xA1B0,
    kFullCloseQuote = 0xA1B1,
    kCommentBracket = 0xA1BE, /* 【 */
    kFullSemicolon = 0xA3BB,
    kFullHash = 0xA3A3
};

static const char kDefaultTableFile[] = "墨转换.zhb";

static ConversionTable* g_head;
static ConversionTable* g_tail;
static int g_defaultLoaded;
static int g_userLoaded;

/* The main list's nodes by key, built at the first lookup after a change: every
   identifier of a source is looked up, and the list holds a node per first character.
   Open addressing over a power-of-two number of slots; null when not built. */
static ConversionTable** g_keyIndex;
static uint32_t g_keyIndexSize;
static int g_keyIndexStale = 1;

const ConversionTable* TableHead(void)
{
    return g_head;
}

void TableInsert(ConversionTable* node)
{
    g_keyIndexStale = 1;
    node->next = node->prev = node->nextSameKey = NULL;
    ConversionTable* at = g_head;
    while (at != NULL && at->key < node->key)
        at = at->next;
    if (at == NULL) {
        node->prev = g_tail;
        if (g_tail)
            g_tail->next = node;
        else
            g_head = node;
        g_tail = node;
    } else if (at->key == node->key) {
        node->nextSameKey = at->nextSameKey;
        at->nextSameKey = node;
    } else {
        node->next = at;
        node->prev = at->prev;
        if (at->prev)
            at->prev->next = node;
        else
            g_head = node;
        at->prev = node;
    }
}

static int NodeMatches(const ConversionTable* node, const char* word, int isPreprocessor)
{
    if (node->isPreprocessor != isPreprocessor)
        return 0;
    if (Options()->direction == kMoyuToC)
        return StrCompare(node->chinese, word) == 0;
    if (isPreprocessor)
        return StrCompareNoCase(node->english, word) == 0;
    return StrCompare(node->english, word) == 0;
}

static uint32_t KeySlot(CharCode key)
{
    return (key * 2654435761u) & (g_keyIndexSize - 1);
}

static void DropKeyIndex(void)
{
    MOYU_FREE(g_keyIndex);
    g_keyIndex = NULL;
    g_keyIndexSize = 0;
}

/* Without memory for the index the lookups walk the list. */
static void BuildKeyIndex(void)
{
    DropKeyIndex();
    uint32_t keys = 0;
    for (const ConversionTable* at = g_head; at != NULL; at = at->next)
        ++keys;
    if (keys == 0)
        return;
    uint32_t size = 16;
    while (size < 2 * keys)
        size *= 2;
    g_keyIndex = (ConversionTable**)MOYU_CALLOC(size, sizeof *g_keyIndex);
    if (g_keyIndex == NULL)
        return;
    g_keyIndexSize = size;
    for (ConversionTable* at = g_head; at != NULL; at = at->next) {
        uint32_t slot = KeySlot(at->key);
        while (g_keyIndex[slot] != NULL)
            slot = (slot + 1) & (size - 1);
        g_keyIndex[slot] = at;
    }
}

/* The main-list node of the key, or null. */
static const ConversionTable* NodeWithKey(CharCode key)
{
    if (g_keyIndexStale) {
        BuildKeyIndex();
        g_keyIndexStale = 0;
    }
    if (g_keyIndex == NULL) {
        const ConversionTable* at = g_head;
        while (at != NULL && at->key < key)
            at = at->next;
        return at != NULL && at->key == key ? at : NULL;
    }
    for (uint32_t slot = KeySlot(key); g_keyIndex[slot] != NULL;
         slot = (slot + 1) & (g_keyIndexSize - 1)) {
        if (g_keyIndex[slot]->key == key)
            return g_keyIndex[slot];
    }
    return NULL;
}

static const char* LookupOnce(CharCode key, const char* word, int isPreprocessor)
{
    const ConversionTable* at = NodeWithKey(key);
    if (at == NULL)
        return NULL;
    for (const ConversionTable* node = at; node != NULL; node = node->nextSameKey) {
        if (NodeMatches(node, word, isPreprocessor))
            return Options()->direction == kMoyuToC ? node->english : node->chinese;
    }
    return NULL;
}

const char* TableLookup(CharCode key, const char* word, int isPreprocessor)
{
    if (word == NULL)
        return NULL;
    const char* found = LookupOnce(key, word, isPreprocessor);
    int isLetter = (key >= 'A' && key <= 'Z') || (key >= 'a' && key <= 'z');
    if (found == NULL && Options()->direction == kCToMoyu && isPreprocessor && isLetter) {
        CharCode swapped = (key >= 'A' && key <= 'Z') ? key + 32 : key - 32;
        found = LookupOnce(swapped, word, isPreprocessor);
    }
    return found;
}

static void FreeNode(ConversionTable* node)
{
    MOYU_FREE(node->english);
    MOYU_FREE(node->chinese);
    MOYU_FREE(node);
}

void TableFree(void)
{
    ConversionTable* at = g_head;
    while (at != NULL) {
        ConversionTable* next = at->next;
        ConversionTable* chain = at->nextSameKey;
        while (chain != NULL) {
            ConversionTable* following = chain->nextSameKey;
            FreeNode(chain);
            chain = following;
        }
        FreeNode(at);
        at = next;
    }
    g_head = g_tail = NULL;
    g_defaultLoaded = g_userLoaded = 0;
    DropKeyIndex();
    g_keyIndexStale = 1;
}

static int IsTableSpace(CharCode code)
{
    return code == '\t' || code == '\n' || code == '\v' || code == '\f' || code == '\r'
        || code == ' ' || code == kFullSpace;
}

static const char* SkipSpace(const char* p)
{
    int length = 0;
    while (*p && IsTableSpace(MbCharAtLen(p, &length)))
        p += length;
    return p;
}

/* One field at p, copied (whole characters, bounded) into field; returns where it ends. */
static const char* ReadField(const char* p, int quotesAllowed, char* field, int size)
{
    int length = 0;
    CharCode first = MbCharAtLen(p, &length);
    CharCode closing = 0;
    if (quotesAllowed && first == kFullOpenQuote)
        closing = kFullCloseQuote;
    else if (quotesAllowed && first == '"')
        closing = '"';
    if (closing)
        p += length;
    int pos = 0;
    field[0] = '\0';
    while (*p) {
        CharCode code = MbCharAtLen(p, &length);
        if (closing ? code == closing : IsTableSpace(code))
            break;
        /* Quoted fields end at their quote, so a line end inside one is not part of it. */
        if (closing && (code == '\n' || code == '\r'))
            break;
        if (pos + length < size) {
            memcpy(field + pos, p, (size_t)length);
            pos += length;
        }
        p += length;
    }
    field[pos] = '\0';
    if (closing && MbCharAtLen(p, &length) == closing)
        p += length;
    return p;
}

static int IsHalfLetter(unsigned char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

static void InsertPair(const char* english, const char* chinese, int isPreprocessor)
{
    ConversionTable* node = (ConversionTable*)MOYU_CALLOC(1, sizeof *node);
    char* englishCopy = StrDup(english, 0, 0);
    char* chineseCopy = StrDup(chinese, 0, 0);
    if (node == NULL || englishCopy == NULL || chineseCopy == NULL) {
        MOYU_FREE(englishCopy);
        MOYU_FREE(chineseCopy);
        MOYU_FREE(node);
        return;
    }
    node->english = englishCopy;
    node->chinese = chineseCopy;
    node->isPreprocessor = isPreprocessor;
    node->key = MbCharAt(Options()->direction == kMoyuToC ? chineseCopy : englishCopy);
    TableInsert(node);
}

void TableLoad(FILE* stream)
{
    if (stream == NULL)
        return;
    static char line[kTableLineSize];
    static char first[kTableLineSize];
    static char second[kTableLineSize];
    int lineNumber = 0;
    int orderKnown = 0;
    int englishFirst = 0;
    while (FileGetLine(stream, line, sizeof line) != NULL) {
        ++lineNumber;
        const char* p = SkipSpace(line);
        int length = 0;
        CharCode lead = MbCharAtLen(p, &length);
        if (*p == '\0' || lead == kCommentBracket || lead == ';' || lead == kFullSemicolon)
            continue;
        int isPreprocessor = lead == '#' || lead == kFullHash;
        if (isPreprocessor)
            p = SkipSpace(p + length);
        p = ReadField(p, !isPreprocessor, first, sizeof first);
        p = SkipSpace(p);
        ReadField(p, 1, second, sizeof second);
        if (second[0] == '\0') {
            if (first[0] != '\0')
                ConPrint("【警告：转换表%整行】%串：独立字符串，无转换目标。%行", lineNumber, first);
            continue;
        }
        if (!orderKnown) {
            englishFirst = IsHalfLetter((unsigned char)first[0]);
            orderKnown = 1;
        }
        if (englishFirst)
            InsertPair(first, second, isPreprocessor);
        else
            InsertPair(second, first, isPreprocessor);
    }
}

/* Opens, loads and closes one table file, with the trace line the options ask for. */
static void LoadTableFile(const char* path, const char* traceFormat)
{
    FILE* stream = FileOpen(path, "读");
    if (Options()->trace)
        ConPrint(traceFormat, path, (unsigned)(uintptr_t)stream);
    TableLoad(stream);
    if (stream != NULL)
        FileClose(stream);
}

void LoadDefaultTable(void)
{
    ConverterOptions* options = Options();
    if (!options->useDefaultTable || g_defaultLoaded)
        return;
    g_defaultLoaded = 1;
    char exePath[kFileNameSize];
    const char* base = SysExePath(exePath, sizeof exePath) > 0 ? exePath : options->programPath;
    if (base == NULL || PathWithName(base, kDefaultTableFile, options->defaultTableName,
                                     sizeof options->defaultTableName) == NULL)
        return;
    LoadTableFile(options->defaultTableName, "缺省转换表文件=%串（%六）%行");
}

void LoadUserTable(void)
{
    if (g_userLoaded)
        return;
    g_userLoaded = 1;
    LoadTableFile(Options()->tableName, "转换表文件=%串（%六）%行");
}
