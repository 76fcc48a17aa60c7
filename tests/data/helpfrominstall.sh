#!/bin/sh
# Help finds the installed guide when the program is started in another folder: installs the
# build into a fresh folder (a moved install, too, since the build was configured for another
# prefix), puts the help probe beside the installed program, starts it in an empty folder with
# a recording xdg-open first on PATH, and checks that the opener got the installed help.pdf.
#   helpfrominstall.sh CMAKE BUILD_DIR PROBE DATADIR
set -eu
cmake=$1 build=$2 probe=$3 datadir=$4

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$cmake" --install "$build" --prefix "$work/usr" >/dev/null
cp "$probe" "$work/usr/bin/"
mkdir "$work/bin" "$work/home"
cat >"$work/bin/xdg-open" <<END
#!/bin/sh
printf '%s\n' "\$@" >"$work/opened.tmp" && mv "$work/opened.tmp" "$work/opened"
END
chmod +x "$work/bin/xdg-open"

(cd "$work/home" && PATH="$work/bin:/usr/bin:/bin" "$work/usr/bin/$(basename "$probe")")

# xdg-open runs on its own: wait for its record, for a generous while.
tries=0
while [ ! -e "$work/opened" ] && [ $tries -lt 300 ]; do
    sleep 0.1
    tries=$((tries + 1))
done
expected="$work/usr/$datadir/help.pdf"
opened=$(cat "$work/opened" 2>/dev/null || echo "(nothing)")
if [ "$opened" != "$expected" ] || [ ! -f "$expected" ]; then
    echo "Help opened $opened; expected the installed guide $expected" >&2
    exit 1
fi
echo "Help opened the installed guide: $opened"
