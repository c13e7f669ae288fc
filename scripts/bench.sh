#!/usr/bin/env bash
# Builds the benchmarks in Release and prints every figure as a Markdown table, also written to
# <build folder>/bench.md:
#   - start-up, from launch until the first window is painted, at 100 % and 200 %, of Yarno and of a bare Qt Widgets
#     program with one label in the same font (the toolkit's floor), run in turn under Xvfb
#     (scripts/virtual_x.sh, a fresh server for each series);
#   - instructions to that first paint, under callgrind;
#   - Submit and New on both stories: time and instructions per operation.
# Installs nothing: scripts/setup.sh does that.
#
#   scripts/bench.sh [build folder]        (default: build-bench)
#   BENCH_PAIRS=50 scripts/bench.sh        (start-up pairs, default 30; at least 10)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-bench"}
pairs=${BENCH_PAIRS:-30}
(( pairs >= 10 )) || { echo "BENCH_PAIRS must be at least 10" >&2; exit 2; }

missing=()
for tool in cmake Xvfb valgrind pkg-config; do
  command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ -f /usr/include/xcb/damage.h ]] || missing+=("xcb/damage.h")
if (( ${#missing[@]} )); then
  echo "Missing: ${missing[*]}. Run scripts/setup.sh first." >&2
  exit 2
fi

load_before=$(cut -d' ' -f1-3 /proc/loadavg)
echo "== Build (Release) in $build" >&2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DYARNO_BUILD_TESTS=ON -DYARNO_BUILD_BENCH=ON \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target yarno yarno_startup_floor yarno_startup_probe yarno_bench_story \
  yarno_startup_test >/dev/null

out="$build/bench-out"
rm -rf "$out"
mkdir -p "$out"
yarno="$build/app/yarno"
floor="$build/bench/yarno_startup_floor"
probe="$build/bench/yarno_startup_probe"
story="$build/bench/yarno_bench_story"

# Only what both programs see alike: no session manager, no theme, style or scaling of the
# caller's desktop.
clean_env=(env -u SESSION_MANAGER -u QT_QPA_PLATFORMTHEME -u QT_STYLE_OVERRIDE -u QT_SCALE_FACTOR
  -u QT_SCREEN_SCALE_FACTORS -u QT_AUTO_SCREEN_SCALE_FACTOR -u QT_ENABLE_HIGHDPI_SCALING)
source "$root/scripts/virtual_x.sh"
trap stop_x EXIT
on_x() {
  start_x 1280x1024x24
  local status=0
  "${clean_env[@]}" "$@" || status=$?
  stop_x
  return "$status"
}

echo "== Start-up: $pairs pairs, Yarno and floor in turn" >&2
on_x "$probe" --pairs "$pairs" --warmup 3 --runs "$out/startup-runs.tsv" yarno="$yarno" floor="$floor" \
  >"$out/startup.tsv" 2>"$out/startup.log" || { cat "$out/startup.log" >&2; exit 1; }
echo "== Start-up at 200 %: $pairs pairs" >&2
on_x env QT_SCALE_FACTOR=2 "$probe" --pairs "$pairs" --warmup 3 --runs "$out/startup-200-runs.tsv" \
  yarno="$yarno" floor="$floor" >"$out/startup-200.tsv" 2>"$out/startup-200.log" \
  || { cat "$out/startup-200.log" >&2; exit 1; }

echo "== Start-up instructions under callgrind" >&2
on_x "$probe" --pairs 1 --warmup 0 --term \
  "yarno=/usr/bin/valgrind --tool=callgrind --callgrind-out-file=$out/cg-startup-yarno.%p $yarno" \
  "floor=/usr/bin/valgrind --tool=callgrind --callgrind-out-file=$out/cg-startup-floor.%p $floor" \
  >/dev/null 2>"$out/startup-callgrind.log" || { cat "$out/startup-callgrind.log" >&2; exit 1; }
# A program may fork on its way up (the session bus's autolaunch); the fork writes a profile of
# its own that ends early, so the process's own profile is the one with the most instructions.
for program in yarno floor; do
  profile=$(awk '/^totals:/ && $2 > max { max = $2; file = FILENAME } END { print file }' "$out"/cg-startup-"$program".*)
  callgrind_annotate --inclusive=yes --threshold=100 "$profile" >"$out/startup-$program.annotated" 2>/dev/null
done
# Inclusive instructions of the first function whose line holds the text. A function that is not
# there (renamed, or inlined away, as a Qt update may do) is a missing figure: never read as 0,
# and never a reason to withhold the figures that are there.
ir() {  # ir PROGRAM TEXT
  awk -v p="$2" 'index($0, p) { gsub(",", "", $1); print $1; found = 1; exit }
    END { if (!found) exit 1 }' "$out/startup-$1.annotated" ||
    echo "no \"$2\" in $1's start-up profile ($out/startup-$1.annotated)" >>"$out/missing-figures"
}
ir_yarno=$(ir yarno "PROGRAM TOTALS")
ir_floor=$(ir floor "PROGRAM TOTALS")
# The phases of start-up, each one function's inclusive count (_y Yarno's, _f the floor's).
dl_y=$(ir yarno ":_dl_start ["); dl_f=$(ir floor ":_dl_start [")
qa_y=$(ir yarno "???:QApplication::QApplication(int&, char**, int) ["); qa_f=$(ir floor "???:QApplication::QApplication(int&, char**, int) [")
af_y=$(ir yarno "???:QFontDatabase::addApplicationFont(QString const&) ["); af_f=$(ir floor "???:QFontDatabase::addApplicationFont(QString const&) [")
icon_y=$(ir yarno "ui::qt::windowIcon(")
build_y=$(ir yarno "ui::qt::FormWindow::FormWindow(")
show_y=$(ir yarno "ui::Form::show() ["); show_f=$(ir floor "???:QWidget::show() [")
exec_y=$(ir yarno "???:QCoreApplication::exec() ["); exec_f=$(ir floor "???:QCoreApplication::exec() [")
glyphs_y=$(ir yarno "???:QFontDatabasePrivate::load(QFontPrivate const*, int) [")
glyphs_f=$(ir floor "???:QFontDatabasePrivate::load(QFontPrivate const*, int) [")

echo "== Story operations" >&2
cycles_cg=10
"${clean_env[@]}" QT_QPA_PLATFORM=offscreen "$story" >"$out/story.tsv" 2>"$out/story.log" \
  || { cat "$out/story.log" >&2; exit 1; }
"${clean_env[@]}" QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --collect-atstart=no \
  --callgrind-out-file="$out/cg-story" "$story" --cycles "$cycles_cg" >/dev/null 2>"$out/story-callgrind.log" \
  || { cat "$out/story-callgrind.log" >&2; exit 1; }
for dump in "$out"/cg-story.*; do
  awk '/^desc: Trigger: Client Request:/ { name = $NF } /^totals:/ { print name "\t" $2 }' "$dump"
done >"$out/story-ir.tsv"

startup_test=FAILED
if QT_QPA_PLATFORM=offscreen "$build/bench/yarno_startup_test" >"$out/startup-test.log" 2>&1; then
  startup_test=passed
fi

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
qt=$(awk -F'\t' '$1 == "qt" { print $2 }' "$out/story.tsv")
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

field() {  # field PROGRAM COLUMN [SCALE]
  awk -F'\t' -v p="$1" -v c="$2" 'NR == 1 { for (i = 1; i <= NF; ++i) col[$i] = i; next } $1 == p { print $col[c] }' \
    "$out/startup${3:+-$3}.tsv"
}
fastest() {  # fastest PROGRAM [SCALE]
  awk -F'\t' -v p="$1" 'NR > 1 && $2 == p && (min == "" || $3 < min) { min = $3 } END { print min }' \
    "$out/startup${2:+-$2}-runs.tsv"
}
story_us() { awk -F'\t' -v k="$1" '$1 == k { print $2 }' "$out/story.tsv"; }
story_ir() { awk -F'\t' -v k="$1" -v n="$cycles_cg" '$1 == k { printf "%.0f", $2 / n }' "$out/story-ir.tsv"; }

{
  echo "## Yarno benchmarks"
  echo
  echo "Machine: $cpu, $(nproc) cores, Qt $qt. Load average $load_before before, $load_after after."
  echo "Release build in \`$(basename "$build")\`, $(date -u '+%Y-%m-%d %H:%M UTC')."
  echo
  echo "### Start-up, launch to first paint"
  echo
  echo "Under Xvfb with no window manager; $pairs pairs run in turn after 3 unrecorded, at 100 % and again"
  echo "at 200 % (QT_SCALE_FACTOR=2). Each run ends"
  echo "when the X server reports the first drawing into the mapped window (DAMAGE), and the program is"
  echo "killed there. The floor is a bare Qt Widgets program: one 491x442 window, one label, the same"
  echo "embedded font. Peak RSS is ru_maxrss from wait4, what /usr/bin/time -v prints as \"Maximum"
  echo "resident set size\". Instructions are one run each under callgrind."
  echo
  awk -F'\t' -v wy="$(field yarno wall_ms)" -v wf="$(field floor wall_ms)" \
    -v fy="$(fastest yarno)" -v ff="$(fastest floor)" \
    -v cy="$(field yarno cpu_ms)" -v cf="$(field floor cpu_ms)" \
    -v my="$(field yarno map_ms)" -v mf="$(field floor map_ms)" \
    -v ry="$(field yarno max_rss_kib)" -v rf="$(field floor max_rss_kib)" \
    -v iy="$ir_yarno" -v if_="$ir_floor" -v built="$(story_us built-at-start)" -v test="$startup_test" \
    -v wy2="$(field yarno wall_ms 200)" -v wf2="$(field floor wall_ms 200)" \
    -v fy2="$(fastest yarno 200)" -v ff2="$(fastest floor 200)" \
    -v cy2="$(field yarno cpu_ms 200)" -v cf2="$(field floor cpu_ms 200)" \
    -v ry2="$(field yarno max_rss_kib 200)" -v rf2="$(field floor max_rss_kib 200)" 'BEGIN {
      ratio = wy / wf; extra = (ry - rf) / 1024
      print "| figure | Yarno | floor | Yarno vs floor | goal |"
      print "|---|---:|---:|---:|---|"
      printf "| wall time to first paint, median | %.1f ms | %.1f ms | %.2f x | <= 1.10 x: %s |\n", wy, wf, ratio, ratio <= 1.10 ? "met" : "NOT met"
      printf "| wall time to first paint, fastest run | %.1f ms | %.1f ms | %.2f x | |\n", fy, ff, fy / ff
      printf "| wall time to window mapped, median | %.1f ms | %.1f ms | %.2f x | |\n", my, mf, my / mf
      printf "| CPU time (user+sys), median | %.1f ms | %.1f ms | %.2f x | |\n", cy, cf, cy / cf
      if (iy == "" || if_ == "") print "| instructions to first paint | missing | missing | | |"
      else printf "| instructions to first paint | %.1f M | %.1f M | %.2f x | |\n", iy / 1e6, if_ / 1e6, iy / if_
      printf "| peak RSS, median | %.1f MiB | %.1f MiB | %+.2f MiB | <= +3 MiB: %s |\n", ry / 1024, rf / 1024, extra, extra <= 3 ? "met" : "NOT met"
      ratio2 = wy2 / wf2; extra2 = (ry2 - rf2) / 1024
      printf "| at 200 %%: wall time to first paint, median | %.1f ms | %.1f ms | %.2f x | <= 1.10 x: %s |\n", wy2, wf2, ratio2, ratio2 <= 1.10 ? "met" : "NOT met"
      printf "| at 200 %%: wall time to first paint, fastest run | %.1f ms | %.1f ms | %.2f x | |\n", fy2, ff2, fy2 / ff2
      printf "| at 200 %%: CPU time (user+sys), median | %.1f ms | %.1f ms | %.2f x | |\n", cy2, cf2, cy2 / cf2
      printf "| at 200 %%: peak RSS, median | %.1f MiB | %.1f MiB | %+.2f MiB | <= +3 MiB: %s |\n", ry2 / 1024, rf2 / 1024, extra2, extra2 <= 3 ? "met" : "NOT met"
      printf "| windows built by start-up | %s | | | Form1 only: %s (yarno_startup_test %s) |\n", built, built == "Form1" ? "met" : "NOT met", test
    }'
  echo
  echo "### Story operations"
  echo
  echo "Real handlers on real windows (offscreen platform), both windows shown. Handler: the Submit"
  echo "click or the New menu trigger. Repaint: the layout and painting it leaves to the event loop."
  echo "Times are medians of 300 operations; instructions per operation are from $cycles_cg operations under"
  echo "callgrind, collected only inside that part."
  echo
  echo "| operation | handler | repaint | total | handler Ir | repaint Ir | total Ir |"
  echo "|---|---:|---:|---:|---:|---:|---:|"
  for s in sport lottery; do
    for op in submit new; do
      h=$(story_us "$s-$op-handler"); r=$(story_us "$s-$op-repaint")
      hi=$(story_ir "$s-$op-handler"); ri=$(story_ir "$s-$op-repaint")
      title="${s^} $( [[ $op == submit ]] && echo Submit || echo New )"
      awk -v t="$title" -v h="$h" -v r="$r" -v hi="$hi" -v ri="$ri" 'BEGIN {
        printf "| %s | %.1f µs | %.1f µs | %.1f µs | %d | %d | %d |\n", t, h, r, h + r, hi, ri, hi + ri }'
    done
  done
  echo
  echo "### Where the start-up instructions go"
  echo
  echo "Inclusive instructions (millions) of each phase, from the callgrind runs above."
  echo
  echo "| phase | Yarno | floor | difference |"
  echo "|---|---:|---:|---:|"
  row() {  # row TITLE YARNO_IR FLOOR_IR; an empty count is a missing figure
    awk -v t="$1" -v y="$2" -v f="$3" 'function m(x) { return x == "" ? "missing" : sprintf("%.2f", x / 1e6) }
      BEGIN { printf "| %s | %s | %s | %s |\n", t, m(y), m(f), y == "" || f == "" ? "" : sprintf("%+.2f", (y - f) / 1e6) }'
  }
  rest() {  # rest TOTAL PART...: what the parts leave of the total, empty when any is missing
    local left=$1 part
    shift
    for part in "$left" "$@"; do [[ -n $part ]] || return 0; done
    for part; do left=$((left - part)); done
    echo "$left"
  }
  row "dynamic linking at launch" "$dl_y" "$dl_f"
  row "QApplication constructed" "$qa_y" "$qa_f"
  row "embedded font registered (fontconfig's first load)" "$af_y" "$af_f"
  row "window icon set up (ui::qt::windowIcon; read when the window maps)" "$icon_y" 0
  row "Form1 built (ui::qt::FormWindow::FormWindow)" "$build_y" 0
  row "window shown (ui::Form::show; floor: QWidget::show)" "$show_y" "$show_f"
  row "event loop until the first paint (QCoreApplication::exec)" "$exec_y" "$exec_f"
  row "everything else (static set-up, the bus thread, exit)" \
    "$(rest "$ir_yarno" "$dl_y" "$qa_y" "$af_y" "$icon_y" "$build_y" "$show_y" "$exec_y")" \
    "$(rest "$ir_floor" "$dl_f" "$qa_f" "$af_f" "$show_f" "$exec_f")"
  row "**total**" "$ir_yarno" "$ir_floor"
  row "*within the above: the window font's glyph engine (Yarno while building Form1, floor while painting)*" \
    "$glyphs_y" "$glyphs_f"
  if [[ -s $out/missing-figures ]]; then
    echo
    echo "Missing figures, each a function the profile no longer names:"
    echo
    sed 's/^/- /' "$out/missing-figures"
  fi
} | tee "$build/bench.md"
echo >&2
echo "Written to $build/bench.md; raw runs and profiles in $out" >&2
