#!/usr/bin/env bash
# Installs the build in BUILD into a temporary prefix and validates there the desktop entry (its
# command is the program in that prefix) and the AppStream file. Usage: check-installed.sh BUILD
# Exits with 77, which CTest reports as skipped, where a validator is not installed: test.sh
# installs them, setup.sh (and so play.sh) does not.
set -euo pipefail
build="$1"
for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" > /dev/null; then
        echo "skipped: no $tool (packages desktop-file-utils, appstream: scripts/test.sh)" >&2
        exit 77
    fi
done
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
exec=$(sed -n 's/^Exec=//p' "$prefix/share/applications/test.marolda.Marolda.desktop")
for file in "${exec#"$prefix"/}" games/marolda \
    share/icons/hicolor/scalable/apps/test.marolda.Marolda.svg \
    share/icons/hicolor/16x16/apps/test.marolda.Marolda.png \
    share/icons/hicolor/256x256/apps/test.marolda.Marolda.png; do
    if [ ! -f "$prefix/$file" ] || [ ! -s "$prefix/$file" ]; then
        echo "not installed: $file" >&2
        exit 1
    fi
done
desktop-file-validate "$prefix/share/applications/test.marolda.Marolda.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/test.marolda.Marolda.metainfo.xml"
echo "installed files are valid"
