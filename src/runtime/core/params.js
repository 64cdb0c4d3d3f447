// Parameter declarations and the typed readers behind them. Values come from untrusted page
// text: every reader falls back to the declared default instead of throwing.

const INTEGER = /^\s*[+-]?\d{1,9}\s*$/;
const HEX_COLOR = /^\s*#?([0-9a-fA-F]{6})\s*$/;
const MAX_LIST = 256;

// A default may be a value or a function of the applet's size ({width, height}).
export const P = {
  int: (def, { min = 1, max = 1_000_000 } = {}) => ({ type: 'int', def, min, max }),
  text: (def = '') => ({ type: 'text', def }),
  color: (def) => ({ type: 'color', def }),
  // Case-insensitive match against `values`; the stored value is the one from `values`.
  choice: (values, def) => ({ type: 'choice', values, def }),
  // base1, base2, ... up to the count parameter when it is valid, else up to the first gap.
  list: (count) => ({ type: 'list', count, def: [] }),
};

// The <param> children of an applet element, names lower-cased; the first of a name wins.
export function readRawParams(element) {
  const raw = new Map();
  for (const child of element.children) {
    if (child.localName !== 'param') continue;
    const name = (child.getAttribute('name') ?? '').trim().toLowerCase();
    if (name && !raw.has(name)) raw.set(name, child.getAttribute('value') ?? '');
  }
  return raw;
}

function defaultOf(decl, size) {
  return typeof decl.def === 'function' ? decl.def(size) : decl.def;
}

export function parseInteger(text, min, max) {
  if (typeof text !== 'string' || !INTEGER.test(text)) return null;
  const value = Number.parseInt(text, 10);
  return value >= min && value <= max ? value : null;
}

export function parseColor(text) {
  const match = typeof text === 'string' ? HEX_COLOR.exec(text) : null;
  return match ? `#${match[1].toUpperCase()}` : null;
}

export function rgbOf(color) {
  const n = Number.parseInt(color.slice(1), 16);
  return [(n >> 16) & 255, (n >> 8) & 255, n & 255];
}

function readList(raw, base, countName) {
  const count = countName ? parseInteger(raw.get(countName), 0, MAX_LIST) : null;
  const items = [];
  for (let i = 1; i <= (count ?? MAX_LIST); i++) {
    const value = raw.get(`${base}${i}`);
    if (value === undefined) {
      if (count === null) break;
      continue;
    }
    if (value !== '') items.push(value);
  }
  return items;
}

// How many entries the numbered list base1, base2, ... holds: its count parameter when that is
// valid, else up to the first missing entry.
export function listLength(raw, countName, base) {
  const count = countName ? parseInteger(raw.get(countName), 0, MAX_LIST) : null;
  if (count !== null) return count;
  let n = 0;
  while (n < MAX_LIST && raw.has(`${base}${n + 1}`)) n++;
  return n;
}

// base1 .. base`length`, trimmed, '' where one is missing or empty: parallel lists (texts and
// their links, pictures and their names) stay aligned, where `P.list` leaves out empty entries.
export function alignedList(raw, base, length = listLength(raw, null, base)) {
  return Array.from({ length }, (_, i) => (raw.get(`${base}${i + 1}`) ?? '').trim());
}

// Declared names may carry capitals as the generator writes them ("topLeftCorner").
function readOne(raw, declared, decl, size) {
  const name = declared.toLowerCase();
  const text = raw.get(name);
  switch (decl.type) {
    case 'int':
      return parseInteger(text, decl.min, decl.max) ?? defaultOf(decl, size);
    case 'text':
      return text ? text : defaultOf(decl, size);
    case 'color':
      return parseColor(text) ?? defaultOf(decl, size);
    case 'choice': {
      const wanted = (text ?? '').trim().toLowerCase();
      return decl.values.find((v) => String(v).toLowerCase() === wanted) ?? defaultOf(decl, size);
    }
    case 'list':
      return readList(raw, name, decl.count?.toLowerCase());
    default:
      throw new Error(`unknown parameter type ${decl.type}`);
  }
}

// Typed values for every declared parameter.
export function resolveParams(decls, raw, size) {
  const values = {};
  for (const [name, decl] of Object.entries(decls)) values[name] = readOne(raw, name, decl, size);
  return values;
}
