/* Path splitting and rebuilding with quotes kept. */
#include "runtime/源码/文件名处理.h"

#include <limits.h>
#include <string.h>
#include "runtime/源码/内存.h"
#include "runtime/源码/字符.h"

/* Where the parts of a path lie, in byte offsets. */
typedef struct PathParts {
    int length;
    int quoted;    /* 1 when wrapped in double quotes */
    int nameStart; /* after the directory separator, else after the opening quote */
    int hasDir;    /* a separator was found */
    int extStart;  /* the extension's dot, or -1 */
    int end;       /* the closing quote, or the length */
} PathParts;

static int IsQuotedText(const char* text, int length)
{
    return length > 1 && text[0] == '"' && text[length - 1] == '"';
}

static PathParts SplitPath(const char* path, int colonEndsDir)
{
    PathParts parts;
    parts.length = (int)strlen(path);
    parts.quoted = IsQuotedText(path, parts.length);
    parts.end = parts.length - parts.quoted;
    int lastBackslash = -1, lastSlash = -1, lastColon = -1;
    for (int i = 0; i < parts.end; i += MbCharLen(path + i)) {
        if (path[i] == '\\')
            lastBackslash = i;
        else if (path[i] == '/')
            lastSlash = i;
        else if (path[i] == ':')
            lastColon = i;
    }
    int separator = lastBackslash >= 0 ? lastBackslash : lastSlash;
    if (separator < 0 && colonEndsDir)
        separator = lastColon;
    parts.hasDir = separator >= 0;
    parts.nameStart = parts.hasDir ? separator + 1 : parts.quoted;
    parts.extStart = -1;
    for (int i = parts.nameStart; i < parts.end; i += MbCharLen(path + i))
        if (path[i] == '.')
            parts.extStart = i;
    return parts;
}

/* Copies whole characters of text (at most count bytes) to buffer + pos while they end at
   or before limit; returns the new position. */
static int CopyWholeChars(char* buffer, int pos, int limit, const char* text, int count)
{
    int i = 0;
    while (i < count && text[i]) {
        int length = MbCharLen(text + i);
        if (i + length > count || pos + length > limit)
            break;
        memcpy(buffer + pos, text + i, (size_t)length);
        pos += length;
        i += length;
    }
    return pos;
}

static int InPlaceLimit(int size, int length)
{
    if (size == 0)
        return length;
    if (size < 0)
        return MOYU_EDITION == 172 ? length : INT_MAX;
    return size - 1;
}

/* Writes text at pos inside path, then the closing quote when quoted, then the NUL. */
static char* ReplaceTail(char* path, int size, int pos, const PathParts* parts, const char* text)
{
    int limit = InPlaceLimit(size, parts->length) - parts->quoted;
    /* The path already occupies its own length; never write past what it had and the limit. */
    if (limit < pos)
        limit = pos;
    pos = CopyWholeChars(path, pos, limit, text, INT_MAX);
    if (parts->quoted)
        path[pos++] = '"';
    path[pos] = '\0';
    return path;
}

char* PathSetExt(char* path, int size, const char* extension)
{
    if (path == NULL || extension == NULL)
        return path;
    PathParts parts = SplitPath(path, 0);
    int pos = parts.extStart >= 0 ? parts.extStart : parts.end;
    return ReplaceTail(path, size, pos, &parts, extension);
}

char* PathSetName(char* path, int size, const char* name)
{
    if (path == NULL || name == NULL)
        return path;
    PathParts parts = SplitPath(path, 0);
    return ReplaceTail(path, size, parts.nameStart, &parts, name);
}

/* buffer = path[from, to) + tail + closing quote when quoted; an empty text when size - 1
   leaves no room for a character between the quotes. */
static char* BuildPath(const char* path, const PathParts* parts, int from, int to,
                       const char* tail, char* buffer, int size)
{
    if (size - 1 < (parts->quoted ? 3 : 1)) {
        buffer[0] = '\0';
        return buffer;
    }
    int limit = size - 1 - parts->quoted;
    int pos = 0;
    if (parts->quoted && from > 0)
        buffer[pos++] = '"';
    pos = CopyWholeChars(buffer, pos, limit, path + from, to - from);
    if (tail != NULL)
        pos = CopyWholeChars(buffer, pos, limit, tail, INT_MAX);
    if (parts->quoted)
        buffer[pos++] = '"';
    buffer[pos] = '\0';
    return buffer;
}

