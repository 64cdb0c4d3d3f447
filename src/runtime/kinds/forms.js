// Forms: a guest book that shows the messages of its file and mails the visitor's own, and a
// login window that leads each member to his page. The login list is a plain file beside the
// page that anyone can read: it keeps casual visitors out and protects nothing.

import { P } from '../core/params.js';
import { drawButton, fitText, hiddenPart, hits, inkOn, listenKeys, overlay, readPageFile } from '../core/kit.js';
import { registerKind } from '../core/applet.js';

const FONT = 'px sans-serif';
const MAX_FILE = 1024 * 1024;
const MAX_FIELD = 4000;

// --- GuestBook

// Messages of the guest-book file: blocks of "Name:", "E-mail:" and "Date:" lines, then the
// text, each block ended by a line holding only "%%" (the last one may lack it).
export function guestBookMessages(text) {
  const messages = [];
  let current = null;
  const flush = () => {
    if (current && (current.name || current.email || current.lines.some((l) => l.trim()))) {
      while (current.lines.length && !current.lines[current.lines.length - 1].trim()) current.lines.pop();
      messages.push(current);
    }
    current = null;
  };
  for (const line of text.split(/\r\n|\r|\n/)) {
    if (line.trim() === '%%') {
      flush();
      continue;
    }
    current ??= { name: '', email: '', date: '', lines: [] };
    const field = current.lines.length === 0 ? /^(Name|E-mail|Date):\s?(.*)$/i.exec(line) : null;
    if (field) current[{ name: 'name', 'e-mail': 'email', date: 'date' }[field[1].toLowerCase()]] = field[2].trim();
    else if (current.lines.length || line.trim()) current.lines.push(line);
  }
  flush();
  return messages;
}

// Words onto lines no wider than `width`; a word longer than a line is cut.
function wrap(g, text, width) {
  const out = [];
  let line = '';
  for (const word of text.split(/\s+/).filter(Boolean)) {
    const next = line ? `${line} ${word}` : word;
    if (g.measureText(next).width <= width || !line) line = next;
    else {
      out.push(line);
      line = word;
    }
    while (g.measureText(line).width > width && line.length > 1) {
      let cut = line.length - 1;
      while (cut > 1 && g.measureText(line.slice(0, cut)).width > width) cut--;
      out.push(line.slice(0, cut));
      line = line.slice(cut);
    }
  }
  if (line) out.push(line);
  return out.length ? out : [''];
}

