# Sourced: the program's version, from the file VERSION at the top of the tree (CMake
# reads the same file for the about box and the version block).

# Prints the version (1.01). Fails with a message when the file does not hold one.
lorvena_version() {
  local top file v
  top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
  file="$top/VERSION"
  v=$(head -n 1 "$file" 2>/dev/null | tr -d ' \r\n') || true
  if ! [[ $v =~ ^[0-9]+\.[0-9][0-9]$ ]]; then
    echo "$file must hold a version such as 1.01, not '$v'" >&2
    return 1
  fi
  echo "$v"
}

# Prints the four numbers of a Windows version block for the version given (1.01 -> 1.0.1.0),
# the same as CMake makes.
lorvena_version_numbers() {
  [[ $1 =~ ^([0-9]+)\.([0-9])([0-9])$ ]] || { echo "not a version: '$1'" >&2; return 1; }
  echo "${BASH_REMATCH[1]}.${BASH_REMATCH[2]}.${BASH_REMATCH[3]}.0"
}
