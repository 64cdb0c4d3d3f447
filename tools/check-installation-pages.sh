#!/usr/bin/env bash
# check-installation-pages.sh CLI_PATH RUNTIME_FILE
# Stages the shipped tree (data/ and the applet runtime the build joined: the core RUNTIME_FILE
# and its kinds' files beside it) into a temporary installation, runs its first run, and checks
# every sample and help page for missing local resources (in headless Chromium when installed).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cli="$1"
runtime="$2"
staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
cp -R "$here/data/." "$staging/"
mkdir -p "$staging/runtime"
install -m 644 "$(dirname "$runtime")"/morvane-applets*.js "$(dirname "$runtime")"/morvane-applets.css "$staging/runtime/"
(cd "$staging" && "$cli" first-run >/dev/null)
browser=()
if command -v chromium >/dev/null 2>&1; then
    browser=(--browser "$(command -v chromium)")
else
    echo "chromium not installed: static check only"
fi
python3 "$here/tools/check-pages.py" "$staging" "${browser[@]}"
