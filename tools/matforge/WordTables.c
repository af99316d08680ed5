/* The keyword tables and their conditions. */
#include "tools/matforge/WordTables.h"

#include <limits.h>
#include <string.h>

#define COUNT_OF(table) ((int)(sizeof(table) / sizeof((table)[0])))

static const ResourceWord kFirstWords[] = {
    {"#定义", "#define", kAnywhere, kNoEffect},
    {"#如果", "#if", kAnywhere, kNoEffect},
    {"#如果已定义", "#ifdef", kAnywhere, kNoEffect},
    {"#如果未定义", "#ifndef", kAnywhere, kNoEffect},
    {"#或者", "#elif", kAnywhere, kNoEffect},
    {"#否则", "#else", kAnywhere, kNoEffect},
    {"#如果结束", "#endif", kAnywhere, kNoEffect},
    {"#包含", "#include", kAnywhere, kNoEffect},
    {"字符串表", "1 STRINGTABLE", kAnywhere, kOpenStringTable},
    {"【版本信息】", "1 VERSIONINFO", kAnywhere, kOpenVersionInfo},
    {"版本信息", "1 VERSIONINFO", kAnywhere, kOpenVersionInfo},
    {"开始", "BEGIN", kInsideBlock, kEnterLevel},
    {"结束", "END", kInsideBlock, kLeaveLevel},
    {"弹出", "POPUP", kInsideBlock, kMarkMenuItemLine},
    {"菜单项", "MENUITEM", kInsideBlock, kMarkMenuItemLine},
    {"块", "BLOCK", kInsideBlock, kMarkBlockLine},
    {"值", "VALUE", kInsideBlock, kMarkValueLine},
    {"文件版本", "FILEVERSION", kVersionHeader, kNoEffect},
    {"产品版本", "PRODUCTVERSION", kVersionHeader, kNoEffect},
    {"文件标志", "FILEFLAGS", kVersionHeader, kNoEffect},
    {"文件标志掩码", "FILEFLAGSMASK", kVersionHeader, kNoEffect},
    {"操作系统", "FILEOS", kVersionHeader, kNoEffect},
    {"文件类型", "FILETYPE", kVersionHeader, kNoEffect},
    {"文件子类型", "FILESUBTYPE", kVersionHeader, kNoEffect},
};

/* 已定义( followed by more of the word is handled by the line converter. */
static const ResourceWord kSecondWords[] = {
    {"图标", "ICON", kOutsideBlock, kNoEffect},
    {"位图", "BITMAP", kOutsideBlock, kNoEffect},
    {"菜单", "MENU", kOutsideBlock, kOpenMenu},
    {"已定义", "defined", kAnywhere, kNoEffect},
    {"分隔符", "SEPARATOR", kMenuItemInMenu, kNoEffect},
    {"文件信息短语", "\"StringFileInfo\"", kVersionBlockLine, kNoEffect},
    {"文件信息变量", "\"VarFileInfo\"", kVersionBlockLine, kNoEffect},
    {"注释", "\"Comments\"", kVersionValueLine, kNoEffect},
    {"文件说明", "\"FileDescription\"", kVersionValueLine, kNoEffect},
    {"文件描述", "\"FileDescription\"", kVersionValueLine, kNoEffect},
    {"公司名", "\"CompanyName\"", kVersionValueLine, kNoEffect},
    {"文件版本", "\"FileVersion\"", kVersionValueLine, kNoEffect},
    {"内部名", "\"InternalName\"", kVersionValueLine, kNoEffect},
    {"版权", "\"LegalCopyright\"", kVersionValueLine, kNoEffect},
    {"商标", "\"LegalTrademarks\"", kVersionValueLine, kNoEffect},
    {"文件名", "\"OriginalFilename\"", kVersionValueLine, kNoEffect},
    {"原始文件名", "\"OriginalFilename\"", kVersionValueLine, kNoEffect},
    {"内部版本", "\"PrivateBuild\"", kVersionValueLine, kNoEffect},
    {"产品名", "\"ProductName\"", kVersionValueLine, kNoEffect},
    {"产品名称", "\"ProductName\"", kVersionValueLine, kNoEffect},
    {"产品版本", "\"ProductVersion\"", kVersionValueLine, kNoEffect},
    {"专用版本", "\"SpecialBuild\"", kVersionValueLine, kNoEffect},
    {"翻译", "\"Translation\"", kVersionValueLine, kNoEffect},
    {"预加载", "PRELOAD", kBlockHeader, kNoEffect},
    /* Discardable may follow the block's own keyword (字符串表 可丢弃的), in either form. */
    {"可丢弃的", "DISCARDABLE", kBlockHeader, kNoEffect},
    {"可丢弃", "DISCARDABLE", kBlockHeader, kNoEffect},
};

