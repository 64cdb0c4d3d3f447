// Menus of links: a pop-up menu with submenus opened by the mouse, and a button that opens a
// tree menu in a frame window of its own. Both are page elements of ours, built with DOM calls
// and textContent only: menu texts come from the page and are never read as HTML.

import { P, resolveParams } from '../core/params.js';
import { fitText, inkOn } from '../core/kit.js';
import { linkTo } from '../core/common.js';
import { safeLink } from '../core/links.js';
import { registerKind } from '../core/applet.js';

const FONT = '12px sans-serif';
// What the applet says it is when the page gives no text of its own.
const MENU_LABEL = 'Menu';

// Both menus: text1, link1, text11, link11, ... as one tree of items.
const ITEMS = { items: P.tree('text', 'link') };

// The tree a page's parameters describe, as the menus read it.
export function menuTree(raw) {
  return resolveParams(ITEMS, raw).items;
}

const isSeparator = (item) => /^\s*-+\s*$/.test(item.caption) && !item.link && item.children.length === 0;

function element(tag, style, text) {
  const node = document.createElement(tag);
  Object.assign(node.style, style);
  if (text !== undefined) node.textContent = text;
  return node;
}

// A panel shows above the page (a popover: no container's overflow cuts it) at a place in the
// window, while it stays in the page beside its applet, inside the same landmark.
const PANEL = {
  position: 'fixed',
  inset: 'auto',
  margin: '0',
  padding: '0',
  zIndex: '2147483000',
  font: FONT,
  color: '#000000',
  background: '#F0F0F0',
  border: '1px solid #808080',
  boxShadow: '2px 2px 4px rgba(0,0,0,0.35)',
  boxSizing: 'border-box',
  textAlign: 'left',
};

const ITEM = {
  display: 'flex',
  justifyContent: 'space-between',
  gap: '12px',
  width: '100%',
  padding: '3px 10px',
  border: '0',
  margin: '0',
  background: 'transparent',
  color: '#000000',
  font: FONT,
  textAlign: 'left',
  cursor: 'pointer',
  whiteSpace: 'nowrap',
};

function highlight(button, on) {
  button.style.background = on ? '#000080' : 'transparent';
  button.style.color = on ? '#FFFFFF' : '#000000';
}

function follow(ctx, link, target) {
  if (!ctx.openLink(link, target)) ctx.log(`link ${JSON.stringify(link)} not followed`);
}

// An item of either menu: a real link when its address may be followed (the browser opens it,
// in a new tab too, and shows where it leads), else a button.
function itemElement(item, target, style, role) {
  const url = item.link ? safeLink(item.link, document.baseURI) : null;
  const node = element(url ? 'a' : 'button', { ...style, textDecoration: 'none' });
  if (url) {
    linkTo(node, url, target);
    node.className = 'morvane-applet-link';
    node.draggable = false;
  } else node.type = 'button';
  node.setAttribute('role', role);
  return node;
}

// What a click on an item does beyond the browser's own following of a link.
function followUnlessLink(ctx, node, item, target) {
  if (item.link && node.tagName !== 'A') follow(ctx, item.link, target);
}

// A "-" item: a line between groups of items, in both menus.
function separator() {
  const line = element('div', { height: '0', margin: '3px 4px', borderTop: '1px solid #A0A0A0', borderBottom: '1px solid #FFFFFF' });
  line.setAttribute('role', 'separator');
  return line;
}

function focusSibling(button, delta) {
  const buttons = [...button.parentElement.querySelectorAll(':scope > [role="menuitem"]')];
  const next = buttons[(buttons.indexOf(button) + delta + buttons.length) % buttons.length];
  next?.focus();
}

// --- MenuPopUp

// A menu panel and its open submenu, if any; `close` ends the whole menu.
class PopupMenu {
  constructor(ctx, items, target, owner, close) {
    this.ctx = ctx;
    this.target = target;
    this.owner = owner;
    this.close = close;
    this.child = null;
    this.panel = element('div', { ...PANEL, padding: '2px 0' });
    this.panel.className = 'morvane-applet-panel';
    this.panel.setAttribute('role', 'menu');
    for (const item of items) this.panel.append(isSeparator(item) ? separator() : this.button(item));
  }

