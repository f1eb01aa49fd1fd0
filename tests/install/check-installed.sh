#!/usr/bin/env bash
# Installs the build in BUILD into a temporary prefix and validates the desktop entry and the
# AppStream file there. Usage: check-installed.sh BUILD
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
for file in bin/marolda \
    share/icons/hicolor/scalable/apps/test.marolda.Marolda.svg \
    share/icons/hicolor/16x16/apps/test.marolda.Marolda.png \
    share/icons/hicolor/256x256/apps/test.marolda.Marolda.png; do
    if [ ! -s "$prefix/$file" ]; then
        echo "not installed: $file" >&2
        exit 1
    fi
done
desktop-file-validate "$prefix/share/applications/test.marolda.Marolda.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/test.marolda.Marolda.metainfo.xml"
echo "installed files are valid"