static const ResourceWord kThirdWords[] = {
    {"可丢弃的", "DISCARDABLE", kBeforeBegin, kNoEffect},
    {"预加载", "PRELOAD", kBlockHeader, kNoEffect},
};

static const ResourceWord kMenuItemFlags[] = {
    {"选择的", "CHECKED", kAnywhere, kNoEffect},
    {"无效的", "GRAYED", kAnywhere, kNoEffect},
};

static int ConditionHolds(WordCondition condition, const BlockState* state, const LineFlags* flags)
{
    switch (condition) {
    case kAnywhere:
        return 1;
    case kInsideBlock:
        return state->kind != kNoBlock;
    case kOutsideBlock:
        return state->kind == kNoBlock;
    case kVersionHeader:
        return state->kind == kVersionInfoBlock && state->depth == 0;
    case kBlockHeader:
        return state->kind != kNoBlock && state->depth == 0;
    case kBeforeBegin:
        return state->depth == 0;
    case kMenuItemInMenu:
        return state->kind == kMenuBlock && flags->menuItem;
    case kVersionBlockLine:
        return state->kind == kVersionInfoBlock && flags->block;
    case kVersionValueLine:
        return state->kind == kVersionInfoBlock && flags->value;
    }
    return 0;
}

static int SameWord(const char* entry, const char* word, int length)
{
    return (int)strlen(entry) == length && memcmp(entry, word, (size_t)length) == 0;
}

static const ResourceWord* Find(const ResourceWord* table, int count, const char* word, int length,
                                const BlockState* state, const LineFlags* flags)
{
    if (length <= 0)
        return NULL;
    for (int i = 0; i < count; i++) {
        if (SameWord(table[i].word, word, length) && ConditionHolds(table[i].condition, state, flags))
            return &table[i];
    }
    return NULL;
}

const ResourceWord* FindFirstWord(const char* word, int length, const BlockState* state,
                                  const LineFlags* flags)
{
    return Find(kFirstWords, COUNT_OF(kFirstWords), word, length, state, flags);
}

const ResourceWord* FindSecondWord(const char* word, int length, const BlockState* state,
                                   const LineFlags* flags)
{
    return Find(kSecondWords, COUNT_OF(kSecondWords), word, length, state, flags);
}

const ResourceWord* FindThirdWord(const char* word, int length, const BlockState* state,
                                  const LineFlags* flags)
{
    return Find(kThirdWords, COUNT_OF(kThirdWords), word, length, state, flags);
}

const char* FindMenuItemFlag(const char* word, int length)
{
    const BlockState any = {kNoBlock, 0};
    const LineFlags none = {0, 0, 0};
    const ResourceWord* entry = Find(kMenuItemFlags, COUNT_OF(kMenuItemFlags), word, length, &any, &none);
    return entry ? entry->written : NULL;
}

void ApplyWordEffect(WordEffect effect, BlockState* state, LineFlags* flags)
{
    switch (effect) {
    case kNoEffect:
        break;
    case kOpenStringTable:
        state->kind = kStringTableBlock;
        state->depth = 0;
        break;
    case kOpenVersionInfo:
        state->kind = kVersionInfoBlock;
        state->depth = 0;
        break;
    case kOpenMenu:
        state->kind = kMenuBlock;
        state->depth = 0;
        break;
    case kEnterLevel:
        if (state->depth < INT_MAX)
            state->depth++;
        break;
    case kLeaveLevel:
        if (state->depth == 1)
            state->kind = kNoBlock;
        if (state->depth > INT_MIN)
            state->depth--;
        break;
    case kMarkMenuItemLine:
        flags->menuItem = 1;
        break;
    case kMarkBlockLine:
        flags->block = 1;
        break;
    case kMarkValueLine:
        flags->value = 1;
        break;
    }
}
