#!/bin/sh
# Starts or stops the Wine server of the test prefix, detached from every pipe: a server
# started by the first test would hold that test's output open and slow every test down.
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
