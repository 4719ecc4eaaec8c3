#!/usr/bin/env bash
# Refreshes the pictures of the user's guide, docs/main-window.png, docs/preview.png and
# docs/main-window-de.png: builds daybloom if needed, runs it on a private X server with a
# few entries and the sample entries in a private settings folder, pictures the main
# window, builds the calendar and pictures the preview window, then pictures the main
# window once more in German. Leaves no process and no file behind.
#
#   tools/screenshots.sh            (build folder: $DAYBLOOM_BUILD_DIR or build/)

set -Eeuo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${DAYBLOOM_BUILD_DIR:-$here/build}

for tool in Xvfb xdotool xwd xwininfo convert compare; do
  command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

if [[ ! -f $build/CMakeCache.txt ]]; then
  cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
fi
cmake --build "$build" -j"$(nproc)" --target daybloom daybloom_e2e_close daybloom_e2e_setting

program=$build/daybloom
close_tool=$build/tests/e2e/daybloom_e2e_close
setting_tool=$build/tests/e2e/daybloom_e2e_setting

work=$(mktemp -d "${TMPDIR:-/tmp}/daybloom-shots.XXXXXX")
# shellcheck source=tests/e2e/x_session.sh
source "$here/tests/e2e/x_session.sh"
trap x_session_cleanup EXIT

export HOME=$work/home
export XDG_CONFIG_HOME=$work/config
export XDG_RUNTIME_DIR=$work/runtime
export TEMP=$work/temp
export TMPDIR=$work/tmp
mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" "$TEMP" "$TMPDIR"
chmod 700 "$XDG_RUNTIME_DIR"

# settled_picture WINDOW FILE: pictures the window into FILE; true once two pictures in a
# row are the same, that is once the window has finished painting.
settled_picture() {
  window_picture "$1" "$work/next.png"
  if [[ -f $2 ]] && same_picture "$work/next.png" "$2"; then return 0; fi
  mv "$work/next.png" "$2"
  return 1
}

step "a few entries in a private settings folder"
# Days in the first rows of January to April, which the panel shows at its top.
for entry in "txtJan0 New Year Brunch" "txtJan5 Leo Birthday" "txtFeb13 Our Anniversary" \
  "txtMar2 Anna Birthday" "txtMar16 Grandpa Joe 80" \
  "txtApr6 Sam & Kim Wedding"; do
  "$setting_tool" "$XDG_CONFIG_HOME/Quillmoor.ini" "$product" "${entry%% *}" "${entry#* }"
done

step "the main window"
start_x_server
start_program
click "$main_win" "${samples_button[@]}"
# The samples include April 13, in view at the panel's top.
sample_stored() { [[ $("$setting_tool" "$XDG_CONFIG_HOME/Quillmoor.ini" "$product" txtApr12) == "Mary Birthday" ]]; }
wait_until 10 "the sample entries" sample_stored
# Park the pointer outside the window so that no hover effect is pictured.
xdotool mousemove --sync 0 0
wait_until 10 "the main window to settle" settled_picture "$main_win" "$here/docs/main-window.png"

step "the preview window"
build_calendar
blank=$work/blank.png
convert -size "$((page_view[2] / 15))x$((page_view[3] / 15))" xc:white "$blank"
page_shown() {
  snapshot "$preview_win" "${page_view[@]}" "$work/view.png"
  ! same_picture "$work/view.png" "$blank"
}
wait_until 30 "page 1 in the page view" page_shown
click "$preview_win" "${first_page_row[@]}"
click "$preview_win" "${zoom_in_button[@]}"
zoomed() {
  snapshot "$preview_win" "${page_view[@]}" "$work/zoomed.png"
  ! same_picture "$work/zoomed.png" "$work/view.png"
}
wait_until 30 "the zoomed page" zoomed
xdotool mousemove --sync 0 0
wait_until 10 "the preview window to settle" settled_picture "$preview_win" "$here/docs/preview.png"

step "closing"
close_and_wait "$preview_win"

step "the main window in German"
LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LANGUAGE= start_program
xdotool mousemove --sync 0 0
wait_until 10 "the German main window to settle" settled_picture "$main_win" "$here/docs/main-window-de.png"
close_and_wait "$main_win"
succeeded=true
echo "wrote $here/docs/main-window.png, $here/docs/preview.png and $here/docs/main-window-de.png"
