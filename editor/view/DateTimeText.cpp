#include "editor/view/DateTimeText.h"

namespace {

std::string Format(const std::tm& when, const char* format)
{
    char buffer[128];
    const size_t length = std::strftime(buffer, sizeof buffer, format, &when);
    return std::string(buffer, length);
}

std::tm Now()
{
    const std::time_t now = std::time(nullptr);
    std::tm local = {};
    if (const std::tm* converted = std::localtime(&now))
        local = *converted;
    return local;
}

}  // namespace

std::string FormatDate(const std::tm& when) { return Format(when, "%B %d, %Y"); }
std::string FormatTime(const std::tm& when) { return Format(when, "%I:%M:%S %p"); }
std::string FormatCurrentDate() { return FormatDate(Now()); }
std::string FormatCurrentTime() { return FormatTime(Now()); }
