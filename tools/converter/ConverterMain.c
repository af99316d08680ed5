/* The main flow of one run. */
#include "tools/converter/ConverterMain.h"

#include "runtime/源码/字符串.h"
#include "runtime/源码/格式化.h"
#include "runtime/源码/文件.h"
#include "runtime/源码/目录.h"
#include "runtime/源码/调试.h"
#include "tools/common/DeviceNames.h"
#include "tools/converter/ConversionTable.h"
#include "tools/converter/ConvertDriver.h"
#include "tools/converter/ConverterOptions.h"
#include "tools/converter/FileReplace.h"
#include "tools/converter/Lexer.h"

enum { kConverterDebugLevel = 2, kStreamBufferSize = 64 * 1024 };

/* Creates every directory along the output path, left to right; failures are ignored
   (the second open reports). Backslashes are found by whole characters, so a GBK trail
   byte 0x5C is not taken for one. */
static void MakeOutputDirectories(char* path)
{
    char* p = path;
    while (*p) {
        int length = MbCharLen(p);
        if (length == 1 && *p == '\\' && p != path) {
            *p = '\0';
            DirMake(path);
            *p = '\\';
        }
        p += length > 0 ? length : 1;
    }
}

static FILE* OpenOutput(char* name)
{
    FILE* output = FileOpen(name, "写");
    if (output == NULL) {
        MakeOutputDirectories(name);
        output = FileOpen(name, "写");
    }
    return output;
}

/* Converts the opened streams; 0, or the exit code of a failed write. */
static int Convert(FILE* input, FILE* output)
{
    ConverterOptions* options = Options();
    /* Large sources are read and written a character at a time: big buffers keep that cheap. */
    FileSetBuffer(input, NULL, _IOFBF, kStreamBufferSize);
    FileSetBuffer(output, NULL, _IOFBF, kStreamBufferSize);
    LoadDefaultTable();
    LoadUserTable();
    if (options->c51)
        LexSetC51Mode(1);
    int badWords = ConvertStream(input, output);
    TableFree();
    int failed = FileHasError(output);
    if (FileClose(output) != 0)
        failed = 1;
    if (failed) {
        ConPrint("无法写入输出文件：%串%（换行）", options->outputName);
        return kExitCannotOpen;
    }
    return badWords ? kExitBadWord : kExitDone;
}

static int ReplaceInput(void)
{
    const ConverterOptions* options = Options();
    if (options->trace)
        ConPrint("重命名文件（%串）为输入文件名。%行", options->outputName);
    if (ReplaceFileWith(options->outputName, options->inputName) != 0) {
        ConPrint("重命名输出文件（%串）为输入文件名失败！%行", options->outputName);
        return kExitCannotOpen;
    }
    return kExitDone;
}

int ConverterMain(int argc, char** argv, char** envp)
{
    (void)envp;
    ConverterOptions* options = Options();
    DbgSetLevel(kConverterDebugLevel);
    options->programPath = argc > 0 ? argv[0] : NULL;
    int result = ConverterParseOptions(argc, argv);
    if (result == 0)
        result = SetupFileNames(argc, argv);
    if (result != 0)
        return result;
    if (options->inputName[0] == '\0' || options->outputName[0] == '\0') {
        ConPrint("出错啦，源程序文件名或输出文件名为空！%行");
        return kExitNoName;
    }
    if (options->printOutputName) {
        ConPrint("%串", options->outputName);
        return kExitDone;
    }
    if (IsDeviceName(options->outputName)) {
        ConPrint("出错啦，输出文件名是设备名：%串%行", options->outputName);
        return kExitCannotOpen;
    }
    if (FilesAreSame(options->inputName, options->outputName)) {
        ConPrint("出错啦，输出文件与输入文件相同：%串%行", options->outputName);
        return kExitCannotOpen;
    }

    FILE* input = FileOpen(options->inputName, "读");
    if (input == NULL) {
        ConPrint("无法打开输入文件：%串%（换行）", options->inputName);
        result = kExitCannotOpen;
    } else {
        FILE* output = OpenOutput(options->outputName);
        if (output == NULL) {
            ConPrint("无法打开输出文件：%串%（换行）", options->outputName);
            result = kExitCannotOpen;
        } else {
            result = Convert(input, output);
        }
    }
    FileCloseAll();
    if (result != 0)
        return result;
    if (!options->modifyInPlace) {
        ConPrint(options->implicit ? "=>%串(1) 成功生成！%行" : "[恭喜]%串(1) 成功生成！%行",
                 options->outputName);
        return kExitDone;
    }
    return ReplaceInput();
}
