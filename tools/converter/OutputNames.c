/* Input, output and table names, the direction from the input's extension and the output
   naming rules. */
#include "tools/converter/ConverterMain.h"

#include <string.h>
#include "runtime/源码/字符串.h"
#include "runtime/源码/格式化.h"
#include "runtime/源码/控制台读写.h"
#include "runtime/源码/文件.h"
#include "runtime/源码/文件名处理.h"
#include "tools/converter/ConversionTable.h"
#include "tools/converter/ConverterOptions.h"
#include "tools/converter/Romanizer.h"

enum {
    kBaseNameSize = 81,        /* at most 80 bytes of a base name are looked up */
    kRomanizeBaseSize = 101,   /* at most 100 bytes are romanized */
    kRomanizedNameSize = 150,
    kInPlaceInputBytes = 240
};

static const char kInPlaceSuffix[] = ".墨临时";

typedef struct ExtensionRow {
    const char* extension;     /* null: any other extension, or none */
    int anyCase;
    ConvertDirection direction;
    const char* suffixToC;     /* when the direction is Moyu to C */
    const char* suffixToMoyu;  /* when the direction is C to Moyu */
} ExtensionRow;

static const ExtensionRow kExtensionRows[] = {
    {".c", 1, kCToMoyu, ".ci", ".墨"},
    {".cpp", 1, kCToMoyu, ".cpi", ".墨双"},
    {".h", 1, kCToMoyu, ".hi", ".接口"},
    {".hpp", 1, kCToMoyu, ".hpi", ".接口双"},
    {".墨", 0, kMoyuToC, ".c", ".墨1"},
    {".墨双", 0, kMoyuToC, ".cpp", ".墨双1"},
    {".接口", 0, kMoyuToC, ".h", ".接口1"},
    {".接kou", 1, kMoyuToC, ".hpp", ".接口双"},
    {".接口双", 1, kMoyuToC, ".hpp", ".接口双1"},
    {".定义", 0, kMoyuToC, ".dy", ".定义1"},
    {NULL, 0, kCToMoyu, ".c", ".墨"},
};

static const ExtensionRow* FindExtensionRow(const char* input)
{
    const char* extension = PathFindExt(input);
    const ExtensionRow* row = kExtensionRows;
    for (; row->extension != NULL; ++row) {
        if (extension == NULL)
            continue;
        int same = row->anyCase ? StrCompareNoCase(row->extension, extension) == 0
                                : StrCompare(row->extension, extension) == 0;
        if (same)
            break;
    }
    return row;
}

/* Copies a name into a file-name buffer; 0 and a message when it does not fit. */
static int CopyName(const char* name, char* buffer)
{
    if (StrLen(name) >= kFileNameSize) {
        ConPrint("出错啦，文件名过长：%串%行", name);
        return 0;
    }
    StrCopyN(name, buffer, kFileNameSize);
    return 1;
}

static void Prompt(const char* text, char* buffer)
{
    ConPrint("%行%串", text);
    ConReadText(buffer, kFileNameSize);
}

int LookupOutputName(const char* input, char* out, int size)
{
    const ConverterOptions* options = Options();
    LoadDefaultTable();
    LoadUserTable();
    char base[kBaseNameSize];
    if (PathGetBaseName(input, base, sizeof base) == NULL || base[0] == '\0')
        return 0;
    const char* found = TableLookup(MbCharAt(base), base, 1);
    if (found == NULL) {
        if (options->trace)
            ConPrint("输入：【%串】 未找到对应输出文件名 %行", input);
        return 0;
    }
    if (PathWithName(input, found, out, size) == NULL)
        return 0;
    if (options->trace) {
        ConPrint("输入：【%串】 ==> %行", input);
        ConPrint("输出：【%串】 %行", out);
    }
    return 1;
}

void DeriveOutputName(const char* input, const char* suffix, char* out, int size)
{
    const ConverterOptions* options = Options();
    if (options->trace)
        ConPrint("导出输出文件名=> 输入【%串】,新后缀=%串 %行", input, suffix);
    if (options->romanizeFileName) {
        char base[kRomanizeBaseSize];
        char name[kRomanizedNameSize];
        name[0] = '\0';
        int result = 0;
        if (PathGetBaseName(input, base, sizeof base) != NULL) {
            result = RomanizeName(base, name, sizeof name, kRomanizeStyleShort);
            /* A base name romanized only in part is not a usable name. */
            if (result < StrLen(base))
                result = 0;
        }
        if (options->trace)
            ConPrint("导出输出文件名=> 英文文件名=【%串】 长度=%整%行", name, result);
        if (result > 0 && PathWithName(input, name, out, size) != NULL) {
            if (options->trace)
                ConPrint("导出输出文件名=> 替换后，输出文件名=【%串】%行", out);
            PathSetExt(out, size, suffix);
            return;
        }
    }
    if (PathWithExt(input, suffix, out, size) == NULL && size > 0)
        out[0] = '\0';
}

