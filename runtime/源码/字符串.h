/* The string module: NUL-terminated GBK byte texts with explicit buffer sizes (sizes include
   the NUL), heap duplicates and joins through the tracking allocator, append, search,
   compare, fill and the run scanner MbRunLength. Case-insensitive operations walk whole
   characters and fold only single-byte letters, so double-byte text is never altered. */
#ifndef MOYU_RUNTIME_STRING_H
#define MOYU_RUNTIME_STRING_H

#ifdef __cplusplus
extern "C" {
#endif

int StrLen(const char* text);
char* StrCopyTo(const char* source, char* buffer);
char* StrCopyN(const char* source, char* buffer, int size);
char* StrCopyCount(const char* source, int n, char* buffer);
char* StrCopyCountN(const char* source, int n, char* buffer, int size);
char* StrDup(const char* text, int pad, int extra);
char* StrJoin3(const char* a, const char* b, const char* c);
char* StrJoin3Ex(const char* a, const char* b, const char* c, int extra);
char* StrCat(char* buffer, const char* text);
char* StrCatCount(char* buffer, const char* text, int n);
char* StrCatN(char* buffer, int size, const char* text);
int StrAppendByte(char* buffer, int size, int byte);
char* StrFindChar(const char* text, int byte);
char* StrFindLastChar(const char* text, int byte);
char* StrFindAny(const char* text, const char* set);
int StrSpan(const char* text, const char* set);
int StrSpanNot(const char* text, const char* set);
char* StrToken(char* text, const char* set);
char* StrFindText(const char* text, const char* pattern);
char* StrFindTextNoCase(const char* text, const char* pattern);
int StrCompare(const char* a, const char* b);
int StrCompareN(const char* a, const char* b, int n);
int StrCompareNoCase(const char* a, const char* b);
int StrCompareNoCaseN(const char* a, const char* b, int n);
char* StrToLower(char* text);
char* StrToUpper(char* text);
char* StrFill(char* text, int byte);
char* StrFillN(char* text, int byte, int n);
char* StrReverse(char* text);
int StrSkipSpace(const char** text);
int StrTrimRight(char* text);
/* Run classes 0-4; kind (may be null): 0 other, 1 space, 2 identifier, 3 number. */
int MbRunLength(const char* text, int runClass, int* kind);

#ifdef __cplusplus
}
#endif

#endif
