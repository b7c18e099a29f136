#!/bin/sh
# Builds the Debian binary package from a copy of this source tree, so that the
# build leaves nothing in the tree itself (no obj-* directory, no debian/
# build files) and nothing in the directory above it: dpkg-buildpackage
# writes the .deb, .buildinfo and .changes beside the tree it builds, here
# into <output-dir>.
#
#   scripts/build-package.sh <output-dir>
set -eu

source_dir=$(cd "$(dirname "$0")/.." && pwd)
output_dir=$1
version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
tree="$output_dir/hueriddle-$version"

rm -rf "$output_dir"
mkdir -p "$tree"
output_dir=$(cd "$output_dir" && pwd)
# Everything but what builds, editors and git leave behind.
tar -C "$source_dir" \
    --exclude=./build --exclude=./.git --exclude=./.cache --exclude='./obj-*' \
    --exclude=./debian/.debhelper --exclude=./debian/hueriddle \
    --exclude=./debian/debhelper-build-stamp --exclude=./debian/files \
    --exclude='./debian/*.substvars' --exclude='./debian/*.log' \
    -cf - . | tar -C "$tree" -xf -

cd "$tree"
dpkg-buildpackage -us -uc -b
ls "$output_dir"/hueriddle_"$version"_*.deb
