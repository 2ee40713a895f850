#!/usr/bin/env bash
# Builds SDL2, libogg, libvorbis and libjpeg-turbo for the browser from Debian's
# source packages, once, into the cache folder given as $1 (prefix/ in it).
set -Eeuo pipefail
cache=$(realpath -m "$1")
src=$cache/src
prefix=$cache/prefix
jobs=$(nproc)
mkdir -p "$src" "$prefix/include" "$prefix/lib"

# Debian's emcc cannot fetch its ports, so the sources come from apt.
source "$(dirname "$0")/../deb_sources.sh"
unpack() {
  unpack_source "$src" "$1"
}

# Type sizes of wasm32, which CMake cannot read back from emcc's objects.
sizes=(-DHAVE_INT16_SIZE=1 -DINT16_SIZE=2 -DHAVE_UINT16_SIZE=1 -DUINT16_SIZE=2
  -DHAVE_INT32_SIZE=1 -DINT32_SIZE=4 -DHAVE_UINT32_SIZE=1 -DUINT32_SIZE=4
  -DHAVE_INT64_SIZE=1 -DINT64_SIZE=8 -DHAVE_SHORT_SIZE=1 -DSHORT_SIZE=2 -DHAVE_INT_SIZE=1 -DINT_SIZE=4
  -DHAVE_LONG_SIZE=1 -DLONG_SIZE=4 -DHAVE_LONG_LONG_SIZE=1 -DLONG_LONG_SIZE=8
  -DHAVE_SIZE_T=1 -DSIZE_T=4 -DHAVE_UNSIGNED_LONG=1 -DUNSIGNED_LONG=4)
cmake_common=(--no-warn-unused-cli -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DCMAKE_INSTALL_PREFIX="$prefix")

build_ogg() {
  local dir
  dir=$(unpack libogg)
  emcmake cmake -S "$dir" -B "$cache/build/ogg" "${cmake_common[@]}" "${sizes[@]}" -DINSTALL_DOCS=OFF >/dev/null
  cmake --build "$cache/build/ogg" -j"$jobs" >/dev/null
  cmake --install "$cache/build/ogg" >/dev/null
}

build_vorbis() {
  local dir
  dir=$(unpack libvorbis)
  emcmake cmake -S "$dir" -B "$cache/build/vorbis" "${cmake_common[@]}" -DOGG_INCLUDE_DIR="$prefix/include" \
    -DOGG_LIBRARY="$prefix/lib/libogg.a" >/dev/null
  cmake --build "$cache/build/vorbis" -j"$jobs" --target vorbis vorbisfile >/dev/null
  cp "$cache/build/vorbis/lib/libvorbis.a" "$cache/build/vorbis/lib/libvorbisfile.a" "$prefix/lib/"
  mkdir -p "$prefix/include/vorbis"
  cp "$dir"/include/vorbis/codec.h "$dir"/include/vorbis/vorbisfile.h "$prefix/include/vorbis/"
}

build_jpeg() {
  local dir
  dir=$(unpack libjpeg-turbo)
  emcmake cmake -S "$dir" -B "$cache/build/jpeg" "${cmake_common[@]}" "${sizes[@]}" -DWITH_SIMD=OFF \
    -DWITH_TURBOJPEG=OFF -DENABLE_SHARED=OFF >/dev/null
  cmake --build "$cache/build/jpeg" -j"$jobs" --target jpeg-static >/dev/null
  # Its install step wants the programs too; the library and four headers do.
  cp "$cache/build/jpeg/libjpeg.a" "$prefix/lib/"
  cp "$dir"/jpeglib.h "$dir"/jmorecfg.h "$dir"/jerror.h "$cache/build/jpeg/jconfig.h" "$prefix/include/"
}

