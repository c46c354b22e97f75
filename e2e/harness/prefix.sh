# The end-to-end Wine prefix: made once per build folder, with a virtual desktop so the robot's keys reach the game.

# make_prefix_once: creates $WINEPREFIX under a lock, so parallel starts make it only once.
make_prefix_once() {
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.virtual-desktop" ]; then
      rm -rf "$WINEPREFIX"
      wineboot --init >/dev/null 2>&1 || true
      wineserver -w
      wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
      wineserver -k || true
      wineserver -w || true
      touch "$WINEPREFIX/.virtual-desktop"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# wait_for_exit PID SECONDS: true when the process ends within the time.
wait_for_exit() {
  local pid=$1 seconds=$2 tenth
  for ((tenth = 0; tenth < seconds * 10; tenth++)); do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid" 2>/dev/null || true
      return 0
    fi
    sleep 0.1
  done
  return 1
}