static int IsBadBuild(const char* path, const char* buffer, int size)
{
    return path == NULL || buffer == NULL || size <= 0;
}

char* PathWithExt(const char* path, const char* extension, char* buffer, int size)
{
    if (IsBadBuild(path, buffer, size))
        return NULL;
    PathParts parts = SplitPath(path, 0);
    int keep = parts.extStart >= 0 ? parts.extStart : parts.end;
    return BuildPath(path, &parts, 0, keep, extension, buffer, size);
}

char* PathWithName(const char* path, const char* name, char* buffer, int size)
{
    if (IsBadBuild(path, buffer, size))
        return NULL;
    PathParts parts = SplitPath(path, 0);
    return BuildPath(path, &parts, 0, parts.nameStart, name, buffer, size);
}

char* PathGetDir(const char* path, char* buffer, int size)
{
    if (IsBadBuild(path, buffer, size))
        return NULL;
    PathParts parts = SplitPath(path, 1);
    if (!parts.hasDir) {
        buffer[0] = '\0';
        return buffer;
    }
    return BuildPath(path, &parts, 0, parts.nameStart, NULL, buffer, size);
}

char* PathGetFileName(const char* path, char* buffer, int size)
{
    if (IsBadBuild(path, buffer, size))
        return NULL;
    PathParts parts = SplitPath(path, 1);
    return BuildPath(path, &parts, parts.nameStart, parts.end, NULL, buffer, size);
}

char* PathGetBaseName(const char* path, char* buffer, int size)
{
    if (IsBadBuild(path, buffer, size))
        return NULL;
    PathParts parts = SplitPath(path, 1);
    int to = parts.extStart >= 0 ? parts.extStart : parts.end;
    return BuildPath(path, &parts, parts.nameStart, to, NULL, buffer, size);
}

char* PathWithoutExt(const char* path, char* buffer, int size)
{
    if (IsBadBuild(path, buffer, size))
        return NULL;
    PathParts parts = SplitPath(path, 0);
    int to = parts.extStart >= 0 ? parts.extStart : parts.end;
    return BuildPath(path, &parts, 0, to, NULL, buffer, size);
}

char* PathFindExt(const char* path)
{
    if (path == NULL)
        return NULL;
    PathParts parts = SplitPath(path, 0);
    return parts.extStart >= 0 ? (char*)path + parts.extStart : NULL;
}

int PathIsQuoted(const char* text)
{
    return text != NULL && IsQuotedText(text, (int)strlen(text));
}

char* PathUnquote(char* text)
{
    if (text == NULL || text[0] != '"')
        return text;
    int length = (int)strlen(text);
    /* Only a closing quote goes; a name that merely starts with one keeps its last byte. */
    int closing = length > 1 && text[length - 1] == '"';
    int kept = length - 1 - closing;
    memmove(text, text + 1, (size_t)kept);
    text[kept] = '\0';
    return text;
}

static int HoldsBlank(const char* text)
{
    return strpbrk(text, " \t") != NULL;
}

char* PathQuote(char* text)
{
    if (text == NULL)
        return text;
    int length = (int)strlen(text);
    if (length < 2 || IsQuotedText(text, length) || !HoldsBlank(text))
        return text;
    memmove(text + 1, text, (size_t)length);
    text[0] = '"';
    text[length + 1] = '"';
    text[length + 2] = '\0';
    return text;
}

char* PathQuoteDup(const char* text)
{
    if (text == NULL)
        return NULL;
    int length = (int)strlen(text);
    int quote = !IsQuotedText(text, length) && HoldsBlank(text);
    char* copy = (char*)MemAlloc((size_t)length + 1 + 2 * quote, kSourcePathModule, 363);
    if (copy == NULL)
        return NULL;
    int pos = 0;
    if (quote)
        copy[pos++] = '"';
    memcpy(copy + pos, text, (size_t)length);
    pos += length;
    if (quote)
        copy[pos++] = '"';
    copy[pos] = '\0';
    return copy;
}
