#!/usr/bin/env bash
# End-to-end test of the real daybloom program under a private X server, driven only
# through X input events (xdotool), the way a person uses it:
#   type entries (January 1, February 29, December 31, one with non-ASCII text), close,
#   start again and find them restored; load the samples; build the calendar; in the
#   preview choose Page 6, zoom in and out, drag; save through the file dialog, confirm
#   "Done."; read the saved .doc with antiword; "< Back", change an entry, build and save
#   again; close. Nothing may be left behind: no office process, no temporary file.
#
#   daybloom_e2e.sh DAYBLOOM CLOSE-TOOL SETTING-TOOL
#
# Exit status 0 on success, 1 on failure, 77 (skipped) when a required tool is missing.
# Every wait polls a window, a file or a process against a deadline.

set -Eeuo pipefail

program=$1
close_tool=$2
setting_tool=$3

for tool in Xvfb xdotool xwd xwininfo convert compare antiword; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/daybloom-e2e.XXXXXX")
# shellcheck source=tests/e2e/x_session.sh
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
trap x_session_cleanup EXIT
trap 'echo "FAILED in step '\''$current_step'\'': command failed (line $LINENO): $BASH_COMMAND" >&2' ERR

section=$product
month_names=(January February March April May June July August September October November December)
month_days=(31 29 31 30 31 30 31 31 30 31 30 31)
month_keys=(txtJan txtFeb txtMar txtApr txtMay txtJune txtJuly txtAug txtSep txtOct txtNov txtDec)

# The entry panel slides inside the viewport Picture1 (Frame3 at 120,1095 + Picture1 at
# 150,285; 6900 high); the panel lies at -15,-scroll in it.
viewport_left=$((120 + 150))
viewport_top=$((1095 + 285))
viewport_height=6900
panel_left=-15
box_lefts=(435 3165 5895 8625) # month column 1..4
day1_tops=(555 10620 20685)    # month row 1..3
box_width=2430
box_height=330
day_pitch=315

samples=(
  "11 16 Ruth Birthday" "12 5 Brian Birthday" "12 8 John Birthday"
  "1 28 Grampa Birthday" "1 16 Elvis Anniversary" "4 13 Mary Birthday"
  "7 22 Nancy Birthday" "9 16 Mom Birthday"
)

# Private settings, home and temporary folders.
export HOME=$work/home
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
export TEMP=$work/temp
export TMPDIR=$work/tmp
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TEMP" "$TMPDIR" "$work/out" "$work/shots"
chmod 700 "$XDG_RUNTIME_DIR"
settings_file=$XDG_CONFIG_HOME/Quillmoor.ini

step "starting a private X server"
start_x_server
echo "display $DISPLAY"

view_differs_from() {
  snapshot "$preview_win" "${page_view[@]}" "$work/shots/now.png"
  ! same_picture "$work/shots/now.png" "$1"
}
view_equals() {
  snapshot "$preview_win" "${page_view[@]}" "$work/shots/now.png"
  same_picture "$work/shots/now.png" "$1"
}

# show_last_page FILE: a click on the first row of the page list (Page 1, shown already),
# then End: its key release shows the last page, pictured into FILE.
show_last_page() {
  click "$preview_win" "${first_page_row[@]}"
  xdotool key End
  wait_until 30 "the last page in the page view" view_differs_from "$work/shots/page1.png"
  cp "$work/shots/now.png" "$1"
}

# ---------------------------------------------------------------------------------------
# Settings

setting() { "$setting_tool" "$settings_file" "$section" "$1"; }
setting_is() {
  local value
  value=$(setting "$1") || return 1
  [[ $value == "$2" ]]
}
expect_setting() {
  wait_until 10 "setting $1 = '$2' (now '$(setting "$1" || true)')" setting_is "$1" "$2"
}
key_of() { echo "${month_keys[$1 - 1]}$(($2 - 1))"; }

# ---------------------------------------------------------------------------------------
# The entry panel. The panel follows the keyboard focus: a box that takes the focus is
# shown on the viewport's last row unless the panel's top already shows it; the test
# tracks that scroll value to know where each box is.

