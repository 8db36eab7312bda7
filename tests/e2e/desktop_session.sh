#!/usr/bin/env bash
# A person's first two sessions with the museum, on a real X server (Xvfb) under a
# window manager (openbox), driven by keys and clicks through xdotool:
#   first start with no INI: the tips, then the card (both unticked); every reader
#   command; the three list halls; a search that finds and one that does not; the
#   year dialog; a new edit window with typed Japanese text, saved; the window moved
#   and resized; the program ended from its menu;
#   second start: no greeting dialogs, the placement and the search history back.
# Screenshots of each step go to the output folder.
#
# usage: desktop_session.sh <quillary executable> <built museum folder> <output folder>
set -euo pipefail

exe=$(realpath "$1")
museum=$(realpath "$2")
out=$3
mkdir -p "$out"
rm -f "$out"/*.png
out=$(realpath "$out")

work=$(mktemp -d)
# shellcheck source=xsession.sh
source "$(dirname "$0")/xsession.sh"
cleanup() {
    x_stop
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    shot "failure"
    exit 1
}

x_start

step=0
shot() {
    step=$((step + 1))
    import -window root "$(printf '%s/%02d-%s.png' "$out" "$step" "$1")" 2>/dev/null || true
}

main_title() { xdotool getwindowname "$main"; }

# The INI as UTF-8 text (it is written in cp932).
ini() { iconv -c -f CP932 -t UTF-8 "$work/quillary.INI" 2>/dev/null | tr -d '\r'; }

start() {
    (cd "$work" && exec "$exe") >"$work/log" 2>&1 &
    app=$!
    pids+=($app)
}

cp -r "$museum/TxtData" "$work/"

# --- First start, no INI: the tips, then the card.
start
tips=$(window 'ワンポイント$') || fail "the tips dialog did not open at the first start"
main=$(window '^『Tavelo』博物館 V1.02$') || fail "no main window"
shot "first-start-tips"
xdotool windowactivate --sync "$tips"
keys alt+s          # 起動時にワンポイントを表示(S): off
keys alt+c          # 閉じる(C)
gone 'ワンポイント$' || fail "the tips dialog did not close"
card=$(window '^Taveloの俳句$') || fail "the card did not open after the tips"
shot "first-start-card"
xdotool windowactivate --sync "$card"
keys alt+s          # 起動時に表示(S): off
keys Return         # OK
gone '^Taveloの俳句$' || fail "the card did not close"
ini | grep -qx 'onepointview=0' || fail "unticking the tips was not kept: $(ini)"
ini | grep -qx 'HaikuView=0' || fail "unticking the card was not kept"

# --- Every reader command, from the menus (F1 for the contents).
xdotool windowactivate --sync "$main"
readers=(
    "contents:F1"
    "works:alt+s Return"
    "works-500:alt+s Down Return"
    "works-550:alt+s Down Down Return"
    "works-600:alt+s Down Down Down Return"
    "chronology:alt+l Return"
    "friends:alt+l Down Return"
    "season-words:alt+d Down Return"
)
for entry in "${readers[@]}"; do
    name=${entry%%:*}
    read -r -a sequence <<<"${entry#*:}"
    keys "${sequence[@]}"
    reader=$(xdotool search --onlyvisible --name '.' | grep -vx "$main" | while read -r id; do
        case $(xdotool getwindowname "$id") in 'Qt Selection Owner'* | quillary) ;; *) echo "$id" ;; esac
    done | tail -n 1)
    [ -n "$reader" ] || fail "$name: no reader opened"
    keys Down Down
    # The pointer starts at the top left corner of the main pane, below the key boxes.
    eval "$(xdotool getmouselocation --shell)"
    read -r left top < <(xwininfo -id "$reader" | awk '/Absolute upper-left/ {v = v $4 " "} END {print v}')
    ((X - left == 2 && Y - top > 20 && Y - top < 40)) ||
        fail "$name: the pointer is at $((X - left)),$((Y - top)) of the reader, not on its main pane"
    shot "reader-$name"
    keys Escape
    for _ in $(seq 50); do xdotool getwindowname "$reader" >/dev/null 2>&1 || break; sleep 0.1; done
    xdotool getwindowname "$reader" >/dev/null 2>&1 && fail "$name: the reader did not close on Esc"
done

# --- The list halls.
keys alt+d Down Down Return
[[ $(main_title) == *季語一覧* ]] || fail "季語一覧 did not open: $(main_title)"
keys alt+b Return
[[ $(main_title) == *登録全句* ]] || fail "登録全句 did not open: $(main_title)"
shot "haiku-hall"

# A search: click into the search box of the search bar, type, and search.
eval "$(xdotool getwindowgeometry --shell "$main")"
xdotool mousemove --window "$main" 300 34 click 1
sleep 0.3
xdotool type --delay 250 '浅間'
keys alt+h f        # ﾍﾙﾌﾟ > 検索(F)
sleep 0.5
# Message boxes carry the program's title alone; the main window's names its child.
xdotool search --onlyvisible --name '^『Tavelo』博物館 V1.02$' >/dev/null 2>&1 && fail "searching 浅間 showed a message"
shot "search-found"
xdotool mousemove --window "$main" 300 34 click --repeat 3 1
xdotool type --delay 250 'ぞぞぞ'
keys alt+h f
window '^『Tavelo』博物館 V1.02$' >/dev/null || fail "searching a missing text showed no message"
shot "search-not-found"
keys Return
xdotool windowactivate --sync "$main"

# The calendar hall and its year dialog: two steps up from 1874.
keys alt+k Return
[[ $(main_title) == *1874年* ]] || fail "the calendar hall did not open on 1874: $(main_title)"
keys alt+k Down Return
year=$(window '^旧暦 <1874～1959>$') || fail "the year dialog did not open"
xdotool windowactivate --sync "$year"
keys Up Up Return
gone '^旧暦 <' || fail "the year dialog did not close"
[[ $(main_title) == *1876年* ]] || fail "the calendar did not move to 1876: $(main_title)"
shot "calendar-1876"

# --- An edit window: typed Japanese text, saved under a name.
keys ctrl+n
xdotool type --delay 250 '秋の山に雲ひとつ'
keys ctrl+s
save=$(window '名前を付けて保存|Save As') || fail "Ctrl+S on a new text opened no save dialog"
shot "save-dialog"
xdotool windowactivate --sync "$save"
xdotool type --delay 40 'note.txt'
keys Return
gone '名前を付けて保存|Save As' || fail "the save dialog did not close"
[ -f "$work/note.txt" ] || fail "note.txt was not written"
[ "$(iconv -f CP932 -t UTF-8 "$work/note.txt")" = '秋の山に雲ひとつ' ] || fail "note.txt holds $(xxd "$work/note.txt")"
shot "edit-window-saved"

# --- Move and size the main window, then end the program from its menu.
xdotool windowsize --sync "$main" 1000 700
xdotool windowmove --sync "$main" 120 90
eval "$(xdotool getwindowgeometry --shell "$main")"
placedX=$X placedY=$Y placedW=$WIDTH placedH=$HEIGHT
shot "placed"
stop_from_menu
ini | grep -q '^WindowPos=' || fail "no window placement was written"
ini | grep -Eq '^Find[0-9]+=浅間$' || fail "the search history was not written: $(ini)"

# --- Second start: no greeting dialogs; placement and history back.
start
main=$(window '^『Tavelo』博物館 V1.02$') || fail "no main window at the second start"
sleep 1
xdotool search --onlyvisible --name 'ワンポイント|Taveloの俳句' >/dev/null 2>&1 &&
    fail "a greeting dialog opened although both were unticked"
eval "$(xdotool getwindowgeometry --shell "$main")"
near() { [ $(($1 - $2)) -le 2 ] && [ $(($2 - $1)) -le 2 ]; }
near "$X" "$placedX" && near "$Y" "$placedY" && near "$WIDTH" "$placedW" && near "$HEIGHT" "$placedH" ||
    fail "the placement came back as ${WIDTH}x$HEIGHT at $X,$Y, not ${placedW}x$placedH at $placedX,$placedY"
shot "second-start"
stop_from_menu
ini | grep -Eq '^Find[0-9]+=浅間$' || fail "the search history did not come back at the second start"
ini | grep -Eq '^Find[0-9]+=ぞぞぞ$' || fail "the second search was not kept in the history"

echo "desktop session: $step screenshots in $out"
echo "1 passed, 0 failed"
