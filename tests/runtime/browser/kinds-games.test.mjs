// The form, player and game kinds in the browser (their sample pages run in kinds.test.mjs):
// games played to their end with synthetic clicks and keys, logins accepted and refused, the
// guest book read from its file and mailed, players driven by their buttons.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';

import { differs, framesUntil, haveChromium, openKind, pixels, useBench, waitFrames } from './harness.mjs';
import { press } from '../../../src/runtime/kinds/puzzles.js';

const red = (r, g, b) => r > 200 && g < 60 && b < 60;
const green = (r, g, b) => r < 60 && g > 200 && b < 60;
const blue = (r, g, b) => r < 60 && g < 60 && b > 200;

const PASSWORDS = 'ann secret members.htm\r\nbob pw2 https://example.com/bob\r\neve x javascript:alert(1)\r\n';

// The 3 x 3 sliding puzzle's shortest solution from `tiles` (8 is the hole): the cells to click.
function solvePuzzle(tiles) {
  const goal = '012345678';
  const start = tiles.join('');
  const from = new Map([[start, null]]);
  let frontier = [start];
  while (!from.has(goal) && frontier.length) {
    const next = [];
    for (const state of frontier) {
      const hole = state.indexOf('8');
      for (const cell of [hole - 3, hole + 3, hole % 3 ? hole - 1 : -1, hole % 3 < 2 ? hole + 1 : -1]) {
        if (cell < 0 || cell > 8) continue;
        const a = [...state];
        [a[hole], a[cell]] = [a[cell], a[hole]];
        const key = a.join('');
        if (!from.has(key)) {
          from.set(key, [state, cell]);
          next.push(key);
        }
      }
    }
    frontier = next;
  }
  const cells = [];
  for (let state = goal; from.get(state); state = from.get(state)[0]) cells.unshift(from.get(state)[1]);
  return cells;
}

// Runs in the page: the sounds started and stopped, counted.
function countSounds() {
  window.sounds = { started: 0, stopped: 0 };
  const node = AudioBufferSourceNode.prototype;
  const [start, stop] = [node.start, node.stop];
  node.start = function (...args) {
    window.sounds.started++;
    return start.apply(this, args);
  };
  node.stop = function (...args) {
    window.sounds.stopped++;
    return stop.apply(this, args);
  };
}

