// Games on a grid of squares: the sliding puzzle and the lights, played with the mouse or the
// keys. Each game tells its state in the canvas's accessible name, so it can be followed without
// sight.

import { P } from '../core/params.js';
import { banner, describeApplet, drawMessage, gridCursor, inkOn, listenKeys } from '../core/kit.js';
import { registerKind } from '../core/applet.js';

// --- Puzzle: the picture cut into length x length squares, the last one left empty.

// The square that moves into the hole when an arrow key is pressed: the one on the key's far side.
const SLIDE_FROM = { ArrowLeft: [1, 0], ArrowRight: [-1, 0], ArrowUp: [0, 1], ArrowDown: [0, -1] };

// Slides the squares between `cell` and the hole (same row or column) one place towards the hole.
export function slide(tiles, size, cell) {
  const hole = tiles.indexOf(size * size - 1);
  const [hx, hy, cx, cy] = [hole % size, Math.floor(hole / size), cell % size, Math.floor(cell / size)];
  if (cell === hole || (hx !== cx && hy !== cy)) return false;
  const step = hx === cx ? (cy > hy ? size : -size) : cx > hx ? 1 : -1;
  for (let i = hole; i !== cell; i += step) tiles[i] = tiles[i + step];
  tiles[cell] = size * size - 1;
  return true;
}

// A shuffle by random moves from the solved order, so every deal can be solved.
export function shuffledTiles(size, random = Math.random) {
  const tiles = Array.from({ length: size * size }, (_, i) => i);
  if (size < 2) return tiles;
  let previous = -1;
  for (let k = 0; k < 40 * size * size || tiles.every((t, i) => t === i); k++) {
    const hole = tiles.indexOf(size * size - 1);
    const near = [hole - size, hole + size, hole % size ? hole - 1 : -1, (hole + 1) % size ? hole + 1 : -1].filter((c) => c >= 0 && c < tiles.length && c !== previous);
    const cell = near[Math.floor(random() * near.length)];
    slide(tiles, size, cell);
    previous = hole;
  }
  return tiles;
}

registerKind('Puzzle', {
  drawsSeldom: true,
  params: {
    image_name: P.text(),
    length: P.int(4, { min: 2, max: 32 }),
    empty_color: P.color('#000000'),
    link: P.text(),
    target: P.text('_self'),
  },
  async create(ctx) {
    const p = ctx.params;
    const image = p.image_name ? await ctx.loadImage(p.image_name) : null;
    const ink = inkOn(ctx.background);
    const size = p.length;
    const hole = size * size - 1;
    const sw = ctx.width / size;
    const sh = ctx.height / size;
    let tiles = shuffledTiles(size);
    let solved = false;

    const tell = () => {
      describeApplet(ctx, `Sliding puzzle, ${size} by ${size}, ${solved ? 'solved' : 'squares'}: ${tiles.map((t) => (t === hole ? '_' : t + 1)).join(' ')}`);
      ctx.invalidate();
    };
    const move = (cell) => {
      if (solved) {
        tiles = shuffledTiles(size);
        solved = false;
      } else if (slide(tiles, size, cell) && tiles.every((t, i) => t === i)) {
        solved = true;
        if (p.link && !ctx.openLink(p.link, p.target)) ctx.log(`link ${JSON.stringify(p.link)} not followed`);
      }
      tell();
    };
    const stop = listenKeys(ctx, (key) => {
      if (!(key in SLIDE_FROM) || !image) return false;
      const at = tiles.indexOf(hole);
      const [dx, dy] = SLIDE_FROM[key];
      const x = (at % size) + dx;
      const y = Math.floor(at / size) + dy;
      if (x >= 0 && x < size && y >= 0 && y < size) move(y * size + x);
      return true;
    });
    tell();

    return {
      pointer(type, x, y) {
        if (type === 'click' && image) move(Math.min(size - 1, Math.floor(y / sh)) * size + Math.min(size - 1, Math.floor(x / sw)));
      },
      draw(g) {
        if (!image) {
          drawMessage(g, ctx, `Cannot show ${p.image_name || 'the picture'}`, ink);
          return;
        }
        if (solved) {
          g.drawImage(image, 0, 0, ctx.width, ctx.height);
          return;
        }
        const iw = image.naturalWidth / size;
        const ih = image.naturalHeight / size;
        for (let i = 0; i < tiles.length; i++) {
          const t = tiles[i];
          const x = Math.round((i % size) * sw);
          const y = Math.round(Math.floor(i / size) * sh);
          const w = Math.round(((i % size) + 1) * sw) - x;
          const h = Math.round((Math.floor(i / size) + 1) * sh) - y;
          if (t === hole) {
            g.fillStyle = p.empty_color;
            g.fillRect(x, y, w, h);
          } else g.drawImage(image, (t % size) * iw, Math.floor(t / size) * ih, iw, ih, x, y, w, h);
          g.strokeStyle = 'rgba(0,0,0,0.5)';
          g.strokeRect(x + 0.5, y + 0.5, w - 1, h - 1);
        }
      },
      dispose: stop,
    };
  },
});

