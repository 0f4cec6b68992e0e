#!/usr/bin/env python3
"""Checks the committed dictionary files. Needs nothing but Python; exits
non-zero and lists every problem found."""
import os
import re
import sys

DATA = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), 'data')
LETTERS = 'abcdefghjklmnopqrstwxyz'
problems = []


def fail(msg):
    problems.append(msg)


def read_lines(name):
    raw = open(os.path.join(DATA, name), 'rb').read()
    if b'\r' in raw:
        fail('%s: has CR characters' % name)
    if not raw.endswith(b'\n'):
        fail('%s: last line has no line end' % name)
    return raw.decode('utf-8').split('\n')[:-1]


def two_byte_gbk(c):
    try:
        return len(c.encode('gbk')) == 2
    except UnicodeEncodeError:
        return False


def check_initials():
    lines = read_lines('pinyin-initials.txt')
    if [l.split('\t')[0] for l in lines] != list(LETTERS):
        fail('pinyin-initials.txt: letters are not a..z without i, u, v in order')
        return
    lists = {}
    for line in lines:
        letter, _, text = line.partition('\t')
        if len(set(text)) != len(text):
            fail('initials %s: a character repeats' % letter)
        bad = [c for c in text if not two_byte_gbk(c)]
        if bad:
            fail('initials %s: not two-byte GBK: %s' % (letter, ''.join(bad[:20])))
        lists[letter] = text
    where = {}
    for letter, text in lists.items():
        for c in text:
            where.setdefault(c, []).append(letter)
    multi = {c: l for c, l in where.items() if len(l) > 1}
    if multi != {'大': ['d', 't']}:
        fail('initials: characters in several lists: %s' % multi)
    expect = {'大': 'd', '不': 'f', '行': 'h', '会': 'h', '长': 'c', '参': 'c', '重': 'z',
              '朝': 'z', '调': 't', '卡': 'q', '腊': 'x', '吁': 'x', '么': 'y', '轧': 'y',
              '姥': 'm', '便': 'b', '乐': 'l', '率': 's', '厦': 's',
              '哩': 'l', '掠': 'l', '略': 'l', '虐': 'n', '疟': 'n', '剖': 'p',
              '壹': 'y', '揖': 'y', '医': 'y', '绎': 'y', '驴': 'l', '女': 'n', '中': 'z'}
    for c, letter in expect.items():
        first = next((l for l in LETTERS if c in lists[l]), '')
        if first != letter:
            fail('initials: %s yields %r, expected %r' % (c, first, letter))
    total = sum(len(t) for t in lists.values())
    if not 20000 <= total <= 21000:
        fail('initials: %d entries in all, expected about 20,300 to 20,923' % total)
    # Every GB2312 level-1 character (0xB0A1..0xD7F9) must be listed.
    missing = []
    for lead in range(0xB0, 0xD8):
        for trail in range(0xA1, 0xFF):
            try:
                c = bytes([lead, trail]).decode('gbk')
            except UnicodeDecodeError:
                continue
            if c not in where:
                missing.append(c)
    if missing:
        fail('initials: GB2312 level-1 characters missing: %s' % ''.join(missing))
    return total


def check_dictionary():
    lines = read_lines('stroke-dictionary.tsv')
    if lines[0] != '序号\t汉字\t部首\t笔画\t查询\t词频':
        fail('stroke-dictionary.tsv: wrong header')
    rows = [l.split('\t') for l in lines[1:]]
    if len(rows) != 6759:
        fail('stroke-dictionary.tsv: %d rows, expected 6759' % len(rows))
    keys, chars, counts = [], [], []
    strokes_of = {}
    for i, r in enumerate(rows, start=2):
        if len(r) != 6:
            fail('line %d: %d fields' % (i, len(r)))
            continue
        key, c, rad, s, q, n = r
        keys.append(int(key))
        chars.append(c)
        counts.append(int(n))
        strokes_of[c] = s
        if len(c) != 1 or not two_byte_gbk(c):
            fail('line %d: character %r is not one two-byte GBK character' % (i, c))
        if len(rad) != 1 or not two_byte_gbk(rad):
            fail('line %d: radical %r of %s is not one two-byte GBK character' % (i, rad, c))
        if not re.fullmatch('[1-5]+', s) or len(s) > 50:
            fail('line %d: stroke code %r of %s' % (i, s, c))
        if not re.fullmatch('[1-5]*', q):
            fail('line %d: query %r of %s' % (i, q, c))
    if len(set(chars)) != len(chars):
        fail('stroke-dictionary.tsv: a character repeats')
    if keys[0] != 50 or keys[-1] != 6888 or any(b <= a for a, b in zip(keys, keys[1:])):
        fail('stroke-dictionary.tsv: 序号 must rise from 50 to 6888')
    if counts != [9998 - i for i in range(len(counts))]:
        fail('stroke-dictionary.tsv: 词频 must fall by one from 9998')
    # 查询 follows from 笔画 and the radical's own strokes.
    for r in rows:
        key, c, rad, s, q, n = r
        rs = strokes_of.get(rad)
        if rs is None:
            rs = RADICAL_STROKES.get(rad)
        if rs is None:
            fail('%s: radical %s has no row and no stroke code' % (c, rad))
            continue
        want = s[len(rs):] if s.startswith(rs) else s
        if q != want:
            fail('%s: query %s, expected %s' % (c, q, want))
    tell = {'的': ['50', '的', '白', '32511354', '354', '9998'],
            '在': [None, '在', '土', '132121', '132121', None]}
    by_char = {r[1]: r for r in rows}
    for c, want in tell.items():
        got = by_char.get(c)
        if not got or any(w is not None and w != g for w, g in zip(want, got)):
            fail('telling row %s: %s' % (c, got))
    if chars[:2] != ['的', '一']:
        fail('first rows are %s, expected 的 一' % chars[:2])
    return rows, strokes_of


