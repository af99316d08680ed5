/* Option words of the language: the GBK bytes of one or two Chinese characters packed into
   32 bits in reading order, first byte highest. An omitted argument arrives as such a word
   and the callee substitutes its default; 0 always means "both" or "the default". */
#ifndef MOYU_RUNTIME_CONSTANTS_H
#define MOYU_RUNTIME_CONSTANTS_H

#include <stdint.h>

typedef uint32_t KindWord;

/* Widths, cases and scripts (character classes and conversions). */
#define 半角 ((KindWord)0xB0EBBDC7u)
#define 全角 ((KindWord)0xC8ABBDC7u)
#define 半全 ((KindWord)0xB0EBC8ABu)
#define 全半 ((KindWord)0xC8ABB0EBu)
#define 简体 ((KindWord)0xBCF2CCE5u)
#define 繁体 ((KindWord)0xB7B1CCE5u)
#define 简繁 ((KindWord)0xBCF2B7B1u)
#define 大写 ((KindWord)0xB4F3D0B4u)
#define 小写 ((KindWord)0xD0A1D0B4u)
#define 汉字 ((KindWord)0xBABAD7D6u)
#define 符号 ((KindWord)0xB7FBBAC5u)
#define 双汉 ((KindWord)0xCBABBABAu)
#define 双字 ((KindWord)0xCBABD7D6u)
#define 四字 ((KindWord)0xCBC4D7D6u)

/* Switches and modes. */
#define 开 ((KindWord)0xBFAAu)
#define 关 ((KindWord)0xB9D8u)
#define 失败 ((KindWord)0xCAA7B0DCu)
#define 显示 ((KindWord)0xCFD4CABEu)
#define 隐藏 ((KindWord)0xD2FEB2D8u)
#define 立即 ((KindWord)0xC1A2BCB4u)
#define 调试 ((KindWord)0xB5F7CAD4u)
#define 清除 ((KindWord)0xC7E5B3FDu)
#define 设置 ((KindWord)0xC9E8D6C3u)
#define 添加 ((KindWord)0xCCEDBCD3u)
#define 重置 ((KindWord)0xD6D8D6C3u)

/* Pointer-list checks and iteration. */
#define 检查 ((KindWord)0xBCECB2E9u)
#define 起始 ((KindWord)0xC6F0CABCu)
#define 当前 ((KindWord)0xB5B1C7B0u)

/* Process start-up. */
#define 搜索 ((KindWord)0xCBD1CBF7u)
#define 并发 ((KindWord)0xB2A2B7A2u)
#define 覆盖 ((KindWord)0xB8B2B8C7u)
#define 后台 ((KindWord)0xBAF3CCA8u)

#endif
