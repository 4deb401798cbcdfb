#!/bin/bash
# Penwick against other editors from Debian, on a virtual X display: CPU time from start until the program is
# idle with the file shown (less the same with an empty file), peak memory above the empty file's, and CPU per
# typed key at the end of the file against an empty one, on generated 5 MB and 50 MB HTML pages. In every round
# each editor takes its turn on each file, so load from other programs falls on all of them alike. Last, Penwick
# opens a 512 MB page. `make bench-peers` installs what this needs first.
#
#   bench/peers.sh PENWICK [EARLIER_PENWICK]     (the second, an earlier build, is measured alongside)
#   ROUNDS (3), TIMEOUT seconds to wait for idle (90), KEYS typed per measurement (200), PEERS, HUGE=0 skips 512 MB

set -u
PENWICK=$(readlink -f "${1:?usage: bench/peers.sh PENWICK [EARLIER_PENWICK]}")
EARLIER=${2:+$(readlink -f "$2")}
ROUNDS=${ROUNDS:-3}
TIMEOUT=${TIMEOUT:-90}
KEYS=${KEYS:-200}
PEERS=${PEERS:-scite featherpad geany}
HUGE=${HUGE:-1}

for tool in Xvfb xdotool $PEERS; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run make bench-peers (it installs it)" >&2; exit 1; }
done

WORK=$(mktemp -d /tmp/penwick-peers.XXXXXX)
TICK_MS=$((1000 / $(getconf CLK_TCK)))
DISPLAY_NUMBER=$((90 + RANDOM % 100))
Xvfb ":$DISPLAY_NUMBER" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
XVFB=$!
cleanup() {
  kill "$XVFB" 2>/dev/null
  rm -rf "$WORK"
}
trap cleanup EXIT
export DISPLAY=":$DISPLAY_NUMBER"
sleep 1

# The page the in-process benchmark uses too: nested tags, attributes, text, CR LF; its paragraphs come in runs of
# 1 MiB, so big pages are quick to make. Never more than the size asked for.
awk 'BEGIN {
  ORS = ""
  while (n < 1048576 - 200) {
    line = "<p class=\"para\">Paragraph " ++i " with <b>bold</b>, <i>italic</i> and <a href=\"page.html\">a link</a> in it.</p>\r\n"
    print line; n += length(line)
  } }' >"$WORK/run.html"
make_page() {  # bytes path
  local runs=$((($1 - 100) / $(stat -c %s "$WORK/run.html"))) i
  {
    printf '<html>\r\n<head><title>Benchmark</title></head>\r\n<body>\r\n'
    for ((i = 0; i < runs; i++)); do cat "$WORK/run.html"; done
    printf '</body>\r\n</html>\r\n'
  } >"$2"
}
: >"$WORK/empty.txt"
make_page $((5 << 20)) "$WORK/5.txt"
make_page $((50 << 20)) "$WORK/50.txt"
sync

# The command that opens a file in each editor, each with settings of its own in a fresh folder.
launch() {  # editor file
  local home="$WORK/home-$1"
  rm -rf "$home" && mkdir -p "$home"
  case "$1" in
    penwick | earlier)
      printf '[Settings]\r\nNoBugMsg=1\r\n' >"$home/penwick.ini"
      local binary=$PENWICK
      [ "$1" = earlier ] && binary=$EARLIER
      HOME="$home" PENWICK_HOME="$home" exec "$binary" "$2" ;;
    geany) HOME="$home" exec geany -i -c "$home" "$2" ;;
    *) HOME="$home" exec "$1" "$2" ;;
  esac
}

