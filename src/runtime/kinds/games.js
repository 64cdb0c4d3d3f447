// Games of turns and pairs: tic-tac-toe and memory, played with the mouse or the keys. Each
// game tells its state in the canvas's accessible name, so it can be followed without sight.

import { P } from '../core/params.js';
import { banner, buttonRow, describeApplet, drawButton, drawMessage, fitted, gridCursor, hits, inkOn, listenKeys } from '../core/kit.js';
import { registerKind } from '../core/applet.js';

const MAX_ITEMS = 256;

// Fisher-Yates, in place.
function shuffle(items, random = Math.random) {
  for (let i = items.length - 1; i > 0; i--) {
    const j = Math.floor(random() * (i + 1));
    [items[i], items[j]] = [items[j], items[i]];
  }
  return items;
}

// --- TicTacToe

const LINES = [[0, 1, 2], [3, 4, 5], [6, 7, 8], [0, 3, 6], [1, 4, 7], [2, 5, 8], [0, 4, 8], [2, 4, 6]];
export const PLAYER = 1;
export const COMPUTER = 2;

// { who, line } of a finished board, { who: 0 } for a draw, null while it goes on.
export function outcome(board) {
  for (const line of LINES) {
    const who = board[line[0]];
    if (who && who === board[line[1]] && who === board[line[2]]) return { who, line };
  }
  return board.includes(0) ? null : { who: 0 };
}

// Score of the board for `who` to move, by full search; `seen` holds the boards already scored
// in this search (a few thousand), where the depth is fixed by the board itself.
function search(board, who, depth, seen) {
  const key = board.join('');
  if (seen.has(key)) return seen.get(key);
  const done = outcome(board);
  let best = who === COMPUTER ? -Infinity : Infinity;
  if (done) best = done.who === 0 ? 0 : done.who === COMPUTER ? 10 - depth : depth - 10;
  else {
    for (let i = 0; i < 9; i++) {
      if (board[i]) continue;
      board[i] = who;
      const score = search(board, who === COMPUTER ? PLAYER : COMPUTER, depth + 1, seen);
      board[i] = 0;
      best = who === COMPUTER ? Math.max(best, score) : Math.min(best, score);
    }
  }
  seen.set(key, best);
  return best;
}

// The computer's cell: the best one when hard (never loses), else a winning cell when it sees one
// and a random free cell otherwise, so the visitor can win.
export function computerMove(board, hard, random = Math.random) {
  const free = board.flatMap((v, i) => (v ? [] : [i]));
  if (free.length === 0) return -1;
  if (hard) {
    const seen = new Map();
    let best = -Infinity;
    let moves = [];
    for (const i of free) {
      board[i] = COMPUTER;
      const score = search(board, PLAYER, 1, seen);
      board[i] = 0;
      if (score > best) [best, moves] = [score, [i]];
      else if (score === best) moves.push(i);
    }
    return moves[Math.floor(random() * moves.length)];
  }
  for (const i of free) {
    board[i] = COMPUTER;
    const wins = outcome(board)?.who === COMPUTER;
    board[i] = 0;
    if (wins) return i;
  }
  return free[Math.floor(random() * free.length)];
}

const FIRST_CHOICE = ['You', 'Computer'];