// --- LightOn: a click switches a square and its four neighbours; the game ends when all are on.

export function press(lights, size, cell) {
  const x = cell % size;
  for (const c of [cell, cell - size, cell + size, x > 0 ? cell - 1 : -1, x < size - 1 ? cell + 1 : -1]) {
    if (c >= 0 && c < lights.length) lights[c] = !lights[c];
  }
}

// Random presses from the finished board, so the game can always be won.
export function scrambled(size, random = Math.random) {
  const lights = new Array(size * size).fill(true);
  while (lights.every(Boolean)) for (let i = 0; i < lights.length; i++) if (random() < 0.5) press(lights, size, i);
  return lights;
}

registerKind('LightOn', {
  drawsSeldom: true,
  params: {
    square_width: P.int(5, { min: 1, max: 40 }),
    off_color: P.color('#FFFFFF'),
    on_color: P.color('#FFFF00'),
  },
  create(ctx) {
    const p = ctx.params;
    const size = p.square_width;
    const sw = ctx.width / size;
    const sh = ctx.height / size;
    let lights = scrambled(size);
    let moves = 0;
    const won = () => lights.every(Boolean);

    const tell = () => {
      describeApplet(ctx, `Lights, ${size} by ${size}, ${won() ? `all on in ${moves} moves` : `${moves} moves`}: ${lights.map((on) => (on ? '1' : '0')).join('')}`);
      ctx.invalidate();
    };
    const act = (cell) => {
      if (won()) {
        lights = scrambled(size);
        moves = 0;
      } else {
        press(lights, size, cell);
        moves++;
      }
      tell();
    };
    const cursor = gridCursor(ctx, size, lights.length, act);
    tell();

    return {
      pointer(type, x, y) {
        if (type === 'click') act(Math.min(size - 1, Math.floor(y / sh)) * size + Math.min(size - 1, Math.floor(x / sw)));
      },
      draw(g) {
        for (let i = 0; i < lights.length; i++) {
          const x = Math.round((i % size) * sw);
          const y = Math.round(Math.floor(i / size) * sh);
          g.fillStyle = lights[i] ? p.on_color : p.off_color;
          g.fillRect(x + 1, y + 1, Math.round(((i % size) + 1) * sw) - x - 2, Math.round((Math.floor(i / size) + 1) * sh) - y - 2);
          if (cursor.on(i)) {
            g.strokeStyle = inkOn(lights[i] ? p.on_color : p.off_color);
            g.strokeRect(x + 3.5, y + 3.5, sw - 7, sh - 7);
          }
        }
        if (won()) banner(g, ctx, [`All on in ${moves} moves`, 'Click to play again']);
      },
      dispose: cursor.stop,
    };
  },
});
