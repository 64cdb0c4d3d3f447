// The page-text readers of the link, menu and data kinds: menu trees from their numbered
// names, aligned parallel lists, graph data and table rows.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { alignedList, listLength } from '../../src/runtime/core/params.js';
import { fitText, inkOn } from '../../src/runtime/core/kit.js';
import { menuTree } from '../../src/runtime/kinds/menus.js';
import { graphData, tableRows, ticks } from '../../src/runtime/kinds/data.js';

const shape = (items) => items.map((i) => (i.children.length ? [i.caption, i.link, shape(i.children)] : [i.caption, i.link]));

test('menu trees come back from their numbered names', () => {
  const cases = [
    ['depth first, as the page writes it',
      [['text1', 'Home'], ['link1', 'index.html'], ['text2', 'Products'], ['text21', 'Tools'], ['link21', 'tools.html'], ['text211', 'Saws'], ['text22', 'Books'], ['text3', 'End']],
      [['Home', 'index.html'], ['Products', '', [['Tools', 'tools.html', [['Saws', '']]], ['Books', '']]], ['End', '']]],
    // "text11" is both the eleventh item and the first child of item 1: the order decides.
    ['eleven top-level items',
      Array.from({ length: 11 }, (_, i) => [`text${i + 1}`, `T${i + 1}`]),
      Array.from({ length: 11 }, (_, i) => [`T${i + 1}`, ''])],
    ['a first item with a submenu, then more items',
      [['text1', 'A'], ['text11', 'A1'], ['text2', 'B']],
      [['A', '', [['A1', '']]], ['B', '']]],
    ['written in another order by hand',
      [['text2', 'B'], ['text1', 'A'], ['text11', 'A1']],
      [['A', '', [['A1', '']]], ['B', '']]],
    ['no items; other parameters named text', [['text', 'Menu'], ['text_height', '12']], []],
  ];
  for (const [name, params, expected] of cases) assert.deepEqual(shape(menuTree(new Map(params))), expected, name);
});

test('parallel lists stay aligned where an entry is empty or missing', () => {
  const raw = new Map([['text1', 'A'], ['text2', 'B'], ['text3', 'C'], ['number', '3'], ['link1', 'a.htm'], ['link2', ''], ['link3', 'c.htm']]);
  assert.deepEqual(alignedList(raw, 'link', listLength(raw, 'number', 'text')), ['a.htm', '', 'c.htm']);
  assert.deepEqual(alignedList(new Map([['clip1', ' a.au '], ['clip2', ''], ['clip4', 'd.au']]), 'clip'), ['a.au', ''], 'without a count, up to the first missing entry');
  assert.equal(listLength(new Map([['text1', 'A'], ['text2', 'B'], ['number', 'x']]), 'number', 'text'), 2, 'an invalid count counts the entries');
  assert.equal(listLength(new Map([['text1', 'A'], ['text3', 'C']]), 'number', 'text'), 1, 'up to the first gap');
});

test('text is black on light backgrounds and white on dark ones', () => {
  const cases = [['#FFFFFF', '#000000'], ['#FFFF00', '#000000'], ['#000000', '#FFFFFF'], ['#0000FF', '#FFFFFF'], ['#808080', '#FFFFFF'], [null, '#FFFFFF']];
  for (const [background, ink] of cases) assert.equal(inkOn(background), ink, String(background));
});

test('graph data: space-separated columns; what is not a number is left out', () => {
  const rows = graphData('1 10 20\r\n2  11\t21\n\n# note\nx 5 5\n3 abc 22\n4 1e2 -3.5\n');
  assert.deepEqual(rows.map((r) => r.map((v) => (Number.isNaN(v) ? 'NaN' : v))), [[1, 10, 20], [2, 11, 21], [3, 'NaN', 22], [4, 100, -3.5]]);
});

test('axis ticks are round steps covering the range', () => {
  assert.deepEqual(ticks(0, 420), [0, 100, 200, 300, 400]);
  assert.deepEqual(ticks(1, 12), [5, 10]);
  assert.deepEqual(ticks(2000, 2010), [2000, 2002, 2004, 2006, 2008, 2010]);
  assert.deepEqual(ticks(0, 0.5), [0, 0.1, 0.2, 0.3, 0.4, 0.5]);
});

test('table rows follow the title mode and the skipped first row', () => {
  const file = ['Month,Visitors', 'January, 120', 'February,135'];
  const cases = [
    [{ titleMode: '0', skipFirst: true }, null, [['January', '120'], ['February', '135']]],
    [{ titleMode: '0', skipFirst: false }, null, [['Month', 'Visitors'], ['January', '120'], ['February', '135']]],
    // The first line as title is taken once, whether or not the first row is also skipped.
    [{ titleMode: '1', skipFirst: true }, ['Month', 'Visitors'], [['January', '120'], ['February', '135']]],
    [{ titleMode: '1', skipFirst: false }, ['Month', 'Visitors'], [['January', '120'], ['February', '135']]],
    [{ titleMode: '2', skipFirst: true, titleRow: 'M,V' }, ['M', 'V'], [['January', '120'], ['February', '135']]],
    [{ titleMode: '2', skipFirst: true, titleRow: '' }, null, [['January', '120'], ['February', '135']]],
  ];
  for (const [options, title, rows] of cases) assert.deepEqual(tableRows(file, options), { title, rows }, JSON.stringify(options));
});

test('a label too long for its room is cut after whole letters, with an ellipsis that fits', () => {
  // Every letter (the ellipsis too) 10 pixels wide.
  const g = { font: '12px sans-serif', measureText: (text) => ({ width: Array.from(text).length * 10 }) };
  const cases = [
    ['Home', 40, 'Home'],
    ['Home page', 50, 'Home…'],
    ['Home page', 60, 'Home…'], // no blank left before the ellipsis
    ['日本語のページ', 35, '日本…'],
    ['😀😀😀😀', 30, '😀😀…'],
    ['Home', 5, '…'],
  ];
  for (const [text, width, expected] of cases) assert.equal(fitText(g, text, width), expected, `${text} in ${width}`);
});
