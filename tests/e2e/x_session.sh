# Driving the real daybloom program on a private X server, for the end-to-end test and
# for tools/screenshots.sh. Source it after setting:
#   program       the daybloom executable
#   close_tool    the helper that closes a window as a window manager would
#   work          a private working folder (removed on success by x_session_cleanup)
# It provides step/fail reporting, waiting with deadlines, the private X server, window
# lookup, clicks at the program's control positions and pictures of window areas.
# shellcheck shell=bash

export LC_ALL=C.UTF-8

# ---------------------------------------------------------------------------------------
# Fixed facts of the program's windows (positions and sizes in twips, 15 per pixel,
# relative to the window's client area)

product="Daybloom Family Dates and Keepsake Planner Layout Builder"
window_title="^${product}\$"
box_title='^Daybloom Family Dates and Keepsake$' # message boxes carry the application title
dialog_title='^Save File$'

main_size=(792 570)
start_button=(120 120 11670 400)   # "Start Creating Template"
samples_button=(6000 630 5760 405) # "Load Sample/Example Amounts"

preview_size=(656 519)
first_page_row=(120 540 9600 150) # "Page 1", below the list's column header
page_view=(120 2070 9330 3885)
zoom_in_button=($((120 + 240)) $((6270 + 300)) 4440 405)
zoom_out_button=($((120 + 4800)) $((6270 + 300)) 4560 405)
back_button=(120 7260 4680 405)
save_button=(4920 7260 4800 405)

# ---------------------------------------------------------------------------------------
# Reporting

current_step="setting up"
step() {
  current_step=$*
  echo "== $current_step"
}
fail() {
  echo "FAILED in step '$current_step': $*" >&2
  exit 1
}

# ---------------------------------------------------------------------------------------
# Processes. Everything the program starts inherits a marker in its environment, so that
# leftovers are found among the other processes of the machine and only ours are killed.

marker="daybloom-x-session-$$-$RANDOM"
app_pid=""
xvfb_pid=""
main_win=""
preview_win=""
succeeded=false

