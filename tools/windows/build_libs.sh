#!/usr/bin/env bash
# Builds SDL2, libogg, libvorbis and libjpeg-turbo for 64-bit Windows from
# Debian's source packages, once, into the cache folder given as $1 (prefix/ in
# it), as static libraries with only what the game uses; their licence texts go
# into prefix/licenses/.
set -Eeuo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../deb_sources.sh"
cache=$(realpath -m "$1")
src=$cache/src
prefix=$cache/prefix
jobs=$(nproc)
toolchain=$here/../../packaging/windows/mingw.cmake
cmake_common=(--no-warn-unused-cli -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
  -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$prefix")

licence() {
  mkdir -p "$prefix/licenses/$1"
  cp "${@:2}" "$prefix/licenses/$1/"
}

build_ogg() {
  local dir
  dir=$(unpack_source "$src" libogg)
  cmake -S "$dir" -B "$cache/build/ogg" "${cmake_common[@]}" -DINSTALL_DOCS=OFF -DBUILD_TESTING=OFF
  cmake --build "$cache/build/ogg" -j"$jobs"
  cmake --install "$cache/build/ogg"
  licence libogg "$dir/COPYING"
}

build_vorbis() {
  local dir
  dir=$(unpack_source "$src" libvorbis)
  cmake -S "$dir" -B "$cache/build/vorbis" "${cmake_common[@]}" -DOGG_INCLUDE_DIR="$prefix/include" \
    -DOGG_LIBRARY="$prefix/lib/libogg.a"
  cmake --build "$cache/build/vorbis" -j"$jobs" --target vorbis vorbisfile
  cp "$cache/build/vorbis/lib/libvorbis.a" "$cache/build/vorbis/lib/libvorbisfile.a" "$prefix/lib/"
  mkdir -p "$prefix/include/vorbis"
  cp "$dir"/include/vorbis/codec.h "$dir"/include/vorbis/vorbisfile.h "$prefix/include/vorbis/"
  licence libvorbis "$dir/COPYING"
}

build_jpeg() {
  local dir
  dir=$(unpack_source "$src" libjpeg-turbo)
  # Without SIMD no assembler is needed; the pictures are few and small.
  cmake -S "$dir" -B "$cache/build/jpeg" "${cmake_common[@]}" -DWITH_SIMD=OFF -DWITH_TURBOJPEG=OFF \
    -DENABLE_SHARED=OFF
  cmake --build "$cache/build/jpeg" -j"$jobs" --target jpeg-static
  cp "$cache/build/jpeg/libjpeg.a" "$prefix/lib/"
  cp "$dir"/jpeglib.h "$dir"/jmorecfg.h "$dir"/jerror.h "$cache/build/jpeg/jconfig.h" "$prefix/include/"
  licence libjpeg-turbo "$dir/LICENSE.md" "$dir/README.ijg"
}

# Video (a plain window, no OpenGL, Direct3D or Vulkan: pictures go through the
# window's surface), audio (WASAPI, DirectSound, WinMM and the dummy driver for
# headless runs), game controllers (XInput and DirectInput, with SDL's mapping
# database), events, timers, threads, the base path and opening a URL.
build_sdl() {
  local dir seed=$here/../../packaging/windows/sdl_checks.cmake answers=()
  dir=$(unpack_source "$src" libsdl2)
  # Its feature checks answered in advance, when they were for this SDL and
  # tool chain: minutes of compiler runs saved.
  local chain
  chain="$(basename "$dir") mingw-w64-x86-64-dev $(dpkg-query -W -f='${Version}' mingw-w64-x86-64-dev)"
  chain+=" gcc $(x86_64-w64-mingw32-gcc-posix -dumpversion)"
  if grep -qxF "# for: $chain" "$seed"; then
    answers=(-C "$seed")
  fi
  cmake "${answers[@]}" -S "$dir" -B "$cache/build/sdl" "${cmake_common[@]}" -DSDL_SHARED=OFF -DSDL_STATIC=ON -DSDL_TEST=OFF \
    -DSDL2_DISABLE_SDL2MAIN=ON -DSDL_JOYSTICK=ON -DSDL_HAPTIC=OFF -DSDL_HIDAPI=OFF -DSDL_SENSOR=OFF \
    -DSDL_POWER=OFF -DSDL_LOCALE=OFF -DSDL_OPENGL=OFF -DSDL_OPENGLES=OFF -DSDL_VULKAN=OFF \
    -DSDL_RENDER_D3D=OFF -DSDL_DISKAUDIO=OFF -DSDL_VIRTUAL_JOYSTICK=OFF -DSDL_WASAPI=ON -DSDL_DIRECTX=ON \
    -DSDL_STATIC_PIC=OFF
  cmake --build "$cache/build/sdl" -j"$jobs"
  cmake --install "$cache/build/sdl"
  licence SDL2 "$dir/LICENSE.txt"
}

# The libraries are built again when this script, the tool chain or SDL's
# answers change.
stamp=$prefix/.built-$(cat "$0" "$toolchain" "$here/../../packaging/windows/sdl_checks.cmake" | sha256sum | cut -c1-16)
if [ -f "$stamp" ]; then
  exit 0
fi
echo "Building SDL2, libogg, libvorbis and libjpeg-turbo for Windows, once (a few minutes)..."
log=$cache/build.log
mkdir -p "$cache"
exec 3>&2 >"$log" 2>&1
trap 'echo "The library build failed; see $log" >&3; tail -n 30 "$log" >&3' ERR
fetch_sources "$src" libsdl2 libogg libvorbis libjpeg-turbo
rm -rf "$cache/build" "$prefix" && mkdir -p "$prefix/include" "$prefix/lib"
build_ogg
build_vorbis
build_jpeg
build_sdl
touch "$stamp"
