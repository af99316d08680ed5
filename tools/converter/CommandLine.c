/* The command line: options, banner, usage and help. */
#include "tools/converter/ConverterMain.h"

#include <stddef.h>
#include "runtime/源码/字符串.h"
#include "runtime/源码/格式化.h"
#include "runtime/源码/文件名处理.h"
#include "tools/converter/ConverterOptions.h"

enum { kProgramNameSize = 64 };

typedef enum OptionKind {
    kOptionFlag,     /* sets a flag */
    kOptionMoyu,     /* direction C to Moyu */
    kOptionC,        /* direction Moyu to C */
    kOptionValue     /* takes the next word */
} OptionKind;

typedef struct OptionRow {
    const char* word;
    int anyCase;
    OptionKind kind;
    size_t flagOffset;    /* of the bool in ConverterOptions (flags) */
} OptionRow;

#define FLAG(word, field) {word, 0, kOptionFlag, offsetof(ConverterOptions, field)}

/* Tested in this order: c51 before c. */
static const OptionRow kOptionRows[] = {
    FLAG("安静", quiet),
    FLAG("含蓄", implicit),
    FLAG("符号", symbols),
    FLAG("纯净", useDefaultTable),
    {"墨", 0, kOptionMoyu, 0},
    FLAG("调试", trace),
    FLAG("转名字", romanizeFileName),
    FLAG("文件名中转英", romanizeFileName),
    FLAG("接口名中转英", romanizeInterfaceName),
    FLAG("输出名", printOutputName),
    FLAG("取输出文件名", printOutputName),
    FLAG("去", dropInputDir),
    FLAG("修改自身", modifyInPlace),
    {"c51", 1, kOptionFlag, offsetof(ConverterOptions, c51)},
    {"c", 1, kOptionC, 0},
    {"输出", 0, kOptionValue, offsetof(ConverterOptions, outputDir)},
    {"后缀", 0, kOptionValue, offsetof(ConverterOptions, outputSuffix)},
};

static const OptionRow* FindOption(const char* word)
{
    for (size_t i = 0; i < sizeof kOptionRows / sizeof kOptionRows[0]; ++i) {
        const OptionRow* row = &kOptionRows[i];
        if ((row->anyCase ? StrCompareNoCase(row->word, word) : StrCompare(row->word, word)) == 0)
            return row;
    }
    return NULL;
}

static void ApplyFlag(ConverterOptions* options, const OptionRow* row)
{
    bool* flag = (bool*)((char*)options + row->flagOffset);
    /* 纯净 switches the default table off; every other flag switches on. */
    *flag = row->flagOffset != offsetof(ConverterOptions, useDefaultTable);
}

/* The program's base name: argv[0] without directory and extension. */
static void ProgramBaseName(const char* path, char* out, int size)
{
    out[0] = '\0';
    if (path != NULL)
        PathGetBaseName(path, out, size);
}

static void PrintBanner(void)
{
    ConPrint("墨转换 2.0  墨语言与C源程序互相转换工具  构建日期：%串%行", __DATE__);
}

static void PrintUsage(const char* programPath)
{
    char name[kProgramNameSize];
    ProgramBaseName(programPath, name, sizeof name);
    ConPrint("%（换行）用法:%(串) [参数] 源程序文件名  输出文件名  [转换表] %(换行)", name);
    ConPrint("%（换行）参数: -安静/符号/纯净/墨/c/去/输出 路径/调试/转名字/文件名中转英/接口名中转英/取输出文件名/后缀 x.y/修改自身%（换行）");
}

static const char* const kHelpLines[] = {
    "    [安静]安静模式，无版权声明  [墨]进行c转墨 [c]进行墨转c  [纯净]不使用缺省转换表  [输出 路径]指明输出文件路径",
    "    [去]生成输出文件名时去掉输入文件路径  [符号]c转墨时进行英文运算符到中文运算符转换  [调试]输出一些内部调试信息",
    "    [取输出文件名]根据输入文件名自动生成输出文件名并在命令行显示后退出  [含蓄]含蓄提示，无[恭喜]提示。",
    "    [转名字]/[文件名中转英]将输入文件名字转换为英文(拼音)。[接口名中转英]将接口文件名转为英文(拼音)",
    "    [后缀 x.y]指明输出文件后缀为x.y  [修改自身]指直接在输入文件上进行转换处理（须指明墨或c），不能再给输出文件名。",
    "    [转换表]为中英对照转换用的表格。",
    "    若输入文件为‘*.墨、*.墨双、*.接口或*.定义’且未指定转换类型时进行墨转c",
    "    若输入为*.c或*.cpp,输出为*.ci且未指定转换类型时进行墨转c,否则进行c转墨",
    "    若输入为*.h或*.hpp,输出为*.hi且未指定转换类型时进行墨转c,否则进行c转墨",
    "    若输入为*.dy且未指定转换类型时进行c转墨。",
};

int ConverterParseOptions(int argc, char** argv)
{
    ConverterOptions* options = Options();
    int index = 1;
    while (index < argc && argv[index] != NULL && argv[index][0] == '-') {
        const char* word = argv[index] + 1;
        const OptionRow* row = FindOption(word);
        if (row == NULL) {
            ConPrint("不能识别的参数：【%串】，作为文件名处理%行", argv[index]);
            break;
        }
        if (row->kind == kOptionValue) {
            if (index + 1 >= argc) {
                ConPrint("出错啦，参数【%串】后缺少取值！%行", argv[index]);
                return kExitNoName;
            }
            *(const char**)((char*)options + row->flagOffset) = argv[index + 1];
            options->optionCount += 2;
            index += 2;
            continue;
        }
        if (row->kind == kOptionMoyu)
            options->direction = kCToMoyu;
        else if (row->kind == kOptionC)
            options->direction = kMoyuToC;
        else
            ApplyFlag(options, row);
        options->optionCount += 1;
        index += 1;
    }

    if (argc - options->optionCount < 2) {
        PrintBanner();
        PrintUsage(argc > 0 ? argv[0] : NULL);
        if (!options->quiet) {
            for (size_t i = 0; i < sizeof kHelpLines / sizeof kHelpLines[0]; ++i)
                ConPrint("%串%行", kHelpLines[i]);
        }
    } else if (!options->quiet) {
        PrintBanner();
    }
    if (options->direction == kDirectionUnset && options->modifyInPlace) {
        options->modifyInPlace = false;
        if (options->trace)
            ConPrint("没有指定转换类型，忽略 修改自身 参数。%行");
    }
    if (options->trace) {
        ConPrint("名字转换=%整,取输出名=%整，去除路径=%整，操作类型=%串%行",
                 (int)options->romanizeFileName, (int)options->printOutputName,
                 (int)options->dropInputDir, options->direction == kMoyuToC ? "墨转c" : "c转墨");
    }
    return 0;
}