cpu_ms() {  # pid: CPU time of the whole process, to the microsecond from the threads' own counters (the
  # process's tick counts step by 10 ms); they are used instead when higher, as when a thread has ended.
  local fields ticks threads=0 t
  fields=$(sed 's/.*) //' "/proc/$1/stat" 2>/dev/null) || return 1
  set -- $1 $fields
  ticks=$(((${13} + ${14}) * TICK_MS))
  for t in /proc/$1/task/*/schedstat; do
    read -r t _ <"$t" 2>/dev/null && threads=$((threads + t))
  done
  threads=$((threads / 1000000))
  echo $((threads > ticks - 2 * TICK_MS ? threads : ticks))
}

peak_kb() { awk '/^VmHWM:/ { print $2 }' "/proc/$1/status" 2>/dev/null; }

# Waits until the process has used no CPU for a second (and has a window, or has waited three seconds without
# one); prints the CPU used until then, or "busy" after TIMEOUT seconds.
wait_idle() {  # pid
  local last=-1 still=0 since=0 now deadline=$(($(date +%s) + TIMEOUT))
  while [ "$(date +%s)" -lt $deadline ]; do
    sleep 0.1
    now=$(cpu_ms "$1") || { echo dead; return; }
    if [ "$last" -ge 0 ] && [ $((now - last)) -le "$TICK_MS" ]; then
      [ $still -eq 0 ] && since=$last
      still=$((still + 1))
      if [ $still -ge 30 ] || { [ $still -ge 10 ] && xdotool search --onlyvisible --pid "$1" >/dev/null 2>&1; }; then
        echo "$since"
        return
      fi
    else
      still=0
    fi
    last=$now
  done
  echo busy
}

# Ends an editor started here; one that asks before quitting (or hangs) is killed.
stop() {  # pid
  kill "$1" 2>/dev/null
  for _ in 1 2 3 4 5 6 7 8 9 10; do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}

KEYSTROKES=$(head -c "$KEYS" /dev/zero | tr '\0' 'a')

# One measurement: load CPU (ms), peak memory (kB) when idle, CPU per key typed at the end (ms), wall ms.
measure() {  # editor file
  local start pid loaded peak window before typed
  start=$(date +%s%N)
  (launch "$1" "$2") >/dev/null 2>&1 &
  pid=$!
  loaded=$(wait_idle $pid)
  local wall=$((($(date +%s%N) - start) / 1000000))
  if [ "$loaded" = busy ] || [ "$loaded" = dead ]; then
    stop $pid
    echo "$loaded - - $wall"
    return
  fi
  peak=$(peak_kb $pid)
  window=$(xdotool search --onlyvisible --pid $pid 2>/dev/null | tail -1)
  [ -n "$window" ] && xdotool windowfocus --sync "$window" 2>/dev/null
  xdotool key --clearmodifiers ctrl+End 2>/dev/null
  sleep 0.5
  before=$(cpu_ms $pid)
  xdotool type --delay 10 "$KEYSTROKES" 2>/dev/null
  typed=$(wait_idle $pid)
  stop $pid
  if [ "$typed" = busy ] || [ "$typed" = dead ]; then
    echo "$loaded $peak - $wall"
  else
    echo "$loaded $peak $(awk -v a="$before" -v b="$typed" -v k="$KEYS" 'BEGIN { printf "%.3f", (b - a) / k }') $wall"
  fi
}

EDITORS="penwick${EARLIER:+ earlier} $PEERS"
RESULTS="$WORK/results"
: >"$RESULTS"
for round in $(seq "$ROUNDS"); do
  for size in empty 5 50; do
    for editor in $EDITORS; do
      # An editor still busy after TIMEOUT once is not made to wait again on that file.
      grep -q "^$editor $size .* busy " "$RESULTS" && continue
      echo "$editor $size $round $(measure "$editor" "$WORK/$size.txt") " >>"$RESULTS"
      echo "round $round: $(tail -1 "$RESULTS")" >&2
    done
  done
done

echo
echo "On $(nproc) cores, $ROUNDS rounds (medians); load CPU and peak memory are above the same editor with an"
echo "empty file; typing is CPU per key at the end of the 50 MB page over CPU per key in the empty file."
awk -v editors="$EDITORS" -v timeout="$TIMEOUT" '
  function median(list,   n, a, i, j, t) {
    n = split(list, a, " "); if (n == 0) return ""
    for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (a[j] + 0 < a[i] + 0) { t = a[i]; a[i] = a[j]; a[j] = t }
    return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
  }
  { key = $1 " " $2
    if ($4 == "busy" || $4 == "dead") busy[key] = $4
    else { load[key] = load[key] " " $4; peak[key] = peak[key] " " $5; if ($6 != "-") keycpu[key] = keycpu[key] " " $6 } }
  END {
    n = split(editors, list, " ")
    for (i = 1; i <= n; i++) {
      e = list[i]
      for (s = 5; s <= 50; s += 45) {
        k = e " " s
        if (k in busy) { B[k] = 1; continue }
        L[k] = median(load[k]) - median(load[e " empty"])
        M[k] = (median(peak[k]) - median(peak[e " empty"])) / 1024
      }
      T[e] = keycpu[e " 50"] != "" && median(keycpu[e " empty"]) > 0 ? median(keycpu[e " 50"]) / median(keycpu[e " empty"]) : -1
    }
    printf "%-12s %10s %10s %9s %9s %11s %9s %14s %9s\n", "editor", "load 5 MB", "load 50 MB", "÷ Penwick", \
      "peak 5 MB", "peak 50 MB", "÷ Penwick", "typing 50/empty", "÷ Penwick"
    for (i = 1; i <= n; i++) {
      e = list[i]
      l5 = B[e " 5"] ? sprintf("busy>%ds", timeout) : sprintf("%.2f s", L[e " 5"] / 1000)
      l50 = B[e " 50"] ? sprintf("busy>%ds", timeout) : sprintf("%.2f s", L[e " 50"] / 1000)
      rl = B[e " 50"] || L["penwick 50"] <= 0 ? "-" : sprintf("%.2f", L[e " 50"] / L["penwick 50"])
      m5 = B[e " 5"] ? "-" : sprintf("%.0f MB", M[e " 5"])
      m50 = B[e " 50"] ? "-" : sprintf("%.0f MB", M[e " 50"])
      rm = B[e " 50"] || M["penwick 50"] <= 0 ? "-" : sprintf("%.2f", M[e " 50"] / M["penwick 50"])
      t = T[e] < 0 ? "-" : sprintf("%.2f", T[e])
      rt = T[e] < 0 || T["penwick"] <= 0 ? "-" : sprintf("%.2f", T[e] / T["penwick"])
      printf "%-12s %10s %10s %9s %9s %11s %9s %14s %9s\n", e, l5, l50, rl, m5, m50, rm, t, rt
    }
  }' "$RESULTS"

if [ "$HUGE" = 1 ]; then
  make_page $((512 << 20)) "$WORK/512.txt"  # as big as Penwick opens
  sync && cat "$WORK/512.txt" >/dev/null     # the first editor measured does not pay for the writing of it
  for editor in penwick${EARLIER:+ earlier}; do
    set -- $(measure "$editor" "$WORK/512.txt")
    if [ "$1" = busy ] || [ "$1" = dead ]; then
      echo "$editor, 512 MB page: $1 after ${4} ms"
    else
      echo "$editor, 512 MB page: shown and idle after $(awk -v w="$4" 'BEGIN { printf "%.1f", w / 1000 }') s" \
        "($(awk -v c="$1" 'BEGIN { printf "%.1f", c / 1000 }') s CPU), peak memory $(($2 / 1024)) MB"
    fi
  done
fi
