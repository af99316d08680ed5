#pragma once
#include <ctime>
#include <string>

// Date and time texts for print headers and footers, in the C runtime's formats.

// "%B %d, %Y", e.g. "December 10, 2026".
std::string FormatDate(const std::tm& when);
// "%I:%M:%S %p", e.g. "03:07:09 PM".
std::string FormatTime(const std::tm& when);
// The same of the current local time.
std::string FormatCurrentDate();
std::string FormatCurrentTime();
