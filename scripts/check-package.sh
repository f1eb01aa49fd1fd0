#!/usr/bin/env bash
# Makes the Debian package from the build in build/ and checks it: lintian finds no error and no
# warning in it (its informational tags are shown, and allowed), and it holds exactly what
# cmake --install installs into /usr, file for file, byte for byte, mode for mode.
# Usage: bash scripts/check-package.sh
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
bash scripts/setup.sh --quiet default package

package=$(cd build && cpack -G DEB | sed -n 's/^CPack: - package: \(.*\) generated\.$/\1/p')
echo "Debian package: $package"

# lintian warns when run as root, which changes nothing in what it finds.
status=0
findings=$(lintian --fail-on error,warning --display-info "$package" 2>&1) || status=$?
findings=$(grep -v '^running with root privileges' <<< "$findings" || true)
if [ "$status" -ne 0 ]; then
    echo "lintian refuses the package (exit status $status):" >&2
    echo "$findings" >&2
    exit 1
fi
echo "lintian: no error, no warning${findings:+; informational tags:}"
[ -z "$findings" ] || echo "    ${findings//$'\n'/$'\n    '}"

on_exit
DESTDIR="$work/installed" cmake --install build --prefix /usr --strip > /dev/null
dpkg-deb -x "$package" "$work/packaged"
list() { (cd "$1" && find . -printf '%M %p\n' | LC_ALL=C sort); }
if ! diff -u <(list "$work/installed") <(list "$work/packaged") ||
    ! diff -r "$work/installed" "$work/packaged"; then
    echo "the package differs from what cmake --install --prefix /usr installs (- installed," \
        "+ packaged)" >&2
    exit 1
fi
echo "the package holds what cmake --install installs: $(list "$work/packaged" | wc -l) entries"
