#!/usr/bin/env bash
# Cross-builds the game for 64-bit Windows with mingw-w64 into build-windows/
# and packs build-windows/plumbrix-1.0-windows-x64.zip: the program, its data,
# the help page, the licences and a README. The libraries are built once into
# .windows-deps/; later runs only rebuild the game.
set -euo pipefail
cd "$(dirname "$0")"
source tools/packages.sh

# The cross compilers, the tools that fetch and unpack Debian's sources, zip,
# and for tests/windows/run.sh Wine, a virtual display with a window manager,
# scripted input, xprop and unzip.
need_packages "The Windows build" g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 wine wine64 \
  dpkg-dev zip unzip imagemagick xvfb openbox xdotool x11-utils python3

# The pictures, sounds, music, help page and icon come from the desktop build.
[ -f build/data/ReadMe.htm ] && [ -d build/icons/hicolor ] || tools/setup.sh

start=$(date +%s)
tools/windows/build_libs.sh .windows-deps
libs=$(date +%s)

out=build-windows
mkdir -p "$out"
# The program's icon, every size Windows asks for, from the desktop icon's pictures.
icon=$out/plumbrix.ico
icons=build/icons/hicolor
if [ ! -f "$icon" ] || [ -n "$(find "$icons" -newer "$icon" -name '*.png' | head -n1)" ]; then
  convert "$icons/256x256/apps/plumbrix.png" \
    \( -clone 0 -resize 128x128 \) \( -clone 0 -resize 64x64 \) \( -clone 0 -resize 48x48 \) \
    \( -clone 0 -resize 32x32 \) \( -clone 0 -resize 16x16 \) "$icon"
fi

cmake -S . -B "$out" -DCMAKE_TOOLCHAIN_FILE="$PWD/packaging/windows/mingw.cmake" -DCMAKE_BUILD_TYPE=Release \
  -DPLUMBRIX_WINDOWS_DEPS="$PWD/.windows-deps/prefix" -DPLUMBRIX_ICON="$PWD/$icon" >/dev/null
cmake --build "$out" -j"$(nproc)" --target plumbrix plumbrix-replay plumbrix-windows-tests

# The download: one folder, which runs from wherever it is unpacked.
version=1.0
stage=$out/zip/Plumbrix
rm -rf "$out/zip" && mkdir -p "$stage/licenses"
x86_64-w64-mingw32-strip -o "$stage/plumbrix.exe" "$out/plumbrix.exe"
cp -r build/data/bmp build/data/sound build/data/music build/data/ReadMe.htm "$stage/"
cp -r .windows-deps/prefix/licenses/* "$stage/licenses/"
mkdir -p "$stage/licenses/mingw-w64"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64/runtime.txt"
cp /usr/share/doc/gcc-mingw-w64-x86-64-posix-runtime/copyright "$stage/licenses/mingw-w64/gcc-runtime.txt"
sed -e "s/@VERSION@/$version/" -e 's/$/\r/' packaging/windows/README.txt.in >"$stage/README.txt"
zip_file=$out/plumbrix-$version-windows-x64.zip
rm -f "$zip_file"
(cd "$out/zip" && zip -qr -X "../$(basename "$zip_file")" Plumbrix)
echo "Windows build in $zip_file ($(du -k "$zip_file" | cut -f1) KiB; libraries $((libs - start)) s," \
  "game $(($(date +%s) - libs)) s)"
