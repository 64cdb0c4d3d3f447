// The element an applet's canvas stands in. A canvas says nothing to a screen reader, and the
// applet element it replaces is hidden, so the box carries both: a role and a name telling what
// the applet shows (kept current by the kind), the author's no-Java text as its description, and
// the element's own id, class, style, title, align and alt, which the page's styles and scripts
// still expect to find on something visible.

// How applets sit on the page, in one sheet the runtime adopts (a strict policy blocks inline
// styles, not adopted sheets), and which the build also writes as morvane-applets.css for the
// page to link, so that applets hold their place before this script has run. Keep it one plain
// template literal: the build reads it from here. Every selector is wrapped in :where(), so any rule of the page's
// own wins: authors style the box (.morvane-applet-box), its canvas (canvas.morvane-applet) and
// a linked canvas's anchor (.morvane-applet-link). An applet fills its container up to its own
// width, at its proportions, the way a picture with max-width: 100% does; `fit="fixed"` keeps
// its own size. Elements not started yet hold the same place, so that starting moves nothing.
const SHEET = `
:where(applet, morvane-applet)[width][height] {
  display: inline-block; overflow: hidden; max-width: 100%;
  width: attr(width px); aspect-ratio: attr(width type(<number>)) / attr(height type(<number>));
}
:where(applet, morvane-applet)[fit="fixed" i] { max-width: none; }
:where(.morvane-applet-box) { display: inline-block; position: relative; max-width: 100%; min-width: 0; }
:where(.morvane-applet-link) { display: block; }
:where(canvas.morvane-applet) {
  display: block; box-sizing: border-box; width: var(--morvane-applet-width); max-width: 100%; height: auto;
  aspect-ratio: var(--morvane-applet-ratio); touch-action: manipulation;
}
:where(.morvane-applet-fixed) { max-width: none; flex: none; }
:where(.morvane-applet-fixed canvas.morvane-applet) { max-width: none; }
:where(canvas.morvane-applet.morvane-applet-drags) { touch-action: none; }
:where(canvas.morvane-applet.morvane-applet-drags-sideways) { touch-action: pan-y pinch-zoom; }
@media (pointer: coarse) {
  :where(.morvane-applet-box, .morvane-applet-panel) :where(input, textarea, select) {
    font-size: max(16px, 1em) !important; min-height: 24px !important;
  }
  :where(.morvane-applet-box, .morvane-applet-panel) :where(button, a[href]:not(:has(canvas))) { min-height: 24px !important; }
  :where(.morvane-applet-close) { min-width: 24px !important; }
}
`;

const STYLED = Symbol.for('morvane-applets-style');

// Adopted once per document, however many copies of the runtime run.
export function styleApplets(doc = globalThis.document) {
  if (!doc?.adoptedStyleSheets || doc[STYLED] || typeof CSSStyleSheet !== 'function') return;
  doc[STYLED] = true;
  const sheet = new CSSStyleSheet();
  sheet.replaceSync(SHEET);
  doc.adoptedStyleSheets = [...doc.adoptedStyleSheets, sheet];
}

// Before any applet starts: the elements keep their place from the first frame the script sees.
styleApplets();

// Out of sight but read by assistive technology; focusable parts stay focusable.
const VISUALLY_HIDDEN = {
  position: 'absolute', left: '0', top: '0', width: '1px', height: '1px', margin: '-1px', padding: '0',
  border: '0', overflow: 'hidden', clipPath: 'inset(50%)', whiteSpace: 'nowrap',
};

export function hideVisually(node) {
  Object.assign(node.style, VISUALLY_HIDDEN);
  return node;
}

// The old `align` attribute of an applet, in today's terms.
const ALIGN = {
  left: { float: 'left' }, right: { float: 'right' },
  top: { verticalAlign: 'top' }, texttop: { verticalAlign: 'text-top' },
  middle: { verticalAlign: 'middle' }, absmiddle: { verticalAlign: 'middle' },
  bottom: { verticalAlign: 'bottom' }, absbottom: { verticalAlign: 'bottom' }, baseline: { verticalAlign: 'baseline' },
};

