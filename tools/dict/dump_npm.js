// Reads characters (one per line) on stdin and writes a JSON object on stdout:
//   { "<char>": { "py": first reading or null,
//                 "order": [stroke names] or null,
//                 "radical": radical or null }, ... }
// Run from a folder whose node_modules holds pinyin@4.0.0, cnchar,
// cnchar-order and cnchar-radical (see README.md).
'use strict';
const path = require('path');
const modRoot = process.env.DICT_NPM ? path.join(process.env.DICT_NPM, 'node_modules') : '';
const req = (name) => require(modRoot ? path.join(modRoot, name) : name);

const pinyinMod = req('pinyin');
const pinyin = pinyinMod.default || pinyinMod;
const cnchar = req('cnchar');
cnchar.use(req('cnchar-order'), req('cnchar-radical'));

const input = require('fs').readFileSync(0, 'utf8');
const chars = input.split('\n').map((s) => s.trim()).filter((s) => s.length > 0);
const out = {};
for (const c of chars) {
  let py = null;
  const r = pinyin(c, { style: pinyin.STYLE_NORMAL, heteronym: false });
  if (r.length === 1 && r[0].length > 0 && r[0][0] !== c) py = r[0][0];
  let order = null;
  const o = cnchar.stroke(c, 'order', 'name');
  if (Array.isArray(o) && Array.isArray(o[0]) && o[0].length > 0) order = o[0];
  let radical = null;
  const rad = cnchar.radical(c);
  if (Array.isArray(rad) && rad[0] && rad[0].radical) radical = rad[0].radical;
  out[c] = { py, order, radical };
}
process.stdout.write(JSON.stringify(out));
