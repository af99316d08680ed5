#!/usr/bin/env python3
"""Copies a UTF-8 C or C++ source with its narrow string and character literals in GBK.

The Windows build compiles with -fexec-charset=GBK; clang has no such option, so the native
build compiles copies in which every non-ASCII byte of such a literal is an octal escape of
its GBK byte. Everything else (code, comments, #include lines, wide literals) is copied as
it stands.

    gbk_literals.py input output
"""
import sys


def gbk_escaped(text):
    out = []
    for ch in text:
        if ord(ch) < 0x80:
            out.append(ch)
        else:
            out.extend('\\%03o' % b for b in ch.encode('gbk'))
    return ''.join(out)


def convert(source):
    out = []
    i, n = 0, len(source)
    line_start = True
    while i < n:
        c = source[i]
        if line_start and c in ' \t':
            out.append(c)
            i += 1
            continue
        if line_start and c == '#':
            # Preprocessor lines keep their paths (#include "runtime/源码/…") as they are.
            end = source.find('\n', i)
            end = n if end < 0 else end
            if source[i + 1:end].lstrip().startswith('include'):
                out.append(source[i:end])
                i = end
                continue
        line_start = c == '\n'
        if source.startswith('//', i):
            end = source.find('\n', i)
            end = n if end < 0 else end
            out.append(source[i:end])
            i = end
        elif source.startswith('/*', i):
            end = source.find('*/', i + 2)
            end = n if end < 0 else end + 2
            out.append(source[i:end])
            line_start = False
            i = end
        elif c in '"\'':
            # A literal: the prefix before it (L, u, U, u8, R) marks one that stays as it is.
            prefix_end = len(out)
            word = ''
            while prefix_end > 0 and (out[prefix_end - 1].isalnum() or out[prefix_end - 1] == '_') \
                    and len(out[prefix_end - 1]) == 1:
                prefix_end -= 1
                word = out[prefix_end] + word
            keep = word in ('L', 'u', 'U', 'u8', 'R', 'LR', 'uR', 'UR', 'u8R')
            j = i + 1
            while j < n and source[j] != c and source[j] != '\n':
                j += 2 if source[j] == '\\' else 1
            body = source[i + 1:j]
            out.append(c + (body if keep else gbk_escaped(body)) + (c if j < n and source[j] == c else ''))
            i = j + 1 if j < n and source[j] == c else j
        else:
            out.append(c)
            i += 1
    return ''.join(out)


def main():
    with open(sys.argv[1], encoding='utf-8') as f:
        text = f.read()
    converted = convert(text)
    try:
        with open(sys.argv[2], encoding='utf-8') as f:
            if f.read() == converted:
                return
    except OSError:
        pass
    with open(sys.argv[2], 'w', encoding='utf-8') as f:
        f.write(converted)


if __name__ == '__main__':
    main()
