#!/usr/bin/env bash
# Builds libogg, libvorbis and libvorbisfile as static libraries for a mingw
# target from Debian's source packages. Usage: build-vorbis.sh HOST PREFIX
# (HOST e.g. i686-w64-mingw32). Skipped when PREFIX already holds them.
set -euo pipefail

host=$1
prefix=$(realpath -m "$2")
if [ -f "$prefix/lib/libvorbisfile.a" ] && [ -f "$prefix/lib/libogg.a" ]; then
  exit 0
fi

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

flags="-O2"
case "$host" in i686-*) flags="-O2 -msse2 -mfpmath=sse" ;; esac

echo "vorbis: building libogg for $host"
(cd "$oggdir" && CFLAGS="$flags" ./configure --host="$host" --disable-shared --enable-static \
  --prefix="$prefix" >/dev/null && make -s -j"$(nproc)" >/dev/null && make -s install >/dev/null)

echo "vorbis: building libvorbis for $host"
(cd "$vorbisdir" && CFLAGS="$flags" PKG_CONFIG_LIBDIR="$prefix/lib/pkgconfig" ./configure \
  --host="$host" --disable-shared --enable-static --prefix="$prefix" --with-ogg="$prefix" \
  --disable-docs --disable-examples --disable-oggtest >/dev/null &&
  make -s -j"$(nproc)" >/dev/null 2>&1 && make -s install >/dev/null)
echo "vorbis: installed in $prefix"
