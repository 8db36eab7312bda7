# Sourced by the scripts that drive the real program on a display of their own:
# Xvfb under openbox, windows found and keys sent through xdotool. Processes
# started go into `pids`, for the caller's clean-up to end.
pids=()

x_stop() { for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done; }

# Starts Xvfb on a display number it finds free (so scripts running side by side
# do not meet), and openbox on it.
x_start() {
    local number
    number=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$number" >/dev/null 2>&1 &
    pids+=($!)
    for _ in $(seq 100); do [ -s "$number" ] && break; sleep 0.1; done
    export DISPLAY=:$(head -n 1 "$number")
    rm -f "$number"
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    openbox >/dev/null 2>&1 &
    pids+=($!)
    sleep 0.5
}

# The id of the first visible window whose name matches the pattern, waiting for it.
window() {
    local pattern=$1 id
    for _ in $(seq 100); do
        id=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | head -n 1 || true)
        [ -n "$id" ] && { echo "$id"; return 0; }
        sleep 0.1
    done
    return 1
}

# Waits until no visible window matches the pattern.
gone() {
    for _ in $(seq 100); do
        xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 || return 0
        sleep 0.1
    done
    return 1
}

keys() { xdotool key --delay 80 "$@"; sleep 0.3; }

# Ends the program `app` from the menu of its main window `main` (the caller's `fail`
# reports what went wrong).
stop_from_menu() {
    xdotool windowactivate --sync "$main"
    keys alt+f
    keys x
    for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$app" 2>/dev/null && fail "the program did not end from ﾌｧｲﾙ > Quillaryの終了"
    wait "$app" || fail "the program ended with status $?"
}