let boxes = 0;
const newId = (what) => `morvane-${what}-${++boxes}`;

const plain = (text) => (text ?? '').replace(/\s+/g, ' ').trim();

// The text Morvane writes for browsers without Java: with the runtime running it is untrue, so
// it describes nothing. Text an author wrote instead still does.
const SHIPPED_FALLBACK = 'Please activate Java...';

export class AppletBox {
  constructor(element, canvas, label) {
    const box = document.createElement('span');
    this.element = box;
    this.canvas = canvas;
    this.owner = element;
    this.alt = plain(element.getAttribute('alt'));
    this.status = null;

    const fixed = (element.getAttribute('fit') ?? '').trim().toLowerCase() === 'fixed';
    box.className = ['morvane-applet-box', fixed && 'morvane-applet-fixed', element.getAttribute('class')].filter(Boolean).join(' ');
    Object.assign(box.style, ALIGN[(element.getAttribute('align') ?? '').trim().toLowerCase()] ?? {});
    if (element.hasAttribute('style')) box.style.cssText += element.getAttribute('style');
    // The kind's own size, which the sheet turns into the canvas's width and proportions.
    const { width, height } = canvas.morvaneApplet ?? canvas;
    box.style.setProperty('--morvane-applet-width', `${width}px`);
    box.style.setProperty('--morvane-applet-ratio', `${width} / ${height}`);
    if (element.hasAttribute('title')) box.title = element.getAttribute('title');
    // Ids stay unique: the box takes the element's.
    this.savedId = element.getAttribute('id');
    element.removeAttribute('id');
    box.id = this.savedId || newId('applet');

    box.setAttribute('role', 'img');
    this.name(label);
    const fallback = plain(element.textContent);
    if (fallback && fallback !== SHIPPED_FALLBACK) {
      const copy = document.createElement('span');
      copy.hidden = true;
      copy.id = newId('fallback');
      copy.textContent = fallback;
      box.append(copy);
      box.setAttribute('aria-describedby', copy.id);
    }
    // A block in the box (see the sheet): the box is exactly the canvas's size, with no line gap
    // under it, so parts laid over the canvas by percentages meet what it draws.
    box.append(canvas);
    element.before(box);
  }

  name(text) {
    const name = this.alt && text && text !== this.alt ? `${this.alt}, ${text}` : this.alt || text;
    this.element.setAttribute('aria-label', name);
  }

  // A new state of the applet. Told aloud only while the visitor works the applet (the focus
  // is in it): animations change their names far too often to be announced.
  describe(text) {
    // The region is there before it speaks: one that appears with its words is not always heard.
    if (!this.status) {
      this.status = hideVisually(document.createElement('span'));
      this.status.setAttribute('role', 'status');
      this.element.append(this.status);
    }
    const before = this.element.getAttribute('aria-label');
    this.name(text);
    if (this.element.getAttribute('aria-label') !== before && this.element.contains(document.activeElement)) this.status.textContent = text;
  }

  // Once the kind has built its parts: a box holding controls or text of its own is a group
  // (an image's insides are not read); a canvas that takes no focus is only a picture of it.
  settle() {
    const box = this.element;
    const parts = [...box.children].filter((node) => node !== this.canvas && !node.hidden);
    const focusable = this.canvas.tabIndex >= 0;
    if (parts.length || focusable) box.setAttribute('role', 'group');
    // A link around the canvas speaks for it, with the applet's name.
    const link = this.canvas.closest('a.morvane-applet-link');
    if (link && !link.hasAttribute('aria-label')) link.setAttribute('aria-labelledby', box.id);
    if (!focusable) this.canvas.setAttribute('aria-hidden', 'true');
    else if (!this.canvas.hasAttribute('aria-label')) this.canvas.setAttribute('aria-labelledby', box.id);
  }

  remove() {
    this.element.remove();
    if (this.savedId) this.owner.setAttribute('id', this.savedId);
  }
}
