#!/bin/sh
# Makes the Debian package from the normal build (build/) with CPack and
# checks it: lintian without errors, the desktop entry and the AppStream
# metainfo valid, the dependencies that pull in Qt and the fonts declared.
#   scripts/package-debian.sh         build/packages/corvane_<version>_<arch>.deb
#   scripts/package-debian.sh --test  also installs it, converts the sample
#                                     exports with /usr/bin/corvane-convert as
#                                     an ordinary user and removes it again
set -eu
option="${1:-}"
cd "$(dirname "$0")/.."
root=$(pwd)
scripts/setup-debian.sh --package
started=$(date +%s)
step() { echo "== debian: $1 ($(( $(date +%s) - started )) s)"; }

step "build"
dir=build
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$dir" --target corvane corvane-convert corvane-guides corvane-changelog

step "package"
rm -rf "$dir/packages"
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(ls "$dir"/packages/corvane_*.deb)
echo "$deb"

step "checks"
dpkg-deb -c "$deb" | awk '{print $6}'
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 qt6-qpa-plugins qt6-translations-l10n fonts-noto-cjk; do
    case "$depends" in
    *"$needed"*) ;;
    *) echo "the package does not depend on $needed: $depends" >&2; exit 1 ;;
    esac
done
# xdg-open opens the guides; without it the wizard can only say that none opened.
case "$(dpkg-deb -f "$deb" Recommends)" in
*xdg-utils*) ;;
*) echo "the package does not recommend xdg-utils" >&2; exit 1 ;;
esac
# Errors fail; warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$deb"
check=$(mktemp -d)
chmod 755 "$check"
trap 'rm -rf "$check"' EXIT
dpkg-deb -x "$deb" "$check/root"
desktop-file-validate "$check"/root/usr/share/applications/*.desktop
appstreamcli validate --no-net --explain "$check"/root/usr/share/metainfo/*.metainfo.xml
for guide in OperationGuide1.PDF OperationGuide2.PDF; do
    # The Japanese font travels inside the guide.
    pdffonts "$check/root/usr/share/corvane/$guide" | grep -q 'CID TrueType.*yes'
done

[ "$option" = "--test" ] || exit 0

step "install"
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -qq --no-install-recommends "$root/$deb" >/dev/null
trap '$SUDO apt-get purge -y -qq corvane >/dev/null 2>&1 || true; rm -rf "$check"' EXIT
dpkg -L corvane | grep -qx /usr/bin/corvane

step "installed corvane-convert"
# An ordinary user, who may not write next to /usr/bin/corvane-convert: the
# settings file must land in the user's configuration folder.
user=nobody
work="$check/home"
mkdir -p "$work"
cp examples/*.txt "$work/"
chown -R "$user" "$work"
set -- --employees employees.txt --year 26 --mode normal
for f in examples/salary-*.txt; do set -- "$@" --salary "$(basename "$f")"; done
for f in examples/bonus-*.txt; do set -- "$@" --bonus "$(basename "$f")"; done
(cd "$work" && $SUDO setpriv --reuid="$user" --regid="$(id -g "$user")" --clear-groups \
    env -i HOME="$work" XDG_CONFIG_HOME="$work/config" PATH=/usr/bin:/bin /usr/bin/corvane-convert "$@" --out out.XML)
settings="$work/config/corvane/Corvane.ENV"
if [ ! -f "$settings" ]; then
    echo "the installed converter did not write $settings" >&2
    exit 1
fi
if [ -e /usr/bin/Corvane.ENV ]; then
    echo "the installed converter wrote next to itself" >&2
    exit 1
fi
# The same bytes as the build tree's converter.
(cd "$work" && "$root/$dir/convert/corvane-convert" "$@" --out "$check/tree.XML" --settings "$check/tree.ENV" >/dev/null)
cmp "$work/out.XML" "$check/tree.XML"
cmp "$settings" "$check/tree.ENV"
echo "installed corvane-convert: the same bytes as the build tree's; settings in \$XDG_CONFIG_HOME/corvane"
step "done"
