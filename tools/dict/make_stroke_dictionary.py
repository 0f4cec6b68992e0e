#!/usr/bin/env python3
"""Builds data/stroke-dictionary.tsv (the characters of the stroke pad with
their radical, stroke code and frequency rank) and data/radicals.tsv (the
radicals the pad offers).

Stroke digits: 1 horizontal and rising, 2 vertical and vertical with hook,
3 left-falling, 4 dot and right-falling, 5 every other turning or hooked
stroke."""
import collections
import os
import sys
import unicodedata

import dictsrc

ROWS = 6759
FIRST_KEY, LAST_KEY = 50, 6888
PINNED = ['的', '一']
TOP_COUNT = 9999

RADICAL_ROWS = 189
RADICAL_FIRST_KEY, RADICAL_LAST_KEY = 5, 219
RADICAL_TOP_RANK, RADICAL_LOW_RANK = 195, 2
# 土 keeps the last key and rank 189 of the radical table.
FIXED_RADICAL, FIXED_RADICAL_RANK = '土', 189

RIME_DICT = os.environ.get('DICT_RIME', '/usr/share/rime-data/pinyin_simp.dict.yaml')

# Stroke names of the stroke-order data and their digits; every name not
# listed here is a turning or hooked stroke (5).
STROKE_DIGITS = {
    '横': '1', '提': '1',
    '竖': '2', '竖钩': '2',
    '撇': '3',
    '点': '4', '点2': '4', '捺': '4',
}

# Stroke codes of components that the stroke-order data has no entry for.
COMPONENT_STROKES = {
    '氵': '441', '扌': '121', '讠': '45', '饣': '355', '纟': '551',
    '忄': '442', '艹': '122', '犭': '353', '礻': '4524', '衤': '45234',
    '阝': '52', '刂': '22', '冫': '41', '宀': '445', '冖': '45', '亠': '41',
    '辶': '454', '彳': '332', '灬': '4444', '罒': '25221', '疒': '41341',
    '耂': '1213', '丷': '43', '覀': '125221', '癶': '54334', '廴': '54',
    '牜': '3121', '爫': '3443', '彑': '551', '彐': '511', '卩': '52',
    '匚': '15', '夂': '354', '丨': '2', '丶': '4', '丿': '3', '亅': '2',
    '乚': '5', '彡': '333', '旡': '1535',
}

# Modern component form for radicals that the radical data gives in another
# form.
RADICAL_FORMS = {'厄': '卩', '飠': '食', '黽': '黾', '卝': '丷'}
# Characters filed under another radical, as modern dictionaries list them.
RADICAL_OF = {'屯': '一'}

# Kangxi radicals whose component form depends on where the part stands:
# (form, its strokes, 'start' or 'end' of the character's stroke code).
SIDE_FORMS = {
    '水': [('氵', 'start')], '手': [('扌', 'start')], '人': [('亻', 'start')],
    '心': [('忄', 'start')], '火': [('灬', 'end')], '犬': [('犭', 'start')],
    '示': [('礻', 'start')], '衣': [('衤', 'start')], '阜': [('阝', 'start')],
    '邑': [('阝', 'end')], '刀': [('刂', 'end')], '艸': [('艹', 'start')],
    '辵': [('辶', 'end')], '网': [('罒', 'start')], '老': [('耂', 'start')],
    '玉': [('王', 'start')], '糸': [('纟', 'start')], '金': [('钅', 'start')],
    '食': [('饣', 'start')], '言': [('讠', 'start')], '牛': [('牜', 'start')],
    '爪': [('爫', 'start')], '肉': [('月', 'start')], '攴': [('攵', 'end')],
}

# Characters whose two stroke sources disagree, settled by their parts: the
# sequence is the concatenation of the parts (characters, or digit runs for
# single strokes and unlisted pieces). The result must equal one of the two
# sources' sequences.
SETTLED = {
    '炽': ['火', '只'],
    '雌': ['此', '隹'],
    '德': ['彳', '十', '罒', '一', '心'],
    '剿': ['巢', '刂'],
    '撅': ['扌', '厥'],
    '铆': ['钅', '卯'],
    '囊': ['1251245251251112', '21', '3534'],   # bottom as in 衣: 3534
    '嚏': ['口', '124525121', '疋'],          # 疐 ends in 疋
    '膝': ['月', '木', '人', '24134'],           # right part as in 漆
    '谀': ['讠', '臾'],
    '邶': ['北', '阝'],
    '萏': ['艹', '35321511'],                 # 臽 as in 陷 馅 焰
    '蓐': ['艹', '辱'],
    '奕': ['亦', '大'],
    '廨': ['广', '解'],
    '媾': ['女', '1122125211'],                 # 冓 as in 篝 遘
    '獒': ['敖', '犬'],
    '搿': ['手', '合', '手'],
    '塍': ['朕', '土'],
    '齑': ['齐', '韭'],
    '钸': ['钅', '布'],
    '镧': ['钅', '阑'],
    '锺': ['钅', '重'],
    '黏': ['黍', '占'],
    '皙': ['析', '白'],
    '舢': ['舟', '山'],
    '霈': ['14524444', '氵', '1252'],          # 雨 as a top, then 沛
    '鲺': ['鱼', '虱'],
    '麒': ['鹿', '其'],
    '麟': ['鹿', '米', '舛'],
    '鼷': ['鼠', '奚'],
    '齉': ['鼻', '囊'],
    '豳': ['2', '豕', '豕', '52'],              # written like 幽: 丨, the inner parts, 凵
}


