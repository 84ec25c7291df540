# Sourced by the scripts that run the Windows build under wine, after they set
# $root (the project) and $dir (the Windows build folder).
# Code page 932 for wine's ANSI functions needs a Japanese locale on the
# Linux side too: without one wine cannot turn Japanese file names into
# Linux names.
if ! locale -a 2>/dev/null | grep -qi '^ja_JP\.utf-\?8$'; then
    localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
fi
export LC_ALL=ja_JP.UTF-8
export WINEPREFIX="$root/$dir/wine"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
