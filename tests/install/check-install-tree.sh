#!/usr/bin/env bash
# check-install-tree.sh SOURCE_DIR BUILD_DIR RUNTIME_FILE
# Installs the build into a temporary prefix, checks the installed tree (programs, data, menu
# entry, metadata, icons, manual pages), then starts morvane-cli from an unrelated folder as a
# new user would and checks that the user's copy of the data is made and used.
set -euo pipefail
source_dir="$1"
build_dir="$2"
built_runtime="$3"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
id=net.morvane.Morvane
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for program in morvane morvane-cli; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing or not executable"
done

# The shipped data, file for file: data/ and the applet runtime the build joined.
runtime_dir="$(dirname "$built_runtime")"
diff <( (cd "$source_dir/data" && find . -type f; cd "$runtime_dir" && ls morvane-applets*.js morvane-applets.css | sed 's|^|./runtime/|') | sort) \
    <(cd "$prefix/share/morvane" && find . -type f | sort) >&2 || fail "shipped data differs"
cmp "$source_dir/data/morvane.ini" "$prefix/share/morvane/morvane.ini" || fail "morvane.ini differs"
for file in "$runtime_dir"/morvane-applets*.js "$runtime_dir"/morvane-applets.css; do
    cmp "$file" "$prefix/share/morvane/runtime/$(basename "$file")" || fail "the runtime differs"
done

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop entry is not valid"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry names another icon"
[ -x "$prefix/bin/$(sed -n 's/^Exec=//p' "$desktop")" ] || fail "the menu entry's command is not installed"
if ! appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/as" 2>&1; then
    fail "metainfo is not valid: $(cat "$work/as")"
fi

[ -f "$prefix/share/icons/hicolor/scalable/apps/$id.svg" ] || fail "scalable icon is missing"
for size in 16 22 24 32 48 64 128 256; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    actual=$(python3 -c 'import struct, sys
d = open(sys.argv[1], "rb").read(24)
print("%dx%d" % struct.unpack(">II", d[16:24]) if d[:8] == b"\x89PNG\r\n\x1a\n" else "not a PNG")' \
        "$png" 2>/dev/null || echo missing)
    [ "$actual" = "${size}x${size}" ] || fail "icon ${size}x${size}: $actual"
done

for page in morvane morvane-cli; do
    man_page="$prefix/share/man/man1/$page.1.gz"
    if [ ! -f "$man_page" ]; then
        fail "manual page $page.1.gz is missing"
        continue
    fi
    warnings=$(zcat "$man_page" | groff -man -ww -z 2>&1) || true
    [ -z "$warnings" ] || fail "manual page $page: $warnings"
done

# Every command of --help has its entry in the manual page.
help=$("$prefix/bin/morvane-cli" --help)
man_text=$(zcat "$prefix/share/man/man1/morvane-cli.1.gz")
for command in $(sed -n '/^Commands:/,/^$/{s/^  \([a-z0-9-]*\).*/\1/p}' <<<"$help"); do
    grep -q "^\.B[IR]\? $(sed 's/-/\\\\-/g' <<<"$command")\b" <<<"$man_text" ||
        fail "the manual page lacks the command $command"
done
# The version stands in several places; a new version must reach all of them.
version=$(sed -n 's/^project(Morvane VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")
[ "$("$prefix/bin/morvane-cli" --version)" = "morvane-cli $version" ] ||
    fail "--version does not give the project's version $version"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$id.metainfo.xml" ||
    fail "the metainfo lacks the release $version"
zcat "$prefix/share/doc/morvane/changelog.Debian.gz" | head -1 | grep -qF "($version-" ||
    fail "the changelog does not start with $version"
for page in morvane morvane-cli; do
    zcat "$prefix/share/man/man1/$page.1.gz" | grep -q "^\.TH .*\"Morvane $version\"" ||
        fail "the manual page $page is not for $version"
done

# A new user, started from an unrelated folder.
mkdir -p "$work/home" "$work/somewhere"
run_cli() {
    (cd "$work/somewhere" && env -u MORVANE_INSTALL_DIR HOME="$work/home" XDG_DATA_HOME= \
        "$prefix/bin/morvane-cli" "$@")
}
user_copy="$work/home/.local/share/morvane"
if run_cli --verbose html Stars >"$work/out" 2>"$work/err"; then
    grep -q '^<applet' "$work/out" || fail "html Stars printed no applet code"
    grep -qx -- '--- needed files' "$work/out" || fail "html Stars printed no needed files"
    grep -qxF "Installation folder: $user_copy" "$work/err" || fail "--verbose: $(cat "$work/err")"
    cmp -s "$user_copy/morvane.ini" "$source_dir/data/morvane.ini" || fail "user copy not made"
else
    fail "html Stars from an unrelated folder: $(cat "$work/err")"
fi
[ -z "$(ls -A "$work/somewhere")" ] || fail "files were written into the current folder"

# A second start keeps the user's lists.
printf 'mine\r\n' >"$user_copy/cfg/ListBox1.txt"
run_cli html Stars >/dev/null 2>"$work/err" || fail "second start: $(cat "$work/err")"
[ "$(cat "$user_copy/cfg/ListBox1.txt")" = $'mine\r' ] || fail "the user's list was replaced"

# A newer version: the shipped files the user never changed follow it; the user's settings and
# changed files stay.
shipped="$prefix/share/morvane"
runtime=runtime/morvane-applets.js
printf '\n// newer\n' | tee -a "$shipped/$runtime" "$shipped/help/faq.rtf" >>"$shipped/morvane.ini"
printf 'mine\n' >"$user_copy/help/faq.rtf"
run_cli --verbose html Stars >/dev/null 2>"$work/err" || fail "newer version: $(cat "$work/err")"
grep -qxF "Refreshed the shipped file $runtime" "$work/err" || fail "--verbose: $(cat "$work/err")"
cmp -s "$user_copy/$runtime" "$shipped/$runtime" || fail "the runtime was not refreshed"
[ "$(cat "$user_copy/help/faq.rtf")" = mine ] || fail "the user's help page was replaced"
cmp -s "$user_copy/morvane.ini" "$source_dir/data/morvane.ini" || fail "the settings were replaced"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed tree checked"