# SDL's CMake set-up spends minutes in emcc try-compiles; its emscripten file
# set compiles directly against its own SDL_config_emscripten.h instead.
build_sdl() {
  local dir
  dir=$(unpack libsdl2)
  local inc=$prefix/include/SDL2
  mkdir -p "$inc" "$cache/build/sdl"
  cp "$dir"/include/*.h "$inc/"
  # Pictures reach the page through the 2D canvas, which reads back exactly;
  # without the GL renderer the program is smaller too.
  sed -i -e '/#define SDL_VIDEO_RENDER_OGL_ES2 1/d' -e '/#define SDL_VIDEO_OPENGL_ES2 1/d' \
    -e '/#define SDL_VIDEO_OPENGL_EGL 1/d' "$inc/SDL_config_emscripten.h"
  local files=(
    SDL.c SDL_assert.c SDL_dataqueue.c SDL_error.c SDL_guid.c SDL_hints.c SDL_list.c SDL_log.c SDL_utils.c
    atomic/SDL_atomic.c atomic/SDL_spinlock.c
    audio/SDL_audio.c audio/SDL_audiocvt.c audio/SDL_audiodev.c audio/SDL_audiotypecvt.c audio/SDL_mixer.c
    audio/SDL_wave.c audio/emscripten/SDL_emscriptenaudio.c audio/disk/SDL_diskaudio.c
    audio/dummy/SDL_dummyaudio.c
    cpuinfo/SDL_cpuinfo.c dynapi/SDL_dynapi.c
    events/SDL_clipboardevents.c events/SDL_displayevents.c events/SDL_dropevents.c events/SDL_events.c
    events/SDL_gesture.c events/SDL_keyboard.c events/SDL_keysym_to_scancode.c events/SDL_mouse.c
    events/SDL_quit.c events/SDL_scancode_tables.c events/SDL_touch.c events/SDL_windowevents.c
    events/imKStoUCS.c
    file/SDL_rwops.c filesystem/emscripten/SDL_sysfilesystem.c
    haptic/SDL_haptic.c haptic/dummy/SDL_syshaptic.c
    joystick/SDL_gamecontroller.c joystick/SDL_joystick.c joystick/controller_type.c
    joystick/emscripten/SDL_sysjoystick.c
    loadso/dlopen/SDL_sysloadso.c locale/SDL_locale.c locale/emscripten/SDL_syslocale.c
    main/dummy/SDL_dummy_main.c misc/SDL_url.c misc/emscripten/SDL_sysurl.c
    power/SDL_power.c power/emscripten/SDL_syspower.c
    render/SDL_d3dmath.c render/SDL_render.c render/SDL_yuv_sw.c
    render/software/SDL_blendfillrect.c render/software/SDL_blendline.c render/software/SDL_blendpoint.c
    render/software/SDL_drawline.c render/software/SDL_drawpoint.c render/software/SDL_render_sw.c
    render/software/SDL_rotate.c render/software/SDL_triangle.c
    sensor/SDL_sensor.c sensor/dummy/SDL_dummysensor.c
    stdlib/SDL_crc16.c stdlib/SDL_crc32.c stdlib/SDL_getenv.c stdlib/SDL_iconv.c stdlib/SDL_malloc.c
    stdlib/SDL_qsort.c stdlib/SDL_stdlib.c stdlib/SDL_string.c stdlib/SDL_strtokr.c
    thread/SDL_thread.c thread/generic/SDL_syscond.c thread/generic/SDL_sysmutex.c
    thread/generic/SDL_syssem.c thread/generic/SDL_systhread.c thread/generic/SDL_systls.c
    timer/SDL_timer.c timer/unix/SDL_systimer.c
    video/SDL_RLEaccel.c video/SDL_blit.c video/SDL_blit_0.c video/SDL_blit_1.c video/SDL_blit_A.c
    video/SDL_blit_N.c video/SDL_blit_auto.c video/SDL_blit_copy.c video/SDL_blit_slow.c video/SDL_bmp.c
    video/SDL_clipboard.c video/SDL_egl.c video/SDL_fillrect.c video/SDL_pixels.c video/SDL_rect.c
    video/SDL_shape.c video/SDL_stretch.c video/SDL_surface.c video/SDL_video.c video/SDL_vulkan_utils.c
    video/SDL_yuv.c video/yuv2rgb/yuv_rgb.c
    video/dummy/SDL_nullevents.c video/dummy/SDL_nullframebuffer.c video/dummy/SDL_nullvideo.c
    video/emscripten/SDL_emscriptenevents.c video/emscripten/SDL_emscriptenframebuffer.c
    video/emscripten/SDL_emscriptenmouse.c video/emscripten/SDL_emscriptenopengles.c
    video/emscripten/SDL_emscriptenvideo.c
  )
  printf '%s\n' "${files[@]}" | xargs -P"$jobs" -I{} sh -c \
    'mkdir -p "$(dirname "$2/$1.o")" && emcc -c "$3/src/$1" -o "$2/$1.o" -I"$4" -I"$3/src" -O2 -w' \
    _ {} "$cache/build/sdl" "$dir" "$inc"
  rm -f "$prefix/lib/libSDL2.a"
  (cd "$cache/build/sdl" && emar rcs "$prefix/lib/libSDL2.a" $(printf '%s.o ' "${files[@]}"))
}

# A library is rebuilt when this script changes, so a new recipe never meets
# an old build.
stamp=$cache/prefix/.built-$(sha256sum "$0" | cut -c1-16)
if [ -f "$stamp" ]; then
  exit 0
fi
echo "Building SDL2, libogg, libvorbis and libjpeg-turbo for the browser, once (a few minutes)..."
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