scroll=15
day_top() { echo $((day1_tops[($1 - 1) / 4] + day_pitch * ($2 - 1))); }
tab_position() {
  local m=$1 d=$2 i position=0
  for ((i = 0; i < m - 1; i++)); do position=$((position + month_days[i])); done
  echo $((position + d - 1))
}
focus_moved_to() {
  local top
  top=$(day_top "$1" "$2")
  if ((top + box_height < viewport_height)); then scroll=15; else scroll=$((top - viewport_height + day_pitch)); fi
}

# click_day MONTH DAY: clicks the day's box, which must be visible at the current scroll.
click_day() {
  local m=$1 d=$2 top left
  top=$(day_top "$m" "$d")
  left=${box_lefts[($m - 1) % 4]}
  ((top >= scroll && top + box_height <= scroll + viewport_height)) ||
    fail "test error: ${month_names[$m - 1]} $d is not visible at scroll $scroll"
  click "$main_win" $((viewport_left + panel_left + left)) $((viewport_top - scroll + top)) "$box_width" "$box_height"
  focus_moved_to "$m" "$d"
}

# tab_day FROM-MONTH FROM-DAY TO-MONTH TO-DAY: moves the focus forward with Tab.
tab_day() {
  local count
  count=$(($(tab_position "$3" "$4") - $(tab_position "$1" "$2")))
  ((count > 0)) || fail "test error: tab_day goes backwards"
  local keys=()
  for ((; count > 0; count--)); do keys+=(Tab); done
  xdotool key --delay 10 "${keys[@]}"
  focus_moved_to "$3" "$4"
}

type_text() { xdotool type --delay 40 "$1"; }

# ---------------------------------------------------------------------------------------
# The saved calendar, read back with antiword: every month in calendar order, every day
# row in order, and each day's text exactly as expected (no text on any other day).

declare -A expected=()
expect_entry() { expected["$1 $2"]=$3; }

