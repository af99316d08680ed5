#pragma once
#include "framework/CString.h"

// What the FTP client reads from the server, taken apart without a socket: replies of one or
// several lines, the passive address and the working folder. Everything the server sends is
// untrusted; every piece is bounded.

// A reply or listing line longer than this is a protocol error.
constexpr int kFtpMaxLineLength = 64 * 1024;
// A reply of more lines or bytes than these is a protocol error.
constexpr int kFtpMaxReplyLines = 1000;
constexpr int kFtpMaxReplyBytes = 256 * 1024;

// One reply, gathered line by line: a reply of several lines ("123-" first) ends only at a
// line with the first line's code followed by a blank; a one-line reply is a code from 100
// to 999 and a blank.
class CFtpReply {
public:
    enum class Step { more, done, tooLarge };

    // Adds the next line (without its line end); the first line starts the reply. After
    // done or tooLarge the reply takes no more lines.
    Step Add(const CString& line);
    // The final line's code once done; 0 before.
    int Code() const { return m_code; }
    // The lines so far, joined by LF.
    const CString& Text() const { return m_text; }

private:
    CString m_text;
    CString m_firstCode;
    bool m_multiLine = false;
    int m_lines = 0;
    int m_code = 0;
    Step m_state = Step::more;
};

// A reply line's code: the decimal value of its leading digits among the first three.
int FtpReplyCode(const CString& line);
// "a,b,c,d,p1,p2" into a dotted host and a port; false unless all six are numbers 0-255
// and the port is not 0 (an all-zero host is accepted: the caller replaces it).
bool ParseFtpHostPort(const CString& text, CString& host, UINT& port);
// The address between the first "(" and the ")" after it of a 227 reply.
bool ParsePassiveReply(const CString& reply, CString& host, UINT& port);
// The folder between the first two double quotes of a 257 reply; folder is left alone when
// there are not two.
bool ParseWorkingFolder(const CString& reply, CString& folder);
