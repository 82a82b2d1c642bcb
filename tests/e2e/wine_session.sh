#!/bin/sh
# Starts or stops the Wine server of the prefix in WINEPREFIX, detached from every pipe: a
# server started by the first program run would hold that run's output open and slow it down.
set -e
wine_dir=$(dirname "${WINE:-/usr/lib/wine/wine64}")
case "$1" in
  start)
    mkdir -p "$WINEPREFIX"
    "$wine_dir/wineserver" -p </dev/null >/dev/null 2>&1
    "${WINE:-/usr/lib/wine/wine64}" cmd /c exit </dev/null >/dev/null 2>&1
    ;;
  stop)
    "$wine_dir/wineserver" -k </dev/null >/dev/null 2>&1 || true
    ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
