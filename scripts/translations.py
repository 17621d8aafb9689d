#!/usr/bin/env python3
"""Fills the translations of a Qt Linguist file from a table.

  scripts/translations.py sources FILE.ts            the texts still unfinished, one a line
  scripts/translations.py fill FILE.ts TABLE.tsv     takes the translations of the table

The table has one text a line: the Spanish text, a tab and its translation;
a line of three fields (context, Spanish, translation) applies to that
context only. \\r, \\n, \\t and \\\\ stand for themselves. Texts found in
the table are marked finished; the others are left as they were.
"""
import html
import re
import sys

MESSAGE = re.compile(r'(<context>\s*<name>(?P<ctx>[^<]*)</name>)|(?P<msg><message>.*?</message>)', re.S)
SOURCE = re.compile(r'<source>(.*?)</source>', re.S)
TRANSLATION = re.compile(r'<translation(?P<attr>[^>]*)>(?P<text>.*?)</translation>|<translation(?P<attr2>[^>]*)/>', re.S)


def decode(xml):
    xml = re.sub(r'<byte value="x([0-9a-fA-F]+)"/>', lambda m: chr(int(m.group(1), 16)), xml)
    return html.unescape(xml)


def encode(text):
    out = html.escape(text, quote=False).replace('"', '&quot;').replace("'", '&apos;')
    return re.sub(r'[\x00-\x08\x0b-\x1f]', lambda m: '<byte value="x%x"/>' % ord(m.group()), out)


def unescape(field):
    return re.sub(r'\\(.)', lambda m: {'r': '\r', 'n': '\n', 't': '\t', '\\': '\\'}.get(m.group(1), m.group(0)), field)


def escape(text):
    return text.replace('\\', '\\\\').replace('\r', '\\r').replace('\n', '\\n').replace('\t', '\\t')


def messages(ts):
    ctx = None
    for m in MESSAGE.finditer(ts):
        if m.group('ctx') is not None:
            ctx = decode(m.group('ctx'))
        else:
            yield ctx, m


def sources(path):
    ts = open(path, encoding='utf-8').read()
    seen = set()
    for ctx, m in messages(ts):
        body = m.group('msg')
        src = decode(SOURCE.search(body).group(1))
        t = TRANSLATION.search(body)
        attr = t.group('attr') or t.group('attr2') or ''
        if 'type=' in attr and src not in seen:
            seen.add(src)
            print(ctx + '\t' + escape(src))


def fill(path, table):
    plain, by_context = {}, {}
    for line in open(table, encoding='utf-8'):
        line = line.rstrip('\n')
        if not line or line.startswith('#'):
            continue
        f = line.split('\t')
        if len(f) == 2:
            plain[unescape(f[0])] = unescape(f[1])
        elif len(f) == 3:
            by_context[(f[0], unescape(f[1]))] = unescape(f[2])
        else:
            sys.exit('%s: not two or three fields: %r' % (table, line))
    ts = open(path, encoding='utf-8').read()
    done = 0
    out, last = [], 0
    for ctx, m in messages(ts):
        body = m.group('msg')
        src = decode(SOURCE.search(body).group(1))
        text = by_context.get((ctx, src), plain.get(src))
        if text is None:
            continue
        t = TRANSLATION.search(body)
        new = body[:t.start()] + '<translation>' + encode(text) + '</translation>' + body[t.end():]
        out.append(ts[last:m.start('msg')])
        out.append(new)
        last = m.end('msg')
        done += 1
    out.append(ts[last:])
    open(path, 'w', encoding='utf-8').write(''.join(out))
    print('%s: %d translations taken' % (path, done))


if __name__ == '__main__':
    if len(sys.argv) == 3 and sys.argv[1] == 'sources':
        sources(sys.argv[2])
    elif len(sys.argv) == 4 and sys.argv[1] == 'fill':
        fill(sys.argv[2], sys.argv[3])
    else:
        sys.exit(__doc__)
