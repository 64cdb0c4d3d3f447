// Parameter declarations and the typed readers behind them. Values come from untrusted page
// text: every reader falls back to the declared default instead of throwing.

const INTEGER = /^\s*[+-]?\d{1,9}\s*$/;
const HEX_COLOR = /^\s*#?([0-9a-fA-F]{6})\s*$/;
const MAX_LIST = 256;
// A plain whole number after a family's base, as `${k}` writes it ("columns_color12").
const MEMBER_NUMBER = /^[1-9]\d{0,8}$/;
// A menu tree past these is a page written to hurt: the rest is left out.
const MAX_TREE_ITEMS = 1000;
const MAX_TREE_DEPTH = 9;

// A default may be a value or a function of the applet's size ({width, height}).
export const P = {
  int: (def, { min = 1, max = 1_000_000 } = {}) => ({ type: 'int', def, min, max }),
  text: (def = '') => ({ type: 'text', def }),
  color: (def) => ({ type: 'color', def }),
  // Case-insensitive match against `values`; the stored value is the one from `values`.
  choice: (values, def) => ({ type: 'choice', values, def }),
  // base1, base2, ... up to the count parameter when it is valid, else up to the first gap.
  list: (count) => ({ type: 'list', count, def: [] }),
  // base1..baseN with '' kept where one is empty or missing, so parallel lists stay aligned.
  // N is the `count` parameter when valid, else up to the first gap in the `by` list.
  aligned: (base, { count = null, by = base } = {}) => ({
    type: 'aligned', base: base.toLowerCase(), count: count?.toLowerCase() ?? null, by: by.toLowerCase(), def: [],
  }),
  // Every baseK the page writes, gaps allowed, typed as `element` (P.color(null), ...): Map K -> value.
  numbered: (base, element) => ({ type: 'numbered', base: base.toLowerCase(), element, def: new Map() }),
  // text1, link1, text11, ...: [{ caption, link, children }], depth first as the page lists them.
  tree: (text, link) => ({ type: 'tree', text: text.toLowerCase(), link: link.toLowerCase(), def: [] }),
};

const PARAM_ELEMENTS = new Set(['param', 'morvane-param']);

// The <param> (or <morvane-param>) children of an applet element, names lower-cased; the first
// of a name wins.
export function readRawParams(element) {
  const raw = new Map();
  for (const child of element.children) {
    if (!PARAM_ELEMENTS.has(child.localName)) continue;
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

function readNumbered(raw, { base, element }, size) {
  const values = new Map();
  for (const name of raw.keys()) {
    const number = name.slice(base.length);
    if (name.startsWith(base) && MEMBER_NUMBER.test(number)) values.set(Number(number), readOne(raw, name, element, size));
  }
  return values;
}

function treeItem(raw, decl, path) {
  return { caption: raw.get(`${decl.text}${path}`) ?? '', link: (raw.get(`${decl.link}${path}`) ?? '').trim(), children: [] };
}

// Items are numbered by their path without separators ("text1", "text12", "text121"): once a
// level holds ten items the names are ambiguous, but the page lists them depth first, so the
// order of the parameters tells a first child from a later sibling.
function readTree(raw, decl) {
  const isItem = (name) => name.startsWith(decl.text) && /^\d+$/.test(name.slice(decl.text.length));
  const paths = [...raw.keys()].filter(isItem).slice(0, MAX_TREE_ITEMS).map((name) => name.slice(decl.text.length));
  const root = [];
  const levels = [{ prefix: '', next: 1, items: root }];
  let last = null;
  for (const path of paths) {
    if (last && path === `${last.path}1` && levels.length < MAX_TREE_DEPTH) {
      levels.push({ prefix: last.path, next: 1, items: last.node.children });
    } else {
      let depth = levels.length - 1;
      while (depth >= 0 && path !== levels[depth].prefix + levels[depth].next) depth--;
      // Written in another order (by hand): read the tree by its names instead.
      if (depth < 0) return readTreeByNames(raw, decl);
      levels.length = depth + 1;
    }
    const level = levels[levels.length - 1];
    const node = treeItem(raw, decl, path);
    level.items.push(node);
    level.next++;
    last = { path, node };
  }
  return root;
}

function readTreeByNames(raw, decl, prefix = '', budget = { left: MAX_TREE_ITEMS }) {
  const items = [];
  for (let k = 1; budget.left > 0 && raw.has(`${decl.text}${prefix}${k}`); k++) {
    budget.left--;
    const node = treeItem(raw, decl, `${prefix}${k}`);
    if (prefix.length < MAX_TREE_DEPTH) node.children = readTreeByNames(raw, decl, `${prefix}${k}`, budget);
    items.push(node);
  }
  return items;
}

// One reader per declared type: (raw, name, decl, size) -> value; page text never makes one throw.
const READERS = {
  int: (raw, name, decl, size) => parseInteger(raw.get(name), decl.min, decl.max) ?? defaultOf(decl, size),
  text: (raw, name, decl, size) => raw.get(name) || defaultOf(decl, size),
  color: (raw, name, decl, size) => parseColor(raw.get(name)) ?? defaultOf(decl, size),
  choice: (raw, name, decl, size) => {
    const wanted = (raw.get(name) ?? '').trim().toLowerCase();
    return decl.values.find((v) => String(v).toLowerCase() === wanted) ?? defaultOf(decl, size);
  },
  list: (raw, name, decl) => readList(raw, name, decl.count?.toLowerCase()),
  aligned: (raw, name, decl) => alignedList(raw, decl.base, listLength(raw, decl.count, decl.by)),
  numbered: (raw, name, decl, size) => readNumbered(raw, decl, size),
  tree: (raw, name, decl) => readTree(raw, decl),
};

// Declared names may carry capitals as the generator writes them ("topLeftCorner").
function readOne(raw, declared, decl, size) {
  const reader = READERS[decl.type];
  if (!reader) throw new Error(`unknown parameter type ${decl.type}`);
  return reader(raw, declared.toLowerCase(), decl, size);
}

// Typed values for every declared parameter.
export function resolveParams(decls, raw, size) {
  const values = {};
  for (const [name, decl] of Object.entries(decls)) values[name] = readOne(raw, name, decl, size);
  return values;
}
