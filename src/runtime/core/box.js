// The element an applet's canvas stands in. A canvas says nothing to a screen reader, and the
// applet element it replaces is hidden, so the box carries both: a role and a name telling what
// the applet shows (kept current by the kind), the author's no-Java text as its description, and
// the element's own id, class, style, title, align and alt, which the page's styles and scripts
// still expect to find on something visible.

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

export class AppletBox {
  constructor(element, canvas, label) {
    const box = document.createElement('span');
    this.element = box;
    this.canvas = canvas;
    this.owner = element;
    this.alt = plain(element.getAttribute('alt'));
    this.status = null;

    box.className = ['morvane-applet-box', element.getAttribute('class')].filter(Boolean).join(' ');
    box.style.display = 'inline-block';
    box.style.position = 'relative';
    Object.assign(box.style, ALIGN[(element.getAttribute('align') ?? '').trim().toLowerCase()] ?? {});
    box.style.cssText += element.getAttribute('style') ?? '';
    if (element.hasAttribute('title')) box.title = element.getAttribute('title');
    // Ids stay unique: the box takes the element's.
    this.savedId = element.getAttribute('id');
    element.removeAttribute('id');
    box.id = this.savedId || newId('applet');

    box.setAttribute('role', 'img');
    this.name(label);
    const fallback = plain(element.textContent);
    if (fallback) {
      const copy = document.createElement('span');
      copy.hidden = true;
      copy.id = newId('fallback');
      copy.textContent = fallback;
      box.append(copy);
      box.setAttribute('aria-describedby', copy.id);
    }
    // A block in the box: the box is exactly the canvas's size (no line gap under it), so parts
    // laid over the canvas by percentages meet what it draws.
    canvas.style.display = 'block';
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
    if (!focusable) this.canvas.setAttribute('aria-hidden', 'true');
    else if (!this.canvas.hasAttribute('aria-label')) this.canvas.setAttribute('aria-labelledby', box.id);
  }

  remove() {
    this.element.remove();
    if (this.savedId) this.owner.setAttribute('id', this.savedId);
  }
}
