#!/usr/bin/env bash
# Starts the built program offscreen on real files (text, empty, binary, a wildcard, a missing name) and checks
# that it comes up and stays up.
set -u
penwick="$1"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir -p "$tmp/home" "$tmp/docs"
printf '[Settings]\r\nNoBugMsg=1\r\n' > "$tmp/home/penwick.ini"
printf '<html>\r\n<body>caf\xe9</body>\r\n</html>\r\n' > "$tmp/docs/page.htm"
: > "$tmp/docs/empty.txt"
head -c 200000 /dev/urandom > "$tmp/docs/noise.bin"
failed=0
for args in "$tmp/docs/page.htm" "$tmp/docs/empty.txt" "$tmp/docs/noise.bin" "$tmp/docs/*" "$tmp/docs/missing.txt"; do
  PENWICK_HOME="$tmp/home" XDG_CONFIG_HOME="$tmp/xdg" QT_QPA_PLATFORM=offscreen "$penwick" "$args" &
  pid=$!
  sleep 2
  if kill -0 "$pid" 2>/dev/null; then
    echo "ok: starts with $args"
    kill "$pid"
    wait "$pid" 2>/dev/null
  else
    wait "$pid"
    echo "FAILED: exited early (status $?) with $args"
    failed=1
  fi
done
# The documents are untouched by opening them.
[ "$(od -An -tx1 "$tmp/docs/page.htm" | tr -d ' \n')" = "3c68746d6c3e0d0a3c626f64793e636166e93c2f626f64793e0d0a3c2f68746d6c3e0d0a" ] || { echo "FAILED: page.htm changed"; failed=1; }
exit $failed