  button(item) {
    const button = itemElement(item, this.target, ITEM, 'menuitem');
    button.append(element('span', {}, item.caption));
    const hasSubmenu = item.children.length > 0;
    if (hasSubmenu) {
      button.setAttribute('aria-haspopup', 'menu');
      button.append(element('span', {}, '\u25B8'));
    }
    const openSubmenu = () => {
      this.closeChild();
      highlight(button, true);
      if (hasSubmenu) {
        this.child = new PopupMenu(this.ctx, item.children, this.target, this.owner, this.close);
        this.child.parentButton = button;
        this.child.showBeside(button);
      }
    };
    button.addEventListener('pointerenter', openSubmenu);
    button.addEventListener('focus', () => {
      if (this.child?.parentButton !== button) this.closeChild();
      highlight(button, true);
    });
    button.addEventListener('blur', () => {
      if (this.child?.parentButton !== button) highlight(button, false);
    });
    button.addEventListener('pointerleave', () => {
      if (this.child?.parentButton !== button) highlight(button, false);
    });
    button.addEventListener('click', () => {
      if (item.link) {
        this.close(false);
        followUnlessLink(this.ctx, button, item, this.target);
      } else if (hasSubmenu) {
        openSubmenu();
        this.child?.focusFirst();
      }
    });
    button.addEventListener('keydown', (event) => {
      const keys = {
        ArrowDown: () => focusSibling(button, 1),
        ArrowUp: () => focusSibling(button, -1),
        ArrowRight: () => hasSubmenu && (openSubmenu(), this.child.focusFirst()),
        ArrowLeft: () => this.parentButton && this.owner.closeAfter(this),
        Escape: () => this.close(true),
      };
      if (!keys[event.key]) return;
      event.preventDefault();
      event.stopPropagation();
      keys[event.key]();
    });
    return button;
  }

  // In the page, in the applet's box, so that it can be measured.
  mount() {
    if (this.panel.isConnected) return;
    this.panel.popover = 'manual';
    this.ctx.box.append(this.panel);
    this.panel.showPopover?.();
  }

  // Shown with its top-left corner at window position (x, y), moved back inside the window.
  showAt(x, y) {
    this.mount();
    const left = Math.max(0, Math.min(x, document.documentElement.clientWidth - this.panel.offsetWidth));
    const top = Math.max(0, Math.min(y, document.documentElement.clientHeight - this.panel.offsetHeight));
    Object.assign(this.panel.style, { left: `${left}px`, top: `${top}px` });
  }

  showBeside(button) {
    const box = button.getBoundingClientRect();
    this.mount();
    const roomRight = box.right + this.panel.offsetWidth <= document.documentElement.clientWidth;
    const x = roomRight ? box.right - 2 : box.left - this.panel.offsetWidth + 2;
    this.showAt(x, box.top - 3);
  }

  focusFirst() {
    this.panel.querySelector('[role="menuitem"]')?.focus();
  }

  closeChild() {
    if (!this.child) return;
    const button = this.child.parentButton;
    this.child.remove();
    this.child = null;
    highlight(button, false);
  }

  closeAfter(menu) {
    for (let m = this; m; m = m.child) {
      if (m.child === menu) {
        const button = menu.parentButton;
        m.closeChild();
        button.focus();
        return;
      }
    }
  }

  contains(node) {
    for (let m = this; m; m = m.child) if (m.panel.contains(node)) return true;
    return false;
  }

  remove() {
    this.closeChild();
    this.panel.remove();
  }
}

// Time the pointer may spend outside the applet and the menu before a mouse-over menu closes.
const LEAVE_GRACE = 400;