registerKind('TicTacToe', {
  drawsSeldom: true,
  params: {
    cross: P.text(),
    circle: P.text(),
    player_sound_name: P.text(),
    computer_sound_name: P.text(),
    draw_sound_name: P.text(),
    border_color: P.color('#000000'),
    first: P.choice(['0', '1', '2'], '0'),
    mode: P.choice(['0', '1'], '1'),
  },
  async create(ctx) {
    const p = ctx.params;
    const [cross, circle] = await Promise.all([p.cross ? ctx.loadImage(p.cross) : null, p.circle ? ctx.loadImage(p.circle) : null]);
    const sound = (name) => (name ? ctx.loadSound(name) : null);
    const endSounds = { [PLAYER]: sound(p.player_sound_name), [COMPUTER]: sound(p.computer_sound_name), 0: sound(p.draw_sound_name) };
    const hard = p.mode === '1';
    // A grid in the background's own color would not show: it takes the ink that reads there.
    const background = ctx.background;
    const grid = p.border_color === background ? inkOn(background) : p.border_color;
    const cellW = ctx.width / 3;
    const cellH = ctx.height / 3;
    const board = new Array(9).fill(0);
    // Across the whole width: at the shipped 180 px each label still fits its button uncut.
    const choice = buttonRow(2, 0, ctx.height * 0.55, ctx.width, Math.max(16, Math.min(28, ctx.height / 6)));
    let asking = false;
    let result = null;
    let cursor = 4;

    const tell = () => {
      const cells = board.map((v) => ['-', 'X', 'O'][v]).join('');
      const state = asking ? 'who plays first?' : !result ? 'your move' : result.who === PLAYER ? 'you win' : result.who === COMPUTER ? 'the computer wins' : 'draw';
      describeApplet(ctx, `Tic-tac-toe, ${state}: ${cells}`);
      ctx.invalidate();
    };
    const finish = () => {
      result = outcome(board);
      if (result) endSounds[result.who]?.play();
    };
    const computerTurn = () => {
      board[computerMove(board, hard)] = COMPUTER;
      finish();
    };
    const start = (first) => {
      board.fill(0);
      result = null;
      asking = first === '0';
      if (first === '2') computerTurn();
      tell();
    };
    const playAt = (cell) => {
      if (result) start(p.first);
      else if (!asking && cell >= 0 && !board[cell]) {
        board[cell] = PLAYER;
        finish();
        if (!result) computerTurn();
        tell();
      }
    };
    const answer = (computerFirst) => {
      asking = false;
      if (computerFirst) computerTurn();
      tell();
    };
    const stop = listenKeys(ctx, (key) => {
      if (asking && (key === 'ArrowLeft' || key === 'ArrowRight' || key === 'Enter' || key === ' ')) {
        if (key === 'Enter' || key === ' ') answer(cursor % 3 === 2);
        else cursor = key === 'ArrowLeft' ? 3 : 5;
      } else if (/^[1-9]$/.test(key)) playAt(Number(key) - 1);
      else if (key === 'Enter' || key === ' ') playAt(cursor);
      else {
        const moves = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -3, ArrowDown: 3 };
        if (!(key in moves)) return false;
        const next = cursor + moves[key];
        if (next >= 0 && next < 9 && (Math.abs(moves[key]) === 3 || Math.floor(next / 3) === Math.floor(cursor / 3))) cursor = next;
      }
      ctx.invalidate();
      return true;
    });
    ctx.canvas.addEventListener('focus', tell);
    ctx.canvas.addEventListener('blur', tell);

    const mark = (g, who, x, y) => {
      const image = who === PLAYER ? cross : circle;
      const box = { x: x + cellW * 0.1, y: y + cellH * 0.1, w: cellW * 0.8, h: cellH * 0.8 };
      if (image) {
        const r = fitted(image, box);
        g.drawImage(image, r.x, r.y, r.w, r.h);
        return;
      }
      g.lineWidth = Math.max(2, Math.min(cellW, cellH) / 10);
      g.strokeStyle = who === PLAYER ? '#D00000' : '#0000D0';
      g.beginPath();
      if (who === PLAYER) {
        g.moveTo(box.x, box.y);
        g.lineTo(box.x + box.w, box.y + box.h);
        g.moveTo(box.x + box.w, box.y);
        g.lineTo(box.x, box.y + box.h);
      } else g.ellipse(box.x + box.w / 2, box.y + box.h / 2, box.w / 2, box.h / 2, 0, 0, Math.PI * 2);
      g.stroke();
    };

    start(p.first);
    return {
      pointer(type, x, y, event) {
        if (type !== 'click') return;
        if (asking) {
          const hit = choice.findIndex((r) => hits(ctx, x, y, r, event));
          if (hit >= 0) answer(hit === 1);
          return;
        }
        playAt(Math.min(2, Math.floor(y / cellH)) * 3 + Math.min(2, Math.floor(x / cellW)));
      },
      draw(g) {
        for (let i = 0; i < 9; i++) if (board[i]) mark(g, board[i], (i % 3) * cellW, Math.floor(i / 3) * cellH);
        g.fillStyle = grid;
        const line = Math.max(1, Math.round(Math.min(ctx.width, ctx.height) / 60));
        for (let k = 1; k < 3; k++) {
          g.fillRect(Math.round(k * cellW - line / 2), 0, line, ctx.height);
          g.fillRect(0, Math.round(k * cellH - line / 2), ctx.width, line);
        }
        if (document.activeElement === ctx.canvas && !result && !asking) {
          g.strokeStyle = grid;
          g.setLineDash([2, 2]);
          g.strokeRect((cursor % 3) * cellW + 3.5, Math.floor(cursor / 3) * cellH + 3.5, cellW - 7, cellH - 7);
          g.setLineDash([]);
        }
        if (result?.line) {
          const centre = (i) => [((i % 3) + 0.5) * cellW, (Math.floor(i / 3) + 0.5) * cellH];
          g.strokeStyle = result.who === PLAYER ? '#00A000' : '#D00000';
          g.lineWidth = Math.max(3, line * 2);
          g.beginPath();
          g.moveTo(...centre(result.line[0]));
          g.lineTo(...centre(result.line[2]));
          g.stroke();
        }
        if (result) banner(g, ctx, [result.who === PLAYER ? 'You win!' : result.who === COMPUTER ? 'I win!' : 'Draw!', 'Click to play again']);
        if (asking) {
          banner(g, ctx, ['Who plays first?', '', '']);
          choice.forEach((r, i) => drawButton(g, r, FIRST_CHOICE[i], document.activeElement === ctx.canvas && cursor % 3 === (i ? 2 : 0)));
        }
      },
      dispose() {
        stop();
        ctx.canvas.removeEventListener('focus', tell);
        ctx.canvas.removeEventListener('blur', tell);
        for (const s of Object.values(endSounds)) s?.stop();
      },
    };
  },
});

