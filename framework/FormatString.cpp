#include "framework/FormatString.h"

void AfxFormatString1(CString& result, UINT id, LPCTSTR text)
{
    CString format;
    result.Empty();
    if (!format.LoadString(id))
        return;
    const char* insert = text ? text : "";
    // Byte steps find only real "%1"s: '%' is neither a lead nor a trail byte in GBK.
    for (int i = 0; i < format.GetLength(); ++i) {
        if (format[i] == '%' && i + 1 < format.GetLength() && format[i + 1] == '1') {
            result += insert;
            ++i;
        } else {
            result += format[i];
        }
    }
}
