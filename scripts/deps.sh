#!/usr/bin/env bash
# Installs what building, running and testing the game needs on Debian 12:
# the mingw cross compilers, Wine (32-bit), Xvfb, the asset tools, GoogleTest,
# the Japanese locale and fonts, and a deb-src entry for the Ogg/Vorbis sources.
# Quick when everything is already there.
set -euo pipefail

SUDO=""
if [ "$(id -u)" != 0 ]; then SUDO="sudo"; fi

PACKAGES=(
  wine wine32 wine64 fonts-wine
  g++-mingw-w64-i686 g++-mingw-w64-x86-64 binutils-mingw-w64-i686 mingw-w64-tools
  xvfb xauth xdotool x11-apps imagemagick sox vorbis-tools
  fonts-ipafont-gothic locales
  googletest libgtest-dev libvorbis-dev libogg-dev
  cmake make g++ pkgconf dpkg-dev zip unzip file procps
)

# `deps.sh fuzz`: also clang with libFuzzer, for the decode fuzzer.
if [ "${1:-}" = fuzz ]; then PACKAGES+=(clang libclang-rt-14-dev); fi

missing=()
for p in "${PACKAGES[@]}"; do
  arch=""
  [ "$p" = wine32 ] && arch=":i386"
  if ! dpkg-query -W -f='${Status}' "$p$arch" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p$arch")
  fi
done

need_update=0
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
  need_update=1
fi

# deb-src for the Ogg/Vorbis source packages, on the same mirror as the binary packages.
DEBSRC=/etc/apt/sources.list.d/fendra-debsrc.sources
if ! grep -rqs '^Types:.*deb-src' /etc/apt/sources.list.d/ /etc/apt/sources.list 2>/dev/null; then
  uri=$(awk '/^URIs:/{u=$2} /^Suites:/{ if ($0 ~ /bookworm( |$)/) { print u; exit } }' \
    /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  if [ -z "$uri" ]; then
    uri=$(awk '$1=="deb" && $3=="bookworm" {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  fi
  if [ -n "$uri" ]; then
    printf 'Types: deb-src\nURIs: %s\nSuites: bookworm\nComponents: main\nSigned-By: /usr/share/keyrings/debian-archive-keyring.gpg\n' "$uri" |
      $SUDO tee "$DEBSRC" >/dev/null
    need_update=1
  fi
fi

if [ ${#missing[@]} -gt 0 ] || [ $need_update = 1 ]; then
  echo "deps: installing ${missing[*]:-(package lists only)}"
  $SUDO apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
fi

if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  echo "deps: generating the ja_JP.UTF-8 locale"
  $SUDO localedef -i ja_JP -c -f UTF-8 -A /usr/share/locale/locale.alias ja_JP.UTF-8
fi
