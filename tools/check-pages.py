#!/usr/bin/env python3
"""Checks the pages of an installation for missing local resources.

Usage: check-pages.py INSTALL_DIR [--browser PATH]

Every sample page, parameters help page and the all-applets page is checked twice: statically
(every href and src that names a local file must exist) and, when a browser is given, by loading
all of them in a headless Chromium and watching for files it could not load.
"""
import argparse
import html.parser
import os
import subprocess
import sys
import tempfile
import urllib.parse


class Links(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.targets = []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in ("href", "src") and value:
                self.targets.append(value)


def pages_of(install_dir):
    samples = os.path.join(install_dir, "samples")
    found = [os.path.join(samples, "index.htm")]
    for kind in sorted(os.listdir(samples)):
        folder = os.path.join(samples, kind)
        if os.path.isdir(folder):
            found += [os.path.join(folder, f) for f in sorted(os.listdir(folder)) if f.endswith(".htm")]
    return found


def local_target(page, target):
    parsed = urllib.parse.urlparse(target)
    if parsed.scheme in ("http", "https", "mailto", "javascript") or target.startswith("#"):
        return None
    path = urllib.parse.unquote(parsed.path)
    return os.path.normpath(os.path.join(os.path.dirname(page), path))


def static_problems(pages):
    problems = []
    for page in pages:
        parser = Links()
        with open(page, encoding="utf-8") as f:
            parser.feed(f.read())
        for target in parser.targets:
            path = local_target(page, target)
            if path and not os.path.exists(path):
                problems.append(f"{page}: {target} does not exist")
    return problems


# Appended to a copy of each page: after loading, it records every image and stylesheet the
# browser could not load on the root element, where --dump-dom shows it.
PROBE = """<script>
window.addEventListener("load", function () {
  var missing = [];
  for (const img of document.images)
    if (!img.complete || img.naturalWidth === 0) missing.push(img.getAttribute("src"));
  for (const sheet of document.querySelectorAll("link[rel=stylesheet]"))
    if (!sheet.sheet) missing.push(sheet.getAttribute("href"));
  document.documentElement.setAttribute("data-missing", missing.join("|"));
  document.documentElement.setAttribute("data-checked", "yes");
});
</script>
"""


def browser_problems(pages, browser):
    problems = []
    with tempfile.TemporaryDirectory() as profile:
        for page in pages:
            probe = os.path.join(os.path.dirname(page), ".probe-" + os.path.basename(page))
            with open(page, encoding="utf-8") as f:
                text = f.read()
            with open(probe, "w", encoding="utf-8") as f:
                f.write(text.replace("</body>", PROBE + "</body>"))
            try:
                result = subprocess.run(
                    [browser, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                     "--no-first-run", "--disable-background-networking",
                     "--disable-component-update", "--disable-sync",
                     "--user-data-dir=" + profile, "--virtual-time-budget=5000", "--dump-dom",
                     "file://" + urllib.parse.quote(os.path.abspath(probe))],
                    capture_output=True, text=True, timeout=120)
            finally:
                os.remove(probe)
            start = result.stdout.find("<html")
            root = result.stdout[start:].split(">", 1)[0] if start >= 0 else ""
            if 'data-checked="yes"' not in root:
                problems.append(f"{page}: the browser could not open it")
                continue
            missing = root.split('data-missing="', 1)[1].split('"', 1)[0]
            if missing:
                problems.append(f"{page}: the browser could not load {missing}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("install_dir")
    parser.add_argument("--browser")
    args = parser.parse_args()

    pages = pages_of(args.install_dir)
    problems = static_problems(pages)
    if args.browser:
        problems += browser_problems(pages, args.browser)
    for problem in problems:
        print(problem, file=sys.stderr)
    print(f"{len(pages)} pages checked, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