registerKind('MenuPopUp', {
  drawsSeldom: true,
  label: (p) => p.text.trim() || MENU_LABEL,
  params: {
    text_height: P.int(10, { max: 2000 }),
    text: P.text(),
    text_color: P.color('#FFFFFF'),
    target: P.text('_self'),
    mode: P.choice(['enter', 'clic'], 'enter'),
    location: P.choice(['center', 'random', 'mouse'], 'center'),
    ...ITEMS,
  },
  create(ctx) {
    const p = ctx.params;
    const items = p.items;
    const canvas = ctx.canvas;
    if (canvas.tabIndex < 0) canvas.tabIndex = 0;
    canvas.setAttribute('role', 'button');
    canvas.setAttribute('aria-label', p.text.trim() || MENU_LABEL);
    canvas.setAttribute('aria-haspopup', 'menu');
    canvas.setAttribute('aria-expanded', 'false');
    let menu = null;
    let leaveTimer = 0;
    const stay = () => {
      clearTimeout(leaveTimer);
      leaveTimer = 0;
    };
    const leaveSoon = () => {
      if (!leaveTimer) leaveTimer = setTimeout(() => close(false), LEAVE_GRACE);
    };

    const close = (refocus) => {
      stay();
      if (!menu) return;
      menu.remove();
      menu = null;
      canvas.setAttribute('aria-expanded', 'false');
      if (refocus) canvas.focus();
    };
    const open = (x, y) => {
      close(false);
      if (items.length === 0) return;
      menu = new PopupMenu(ctx, items, p.target, null, close);
      menu.owner = menu;
      const box = canvas.getBoundingClientRect();
      const scale = box.width / ctx.width || 1;
      const spot = {
        center: [ctx.width / 2, ctx.height / 2],
        random: [Math.random() * ctx.width, Math.random() * ctx.height],
        mouse: [x, y],
      }[p.location];
      menu.mount();
      const centre = p.location === 'center';
      const left = box.left + spot[0] * scale - (centre ? menu.panel.offsetWidth / 2 : 0);
      const top = box.top + spot[1] * scale - (centre ? menu.panel.offsetHeight / 2 : 0);
      menu.showAt(left, top);
      canvas.setAttribute('aria-expanded', 'true');
    };
    // A mouse-over menu closes once the pointer has left both the applet and every panel.
    const pointerAway = (event) => {
      if (!menu || p.mode !== 'enter') return;
      if (event.target === canvas || menu.contains(event.target)) stay();
      else leaveSoon();
    };
    const pressAway = (event) => {
      if (menu && event.target !== canvas && !menu.contains(event.target)) close(false);
    };
    const keys = (event) => {
      if (['Enter', ' ', 'ArrowDown'].includes(event.key) && !menu) {
        event.preventDefault();
        open(ctx.width / 2, ctx.height / 2);
        menu?.focusFirst();
      } else if (event.key === 'Escape') close(true);
    };
    document.addEventListener('pointerover', pointerAway);
    document.addEventListener('pointerdown', pressAway);
    canvas.addEventListener('keydown', keys);
    return {
      pointer(type, x, y) {
        if (type === 'enter' && p.mode === 'enter' && !menu) open(x, y);
        // The pointer may leave the window from the applet, where no other element hears it.
        else if (type === 'leave' && p.mode === 'enter' && menu) leaveSoon();
        else if (type === 'click' && p.mode === 'clic') {
          if (menu) close(false);
          else open(x, y);
        }
      },
      draw(g) {
        if (!p.text) return;
        g.font = `${p.text_height}px sans-serif`;
        g.textAlign = 'center';
        g.textBaseline = 'middle';
        g.fillStyle = p.text_color;
        g.fillText(p.text, ctx.width / 2, ctx.height / 2);
      },
      dispose() {
        close(false);
        document.removeEventListener('pointerover', pointerAway);
        document.removeEventListener('pointerdown', pressAway);
        canvas.removeEventListener('keydown', keys);
      },
    };
  },
});

// --- MenuFrame

const FRAME_TITLE = 'Menu';

// One row of the tree: a node with children opens and closes its branch, a node with a link follows it.
function treeRows(ctx, items, target, depth, into) {
  for (const item of items) {
    if (isSeparator(item)) {
      into.append(separator());
      continue;
    }
    const branch = item.children.length > 0;
    const row = itemElement(item, target, { ...ITEM, justifyContent: 'flex-start', gap: '4px', padding: `2px 6px 2px ${6 + depth * 14}px` }, 'treeitem');
    const mark = element('span', { display: 'inline-block', width: '10px' }, branch ? '\u25B8' : '');
    row.append(mark, element('span', { textDecoration: item.link ? 'underline' : 'none' }, item.caption));
    into.append(row);
    let children = null;
    if (branch) {
      row.setAttribute('aria-expanded', 'false');
      children = element('div', { display: 'none' });
      children.setAttribute('role', 'group');
      treeRows(ctx, item.children, target, depth + 1, children);
      into.append(children);
    }
    row.addEventListener('pointerenter', () => highlight(row, true));
    row.addEventListener('pointerleave', () => highlight(row, false));
    row.addEventListener('focus', () => highlight(row, true));
    row.addEventListener('blur', () => highlight(row, false));
    row.addEventListener('click', () => {
      followUnlessLink(ctx, row, item, target);
      if (children) {
        const opening = children.style.display === 'none';
        children.style.display = opening ? 'block' : 'none';
        mark.textContent = opening ? '\u25BE' : '\u25B8';
        row.setAttribute('aria-expanded', String(opening));
      }
    });
  }
}

