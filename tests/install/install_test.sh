#!/usr/bin/env bash
# The installation as a user meets it: `cmake --install` into a DESTDIR, the desktop
# entry and the AppStream metadata validated, then the installed `quillary` started
# (on Xvfb under openbox) with an empty home and no XDG_DATA_HOME:
#   first start: the museum folder is made in ~/.local/share/quillary, the main window
#   shows, the reader opens 目次 from the copied documents, the program ends from its menu;
#   an upgrade: the user edits one document and deletes another, the installation
#   changes two; the second start keeps the edit, brings the other change and the
#   deleted document back, and leaves the INI as it was;
#   a museum path taken by a file: a clear message and the file untouched.
#
# usage: install_test.sh <build folder>
set -euo pipefail

build=$(realpath "$1")
for tool in desktop-file-validate appstreamcli Xvfb openbox xdotool xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (quillary.sh installs it)"; exit 77; }
done

work=$(mktemp -d)
# shellcheck source=../e2e/xsession.sh
source "$(dirname "$0")/../e2e/xsession.sh"
trap 'x_stop; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    [ -f "$work/log" ] && sed 's/^/  program: /' "$work/log" >&2
    exit 1
}

root=$work/root
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
id=$(basename "$root"/usr/share/applications/*.desktop .desktop)
for file in bin/quillary libexec/quillary/quillary share/quillary/TxtData/Topics.txt \
    share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg \
    share/icons/hicolor/{16x16,22x22,24x24,32x32,48x48,64x64,128x128,256x256}/apps/$id.png \
    share/man/man1/quillary.1.gz share/doc/quillary/copyright share/doc/quillary/changelog.gz; do
    [ -f "$root/usr/$file" ] || fail "the installation lacks /usr/$file"
done
desktop-file-validate "$root/usr/share/applications/$id.desktop" || fail "desktop-file-validate rejects the entry"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml" ||
    fail "appstreamcli rejects the metadata"

export HOME=$work/home
unset XDG_DATA_HOME
mkdir "$HOME"
museum=$HOME/.local/share/quillary
installed=$root/usr/share/quillary/TxtData
x_start

start() {
    (cd / && exec "$root/usr/bin/quillary") >"$work/log" 2>&1 &
    app=$!
    pids+=($app)
    main=$(window '^『Tavelo』博物館 V1.02$') || fail "no main window"
}

# --- First start: the folder is made and the reader reads from it.
start
[ "$(ls "$museum/TxtData")" = "$(ls "$installed")" ] || fail "TxtData holds $(ls "$museum/TxtData")"
diff -r "$installed" "$museum/TxtData" >/dev/null || fail "the museum's documents differ from the installed ones"
tips=$(window 'ワンポイント$') || fail "the tips did not open at the first start"
xdotool windowactivate --sync "$tips"
keys alt+s alt+c    # tips off at start, close
card=$(window '^Taveloの俳句$') || fail "the card did not open after the tips"
xdotool windowactivate --sync "$card"
keys alt+s Return   # card off at start, OK
xdotool windowactivate --sync "$main"
keys F1
window ' - 目次$' >/dev/null || fail "F1 opened no reader on 目次"
keys Escape
gone ' - 目次$' || fail "the reader did not close"
stop_from_menu
[ -f "$museum/quillary.INI" ] || fail "no quillary.INI in $museum: $(ls -A "$museum")"

# --- An upgrade over a user's changes.
printf 'curator note\r\n' >>"$museum/TxtData/life.txt"
rm "$museum/TxtData/friend.txt"
printf 'new edition\r\n' | tee -a "$installed/life.txt" "$installed/work.txt" >/dev/null
printf 'new document\r\n' >"$installed/new.txt"
cp -p "$museum/TxtData/life.txt" "$museum/quillary.INI" "$work/"
start
kill "$app"
wait "$app" 2>/dev/null || true
cmp -s "$museum/TxtData/life.txt" "$work/life.txt" || fail "the edited life.txt was replaced"
cmp -s "$museum/quillary.INI" "$work/quillary.INI" || fail "the INI changed"
for name in work.txt new.txt friend.txt Topics.txt; do
    cmp -s "$museum/TxtData/$name" "$installed/$name" || fail "$name is not the installed one"
done
[ "$(ls "$museum/TxtData")" = "$(ls "$installed")" ] || fail "TxtData holds $(ls "$museum/TxtData")"
# The next upgrade must know work.txt as untouched: its new checksum is recorded.
grep -qx "$(sha256sum <"$installed/work.txt" | cut -d' ' -f1)  work.txt" "$museum/TxtData.sha256" ||
    fail "TxtData.sha256 does not record the upgraded work.txt"

# --- The museum's place taken by a file.
export XDG_DATA_HOME=$work/taken
mkdir "$XDG_DATA_HOME"
echo keep >"$XDG_DATA_HOME/quillary"
message=$("$root/usr/bin/quillary" 2>&1) && fail "the launcher started over a file"
[[ $message == *"$XDG_DATA_HOME/quillary is not a folder"* ]] || fail "unclear message: $message"
[ "$(cat "$XDG_DATA_HOME/quillary")" = keep ] || fail "the file in the museum's place changed"
echo "install: the installation, its validators and three starts of the launcher passed"
