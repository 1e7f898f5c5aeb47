# Shared environment of the project's Wine runner and test scripts (sourced, not run).
TERVIK_KOREN="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# TERVIK_WINE_DIR may point elsewhere, so that parallel work uses a Wine environment of its own.
TERVIK_WINE_DIR="${TERVIK_WINE_DIR:-$TERVIK_KOREN/build/wine}"
# Lanes (tools/testy): the Wine tests run side by side, each lane with its own Wine environment, wineserver
# and Xvfb, described by TERVIK_DRAHA<n>_WINE_DIR and TERVIK_DRAHA<n>_DISPLAY. A test gets its lane from ctest
# (resource "draha", CTEST_RESOURCE_GROUP_0_DRAHA="id:<n>,slots:1") or from TERVIK_DRAHA; all it starts
# inherits the lane.
if [ -z "${TERVIK_DRAHA:-}" ] && [ -n "${CTEST_RESOURCE_GROUP_0_DRAHA:-}" ]; then
  TERVIK_DRAHA="${CTEST_RESOURCE_GROUP_0_DRAHA#id:}"
  TERVIK_DRAHA="${TERVIK_DRAHA%%,*}"
fi
if [ -n "${TERVIK_DRAHA:-}" ]; then
  _adresar_drahy="TERVIK_DRAHA${TERVIK_DRAHA}_WINE_DIR"
  _displej_drahy="TERVIK_DRAHA${TERVIK_DRAHA}_DISPLAY"
  if [ -n "${!_adresar_drahy:-}" ]; then
    export TERVIK_DRAHA TERVIK_WINE_DIR="${!_adresar_drahy}"
    [ -z "${!_displej_drahy:-}" ] || export DISPLAY="${!_displej_drahy}"
  fi
  unset _adresar_drahy _displej_drahy
fi
export WINEPREFIX="$TERVIK_WINE_DIR/prefix"
export WINEARCH=win64
export HOME="$TERVIK_WINE_DIR/home"
export XDG_DATA_HOME="$HOME/.local/share"
export XDG_CONFIG_HOME="$HOME/.config"
export XDG_CACHE_HOME="$HOME/.cache"
export XDG_RUNTIME_DIR="$TERVIK_WINE_DIR/run"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml,winemenubuilder.exe,winedbg.exe,winealsa.drv,winepulse.drv=d"
TERVIK_WINE64=/usr/lib/wine/wine64
[ -x "$TERVIK_WINE64" ] || TERVIK_WINE64="$(command -v wine64 || true)"
TERVIK_WINESERVER=/usr/lib/wine/wineserver
[ -x "$TERVIK_WINESERVER" ] || TERVIK_WINESERVER="$(command -v wineserver || true)"

# Starts an own Xvfb on a display it finds free itself (no race with Xvfbs starting beside it, as the lanes
# of tools/testy do); sets TERVIK_XVFB_PID and DISPLAY once the server listens.
tervik_spustit_xvfb() {
  local soubor i
  soubor="$(mktemp)"
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$soubor" >/dev/null 2>&1 </dev/null &
  TERVIK_XVFB_PID=$!
  for i in $(seq 1 300); do
    [ -s "$soubor" ] && break
    sleep 0.1
  done
  export DISPLAY=":$(tr -d '\n' <"$soubor")"
  rm -f "$soubor"
}

# Makes the isolated Wine prefix once (serialised, so parallel tests do not race).
tervik_pripravit_prefix() {
  mkdir -p "$TERVIK_WINE_DIR" "$HOME" "$XDG_DATA_HOME" "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/.tervik-hotovo" ]; then
      rm -rf "$WINEPREFIX"
      echo "tools/wine: vytvářím prostředí Wine v $WINEPREFIX ..." >&2
      "$TERVIK_WINE64" wineboot -i >/dev/null 2>&1 </dev/null
      # Without a window manager (Xvfb) Wine draws the window frames and captions itself.
      "$TERVIK_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /d N /f >/dev/null 2>&1 </dev/null
      "$TERVIK_WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 </dev/null
      "$TERVIK_WINESERVER" -w
      touch "$WINEPREFIX/.tervik-hotovo"
    fi
    if [ -x "$TERVIK_KOREN/tools/po-vytvoreni-prefixu" ]; then
      "$TERVIK_KOREN/tools/po-vytvoreni-prefixu"
    fi
  ) 9>"$TERVIK_WINE_DIR/.zamek"
}
