/* The main flow of one run. */
#include "tools/matforge/MatforgeMain.h"

#include "runtime/源码/内存.h"
#include "runtime/源码/控制台读写.h"
#include "runtime/源码/文件.h"
#include "runtime/源码/格式化.h"
#include "tools/common/DeviceNames.h"
#include "tools/matforge/ExitCodes.h"
#include "tools/matforge/ResourceNames.h"
#include "tools/matforge/SameFile.h"
#include "tools/matforge/StreamConverter.h"

static const char kVersionLine[] = "matforge 1.0  素材文件转换工具（中文资源脚本 → .rc）  云杉工作室  2026年12月";
static const char kUsageLine[] = "用法： matforge  素材文件名  [输出文件名] ";
static const char kWrongExtension[] = "输入文件名错误，必须为\"*.素材\"文件。%行";
static const char kNoMemory[] = "内存不足，无法转换。%行";
static const char kInputNotOpened[] = "无法打开输入文件：%串%行";
static const char kOutputIsInput[] = "输出文件不能是输入文件：%串%行";
static const char kOutputIsDevice[] = "输出文件名是设备名：%串%行";
static const char kOutputNotOpened[] = "无法打开输出文件：%串%行";
static const char kNotText[] = "输入文件第%长整行含有零字节，不是文本文件：%串%行";
static const char kReadFailed[] = "读取输入文件第%长整行失败：%串%行";
static const char kWriteFailed[] = "无法写入输出文件：%串%行";

/* The allocator's log names this program's releases by its source and these lines. */
static const char kProgramSource[] = "matforge.墨";
enum { kLineFreeInputName = 296, kLineFreeOutputName = 297 };

static void ReportFailure(ConvertStatus status, long lineNumber, const char* inputName,
                          const char* outputName)
{
    switch (status) {
    case kConvertZeroByte:
        ConPrint(kNotText, lineNumber, inputName);
        break;
    case kConvertReadFailed:
        ConPrint(kReadFailed, lineNumber, inputName);
        break;
    case kConvertWriteFailed:
        ConPrint(kWriteFailed, outputName);
        break;
    default:
        ConPrint(kNoMemory);
        break;
    }
}

/* The input is opened first, so an input that cannot be read leaves an existing output
   untouched; a half-written output is removed, so no build picks it up. */
static int ConvertFiles(const char* inputName, const char* outputName)
{
    FILE* input = FileOpen(inputName, "读");
    if (!input) {
        ConPrint(kInputNotOpened, inputName);
        return kExitFileFailed;
    }
    if (NamesSameFile(inputName, outputName)) {
        FileClose(input);
        ConPrint(kOutputIsInput, outputName);
        return kExitFileFailed;
    }
    if (IsDeviceName(outputName)) {
        FileClose(input);
        ConPrint(kOutputIsDevice, outputName);
        return kExitFileFailed;
    }
    FILE* output = FileOpen(outputName, "写");
    if (!output) {
        FileClose(input);
        ConPrint(kOutputNotOpened, outputName);
        return kExitFileFailed;
    }
    long lineNumber = 0;
    ConvertStatus status = ConvertStream(input, output, &lineNumber);
    FileClose(input);
    if (FileClose(output) != 0 && status == kConvertDone)
        status = kConvertWriteFailed;
    if (status == kConvertDone)
        return kExitConverted;
    ReportFailure(status, lineNumber, inputName, outputName);
    FileDelete(outputName);
    return kExitFileFailed;
}

int MatforgeMain(int argc, char** argv)
{
    if (argc < 2 || argc > 3) {
        ConPutLine(kVersionLine);
        ConPutLine(kUsageLine);
        return kExitUsage;
    }
    if (!HasResourceExtension(argv[1])) {
        ConPrint(kWrongExtension);
        return kExitWrongExtension;
    }
    char* inputName = MakeInputName(argv[1]);
    char* outputName = inputName ? MakeOutputName(inputName, argc > 2 ? argv[2] : NULL) : NULL;
    int code;
    if (inputName && outputName) {
        code = ConvertFiles(inputName, outputName);
    } else {
        ConPrint(kNoMemory);
        code = kExitFileFailed;
    }
    if (inputName)
        MemFree(inputName, kProgramSource, kLineFreeInputName);
    if (outputName)
        MemFree(outputName, kProgramSource, kLineFreeOutputName);
    return code;
}
