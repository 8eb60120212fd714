# A kind picked with the mouse, a row clicked, the results copied to the clipboard: the
# copied texts are the row's unit weight at 3 decimals, times the count typed in.
source "$(dirname "$0")/lib.sh"

kind=槽钢
row=5  # "10.0" kg/m: shown as 10, so the copy carries the shown text, not the table's

# The selector lists its prompt first, then the kinds in file order.
kind_item=$(awk -F'//' -v kind="$kind" 'NF >= 2 { ++n; if ($2 == kind) { print n; exit } }' \
    "$E2E_CONFIG_DIR/kinds.txt")
item_count=$(awk -F'//' 'NF >= 2 { ++n } END { print n + 1 }' "$E2E_CONFIG_DIR/kinds.txt")
unit_weight=$(awk -F'//' -v row="$row" '!/^#/ && NF >= 3 && ++n == row { print $3; exit }' \
    "$E2E_CONFIG_DIR/tables/$kind.txt")
[ -n "$kind_item" ] && [ -n "$unit_weight" ] || e2e_fail "no $kind row $row in config/"

# The result as the program shows it: rounded half up at 3 decimals, at most 13
# significant digits, no trailing zeros.
shown_weight()
{
    LC_ALL=C awk -v x="$1" 'BEGIN {
        y = x * 1000 + 1e-12; i = int(y); if (y - i >= 0.5) ++i
        printf "%.13g\n", i / 1000 }'
}

e2e_start_xvfb
e2e_start_kalvon

# Kind selector 选择种类 at (8,6) 320x20 in the table frame at (9,9) in the outer frame at (7,32).
e2e_click_main $((7 + 9 + 8 + 160)) $((32 + 9 + 6 + 10))
popup=
find_popup() { popup=$(e2e_other_windows "$E2E_MAIN" | head -n 1) && [ -n "$popup" ]; }
e2e_wait_until 5 find_popup || e2e_fail "the kind selector's list did not drop"
read -r pleft ptop pwidth pheight <<<"$(e2e_geometry "$popup")"
e2e_log "list of $item_count items dropped at ${pwidth}x$pheight+$pleft+$ptop"
# The list ignores a release within the double-click interval (400 ms) of opening.
sleep 0.45
# Rows are equally high: all items when the list is tall enough to hold them, else the
# selector's 8 visible items.
visible=$item_count
((pheight < item_count * 15)) && visible=8
e2e_click_screen $((pleft + pwidth / 2)) $((ptop + (2 * kind_item + 1) * pheight / (2 * visible)))
popup_closed() { [ -z "$(e2e_other_windows "$E2E_MAIN")" ]; }
e2e_wait_until 5 popup_closed || e2e_fail "the kind selector's list stayed open"

# Profile table 显示数据 at (8,30) in the table frame: a 1-pixel border, a 16-pixel column
# header, then 18-pixel rows.
e2e_click_main $((7 + 9 + 8 + 100)) $((32 + 9 + 30 + 1 + 16 + 18 * (row - 1) + 9))
# Copy buttons in the result frame at (345,73): 按钮2 of the total weight at (192,36),
# 按钮1 of the unit weight at (192,7).
copy_total() { e2e_click_main $((7 + 345 + 192 + 11)) $((32 + 73 + 36 + 11)); }
copy_unit_weight() { e2e_click_main $((7 + 345 + 192 + 11)) $((32 + 73 + 7 + 11)); }
unit=$(shown_weight "$unit_weight")
copy_total
e2e_expect_clipboard "total weight of $kind row $row, 1 piece of 1 m" "$unit"

# Count field 参数1 at (62,7) 88x21 in the input frame at (345,9). The total is computed
# from the unit weight as shown.
e2e_click_main $((7 + 345 + 62 + 44)) $((32 + 9 + 7 + 10))
e2e_xdo key ctrl+a
e2e_xdo type 3
copy_total
three=$(LC_ALL=C awk -v x="$unit" 'BEGIN { printf "%.17g", 3 * x }')
e2e_expect_clipboard "total weight of 3 pieces" "$(shown_weight "$three")"
copy_unit_weight
e2e_expect_clipboard "unit weight of $kind row $row" "$unit"

read -r left top width height <<<"$(e2e_geometry "$E2E_MAIN")"
e2e_screenshot main "${width}x$height+$left+$top"