def strokes_from_names(names):
    return ''.join(STROKE_DIGITS.get(n, '5') for n in names)


def read_frequency():
    """{char: summed weight} of the single-character entries."""
    weights = collections.Counter()
    in_body = False
    with open(RIME_DICT, encoding='utf-8') as f:
        for line in f:
            if line.startswith('...'):
                in_body = True
                continue
            if not in_body or line.startswith('#') or not line.strip():
                continue
            parts = line.rstrip('\n').split('\t')
            if len(parts) >= 3 and len(parts[0]) == 1:
                weights[parts[0]] += int(parts[2])
    return weights


def read_check_strokes():
    """The second stroke source, used only to find disagreements."""
    path = os.environ.get('DICT_CHECK_STROKES', '/usr/share/fcitx5/pinyinhelper/py_stroke.mb')
    out = {}
    if not os.path.exists(path):
        return out
    with open(path, encoding='utf-8') as f:
        for line in f:
            p = line.split()
            if len(p) == 2 and len(p[1]) == 1:
                out.setdefault(p[1], p[0])
    return out


class Sources:
    def __init__(self):
        self.han = dictsrc.gbk_han_chars()
        self.han_set = set(self.han)
        extra = set(COMPONENT_STROKES) | set(SIDE_FORMS) | {f for v in SIDE_FORMS.values() for f, _ in v}
        for parts in SETTLED.values():
            extra.update(p for p in parts if not p.isdigit())
        self.npm = dictsrc.npm_dump(self.han + sorted(extra - self.han_set))
        self.weights = read_frequency()
        self.check = read_check_strokes()
        # kRSUnicode moved between Unihan files over the versions.
        self.rs = {}
        for name in ('Unihan_RadicalStrokeCounts.txt', 'Unihan_IRGSources.txt'):
            try:
                self.rs.update(dictsrc.unihan_field(name, 'kRSUnicode'))
            except FileNotFoundError:
                pass
        self.kangxi = {}
        with dictsrc.open_unicode('CJKRadicals.txt') as f:
            for line in f:
                if line.startswith('#') or not line.strip():
                    continue
                num, _rad, ideo = [x.strip() for x in line.split(';')]
                self.kangxi[num] = chr(int(ideo, 16))
        self.unsettled = []
        self.settled = []
        self._strokes = {}

    def source_strokes(self, c):
        if c in COMPONENT_STROKES:
            return COMPONENT_STROKES[c]
        names = (self.npm.get(c) or {}).get('order')
        return strokes_from_names(names) if names else ''

    def strokes(self, c):
        if c in self._strokes:
            return self._strokes[c]
        s = self.source_strokes(c)
        other = self.check.get(c)
        if s and other and other != s:
            if c in SETTLED:
                parts = [p if p.isdigit() else self.strokes(p) for p in SETTLED[c]]
                if not all(parts):
                    raise SystemExit('a part of %s has no stroke code' % c)
                settled = ''.join(parts)
                if settled not in (s, other):
                    raise SystemExit('settlement of %s gives %s, neither %s nor %s' % (c, settled, s, other))
                self.settled.append((c, s, settled))
                s = settled
            else:
                self.unsettled.append((c, s, other))
        self._strokes[c] = s
        return s

    def radical(self, c):
        if c in RADICAL_OF:
            return RADICAL_OF[c]
        r = (self.npm.get(c) or {}).get('radical')
        if r:
            return RADICAL_FORMS.get(r, r)
        rs = self.rs.get(c)
        if not rs:
            return ''
        num, rest = rs.split()[0].split('.')
        r = self.kangxi.get(num, '')
        if rest == '0' and c in COMPONENT_STROKES:
            return c    # a component form heads its own entry
        strokes = self.strokes(c)
        for form, where in SIDE_FORMS.get(r, []):
            fs = self.strokes(form)
            if fs and (strokes.startswith(fs) if where == 'start' else strokes.endswith(fs)):
                return form
        return RADICAL_FORMS.get(r, r)