RADICAL_STROKES = {}


def check_radicals(dict_rows, strokes_of):
    lines = read_lines('radicals.tsv')
    if lines[0] != '编号\t部首\t笔画\t词频':
        fail('radicals.tsv: wrong header')
    rows = [l.split('\t') for l in lines[1:]]
    if len(rows) != 189:
        fail('radicals.tsv: %d rows, expected 189' % len(rows))
    keys = [int(r[0]) for r in rows]
    ranks = [int(r[3]) for r in rows]
    rads = [r[1] for r in rows]
    if keys[0] != 5 or keys[-1] != 219 or any(b <= a for a, b in zip(keys, keys[1:])):
        fail('radicals.tsv: 编号 must rise from 5 to 219')
    if min(ranks) != 2 or max(ranks) != 195 or len(set(ranks)) != len(ranks):
        fail('radicals.tsv: 词频 must be distinct, from 2 to 195')
    if len(set(rads)) != len(rads):
        fail('radicals.tsv: a radical repeats')
    for k, r, s, n in rows:
        RADICAL_STROKES[r] = s
        if len(r) != 1 or not two_byte_gbk(r):
            fail('radicals.tsv: %r is not one two-byte GBK character' % r)
        if not re.fullmatch('[1-5]+', s):
            fail('radicals.tsv: stroke code %r of %s' % (s, r))
        if r in strokes_of and strokes_of[r] != s:
            fail('radicals.tsv: %s has %s, the dictionary %s' % (r, s, strokes_of[r]))
    if rows and rows[-1][:4] != ['219', '土', '121', '189']:
        fail('radicals.tsv: last row %s, expected 219 土 121 189' % rows[-1])
    used = {}
    for r in dict_rows:
        used[r[2]] = used.get(r[2], 0) + 1
    missing = sorted(set(used) - set(rads), key=lambda r: -used[r])
    no_row = [r for r in used if r not in strokes_of and two_byte_gbk(r)]
    if no_row:
        fail('radicals used but without a row of their own: %s' % ''.join(no_row))
    # The table should hold the most used radicals.
    least_listed = min(used.get(r, 0) for r in rads if r != '土')
    most_missing = max((used[r] for r in missing), default=0)
    if most_missing > least_listed:
        fail('radical table leaves out a radical used more than one it lists')
    return missing, used


def main():
    total = check_initials()
    dict_rows, strokes_of = check_dictionary()
    missing, used = check_radicals(dict_rows, strokes_of)
    # 查询 check again now that the radical table's codes are known.
    problems[:] = [p for p in problems if 'has no row and no stroke code' not in p]
    for r in dict_rows:
        if r[2] not in strokes_of and r[2] not in RADICAL_STROKES:
            fail('%s: radical %s has no stroke code anywhere' % (r[1], r[2]))
    print('initials: %d entries' % (total or 0))
    print('radicals used by the dictionary but not in radicals.tsv: %s (%d characters)'
          % (''.join(missing), sum(used[r] for r in missing)))
    for p in problems:
        print('PROBLEM: ' + p)
    print('%d problems' % len(problems))
    return 1 if problems else 0


if __name__ == '__main__':
    sys.exit(main())
