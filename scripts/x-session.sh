# Sourced by the scripts that drive the program under an X server of their
# own: start_x_server, then focus, keys and type_text as a user would act,
# and open_new_data_window. The caller sets fail() and stops the server
# ($x_server) on its way out.

# Sets DISPLAY to a fresh Xvfb; its log goes to $1/xvfb.log.
start_x_server() {
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3> "$1/display" 2> "$1/xvfb.log" &
  x_server=$!
  for _ in $(seq 100); do
    [ -s "$1/display" ] && break
    sleep 0.1
  done
  [ -s "$1/display" ] || fail "Xvfb did not start: $(cat "$1/xvfb.log")"
  export DISPLAY=":$(head -n1 "$1/display")"
  export QT_QPA_PLATFORM=xcb
}

# Without a window manager the keyboard goes where it is sent: to the first
# window whose name matches $1, once it is up.
focus() {
  local id
  id=$(timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1) || fail "no window \"$1\""
  xdotool windowfocus --sync "$id"
  sleep 0.3
}

keys() {
  xdotool key --clearmodifiers --delay 60 "$@"
  sleep 0.4
}

type_text() {
  xdotool type --clearmodifiers --delay 30 "$1"
  sleep 0.2
}

# Place-Object > Data Window (the menu left of Help, third entry) on the
# empty page, and a right click on it, which opens its properties; $1 is a
# scratch folder for the look at the page.
open_new_data_window() {
  local box width height left top
  focus ' - Korvix$'
  keys alt+h Left Down Down Return
  import -window root "$1/page.png"
  # The new object is all there is on the page.
  box=$(convert "$1/page.png" -crop 1000x590+10+100 +repage -trim -format '%w %h %X %Y' info:)
  rm "$1/page.png"
  read -r width height left top <<< "$box"
  xdotool mousemove $((10 + ${left#+} + width / 2)) $((100 + ${top#+} + height / 2)) click 3
  focus '^Data Window Properties$'
}
