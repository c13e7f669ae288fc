#!/bin/sh
# Holds the folders to what they may include: only ui/qt/ sees Qt and only ui/web/ sees
# emscripten, so everything above the backends builds for any platform; ui/ knows nothing of the
# program above it; stories/ and about/ know only ui/. The one web header above ui/web/ is the
# portable markup, which the web build runs to write the first window into the page.
#   layers.sh <source root>
cd "$1" || exit 2
status=0
offend() {  # offend <what> <files...>
  what=$1; shift
  [ $# -eq 0 ] && return
  echo "$what:"; printf '  %s\n' "$@"; status=1
}
sources() { find "$@" -type f \( -name '*.h' -o -name '*.cpp' \) 2>/dev/null; }

offend "Qt headers outside ui/qt/" $(sources ui stories about app | grep -v '^ui/qt/' | xargs grep -l -E '#include <Q|#include "ui/qt/')
web_outside() {  # files above ui/web/ that include emscripten, or a web header but the markup
  for f in $(sources ui stories about app | grep -v '^ui/web/'); do
    grep -E '#include (<emscripten|"ui/web/)' "$f" | grep -qv '"ui/web/markup\.h"' && echo "$f"
  done
}
offend "emscripten headers outside ui/web/" $(web_outside)
offend "ui/ including the program above it" $(sources ui | xargs grep -l -E '#include "(app|stories|about)/')
offend "stories/ or about/ including app/" $(sources stories about | xargs grep -l -E '#include "app/')
[ $status -eq 0 ] && echo "every folder includes only what it may"
exit $status
