// Links: a push button, check boxes and a list of titles that open pages, and a row of image
// buttons.

import { P } from '../core/params.js';
import { appletPoint, drawButton, fitText, hasFocus, hiddenPart, hits, inkOn, inside, listenKeys } from '../core/kit.js';
import { linkCanvas, linkTo } from '../core/common.js';
import { safeLink } from '../core/links.js';
import { registerKind } from '../core/applet.js';

const FONT = 'px sans-serif';

// What opening the link gave (see ctx.openLink), null when it was refused.
function follow(ctx, link, target) {
  if (!link) return null;
  const result = ctx.openLink(link, target);
  if (!result) ctx.log(`link ${JSON.stringify(link)} not followed`);
  return result;
}

// The real controls behind the drawn ones, for the keys and screen readers: `make(i)` builds the
// i-th; the arrow keys `back` and `forward` move between them, as on the canvas before.
function hiddenControls(ctx, count, make, [back, forward] = ['ArrowUp', 'ArrowDown']) {
  const holder = hiddenPart(ctx, 'div');
  const controls = Array.from({ length: count }, (_, i) => holder.appendChild(make(i)));
  holder.addEventListener('keydown', (event) => {
    const step = { [back]: -1, [forward]: 1 }[event.key];
    const at = controls.indexOf(event.target);
    if (!step || at < 0) return;
    event.preventDefault();
    controls[(at + step + count) % count].focus();
  });
  return controls;
}

function control(tag, type, label) {
  const node = document.createElement(tag);
  node.type = type;
  if (tag === 'button' && label !== undefined) node.textContent = label;
  return node;
}

// --- ButtonLink

registerKind('ButtonLink', {
  drawsSeldom: true,
  params: {
    text: P.text(),
    button_width: P.int(({ width }) => width),
    button_height: P.int(({ height }) => height),
    link: P.text(),
    button_color: P.color('#FFFFFF'),
    target: P.text('_self'),
  },
  create(ctx) {
    const p = ctx.params;
    const w = Math.min(ctx.width, p.button_width);
    const h = Math.min(ctx.height, p.button_height);
    const face = { x: Math.floor((ctx.width - w) / 2), y: Math.floor((ctx.height - h) / 2), w, h };
    let pressed = false;
    // The button is a real link: the browser opens it, in a new tab too, and shows its address.
    const anchor = linkCanvas(ctx.canvas, p.link, p.target);
    anchor?.setAttribute('aria-label', p.text);
    // Around the button the canvas is no link.
    const outside = (event) => {
      const [x, y] = appletPoint(ctx, event);
      if (!inside(x, y, face)) event.preventDefault();
    };
    anchor?.addEventListener('click', outside);
    const press = (value) => {
      if (pressed !== value) {
        pressed = value;
        ctx.invalidate();
      }
    };
    return {
      pointer(type, x, y) {
        const over = inside(x, y, face);
        ctx.canvas.style.cursor = over && anchor ? 'pointer' : 'default';
        if (type === 'down') press(over);
        else if (type === 'up' || type === 'leave') press(false);
        else if (type === 'click' && over && !anchor && p.link) ctx.log(`link ${JSON.stringify(p.link)} not followed`);
      },
      draw(g) {
        drawButton(g, face, p.text, pressed, { color: p.button_color, focused: hasFocus(ctx) });
      },
      dispose: () => anchor?.removeEventListener('click', outside),
    };
  },
});

// --- CheckBoxLink and ListLink: rows of texts, each with its link.

const GO_LABEL = 'Go';

// The texts, as many as `number` says, and their links beside them.
const ROWS = {
  texts: P.aligned('text', { count: 'number' }),
  links: P.aligned('link', { count: 'number', by: 'text' }),
};

// The rows, how many, and the ink that reads on the background.
function textsAndLinks(ctx) {
  const { texts, links } = ctx.params;
  return { n: texts.length, texts, links, ink: inkOn(ctx.background) };
}

function rowHeight(height, rows) {
  return Math.max(10, Math.min(20, Math.floor(height / Math.max(1, rows))));
}

