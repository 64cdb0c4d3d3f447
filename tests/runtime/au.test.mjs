import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { test } from 'node:test';

import { AuError, decodeAu, muLawToLinear } from '../../src/runtime/core/au.js';

function au({ encoding = 1, rate = 8012, channels = 1, declared, offset = 24, data = [] }) {
  const bytes = new Uint8Array(Math.max(24, offset + data.length));
  const view = new DataView(bytes.buffer);
  view.setUint32(0, 0x2e736e64);
  view.setUint32(4, offset);
  view.setUint32(8, declared ?? data.length);
  view.setUint32(12, encoding);
  view.setUint32(16, rate);
  view.setUint32(20, channels);
  bytes.set(data, offset);
  return bytes.buffer;
}

function withOffset(buffer, offset) {
  new DataView(buffer).setUint32(4, offset);
  return buffer;
}

test('mu-law codes decode to the G.711 levels', () => {
  assert.equal(muLawToLinear(0xff), 0);
  assert.equal(Math.abs(muLawToLinear(0x7f)), 0);
  assert.equal(muLawToLinear(0x80), 32124);
  assert.equal(muLawToLinear(0x00), -32124);
  assert.equal(muLawToLinear(0xef), 132);
  // Monotonic on each half: larger magnitude for lower codes.
  for (let c = 0x81; c <= 0xff; c++) assert.ok(muLawToLinear(c) <= muLawToLinear(c - 1));
});

test('8012 Hz mu-law, linear and stereo files decode', () => {
  const mono = decodeAu(au({ data: [0x80, 0xff, 0x00] }));
  assert.equal(mono.sampleRate, 8012);
  assert.deepEqual([...mono.channels[0]].map((s) => Math.round(s * 32768)), [32124, 0, -32124]);

  const stereo = decodeAu(au({ encoding: 3, rate: 22050, channels: 2, data: [0x40, 0, 0xc0, 0, 0x7f, 0xff, 0x80, 0] }));
  assert.deepEqual([...stereo.channels[0]], [0.5, 32767 / 32768]);
  assert.deepEqual([...stereo.channels[1]], [-0.5, -1]);
});

test('header sizes are bounded by the bytes present', () => {
  assert.equal(decodeAu(au({ declared: 0xffffffff, data: [1, 2, 3, 4] })).channels[0].length, 4);
  assert.equal(decodeAu(au({ declared: 1_000_000, data: [1, 2] })).channels[0].length, 2);
  assert.equal(decodeAu(au({ offset: 32, data: [1] })).channels[0].length, 1);
});

test('files that cannot be played are refused with AuError', () => {
  const bad = [
    new ArrayBuffer(10),
    new TextEncoder().encode('RIFF....WAVEfmt and more bytes').buffer,
    au({ encoding: 27, data: [1] }),
    au({ channels: 0, data: [1] }),
    au({ rate: 0, data: [1] }),
    au({ offset: 4, data: [1] }),
    withOffset(au({ data: [1] }), 9999),
    au({ data: [] }),
  ];
  bad.forEach((buffer, i) => assert.throws(() => decodeAu(buffer), AuError, `case ${i}`));
});

test('the shipped sounds decode', () => {
  const file = readFileSync(new URL('../../data/images&sounds/glass.au', import.meta.url));
  const { sampleRate, channels } = decodeAu(file.buffer.slice(file.byteOffset, file.byteOffset + file.byteLength));
  assert.equal(sampleRate, 8012);
  assert.ok(channels[0].length > 1000);
  assert.ok(channels[0].some((s) => Math.abs(s) > 0.05));
});
