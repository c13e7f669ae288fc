#!/bin/sh
# Holds the folders to what they may include: only ui/qt/ sees Qt and only ui/web/ sees
# emscripten, and nothing outside a backend includes it, so everything above the backends builds
# for any platform; ui/ knows nothing of the program above it; stories/ and about/ know only ui/.
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
offend "emscripten or web headers outside ui/web/" $(sources ui stories about app | grep -v '^ui/web/' | xargs grep -l -E '#include (<emscripten|"ui/web/)')
offend "ui/ including the program above it" $(sources ui | xargs grep -l -E '#include "(app|stories|about)/')
offend "stories/ or about/ including app/" $(sources stories about | xargs grep -l -E '#include "app/')
[ $status -eq 0 ] && echo "every folder includes only what it may"
exit $status