check_document() {
  local file=$1 text line month=0 day=0 found
  text=$(antiword -m UTF-8.txt "$file") || fail "antiword cannot read $file"
  local nbsp=$'\u00a0'
  declare -A seen=()
  while IFS= read -r line; do
    line=${line//$nbsp/ }
    if [[ $line =~ ^\|([A-Z][a-z]+)\ *\|$ ]]; then
      ((month == 0 || day == month_days[month - 1])) ||
        fail "${month_names[month - 1]} has $day day rows in $file"
      [[ ${BASH_REMATCH[1]} == "${month_names[month]:-}" ]] ||
        fail "month '${BASH_REMATCH[1]}' out of calendar order in $file"
      month=$((month + 1))
      day=0
    elif [[ $line =~ ^\|\ *([0-9]+)\ *\|(.*)\|$ ]]; then
      ((month > 0)) || fail "day row before the first month in $file"
      day=$((day + 1))
      ((BASH_REMATCH[1] == day)) || fail "${month_names[month - 1]}: row ${BASH_REMATCH[1]} where day $day belongs"
      found=${BASH_REMATCH[2]}
      found=${found%"${found##*[! ]}"}
      [[ $found == "${expected["$month $day"]:-}" ]] ||
        fail "${month_names[month - 1]} $day reads '$found', expected '${expected["$month $day"]:-}'"
      seen["$month $day"]=1
    fi
  done <<<"$text"
  ((month == 12 && day == 31)) || fail "$file ends in month $month at day $day"
  local entry
  for entry in "${!expected[@]}"; do
    [[ -n ${seen[$entry]:-} ]] || fail "day $entry missing from $file"
  done
}

# ---------------------------------------------------------------------------------------
# Files

# The program keeps its temporary files in a private folder of its own below TEMP.
temp_documents() { find "$TEMP" -name 'kestrel*.doc'; }
one_generated_document() {
  local paths
  paths=$(temp_documents)
  [[ $(wc -l <<<"$paths") == 1 && $(basename "$paths") =~ ^kestrel[1-9]{8}\.doc$ ]]
}
no_generated_document() { [[ -z $(temp_documents) ]]; }
folder_empty() { [[ -z $(find "$1" -mindepth 1 -print -quit) ]]; }

# save_as PATH: "Save Results To Word File", type the path into the dialog, confirm "Done."
save_as() {
  local target=$1 dialog done_box
  click "$preview_win" "${save_button[@]}"
  wait_until 30 "save dialog" find_window dialog "$dialog_title"
  focus "$dialog"
  xdotool key ctrl+a
  type_text "$target"
  xdotool key Return
  wait_until 30 "\"Done.\" message" find_window done_box "$box_title"
  [[ -f $target ]] || fail "$target was not written before \"Done.\""
  focus "$done_box"
  xdotool key Return
  wait_until 10 "\"Done.\" to close" is_gone "$done_box"
  cmp -s "$target" "$(temp_documents)" || fail "$target is not a copy of the generated document"
  focus "$preview_win"
}

# build_and_check: builds, then both offices of the build have ended, exactly one
# generated document is in TEMP and neither the template nor the page snapshot is left.
build_and_check() {
  build_calendar
  wait_until 30 "the build's offices to end" offices_idle
  wait_until 10 "one generated document in TEMP" one_generated_document
  [[ -z $(find "$TEMP" -name 'template*.dot' -o -name temp.bmp) ]] || fail "build left $(find "$TEMP")"
}

# =======================================================================================

step "first start with an empty settings folder"
start_program
wait_until 30 "the start-up check's office to end" offices_idle
[[ ! -e $settings_file ]] || ! setting txtJan0 >/dev/null || fail "a fresh start wrote entries"

step "typing entries into January 1, February 29, December 31 and October 20"
jan1="New Year Brunch"
feb29="Zoë & Łukasz"
dec31="Silvester Party"
oct20="Golden Wedding"
click_day 1 1
type_text "$jan1"
expect_setting txtJan0 "$jan1"
tab_day 1 1 2 29
type_text "$feb29"
expect_setting txtFeb28 "$feb29"
tab_day 2 29 12 31
type_text "$dec31"
expect_setting txtDec30 "$dec31"
click_day 10 20        # visible near the bottom while December 31 is shown
type_text "$oct20"
expect_setting txtOct19 "$oct20"

step "closing the main window"
close_and_wait "$main_win"
for pair in "txtJan0 $jan1" "txtFeb28 $feb29" "txtDec30 $dec31" "txtOct19 $oct20"; do
  setting_is "${pair%% *}" "${pair#* }" || fail "${pair%% *} changed on closing"
done

step "second start: the entries are restored into their boxes"
scroll=15
start_program
# Appending to each box at its end shows that the box holds the restored text: the store
# then has the old text followed by the appended one.
suffix=" again"
click_day 1 1
xdotool key End
type_text "$suffix"
jan1+=$suffix
expect_setting txtJan0 "$jan1"
tab_day 1 1 2 29
xdotool key End
type_text "$suffix"
feb29+=$suffix
expect_setting txtFeb28 "$feb29"
tab_day 2 29 12 31
xdotool key End
type_text "$suffix"
dec31+=$suffix
expect_setting txtDec30 "$dec31"
click_day 10 20
xdotool key End
type_text "$suffix"
oct20+=$suffix
expect_setting txtOct19 "$oct20"

step "loading the sample entries"
click "$main_win" "${samples_button[@]}"
for sample in "${samples[@]}"; do
  read -r m d text <<<"$sample"
  expect_setting "$(key_of "$m" "$d")" "$text"
  expect_entry "$m" "$d" "$text"
done
expect_entry 1 1 "$jan1"
expect_entry 2 29 "$feb29"
expect_entry 12 31 "$dec31"
expect_entry 10 20 "$oct20"

step "ready offices that were stopped are replaced: the build works without a report"
two_offices() { (($(offices | wc -l) == 2)); }
wait_until 60 "the offices got ready for the build" two_offices
stopped=$(offices)
kill -STOP $stopped
build_and_check
[[ -z $(xdotool search --onlyvisible --name '^Application Error$') ]] || fail "a report came"
for pid in $stopped; do
  [[ ! -e /proc/$pid ]] || grep -q '^State:.*Z' "/proc/$pid/status" || fail "the stopped office $pid was kept"
done
click "$preview_win" "${back_button[@]}"
wait_until 30 "main window" is_visible "$main_win"
focus "$main_win"

step "building the calendar"
build_and_check

step "preview: choosing Page 6"
convert -size "$((page_view[2] / 15))x$((page_view[3] / 15))" xc:white "$work/shots/blank.png"
wait_until 30 "page 1 in the page view" view_differs_from "$work/shots/blank.png"
snapshot "$preview_win" "${page_view[@]}" "$work/shots/page1.png"
show_last_page "$work/shots/page6.png"
# Five rows up is Page 1 again, so there are six pages; five down is Page 6.
xdotool key Up Up Up Up Up
wait_until 30 "Page 1 again" view_equals "$work/shots/page1.png"
xdotool key Down Down Down Down Down
wait_until 30 "Page 6 again" view_equals "$work/shots/page6.png"

step "preview: zooming in and out"
click "$preview_win" "${zoom_in_button[@]}"
wait_until 30 "the zoomed page" view_differs_from "$work/shots/page6.png"
click "$preview_win" "${zoom_out_button[@]}"
wait_until 30 "the page at its first size" view_equals "$work/shots/page6.png"

step "preview: dragging the page"
read -r drag_x drag_y <<<"$(((page_view[0] + page_view[2] / 2) / 15)) $(((page_view[1] + page_view[3] / 2) / 15 + $(under_menu "$preview_win")))"
xdotool mousemove --sync --window "$preview_win" "$drag_x" "$drag_y" mousedown 1
for offset in 10 20 30 40 50 60; do
  xdotool mousemove --sync --window "$preview_win" $((drag_x - offset)) $((drag_y - offset))
done
xdotool mouseup 1
wait_until 10 "the dragged page" view_differs_from "$work/shots/page6.png"

step "saving the calendar through the dialog"
first_save=$work/out/calendar-1.doc
save_as "$first_save"

step "reading the saved calendar"
check_document "$first_save"

step "going back to the entries"
click "$preview_win" "${back_button[@]}"
wait_until 30 "main window" is_visible "$main_win"
wait_until 10 "preview window to hide" is_gone "$preview_win"
wait_until 10 "the generated document to be deleted" no_generated_document
focus "$main_win"

step "changing an entry"
# The last box that had the focus is October 20; November 16 is visible with it.
click_day 11 16
xdotool key End shift+Home
changed="Ruth 90th Birthday"
type_text "$changed"
expect_setting txtNov15 "$changed"
expect_entry 11 16 "$changed"

step "building and saving again"
build_and_check
# The view is set up anew for the new page 1 (January and February, unchanged), and the
# new Page 6 shows the changed November entry.
wait_until 30 "the new page 1 from its top left corner" view_equals "$work/shots/page1.png"
show_last_page "$work/shots/page6-changed.png"
! same_picture "$work/shots/page6-changed.png" "$work/shots/page6.png" || fail "Page 6 did not change"
second_save=$work/out/calendar-2.doc
save_as "$second_save"
check_document "$second_save"

step "closing the preview window ends the program"
close_and_wait "$preview_win"

step "nothing left behind"
folder_empty "$TEMP" || fail "left in TEMP: $(find "$TEMP" -mindepth 1)"
folder_empty "$TMPDIR" || fail "left in TMPDIR: $(ls -A "$TMPDIR")"
# Only the entries, their safety copy from loading the samples, and the file dialog's own
# state that Qt keeps (QtProject.conf): the offices ran with private profiles, not in the
# user's configuration.
extra=$(find "$XDG_CONFIG_HOME" -mindepth 1 ! -path "$settings_file" ! -path "$settings_file.bak" \
  ! -path "$XDG_CONFIG_HOME/QtProject.conf")
[[ -z $extra ]] || fail "settings folder holds more than the entries: $extra"

succeeded=true
echo "== end-to-end test passed"
