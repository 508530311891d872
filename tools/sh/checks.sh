#!/usr/bin/env bash
# The tree's own rules that no compiler checks, each a test that passes or fails:
#   file-size   no source file over 800 lines (small files with one clear job)
#   app-data-portable   no window-system names in data/, nor in app/ but its entry point:
#                       the windows speak through the framework, the data layer through none
#   format      every source as .clang-format lays it out (clang-format 14, which setup.sh
#               installs: another version may lay out a few constructs differently)
# Usage: checks.sh [CHECK]  (all when none); prints "PASS name" or "FAIL name: why" per check
# and exits with the number of failed checks.
set -uo pipefail
cd "$(dirname "$0")/../.."
failed=0

pass() { echo "PASS $1"; }
fail() { echo "FAIL $1: $2"; failed=$((failed + 1)); }

sources() { git ls-files -- "$@" 2>/dev/null | grep -E '\.(cpp|h|hpp|c)$'; }

check_file_size() {
  local over
  over=$(sources . | while read -r f; do
    n=$(wc -l <"$f"); [ "$n" -gt 800 ] && echo "$f ($n lines)"; done)
  if [ -z "$over" ]; then pass file-size; else fail file-size "over 800 lines: $(echo $over)"; fi
}

check_app_data_portable() {
  local hits
  hits=$(sources app data | grep -v '^app/main\.cpp$' \
    | xargs -r grep -nE '\b(HWND|HDC|SendMessage[AW]?|PostMessage[AW]?)\b|#include <windows\.h>' 2>/dev/null)
  if [ -z "$hits" ]; then pass app-data-portable; else fail app-data-portable "window-system names: $hits"; fi
}

check_format() {
  local tool bad
  tool=$(command -v clang-format-14 || command -v clang-format) || { fail format "clang-format is not installed (./setup.sh)"; return; }
  # One run over all files; its warnings name each file that differs.
  bad=$(sources . | xargs -r "$tool" --dry-run 2>&1 | grep -oE '^[^:]+:[0-9]+:[0-9]+: (warning|error)' \
    | cut -d: -f1 | sort -u)
  if [ -z "$bad" ]; then pass format; else fail format "not formatted (clang-format -i FILE): $(echo $bad)"; fi
}

case "${1:-all}" in
  file-size) check_file_size ;;
  app-data-portable) check_app_data_portable ;;
  format) check_format ;;
  all) check_file_size; check_app_data_portable; check_format ;;
  *) echo "unknown check: $1" >&2; exit 2 ;;
esac
exit $failed
