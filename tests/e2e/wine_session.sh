#!/bin/sh
# Starts or stops the Wine server of the prefix in WINEPREFIX, detached from every pipe: a
# server started by the first program run would hold that run's output open and slow it down.
#
# A new prefix takes about 700 MB, since Wine copies every one of its DLLs into it. Where the
# disk beside the build tree has less room than that, the prefix lives in memory (/dev/shm)
# behind a link of the same name, and stopping removes it again. Without the room, Wine
# would leave a prefix without kernel32.dll, and every later run would fail on it.
set -e
wine=${WINE:-/usr/lib/wine/wine64}
wine_dir=$(dirname "$wine")
prefix_mb=800
memory_prefixes=/dev/shm/quillspool-wineprefix

free_mb() { df -Pm "$1" 2>/dev/null | awk 'NR == 2 { free = $4 } END { print free + 0 }'; }

place_prefix() {
  # A dangling link is a prefix in memory that went with a reboot.
  if [ -L "$WINEPREFIX" ] && [ ! -e "$WINEPREFIX" ]; then rm -f "$WINEPREFIX"; fi
  [ -e "$WINEPREFIX" ] && return 0
  created=1
  parent=$(dirname "$WINEPREFIX")
  mkdir -p "$parent"
  free=$(free_mb "$parent")
  if [ "$free" -lt $prefix_mb ] && [ "$(free_mb /dev/shm)" -ge $prefix_mb ]; then
    target=$(mktemp -d "$memory_prefixes.XXXXXX")
    ln -s "$target" "$WINEPREFIX"
    echo "wine_session: $free MB free in $parent; the Wine prefix is in $target" >&2
  else
    mkdir -p "$WINEPREFIX"
  fi
}

remove_memory_prefix() {
  [ -L "$WINEPREFIX" ] || return 0
  target=$(readlink "$WINEPREFIX")
  case "$target" in
    "$memory_prefixes".*)
      rm -rf "$target"
      rm -f "$WINEPREFIX"
      ;;
  esac
}

case "$1" in
  start)
    created=0
    place_prefix
    room=$(free_mb "$WINEPREFIX/")
    "$wine_dir/wineserver" -p </dev/null >/dev/null 2>&1
    status=0
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || status=$?
    if [ $status -ne 0 ] || [ ! -s "$WINEPREFIX/drive_c/windows/system32/kernel32.dll" ]; then
      echo "wine_session: Wine could not set up its prefix in $WINEPREFIX (status $status," \
           "$room MB free there, a new prefix needs about $prefix_mb MB)" >&2
      "$wine_dir/wineserver" -k </dev/null >/dev/null 2>&1 || true
      "$wine_dir/wineserver" -w </dev/null >/dev/null 2>&1 || true
      # Half a prefix would only fail the next run the same way.
      if [ $created -eq 1 ]; then
        remove_memory_prefix
        rm -rf "$WINEPREFIX"
      fi
      exit 1
    fi
    ;;
  stop)
    "$wine_dir/wineserver" -k </dev/null >/dev/null 2>&1 || true
    if [ -L "$WINEPREFIX" ]; then
      "$wine_dir/wineserver" -w </dev/null >/dev/null 2>&1 || true
      remove_memory_prefix
    fi
    ;;
  *) echo "usage: $0 start|stop" >&2; exit 2 ;;
esac
