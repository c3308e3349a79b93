#!/usr/bin/env python3
"""Counts the Chinese characters of visible text in the pages tools/primer generates, and in
their templates (the prose written by hand; the generated tables are left out there).
   count_chars.py SOURCE_ROOT"""
import html
import pathlib
import re
import sys

CJK = re.compile(r'[\u3400-\u9fff]')


def visible(text):
    text = re.sub(r'<(script|style)\b.*?</\1>', '', text, flags=re.S)
    text = re.sub(r'<!--.*?-->', '', text, flags=re.S)
    text = re.sub(r'<title>.*?</title>', '', text, flags=re.S)
    return html.unescape(re.sub(r'<[^>]+>', '', text))


def main(root):
    root = pathlib.Path(root)
    templates = sorted((root / 'tools/primer/pages').rglob('*.htm'))
    total_pages = total_prose = 0
    for template in templates:
        relative = template.relative_to(root / 'tools/primer/pages')
        page = (root / 'resources/program' / relative).read_bytes().decode('gbk')
        pages = len(CJK.findall(visible(page)))
        prose = len(CJK.findall(visible(template.read_text('utf-8'))))
        total_pages += pages
        total_prose += prose
        print(f'{relative}\t{pages}\t{prose}')
    print(f'total\t{total_pages}\t{total_prose}')
    print('(columns: page, Chinese characters shown, of them written by hand in the template)')


if __name__ == '__main__':
    main(sys.argv[1] if len(sys.argv) > 1 else '.')
