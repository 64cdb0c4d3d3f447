// What several kinds draw, read or listen to the same way: the text color that reads on a
// background, a one-line message, the grey push button and rows of them, a picture fitted into a
// box, the accessible name and the parts screen readers and keys use, a file beside the page,
// the keys of a focused applet, the pointer for the kinds that follow it.

import { safeMediaUrl } from './links.js';
import { hideVisually } from './box.js';

// Black or white, whichever reads better on `color` ('#RRGGBB').
export function inkOn(color) {
  const n = Number.parseInt((color ?? '#000000').slice(1), 16);
  return 0.299 * ((n >> 16) & 255) + 0.587 * ((n >> 8) & 255) + 0.114 * (n & 255) > 140 ? '#000000' : '#FFFFFF';
}

// `text` as it fits `width` in g's font: whole, or cut after as many letters as leave room for
// an ellipsis (squeezed letters read worse than a cut label). Labels are drawn every frame, so
// the cuts are remembered.
const cuts = new Map();
export function fitText(g, text, width) {
  const key = `${g.font}|${width}|${text}`;
  let fitted = cuts.get(key);
  if (fitted !== undefined) return fitted;
  fitted = text;
  if (g.measureText(text).width > width) {
    const letters = Array.from(text);
    let [lo, hi] = [0, letters.length - 1];
    while (lo < hi) {
      const mid = (lo + hi + 1) >> 1;
      if (g.measureText(`${letters.slice(0, mid).join('')}\u2026`).width <= width) lo = mid;
      else hi = mid - 1;
    }
    fitted = `${letters.slice(0, lo).join('').trimEnd()}\u2026`;
  }
  if (cuts.size > 256) cuts.clear();
  cuts.set(key, fitted);
  return fitted;
}

// One line in the middle of the applet: what it shows when it has nothing else to show.
export function drawMessage(g, ctx, text, ink) {
  g.font = `${Math.max(8, Math.min(12, ctx.height - 4))}px sans-serif`;
  g.textAlign = 'center';
  g.textBaseline = 'middle';
  g.fillStyle = ink;
  g.fillText(fitText(g, text, Math.max(1, ctx.width - 8)), ctx.width / 2, ctx.height / 2);
}

export const inside = (x, y, r) => x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h;

// Where a pointer event lands, in the applet's own coordinates, whatever the size it is shown at.
export function appletPoint(ctx, event) {
  const shown = ctx.canvas.getBoundingClientRect();
  return [((event.clientX - shown.left) * ctx.width) / (shown.width || 1), ((event.clientY - shown.top) * ctx.height) / (shown.height || 1)];
}

// The least a fingertip can aim at, in CSS pixels as shown.
const FINGER = 24;

// Whether (x, y) hits the drawn control `r`: as drawn for a mouse or a pen, and for a finger
// within a rectangle grown about the same centre to at least FINGER pixels each way as shown, so
// that small controls keep their look and still take a tap.
export function hits(ctx, x, y, r, event) {
  if (event?.pointerType !== 'touch') return inside(x, y, r);
  const shown = ctx.canvas.getBoundingClientRect();
  const least = (FINGER * ctx.width) / (shown.width || ctx.width);
  const gx = Math.max(0, (least - r.w) / 2);
  const gy = Math.max(0, (least - r.h) / 2);
  return inside(x, y, { x: r.x - gx, y: r.y - gy, w: r.w + 2 * gx, h: r.h + 2 * gy });
}

// `color` ('#RRGGBB') made lighter (factor > 1) or darker (factor < 1).
function shade(color, factor) {
  const n = Number.parseInt(color.slice(1), 16);
  const c = (v) => Math.max(0, Math.min(255, Math.round(factor > 1 ? v + (255 - v) * (factor - 1) : v * factor)));
  return `rgb(${c((n >> 16) & 255)},${c((n >> 8) & 255)},${c(n & 255)})`;
}