// A mailto: address for the recipient, or null when the parameter is no plain address.
export function mailtoLink(recipient, subject, body) {
  const address = (recipient ?? '').trim();
  if (!/^[^\s@?&#<>"/\\:]+@[^\s@?&#<>"/\\:]+$/.test(address)) return null;
  return `mailto:${address}?subject=${encodeURIComponent(subject)}&body=${encodeURIComponent(body)}`;
}

const today = () => {
  const d = new Date();
  return `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}`;
};

const ROW = 20;
const BOX_LINES = 3;
const NOTICE_H = 14;
const SENT_DEFAULT = 'message sent !!';
// The applet only hands the message to the visitor's mail program: whether it is sent is
// decided there, so the applet never claims it was.
const OPENING_MAIL = 'Opening your mail program to send your message';

// What the visitor types goes into real fields laid over the form: they take input methods,
// phone keyboards, the caret and the clipboard as every field of the page does.
function formField(ctx, field, name, autocomplete) {
  const node = overlay(ctx, field.multiline ? 'textarea' : 'input', field.rect);
  if (!field.multiline) {
    node.type = autocomplete === 'email' ? 'email' : 'text';
    node.autocomplete = autocomplete;
  }
  node.maxLength = MAX_FIELD;
  node.setAttribute('aria-label', name);
  Object.assign(node.style, {
    font: `12${FONT}`, color: '#000000', background: '#FFFFFF', border: '1px solid #808080', borderRadius: '0',
    padding: field.multiline ? '2px 4px' : '0 4px', resize: 'none', outlineColor: '#000080',
  });
  return node;
}

// Messages as text, for those who do not see them drawn.
function messageList(ctx, messages, empty) {
  const list = hiddenPart(ctx, messages.length ? 'ul' : 'p');
  if (!messages.length) list.textContent = empty;
  for (const m of messages) {
    const item = document.createElement('li');
    const who = [m.name || '?', m.date && `(${m.date})`, m.email].filter(Boolean).join(' ');
    item.textContent = `${who}: ${m.lines.join(' ').trim()}`;
    list.append(item);
  }
  list.setAttribute('aria-label', 'Messages');
}

registerKind('GuestBook', {
  drawsSeldom: true,
  params: {
    email: P.text(),
    text1: P.text('Name :'),
    text2: P.text('E-mail :'),
    text3: P.text('your message...'),
    text4: P.text('Send message'),
    text5: P.text(SENT_DEFAULT),
    none: P.text('no message'),
  },
  label: () => 'Guest book',
  async create(ctx) {
    const p = ctx.params;
    const ink = inkOn(ctx.background);
    const file = await readPageFile('guestbook.txt', MAX_FILE);
    if (file.error) ctx.log(file.error);
    const messages = file.text === undefined ? [] : guestBookMessages(file.text);
    messageList(ctx, messages, file.error ?? p.none);
    const g0 = ctx.g;
    const W = ctx.width;

    // The form at the bottom: two one-line fields, the message box and the send button.
    g0.font = `12${FONT}`;
    const labelWidth = Math.min(W / 3, 8 + Math.max(g0.measureText(p.text1).width, g0.measureText(p.text2).width));
    const boxH = BOX_LINES * 15 + 6;
    const formH = 2 * (ROW + 4) + boxH + 4 + ROW + 6;
    const top = Math.max(0, ctx.height - formH);
    const fields = [
      { label: p.text1, rect: { x: labelWidth + 4, y: top + 2, w: W - labelWidth - 8, h: ROW } },
      { label: p.text2, rect: { x: labelWidth + 4, y: top + ROW + 6, w: W - labelWidth - 8, h: ROW } },
      { label: '', rect: { x: 4, y: top + 2 * ROW + 10, w: W - 8, h: boxH }, multiline: true },
    ];
    const send = { x: Math.round(W / 2 - Math.min(140, W - 8) / 2), y: top + 2 * ROW + 14 + boxH, w: Math.min(140, W - 8), h: ROW };
    const bare = (label) => label.replace(/\s*:\s*$/, '').trim();
    const inputs = [
      formField(ctx, fields[0], bare(p.text1) || 'Name', 'name'),
      formField(ctx, fields[1], bare(p.text2) || 'E-mail', 'email'),
      formField(ctx, fields[2], p.text3, 'off'),
    ];
    inputs[2].placeholder = p.text3;
    // The drawn button does the pointer's work; this one, unseen, the keys'.
    const sendButton = overlay(ctx, 'button', send);
    sendButton.type = 'button';
    sendButton.textContent = p.text4;
    Object.assign(sendButton.style, { opacity: '0', pointerEvents: 'none' });
    const status = hiddenPart(ctx, 'span');
    status.setAttribute('role', 'status');
    let notice = '';
    let failed = false;
    let pressed = false;
    const tell = (text, error) => {
      notice = text;
      failed = error;
      status.textContent = text;
      ctx.invalidate();
    };

    // The messages above the form, laid out once as styled lines, scrolled a line at a time.
    const listH = top - 4;
    const lineH = 15;
    const lines = [];
    for (const m of messages) {
      lines.push({ text: [m.name || '?', m.date && `(${m.date})`].filter(Boolean).join(' '), font: `bold 12${FONT}` });
      if (m.email) lines.push({ text: m.email, font: `italic 11${FONT}` });
      g0.font = `12${FONT}`;
      for (const text of m.lines) for (const piece of wrap(g0, text, W - 16)) lines.push({ text: piece, font: `12${FONT}` });
      lines.push({ rule: true });
    }
    const shown = Math.max(1, Math.floor(listH / lineH));
    let first = 0;
    const scroll = (by) => {
      const next = Math.max(0, Math.min(lines.length - shown, first + by));
      if (next === first) return false;
      first = next;
      ctx.invalidate();
      return true;
    };

    const submit = () => {
      const [name, email, message] = inputs.map((input) => input.value.trim());
      if (!message) {
        tell(p.text3, true);
        inputs[2].focus();
        return;
      }
      const body = `Name: ${name}\nE-mail: ${email}\nDate: ${today()}\n${message}\n%%\n`;
      const link = mailtoLink(p.email, `Guest book: ${name || 'a visitor'}`, body);
      if (!link || !ctx.openLink(link, '_self')) {
        tell('No valid address to send to', true);
        ctx.log(`email ${JSON.stringify(p.email)} is no address to send to`);
      } else tell(p.text5 === SENT_DEFAULT ? OPENING_MAIL : p.text5, false);
    };
    sendButton.addEventListener('click', submit);
    // Enter goes on to the next field; Ctrl+Enter sends from any of them.
    inputs.forEach((input, i) => {
      input.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' || event.isComposing) return;
        if (event.ctrlKey) submit();
        else if (input.localName === 'input') inputs[i + 1].focus();
        else return;
        event.preventDefault();
      });
      input.addEventListener('input', () => notice && tell('', false));
    });

    // The list scrolls by the wheel, and by the keys once the canvas has the focus.
    const canvas = ctx.canvas;
    const stop = lines.length > shown ? listenKeys(ctx, (key) => {
      const moves = { ArrowDown: 1, ArrowUp: -1, PageDown: shown, PageUp: -shown };
      return key in moves && (scroll(moves[key]), true);
    }) : () => {};
    const wheel = (event) => {
      if (scroll(Math.sign(event.deltaY) * 3)) event.preventDefault();
    };
    canvas.addEventListener('wheel', wheel, { passive: false });

    return {
      pointer(type, x, y, event) {
        if (type === 'down') pressed = hits(ctx, x, y, send, event);
        else if (type === 'up' || type === 'leave') pressed = false;
        else if (type === 'click' && hits(ctx, x, y, send, event)) submit();
        ctx.invalidate();
      },
      draw(g) {
        g.textAlign = 'left';
        g.textBaseline = 'middle';
        if (file.error || messages.length === 0) {
          g.font = `12${FONT}`;
          g.fillStyle = ink;
          g.textAlign = 'center';
          g.fillText(fitText(g, file.error ?? p.none, Math.max(1, W - 8)), W / 2, listH / 2);
        }
        const end = Math.min(lines.length, first + shown);
        for (let i = first; i < end; i++) {
          const line = lines[i];
          const y = 2 + (i - first) * lineH;
          if (line.rule) {
            g.fillStyle = ink;
            g.globalAlpha = 0.4;
            g.fillRect(8, y + lineH / 2, W - 16, 1);
            g.globalAlpha = 1;
            continue;
          }
          g.font = line.font;
          g.fillStyle = ink;
          g.fillText(fitText(g, line.text, Math.max(1, W - 16)), 8, y + lineH / 2);
        }
        if (lines.length > shown && listH > 10) {
          g.fillStyle = ink;
          g.globalAlpha = 0.5;
          g.fillRect(W - 4, (first / lines.length) * listH, 3, Math.max(6, (shown / lines.length) * listH));
          g.globalAlpha = 1;
        }
        g.font = `12${FONT}`;
        g.fillStyle = ink;
        g.textAlign = 'left';
        for (const field of fields.slice(0, 2)) g.fillText(fitText(g, field.label, Math.max(1, labelWidth - 4)), 4, field.rect.y + ROW / 2 + 1);
        drawButton(g, send, p.text4, pressed, { focused: document.activeElement === sendButton });
        if (notice) {
          // A band over the foot of the list: beside the button, a long notice would be cut to a
          // few words.
          const band = top >= NOTICE_H ? { y: top - NOTICE_H, w: W - 8 } : { y: send.y + (ROW - NOTICE_H) / 2, w: send.x - 8 };
          g.fillStyle = ctx.background;
          g.fillRect(0, band.y, band.w + 8, NOTICE_H);
          g.font = `11${FONT}`;
          g.fillStyle = failed ? '#C00000' : ink;
          g.textAlign = 'center';
          g.fillText(fitText(g, notice, Math.max(1, band.w)), 4 + band.w / 2, band.y + NOTICE_H / 2);
        }
      },
      dispose() {
        stop();
        canvas.removeEventListener('wheel', wheel);
      },
    };
  },
});

