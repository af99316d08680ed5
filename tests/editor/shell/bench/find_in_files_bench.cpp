// Find in files over a generated tree of GBK sources: a plain word, a whole word and a
// regular expression, timed with their output lines, beside the floor of merely listing,
// opening and reading the same files the same way. find-in-files-bench.sh runs it next to
// native grep over the same tree.
// Run by hand: shell_find_in_files_bench make <folder> [files] [megabytes]
//              shell_find_in_files_bench search <folder>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "editor/document/FileHandle.h"
#include "editor/shell/FindInFiles.h"
#include "editor/util/PathUtil.h"
#include "framework/File.h"
#include "tests/support/bench_measures.h"

namespace {

const char* const kTemplates[] = {
    "#包含 “标准输入输出.接口”",
    "/* 第%d段：统计每个分组的计数器 */",
    "整数类型 函数%d（整数类型 参数甲，字符类型 *名称）",
    "开始",
    "    整数类型 计数器%d 赋值 0；",
    "    如果（参数甲 大于 %d 并且 名称 不等于 空指针）开始",
    "        计数器%d 赋值 计数器%d 加 参数甲 乘 0x1F；  // 累加第%d项",
    "        打印（“结果：%%整数%%换行”，计数器%d）；",
    "    结束 否则 开始 返回 -%d；结束",
    "    循环（整数类型 i 赋值 0；i 小于 %d；i 自增）总和 加等于 i；",
    "结束",
    "",
};
const int kTemplateCount = sizeof kTemplates / sizeof kTemplates[0];

// One line in 200 holds the word searched for, once as a word of its own and once inside
// a longer one.
std::string Line(int n)
{
    char buffer[256];
    if (n % 200 == 0)
        return n % 400 == 0 ? "    调试标记 赋值 真；" : "    调试标记点 赋值 假；";
    std::snprintf(buffer, sizeof buffer, kTemplates[n % kTemplateCount], n, n, n, n);
    return buffer;
}

int Make(const std::string& root, int files, int megabytes)
{
    const int folders = 20;
    const size_t fileBytes = (size_t)megabytes * 1024 * 1024 / (size_t)files;
    ::CreateDirectoryA(root.c_str(), nullptr);
    int line = 0;
    for (int f = 0; f < files; ++f) {
        char folder[MAX_PATH], path[MAX_PATH];
        std::snprintf(folder, sizeof folder, "%s\\模块%02d", root.c_str(), f % folders);
        ::CreateDirectoryA(folder, nullptr);
        std::snprintf(path, sizeof path, "%s\\源文件%04d.墨", folder, f);
        std::string text;
        while (text.size() < fileBytes) {
            text += Line(line++);
            text += "\r\n";
        }
        FILE* out = std::fopen(path, "wb");
        if (!out || std::fwrite(text.data(), 1, text.size(), out) != text.size()) {
            std::fprintf(stderr, "cannot write %s\n", path);
            return 1;
        }
        std::fclose(out);
    }
    std::printf("%d files, %d MB in %s\n", files, megabytes, root.c_str());
    return 0;
}

// Keeps the lines as the output window would receive them.
struct Collected : FindInFilesSink {
    size_t lines = 0;
    size_t bytes = 0;
    std::string last;
    void HitLine(const char* line) override
    {
        last = line;
        ++lines;
        bytes += last.size();
    }
    void CannotOpen(const char*) override {}
    void LineTooLong(const char*, int) override {}
};

// Lists the tree as the search does and reads every source in its chunk size; returns the
// bytes read.
size_t ReadTree(const CString& folder)
{
    static std::string buffer(256 * 1024, '\0');
    size_t bytes = 0;
    CFileFind entry;
    for (BOOL more = entry.FindFile(folder + "\\*.*"); more;) {
        more = entry.FindNextFile();
        if (entry.IsDots())
            continue;
        if (entry.IsDirectory()) {
            bytes += ReadTree(entry.GetFilePath());
            continue;
        }
        if (!MatchFileFilter(entry.GetFileName(), "*.墨"))
            continue;
        CFileHandle file;
        if (!file.OpenForReading(entry.GetFilePath()))
            continue;
        size_t got = 0;
        while (file.ReadFully(&buffer[0], buffer.size(), &got) && got > 0) {
            bytes += got;
            if (got < buffer.size())
                break;
        }
    }
    return bytes;
}

int Search(const std::string& root)
{
    // The floor is what any search of these files costs in this process. Beside the three
    // searches of the tree's word and expression: a plain search with as many hits as the
    // expression's lines that hold its longest literal (the cost of writing hits), and an
    // expression with the plain search's hits (the cost of the expression itself).
    const struct {
        const char* what;
        const char* text;
        int mode;
    } kSearches[] = {
        {"plain", "调试标记", 0},
        {"whole word", "调试标记", kFindWholeWord | kFindMatchCase},
        {"regex", "计数器[0-9]+ 加", kFindRegex},
        {"many hits", "计数器", 0},
        {"regex rare", "调试标记点?", kFindRegex},
    };
    const int kSearchCount = sizeof kSearches / sizeof kSearches[0];
    size_t bytes = 0;
    double floor = 0;
    double best[kSearchCount] = {};
    Collected out[kSearchCount];
    int hits[kSearchCount] = {};
    // The machine is shared: every figure is the best of several rounds, and each round runs
    // them all, so a busy moment does not fall on one of them only. The first round also
    // fills the system's caches of the folders.
    for (int round = 0; round < 5; ++round) {
        CStopwatch floorWatch;
        bytes = ReadTree(root.c_str());
        const double seconds = floorWatch.Seconds();
        floor = round == 0 ? seconds : std::min(floor, seconds);
        for (int i = 0; i < kSearchCount; ++i) {
            out[i] = Collected();
            CStopwatch watch;
            FindInFiles(kSearches[i].text, "*.墨", root.c_str(), kFindSubFolders, kSearches[i].mode, nullptr, out[i],
                        hits[i]);
            best[i] = round == 0 ? watch.Seconds() : std::min(best[i], watch.Seconds());
        }
    }
    std::printf("%-10s %8.1f MB  %8.3f s\n", "list+read", bytes / 1048576.0, floor);
    for (int i = 0; i < kSearchCount; ++i) {
        std::printf("%-10s %8d hits %8.3f s  %.2fx the floor, %.2fx plain  (%zu lines, %zu bytes of output)\n",
                    kSearches[i].what, hits[i], best[i], best[i] / floor, best[i] / best[0], out[i].lines,
                    out[i].bytes);
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc >= 3 && std::string(argv[1]) == "make")
        return Make(argv[2], argc > 3 ? std::atoi(argv[3]) : 2000, argc > 4 ? std::atoi(argv[4]) : 50);
    if (argc >= 3 && std::string(argv[1]) == "search")
        return Search(argv[2]);
    std::fprintf(stderr, "usage: %s make <folder> [files] [megabytes] | search <folder>\n", argv[0]);
    return 2;
}