// The grey button of the system's dialogs, and the look of a button in a color the page chose:
// edges shaded from its face, a wider bevel, a larger label that moves in when pressed.
const GREY_BUTTON = {
  face: '#D4D0C8',
  bevel: 1,
  raised: ['#FFFFFF', '#404040'],
  sunk: ['#808080', '#FFFFFF'],
  fontSize: (h) => Math.max(8, Math.min(13, h - 8)),
  label: () => [0, 1],
  margin: 4,
};

function buttonLook(color) {
  if (!color) return GREY_BUTTON;
  const [light, dark] = [shade(color, 1.6), shade(color, 0.55)];
  return {
    face: color,
    bevel: 2,
    raised: [light, dark],
    sunk: [dark, light],
    fontSize: (h) => Math.max(8, Math.min(16, Math.floor(h * 0.5))),
    label: (pressed) => (pressed ? [1, 1] : [0, 0]),
    margin: 6,
  };
}

// A raised button with its label in the rectangle `r`; a pressed one is sunk. Grey unless the
// page gives it a `color`; `focused` outlines it as the one the keys act on.
export function drawButton(g, r, label, pressed = false, { color = null, focused = false } = {}) {
  const look = buttonLook(color);
  const [topLeft, bottomRight] = pressed ? look.sunk : look.raised;
  const b = look.bevel;
  g.fillStyle = look.face;
  g.fillRect(r.x, r.y, r.w, r.h);
  g.fillStyle = topLeft;
  g.fillRect(r.x, r.y, r.w, b);
  g.fillRect(r.x, r.y, b, r.h);
  g.fillStyle = bottomRight;
  g.fillRect(r.x, r.y + r.h - b, r.w, b);
  g.fillRect(r.x + r.w - b, r.y, b, r.h);
  g.font = `${look.fontSize(r.h)}px sans-serif`;
  g.textAlign = 'center';
  g.textBaseline = 'middle';
  g.fillStyle = '#000000';
  const [dx, dy] = look.label(pressed);
  g.fillText(fitText(g, label, Math.max(1, r.w - look.margin)), r.x + r.w / 2 + dx, r.y + r.h / 2 + dy);
  if (focused) {
    g.strokeStyle = '#000000';
    g.setLineDash([1, 2]);
    g.strokeRect(r.x + 4.5, r.y + 4.5, r.w - 9, r.h - 9);
    g.setLineDash([]);
  }
}

// `count` buttons side by side across a strip.
export function buttonRow(count, x, y, w, h) {
  const gap = 3;
  const each = Math.max(1, Math.floor((w - gap * (count + 1)) / count));
  return Array.from({ length: count }, (_, i) => ({ x: x + gap + i * (each + gap), y, w: each, h }));
}

// The largest size of the image that fits the box, centred in it.
export function fitted(image, box) {
  const scale = Math.min(box.w / image.naturalWidth, box.h / image.naturalHeight);
  const w = image.naturalWidth * scale;
  const h = image.naturalHeight * scale;
  return { x: box.x + (box.w - w) / 2, y: box.y + (box.h - h) / 2, w, h };
}

// The applet's accessible name: how an applet that only draws tells its state without sight.
export function describeApplet(ctx, text) {
  ctx.describe(text);
}

// The name of an applet that shows the pictures `names` one after the other.
export function slideShowLabel(names) {
  return `Slide show, ${names.length} ${names.length === 1 ? 'image' : 'images'}`;
}

// An element of the applet that only assistive technology meets: text the canvas draws, or
// controls that do what the pointer does on the canvas. Never markup: fill it with textContent.
export function hiddenPart(ctx, tag) {
  const node = hideVisually(document.createElement(tag));
  ctx.box.append(node);
  return node;
}

// An element laid over the canvas at the applet's rectangle `r`; it follows the canvas's size.
export function overlay(ctx, tag, r) {
  const node = document.createElement(tag);
  Object.assign(node.style, {
    position: 'absolute', boxSizing: 'border-box', margin: '0',
    left: `${(100 * r.x) / ctx.width}%`, top: `${(100 * r.y) / ctx.height}%`,
    width: `${(100 * r.w) / ctx.width}%`, height: `${(100 * r.h) / ctx.height}%`,
  });
  ctx.box.append(node);
  return node;
}

