#!/usr/bin/env bash
# Fails when a source file includes a header of a folder above its own: the libraries depend one way only,
# down this list. markup/ and collections/ stand side by side and use neither the other.
set -u
cd "$(dirname "$0")/../.."
levels="platform:0 ui:1 settings:2 editor:3 markup:4 collections:4 tools:5 app:6"
level() { for pair in $levels; do [ "${pair%%:*}" = "$1" ] && echo "${pair#*:}" && return; done; echo -1; }
bad=0
for pair in $levels; do
  folder=${pair%%:*}
  own=${pair#*:}
  while IFS= read -r hit; do
    included=$(sed -E 's/.*#include "([a-z_]+)\/.*/\1/' <<<"$hit")
    theirs=$(level "$included")
    [ "$theirs" -lt 0 ] && continue
    if [ "$theirs" -gt "$own" ] || { [ "$theirs" -eq "$own" ] && [ "$included" != "$folder" ]; }; then
      echo "upward include: $hit"
      bad=1
    fi
  done < <(grep -rn --include='*.h' --include='*.cpp' -E '#include "[a-z_]+/' "$folder")
done
[ "$bad" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$bad"
