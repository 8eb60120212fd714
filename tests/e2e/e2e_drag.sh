# The main window dragged by its title with the real mouse, with no window manager to move
# it: it follows the drag, and an open log window stays docked under it; a double-click on
# the title rolls the window up to 30 pixels and back, the log window following.
source "$(dirname "$0")/lib.sh"

e2e_start_xvfb
e2e_start_kalvon

log=
find_log() { log=$(e2e_other_windows "$E2E_MAIN" | head -n 1) && [ -n "$log" ]; }
e2e_click_main $((508 + 12)) 8  # log button 日志按钮 at (508,0) 24x17
e2e_wait_until 5 find_log || e2e_fail "the log button opened no window"

main_height_is() {
    read -r left top width height <<<"$(e2e_geometry "$E2E_MAIN")" && [ "$height" = "$1" ]
}
log_docked() {
    read -r log_left log_top log_width log_height <<<"$(e2e_geometry "$log")" &&
        [ "$log_left,$log_top" = "$left,$((top + height))" ]
}
# expect_docked HEIGHT: the main window is HEIGHT high and the log window hangs right under it.
expect_docked()
{
    e2e_wait_until 5 main_height_is "$1" || e2e_fail "main window height $height, want $1"
    e2e_wait_until 5 log_docked || true
    e2e_expect_eq "log window under the main window of height $1" \
        "$log_left,$log_top" "$left,$((top + height))"
}

expect_docked 363
e2e_expect_eq "log window size" "${log_width}x$log_height" 587x200
e2e_screenshot with-log "587x$((363 + 200))+$left+$top"

# Drag by the title label 标题栏 at (11,0) 504x26, in small steps as a hand would.
start_left=$left start_top=$top
grab_x=$((left + 200)) grab_y=$((top + 13))
dx=-150 dy=-110 steps=6
e2e_move_to "$grab_x" "$grab_y"
e2e_xdo mousedown 1
for ((step = 1; step <= steps; ++step)); do
    e2e_move_to $((grab_x + dx * step / steps)) $((grab_y + dy * step / steps))
    sleep 0.03
done
e2e_xdo mouseup 1
moved() {
    read -r left top width height <<<"$(e2e_geometry "$E2E_MAIN")" &&
        ((left - start_left - dx <= 1 && start_left + dx - left <= 1 &&
          top - start_top - dy <= 1 && start_top + dy - top <= 1))
}
e2e_wait_until 5 moved || true
e2e_expect_near "left after the drag" "$left" $((start_left + dx)) 1
e2e_expect_near "top after the drag" "$top" $((start_top + dy)) 1
expect_docked 363

# Roll up and down by double-clicks on the title; a pause longer than the double-click
# interval keeps the second pair from reading as a triple click.
e2e_move_to $((left + 200)) $((top + 13))
e2e_xdo click --repeat 2 --delay 60 1
expect_docked 30
e2e_screenshot rolled-up "587x$((30 + 200))+$left+$top"
sleep 0.5
e2e_xdo click --repeat 2 --delay 60 1
expect_docked 363
