// Finds the applet elements of the page, now and whenever the page inserts more: the classic
// <applet> and the <morvane-applet> custom element that validating pages use instead.

import { Applet, findKind, log } from './applet.js';

const seen = new WeakSet();
const APPLET_ELEMENTS = 'applet, morvane-applet';

// "Stars.class", "Stars", "classes/Stars.class" all name the kind Stars.
export function kindNameOf(code) {
  const file = (code ?? '').trim().split('/').pop();
  return file.endsWith('.class') ? file.slice(0, -'.class'.length) : file;
}

function startApplet(element) {
  if (seen.has(element)) return;
  seen.add(element);
  const code = element.getAttribute('code') ?? '';
  const kind = findKind(kindNameOf(code));
  if (!kind) {
    log(`unknown applet ${JSON.stringify(code)} left as it is`);
    return;
  }
  try {
    new Applet(element, kind, kindNameOf(code));
  } catch (error) {
    log(error.message);
  }
}

export function startApplets(root) {
  if (root.nodeType !== Node.ELEMENT_NODE && root.nodeType !== Node.DOCUMENT_NODE) return;
  if (root.matches?.(APPLET_ELEMENTS)) startApplet(root);
  for (const element of root.querySelectorAll(APPLET_ELEMENTS)) startApplet(element);
}

function stopApplets(root) {
  if (root.nodeType !== Node.ELEMENT_NODE) return;
  const elements = root.matches(APPLET_ELEMENTS) ? [root] : root.querySelectorAll(APPLET_ELEMENTS);
  for (const element of elements) {
    const applet = element.morvaneApplet;
    if (applet && !element.isConnected) {
      applet.dispose();
      applet.canvas.remove();
    }
  }
}

export function watchPage() {
  const observer = new MutationObserver((records) => {
    for (const record of records) {
      for (const node of record.removedNodes) stopApplets(node);
      for (const node of record.addedNodes) if (node.isConnected) startApplets(node);
    }
  });
  observer.observe(document.documentElement, { childList: true, subtree: true });
}
