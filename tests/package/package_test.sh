#!/usr/bin/env bash
# The package test's steps: build the .deb and unpack it into a scratch root, check its
# files and dependencies, validate the menu entry, exercise the launcher, and play from it.
# usage: package_test.sh build|contents|menu-entry|launcher|play BUILD_DIR WORK_DIR
set -euo pipefail

step=$1
build=$(cd "$2" && pwd)
work=$3
deb=$work/plumbrix.deb
prefix=$work/root/usr
launcher=$prefix/bin/plumbrix
shared=$prefix/share/plumbrix

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# A fresh folder of this step's own, so the steps can run side by side.
scratch() {
    rm -rf "${work:?}/$step"
    mkdir -p "$work/$step"
    echo "$work/$step"
}

# The state dump's value of one key.
stateOf() {
    sed -n "s/^$2 //p" "$1"
}

buildPackage() {
    rm -rf "$work"
    mkdir -p "$work/cpack"
    if ! (cd "$build" && cpack -G DEB -B "$work/cpack") >"$work/cpack.log" 2>&1; then
        cat "$work/cpack.log"
        fail "cpack could not build the package"
    fi
    mv "$work"/cpack/plumbrix_*.deb "$deb"
    rm -rf "$work/cpack"
    dpkg -x "$deb" "$work/root"
}

checkContents() {
    local expected found size
    expected=$(
        printf '%s\n' usr/bin/plumbrix usr/lib/plumbrix/plumbrix usr/lib/plumbrix/plumbrix-replay \
            usr/share/applications/plumbrix.desktop usr/share/metainfo/org.example.plumbrix.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/plumbrix.svg
        for size in 48 64 128 256; do
            echo "usr/share/icons/hicolor/${size}x$size/apps/plumbrix.png"
        done
        (cd "$build/data" && find bmp sound music ReadMe.htm -type f) | sed 's|^|usr/share/plumbrix/|'
    )
    found=$(cd "$work/root" && find . ! -type d | sed 's|^\./||' | sort)
    diff <(sort <<<"$expected") <(echo "$found") || fail "the package's files differ (<: expected, >: packaged)"
    # Computed from the binaries: every library the game links, each with a minimum version.
    local depends lib
    depends=$(dpkg-deb -f "$deb" Depends)
    for lib in libc6 libstdc++6 libsdl2-2.0-0 libopenal1 libvorbisfile3 libjpeg62-turbo; do
        [[ ", $depends" == *", $lib (>= "* ]] || fail "Depends lacks $lib: $depends"
    done
    ! grep -q -- '-dev' <<<"$depends" || fail "Depends names a development package: $depends"
}

checkMenuEntry() {
    local desktop=$prefix/share/applications/plumbrix.desktop
    local metainfo=$prefix/share/metainfo/org.example.plumbrix.metainfo.xml
    desktop-file-validate "$desktop" || fail "desktop-file-validate"
    appstreamcli validate --no-net --explain "$metainfo" || fail "appstreamcli validate"
    appstreamcli validate-tree --no-net "$work/root" || fail "appstreamcli validate-tree"
    # The menu finds the command on PATH and the icon in the theme.
    [ -x "$prefix/bin/$(sed -n 's/^Exec=//p' "$desktop")" ] || fail "Exec names no installed command"
    local icon
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [ "$(find "$prefix/share/icons/hicolor" -name "$icon.png" | wc -l)" = 4 ] || fail "Icon names no installed icon"
}

