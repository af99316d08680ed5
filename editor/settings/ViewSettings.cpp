#include "editor/settings/ViewSettings.h"

void CViewSettings::ResetColors()
{
    struct Entry {
        int index;
        uint32_t color;
    };
    static const Entry kDefaults[] = {
        {1, 0x404040},  {2, 0xFFFFFF},  {3, 0x404040},  {4, 0x404040},  {5, 0x000000},
        {6, 0x800080},  {9, 0x008000},  {12, 0x404080}, {14, 0xC00000}, {20, 0x804000},
        {21, 0xFF0000}, {22, 0x0000FF}, {23, 0xFF00FF}, {24, 0x009CFF}, {25, 0xC0C000},
        {26, 0xC00000}, {27, 0x0000C0}, {28, 0xC000C0}, {29, 0x0080C0}, {30, 0x808000},
        {31, 0x000000}, {32, 0x000000}, {33, 0x404040}, {34, 0x000000}, {35, 0x000000},
        {40, 0xFFFFFF}, {41, 0x808080}, {42, 0xC0FFFF}, {43, 0xF8F8F8}, {44, 0xFFFFFF},
    };
    for (const Entry& entry : kDefaults)
        colors[entry.index] = entry.color;
}
