/* Debug output: messages filtered by a level (0-7) and categories (0-28), printed after a
   short program name and the level's label, and breakpoints that wait for a key. */
#ifndef MOYU_RUNTIME_DEBUG_H
#define MOYU_RUNTIME_DEBUG_H

#include "runtime/源码/常量.h"

#ifdef __cplusplus
extern "C" {
#endif

enum { kDbgLevelMax = 7, kDbgCategoryMax = 28, kDbgNameSize = 12 };

/* 0-7 sets the level, above 7 sets 2, below 0 changes nothing; returns the previous level. */
int DbgSetLevel(int level);
/* 关 or 0 off, 开 or 1 on for categories 0-28; returns the category mask. */
unsigned DbgSetCategory(int category, KindWord on);
/* Keeps the whole characters that fit in 11 bytes; returns the end of the copy, null for a
   null name (nothing changes). */
char* DbgSetName(const char* name);
const char* DbgGetName(void);
/* "<name><label>:" and the message, when the category is on and the level not above the
   current one: 1; else nothing and 0. No newline is added. */
int DbgPrint(int category, int level, const char* format, ...);
/* 1 or 开 switches breakpoints on, anything else off. */
void DbgSetBreak(KindWord on);
/* 0 while breakpoints are off; else prints the place, waits for a key and returns it.
   Ctrl-C or Esc ends the program with that key as exit code (2.0 through system end). */
int DbgBreak(const char* name, int number);

#ifdef __cplusplus
}
#endif

#endif