def spread_keys(count, first, last):
    """count increasing keys from first to last, the gaps spread evenly."""
    extra = (last - first) - (count - 1)
    if extra < 0:
        raise ValueError('range too small')
    keys = []
    for i in range(count):
        keys.append(first + i + (extra * i) // (count - 1) if count > 1 else first)
    return keys


def select_characters(src):
    """The rows in frequency order: the most frequent GBK characters that
    have a stroke code and a radical, plus the radicals they use."""
    def usable(c):
        if not (dictsrc.gbk_encodable(c) and src.strokes(c)):
            return False
        r = src.radical(c)
        return bool(r) and dictsrc.gbk_encodable(r) and bool(src.strokes(r))

    ranked = [c for c in src.weights if c in src.han_set and c not in PINNED and usable(c)]
    ranked.sort(key=lambda c: (-src.weights[c], c.encode('gbk')))
    ranked = PINNED + ranked
    n = ROWS
    while True:
        chosen = ranked[:n]
        chosen_set = set(chosen)
        radicals = {src.radical(c) for c in chosen}
        added = sorted((r for r in radicals if r not in chosen_set and dictsrc.gbk_encodable(r)
                        and src.strokes(r)), key=lambda r: r.encode('gbk'))
        if n + len(added) == ROWS:
            break
        n = ROWS - len(added)
    # Added radicals take their place by frequency when the source has them,
    # else they follow the others.
    order = {c: i for i, c in enumerate(ranked)}
    rows = sorted(chosen + added, key=lambda c: (order.get(c, len(ranked)), c.encode('gbk')))
    return rows, added


def query_code(strokes, radical_strokes):
    if radical_strokes and strokes.startswith(radical_strokes):
        return strokes[len(radical_strokes):]
    return strokes


def build():
    src = Sources()
    rows, added = select_characters(src)
    keys = spread_keys(len(rows), FIRST_KEY, LAST_KEY)
    dictionary = []
    for rank, (key, c) in enumerate(zip(keys, rows), start=1):
        s = src.strokes(c)
        r = src.radical(c)
        dictionary.append((key, c, r, s, query_code(s, src.strokes(r)), TOP_COUNT - rank))

    usage = collections.Counter(r for _, _, r, _, _, _ in dictionary)
    ranked = sorted((r for r in usage if src.strokes(r)), key=lambda r: (-usage[r], r.encode('gbk')))
    chosen = ranked[:RADICAL_ROWS]
    if FIXED_RADICAL not in chosen:
        chosen = chosen[:RADICAL_ROWS - 1] + [FIXED_RADICAL]
    # Rank values from the top down; the fixed radical holds its value and
    # the few spare values are skipped evenly below it.
    by_use = sorted(chosen, key=lambda r: (-usage[r], r.encode('gbk')))
    fixed_pos = RADICAL_TOP_RANK - FIXED_RADICAL_RANK
    by_use.remove(FIXED_RADICAL)
    by_use.insert(fixed_pos, FIXED_RADICAL)
    upper = [RADICAL_TOP_RANK - i for i in range(fixed_pos + 1)]
    lower = spread_keys(len(by_use) - fixed_pos, RADICAL_LOW_RANK, FIXED_RADICAL_RANK)[::-1]
    rank_of = dict(zip(by_use, upper + lower[1:]))
    # Keys in stroke order (count, then code); the fixed radical keeps the
    # last key.
    keyed = sorted((r for r in chosen if r != FIXED_RADICAL),
                   key=lambda r: (len(src.strokes(r)), src.strokes(r), r.encode('gbk')))
    keyed.append(FIXED_RADICAL)
    rkeys = spread_keys(len(keyed), RADICAL_FIRST_KEY, RADICAL_LAST_KEY)
    radicals = [(k, r, src.strokes(r), rank_of[r]) for k, r in zip(rkeys, keyed)]
    missing = sorted(set(usage) - set(chosen), key=lambda r: -usage[r])
    return src, dictionary, radicals, added, usage, missing


def main():
    src, dictionary, radicals, added, usage, missing = build()
    with open(os.path.join(dictsrc.DATA, 'stroke-dictionary.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('序号\t汉字\t部首\t笔画\t查询\t词频\n')
        for row in dictionary:
            f.write('\t'.join(str(x) for x in row) + '\n')
    with open(os.path.join(dictsrc.DATA, 'radicals.tsv'), 'w', encoding='utf-8', newline='\n') as f:
        f.write('编号\t部首\t笔画\t词频\n')
        for row in radicals:
            f.write('\t'.join(str(x) for x in row) + '\n')
    log = sys.stderr
    print('rows %d; radicals added as rows: %s' % (len(dictionary), ''.join(added)), file=log)
    print('query equals full code in %d rows' % sum(1 for r in dictionary if r[3] == r[4]), file=log)
    print('radicals used %d; not in the radical table: %s (%d characters)'
          % (len(usage), ''.join(missing), sum(usage[r] for r in missing)), file=log)
    print('settled disagreements: %s' % ' '.join('%s(%s->%s)' % x for x in src.settled
                                                   if x[0] in {r[1] for r in dictionary}), file=log)
    used = {r[1] for r in dictionary}
    print('unsettled disagreements in the rows: %s' % ' '.join(
        '%s(kept %s, other %s)' % x for x in src.unsettled if x[0] in used), file=log)
    print('unsettled elsewhere: %s' % ''.join(x[0] for x in src.unsettled if x[0] not in used), file=log)


if __name__ == '__main__':
    main()
