# Shared by the end-to-end scripts: a private Xvfb, the program started under it, window
# lookup, mouse helpers, bounded waits and checks. Source it with the script's arguments:
#   source lib.sh <kalvon executable> <artefact folder>
# Every wait has a deadline and every process started here is stopped on exit, so a broken
# program fails the test instead of hanging it. No window manager runs: the program's own
# windows are the only ones on the screen, placed exactly where it puts them.

set -u

E2E_KALVON=${1:?usage: script <kalvon executable> <artefact folder>}
E2E_ARTEFACTS=${2:?usage: script <kalvon executable> <artefact folder>}
E2E_NAME=$(basename "$0" .sh)
E2E_SOURCE_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_CONFIG_DIR=$E2E_SOURCE_DIR/../../config
E2E_SCREEN_W=1280
E2E_SCREEN_H=1024
E2E_TMP=$(mktemp -d "${TMPDIR:-/tmp}/kalvon-e2e.XXXXXX")
E2E_XVFB_PID=
E2E_PID=
E2E_MAIN=

mkdir -p "$E2E_ARTEFACTS"

e2e_log() { echo "[$E2E_NAME] $*"; }

e2e_fail()
{
    echo "[$E2E_NAME] FAIL: $*" >&2
    exit 1
}

# Microseconds since the epoch; EPOCHREALTIME's separator follows the locale.
_e2e_now() { echo "${EPOCHREALTIME//[!0-9]/}"; }

# e2e_wait_until SECONDS COMMAND...: runs COMMAND every 50 ms until it succeeds; status 1
# when the deadline passes first.
e2e_wait_until()
{
    local deadline=$(($(_e2e_now) + $1 * 1000000))
    shift
    while :; do
        "$@" && return 0
        (($(_e2e_now) >= deadline)) && return 1
        sleep 0.05
    done
}

# X clients get a deadline of their own: a wedged server must not hang a test.
e2e_xdo() { timeout 10 xdotool "$@"; }

