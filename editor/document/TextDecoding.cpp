#include "editor/document/TextDecoding.h"

#include "editor/document/CodePages.h"

#include <cstring>

namespace {

bool IsUtf16(EncodingCode encoding)
{
    return encoding == kEncodingUtf16Le || encoding == kEncodingUtf16Be;
}

bool IsUtf8(EncodingCode encoding)
{
    return encoding == kEncodingUtf8Bom || encoding == kEncodingUtf8;
}

} // namespace

CLineSplitter::CLineSplitter(ILineSink& sink, char breakByte, int stripByte)
    : m_sink(sink), m_break(breakByte), m_strip(stripByte)
{
}

CLineSplitter CLineSplitter::ForLineEnd(ILineSink& sink, LineEndCode lineEnd)
{
    if (lineEnd == kLineEndMac)
        return CLineSplitter(sink, '\r', -1);
    return CLineSplitter(sink, '\n', '\r');
}

void CLineSplitter::Emit(const char* text, size_t length)
{
    if (m_strip >= 0 && length > 0 && text[length - 1] == (char)m_strip)
        --length;
    m_sink.AddLine(text, length);
}

void CLineSplitter::Feed(const char* bytes, size_t length)
{
    const char* end = bytes + length;
    while (bytes < end) {
        const char* brk = static_cast<const char*>(std::memchr(bytes, m_break, (size_t)(end - bytes)));
        if (brk == nullptr) {
            m_pending.append(bytes, (size_t)(end - bytes));
            return;
        }
        if (m_pending.empty()) {
            Emit(bytes, (size_t)(brk - bytes));
        } else {
            m_pending.append(bytes, (size_t)(brk - bytes));
            Emit(m_pending.data(), m_pending.size());
            m_pending.clear();
        }
        bytes = brk + 1;
    }
}

void CLineSplitter::Finish()
{
    m_sink.AddLine(m_pending.data(), m_pending.size());
    m_pending.clear();
}

CGbkDecoder::CGbkDecoder(EncodingCode encoding) : m_encoding(encoding) {}

size_t CGbkDecoder::MarkLength(EncodingCode encoding, const unsigned char* head, size_t length)
{
    if (encoding == kEncodingUtf16Le && length >= 2 && head[0] == 0xFF && head[1] == 0xFE)
        return 2;
    if (encoding == kEncodingUtf16Be && length >= 2 && head[0] == 0xFE && head[1] == 0xFF)
        return 2;
    if (IsUtf8(encoding) && length >= 3 && head[0] == 0xEF && head[1] == 0xBB && head[2] == 0xBF)
        return 3;
    return 0;
}

bool CGbkDecoder::PassesThrough() const
{
    return !IsUtf16(m_encoding) && !IsUtf8(m_encoding);
}

void CGbkDecoder::Decode(const unsigned char* raw, size_t length, bool atEnd, std::string& out)
{
    if (PassesThrough()) {
        out.append(reinterpret_cast<const char*>(raw), length);
        return;
    }
    const unsigned char* bytes = raw;
    if (!m_carry.empty()) {
        m_joined.assign(m_carry.begin(), m_carry.end());
        m_joined.insert(m_joined.end(), raw, raw + length);
        m_carry.clear();
        bytes = m_joined.data();
        length = m_joined.size();
    }
    if (IsUtf16(m_encoding))
        DecodeUtf16(bytes, length, atEnd, out);
    else
        DecodeUtf8(bytes, length, atEnd, out);
}

