#include "editor/dialogs/FtpReplies.h"

CFtpReply::Step CFtpReply::Add(const CString& line)
{
    if (m_state != Step::more)
        return m_state;
    if (++m_lines == 1) {
        m_firstCode = line.Left(3);
        // Only a line that opens with a code starts a multi-line reply: a first line such as
        // "2x/-" would otherwise be closed by its own copy and leave no code at all.
        m_multiLine = line.GetLength() >= 4 && line[3] == '-' && FtpReplyCode(line.Left(3)) >= 100;
    } else {
        m_text += "\n";
    }
    m_text += line.Left(kFtpMaxLineLength);
    const bool ends = line.GetLength() >= 4 && line[3] == ' ' &&
                      (m_multiLine ? line.Left(3) == m_firstCode : FtpReplyCode(line.Left(3)) >= 100);
    if (ends) {
        m_code = FtpReplyCode(line);
        return m_state = Step::done;
    }
    if (m_lines >= kFtpMaxReplyLines || m_text.GetLength() > kFtpMaxReplyBytes)
        return m_state = Step::tooLarge;
    return Step::more;
}

int FtpReplyCode(const CString& line)
{
    int code = 0;
    for (int i = 0; i < 3 && i < line.GetLength() && line[i] >= '0' && line[i] <= '9'; ++i)
        code = code * 10 + (line[i] - '0');
    return code;
}

bool ParseFtpHostPort(const CString& text, CString& host, UINT& port)
{
    int values[6];
    int count = 0;
    const char* p = static_cast<LPCTSTR>(text);
    while (count < 6) {
        while (*p == ' ')
            ++p;
        if (*p < '0' || *p > '9')
            return false;
        int value = 0;
        while (*p >= '0' && *p <= '9' && value <= 255)
            value = value * 10 + (*p++ - '0');
        if (value > 255)
            return false;
        values[count++] = value;
        while (*p == ' ')
            ++p;
        if (count < 6 && *p++ != ',')
            return false;
    }
    if (*p)
        return false;
    host.Format("%d.%d.%d.%d", values[0], values[1], values[2], values[3]);
    port = values[4] * 256 + values[5];
    return port != 0;
}

bool ParsePassiveReply(const CString& reply, CString& host, UINT& port)
{
    const int open = reply.Find('(');
    const int close = open < 0 ? -1 : reply.Find(')', open);
    return close >= 0 && ParseFtpHostPort(reply.Mid(open + 1, close - open - 1), host, port);
}

bool ParseWorkingFolder(const CString& reply, CString& folder)
{
    const int open = reply.Find('"');
    const int close = open < 0 ? -1 : reply.Find('"', open + 1);
    if (close < 0)
        return false;
    folder = reply.Mid(open + 1, close - open - 1);
    return true;
}
