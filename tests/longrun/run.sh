#!/usr/bin/env bash
# A long run of the real program in a real X server: thousands of random clicks, double
# clicks, drags, wheel turns and keystrokes on its controls, the log window opening and
# closing among them, then three checks: the process is alive, it still answers (its
# window is found and a double-click on the title rolls it up and down again), and its
# resident memory grew by no more than a small bound between a warm-up point and the end.
# Then the close button must end it cleanly.
#
# Usage: tests/longrun/run.sh [--events N] [--seconds S] [--seed N] [--program PATH]
#                             [--bound-kb KB] [--delay SECONDS]
#   --events N    events to drive (default 3000)
#   --seconds S   stop driving after S seconds even if events are left (default 900)
#   --seed N      the random sequence, printed at the start so a failure can be replayed
#   --program P   the executable (default build/kalvon, with its 配置文件 beside it)
#   --bound-kb K  allowed growth of the resident set (default 10240, 10 MB)
#   --delay S     pause between events (default 0.01)
# Needs Xvfb, xdpyinfo and xdotool (tools/install-deps test). No window manager runs: the
# program's windows are placed exactly where it puts them. The close and minimise buttons
# are never clicked until the end, when the close button must end the program with exit
# status 0; everything else is fair game.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
events=3000
seconds=900
seed=$(( $(date +%s) % 32768 ))
program=$root/build/kalvon
bound_kb=10240
delay=0.01
while [ $# -gt 0 ]; do
  case "$1" in
    --events) events=$2; shift 2 ;;
    --seconds) seconds=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --program) program=$2; shift 2 ;;
    --bound-kb) bound_kb=$2; shift 2 ;;
    --delay) delay=$2; shift 2 ;;
    -h|--help) sed -n '2,/^set -euo/p' "$0" | sed '$d'; exit 0 ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
  esac
done
[ -x "$program" ] || { echo "longrun: no program at $program" >&2; exit 2; }

SESSION_NAME=longrun
source "$root/tests/longrun/x_session.sh"

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status"; }

# The controls, in main-window pixels: name left top width height (from the layout; the
# title label stops short of the log button, and the close and minimise buttons are left
# out on purpose).
controls=(
  "title 11 0 495 26"     "log 508 0 24 17"        "kinds 24 47 320 20"
  "table 24 71 320 211"   "standard 32 292 304 16" "count 414 48 88 21"
  "length 414 77 88 21"   "unitweight 414 112 88 21" "copy1 544 112 22 22"
  "total 414 141 88 21"   "copy2 544 141 22 22"    "known 414 195 88 21"
  "stock 416 223 88 21"   "fromweight 416 260 88 21" "copy3 544 259 22 22"
  "bars 416 289 88 21"    "copy4 544 288 22 22"    "other 546 330 22 22"
  "ontop 54 330 93 20"    "density 193 330 55 20"  "pi 369 330 56 20"
  "decimals 504 330 24 20" "quote 34 330 500 22"   "frame 10 35 10 280"
)
fields=(count length known stock density pi decimals)
# The log window hangs under the main window: its two header labels (drag; a double-click
# on the second closes it) and its notes.
log_controls=("note1 280 4 300 16" "header 30 4 234 16" "notes 11 27 560 166")

# Random choices are made in this shell only, never in a $( ) subshell, so that one seed
# always drives the same events.
control_named()
{
  local entry
  for entry in "${controls[@]}"; do
    [ "${entry%% *}" = "$1" ] && { control=$entry; return; }
  done
}

# A random screen point inside a control ("name left top width height", below the main
# window by $2 pixels when given): sets px py.
point_in()
{
  local name left top width height
  read -r name left top width height <<<"$1"
  px=$((wx + left + 1 + RANDOM % (width > 2 ? width - 2 : 1)))
  py=$((wy + ${2:-0} + top + 1 + RANDOM % (height > 2 ? height - 2 : 1)))
}

point_in_named() { control_named "$1"; point_in "$control"; }
random_control() { point_in "${controls[RANDOM % ${#controls[@]}]}"; }

