"""Shared helpers for the dictionary generators: the GBK Han set, the
Unicode data files and the npm dump."""
import bz2
import json
import os
import subprocess
import unicodedata

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
DATA = os.path.join(REPO, 'data')
UNICODE_DIR = os.environ.get('DICT_UNICODE', '/usr/share/unicode')
NPM_DIR = os.environ.get('DICT_NPM', '/tmp/dictnpm')


def is_gbk_han(c):
    """A CJK ideograph (unified or compatibility) by its Unicode name."""
    n = unicodedata.name(c, '')
    return n.startswith('CJK UNIFIED IDEOGRAPH') or n.startswith('CJK COMPATIBILITY IDEOGRAPH')


def gbk_han_chars():
    """Every character that code page 936 encodes in two bytes and that is a
    CJK ideograph, in GBK code order."""
    out = []
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            if trail == 0x7F:
                continue
            try:
                c = bytes([lead, trail]).decode('gbk')
            except UnicodeDecodeError:
                continue
            if len(c) == 1 and is_gbk_han(c):
                out.append(c)
    return out


def gbk_encodable(c):
    try:
        return len(c.encode('gbk')) == 2
    except UnicodeEncodeError:
        return False


def open_unicode(name):
    """Opens a file of the unicode-data package, plain or bz2-compressed."""
    p = os.path.join(UNICODE_DIR, name)
    if os.path.exists(p):
        return open(p, encoding='utf-8')
    return bz2.open(p + '.bz2', 'rt', encoding='utf-8')


def unihan_field(filename, field):
    """{char: value} for one Unihan field."""
    out = {}
    with open_unicode(filename) as f:
        for line in f:
            if line.startswith('#') or not line.strip():
                continue
            cp, key, value = line.rstrip('\n').split('\t', 2)
            if key == field:
                out[chr(int(cp[2:], 16))] = value
    return out


def npm_dump(chars):
    """Runs dump_npm.js over chars; returns its JSON object."""
    env = dict(os.environ, DICT_NPM=NPM_DIR)
    r = subprocess.run(['node', os.path.join(HERE, 'dump_npm.js')],
                       input='\n'.join(chars) + '\n', capture_output=True,
                       text=True, env=env, check=True)
    return json.loads(r.stdout)


def first_letter(reading):
    """The ASCII initial letter of a pinyin reading ('' when none)."""
    if not reading:
        return ''
    base = unicodedata.normalize('NFD', reading.strip())[0].lower()
    return base if 'a' <= base <= 'z' else ''
