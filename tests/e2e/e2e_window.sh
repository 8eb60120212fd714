# The main window on a real X server: opened centred for its layout height, cut to 363
# pixels, borderless, above other windows, painted; its close button ends the program with
# exit code 0.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_kalvon

read -r left top width height <<<"$(e2e_geometry "$E2E_MAIN")"
e2e_expect_eq "main window position" "$left,$top" \
    "$(((E2E_SCREEN_W - 587) / 2)),$(((E2E_SCREEN_H - 429) / 2))"
e2e_expect_eq "main window size" "${width}x$height" "587x363"
e2e_expect_eq "main window title" "$(e2e_xdo getwindowname "$E2E_MAIN")" "Kalvon-五金 2.0a"
e2e_expect_eq "other windows shown at start" "$(e2e_other_windows "$E2E_MAIN")" ""

# Motif hints: flags, functions, decorations, ...; flag 2 says the decorations field counts.
hints=$(timeout 5 xprop -id "$E2E_MAIN" _MOTIF_WM_HINTS)
IFS=', ' read -r -a fields <<<"${hints#*= }"
[ "${#fields[@]}" -ge 3 ] && (( fields[0] & 2 )) ||
    e2e_fail "no decoration hint: $hints"
e2e_expect_eq "decorations asked for" "$((fields[2]))" 0

state=$(timeout 5 xprop -id "$E2E_MAIN" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_ABOVE* ]] || e2e_fail "not kept above: $state"
e2e_log "ok: $state"

e2e_screenshot screen
e2e_screenshot main "${width}x$height+$left+$top"
# A painted window: the input frame's fill, between its edge and its first label's text.
e2e_expect_eq "input frame fill" "$(e2e_pixel "$E2E_SHOT" $((7 + 345 + 3)) $((32 + 9 + 3)))" DBF3BC

e2e_click_main $((556 + 15)) 8
e2e_wait_until 10 _e2e_gone "$E2E_PID" || e2e_fail "the close button did not end the program"
wait "$E2E_PID"
status=$?
e2e_expect_eq "exit code after the close button" "$status" 0
E2E_PID=
