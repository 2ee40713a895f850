# Sourced by the scripts that run the driver: fresh_data DIR DATA makes DIR if
# needed and links into it everything of the generated data folder DATA but
# the save file, so that a run starts without one and saves into DIR, not DATA.
fresh_data() {
  local dir=$1 data entry
  data=$(cd "$2" && pwd)
  mkdir -p "$dir"
  for entry in "$data"/*; do
    case $(basename "$entry") in game.sav | game.sav.tmp) ;; *) ln -s "$entry" "$dir/" ;; esac
  done
}
