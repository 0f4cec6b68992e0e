#!/usr/bin/env python3
"""Builds data/pinyin-initials.txt: one line per initial letter, the letter,
a TAB and every GBK Han character whose reading starts with that letter."""
import os
import sys
import unicodedata

import dictsrc

LETTERS = 'abcdefghjklmnopqrstwxyz'

# Characters with readings under several initials: the letter they yield.
OVERRIDES = {
    '不': 'f', '卡': 'q', '腊': 'x', '么': 'y', '姥': 'm', '率': 's',
    '调': 't', '行': 'h', '会': 'h', '长': 'c', '参': 'c', '重': 'z',
    '朝': 'z', '吁': 'x', '轧': 'y', '便': 'b', '乐': 'l', '厦': 's',
    # The reading source gives 'ǎo' for the grass component (cǎo).
    '艹': 'c',
}
# Characters that stand in more than one list, first letter first.
MULTI = {'大': 'dt'}


def build():
    chars = dictsrc.gbk_han_chars()
    npm = dictsrc.npm_dump(chars)
    mandarin = dictsrc.unihan_field('Unihan_Readings.txt', 'kMandarin')

    def reading_letter(c):
        py = (npm.get(c) or {}).get('py')
        letter = dictsrc.first_letter(py)
        if letter:
            return letter, 'pinyin'
        m = mandarin.get(c)
        if m:
            letter = dictsrc.first_letter(m.split()[0])
            if letter:
                return letter, 'unihan'
        return '', ''

    lists = {l: [] for l in LETTERS}
    stats = {'pinyin': 0, 'unihan': 0, 'canonical': 0, 'none': []}
    for c in chars:
        if c in MULTI:
            for l in MULTI[c]:
                lists[l].append(c)
            stats['pinyin'] += 1
            continue
        letter, how = reading_letter(c)
        if not letter:
            # A compatibility ideograph reads as its canonical equivalent.
            canon = unicodedata.normalize('NFC', c)
            if canon != c:
                letter, how = reading_letter(canon)
                how = 'canonical' if letter else ''
        if c in OVERRIDES:
            letter, how = OVERRIDES[c], how or 'pinyin'
        if not letter:
            stats['none'].append(c)
            continue
        if letter not in lists:
            raise SystemExit('reading of %s starts with %s, which has no list' % (c, letter))
        stats[how] += 1
        lists[letter].append(c)
    return chars, lists, stats


def main():
    chars, lists, stats = build()
    path = os.path.join(dictsrc.DATA, 'pinyin-initials.txt')
    with open(path, 'w', encoding='utf-8', newline='\n') as f:
        for l in LETTERS:
            f.write(l + '\t' + ''.join(lists[l]) + '\n')
    total = sum(len(v) for v in lists.values())
    print('GBK Han characters: %d' % len(chars), file=sys.stderr)
    print('sizes: ' + ' '.join('%s=%d' % (l, len(lists[l])) for l in LETTERS), file=sys.stderr)
    print('entries: %d; reading from pinyin %d, Unihan %d, canonical equivalent %d'
          % (total, stats['pinyin'], stats['unihan'], stats['canonical']), file=sys.stderr)
    print('no reading: %d: %s' % (len(stats['none']), ''.join(stats['none'])), file=sys.stderr)


if __name__ == '__main__':
    main()
