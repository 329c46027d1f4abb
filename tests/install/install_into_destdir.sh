#!/bin/sh
# Installs the build into a fresh DESTDIR under /usr and checks that every file a
# desktop expects is in its place.
set -eu
build=$1 dest=$2
rm -rf "$dest"
DESTDIR=$dest cmake --install "$build" --prefix /usr >/dev/null
status=0
for file in bin/parlavo lib/parlavo/libparlavo_charts.so \
    share/parlavo/verb.ini share/parlavo/Parlavo.ini share/parlavo/Parlavo.hlp \
    share/applications/app.parlavo.Parlavo.desktop \
    share/icons/hicolor/scalable/apps/app.parlavo.Parlavo.svg \
    share/icons/hicolor/48x48/apps/app.parlavo.Parlavo.png \
    share/icons/hicolor/128x128/apps/app.parlavo.Parlavo.png \
    share/icons/hicolor/256x256/apps/app.parlavo.Parlavo.png \
    share/metainfo/app.parlavo.Parlavo.metainfo.xml \
    share/man/man1/parlavo.1 \
    share/doc/parlavo/copyright; do
  [ -s "$dest/usr/$file" ] || { echo "missing from the install: usr/$file"; status=1; }
done
# The manual names the shipped files where this prefix puts them.
grep -q '^\.I /usr/share/parlavo/Parlavo\.hlp$' "$dest/usr/share/man/man1/parlavo.1" ||
  { echo "the manual does not name /usr/share/parlavo"; status=1; }
# Nothing of the build's own tools or tests belongs in the install.
unexpected=$(cd "$dest/usr" && find . -type f | grep -v -e '^./bin/parlavo$' -e '^./lib/parlavo/libparlavo_charts.so$' -e '^./share/' || true)
[ -z "$unexpected" ] || { echo "unexpected in the install:"; echo "$unexpected"; status=1; }
exit $status
