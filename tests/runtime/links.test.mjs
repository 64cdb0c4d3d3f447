import assert from 'node:assert/strict';
import { test } from 'node:test';

import { safeLink, safeMediaUrl, windowTarget } from '../../src/runtime/core/links.js';

const page = 'https://example.test/site/page.htm';
const diskPage = 'file:///home/me/site/page.htm';

test('web, mail and relative links are followed', () => {
  assert.equal(safeLink('https://example.test/a', page), 'https://example.test/a');
  assert.equal(safeLink('HTTP://example.test/', page), 'http://example.test/');
  assert.equal(safeLink('mailto:me@example.test', page), 'mailto:me@example.test');
  assert.equal(safeLink('index.html', page), 'https://example.test/site/index.html');
  assert.equal(safeLink('../up.htm#x', diskPage), 'file:///home/me/up.htm#x');
  assert.equal(safeLink('//other.test/x', page), 'https://other.test/x');
});

test('script, data and other schemes are refused however they are spelt', () => {
  const hostile = [
    'javascript:alert(1)', 'JavaScript:alert(1)', 'java\tscript:alert(1)', ' javascript:alert(1)',
    'java\nscript:alert(1)', '\u0000javascript:alert(1)', 'data:text/html,<script>alert(1)</script>',
    'vbscript:msgbox(1)', 'file:///etc/passwd', 'blob:https://example.test/x', 'about:blank',
  ];
  for (const link of hostile) {
    assert.equal(safeLink(link, page), null, JSON.stringify(link));
    assert.equal(safeLink(link, diskPage), null, JSON.stringify(link));
  }
  for (const nothing of ['', '   ', undefined, null]) assert.equal(safeLink(nothing, page), null);
});

test('media load only over the web or relative to the page', () => {
  assert.equal(safeMediaUrl('river.jpg', diskPage), 'file:///home/me/site/river.jpg');
  assert.equal(safeMediaUrl('mailto:x@example.test', page), null);
  assert.equal(safeMediaUrl('data:image/png;base64,AAAA', page), null);
  assert.equal(safeMediaUrl('javascript:alert(1)', page), null);
});

test('targets: the reserved names in any case, else a frame name; empty opens in place', () => {
  assert.equal(windowTarget('_BLANK'), '_blank');
  assert.equal(windowTarget(''), '_self');
  assert.equal(windowTarget(undefined), '_self');
  assert.equal(windowTarget('main frame'), 'main frame');
});
