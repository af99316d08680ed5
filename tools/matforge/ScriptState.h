/* Where a line of a resource script stands: the block it is in, carried from line to line,
   and what its first word made of it. */
#ifndef MOYU_MATFORGE_SCRIPT_STATE_H
#define MOYU_MATFORGE_SCRIPT_STATE_H

#ifdef __cplusplus
extern "C" {
#endif

typedef enum BlockKind {
    kNoBlock = 0,
    kVersionInfoBlock = 1,
    kMenuBlock = 2,
    kStringTableBlock = 3
} BlockKind;

/* The open block and the nesting of 开始 and 结束 inside it; both start at 0. */
typedef struct BlockState {
    BlockKind kind;
    int depth;
} BlockState;

/* Set by the first word, cleared at each line. */
typedef struct LineFlags {
    int menuItem; /* 弹出 or 菜单项 */
    int block;    /* 块 */
    int value;    /* 值 */
} LineFlags;

#ifdef __cplusplus
}
#endif

#endif