checkLauncher() {
    local s folder
    s=$(scratch)
    export HOME=$s/home
    unset XDG_DATA_HOME
    folder=$HOME/.local/share/plumbrix

    [ "$("$launcher" --version)" = "plumbrix $(dpkg-deb -f "$deb" Version)" ] || fail "--version"
    "$launcher" --help | grep -qF "$folder" || fail "--help does not name the player's folder"
    [ ! -e "$HOME" ] || fail "--version or --help made a folder"
    local status=0
    "$launcher" --frobnicate 2>/dev/null || status=$?
    [ "$status" = 2 ] || fail "an unknown option gave status $status"
    # The XDG rules ignore a relative XDG_DATA_HOME.
    XDG_DATA_HOME=relative "$launcher" --help | grep -qF "$folder" || fail "a relative XDG_DATA_HOME was used"
    XDG_DATA_HOME=$s/data "$launcher" --help | grep -qF "$s/data/plumbrix" || fail "XDG_DATA_HOME was not used"

    # A folder as an upgrade finds it: a link into an older installation that still exists,
    # one into a removed installation, one missing, and the player's own help page.
    mkdir -p "$folder" "$s/old/sound"
    ln -s "$s/old/sound" "$folder/sound"
    ln -s /nonexistent/plumbrix/bmp "$folder/bmp"
    echo "my notes" >"$folder/ReadMe.htm"
    "$launcher" --replay --frames 2 2>"$s/err" || fail "the game did not run: $(cat "$s/err")"
    local name
    for name in bmp sound music; do
        [ "$(readlink "$folder/$name")" = "$shared/$name" ] || fail "$name links to $(readlink "$folder/$name")"
    done
    [ "$(cat "$folder/ReadMe.htm")" = "my notes" ] || fail "the player's own ReadMe.htm was replaced"
    grep -q "keeping your own $folder/ReadMe.htm" "$s/err" || fail "no word about the kept file"

    # Installed for one user under ~/.local, the installation's data folder is the player's
    # folder: nothing to link, nothing to complain about.
    local own=$s/own
    mkdir -p "$own/.local"
    cp -a "$prefix/." "$own/.local"
    HOME=$own "$own/.local/bin/plumbrix" --replay --frames 2 2>"$s/err" || fail "a user installation did not run"
    [ ! -s "$s/err" ] || fail "a user installation complained: $(cat "$s/err")"
    if [ -L "$own/.local/share/plumbrix/bmp" ] || [ ! -d "$own/.local/share/plumbrix/bmp" ]; then
        fail "a user installation's data was replaced by a link"
    fi

    # A launcher copied away from its installation says so instead of starting.
    mkdir -p "$s/elsewhere/bin"
    cp "$launcher" "$s/elsewhere/bin/plumbrix"
    status=0
    "$s/elsewhere/bin/plumbrix" 2>"$s/err" || status=$?
    [ "$status" = 1 ] || fail "a launcher without its installation gave status $status"
    grep -q incomplete "$s/err" || fail "a launcher without its installation did not say why"
}

checkPlay() {
    local s
    s=$(scratch)
    export HOME=$s/home
    # At 32 frames a second a few hundred frames cover the visit: title, menu, a new untimed
    # game with six kinds, back to the menu once it has dropped in, and the exit button,
    # which saves.
    local replay=(--replay --dt 0.03125)
    cat >"$s/first.txt" <<'SCRIPT'
3 click 320 440
75 click 170 255
80 click 300 175
83 click 320 280
85 click 400 400
250 click 60 420
315 click 170 440
SCRIPT
    # Title, menu, resume.
    printf '3 click 320 440\n75 click 170 195\n' >"$s/second.txt"

    XDG_DATA_HOME=$s/anna "$launcher" "${replay[@]}" --frames 350 --script "$s/first.txt" --state "312:$s/left" ||
        fail "the first start failed"
    [ "$(stateOf "$s/left" currentScreen)" = 2 ] || fail "the first start did not get back to the menu"
    local save=$s/anna/plumbrix/game.sav
    [ "$(stat -c %s "$save")" = 6933 ] || fail "no save file in the player's folder"
    cp "$save" "$s/anna.sav"

    XDG_DATA_HOME=$s/anna "$launcher" "${replay[@]}" --frames 150 --script "$s/second.txt" --state "149:$s/resumed" ||
        fail "the second start failed"
    [ "$(stateOf "$s/resumed" currentScreen)" = 7 ] || fail "the second start did not resume the game"
    local key
    for key in board score level pieceKindCount gameMode; do
        [ "$(stateOf "$s/resumed" $key)" = "$(stateOf "$s/left" $key)" ] || fail "$key differs after resuming"
    done

    # Another player of the same machine starts with nothing to resume, and leaves the
    # first player's save alone.
    XDG_DATA_HOME=$s/ben "$launcher" "${replay[@]}" --frames 150 --script "$s/second.txt" --state "149:$s/other" ||
        fail "the other player's start failed"
    [ "$(stateOf "$s/other" noGameInProgress)" = 1 ] || fail "the other player found a game to resume"
    [ "$(stateOf "$s/other" currentScreen)" = 2 ] || fail "the other player's resume was taken"
    cmp -s "$save" "$s/anna.sav" || fail "the first player's save changed"

    # The real program, started the way the menu entry starts it, loads everything and runs
    # until stopped; a missing file would end it at once with a message.
    local status=0
    XDG_DATA_HOME=$s/anna timeout 2 "$launcher" 2>"$s/err" || status=$?
    [ "$status" = 124 ] || fail "the game ended by itself with status $status: $(cat "$s/err")"
}

case "$step" in
build) buildPackage ;;
contents) checkContents ;;
menu-entry) checkMenuEntry ;;
launcher) checkLauncher ;;
play) checkPlay ;;
*) fail "unknown step $step" ;;
esac
echo "package $step: ok"
