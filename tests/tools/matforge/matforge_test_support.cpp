#include "matforge_test_support.h"

#include "tools/matforge/LineConverter.h"
#include "tools/matforge/TextBuffer.h"

namespace {

std::string Recode(const std::string& text, UINT from, UINT to)
{
    if (text.empty())
        return text;
    int wide = MultiByteToWideChar(from, 0, text.data(), (int)text.size(), nullptr, 0);
    std::wstring buffer(wide, L'\0');
    MultiByteToWideChar(from, 0, text.data(), (int)text.size(), &buffer[0], wide);
    int bytes = WideCharToMultiByte(to, 0, buffer.data(), wide, nullptr, 0, nullptr, nullptr);
    std::string result(bytes, '\0');
    WideCharToMultiByte(to, 0, buffer.data(), wide, &result[0], bytes, nullptr, nullptr);
    return result;
}

}  // namespace

std::string Utf8ToGbk(const std::string& utf8) { return Recode(utf8, CP_UTF8, 936); }
std::string GbkToUtf8(const std::string& gbk) { return Recode(gbk, 936, CP_UTF8); }

std::string WithLineFeeds(const std::string& text)
{
    std::string result;
    for (size_t i = 0; i < text.size(); ++i) {
        if (!(text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n'))
            result += text[i];
    }
    return result;
}

std::vector<std::string> ConvertLines(const std::vector<std::string>& lines)
{
    BlockState state = {kNoBlock, 0};
    TextBuffer out;
    TextBufferInit(&out);
    std::vector<std::string> results;
    for (const std::string& line : lines) {
        std::string copy = line;
        TextBufferClear(&out);
        ConvertLine(&copy[0], &state, &out);
        results.push_back(TextBufferText(&out));
    }
    TextBufferFree(&out);
    return results;
}

std::string ConvertOneLine(const std::string& line)
{
    return ConvertLines({line}).front();
}

MatforgeRun RunMatforge(const std::string& arguments, const std::string& folder)
{
    MatforgeRun run;
    SECURITY_ATTRIBUTES inherit = { sizeof inherit, nullptr, TRUE };
    HANDLE outRead = nullptr, outWrite = nullptr;
    if (!CreatePipe(&outRead, &outWrite, &inherit, 0))
        return run;
    SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
    HANDLE nothing = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                 OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = nothing;
    startup.hStdOutput = outWrite;
    startup.hStdError = outWrite;
    PROCESS_INFORMATION process = {};
    std::string commandLine = "\"" MOYU_MATFORGE_EXE "\" " + arguments;
    BOOL started = CreateProcessA(nullptr, &commandLine[0], nullptr, nullptr, TRUE, 0, nullptr,
                                  folder.c_str(), &startup, &process);
    CloseHandle(outWrite);
    if (nothing != INVALID_HANDLE_VALUE)
        CloseHandle(nothing);
    if (started) {
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(outRead, buffer, sizeof buffer, &got, nullptr) && got > 0)
            run.output.append(buffer, got);
        WaitForSingleObject(process.hProcess, 60000);
        GetExitCodeProcess(process.hProcess, &run.exitCode);
        CloseHandle(process.hProcess);
        CloseHandle(process.hThread);
    }
    CloseHandle(outRead);
    run.output = WithLineFeeds(run.output);
    return run;
}