// Links the popup blocker kept from opening, offered as real links: following one is a click of
// the visitor's own, which the blocker lets through.
function offerBlocked(ctx, blocked, target) {
  ctx.box.querySelector('.morvane-blocked')?.remove();
  if (blocked.length === 0) return;
  const panel = document.createElement('div');
  panel.className = 'morvane-blocked morvane-applet-panel';
  panel.setAttribute('role', 'alert');
  Object.assign(panel.style, {
    position: 'absolute', left: '0', top: '0', zIndex: '1', maxWidth: '100%', maxHeight: '100%', overflow: 'auto',
    boxSizing: 'border-box', padding: '4px 20px 4px 6px', font: '12px sans-serif', lineHeight: '1.4',
    color: '#000000', background: '#FFFFE1', border: '1px solid #808080', textAlign: 'left',
  });
  const note = document.createElement('div');
  note.textContent = blocked.length === 1 ? 'The browser blocked this window; open it here:' : 'The browser blocked these windows; open them here:';
  const list = document.createElement('ul');
  Object.assign(list.style, { margin: '2px 0 0', paddingLeft: '16px' });
  for (const { text, url } of blocked) {
    const item = document.createElement('li');
    const link = document.createElement('a');
    linkTo(link, url, target);
    link.textContent = text;
    link.addEventListener('click', () => {
      item.remove();
      if (!list.children.length) panel.remove();
    });
    item.append(link);
    list.append(item);
  }
  const shut = control('button', 'button', '\u00D7');
  shut.className = 'morvane-applet-close';
  shut.setAttribute('aria-label', 'Close');
  Object.assign(shut.style, { position: 'absolute', right: '2px', top: '2px', padding: '0 4px', font: 'inherit', lineHeight: '1' });
  shut.addEventListener('click', () => panel.remove());
  panel.append(note, list, shut);
  ctx.box.append(panel);
  list.querySelector('a').focus();
}

registerKind('CheckBoxLink', {
  drawsSeldom: true,
  params: { target: P.text('_blank'), ...ROWS, checked: P.numbered('checked', P.choice(['yes', 'no'], 'yes')) },
  label: () => 'Pages to open',
  create(ctx) {
    const { n, texts, links, ink } = textsAndLinks(ctx);
    const ticked = texts.map((_, i) => ctx.params.checked.get(i + 1) !== 'no');
    const row = rowHeight(ctx.height, n + 1);
    const go = { x: ctx.width - 50, y: ctx.height - row, w: 46, h: row };
    // Rows that do not fit above the button scroll with the wheel and the keys.
    const shown = Math.max(1, Math.floor((ctx.height - row) / row));
    let first = 0;
    let current = 0; // the row the keyboard acts on; n is the Go button
    let pressed = false;
    const scrollTo = (top) => {
      first = Math.max(0, Math.min(n - shown, top));
    };
    const wheel = (event) => {
      if (n <= shown) return;
      event.preventDefault();
      scrollTo(first + Math.sign(event.deltaY));
      ctx.invalidate();
    };
    ctx.canvas.addEventListener('wheel', wheel, { passive: false });

    // Every ticked link the browser lets open; the others are offered to follow by hand.
    const open = () => {
      const blocked = [];
      for (let i = 0; i < n; i++) {
        const result = ticked[i] ? follow(ctx, links[i], ctx.params.target) : null;
        if (result && !result.opened) blocked.push({ text: texts[i] || links[i], url: result.url });
      }
      offerBlocked(ctx, blocked, ctx.params.target);
    };
    const controls = hiddenControls(ctx, n + 1, (i) => {
      const node = i < n ? control('input', 'checkbox') : control('button', 'button', GO_LABEL);
      if (i < n) {
        node.checked = ticked[i];
        node.setAttribute('aria-label', texts[i] || links[i]);
        node.addEventListener('change', () => {
          ticked[i] = node.checked;
          ctx.invalidate();
        });
        node.addEventListener('keydown', (event) => event.key === 'Enter' && open());
      } else node.addEventListener('click', open);
      node.addEventListener('focus', () => {
        current = i;
        if (i < n && (i < first || i >= first + shown)) scrollTo(i < first ? i : i - shown + 1);
        ctx.invalidate();
      });
      return node;
    });
    const toggle = (i) => {
      ticked[i] = !ticked[i];
      controls[i].checked = ticked[i];
      ctx.invalidate();
    };
    return {
      pointer(type, x, y, event) {
        const onGo = hits(ctx, x, y, go, event);
        if (type === 'down' && onGo) pressed = true;
        if (type === 'up' || type === 'leave') pressed = false;
        if (type === 'click') {
          const i = first + Math.floor(y / row);
          if (onGo) open();
          else if (y < shown * row && i < n) toggle(i);
        }
        ctx.invalidate();
      },
      draw(g) {
        const box = Math.max(6, row - 8);
        g.font = `${Math.max(8, row - 6)}${FONT}`;
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        for (let i = first; i < Math.min(n, first + shown); i++) {
          const y = (i - first) * row;
          const by = y + Math.floor((row - box) / 2);
          g.fillStyle = '#FFFFFF';
          g.fillRect(4, by, box, box);
          g.strokeStyle = '#808080';
          g.lineWidth = 1;
          g.strokeRect(4.5, by + 0.5, box - 1, box - 1);
          if (ticked[i]) {
            g.strokeStyle = '#000000';
            g.lineWidth = 2;
            g.beginPath();
            g.moveTo(6, by + box / 2);
            g.lineTo(4 + box * 0.4, by + box - 3);
            g.lineTo(2 + box, by + 2);
            g.stroke();
          }
          g.fillStyle = ink;
          g.fillText(fitText(g, texts[i], Math.max(1, ctx.width - box - 14)), box + 10, y + row / 2);
          if (hasFocus(ctx) && current === i) {
            g.strokeStyle = ink;
            g.lineWidth = 1;
            g.setLineDash([1, 2]);
            g.strokeRect(1.5, y + 0.5, ctx.width - 3, row - 1);
            g.setLineDash([]);
          }
        }
        drawButton(g, go, GO_LABEL, pressed, { color: '#C0C0C0', focused: hasFocus(ctx) && current === n });
      },
      dispose() {
        ctx.canvas.removeEventListener('wheel', wheel);
      },
    };
  },
});