registerKind('MenuFrame', {
  drawsSeldom: true,
  label: () => MENU_LABEL,
  params: {
    frame_width: P.int(300, { max: 4096 }),
    frame_height: P.int(67, { max: 4096 }),
    frame_X: P.int(350, { max: 100000 }),
    frame_Y: P.int(300, { max: 100000 }),
    target: P.text('_self'),
    ...ITEMS,
  },
  create(ctx) {
    const p = ctx.params;
    const items = p.items;
    const ink = inkOn(ctx.background);
    const canvas = ctx.canvas;
    canvas.style.cursor = 'pointer';
    canvas.setAttribute('role', 'button');
    canvas.setAttribute('aria-label', MENU_LABEL);
    canvas.setAttribute('aria-haspopup', 'tree');
    canvas.setAttribute('aria-expanded', 'false');
    if (canvas.tabIndex < 0) canvas.tabIndex = 0;
    let frame = null;
    // Where the visitor last left the frame: it opens there again.
    let place = { x: p.frame_X, y: p.frame_Y };

    const close = (refocus) => {
      if (!frame) return;
      frame.remove();
      frame = null;
      canvas.setAttribute('aria-expanded', 'false');
      ctx.invalidate();
      if (refocus) canvas.focus();
    };
    const moveTo = (x, y) => {
      const width = document.documentElement.clientWidth;
      const height = document.documentElement.clientHeight;
      place = { x: Math.max(0, Math.min(x, width - frame.offsetWidth)), y: Math.max(0, Math.min(y, height - frame.offsetHeight)) };
      Object.assign(frame.style, { left: `${place.x}px`, top: `${place.y}px` });
    };
    const open = () => {
      frame = element('div', { ...PANEL, position: 'fixed', display: 'flex', flexDirection: 'column', width: `${p.frame_width}px`, height: `${p.frame_height}px` });
      frame.className = 'morvane-applet-panel';
      frame.setAttribute('role', 'dialog');
      frame.setAttribute('aria-label', FRAME_TITLE);
      const bar = element('div', { display: 'flex', alignItems: 'center', justifyContent: 'space-between', background: '#000080', color: '#FFFFFF', padding: '2px 2px 2px 6px', cursor: 'move', userSelect: 'none', flex: 'none', touchAction: 'none' });
      const shut = element('button', { font: FONT, width: '18px', height: '16px', padding: '0', lineHeight: '14px', cursor: 'pointer' }, '\u00D7');
      shut.type = 'button';
      shut.className = 'morvane-applet-close';
      shut.setAttribute('aria-label', 'Close');
      shut.addEventListener('click', () => close(true));
      bar.append(element('span', { fontWeight: 'bold' }, FRAME_TITLE), shut);
      const tree = element('div', { overflow: 'auto', flex: '1', padding: '2px 0', background: '#FFFFFF' });
      tree.setAttribute('role', 'tree');
      treeRows(ctx, items, p.target, 0, tree);
      frame.append(bar, tree);
      frame.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') close(true);
        else if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
          const rows = [...tree.querySelectorAll('[role="treeitem"]')].filter((b) => b.offsetParent !== null);
          const i = rows.indexOf(document.activeElement);
          rows[(i + (event.key === 'ArrowDown' ? 1 : rows.length - 1)) % rows.length]?.focus();
        } else return;
        event.preventDefault();
      });
      bar.addEventListener('pointerdown', (event) => {
        if (event.target === shut) return;
        const grab = { x: event.clientX - place.x, y: event.clientY - place.y };
        bar.setPointerCapture(event.pointerId);
        const drag = (e) => moveTo(e.clientX - grab.x, e.clientY - grab.y);
        const drop = () => {
          bar.removeEventListener('pointermove', drag);
          bar.removeEventListener('pointerup', drop);
        };
        bar.addEventListener('pointermove', drag);
        bar.addEventListener('pointerup', drop);
      });
      document.body.append(frame);
      moveTo(place.x, place.y);
      canvas.setAttribute('aria-expanded', 'true');
      ctx.invalidate();
    };
    const toggle = () => (frame ? close(false) : open());
    const keys = (event) => {
      if (event.key !== 'Enter' && event.key !== ' ') return;
      event.preventDefault();
      if (!frame) open();
      frame?.querySelector('[role=treeitem]')?.focus();
    };
    canvas.addEventListener('keydown', keys);
    return {
      pointer(type) {
        if (type === 'click') toggle();
      },
      draw(g) {
        g.strokeStyle = ink;
        g.lineWidth = 1;
        g.strokeRect(1.5, 1.5, ctx.width - 3, ctx.height - 3);
        g.font = `${Math.max(8, Math.min(16, Math.floor(ctx.height * 0.5)))}px sans-serif`;
        g.textAlign = 'center';
        g.textBaseline = 'middle';
        g.fillStyle = ink;
        g.fillText(fitText(g, `${MENU_LABEL} ${frame ? '\u25BE' : '\u25B8'}`, ctx.width - 8), ctx.width / 2, ctx.height / 2);
      },
      dispose() {
        close(false);
        canvas.removeEventListener('keydown', keys);
      },
    };
  },
});
