#!/usr/bin/env bash
# Builds the Debian package twice from the same commit, in two folders of different names, with
# SOURCE_DATE_EPOCH set to the commit's time, and checks that the two packages are the same bit
# for bit. The commit is HEAD unless given: changes not committed are not in it.
# Usage: bash scripts/check-reproducible.sh [COMMIT]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source scripts/lib.sh
bash scripts/setup.sh --quiet --target marolda default package
commit=$(git rev-parse --verify "${1:-HEAD}^{commit}")
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct "$commit")
export SOURCE_DATE_EPOCH

on_exit
# logged COMMAND...: a step of a build, its output kept in the build's log, shown if it fails.
logged() { "$@" >> "$log" 2>&1 || { tail -n 40 "$log" >&2; exit 1; }; }
for folder in one second-folder; do
    source="$work/$folder/marolda" log="$work/$folder.log"
    mkdir -p "$source"
    git archive "$commit" | tar -x -C "$source"
    logged cmake -S "$source" -B "$source/build" -DCMAKE_BUILD_TYPE=Release -DMAROLDA_EXTRAS=OFF
    # What the package installs, and nothing else: the tests are not built.
    logged cmake --build "$source/build" --parallel "$(nproc)" \
        --target marolda theme_icons compressed_documents
    (cd "$source/build" && logged cpack -G DEB)
done

packages=("$work"/*/marolda/build/marolda_*.deb)
if cmp -s "${packages[@]}"; then
    echo "the same bit for bit, built twice from $commit:" \
        "$(basename "${packages[0]}") $(sha256sum < "${packages[0]}" | cut -d' ' -f1)"
    exit 0
fi
echo "the two packages built from $commit differ:" >&2
for package in "${packages[@]}"; do
    mkdir "$package.d"
    dpkg-deb -R "$package" "$package.d"
done
diff -r "${packages[0]}.d" "${packages[1]}.d" >&2 || true
exit 1