registerKind('ListLink', {
  drawsSeldom: true,
  params: { target: P.text('_blank'), ...ROWS },
  label: () => 'Pages to open',
  create(ctx) {
    const { n, texts, links, ink } = textsAndLinks(ctx);
    const row = 18;
    const visible = Math.max(1, Math.floor((ctx.height - 4) / row));
    let selected = n > 0 ? 0 : -1;
    let first = 0;

    // A real list box takes the keys (arrows, pages, first letters) and tells the choice.
    const list = hiddenPart(ctx, 'select');
    list.size = Math.max(2, Math.min(n, visible));
    list.setAttribute('aria-label', 'Pages; Enter opens the chosen one');
    for (let i = 0; i < n; i++) list.append(new Option(texts[i] || links[i] || ' '));
    list.selectedIndex = selected;
    const select = (i) => {
      selected = Math.max(0, Math.min(n - 1, i));
      list.selectedIndex = selected;
      if (selected < first) first = selected;
      if (selected >= first + visible) first = selected - visible + 1;
      ctx.invalidate();
    };
    const open = () => {
      if (selected >= 0 && links[selected]) follow(ctx, links[selected], ctx.params.target);
    };
    list.addEventListener('change', () => select(list.selectedIndex));
    list.addEventListener('keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      open();
    });
    const wheel = (event) => {
      if (n <= visible) return;
      event.preventDefault();
      first = Math.max(0, Math.min(n - visible, first + Math.sign(event.deltaY)));
      ctx.invalidate();
    };
    ctx.canvas.addEventListener('wheel', wheel, { passive: false });
    return {
      pointer(type, x, y, event) {
        if (type !== 'click' || n === 0) return;
        const i = first + Math.floor((y - 2) / row);
        if (i < 0 || i >= n) return;
        select(i);
        if (event.detail >= 2) open();
      },
      draw(g) {
        g.font = `12${FONT}`;
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        for (let k = 0; k < visible && first + k < n; k++) {
          const i = first + k;
          const y = 2 + k * row;
          if (i === selected) {
            g.fillStyle = '#000080';
            g.fillRect(2, y, ctx.width - 4, row);
          }
          g.fillStyle = i === selected ? '#FFFFFF' : ink;
          g.fillText(fitText(g, texts[i], Math.max(1, ctx.width - 12)), 6, y + row / 2);
        }
        if (n > visible) {
          // Where the shown rows stand in the whole list.
          const h = Math.max(6, ((ctx.height - 4) * visible) / n);
          const top = 2 + ((ctx.height - 4 - h) * first) / (n - visible);
          g.fillStyle = '#808080';
          g.fillRect(ctx.width - 5, top, 3, h);
        }
        if (hasFocus(ctx)) {
          g.strokeStyle = ink;
          g.lineWidth = 1;
          g.strokeRect(0.5, 0.5, ctx.width - 1, ctx.height - 1);
        }
      },
      dispose() {
        ctx.canvas.removeEventListener('wheel', wheel);
      },
    };
  },
});

