// Links and media addresses come from page text: only a short list of schemes may be followed.

const LINK_SCHEMES = new Set(['http:', 'https:', 'mailto:']);
const MEDIA_SCHEMES = new Set(['http:', 'https:']);
// A relative address takes the page's scheme; a page opened from the disk is a file: page.
const PAGE_SCHEMES = new Set(['http:', 'https:', 'file:']);
const TARGETS = new Set(['_self', '_blank', '_parent', '_top']);

function isAbsolute(text) {
  try {
    new URL(text);
    return true;
  } catch {
    return false;
  }
}

function resolve(text, base, schemes) {
  if (typeof text !== 'string' || text.trim() === '') return null;
  let url;
  try {
    url = new URL(text, base);
  } catch {
    return null;
  }
  // The URL parser drops tabs and line breaks and trims blanks, so "java\tscript:" and
  // " javascript:" are absolute javascript: addresses here and are refused like the plain one.
  const allowed = isAbsolute(text) ? schemes : PAGE_SCHEMES;
  return allowed.has(url.protocol) ? url.href : null;
}

// The address a link may open, or null when it must not be followed.
export function safeLink(link, base) {
  return resolve(link, base, LINK_SCHEMES);
}

// The address an image or sound may load from, or null.
export function safeMediaUrl(name, base) {
  return resolve(name, base, MEDIA_SCHEMES);
}

// A window name for window.open: the four reserved names (any case), else a frame name.
export function windowTarget(target) {
  const text = (target ?? '').trim();
  if (text === '') return '_self';
  const lower = text.toLowerCase();
  return TARGETS.has(lower) ? lower : text;
}
