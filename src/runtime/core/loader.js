// Gives each applet element of the page the life of an element: the classic <applet> and the
// <morvane-applet> custom element that validating pages use instead start when they come near
// the view, stop when the page takes them out, start again when it puts them back, and follow
// changes of their size, code and parameters. A kind's code is fetched the first time the page
// shows one.

import { Applet, findKind, log } from './applet.js';

const APPLET_ELEMENTS = 'applet, morvane-applet';
const APPLET_NAMES = new Set(['applet', 'morvane-applet']);
const PARAM_NAMES = new Set(['param', 'morvane-param']);
// Which file beside this script holds each kind's code; the build writes it.
const KIND_FILES = {};
// Applets further than one screen from the view start only as the visitor scrolls near them:
// their canvases, pictures and sounds cost nothing before.
const NEAR = '100% 0px';

// What each element last started (or was refused) with; a change of it restarts the applet.
const settled = new WeakMap();
const near = new WeakSet();
const fetched = new Map();
const pending = new Set();
const arrived = new Set();
let flushing = false;
let nearObserver = null;
let script = { base: '', nonce: '' };

// "Stars.class", "Stars", "classes/Stars.class" all name the kind Stars.
export function kindNameOf(code) {
  const file = (code ?? '').trim().split('/').pop();
  return file.endsWith('.class') ? file.slice(0, -'.class'.length) : file;
}

export function kindFileOf(name) {
  return Object.hasOwn(KIND_FILES, name) ? KIND_FILES[name] : null;
}

// The element as the applet reads it: a change in any of these makes another applet.
function signatureOf(element) {
  const parts = [element.getAttribute('code'), element.getAttribute('width'), element.getAttribute('height')];
  for (const child of element.children) {
    if (PARAM_NAMES.has(child.localName)) parts.push(child.getAttribute('name'), child.getAttribute('value'));
  }
  return JSON.stringify(parts);
}

// Changes come in bursts (a script sets the width, then the height, then a parameter): each
// element is looked at once after the burst, before the page is drawn.
function schedule(element) {
  pending.add(element);
  if (flushing) return;
  flushing = true;
  queueMicrotask(() => {
    flushing = false;
    const elements = [...pending];
    pending.clear();
    // Read before any applet starts, so that the page is laid out once for all of them: those
    // in reach start now rather than at the observer's first report, a frame later.
    for (const each of elements) if (!near.has(each) && each.isConnected && inReach(each.getBoundingClientRect())) near.add(each);
    for (const each of elements) reconcile(each);
  });
}

// Kinds' files arrive one task after another, each letting some applets start. Those are
// started together before the next frame, so that the page is laid out once for all of them
// rather than once a file (a page of many kinds took twice as long to show them all).
function scheduleAfterArrivals(element) {
  if (arrived.size === 0) {
    requestAnimationFrame(() => {
      const elements = [...arrived];
      arrived.clear();
      for (const each of elements) schedule(each);
    });
  }
  arrived.add(element);
}

// Within one screen of the view, as NEAR says; an element without a size (hidden, or not laid
// out) is left to the observer.
function inReach(r) {
  return r.width > 0 && r.height > 0 && r.bottom >= -innerHeight && r.top <= 2 * innerHeight && r.right >= 0 && r.left <= innerWidth;
}

function reconcile(element) {
  if (!element.isConnected) {
    stop(element);
    return;
  }
  const signature = signatureOf(element);
  if (settled.get(element) === signature) {
    element.morvaneApplet?.follow();
    return;
  }
  stop(element);
  start(element, signature);
}

function stop(element) {
  settled.delete(element);
  nearObserver?.unobserve(element);
  element.morvaneApplet?.remove();
}

function isNear(element) {
  if (near.has(element) || element.getAttribute('loading')?.trim().toLowerCase() === 'eager') return true;
  if (typeof IntersectionObserver !== 'function') return true;
  nearObserver ??= new IntersectionObserver(
    (entries) => {
      for (const entry of entries) {
        if (!entry.isIntersecting) continue;
        nearObserver.unobserve(entry.target);
        near.add(entry.target);
        schedule(entry.target);
      }
    },
    { rootMargin: NEAR },
  );
  nearObserver.observe(element);
  return false;
}

// Runs the file as a page script of its own (one the page's policy allows as it allows this
// one). `arrived` settles when it ran or failed; `done` says so at once.
function fetchKindFile(file) {
  let entry = fetched.get(file);
  if (!entry) {
    entry = { done: false };
    entry.arrived = new Promise((resolve) => {
      const element = document.createElement('script');
      element.src = new URL(file, script.base).href;
      if (script.nonce) element.nonce = script.nonce;
      element.onload = element.onerror = () => {
        element.remove();
        entry.done = true;
        resolve();
      };
      document.head.append(element);
    });
    fetched.set(file, entry);
  }
  return entry;
}

function start(element, signature) {
  if (!isNear(element)) return;
  const code = element.getAttribute('code') ?? '';
  const name = kindNameOf(code);
  const kind = findKind(name);
  const file = kindFileOf(name);
  if (!kind && file) {
    const entry = fetchKindFile(file);
    if (!entry.done) {
      entry.arrived.then(() => scheduleAfterArrivals(element));
      return;
    }
  }
  settled.set(element, signature);
  if (!kind) {
    log(file ? `${name}: its code ${file} did not load` : `unknown applet ${JSON.stringify(code)} left as it is`);
    return;
  }
  try {
    new Applet(element, kind, name);
  } catch (error) {
    log(error.message);
  }
}

function scheduleWithin(node) {
  if (node.nodeType !== Node.ELEMENT_NODE && node.nodeType !== Node.DOCUMENT_NODE) return;
  if (APPLET_NAMES.has(node.localName)) schedule(node);
  for (const element of node.querySelectorAll(APPLET_ELEMENTS)) schedule(element);
}

// The applet element a change of `node` concerns: the element itself, or the one a parameter
// belongs to.
function appletOf(node) {
  if (APPLET_NAMES.has(node.localName)) return node;
  if (PARAM_NAMES.has(node.localName) && APPLET_NAMES.has(node.parentElement?.localName)) return node.parentElement;
  return null;
}

function watchPage() {
  const observer = new MutationObserver((records) => {
    for (const record of records) {
      const applet = appletOf(record.target);
      if (applet) schedule(applet);
      if (record.type !== 'childList') continue;
      for (const node of record.removedNodes) scheduleWithin(node);
      for (const node of record.addedNodes) scheduleWithin(node);
    }
  });
  observer.observe(document.documentElement, {
    childList: true, subtree: true, attributes: true, attributeFilter: ['code', 'width', 'height', 'name', 'value', 'loading'],
  });
}

// A real custom element: the page can ask for it (customElements.get, whenDefined, :defined),
// and its own callbacks answer at once where the page's observer answers after the change.
function defineElement() {
  if (typeof customElements === 'undefined' || customElements.get('morvane-applet')) return;
  customElements.define(
    'morvane-applet',
    class extends HTMLElement {
      static observedAttributes = ['code', 'width', 'height'];

      connectedCallback() {
        schedule(this);
      }

      disconnectedCallback() {
        schedule(this);
      }

      attributeChangedCallback() {
        if (this.isConnected) schedule(this);
      }
    },
  );
}

// `from`: the script element the runtime came from, whose address its kind files are beside.
export function startApplets(from) {
  script = { base: from?.src || document.baseURI, nonce: from?.nonce ?? '' };
  watchPage();
  scheduleWithin(document);
  defineElement();
}
