// Stands in for the compiler driver 墨语言.exe in the shell's tests: a console program that
// reports how it was started and then does what its options ask, in order:
//   -report        the command line, folder, window state and QNB_MOYUYAN, one line each
//   -lines         tagged lines ending in CR LF, LF and a lone CR
//   -echo          answers every line of standard input with "收到:" and the line, until a
//                  line "结束" or the end of the input
//   -flood N       N numbered lines
//   -stderr TEXT   TEXT as a line on standard error
//   -sleep MS      waits
//   -exit N        ends with exit code N (default 0)
//   -库 NAME       the library to link, passed over
//   -target        from here on a project or source name is built: an empty NAME.exe is
//                  written beside it
// Anything else is taken for a project or source name and named in an error line. The
// options in the variable MOYU_STAND_IN come first, so a test can steer a build whose
// arguments the IDE makes.
#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void Out(const char* text)
{
    fputs(text, stdout);
    fflush(stdout);
}

void Report()
{
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(sizeof folder, folder);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    const bool hidden = (startup.dwFlags & STARTF_USESHOWWINDOW) && startup.wShowWindow == SW_HIDE;
    // The wide call: the narrow one cuts values with double-byte characters under Wine.
    wchar_t wide[MAX_PATH] = {};
    char root[MAX_PATH * 2] = {};
    if (::GetEnvironmentVariableW(L"QNB_MOYUYAN", wide, MAX_PATH) < MAX_PATH)
        ::WideCharToMultiByte(CP_ACP, 0, wide, -1, root, sizeof root, nullptr, nullptr);
    printf("[信息]命令行: %s\n[信息]目录: %s\n[信息]窗口: %s\n[信息]QNB_MOYUYAN=%s\n", ::GetCommandLineA(), folder,
           hidden ? "隐藏" : "显示", root);
    fflush(stdout);
}

void Echo()
{
    char line[8192];
    while (fgets(line, sizeof line, stdin)) {
        line[strcspn(line, "\r\n")] = '\0';
        printf("收到:%s\n", line);
        fflush(stdout);
        if (!strcmp(line, "结束"))
            return;
    }
}

bool g_writeTarget = false;

void WriteTarget(const char* source)
{
    char target[MAX_PATH];
    snprintf(target, sizeof target, "%s", source);
    if (char* dot = strrchr(target, '.'))
        *dot = '\0';
    strncat(target, ".exe", sizeof target - strlen(target) - 1);
    if (FILE* file = fopen(target, "wb"))
        fclose(file);
}

int Run(int argc, char** argv, int exitCode)
{
    for (int i = 0; i < argc; ++i) {
        const char* option = argv[i];
        const char* value = i + 1 < argc ? argv[i + 1] : "0";
        if (!strcmp(option, "-report")) {
            Report();
        } else if (!strcmp(option, "-lines")) {
            Out("[错误]甲.墨(3): 缺少分号\r\n[警告]乙.墨(12): 变量未用\n纯文本\r下一行\r\n");
        } else if (!strcmp(option, "-echo")) {
            Echo();
        } else if (!strcmp(option, "-flood")) {
            const int count = atoi(value);
            for (int n = 1; n <= count; ++n)
                printf("第%d行\n", n);
            fflush(stdout);
            ++i;
        } else if (!strcmp(option, "-stderr")) {
            fprintf(stderr, "%s\n", value);
            fflush(stderr);
            ++i;
        } else if (!strcmp(option, "-sleep")) {
            ::Sleep((DWORD)atoi(value));
            ++i;
        } else if (!strcmp(option, "-库")) {
            ++i;
        } else if (!strcmp(option, "-exit")) {
            exitCode = (int)strtoul(value, nullptr, 10);
            ++i;
        } else if (!strcmp(option, "-target")) {
            g_writeTarget = true;
        } else if (option[0] != '-' && g_writeTarget) {
            WriteTarget(option);
        } else if (option[0] != '-') {
            printf("[错误]%s(1): 无法打开\n", option);
            fflush(stdout);
        }
    }
    return exitCode;
}

} // namespace

int main(int argc, char** argv)
{
    // Line ends go out exactly as written.
    _setmode(_fileno(stdout), _O_BINARY);
    _setmode(_fileno(stderr), _O_BINARY);
    char steering[4096] = {};
    char* words[64];
    int count = 0;
    if (::GetEnvironmentVariableA("MOYU_STAND_IN", steering, sizeof steering) < sizeof steering) {
        for (char* word = strtok(steering, " "); word && count < 64; word = strtok(nullptr, " "))
            words[count++] = word;
    }
    return Run(argc - 1, argv + 1, Run(count, words, 0));
}