marked_processes() {
  local dir pid
  for dir in /proc/[0-9]*; do
    pid=${dir#/proc/}
    [[ $pid == "$$" ]] && continue
    if grep -qzx "DAYBLOOM_X_SESSION=$marker" "$dir/environ" 2>/dev/null; then
      echo "$pid"
    fi
  done
}
no_marked_process() { [[ -z $(marked_processes) ]]; }
# While the program runs: the offices, every process of the session but the program.
offices() { marked_processes | grep -vx "${app_pid:-0}" || true; }
# While the program is idle, the only offices are the two it gets ready for the next
# build: every office a procedure used has ended.
offices_idle() {
  local running
  running=$(offices)
  [[ -z $running ]] || (($(wc -l <<<"$running") <= 2))
}

# Ends every process of the session (by its id) and the X server. On success the working
# folder goes too; on failure it stays, with a picture of the last screen.
x_session_cleanup() {
  local status=$? pid
  trap - ERR
  if [[ $succeeded != true && -n $xvfb_pid ]]; then
    xwd -root -silent 2>/dev/null | convert xwd:- "$work/failure.png" 2>/dev/null || true
  fi
  for pid in $(marked_processes); do
    echo "killing leftover process $pid ($(tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null))" >&2
    kill -9 "$pid" 2>/dev/null || true
  done
  if [[ -n $xvfb_pid ]]; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
  if [[ $succeeded == true ]]; then
    rm -rf "$work"
  else
    echo "--- program output:" >&2
    tail -n 40 "$work/daybloom.log" 2>/dev/null >&2 || true
    echo "--- kept for inspection: $work (failure.png is the last screen)" >&2
  fi
  exit "$status"
}

# wait_until SECONDS WHAT COMMAND...: runs COMMAND every tenth of a second until it
# succeeds; fails after SECONDS, or at once when the program has ended unexpectedly.
wait_until() {
  local limit=$1 what=$2
  shift 2
  local deadline=$((SECONDS + limit))
  until "$@"; do
    if [[ -n $app_pid ]] && ! kill -0 "$app_pid" 2>/dev/null; then
      fail "daybloom ended while waiting for $what"
    fi
    ((SECONDS < deadline)) || fail "no $what after ${limit}s"
    sleep 0.1
  done
}

# Starts Xvfb on a free display (it writes the number it chose to descriptor 3). Backing
# store is on: without it, a dialog mapped over another window stays unpainted (black)
# under Xvfb, although it takes input.
start_x_server() {
  Xvfb -displayfd 3 -noreset -nolisten tcp +bs -screen 0 1280x1024x24 \
    3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  wait_until 30 "X display" test -s "$work/display"
  DISPLAY=":$(head -n 1 "$work/display")"
  export DISPLAY
  # Letters the default keymap lacks get keys of their own before any window opens:
  # otherwise xdotool maps each to a spare key just before typing it, and a busy program
  # that reads the changed map late takes the key for nothing (a letter is lost).
  xmodmap -e "keycode 230 = ediaeresis Ediaeresis" -e "keycode 248 = lstroke Lstroke"
}

# ---------------------------------------------------------------------------------------
# Windows

# The height of each program window's menu bar, by window id: the controls sit under it,
# at the coordinates they have in the client area.
declare -A menu_height=()

# find_window VAR REGEX [WIDTH HEIGHT]: stores in VAR the id of a visible window whose
# name matches REGEX (and whose area under its menu bar has that size; the menu bar is
# what the window is taller by).
find_window() {
  # shellcheck disable=SC2034  # set by the eval of xdotool's output
  local var=$1 regex=$2 width=${3:-} height=${4:-} id WINDOW X Y WIDTH HEIGHT SCREEN
  for id in $(xdotool search --onlyvisible --name "$regex" 2>/dev/null || true); do
    eval "$(xdotool getwindowgeometry --shell "$id" 2>/dev/null)" || continue
    if [[ -z $width || ($WIDTH == "$width" && $HEIGHT -gt $height && $HEIGHT -lt $((height + 60))) ]]; then
      [[ -z $width ]] || menu_height[$id]=$((HEIGHT - height))
      printf -v "$var" '%s' "$id"
      return 0
    fi
  done
  return 1
}

is_visible() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_gone() { ! is_visible "$1"; }

# under_menu WINDOW: the pixels above the window's client area (its menu bar).
under_menu() { echo "${menu_height[$1]:-0}"; }

# click WINDOW LEFT TOP WIDTH HEIGHT (twips, in the client area): a left click in the
# middle of the rectangle.
click() {
  local window=$1 left=$2 top=$3 width=$4 height=$5
  xdotool mousemove --sync --window "$window" $(((left + width / 2) / 15)) \
    $(((top + height / 2) / 15 + $(under_menu "$window"))) click 1
}

focus() { timeout 10 xdotool windowfocus --sync "$1" || fail "window $1 does not take the focus"; }

type_text() { xdotool type --delay 40 "$1"; }

# snapshot WINDOW LEFT TOP WIDTH HEIGHT FILE: the window's pixels in that rectangle of its
# client area.
snapshot() {
  xwd -silent -id "$1" |
    convert xwd:- -crop "$(($4 / 15))x$(($5 / 15))+$(($2 / 15))+$(($3 / 15 + $(under_menu "$1")))" +repage "$6"
}
# window_picture WINDOW FILE: the whole window.
window_picture() { xwd -silent -id "$1" | convert xwd:- "$2"; }

same_picture() {
  local diff
  diff=$(compare -metric AE "$1" "$2" null: 2>&1 >/dev/null) || true
  [[ $diff == 0 ]]
}

# ---------------------------------------------------------------------------------------
# The program

start_program() {
  # On the X server whatever platform the caller's environment names (tests elsewhere run
  # on the offscreen one).
  DAYBLOOM_X_SESSION=$marker QT_QPA_PLATFORM=xcb "$program" >>"$work/daybloom.log" 2>&1 &
  app_pid=$!
  # The start-up check starts and ends an office before the window shows.
  wait_until 240 "main window" find_window main_win "$window_title" "${main_size[@]}"
  focus "$main_win"
}

# close_and_wait WINDOW: closes the window as a window manager would; the program must
# end by itself with status 0 and leave no process behind.
close_and_wait() {
  "$close_tool" "$1"
  local pid=$app_pid status=0
  app_pid=""
  wait_until 60 "end of daybloom" process_ended "$pid"
  wait "$pid" || status=$?
  ((status == 0)) || fail "daybloom ended with status $status"
  wait_until 30 "end of every office process" no_marked_process
  # The offices' pipe sockets carry the program's process id in their names.
  local sockets
  sockets=$(find /tmp /var/tmp -maxdepth 1 -name "OSL_PIPE_*_daybloom-$pid-*" 2>/dev/null || true)
  [[ -z $sockets ]] || fail "office pipe sockets left behind: $sockets"
}
process_ended() { ! kill -0 "$1" 2>/dev/null; }

# build_calendar: "Start Creating Template", then the preview replaces the main window.
build_calendar() {
  click "$main_win" "${start_button[@]}"
  # Two offices: one fills the template, one pictures the pages.
  wait_until 600 "preview window" find_window preview_win "$window_title" "${preview_size[@]}"
  wait_until 10 "main window to hide" is_gone "$main_win"
  focus "$preview_win"
}