# Sets text to a few characters a numeric field may or may not take.
random_text()
{
  local alphabet='0123456789.-.-e+ax ' n=$((1 + RANDOM % 8))
  text=''
  while ((n-- > 0)); do text+=${alphabet:RANDOM % ${#alphabet}:1}; done
}

special_keys=(BackSpace Delete Tab shift+Tab Home End Left Right Up Down Return Escape
              ctrl+a ctrl+c ctrl+v ctrl+x ctrl+z Page_Up Page_Down)
arrows=(Up Down)
# A single click: xdotool's default pause after a click would be a tenth of a second.
click=(click --delay 1 1)
double_click=(click --repeat 2 --delay 40 1)

# One random event; its kind's name is left in $kind for the tally.
drive_one()
{
  local roll=$((RANDOM % 100)) dx dy downs
  if ((roll < 26)); then
    kind=click; random_control
    xdo mousemove "$px" "$py" "${click[@]}"
  elif ((roll < 33)); then
    kind=double-click; random_control
    xdo mousemove "$px" "$py" "${double_click[@]}"
  elif ((roll < 43)); then
    kind=drag; random_control
    dx=$((RANDOM % 81 - 40)) dy=$((RANDOM % 81 - 40))
    xdo mousemove "$px" "$py" mousedown 1 mousemove_relative -- $((dx / 2)) $((dy / 2)) \
        mousemove_relative -- $((dx - dx / 2)) $((dy - dy / 2)) mouseup 1
  elif ((roll < 63)); then
    kind=typing; point_in_named "${fields[RANDOM % ${#fields[@]}]}"
    if ((RANDOM % 3)); then
      random_text
      xdo mousemove "$px" "$py" "${click[@]}" type --delay 4 -- "$text"
    else
      xdo mousemove "$px" "$py" "${click[@]}" \
          key "${special_keys[RANDOM % ${#special_keys[@]}]}"
    fi
  elif ((roll < 73)); then
    kind=pick; point_in_named kinds
    downs=()
    for ((dx = RANDOM % 6; dx > 0; dx--)); do downs+=(Down); done
    xdo mousemove "$px" "$py" "${click[@]}" key --delay 10 "${downs[@]}" Return
  elif ((roll < 81)); then
    kind=row; point_in_named table
    xdo mousemove "$px" "$py" "${click[@]}" key "${arrows[RANDOM % 2]}"
  elif ((roll < 84)); then
    kind=wheel; point_in_named table
    xdo mousemove "$px" "$py" click --delay 1 $((4 + RANDOM % 2))
  elif ((roll < 92)); then
    kind=log-toggle; point_in_named log
    xdo mousemove "$px" "$py" "${click[@]}"
  else
    kind=log-window; point_in "${log_controls[RANDOM % ${#log_controls[@]}]}" "$wh"
    case $((RANDOM % 3)) in
      0) xdo mousemove "$px" "$py" "${click[@]}" ;;
      1) xdo mousemove "$px" "$py" "${double_click[@]}" ;;
      2) xdo mousemove "$px" "$py" mousedown 1 mousemove_relative -- 7 5 mouseup 1 ;;
    esac
  fi
}

# Puts the main window back in the middle when drags have walked it near an edge.
keep_on_screen()
{
  if ((wx < 0 || wy < 0 || wx + ww > screen_w || wy + 600 > screen_h)); then
    xdo windowmove "$main_window" $(((screen_w - 587) / 2)) $(((screen_h - 429) / 2))
    geometry
  fi
}

# A comparable state for a memory reading: no popup, the window expanded, the log window
# closed, then a moment for the event queue to drain.
settle()
{
  xdo key Escape Escape
  sleep 0.3
  geometry
  if ((wh != 363)); then
    xdo mousemove $((wx + 200)) $((wy + 10)) "${double_click[@]}"
    sleep 0.3
    geometry
  fi
  local windows
  windows=$(xdo search --onlyvisible --pid "$program_pid" 2>/dev/null | wc -l)
  if ((windows > 1)); then
    point_in_named log
    xdo mousemove "$px" "$py" "${click[@]}"
  fi
  sleep 1
}

