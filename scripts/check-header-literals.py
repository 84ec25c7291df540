#!/usr/bin/env python3
"""Fails when a header of a code page 932 target holds a non-ASCII string or
character literal. Such a literal becomes code page 932 bytes in one target
and UTF-8 in another (the Qt and Windows front ends), so the same header
would compare different bytes depending on who includes it."""
import pathlib, sys

def literals(text):
    """Yields (line, literal) for each string or character literal outside comments."""
    i, n, line = 0, len(text), 1
    while i < n:
        c = text[i]
        if c == '\n':
            line += 1; i += 1
        elif text.startswith('//', i):
            j = text.find('\n', i)
            i = n if j < 0 else j
        elif text.startswith('/*', i):
            j = text.find('*/', i + 2)
            j = n if j < 0 else j + 2
            line += text.count('\n', i, j); i = j
        elif c == 'R' and text.startswith('R"', i) and (i == 0 or not (text[i-1].isalnum() or text[i-1] == '_') or text[i-1] in 'u8LU'):
            k = text.find('(', i + 2)
            delim = ')' + text[i+2:k] + '"'
            j = text.find(delim, k)
            j = n if j < 0 else j + len(delim)
            yield line, text[i:j]
            line += text.count('\n', i, j); i = j
        elif c in '"\'':
            if c == "'" and i > 0 and text[i-1].isalnum():  # digit separator 1'000
                i += 1; continue
            j = i + 1
            while j < n and text[j] != c and text[j] != '\n':
                j += 2 if text[j] == '\\' else 1
            yield line, text[i:j+1]
            i = j + 1
        else:
            i += 1

def main(roots):
    bad = 0
    for root in roots:
        for path in sorted(pathlib.Path(root).rglob('*.h')):
            text = path.read_text(encoding='utf-8')
            for line, lit in literals(text):
                if any(ord(ch) > 127 for ch in lit):
                    print(f'{path}:{line}: non-ASCII literal in a header: {lit}')
                    bad += 1
    if bad:
        print(f'{bad} literal(s): move them into a .cpp file of the code page 932 target')
        return 1
    return 0

if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
