// Start-up of the built IDE to an idle main window with one document, next to a trivial
// program (this bench started again with "trivial") in the same run; then the IDE started on
// a generated Moyu source of 50 MB (or the size in MB given) until that document's window is
// up and the IDE is idle again, its view painted.
// Run by hand: ide_bench [megabytes]
// "ide_bench settings <folder>" only writes the settings files a first start would otherwise
// ask about into a program folder (and starts on a document without the welcome question),
// for benchmarks that start the IDE themselves.
#include "IdeHarness.h"
#include "tests/support/bench_measures.h"
#include "tests/support/generated_moyu_source.h"

#include <cstdio>
#include <cstdlib>

namespace {

// Seconds from starting the program until ready() holds and the program waits for input.
double TimeToIdle(const std::string& exe, const std::string& arguments, const std::string& folder,
                  const std::function<bool(StartedProgram&)>& ready)
{
    CStopwatch watch;
    StartedProgram program(exe, arguments, folder);
    if (!program.Started() || !WaitUntil([&] { return ready(program); }, 600000))
        return -1;
    program.WaitForIdle();
    double seconds = watch.Seconds();
    if (HWND main = FindMainWindow(program.Id()))
        ::PostMessageA(main, WM_CLOSE, 0, 0);
    program.WaitForExit(30000);
    return seconds;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "trivial")
        return 0;
    if (argc > 2 && std::string(argv[1]) == "settings") {
        CEditorSettings settings;
        ResetConfigDefaults(settings);
        ResetColorDefaults(settings);
        settings.newDocumentAtStart = 1;  // no welcome question over the file opened
        const std::string folder = argv[2];
        return SaveConfig((folder + "\\vuze.配置").c_str(), settings) &&
                       SaveColorScheme((folder + "\\vuze.配色").c_str(), settings.view.colors)
                   ? 0
                   : 1;
    }
    size_t megabytes = argc > 1 ? (size_t)std::atoi(argv[1]) : 50;
    TempDir install;
    std::string exe = SeedInstallation(install);
    if (exe.empty()) {
        std::printf("cannot seed the program folder\n");
        return 1;
    }
    char self[MAX_PATH];
    ::GetModuleFileNameA(nullptr, self, sizeof self);
    CStopwatch trivialWatch;
    StartedProgram trivial(self, "trivial", install.Path());
    trivial.WaitForExit(60000);
    double trivialSeconds = trivialWatch.Seconds();

    auto oneDocument = [](const char* tail) {
        return [tail](StartedProgram& program) {
            HWND main = FindMainWindow(program.Id());
            auto titles = main != nullptr ? ChildTitles(main) : std::vector<std::string>();
            return titles.size() == 1 && EndsWith(titles[0], tail);
        };
    };
    double startSeconds = TimeToIdle(exe, "", install.Path(), oneDocument("新文件1"));

    size_t bytes = 0;
    if (!WriteGeneratedMoyuSource(install / "大文件.墨", megabytes << 20, bytes)) {
        std::printf("cannot write the source\n");
        return 1;
    }
    double openSeconds = TimeToIdle(exe, "大文件.墨", install.Path(), oneDocument("\\大文件.墨"));

    std::printf("trivial program, start to exit:            %.2f s\n", trivialSeconds);
    std::printf("IDE, start to an idle window with a document: %.2f s\n", startSeconds);
    std::printf("IDE started on %.1f MB of Moyu source, until idle: %.2f s (%.2f s over an empty start)\n",
                bytes / 1048576.0, openSeconds, openSeconds - startSeconds);
    return startSeconds < 0 || openSeconds < 0;
}
