# A virtual display and a Wine prefix of our own, for the Windows tests and
# `scripts/demo --windows`. Source it, then call wine_session_start TOP; it
# exports WINEPREFIX (TOP/build/win64/wineprefix, made when missing),
# WINEDEBUG, WINEDLLOVERRIDES and DISPLAY, and sets a trap that ends the
# Wine session and the display on exit.

wine_session_xvfb=

wine_session_stop() {
  wineserver -k >/dev/null 2>&1 || true
  [ -n "$wine_session_xvfb" ] && kill "$wine_session_xvfb" >/dev/null 2>&1
  wine_session_xvfb=
}

# wine_ui_fonts FACE [RUNNER...]: the faces the windows ask for (Segoe UI,
# Tahoma, Malgun Gothic) drawn in FACE. RUNNER..., when given, runs wine
# (for example in another PC's prefix and network namespace).
wine_ui_fonts() {
  local face=$1 name
  shift
  for name in "Segoe UI" Tahoma "Malgun Gothic"; do
    "$@" wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$name" /t REG_SZ /d "$face" /f >/dev/null 2>&1
  done
}

wine_session_start() {
  local top=$1
  export WINEPREFIX="$top/build/win64/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  trap wine_session_stop EXIT

  local display=99
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  wine_session_xvfb=$!
  export DISPLAY=":$display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.1; done

  if [ -d "$top/build/win64" ] && [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "=== creating Wine prefix"
    wineboot -i >/dev/null 2>&1
    wineserver -w
  fi

  # The fonts the windows ask for, mapped to Debian's fonts so that every
  # language's texts render as a user would see them. Windows draws Hangul
  # in a "Segoe UI" text through its font links; Wine's links do not reach
  # the Noto CJK collections, so the Latin faces map to Noto Sans CJK KR,
  # which holds Latin, Greek, Cyrillic and Hangul in one face, and that face
  # links to Noto Sans for the rest of Latin (the Central European letters)
  # and to DejaVu Sans for Arabic and Hebrew.
  if [ -f "$WINEPREFIX/system.reg" ]; then
    wine_ui_fonts "Noto Sans CJK KR"
    local links='NotoSans-Regular.ttf,Noto Sans\0NotoSans-Bold.ttf,Noto Sans\0DejaVuSans.ttf,DejaVu Sans'
    links+='\0DejaVuSans-Bold.ttf,DejaVu Sans'
    local face
    for face in "Noto Sans CJK KR" "Segoe UI"; do
      wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' /v "$face" \
        /t REG_MULTI_SZ /d "$links" /f >/dev/null 2>&1
    done
  fi
}