// --- Navigation: image buttons side by side (or one under the other) that light up under the mouse.

registerKind('Navigation', {
  drawsSeldom: true,
  label: () => 'Navigation',
  params: {
    direction: P.choice(['horizontal', 'vertical'], 'horizontal'),
    target: P.text('_blank'),
    links: P.aligned('link', { count: 'number' }),
    images: P.aligned('image', { count: 'number', by: 'link' }),
    lit_images: P.aligned('image_focused', { count: 'number', by: 'link' }),
  },
  async create(ctx) {
    const { links } = ctx.params;
    const n = links.length;
    const load = (names) => Promise.all(names.map((name) => (name ? ctx.loadImage(name) : null)));
    const [images, lit] = await Promise.all([load(ctx.params.images), load(ctx.params.lit_images)]);
    const vertical = ctx.params.direction === 'vertical';
    // A missing picture keeps its place, the size of the first one that loaded.
    const known = images.find(Boolean) ?? lit.find(Boolean);
    const fallback = { w: known?.naturalWidth ?? 60, h: known?.naturalHeight ?? 20 };
    const buttons = [];
    let at = 0;
    for (let i = 0; i < n; i++) {
      const image = images[i] ?? lit[i];
      const w = image?.naturalWidth ?? fallback.w;
      const h = image?.naturalHeight ?? fallback.h;
      buttons.push(vertical ? { x: 0, y: at, w, h } : { x: at, y: 0, w, h });
      at += vertical ? h : w;
    }
    let over = -1;
    let current = 0;
    const target = ctx.params.target;
    const urls = links.map((link) => safeLink(link, document.baseURI));
    // The canvas is in a link to the button under the pointer (its address shown, a middle click
    // or a long press open it), and in no link between buttons. The keys and screen readers meet
    // the buttons as links of their own.
    const canvasLink = linkCanvas(ctx.canvas, links.find((_, i) => urls[i]) ?? '', target);
    canvasLink?.removeAttribute('href');
    canvasLink?.setAttribute('tabindex', '-1');
    canvasLink?.setAttribute('aria-hidden', 'true');
    const pointAt = (i) => {
      if (!canvasLink) return;
      if (i >= 0 && urls[i]) canvasLink.href = urls[i];
      else canvasLink.removeAttribute('href');
    };
    // The pictures say nothing of where they lead: each button is named by its link.
    hiddenControls(ctx, n, (i) => {
      const name = links[i] || ctx.params.images[i] || `${i + 1}`;
      const button = urls[i] ? linkTo(document.createElement('a'), urls[i], target) : control('button', 'button', name);
      if (urls[i]) {
        button.className = 'morvane-applet-link';
        button.textContent = name;
      } else button.addEventListener('click', () => follow(ctx, links[i], target));
      button.addEventListener('focus', () => {
        current = i;
        ctx.invalidate();
      });
      return button;
    }, vertical ? ['ArrowUp', 'ArrowDown'] : ['ArrowLeft', 'ArrowRight']);
    return {
      pointer(type, x, y) {
        const hit = type === 'leave' ? -1 : buttons.findIndex((b) => inside(x, y, b));
        if (hit !== over) {
          over = hit;
          pointAt(hit);
          ctx.canvas.style.cursor = hit >= 0 ? 'pointer' : 'default';
          ctx.invalidate();
        }
        if (type === 'click' && hit >= 0 && links[hit] && !urls[hit]) follow(ctx, links[hit], target);
      },
      draw(g) {
        const keyboard = hasFocus(ctx) ? current : -1;
        buttons.forEach((b, i) => {
          const image = (i === over || i === keyboard) && lit[i] ? lit[i] : images[i];
          if (image) g.drawImage(image, b.x, b.y);
          else {
            g.strokeStyle = '#808080';
            g.strokeRect(b.x + 0.5, b.y + 0.5, b.w - 1, b.h - 1);
          }
          // Without a lit picture, the keys' button needs a mark of its own.
          if (i === keyboard && !lit[i]) {
            g.strokeStyle = inkOn(ctx.background);
            g.setLineDash([1, 2]);
            g.strokeRect(b.x + 2.5, b.y + 2.5, b.w - 5, b.h - 5);
            g.setLineDash([]);
          }
        });
      },
    };
  },
});