// The visitor works the applet: the focus is on its canvas or one of its parts.
export function hasFocus(ctx) {
  return ctx.box.contains(document.activeElement);
}

// The text (its first `limit` characters) of a file beside the page, or { error } with the one
// line the applet shows instead. Never from the cache: the file may have just changed.
export async function readPageFile(name, limit) {
  const url = safeMediaUrl(name, document.baseURI);
  if (!url) return { error: `Cannot read ${name}` };
  // A page opened from the disk may not read other files: say so rather than try.
  if (new URL(url).protocol === 'file:') return { error: `Cannot read ${name}: open the page from a web server` };
  try {
    const response = await fetch(url, { cache: 'no-cache' });
    if (!response.ok) return { error: `Cannot read ${name} (${response.status})` };
    return { text: (await response.text()).slice(0, limit) };
  } catch {
    return { error: `Cannot read ${name}` };
  }
}

// Keys go to `onKey(key, event)` while the canvas has the focus (it takes the focus by tab); a
// true answer keeps the browser from its own use of the key. The applet is redrawn as the focus
// comes and goes. Returns what stops listening.
export function listenKeys(ctx, onKey) {
  const canvas = ctx.canvas;
  if (canvas.tabIndex < 0) canvas.tabIndex = 0;
  const handler = (event) => {
    if (onKey(event.key, event)) event.preventDefault();
  };
  canvas.addEventListener('keydown', handler);
  return () => canvas.removeEventListener('keydown', handler);
}

// A keyboard cursor over a grid of `count` cells: the arrows move it, Enter and Space act on
// its cell; `on(i)` tells whether to outline cell i.
export function gridCursor(ctx, columns, count, act) {
  const cursor = { at: 0, on: (i) => i === cursor.at && document.activeElement === ctx.canvas };
  cursor.stop = listenKeys(ctx, (key) => {
    const moves = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -columns, ArrowDown: columns };
    if (key === 'Enter' || key === ' ') act(cursor.at);
    else if (!(key in moves)) return false;
    else if (cursor.at + moves[key] >= 0 && cursor.at + moves[key] < count) cursor.at += moves[key];
    ctx.invalidate();
    return true;
  });
  return cursor;
}

// A centred banner over a game: its end, or what to do next.
export function banner(g, ctx, lines) {
  const size = Math.max(9, Math.min(16, Math.floor(ctx.height / 10)));
  const h = size * 1.4 * lines.length + 8;
  const y = Math.round((ctx.height - h) / 2);
  g.fillStyle = 'rgba(0,0,0,0.7)';
  g.fillRect(0, y, ctx.width, h);
  g.font = `bold ${size}px sans-serif`;
  g.textAlign = 'center';
  g.textBaseline = 'middle';
  g.fillStyle = '#FFFFFF';
  lines.forEach((line, i) => g.fillText(fitText(g, line, Math.max(1, ctx.width - 8)), ctx.width / 2, y + 4 + size * 1.4 * (i + 0.5)));
}

// A finger dragging on the applet moves what the applet moves instead of the page: every drag
// (`how` 'all'), or sideways ones only, upright ones still scrolling the page ('sideways').
// Other applets leave drags to the page and take taps as clicks at once.
export function ownDrags(ctx, how = 'all') {
  ctx.canvas.classList.add(how === 'sideways' ? 'morvane-applet-drags-sideways' : 'morvane-applet-drags');
}

// Where the pointer is, for the kinds that follow it: `mouse` is { inside, x, y }.
export function trackPointer(mouse, type, x, y) {
  if (type === 'leave') mouse.inside = false;
  else if (type === 'enter' || type === 'move' || type === 'down') {
    mouse.inside = true;
    mouse.x = x;
    mouse.y = y;
  }
}

// Moves `pos` towards `target` by `share` of the distance per step.
export function easeTowards(pos, target, share, n) {
  const k = 1 - (1 - share) ** n;
  pos.x += (target.x - pos.x) * k;
  pos.y += (target.y - pos.y) * k;
}
