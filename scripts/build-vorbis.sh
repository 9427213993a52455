#!/usr/bin/env bash
# Builds libogg, libvorbis and libvorbisfile as static libraries from
# Debian's source packages. Usage: build-vorbis.sh HOST PREFIX, where HOST is
# a mingw target (e.g. i686-w64-mingw32) or "fuzz": this machine, with clang
# and the sanitizer and fuzzer instrumentation the decode fuzzer needs.
# Skipped when PREFIX already holds them.
set -euo pipefail

host=$1
prefix=$(realpath -m "$2")
here=$(cd "$(dirname "$0")" && pwd)
# Built again when this script or a patch changes.
stamp=$(cat "$here/build-vorbis.sh" "$here"/patches/*.patch | md5sum | cut -d' ' -f1)
if [ -f "$prefix/lib/libvorbisfile.a" ] && [ "$(cat "$prefix/.stamp" 2>/dev/null)" = "$stamp" ]; then
  exit 0
fi
rm -rf "$prefix"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
echo "vorbis: fetching the libogg and libvorbis sources"
apt-get source --download-only libogg libvorbis >/dev/null 2>&1 || {
  echo "vorbis: apt-get source failed (is there a deb-src entry? run scripts/deps.sh)" >&2
  exit 1
}

tar xf libogg_*.orig.tar.*
tar xf libvorbis_*.orig.tar.*
mkdir debian-vorbis
tar xf libvorbis_*.debian.tar.* -C debian-vorbis
oggdir=$(ls -d libogg-*/ | head -n 1)
vorbisdir=$(ls -d libvorbis-*/ | head -n 1)

# Debian's fix against a division by zero when bytes per sample is zero.
patch -d "$vorbisdir" -p1 -s <debian-vorbis/debian/patches/0002-Avoid-SIGFPE-when-bytespersample-is-zero.patch
# Ours.
for p in "$here"/patches/*.patch; do patch -d "$vorbisdir" -p1 -s <"$p"; done

flags="-O2"
hostopt=(--host="$host")
case "$host" in
  i686-*) flags="-O2 -msse2 -mfpmath=sse" ;;
  fuzz)
    flags="-O1 -g -fsanitize=address,fuzzer-no-link -fno-omit-frame-pointer"
    hostopt=()
    export CC=clang
    export LDFLAGS="-fsanitize=address"
    ;;
esac

echo "vorbis: building libogg for $host"
(cd "$oggdir" && CFLAGS="$flags" ./configure "${hostopt[@]}" --disable-shared --enable-static \
  --prefix="$prefix" >/dev/null && make -s -j"$(nproc)" >/dev/null && make -s install >/dev/null)

echo "vorbis: building libvorbis for $host"
(cd "$vorbisdir" && CFLAGS="$flags" PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" ./configure \
  "${hostopt[@]}" --disable-shared --enable-static --prefix="$prefix" --with-ogg="$prefix" \
  --disable-docs --disable-examples --disable-oggtest >/dev/null &&
  make -s -j"$(nproc)" >/dev/null 2>&1 && make -s install >/dev/null)
echo "$stamp" >"$prefix/.stamp"
echo "vorbis: installed in $prefix"
