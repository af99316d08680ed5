#include "pdf_jobs.h"

#include <windows.h>

#include <cstdlib>

#include "child_process.h"
#include "temp_dir.h"
#include "text_codec.h"

namespace PdfJobs {

std::string Folder()
{
    // Wine gives the Unix home as "\??\Z:\home\user".
    const char* home = std::getenv("WINEHOMEDIR");
    std::string folder = home != nullptr ? home : "";
    if (folder.rfind("\\??\\", 0) == 0)
        folder.erase(0, 4);
    return folder + "\\PDF";
}

std::string WaitFor(const std::string& title)
{
    // The printer names the file after the title, with a folder in it turned into its name.
    std::string pattern = Folder() + "\\*" + title + "*.pdf";
    // The one printer serves every test run on the machine, and its converter is slow when
    // the machine is busy: minutes, not seconds, before a job is given up.
    for (int waited = 0; waited < 300000; waited += 200) {
        WIN32_FIND_DATAA found;
        HANDLE search = ::FindFirstFileA(pattern.c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            ::FindClose(search);
            std::string path = Folder() + "\\" + found.cFileName;
            // cups-pdf writes the file in place: it is whole once pdftotext reads its end.
            if (found.nFileSizeLow > 0 && !PagesOf(path).empty())
                return path;
        }
        ::Sleep(200);
    }
    return "";
}

std::vector<std::string> PagesOf(const std::string& path)
{
    // pdftotext runs as a Unix program, which writes to files but not to our pipes, and whose
    // end Wine does not wait for; Z: is the Unix root.
    auto unixPath = [](std::string windowsPath) {
        if (windowsPath.size() > 2 && windowsPath[1] == ':')
            windowsPath.erase(0, 2);
        for (char& ch : windowsPath)
            if (ch == '\\')
                ch = '/';
        return windowsPath;
    };
    std::string textPath = path + ".txt";
    ::DeleteFileA(textPath.c_str());
    StartHostProgram("Z:\\usr\\bin\\pdftotext -enc UTF-8 \"" + unixPath(path) + "\" \"" + unixPath(textPath) + "\"");
    // Its text is whole when it ends in a form feed and has stopped growing.
    std::string text;
    for (int waited = 0; waited < 10000; waited += 50) {
        ::Sleep(50);
        std::string now = TempDir::ReadFile(textPath);
        if (!now.empty() && now.back() == '\f' && now == text)
            break;
        text = now;
    }
    text = Utf8ToGbk(text);
    ::DeleteFileA(textPath.c_str());
    std::vector<std::string> pages;
    size_t start = 0;
    for (size_t feed; (feed = text.find('\f', start)) != std::string::npos; start = feed + 1)
        pages.push_back(text.substr(start, feed - start));
    return pages;
}

} // namespace PdfJobs

std::string UniqueJobTitle(const char* stem)
{
    return std::string(stem) + std::to_string(::GetTickCount()) + "-" + std::to_string(::GetCurrentProcessId());
}
