import assert from 'node:assert/strict';
import { test } from 'node:test';

import { P, parseColor, parseInteger, resolveParams } from '../../src/runtime/core/params.js';

const raw = (entries) => new Map(Object.entries(entries));
const size = { width: 400, height: 150 };

test('integers: a missing, empty, malformed or out-of-range value takes the default', () => {
  const decls = { pause: P.int(50), step: P.int(3, { min: -50, max: 50 }) };
  for (const bad of [undefined, '', 'abc', '0', '-5', '5.5', '1e3', '12px', '99999999999']) {
    const values = resolveParams(decls, raw(bad === undefined ? {} : { pause: bad }), size);
    assert.equal(values.pause, 50, `pause ${JSON.stringify(bad)}`);
  }
  assert.equal(resolveParams(decls, raw({ pause: ' 007 ' }), size).pause, 7);
  assert.equal(resolveParams(decls, raw({ step: '-10' }), size).step, -10);
  assert.equal(resolveParams(decls, raw({ step: '51' }), size).step, 3);
});

test('declared names match the page without regard to case', () => {
  const decls = { topLeftCorner: P.int(1), image: P.list('Image_Number') };
  const values = resolveParams(decls, raw({ topleftcorner: '7', image1: 'a', image2: 'b', image_number: '1' }), size);
  assert.deepEqual(values, { topLeftCorner: 7, image: ['a'] });
});

test('defaults may depend on the applet size', () => {
  const decls = { step_mean: P.int(({ width }) => width / 10) };
  assert.equal(resolveParams(decls, raw({}), size).step_mean, 40);
  assert.equal(resolveParams(decls, raw({ step_mean: '0' }), size).step_mean, 40);
});

test('colors are #RRGGBB in any case; anything else is the default', () => {
  assert.equal(parseColor('#ff8000'), '#FF8000');
  assert.equal(parseColor('FF8000'), '#FF8000');
  for (const bad of ['', 'red', '#FFF', '#GG0000', '#FF80001', 'rgb(0,0,0)', undefined]) {
    assert.equal(parseColor(bad), null, String(bad));
  }
  const decls = { star_color: P.color('#FFFFFF') };
  assert.equal(resolveParams(decls, raw({ star_color: 'javascript:alert(1)' }), size).star_color, '#FFFFFF');
});

test('texts keep their value as typed; empty means the default', () => {
  const decls = { text: P.text('Hello'), dir: P.choice(['up', 'down'], 'up') };
  assert.deepEqual(resolveParams(decls, raw({ text: ' <b>x</b> ', dir: 'DOWN' }), size), { text: ' <b>x</b> ', dir: 'down' });
  assert.deepEqual(resolveParams(decls, raw({ text: '', dir: 'sideways' }), size), { text: 'Hello', dir: 'up' });
});

test('numbered lists follow a valid count, else stop at the first gap', () => {
  const decls = { image: P.list('image_number') };
  const list = (entries) => resolveParams(decls, raw(entries), size).image;
  assert.deepEqual(list({ image1: 'a', image2: 'b', image3: 'c', image_number: '2' }), ['a', 'b']);
  assert.deepEqual(list({ image1: 'a', image3: 'c', image_number: '3' }), ['a', 'c']);
  assert.deepEqual(list({ image1: 'a', image2: 'b', image4: 'd', image_number: 'x' }), ['a', 'b']);
  assert.deepEqual(list({ image_number: '3' }), []);
  assert.equal(parseInteger('300', 0, 256), null);
});

test('aligned lists, numbered families and trees keep every entry in its place', () => {
  const rows = { texts: P.aligned('Text', { count: 'Number' }), links: P.aligned('link', { count: 'number', by: 'text' }) };
  const family = { colors: P.numbered('columns_color', P.color(null)), checked: P.numbered('checked', P.choice(['yes', 'no'], 'yes')) };
  const tree = { text: P.text(), items: P.tree('text', 'link') };
  const item = (caption, link, children = []) => ({ caption, link, children });
  const cases = [
    ['a valid count pads the lists with empty entries', rows,
      { text1: ' A ', text2: 'B', number: '3', link1: 'a.htm', link3: 'c.htm', link4: 'd.htm' },
      { texts: ['A', 'B', ''], links: ['a.htm', '', 'c.htm'] }],
    ['without a valid count, the texts up to their first gap set the length', rows,
      { text1: 'A', text2: 'B', text4: 'D', number: 'x', link1: '', link2: 'b.htm', link3: 'c.htm' },
      { texts: ['A', 'B'], links: ['', 'b.htm'] }],
    ['a family keeps its gaps, types each member and takes plain numbers only', family,
      { columns_color: '#00FF00', columns_color3: 'ff0000', columns_color1: 'red', columns_color03: '#0000FF', checked2: ' NO ', checked4: 'maybe' },
      { colors: new Map([[3, '#FF0000'], [1, null]]), checked: new Map([[2, 'no'], [4, 'yes']]) }],
    ['a tree beside a parameter of its base name', tree,
      { text: 'Menu', text1: 'A', link1: ' a.htm ', text11: 'A1', text2: 'B' },
      { text: 'Menu', items: [item('A', 'a.htm', [item('A1', '')]), item('B', '')] }],
  ];
  for (const [name, decls, entries, expected] of cases) assert.deepEqual(resolveParams(decls, raw(entries), size), expected, name);
});