# Ends a process of ours: TERM, a bounded grace period, then KILL.
_e2e_stop()
{
    local pid=$1
    [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
    kill "$pid" 2>/dev/null
    e2e_wait_until 5 _e2e_gone "$pid" || kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}
_e2e_gone() { ! kill -0 "$1" 2>/dev/null; }

_e2e_cleanup()
{
    local status=$?
    trap - EXIT
    if [ "$status" -ne 0 ] && [ -n "${DISPLAY:-}" ] && [ -n "$E2E_XVFB_PID" ]; then
        timeout 20 import -window root "$E2E_ARTEFACTS/$E2E_NAME-failure.png" 2>/dev/null
        [ -s "$E2E_TMP/kalvon.log" ] && sed "s/^/[kalvon] /" "$E2E_TMP/kalvon.log" >&2
    fi
    _e2e_stop "$E2E_PID"
    _e2e_stop "$E2E_XVFB_PID"
    rm -rf "$E2E_TMP"
    exit "$status"
}
trap _e2e_cleanup EXIT
trap 'exit 130' INT TERM HUP

for tool in Xvfb xdpyinfo xdotool xclip xprop import convert timeout; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is missing (tools/install-deps test installs it)"
done
[ -x "$E2E_KALVON" ] || e2e_fail "no program at $E2E_KALVON"
[ -d "$(dirname "$E2E_KALVON")/配置文件" ] || e2e_fail "no shipped data beside $E2E_KALVON"

_e2e_display_written() { grep -q '^[0-9][0-9]*$' "$E2E_TMP/display" 2>/dev/null; }
_e2e_display_answers() { timeout 5 xdpyinfo >/dev/null 2>&1; }

# Starts a private Xvfb on the first free display (Xvfb picks it and reports it when it
# accepts connections) and waits until a client gets an answer. One retry.
e2e_start_xvfb()
{
    local attempt
    for attempt in 1 2; do
        : >"$E2E_TMP/display"
        Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${E2E_SCREEN_W}x${E2E_SCREEN_H}x24" \
            3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 &
        E2E_XVFB_PID=$!
        if e2e_wait_until 15 _e2e_display_written; then
            DISPLAY=:$(head -n 1 "$E2E_TMP/display")
            export DISPLAY
            e2e_wait_until 15 _e2e_display_answers && return 0
        fi
        e2e_log "Xvfb start $attempt failed: $(tr '\n' ' ' <"$E2E_TMP/xvfb.log")"
        _e2e_stop "$E2E_XVFB_PID"
        E2E_XVFB_PID=
        unset DISPLAY
    done
    e2e_fail "no X server"
}

_e2e_find_main()
{
    E2E_MAIN=$(e2e_xdo search --onlyvisible --pid "$E2E_PID" --name '^Kalvon' 2>/dev/null | head -n 1)
    [ -n "$E2E_MAIN" ]
}
_e2e_main_shown_or_gone() { _e2e_gone "$E2E_PID" || _e2e_find_main; }

# Starts the program on the private display and waits for its main window to show. A start
# that shows no window is retried once before it counts as a failure.
e2e_start_kalvon()
{
    local attempt
    export QT_QPA_PLATFORM=xcb
    export XDG_RUNTIME_DIR=$E2E_TMP/runtime
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    for attempt in 1 2; do
        "$E2E_KALVON" >"$E2E_TMP/kalvon.log" 2>&1 &
        E2E_PID=$!
        if e2e_wait_until 20 _e2e_main_shown_or_gone && ! _e2e_gone "$E2E_PID"; then
            return 0
        fi
        e2e_log "start $attempt showed no window: $(tr '\n' ' ' <"$E2E_TMP/kalvon.log")"
        _e2e_stop "$E2E_PID"
        E2E_PID=
    done
    e2e_fail "the main window never showed"
}

# Prints "left top width height" of a window in screen pixels.
e2e_geometry()
{
    local X Y WIDTH HEIGHT SCREEN WINDOW shell
    shell=$(e2e_xdo getwindowgeometry --shell "$1") || return 1
    eval "$shell"
    echo "$X $Y $WIDTH $HEIGHT"
}

# Prints the program's visible windows other than the ones given, one id a line.
e2e_other_windows()
{
    local window skip known
    for window in $(e2e_xdo search --onlyvisible --pid "$E2E_PID" 2>/dev/null); do
        skip=
        for known in "$@"; do [ "$window" = "$known" ] && skip=1; done
        [ -z "$skip" ] && echo "$window"
    done
    return 0
}

e2e_move_to() { e2e_xdo mousemove "$1" "$2"; }

e2e_click_screen()
{
    e2e_move_to "$1" "$2" && e2e_xdo click 1
}

# e2e_click_main X Y: left click at a point of the main window, in window pixels.
e2e_click_main()
{
    local left top
    read -r left top _ <<<"$(e2e_geometry "$E2E_MAIN")"
    e2e_click_screen $((left + $1)) $((top + $2))
}

# The clipboard lives in the program's process under X: read it while the program runs.
e2e_clipboard() { timeout 5 xclip -o -selection clipboard 2>/dev/null; }

_e2e_clipboard_is() { E2E_CLIPBOARD=$(e2e_clipboard) && [ "$E2E_CLIPBOARD" = "$1" ]; }

# e2e_expect_clipboard WHAT TEXT: the clipboard holds TEXT within a few seconds.
e2e_expect_clipboard()
{
    E2E_CLIPBOARD=
    e2e_wait_until 5 _e2e_clipboard_is "$2" ||
        e2e_fail "$1: clipboard holds '$E2E_CLIPBOARD', want '$2'"
    e2e_log "ok: $1 = '$2'"
}

e2e_expect_eq()
{
    [ "$2" = "$3" ] || e2e_fail "$1: got '$2', want '$3'"
    e2e_log "ok: $1 = '$3'"
}

# e2e_expect_near WHAT GOT WANT TOLERANCE, integers.
e2e_expect_near()
{
    local diff=$(($2 - $3))
    ((diff < 0)) && diff=$((-diff))
    ((diff <= $4)) || e2e_fail "$1: got $2, want $3 (±$4)"
    e2e_log "ok: $1 = $2 (want $3 ±$4)"
}

# e2e_screenshot NAME [WIDTHxHEIGHT+LEFT+TOP]: the whole screen, or that part of it, into
# the artefact folder.
e2e_screenshot()
{
    local file=$E2E_ARTEFACTS/$E2E_NAME-$1.png
    timeout 20 import -window root "$file" || e2e_fail "screenshot $1"
    if [ $# -ge 2 ]; then
        convert "$file" -crop "$2" +repage "$file" || e2e_fail "cropping screenshot $1"
    fi
    E2E_SHOT=$file
}

# Prints the colour of one pixel of a picture as RRGGBB.
e2e_pixel() { convert "$1" -format "%[hex:p{$2,$3}]" info:; }
