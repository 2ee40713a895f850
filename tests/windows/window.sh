# Sourced by tests/windows/run.sh: the Windows game in a real window under Wine
# on a virtual X server, started from another folder than its own, checked
# against the Linux driver's pictures of the same screens. Every wait is for the
# picture the next step needs, never for a change: the title's button and the
# chef animate.
display_pid=
wm_pid=

start_display() {
  [ -n "$display_pid" ] && return 0
  Xvfb -displayfd 5 -screen 0 1280x1024x24 -ac -nolisten tcp 5>"$work/display" 2>/dev/null &
  display_pid=$!
  local tries=0
  until [ -s "$work/display" ]; do
    tries=$((tries + 1))
    [ $tries -gt 100 ] && { echo "Xvfb did not start" >&2; return 1; }
    sleep 0.1
  done
  export DISPLAY=:$(head -n1 "$work/display")
  openbox >/dev/null 2>&1 &
  wm_pid=$!
}

stop_display() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$display_pid" ] && kill "$display_pid" 2>/dev/null
  wm_pid=
  display_pid=
}

# The Linux driver's pictures: the title's two frames and the menu at rest.
make_references() {
  [ -f "$work/ref/menu.bmp" ] && return 0
  local data=$work/ref/data
  mkdir -p "$data"
  fresh_data "$data" "$game"
  "$root/build/plumbrix-replay" --data "$data" --frames 41 --shot 5:"$work/ref/title0.bmp" \
    --shot 40:"$work/ref/title1.bmp" 2>/dev/null || return 1
  printf '10 click 320 440\n20 move 630 20 outside\n' >"$work/ref/menu.script"
  rm -f "$data/game.sav"
  "$root/build/plumbrix-replay" --data "$data" --script "$work/ref/menu.script" --frames 400 \
    --shot 399:"$work/ref/menu.bmp" 2>/dev/null
}

# Pixels that differ between the window and a reference, in a picture region
# given as WxH+X+Y; a window of another size differs everywhere.
differing() {
  local window=$1 reference=$2 region=$3
  import -window "$window" "$work/grab.png" 2>/dev/null || { echo 999999; return; }
  [ "$(identify -format %wx%h "$work/grab.png")" = 640x480 ] || { echo 999999; return; }
  convert "$reference" -crop "$region" +repage "$work/want.ppm"
  convert "$work/grab.png" -crop "$region" +repage "$work/got.ppm"
  compare -metric AE "$work/want.ppm" "$work/got.ppm" null: 2>&1 | cut -d' ' -f1
}

# wait_for WINDOW SECONDS REGION REFERENCE...: until the region shows one of the
# references exactly.
wait_for() {
  local window=$1 deadline=$((SECONDS + $2)) region=$3
  shift 3
  while [ $SECONDS -lt $deadline ]; do
    local reference
    for reference in "$@"; do
      [ "$(differing "$window" "$reference" "$region")" = 0 ] && return 0
    done
    sleep 0.2
  done
  return 1
}

# A click at a picture position; the window shows the picture unscaled.
click_at() {
  # A click on a window that has not got the focus yet may only give it that.
  xdotool windowactivate --sync "$1" 2>/dev/null
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  sleep 0.06
  # The pointer stays: the game reads where it is when it takes the click,
  # which may be a frame or two later.
  xdotool mouseup 1
}

# A click on a window that another window has the focus from: the click both
# gives the game the focus and reaches it, as on Windows itself.
click_from_elsewhere() {
  xmessage -geometry -0-0 elsewhere >/dev/null 2>&1 &
  local other=$! elsewhere= deadline=$((SECONDS + 60))
  while [ -z "$elsewhere" ] && [ $SECONDS -lt $deadline ]; do
    elsewhere=$(xdotool search --onlyvisible --class Xmessage 2>/dev/null | head -n1)
    [ -n "$elsewhere" ] || sleep 0.2
  done
  [ -n "$elsewhere" ] && xdotool windowactivate --sync "$elsewhere" 2>/dev/null
  xdotool mousemove --window "$1" "$2" "$3" mousedown 1
  sleep 0.06
  xdotool mouseup 1
  kill "$other" 2>/dev/null
  [ -n "$elsewhere" ] || { echo "no other window to take the focus" >&2; return 1; }
}

# The window's 32x32 icon, as Wine hands it to the window manager, is the one
# built into the program, pixel for pixel.
icon_is_the_games() {
  xprop -id "$1" -notype 32c _NET_WM_ICON >"$work/icon.txt" 2>/dev/null || return 1
  convert "$out/plumbrix.ico[4]" -depth 8 rgba:"$work/icon.rgba" || return 1
  python3 - "$work/icon.txt" "$work/icon.rgba" <<'PYTHON'
import sys
values = [int(v) for v in open(sys.argv[1]).read().split("=", 1)[1].split(",")]
width, height, shown = values[0], values[1], values[2:]
raw = open(sys.argv[2], "rb").read()
built = [raw[i + 3] << 24 | raw[i] << 16 | raw[i + 1] << 8 | raw[i + 2] for i in range(0, len(raw), 4)]
sys.exit(0 if (width, height) == (32, 32) and shown[: width * height] == built else 1)
PYTHON
}

