#!/usr/bin/env bash
# Makes a fresh Debian machine ready to build and test the project: the i686 mingw-w64
# toolchain, Wine (its 32-bit half where this kernel runs 32-bit programs, else the 64-bit
# Wine and cross compiler the tests then use) with Wine's own fonts, Xvfb and the tools window
# tests use, the FTP server the network tests start (pyftpdlib), the PDF printer print tests print to (CUPS with
# cups-pdf, read back with poppler's pdftotext), a CJK font,
# the zh_CN.UTF-8 locale Wine needs for code page 936, and the project's private Wine prefix;
# clang with its sanitizer and libFuzzer runtimes and GoogleTest for the native build.
# Idempotent: when nothing is missing it only checks and returns.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

packages=(g++-mingw-w64-i686 wine fonts-wine xvfb xdotool imagemagick fonts-wqy-zenhei
          cmake locales googletest ninja-build python3-pyftpdlib
          cups printer-driver-cups-pdf poppler-utils
          clang libclang-rt-dev libgtest-dev python3)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

# Installs the packages of the list that are not installed yet.
install_missing() {
  local missing=() p
  for p in "$@"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  ((${#missing[@]})) || return 0
  if [[ " ${missing[*]}" == *:i386* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    as_root dpkg --add-architecture i386
  fi
  as_root apt-get update -qq
  DEBIAN_FRONTEND=noninteractive as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The posix-threads variant of the cross compiler gives us std::thread and std::mutex.
use_posix_compiler() {
  local triple=$1
  if [ "$(readlink -f "/usr/bin/$triple-g++")" != "/usr/bin/$triple-g++-posix" ]; then
    as_root update-alternatives --set "$triple-g++" "/usr/bin/$triple-g++-posix" >/dev/null
    as_root update-alternatives --set "$triple-gcc" "/usr/bin/$triple-gcc-posix" >/dev/null
  fi
}

# Debian's 32-bit Wine runs in 32-bit Linux processes: it is installed where the kernel starts
# them. Elsewhere the programs are built and tested as 64-bit ones (see wine-env).
. "$here/wine-env"
if moyu_runs_i386; then
  packages+=(wine32:i386 libcups2:i386)
else
  packages+=(wine64 g++-mingw-w64-x86-64-posix)
fi
install_missing "${packages[@]}"
use_posix_compiler i686-w64-mingw32
moyu_runs_i386 || use_posix_compiler x86_64-w64-mingw32

if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi

# The printer is configured through the scheduler; one started for it here is stopped again.
cupsd_pid=$("$here/pdf-printer" start)
"$here/pdf-printer" configure
[ -z "$cupsd_pid" ] || "$here/pdf-printer" stop "$cupsd_pid"

"$here/wine-run" --init