void CGbkDecoder::DecodeUtf16(const unsigned char* bytes, size_t length, bool atEnd, std::string& out)
{
    const bool bigEndian = m_encoding == kEncodingUtf16Be;
    size_t units = length / 2;
    m_wide.resize(units + 1);
    for (size_t i = 0; i < units; ++i) {
        const unsigned char a = bytes[2 * i], b = bytes[2 * i + 1];
        m_wide[i] = (wchar_t)(bigEndian ? (a << 8 | b) : (b << 8 | a));
    }
    size_t keep = length - units * 2;  // half a unit
    if (!atEnd && units > 0 && m_wide[units - 1] >= 0xD800 && m_wide[units - 1] <= 0xDBFF) {
        --units;  // the low surrogate is in the next block
        keep += 2;
    }
    if (!atEnd && keep > 0)
        m_carry.assign(bytes + length - keep, bytes + length);
    WideToGbk(m_wide.data(), units, out);
}

void CGbkDecoder::DecodeUtf8(const unsigned char* bytes, size_t length, bool atEnd, std::string& out)
{
    size_t complete = length;
    if (!atEnd) {
        // Find the start of the last sequence; keep it back when its bytes are not all here.
        size_t start = length;
        int continuation = 0;
        while (start > 0 && continuation < 3 && (bytes[start - 1] & 0xC0) == 0x80) {
            --start;
            ++continuation;
        }
        if (start > 0) {
            const unsigned char lead = bytes[start - 1];
            const size_t need = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
            if (need > 1 && length - (start - 1) < need)
                complete = start - 1;
        }
        m_carry.assign(bytes + complete, bytes + length);
    }
    if (complete == 0)
        return;
    m_wide.resize(complete + 1);
    const int units = CodePages::Utf8ToUtf16(reinterpret_cast<const char*>(bytes), (int)complete,
                                             m_wide.data(), (int)m_wide.size());
    if (units > 0)
        WideToGbk(m_wide.data(), (size_t)units, out);
}

void CGbkDecoder::WideToGbk(const wchar_t* units, size_t count, std::string& out)
{
    if (count == 0)
        return;
    const size_t oldSize = out.size();
    out.resize(oldSize + count * 2);
    bool usedDefault = false;
    int got = CodePages::Utf16ToGbk(units, (int)count, &out[oldSize], (int)(count * 2), true,
                                    &usedDefault);
    if (got <= 0)
        got = CodePages::Utf16ToGbk(units, (int)count, &out[oldSize], (int)(count * 2), false,
                                    &usedDefault);
    out.resize(oldSize + (size_t)(got > 0 ? got : 0));
    if (usedDefault)
        m_replaced = true;
}

CGbkEncoder::CGbkEncoder(EncodingCode encoding) : m_encoding(encoding) {}

std::string CGbkEncoder::Mark() const
{
    switch (m_encoding) {
    case kEncodingUtf16Le:
        return "\xFF\xFE";
    case kEncodingUtf16Be:
        return "\xFE\xFF";
    case kEncodingUtf8Bom:
        return "\xEF\xBB\xBF";
    default:
        return "";
    }
}

void CGbkEncoder::Encode(const char* text, size_t length, std::string& out)
{
    if (!IsUtf16(m_encoding) && !IsUtf8(m_encoding)) {
        out.append(text, length);
        return;
    }
    if (length == 0)
        return;
    m_wide.resize(length);
    const int units = CodePages::GbkToUtf16(text, (int)length, m_wide.data(), (int)length);
    if (units <= 0)
        return;
    if (IsUtf16(m_encoding)) {
        const bool bigEndian = m_encoding == kEncodingUtf16Be;
        const size_t oldSize = out.size();
        out.resize(oldSize + (size_t)units * 2);
        char* p = &out[oldSize];
        for (int i = 0; i < units; ++i) {
            const unsigned unit = m_wide[i];
            p[2 * i] = (char)(bigEndian ? unit >> 8 : unit & 0xFF);
            p[2 * i + 1] = (char)(bigEndian ? unit & 0xFF : unit >> 8);
        }
        return;
    }
    m_narrow.resize((size_t)units * 3);
    const int bytes = CodePages::Utf16ToUtf8(m_wide.data(), units, m_narrow.data(),
                                             (int)m_narrow.size());
    if (bytes > 0)
        out.append(m_narrow.data(), (size_t)bytes);
}