# Whether the game ends within half a minute; if not, it and whatever it left
# in Wine are ended.
ended() {
  local pid=$1 deadline=$((SECONDS + 30))
  while kill -0 "$pid" 2>/dev/null && [ $SECONDS -lt $deadline ]; do
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null || return 0
  kill "$pid" 2>/dev/null
  wineserver -k 2>/dev/null
  wineserver -p
  return 1
}

# plays_in_a_window writable|read-only: the unpacked game, started from another
# folder, shows its title; a click brings the menu (in the read-only run, a click
# that also takes the focus from another window); Exit writes game.sav beside
# the program, or with that folder read-only in %LOCALAPPDATA%\Plumbrix.
plays_in_a_window() {
  local mode=$1 status=0
  start_display && make_references || return 1
  local own=$WINEPREFIX/drive_c/users/$(whoami)/AppData/Local/Plumbrix
  rm -f "$game/game.sav" "$game/window.cfg" "$own/game.sav" "$own/window.cfg"
  if [ "$mode" = read-only ]; then
    chmod a-w "$game"
    # Root writes into any folder whose mode says no; an immutable one stops it.
    touch "$game/probe" 2>/dev/null && { rm -f "$game/probe"; chattr +i "$game"; }
    if touch "$game/probe" 2>/dev/null; then
      rm -f "$game/probe"
      echo "cannot make $game read-only here" >&2
      return 1
    fi
  fi
  mkdir -p "$work/elsewhere"
  xdotool mousemove 1270 1010
  (cd "$work/elsewhere" && exec wine "$game/plumbrix.exe" >"$work/game.log" 2>&1) &
  local pid=$! window= deadline=$((SECONDS + 120))
  while [ -z "$window" ] && [ $SECONDS -lt $deadline ]; do
    window=$(xdotool search --onlyvisible --name '^Plumbrix v1.0$' 2>/dev/null | head -n1)
    [ -n "$window" ] || sleep 0.2
  done
  if [ -z "$window" ]; then
    echo "no window titled Plumbrix v1.0" >&2
    status=1
  # The title shows while the sounds and music load; its button's two
  # pictures in turn say that the game runs its frames and takes clicks.
  elif ! wait_for "$window" 120 640x480+0+0 "$work/ref/title0.bmp" ||
    ! wait_for "$window" 120 640x480+0+0 "$work/ref/title1.bmp"; then
    echo "the window never showed the title ($(differing "$window" "$work/ref/title0.bmp" 640x480+0+0) pixels off)" >&2
    status=1
  else
    if [ "$mode" = writable ] && ! icon_is_the_games "$window"; then
      echo "the window's icon is not the game's" >&2
      status=1
    fi
    if [ "$mode" = writable ]; then
      click_at "$window" 320 440
    else
      click_from_elsewhere "$window" 320 440 || status=1
    fi
    # The menu's buttons, whatever the chef beside them does.
    if ! wait_for "$window" 120 180x298+85+171 "$work/ref/menu.bmp"; then
      echo "the menu's buttons never showed" >&2
      status=1
    else
      click_at "$window" 174 442
    fi
  fi
  # Exit ends the program.
  if ! ended "$pid"; then
    [ $status = 0 ] && echo "the game did not end after Exit" >&2
    status=1
  fi
  local expected=$game/game.sav absent=$own/game.sav
  [ "$mode" = read-only ] && { expected=$own/game.sav; absent=$game/game.sav; }
  if [ $status = 0 ] && { [ ! -s "$expected" ] || [ -e "$absent" ]; }; then
    echo "Exit did not save into $expected alone" >&2
    status=1
  fi
  [ $status = 0 ] || cat "$work/game.log" >&2
  if [ "$mode" = read-only ]; then
    chattr -i "$game" 2>/dev/null
    chmod u+w "$game"
  fi
  return $status
}

# A picture missing from the folder: the game says so in a Windows message box
# captioned Error, over the game's window, and ends once it is closed.
error_box_shows() {
  start_display || return 1
  local broken=$work/broken status=0
  rm -rf "$broken" && cp -r "$game" "$broken" && rm "$broken/bmp/Font.bmp"
  (cd "$work" && exec wine "$broken/plumbrix.exe" >"$work/broken.log" 2>&1) &
  local pid=$! box= deadline=$((SECONDS + 120))
  while [ -z "$box" ] && [ $SECONDS -lt $deadline ]; do
    box=$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null | head -n1)
    [ -n "$box" ] || sleep 0.2
  done
  if [ -z "$box" ]; then
    echo "no message box captioned Error" >&2
    status=1
  else
    xdotool windowactivate --sync "$box" 2>/dev/null
    xdotool key --window "$box" Return
  fi
  if ! ended "$pid"; then
    [ $status = 0 ] && echo "the game did not end after its error box" >&2
    status=1
  fi
  [ $status = 0 ] || cat "$work/broken.log" >&2
  return $status
}