describe('form, player and game kinds in the browser', { skip: !haveChromium && 'no Chromium' }, () => {
  const bench = useBench();

  // A kind's page with its sounds counted and its mailto: requests recorded.
  async function open(kind, options = {}, folder = 'G') {
    const opened = await openKind(bench, kind, options, { folder, setup: countSounds, ignore: /404/ });
    const mails = [];
    opened.page.on('request', (r) => r.url().startsWith('mailto:') && mails.push(r.url()));
    return { ...opened, mails, sounds: () => opened.page.evaluate(() => window.sounds) };
  }

  test('missing and invalid values run on the defaults, without errors', async () => {
    const cases = [
      ['GuestBook', {}],
      ['GuestBook', { email: 'not an address', none: '' }],
      ['LoginBox', { frame_width: '0', frame_height: 'tall', title: '', target: '' }],
      ['ImageViewer', { pause2: '-5', auto_slide: 'maybe', image1: 'river.jpg', image3: 'capitole.jpg' }],
      ['ImageViewer', {}],
      ['SoundPlayer', { pause: '0', auto_play: 'x', clip_name1: 'Glass' }],
      ['TicTacToe', { first: '-1', mode: '7', border_color: 'black', cross: '', circle: 'missing.gif' }],
      ['Memory', { columns_number: '0', turned_color: '#12' }],
      ['Memory', { columns_number: '99', image1: 'river_small.jpg' }],
      ['Puzzle', { length: '-4', empty_color: 'x', image_name: 'Cascade.jpg' }],
      ['Puzzle', { length: '1', image_name: '' }],
      ['LightOn', { square_width: 'wide', on_color: '', off_color: 'red' }],
    ];
    for (const [kind, params] of cases) {
      const { page, problems, runtimeLines, click, key } = await open(kind, { width: 240, height: 160, params });
      await click(120, 80);
      await key('ArrowRight');
      await key('Enter');
      assert.deepEqual(problems, [], kind);
      assert.ok(runtimeLines.every((line) => /not loaded|Cannot read|no address|not played/.test(line)), `${kind}: ${runtimeLines}`);
      assert.equal(await page.$$eval('canvas.morvane-applet', (c) => c.length), 1, `${kind} still runs`);
      await page.close();
    }
  });

  test('colors and texts are drawn as given', async () => {
    bench.server.page('/samples/EmptyBook/guestbook.txt', '');
    const cases = [
      // [kind, params, color, least pixels]
      ['LightOn', { square_width: '4', on_color: '#FF0000', off_color: '#FF0000' }, red, 0.8 * 200 * 160],
      ['Puzzle', { image_name: 'Cascade.jpg', length: '2', empty_color: '#00FF00' }, green, 0.9 * 100 * 80],
      ['TicTacToe', { cross: 'cross.gif', circle: 'circle.gif', border_color: '#FF0000', first: '1' }, red, 2 * (200 + 160) * 2],
      ['Memory', { image1: 'river_small.jpg', image2: 'capitole_small.jpg', turned_color: '#0000FF' }, blue, 0.7 * 200 * 160],
    ];
    for (const [kind, params, color, least] of cases) {
      const { page } = await open(kind, { width: 200, height: 160, params });
      const count = (await pixels(page)).count(color);
      assert.ok(count >= least, `${kind}: ${count} pixels of the color, at least ${least} wanted`);
      await page.close();
    }
    // Longer labels and titles cover more of the applet in the ink that reads on the background.
    const ink = (r, g, b) => r + g + b < 100;
    for (const [kind, short, long] of [
      ['ImageViewer', { next_label: 'N', auto_slide: '0' }, { next_label: 'Next picture please' }],
      ['SoundPlayer', { prefix: '*', clip_name1: 'A', clip1: 'glass.au', auto_play: '0' }, { prefix: '*', clip_name1: 'A much longer clip title', clip1: 'glass.au', auto_play: '0' }],
      ['GuestBook', { none: 'x' }, { none: 'Nobody has signed this book yet, be the first' }],
    ]) {
      const counts = [];
      for (const params of [short, long]) {
        const { page } = await open(kind, { width: 400, height: 200, params: { background_color: '#FFFFFF', ...params } }, kind === 'GuestBook' ? 'EmptyBook' : 'G');
        counts.push((await pixels(page)).count(ink));
        await page.close();
      }
      assert.ok(counts[1] > counts[0], `${kind}: ${counts}`);
    }
  });

  test('tic-tac-toe is played to its end in both difficulties, with the first player asked for or given', async () => {
    const cases = [
      // [first, mode, how the first player is chosen]
      ['1', '1', null],
      ['2', '1', null],
      ['0', '1', 'You'],
      ['0', '0', 'Computer'],
      ['1', '0', 'keys'],
    ];
    for (const [first, mode, how] of cases) {
      const { page, click, key, label, sounds } = await open('TicTacToe', {
        width: 180, height: 180,
        params: { cross: 'cross.gif', circle: 'circle.gif', first, mode, player_sound_name: 'glass.au', computer_sound_name: 'glass.au', draw_sound_name: 'glass.au' },
      });
      const marks = async (mark) => (await label()).split(': ')[1].split('').filter((c) => c === mark).length;
      if (first === '0') {
        assert.match(await label(), /who plays first/);
        await click(how === 'You' ? 50 : 130, 110);
        assert.equal(await marks('O'), how === 'Computer' ? 1 : 0, how);
      } else assert.equal(await marks('O'), first === '2' ? 1 : 0, `first ${first}`);

      for (let round = 0; round < 3 && !/win|draw/.test(await label()); round++) {
        for (let cell = 0; cell < 9 && !/win|draw/.test(await label()); cell++) {
          if (how === 'keys') await key(String(cell + 1));
          else await click((cell % 3) * 60 + 30, Math.floor(cell / 3) * 60 + 30);
        }
      }
      const end = await label();
      assert.match(end, /you win|the computer wins|draw/, `${first}/${mode}: ${end}`);
      if (mode === '1') assert.doesNotMatch(end, /you win/, 'the hard computer never loses');
      assert.ok((await marks('X')) - (await marks('O')) <= 1);
      await page.waitForFunction(() => window.sounds.started > 0);
      assert.ok((await sounds()).started >= 1, 'the end of the game is heard');
      await click(90, 90);
      assert.match(await label(), first === '0' ? /who plays first/ : /your move/, 'a click starts a new game');
      await page.close();
    }
  });

  test('at the shipped 180 px the first-player buttons show their labels whole', async () => {
    const recordTexts = () => {
      window.texts = [];
      for (const context of [CanvasRenderingContext2D, OffscreenCanvasRenderingContext2D]) {
        const fillText = context.prototype.fillText;
        context.prototype.fillText = function (text, ...rest) {
          window.texts.push(text);
          return fillText.call(this, text, ...rest);
        };
      }
    };
    const { page } = await openKind(bench, 'TicTacToe', { width: 180, height: 180, params: { first: '0' } }, { setup: recordTexts });
    const texts = await page.evaluate(() => window.texts);
    assert.ok(texts.includes('You') && texts.includes('Computer'), texts.join(' | '));
    await page.close();
  });

  test('the sliding puzzle is solved by clicks and keys, and then follows its link with its target', async () => {
    for (const [link, expected] of [['won.htm', 'won.htm'], ['javascript:alert(1)', null]]) {
      const { page, click, key, label, opened, runtimeLines } = await open('Puzzle', { width: 150, height: 150, params: { image_name: 'Cascade.jpg', length: '3', link, target: '_blank' } });
      const tiles = async () => (await label()).split(': ')[1].split(' ').map((t) => (t === '_' ? 8 : Number(t) - 1));
      // An arrow key moves the square beyond the hole into it.
      const before = await tiles();
      const hole = before.indexOf(8);
      const arrow = hole % 3 < 2 ? 'ArrowLeft' : 'ArrowRight';
      await key(arrow);
      const after = await tiles();
      assert.equal(after[hole], before[hole + (arrow === 'ArrowLeft' ? 1 : -1)], 'the square moved into the hole');
      for (const cell of solvePuzzle(after)) await click((cell % 3) * 50 + 25, Math.floor(cell / 3) * 50 + 25);
      assert.match(await label(), /solved/);
      assert.deepEqual(await opened(), expected ? [[`${bench.server.origin}/samples/G/${expected}`, '_blank']] : []);
      if (!expected) assert.ok(runtimeLines.some((line) => line.includes('javascript:alert(1)')));
      await page.close();
    }
  });

  test('lights and memory are played to their end', async () => {
    const lights = await open('LightOn', { width: 150, height: 150, params: { square_width: '3' } });
    const board = async () => (await lights.label()).split(': ')[1].split('').map((c) => c === '1');
    // Enter presses the square under the cursor: the top-left one, then the one on its right.
    const state = await board();
    press(state, 3, 0);
    await lights.key('Enter');
    press(state, 3, 1);
    await lights.key('ArrowRight');
    await lights.key('Enter');
    assert.deepEqual(await board(), state);
    // The presses that switch every light on, found among all 512 sets of presses, by clicks.
    const plan = [...Array(512).keys()].map((mask) => [...Array(9).keys()].filter((i) => mask & (1 << i))).find((cells) => {
      const trial = [...state];
      for (const cell of cells) press(trial, 3, cell);
      return trial.every(Boolean);
    });
    for (const cell of plan) await lights.click((cell % 3) * 50 + 25, Math.floor(cell / 3) * 50 + 25);
    assert.match(await lights.label(), /all on in \d+ moves/);
    await lights.page.close();

    // Memory, played with a perfect recall of every picture seen.
    const memory = await open('Memory', { width: 240, height: 160, params: { image1: 'river_small.jpg', image2: 'capitole_small.jpg', image3: 'chrismas_small.jpg', columns_number: '3' } });
    const cards = async () => (await memory.label()).split(': ')[1].split(' ');
    const turn = async (i) => {
      await memory.click((i % 3) * 80 + 40, Math.floor(i / 3) * 80 + 40);
      return (await cards())[i];
    };
    const seen = new Map();
    const twinOf = (i, picture) => [...seen].find(([j, p]) => p === picture && j !== i)?.[0];
    for (let moves = 0; moves < 12 && !/all/.test(await memory.label()); moves++) {
      const faceDown = (await cards()).flatMap((c, i) => (c === '?' ? [i] : []));
      const known = faceDown.find((i) => seen.has(i) && faceDown.includes(twinOf(i, seen.get(i))));
      const i = known ?? faceDown.find((j) => !seen.has(j));
      seen.set(i, await turn(i));
      const twin = twinOf(i, seen.get(i));
      const j = twin !== undefined ? twin : faceDown.find((k) => k !== i && !seen.has(k));
      seen.set(j, await turn(j));
    }
    assert.match(await memory.label(), /all 3 pairs found/);
    await memory.page.close();
  });

  test('the login window accepts the right pair, refuses a wrong one, and never follows a javascript: link', async () => {
    bench.server.page('/samples/Members/pass.txt', PASSWORDS);
    const cases = [
      // [login, password, window.open calls, message]
      ['ann', 'secret', [[`${bench.server.origin}/samples/Members/members.htm`, 'private']], ''],
      ['bob', 'pw2', [['https://example.com/bob', 'private']], ''],
      ['ann', 'Secret', [], 'Wrong login or password'],
      ['nobody', 'secret', [], 'Wrong login or password'],
      ['eve', 'x', [], 'This page cannot be opened'],
    ];
    for (const [login, password, expected, message] of cases) {
      const { page, click, opened } = await open('LoginBox', { width: 120, height: 40, params: { title: 'Members', login_text: 'Name', password_text: 'Code', frame_width: '300', frame_height: '160', target: 'private' } }, 'Members');
      await click(60, 20);
      const dialog = await page.waitForSelector('[role=dialog]');
      const box = await dialog.boundingBox();
      assert.deepEqual([box.width, box.height], [300, 160]);
      assert.deepEqual(await page.$$eval('[role=dialog] label', (l) => l.map((e) => e.textContent)), ['Name', 'Code']);
      await page.keyboard.type(login);
      await page.keyboard.press('Tab');
      await page.keyboard.type(password);
      await page.keyboard.press('Enter');
      if (message) await page.waitForFunction((m) => document.querySelector('[role=alert]')?.textContent === m, {}, message);
      else await page.waitForFunction(() => !document.querySelector('[role=dialog]'));
      assert.deepEqual(await opened(), expected, `${login}/${password}`);
      await page.close();
    }

    // Without its password file the window says so and opens nothing.
    const { page, key, opened } = await open('LoginBox', { width: 120, height: 40 }, 'NoPasswords');
    await key('Enter');
    await page.waitForSelector('[role=dialog]');
    await page.keyboard.type('ann');
    await page.click('[role=dialog] button[type=submit]');
    await page.waitForFunction(() => /Cannot read pass\.txt/.test(document.querySelector('[role=alert]')?.textContent));
    await page.keyboard.press('Escape');
    assert.equal(await page.$('[role=dialog]'), null);
    assert.deepEqual(await opened(), []);
    await page.close();
  });

  test('the guest book shows the messages of its file and mails a new one to the recipient', async () => {
    const { page, click, mails, runtimeLines } = await open('GuestBook', { width: 400, height: 350, params: { email: 'owner@example.com', background_color: '#FFFFFF' } }, 'GuestBook');
    const ink = (r, g, b) => r + g + b < 100;
    const listed = await pixels(page);
    assert.ok(listed.count(ink) > 1500, 'the three messages are written');
    await click(200, 290); // the message box
    await page.keyboard.type('Hello & goodbye');
    await click(200, 336); // the send button
    assert.equal(mails.length, 1);
    const mail = new URL(mails[0]);
    assert.equal(mail.pathname, 'owner@example.com');
    assert.match(mail.searchParams.get('body'), /^Name: \nE-mail: \nDate: \d{4}-\d\d-\d\d\nHello & goodbye\n%%\n$/);
    assert.deepEqual(runtimeLines, []);
    await page.close();

    // A long book scrolls with the wheel and the keys, not past its end.
    const book = Array.from({ length: 40 }, (_, i) => `Name: Visitor ${i}\nE-mail: \nDate: 2026-01-01\nMessage number ${i}\n%%`).join('\n');
    bench.server.page('/samples/LongBook/guestbook.txt', book);
    const long = await open('GuestBook', { width: 300, height: 300, params: { email: 'owner@example.com' } }, 'LongBook');
    const top = await pixels(long.page);
    await long.page.mouse.move(150, 50);
    await long.page.mouse.wheel({ deltaY: 100 });
    await waitFrames(long.page, 3);
    const scrolled = await pixels(long.page);
    assert.ok(differs(top, scrolled), 'the wheel scrolls');
    await long.click(150, 20); // the list, out of the fields
    for (let i = 0; i < 60; i++) await long.page.keyboard.press('PageDown');
    await waitFrames(long.page, 3);
    const end = await pixels(long.page);
    await long.page.keyboard.press('PageDown');
    await waitFrames(long.page, 3);
    assert.ok(!differs(end, await pixels(long.page)), 'stops at the last message');
    await long.page.close();

    // A page whose folder holds no guest book draws one line saying so.
    const empty = await open('GuestBook', { width: 400, height: 200, params: { email: 'owner@example.com' } }, 'NoBook');
    assert.ok(empty.runtimeLines.some((line) => /Cannot read guestbook\.txt/.test(line)));
    assert.ok((await pixels(empty.page)).count((r, g, b) => r + g + b > 600) > 50, 'the line is drawn');
    await empty.page.close();
  });

  test('the picture viewer and the sound player answer their buttons', async () => {
    const viewer = await open('ImageViewer', {
      width: 300, height: 260,
      params: { image1: 'river.jpg', image_name1: 'River', image2: 'capitole.jpg', image_name2: 'Capitol', auto_slide: '0', pause2: '600' },
    });
    const buttons = (i) => [(300 / 4) * i + 37, 250];
    assert.match(await viewer.label(), /^River \(1 of 2\)$/);
    const first = await pixels(viewer.page);
    await viewer.click(...buttons(3));
    assert.match(await viewer.label(), /^Capitol/);
    assert.ok(differs(first, await pixels(viewer.page)), 'Next shows another picture');
    await viewer.key('ArrowLeft');
    assert.match(await viewer.label(), /^River/);
    await viewer.click(...buttons(1));
    assert.ok(await framesUntil(viewer.page, () => /^Capitol.*slide show/.test(document.querySelector('.morvane-applet-box').getAttribute('aria-label'))), 'the slide show moves on');
    await viewer.click(...buttons(2));
    const stopped = await viewer.label();
    assert.doesNotMatch(stopped, /slide show/);
    await viewer.page.close();

    const player = await open('SoundPlayer', {
      width: 250, height: 80,
      params: { clip1: 'spacemusic.au', clip_name1: 'Space', clip2: 'explosion.au', clip_name2: 'Boom', auto_play: '0', pause: '20' },
    });
    const at = (i) => [(250 / 4) * i + 30, 70];
    const a = await pixels(player.page);
    await waitFrames(player.page, 20);
    assert.ok(differs(a, await pixels(player.page)), 'the title scrolls');
    assert.equal((await player.sounds()).started, 0, 'no clip plays by itself when asked not to');
    await player.click(...at(1));
    await player.page.waitForFunction(() => window.sounds.started === 1);
    assert.match(await player.label(), /^Space \(1 of 2\), playing$/);
    await player.click(...at(3));
    await player.page.waitForFunction(() => window.sounds.started === 2);
    assert.match(await player.label(), /^Boom \(2 of 2\), playing$/);
    assert.equal((await player.sounds()).stopped, 1, 'Next ends the clip that played');
    // The two-second clip ends by itself; Play starts it again and Stop ends it.
    await player.page.waitForFunction(() => !/playing/.test(document.querySelector('.morvane-applet-box').getAttribute('aria-label')));
    await player.click(...at(1));
    await player.page.waitForFunction(() => window.sounds.started === 3);
    await player.click(...at(2));
    assert.match(await player.label(), /^Boom \(2 of 2\)$/);
    await player.click(...at(0));
    assert.match(await player.label(), /^Space/);
    assert.equal((await player.sounds()).started, 3, 'Prev while stopped only chooses');
    await player.page.close();
  });
});