/* The output directory in front of the output name, the separator always added. */
static int ApplyOutputDir(ConverterOptions* options)
{
    char name[kFileNameSize];
    if (options->dropInputDir)
        PathGetFileName(options->outputName, name, sizeof name);
    else
        StrCopyN(options->outputName, name, sizeof name);
    if (StrPrintN(options->outputName, kFileNameSize, "%串\\%串", options->outputDir, name) < 0) {
        ConPrint("出错啦，文件名过长：%串\\%串%行", options->outputDir, name);
        return 0;
    }
    if (options->trace)
        ConPrint("输出路径【%串】，输出文件名：【%串】%行", options->outputDir, options->outputName);
    return 1;
}

/* Whole characters of at most max bytes. */
static void CopyWholeChars(const char* source, char* buffer, int max)
{
    MbStrCopyN(source, buffer, max + 1);
}

int SetupFileNames(int argc, char** argv)
{
    ConverterOptions* options = Options();
    int first = options->optionCount + 1;
    if (first >= argc) {
        Prompt("输入文件：", options->inputName);
        if (options->inputName[0] == '\0')
            return 0;
        Prompt("输出文件：", options->outputName);
        Prompt("转换表文件：", options->tableName);
    } else {
        if (!CopyName(argv[first], options->inputName))
            return kExitNoName;
        if (first + 1 < argc && !CopyName(argv[first + 1], options->outputName))
            return kExitNoName;
        if (first + 2 < argc && !CopyName(argv[first + 2], options->tableName))
            return kExitNoName;
    }
    /* The input is its own output: a name given for another would be dropped unseen. */
    if (options->modifyInPlace && options->outputName[0] != '\0') {
        ConPrint("出错啦，修改自身时不能指定输出文件：%串%行", options->outputName);
        return kExitNoName;
    }
    /* A table the user named must be there; only the default one may be missing. */
    if (options->tableName[0] != '\0') {
        FILE* table = FileOpen(options->tableName, "读");
        if (table == NULL) {
            ConPrint("无法打开转换表文件：%串%行", options->tableName);
            return kExitCannotOpen;
        }
        FileClose(table);
    } else {
        StrCopyN("转换表", options->tableName, kFileNameSize);
    }

    const ExtensionRow* row = FindExtensionRow(options->inputName);
    if (options->direction == kDirectionUnset)
        options->direction = (uint8_t)row->direction;
    const char* suffix = options->direction == kMoyuToC ? row->suffixToC : row->suffixToMoyu;

    if (options->outputName[0] == '\0') {
        if (LookupOutputName(options->inputName, options->outputName, kFileNameSize - 1))
            PathSetExt(options->outputName, kFileNameSize - 1, suffix);
        else if (options->direction == kMoyuToC)
            DeriveOutputName(options->inputName, suffix, options->outputName, kFileNameSize);
        else if (PathWithExt(options->inputName, suffix, options->outputName, kFileNameSize) == NULL)
            options->outputName[0] = '\0';
    } else if (row->extension != NULL && PathFindExt(options->outputName) == NULL) {
        if (StrLen(options->outputName) + StrLen(suffix) >= kFileNameSize) {
            ConPrint("出错啦，文件名过长：%串%串%行", options->outputName, suffix);
            return kExitNoName;
        }
        StrCatN(options->outputName, kFileNameSize, suffix);
    }
    if (options->trace)
        ConPrint("输出文件名：【%串】%行", options->outputName);

    if (options->outputDir != NULL && options->outputName[0] != '\0' && !ApplyOutputDir(options))
        return kExitNoName;
    if (options->outputSuffix != NULL) {
        PathSetExt(options->outputName, kFileNameSize, options->outputSuffix);
        if (options->trace)
            ConPrint("输出后缀【%串】，输出文件名：【%串】%行", options->outputSuffix, options->outputName);
    }
    if (options->modifyInPlace) {
        CopyWholeChars(options->inputName, options->outputName, kInPlaceInputBytes);
        StrCatN(options->outputName, kFileNameSize, kInPlaceSuffix);
        if (options->trace)
            ConPrint("输出文件名：【%串】%行", options->outputName);
    }
    if (!options->quiet) {
        static const char* const kDirectionWords[] = { "英转中", "中转英", "没设置" };
        ConPrint("输入=%串， 输出=%串，转换表=%串，操作类型=%串 %行", options->inputName,
                 options->outputName, options->tableName,
                 kDirectionWords[options->direction <= kDirectionUnset ? options->direction : 2]);
    }
    return 0;
}
