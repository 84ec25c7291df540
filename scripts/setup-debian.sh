#!/bin/sh
# Installs every Debian package that Corvane needs to build, run and test.
# Idempotent: when everything is there it only asks dpkg and returns.
#   scripts/setup-debian.sh            build, run and test on Linux
#   scripts/setup-debian.sh --windows  also the Windows cross build and wine
#   scripts/setup-debian.sh --package  also the tools that make and check the
#                                      packages (.deb and .msi)
#   scripts/setup-debian.sh --style    also clang-format and clang-tidy
#   scripts/setup-debian.sh --fuzz     also clang, libFuzzer and the sanitizers'
#                                      runtimes, llvm-cov (scripts/fuzz.sh)
set -eu

# chromium and poppler-utils: the check list's tests load, print and measure it.
packages="cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev libxml2-utils
          qt6-base-dev qt6-translations-l10n fonts-noto-cjk xvfb xauth chromium poppler-utils"
for option in "$@"; do
    case "$option" in
    --windows) CORVANE_WINDOWS=1 ;;
    --package) packages="$packages dpkg-dev file lintian appstream desktop-file-utils poppler-utils msitools wixl" ;;
    --style) packages="$packages clang-format clang-tidy python3" ;;
    --fuzz) packages="$packages clang libclang-rt-dev llvm python3" ;;
    *) echo "setup-debian.sh: unknown option $option" >&2; exit 2 ;;
    esac
done
if [ "${CORVANE_WINDOWS:-0}" = "1" ]; then
    packages="$packages g++-mingw-w64-x86-64 googletest wine wine64 fonts-wine locales xvfb"
fi

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing" >&2
SUDO=""
if [ "$(id -u)" != 0 ]; then
    SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
# shellcheck disable=SC2086
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
