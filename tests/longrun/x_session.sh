# Shared by the long run and the valgrind run: a private Xvfb, the program started under
# it, bounded waits, and clean-up of everything started here on exit. Source it after
# setting SESSION_NAME; it defines:
#   start_xvfb                 a private server on a free display (one retry)
#   start_program CMD...       runs CMD, waits for the main window (one retry)
#   geometry                   the main window's wx wy ww wh
#   xdo ARGS...                xdotool with a deadline
#   until_ok SECONDS CMD...    retries CMD every 50 ms until it succeeds
#   log, fail, gone PID, stop PID
# No window manager runs: the program's windows sit exactly where it puts them.

screen_w=1280
screen_h=1024
session_tmp=$(mktemp -d "${TMPDIR:-/tmp}/kalvon-${SESSION_NAME:-x}.XXXXXX")
xvfb_pid=
program_pid=
main_window=

log() { echo "[${SESSION_NAME:-x}] $*"; }
fail() { echo "[${SESSION_NAME:-x}] FAIL: $*" >&2; exit 1; }
gone() { ! kill -0 "$1" 2>/dev/null; }

until_ok()
{
  local deadline=$((SECONDS + $1))
  shift
  until "$@"; do
    ((SECONDS < deadline)) || return 1
    sleep 0.05
  done
}

stop()
{
  local pid=$1
  [ -n "$pid" ] && ! gone "$pid" || return 0
  kill "$pid" 2>/dev/null || true
  until_ok 5 gone "$pid" || kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
}

session_cleanup()
{
  local status=$?
  trap - EXIT
  if [ "$status" -ne 0 ] && [ -s "$session_tmp/program.log" ]; then
    sed 's/^/[program] /' "$session_tmp/program.log" | tail -40 >&2
  fi
  stop "$program_pid"
  stop "$xvfb_pid"
  rm -rf "$session_tmp"
  exit "$status"
}
trap session_cleanup EXIT
trap 'exit 130' INT TERM HUP

for tool in Xvfb xdpyinfo xdotool timeout; do
  command -v "$tool" >/dev/null || fail "$tool is missing (tools/install-deps test installs it)"
done

# Every X client call gets a deadline: a wedged server must fail the run, not hang it.
xdo() { timeout 10 xdotool "$@"; }

_display_written() { grep -q '^[0-9][0-9]*$' "$session_tmp/display" 2>/dev/null; }
_display_answers() { timeout 5 xdpyinfo >/dev/null 2>&1; }

start_xvfb()
{
  local attempt
  for attempt in 1 2; do
    : >"$session_tmp/display"
    Xvfb -displayfd 3 -noreset -nolisten tcp -screen 0 "${screen_w}x${screen_h}x24" \
      3>"$session_tmp/display" >"$session_tmp/xvfb.log" 2>&1 &
    xvfb_pid=$!
    if until_ok 15 _display_written; then
      export DISPLAY=:$(head -n 1 "$session_tmp/display")
      until_ok 15 _display_answers && return 0
    fi
    log "Xvfb start $attempt failed: $(tr '\n' ' ' <"$session_tmp/xvfb.log")"
    stop "$xvfb_pid"
    xvfb_pid=
  done
  fail "no X server"
}

find_main()
{
  main_window=$(xdo search --onlyvisible --pid "$program_pid" --name '^Kalvon' 2>/dev/null |
                head -n 1) || true
  [ -n "$main_window" ]
}
_shown_or_gone() { gone "$program_pid" || find_main; }

# start_program TIMEOUT CMD...: a start that shows no window in time is retried once.
start_program()
{
  local attempt timeout=$1
  shift
  export QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR=$session_tmp/runtime
  mkdir -p -m 700 "$XDG_RUNTIME_DIR"
  for attempt in 1 2; do
    "$@" >"$session_tmp/program.log" 2>&1 &
    program_pid=$!
    if until_ok "$timeout" _shown_or_gone && ! gone "$program_pid"; then
      return 0
    fi
    log "program start $attempt showed no window"
    stop "$program_pid"
    program_pid=
  done
  fail "the main window never showed"
}

# The main window's place: wx wy ww wh. Qt gives a window a new X window when its
# always-on-top flag changes, so a failed lookup looks the window up again first.
geometry()
{
  local X Y WIDTH HEIGHT SCREEN WINDOW shell
  shell=$(xdo getwindowgeometry --shell "$main_window" 2>/dev/null) ||
    { find_main && shell=$(xdo getwindowgeometry --shell "$main_window" 2>/dev/null); } ||
    return 1
  eval "$shell"
  wx=$X wy=$Y ww=$WIDTH wh=$HEIGHT
}