// --- LoginBox

// Lines of the password file: login, one blank, password, one blank, link.
export function passwordEntries(text) {
  return text
    .split(/\r\n|\r|\n/)
    .map((line) => /^(\S+) (\S+) (.+)$/.exec(line.trim()))
    .filter(Boolean)
    .map(([, login, password, link]) => ({ login, password, link: link.trim() }));
}

const PASSWORD_FILE = 'pass.txt';

// An element of the window with its text, never markup.
function element(tag, style, text) {
  const node = document.createElement(tag);
  Object.assign(node.style, style);
  if (text !== undefined) node.textContent = text;
  return node;
}

registerKind('LoginBox', {
  drawsSeldom: true,
  label: (p) => p.title,
  params: {
    frame_width: P.int(250, { max: 4000 }),
    frame_height: P.int(150, { max: 4000 }),
    title: P.text('Login...'),
    login_text: P.text('Login'),
    password_text: P.text('Password'),
    target: P.text('_self'),
  },
  create(ctx) {
    const p = ctx.params;
    let panel = null;
    let pressed = false;

    const close = () => {
      panel?.remove();
      panel = null;
      ctx.canvas.focus();
    };

    // The login window, above the page in the middle of the view.
    const openWindow = () => {
      if (panel) return;
      const width = Math.min(p.frame_width, innerWidth);
      const height = Math.min(p.frame_height, innerHeight);
      panel = element('div', {
        position: 'fixed', left: `${Math.max(0, (innerWidth - width) / 2)}px`, top: `${Math.max(0, (innerHeight - height) / 2)}px`,
        width: `${width}px`, height: `${height}px`, boxSizing: 'border-box', zIndex: '2147483000', display: 'flex', flexDirection: 'column',
        background: '#D4D0C8', border: '2px outset #FFFFFF', font: `12${FONT}`, color: '#000000', boxShadow: '2px 2px 8px rgba(0,0,0,0.5)',
      });
      panel.className = 'morvane-applet-panel';
      panel.setAttribute('role', 'dialog');
      panel.setAttribute('aria-label', p.title);
      const bar = element('div', { display: 'flex', background: '#000080', color: '#FFFFFF', padding: '2px 4px', fontWeight: 'bold' });
      const caption = element('span', { flex: '1', overflow: 'hidden', whiteSpace: 'nowrap' }, p.title);
      const cross = element('button', { padding: '0 4px', font: 'inherit', lineHeight: '1' }, '\u00D7');
      cross.type = 'button';
      cross.className = 'morvane-applet-close';
      cross.setAttribute('aria-label', 'Close');
      bar.append(caption, cross);

      const form = element('form', { flex: '1', display: 'grid', gridTemplateColumns: 'auto 1fr', gap: '4px 6px', alignContent: 'center', padding: '6px 8px', overflow: 'hidden' });
      const row = (text, type, autocomplete) => {
        const label = element('label', { alignSelf: 'center' }, text);
        const input = element('input', { minWidth: '0', font: 'inherit' });
        input.type = type;
        input.autocomplete = autocomplete;
        input.maxLength = 200;
        input.id = `morvane-login-${type}-${Math.random().toString(36).slice(2)}`;
        label.htmlFor = input.id;
        form.append(label, input);
        return input;
      };
      const login = row(p.login_text, 'text', 'username');
      const password = row(p.password_text, 'password', 'current-password');
      const message = element('div', { gridColumn: '1 / 3', color: '#C00000', minHeight: '1em', textAlign: 'center' });
      message.setAttribute('role', 'alert');
      const buttons = element('div', { gridColumn: '1 / 3', display: 'flex', justifyContent: 'center', gap: '8px' });
      const ok = element('button', { minWidth: '64px', font: 'inherit' }, 'OK');
      ok.type = 'submit';
      const cancel = element('button', { minWidth: '64px', font: 'inherit' }, 'Cancel');
      cancel.type = 'button';
      buttons.append(ok, cancel);
      form.append(message, buttons);
      panel.append(bar, form);

      cross.addEventListener('click', close);
      cancel.addEventListener('click', close);
      panel.addEventListener('keydown', (event) => {
        if (event.key === 'Escape') close();
      });
      form.addEventListener('submit', async (event) => {
        event.preventDefault();
        ok.disabled = true;
        const file = await readPageFile(PASSWORD_FILE, MAX_FILE);
        ok.disabled = false;
        if (!panel) return;
        if (file.error) {
          message.textContent = file.error;
          ctx.log(file.error);
          login.focus(); // the disabled button lost the focus
          return;
        }
        const entry = passwordEntries(file.text).find((e) => e.login === login.value && e.password === password.value);
        if (!entry) {
          message.textContent = 'Wrong login or password';
          password.value = '';
          password.focus();
          return;
        }
        if (!ctx.openLink(entry.link, p.target)) {
          message.textContent = 'This page cannot be opened';
          ctx.log(`link ${JSON.stringify(entry.link)} not followed`);
          login.focus();
          return;
        }
        close();
      });
      document.body.append(panel);
      login.focus();
    };

    ctx.canvas.tabIndex = 0;
    ctx.canvas.setAttribute('role', 'button');
    ctx.canvas.setAttribute('aria-label', p.title);
    ctx.canvas.setAttribute('aria-haspopup', 'dialog');
    const keydown = (event) => {
      if (event.key === 'Enter' || event.key === ' ') {
        event.preventDefault();
        openWindow();
      }
    };
    ctx.canvas.addEventListener('keydown', keydown);
    const face = { x: 0, y: 0, w: ctx.width, h: ctx.height };

    return {
      pointer(type) {
        if (type === 'down') pressed = true;
        else if (type === 'up' || type === 'leave') pressed = false;
        else if (type === 'click') openWindow();
        ctx.invalidate();
      },
      draw(g) {
        const inset = Math.min(4, Math.floor(Math.min(ctx.width, ctx.height) / 8));
        drawButton(g, { x: face.x + inset, y: face.y + inset, w: face.w - 2 * inset, h: face.h - 2 * inset }, p.title, pressed);
      },
      dispose() {
        ctx.canvas.removeEventListener('keydown', keydown);
        panel?.remove();
      },
    };
  },
});
