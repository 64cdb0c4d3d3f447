// The rules behind the form and game kinds: files read, links built, games that can be won.
import assert from 'node:assert/strict';
import { test } from 'node:test';

import { COMPUTER, PLAYER, computerMove, outcome } from '../../src/runtime/kinds/games.js';
import { press, scrambled, shuffledTiles, slide } from '../../src/runtime/kinds/puzzles.js';
import { guestBookMessages, mailtoLink, passwordEntries } from '../../src/runtime/kinds/forms.js';

// A seeded generator, so shuffles are the same on every run.
function seeded(seed) {
  let s = seed;
  return () => ((s = (s * 1103515245 + 12345) % 2147483648) / 2147483648);
}

test('the hard computer never loses, whoever plays first and whatever the player does', () => {
  let games = 0;
  const play = (board, playerTurn) => {
    const done = outcome(board);
    if (done) {
      games++;
      assert.notEqual(done.who, PLAYER, board.join(''));
      return;
    }
    if (playerTurn) {
      for (let i = 0; i < 9; i++) {
        if (board[i]) continue;
        const next = [...board];
        next[i] = PLAYER;
        play(next, false);
      }
    } else {
      const next = [...board];
      next[computerMove(next, true, () => 0)] = COMPUTER;
      play(next, true);
    }
  };
  play(new Array(9).fill(0), true);
  play(new Array(9).fill(0), false);
  assert.ok(games > 100);
});

test('the easy computer takes a win it sees and otherwise plays any free cell', () => {
  const board = [COMPUTER, COMPUTER, 0, PLAYER, PLAYER, 0, 0, 0, 0];
  assert.equal(computerMove([...board], false, () => 0.99), 2);
  const open = [PLAYER, 0, 0, 0, 0, 0, 0, 0, 0];
  const moves = new Set([0, 0.2, 0.4, 0.6, 0.99].map((r) => computerMove([...open], false, () => r)));
  assert.ok(moves.size > 2 && !moves.has(0));
  assert.deepEqual(outcome([1, 2, 1, 1, 2, 2, 2, 1, 1]), { who: 0 });
  assert.deepEqual(outcome([2, 1, 1, 0, 2, 1, 0, 0, 2]), { who: COMPUTER, line: [0, 4, 8] });
});

test('sliding squares: a whole row or column slides towards the hole, and every shuffle can be solved', () => {
  const tiles = [0, 1, 2, 3, 4, 5, 6, 7, 8];
  assert.equal(slide(tiles, 3, 4), false, 'not in line with the hole');
  assert.equal(slide(tiles, 3, 6), true);
  assert.deepEqual(tiles, [0, 1, 2, 3, 4, 5, 8, 6, 7]);
  assert.equal(slide(tiles, 3, 0), true);
  assert.deepEqual(tiles, [8, 1, 2, 0, 4, 5, 3, 6, 7]);

  // Solvable: the permutation's parity matches the hole's distance from its corner.
  const parity = (t, size) => {
    let inversions = 0;
    const a = t.filter((v) => v !== size * size - 1);
    for (let i = 0; i < a.length; i++) for (let j = i + 1; j < a.length; j++) if (a[i] > a[j]) inversions++;
    const hole = t.indexOf(size * size - 1);
    const rowFromBottom = size - Math.floor(hole / size);
    return size % 2 ? inversions % 2 === 0 : (inversions + rowFromBottom) % 2 === 1;
  };
  for (const size of [2, 3, 4, 5]) {
    for (let seed = 1; seed < 20; seed++) {
      const t = shuffledTiles(size, seeded(seed));
      assert.deepEqual([...t].sort((a, b) => a - b), [...Array(size * size).keys()]);
      assert.ok(parity(t, size), `size ${size}, seed ${seed}`);
      assert.ok(t.some((v, i) => v !== i), 'never dealt solved');
    }
  }
});

test('lights: a press switches the square and its neighbours on the board only; a deal is never won', () => {
  const lights = new Array(9).fill(false);
  press(lights, 3, 2);
  assert.deepEqual(lights.map(Number), [0, 1, 1, 0, 0, 1, 0, 0, 0]);
  press(lights, 3, 3);
  assert.deepEqual(lights.map(Number), [1, 1, 1, 1, 1, 1, 1, 0, 0]);
  for (let seed = 1; seed < 10; seed++) assert.ok(!scrambled(4, seeded(seed)).every(Boolean));
  assert.ok(!scrambled(1, seeded(3)).every(Boolean), 'even a single square');
});

test('guest-book file: blocks of name, address, date and text ended by %%', () => {
  const text = 'Name: Claire\r\nE-mail: c@example.com\r\nDate: 2026-11-28\r\nLovely pages!\r\n\r\nSee you.\r\n%%\r\nName: Tom\nE-mail: \nDate: 2026-11-20\nGreat site.\n%%\n\nName: Last\nNo end mark';
  assert.deepEqual(guestBookMessages(text), [
    { name: 'Claire', email: 'c@example.com', date: '2026-11-28', lines: ['Lovely pages!', '', 'See you.'] },
    { name: 'Tom', email: '', date: '2026-11-20', lines: ['Great site.'] },
    { name: 'Last', email: '', date: '', lines: ['No end mark'] },
  ]);
  assert.deepEqual(guestBookMessages('%%\n\n%%\n'), []);
  // A text line that looks like a field after the text has begun stays text.
  assert.deepEqual(guestBookMessages('Name: A\nhello\nDate: later\n%%').map((m) => m.lines), [['hello', 'Date: later']]);
});

test('password file lines and mail links', () => {
  assert.deepEqual(passwordEntries('ann secret a.htm\r\n\r\nbad line\r\nbob pw https://x.org/a b\n'), [
    { login: 'ann', password: 'secret', link: 'a.htm' },
    { login: 'bob', password: 'pw', link: 'https://x.org/a b' },
  ]);
  const link = mailtoLink(' me@example.com ', 'Hi & bye', 'a=b\n%%');
  assert.equal(link, 'mailto:me@example.com?subject=Hi%20%26%20bye&body=a%3Db%0A%25%25');
  for (const bad of ['', 'me', 'me@x.org?cc=you@y.org', 'a b@x.org', 'javascript:alert(1)//@x']) assert.equal(mailtoLink(bad, 's', 'b'), null, bad);
});
