# Sourced by the Windows tests: a Wine of their own in a scratch prefix, made
# once per run without Wine's Mono and Gecko installers (whose dialogs would
# hang the first start), quiet, with no sound card, and a server that stays up
# between the programs so each one starts quickly.
#
# wine_start SCRATCH: makes the prefix under SCRATCH and exports what Wine needs;
# wine_stop: ends that prefix's server. The caller's trap calls wine_stop.
wine_start() {
  export WINEPREFIX=$1/wine-prefix
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export SDL_AUDIODRIVER=dummy ALSOFT_DRIVERS=null
  wineboot --init >/dev/null 2>&1
  wineserver -w
  wineserver -p
}

wine_stop() {
  [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
}
