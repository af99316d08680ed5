/* The three word tables: the Chinese keywords that may stand first, second and third on a
   line, what each is written as, where it counts and what it does to the block state.
   Words are matched by exact byte length and bytes. */
#ifndef MOYU_MATFORGE_WORD_TABLES_H
#define MOYU_MATFORGE_WORD_TABLES_H

#include "tools/matforge/ScriptState.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef enum WordCondition {
    kAnywhere,
    kInsideBlock,         /* any block open */
    kOutsideBlock,
    kVersionHeader,       /* version information, before its 开始 */
    kBlockHeader,         /* any block, before its 开始 */
    kBeforeBegin,         /* depth 0, inside a block or not */
    kMenuItemInMenu,      /* a 弹出 or 菜单项 line of a menu */
    kVersionBlockLine,    /* a 块 line of version information */
    kVersionValueLine     /* a 值 line of version information */
} WordCondition;

typedef enum WordEffect {
    kNoEffect,
    kOpenStringTable,
    kOpenVersionInfo,
    kOpenMenu,
    kEnterLevel,          /* 开始 */
    kLeaveLevel,          /* 结束: the one that leaves depth 1 closes the block */
    kMarkMenuItemLine,
    kMarkBlockLine,
    kMarkValueLine
} WordEffect;

typedef struct ResourceWord {
    const char* word;
    const char* written;
    WordCondition condition;
    WordEffect effect;
} ResourceWord;

/* The entry for a word that counts here, or null: the word is copied unchanged. */
const ResourceWord* FindFirstWord(const char* word, int length, const BlockState* state,
                                  const LineFlags* flags);
const ResourceWord* FindSecondWord(const char* word, int length, const BlockState* state,
                                   const LineFlags* flags);
const ResourceWord* FindThirdWord(const char* word, int length, const BlockState* state,
                                  const LineFlags* flags);
/* CHECKED or GRAYED for the flags of a menu item's later words, else null. */
const char* FindMenuItemFlag(const char* word, int length);

void ApplyWordEffect(WordEffect effect, BlockState* state, LineFlags* flags);

#ifdef __cplusplus
}
#endif

#endif
