# Sourced by the library builds of the browser and Windows versions: Debian's
# source packages of the libraries the game links, fetched once into a cache
# folder and unpacked there.

# fetch_sources FOLDER PACKAGE...: downloads what the folder does not hold yet,
# from the suites the machine already installs from.
fetch_sources() {
  local src=$1
  shift
  local package missing=()
  for package in "$@"; do
    ls "$src/${package}"_*.dsc >/dev/null 2>&1 || missing+=("$package")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if ! grep -rqs '^[[:space:]]*\(deb-src\|Types:.*deb-src\)' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    local list=/etc/apt/sources.list.d/debian.sources
    if [ -f "$list" ]; then
      sed -e 's/^Types:.*/Types: deb-src/' "$list" >/etc/apt/sources.list.d/plumbrix-web-src.sources
    elif grep -qs '^deb ' /etc/apt/sources.list; then
      sed -n 's/^deb /deb-src /p' /etc/apt/sources.list >/etc/apt/sources.list.d/plumbrix-web-src.list
    else
      echo "no Debian sources to add deb-src entries for" >&2
      return 1
    fi
    apt-get update -qq
  fi
  mkdir -p "$src"
  (cd "$src" && apt-get source --download-only -qq "${missing[@]}" 2>/dev/null) || {
    # A machine whose package lists predate the deb-src entries.
    apt-get update -qq
    (cd "$src" && apt-get source --download-only -qq "${missing[@]}" 2>/dev/null)
  }
}

# unpack_source FOLDER PACKAGE: prints the unpacked source tree, unpacking it first
# when needed.
unpack_source() {
  local src=$1 name=$2 dir
  dir=$(find "$src" -maxdepth 1 -type d -name "$name-*" | head -n1)
  if [ -z "$dir" ]; then
    (cd "$src" && dpkg-source -x --skip-debianization "$(ls "$name"_*.dsc | head -n1)" >/dev/null)
    dir=$(find "$src" -maxdepth 1 -type d -name "$name-*" | head -n1)
  fi
  echo "$dir"
}