// --- Memory: every picture twice, face down; two turned pictures that match stay turned.

const SHOW_MISMATCH = 900;

registerKind('Memory', {
  drawsSeldom: true,
  params: {
    columns_number: P.int(0, { min: 1, max: 64 }),
    image: P.list(),
    turned_color: P.color('#FFFFFF'),
    turned_image: P.text(),
  },
  async create(ctx) {
    const p = ctx.params;
    const [loaded, back] = await Promise.all([ctx.loadImages(p.image), p.turned_image ? ctx.loadImage(p.turned_image) : null]);
    const pictures = loaded.slice(0, MAX_ITEMS / 2);
    const n = pictures.length * 2;
    const ink = inkOn(ctx.background);
    const columns = Math.min(n || 1, p.columns_number || Math.ceil(Math.sqrt(n)));
    const rows = Math.max(1, Math.ceil(n / columns));
    const cw = ctx.width / columns;
    const ch = ctx.height / rows;
    let cards = [];
    let found = [];
    let open = [];
    let tries = 0;
    let timer = 0;

    // The cards in order: the picture number of each turned one, "?" for the others.
    const tell = () => {
      const pairs = found.filter(Boolean).length / 2;
      const state = pairs === pictures.length ? `all ${pairs} pairs found in ${tries} tries` : `${pairs} of ${pictures.length} pairs found, ${tries} tries`;
      describeApplet(ctx, `Memory, ${state}: ${cards.map((c, i) => (found[i] || open.includes(i) ? c + 1 : '?')).join(' ')}`);
      ctx.invalidate();
    };
    const deal = () => {
      cards = shuffle(pictures.flatMap((_, i) => [i, i]));
      found = cards.map(() => false);
      open = [];
      tries = 0;
      tell();
    };
    const coverMismatch = () => {
      clearTimeout(timer);
      if (open.length === 2) open = [];
      tell();
    };
    const turn = (i) => {
      if (n === 0) return;
      if (found.every(Boolean)) return deal();
      if (i < 0 || i >= n || found[i] || open.includes(i)) return;
      if (open.length === 2) coverMismatch();
      open.push(i);
      if (open.length === 2) {
        tries++;
        const [a, b] = open;
        if (cards[a] === cards[b]) {
          found[a] = found[b] = true;
          open = [];
        } else timer = setTimeout(coverMismatch, SHOW_MISMATCH);
      }
      tell();
    };
    const cursor = gridCursor(ctx, columns, n, turn);
    deal();

    return {
      pointer(type, x, y) {
        if (type === 'click') turn(Math.min(rows - 1, Math.floor(y / ch)) * columns + Math.min(columns - 1, Math.floor(x / cw)));
      },
      draw(g) {
        if (n === 0) {
          drawMessage(g, ctx, 'No image', ink);
          return;
        }
        for (let i = 0; i < n; i++) {
          const r = { x: (i % columns) * cw + 2, y: Math.floor(i / columns) * ch + 2, w: cw - 4, h: ch - 4 };
          if (found[i] || open.includes(i)) {
            g.fillStyle = '#FFFFFF';
            g.fillRect(r.x, r.y, r.w, r.h);
            const f = fitted(pictures[cards[i]], r);
            g.drawImage(pictures[cards[i]], f.x, f.y, f.w, f.h);
          } else if (back) g.drawImage(back, r.x, r.y, r.w, r.h);
          else {
            g.fillStyle = p.turned_color;
            g.fillRect(r.x, r.y, r.w, r.h);
          }
          if (cursor.on(i)) {
            g.strokeStyle = ink;
            g.strokeRect(r.x - 1.5, r.y - 1.5, r.w + 3, r.h + 3);
          }
        }
        if (found.every(Boolean)) banner(g, ctx, [`All pairs in ${tries} tries`, 'Click to play again']);
      },
      dispose() {
        cursor.stop();
        clearTimeout(timer);
      },
    };
  },
});