# Fails the run with the way the program ended: its exit status, or the signal that
# killed it.
ended()
{
  local status=0
  wait "$program_pid" || status=$?
  ((status > 128)) && fail "the program was killed by signal $((status - 128)) $1 (seed $seed)"
  fail "the program ended with status $status $1 (seed $seed)"
}

height_is_not() { geometry && ((wh != $1)); }

# The window still answers: found by a search, and a double-click on its title changes
# its height, and a second one changes it back.
check_answers()
{
  find_main || fail "the main window is gone"
  settle
  local before=$wh
  xdo mousemove $((wx + 200)) $((wy + 10)) "${double_click[@]}"
  until_ok 10 height_is_not "$before" || fail "a double-click on the title changed nothing"
  local rolled=$wh
  xdo mousemove $((wx + 200)) $((wy + 10)) "${double_click[@]}"
  until_ok 10 height_is_not "$rolled" || fail "a second double-click changed nothing"
  log "answers: height $before -> $rolled -> $wh"
}

start_xvfb
start_program 30 "$program"
geometry
log "seed $seed, program $program, display $DISPLAY, window $main_window at $wx,$wy ${ww}x$wh"
RANDOM=$seed

warmup=$((events / 4 > 100 ? events / 4 : (events > 100 ? 100 : events)))
rss_warm=
declare -A tally=()
started=$SECONDS
driven=0
checks=0 rolled=0 log_open=0  # what the periodic checks saw: the events have effects
rss_series=()
for ((i = 1; i <= events; i++)); do
  ((SECONDS - started < seconds)) || { log "time is up after $driven events"; break; }
  if ((i % 25 == 1)); then
    gone "$program_pid" && ended "during event $i"
    find_main || fail "the main window vanished at event $i (seed $seed)"
    geometry || fail "no geometry at event $i"
    checks=$((checks + 1))
    rolled=$((rolled + (wh == 30)))
    windows=$(xdo search --onlyvisible --pid "$program_pid" 2>/dev/null | wc -l)
    log_open=$((log_open + (windows > 1)))
    rss_series+=("$(rss_kb)")
    keep_on_screen
  fi
  drive_one || fail "xdotool failed at event $i ($kind)"
  # A drag may have moved the window and a double-click rolled it: aim the next events
  # at where it is now, or they could land on its close button.
  if [ "$kind" = drag ] || [ "$kind" = double-click ] || [ "$kind" = log-window ]; then
    geometry || true
  fi
  tally[$kind]=$((${tally[$kind]:-0} + 1))
  driven=$i
  sleep "$delay"
  if ((i == warmup)); then
    settle
    rss_warm=$(rss_kb)
    log "warm-up after $i events: RSS $rss_warm kB"
  fi
done
elapsed=$((SECONDS - started))

gone "$program_pid" && ended "after the last event"
settle
rss_end=$(rss_kb)
[ -n "$rss_warm" ] || rss_warm=$rss_end
check_answers
gone "$program_pid" && ended "during the last check"

# Last, the way a user ends it: the close button, and an exit status of 0. (A sanitizer
# build reports its leaks here.)
point_in "close 560 3 24 11"
xdo mousemove "$px" "$py" "${click[@]}"
until_ok 30 gone "$program_pid" || fail "the close button did not end the program"
status=0
wait "$program_pid" || status=$?
program_pid=
((status == 0)) || fail "the program ended with status $status after the close button"

growth=$((rss_end - rss_warm))
summary=""
for k in "${!tally[@]}"; do summary+=" $k ${tally[$k]},"; done
log "driven: $driven events in ${elapsed}s:${summary%,}"
log "seen at $checks checks: rolled up $rolled times, log window open $log_open times"
if ((${#rss_series[@]} > 0)); then
  points=""
  for q in 0 1 2 3 4; do points+=" ${rss_series[(${#rss_series[@]} - 1) * q / 4]}"; done
  log "RSS (kB) at the start, the quarters and the end of the run:$points"
fi
log "memory: RSS $rss_warm kB after warm-up, $rss_end kB at the end, growth $growth kB" \
    "(bound $bound_kb kB)"
((growth <= bound_kb)) || fail "resident memory grew by $growth kB (seed $seed)"
log "ok"
