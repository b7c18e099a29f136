#!/bin/sh
# Builds the Debian package with scripts/build-package.sh into <work-dir>,
# runs lintian on it as a Debian reviewer would (--pedantic, with info and
# experimental tags shown) and fails on any error or warning. Then checks
# what the package installs: the program in /usr/games with its manual page in
# section 6 in English and in each language of the game (read with man -L),
# the translations, every icon size, and no trace of the
# /usr/local prefix of a plain `cmake --install` in the program.
#
#   tests/package/check-package.sh <work-dir>
set -eu

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work_dir=$1

"$source_dir/scripts/build-package.sh" "$work_dir" >"$work_dir.log" 2>&1 || {
    tail -n 60 "$work_dir.log"
    echo "FAIL: the package did not build; the whole log is $work_dir.log"
    exit 1
}

version=$(dpkg-parsechangelog -l "$source_dir/debian/changelog" -S Version)
arch=$(dpkg-architecture -qDEB_HOST_ARCH)
changes="$work_dir/hueriddle_${version}_${arch}.changes"
deb="$work_dir/hueriddle_${version}_${arch}.deb"
failed=0

echo "lintian --pedantic -I -E $(basename "$changes"):"
lintian --pedantic -I -E "$changes" >"$work_dir/lintian.txt" 2>&1 || true
sed 's/^/  /' "$work_dir/lintian.txt"
if grep -q '^[EW]: ' "$work_dir/lintian.txt"; then
    echo "FAIL: lintian reports errors or warnings"
    failed=1
fi

dpkg-deb -c "$deb" | awk '{ print $6 }' | sed 's|^\./|/|' >"$work_dir/contents.txt"
expect() {
    if ! grep -qx "$1" "$work_dir/contents.txt"; then
        echo "FAIL: the package does not install $1"
        failed=1
    fi
}
expect /usr/games/hueriddle
expect /usr/share/man/man6/hueriddle.6.gz
for language in de es fr it pt_BR; do
    expect "/usr/share/man/$language/man6/hueriddle.6.gz"
done
expect /usr/share/applications/org.hueriddle.Hueriddle.desktop
expect /usr/share/metainfo/org.hueriddle.Hueriddle.metainfo.xml
expect /usr/share/doc/hueriddle/copyright
for language in de es fr it pt_BR; do
    expect "/usr/share/hueriddle/translations/hueriddle_$language.qm"
done
expect /usr/share/icons/hicolor/scalable/apps/org.hueriddle.Hueriddle.svg
for size in 16 22 24 32 48 64 128 256; do
    expect "/usr/share/icons/hicolor/${size}x${size}/apps/org.hueriddle.Hueriddle.png"
done
if grep -q '^/usr/bin/' "$work_dir/contents.txt"; then
    echo "FAIL: the package installs into /usr/bin:"
    grep '^/usr/bin/' "$work_dir/contents.txt"
    failed=1
fi

rm -rf "$work_dir/unpacked"
dpkg-deb -x "$deb" "$work_dir/unpacked"
program="$work_dir/unpacked/usr/games/hueriddle"
if [ -f "$program" ] && grep -q '/usr/local' "$program"; then
    echo "FAIL: the packaged program names /usr/local:"
    strings "$program" | grep /usr/local
    failed=1
fi

# Each translated manual, as man finds it for a reader of the language: its
# keys section under the language's heading, with the key order of the game.
check_manual() {
    language=$1
    keys_heading=$2
    red=$3
    page=$(MANPATH="$work_dir/unpacked/usr/share/man" MANWIDTH=80 \
        man -L "$language" 6 hueriddle 2>"$work_dir/man-$language.err" || true)
    if ! printf '%s\n' "$page" | grep -q "^$keys_heading\$"; then
        echo "FAIL: man -L $language 6 hueriddle does not show the heading $keys_heading:"
        printf '%s\n' "$page" | head -n 5
        cat "$work_dir/man-$language.err"
        failed=1
    elif ! printf '%s\n' "$page" | grep -E '^ +1 ' | grep -q "$red"; then
        echo "FAIL: man -L $language 6 hueriddle does not put $red on key 1"
        failed=1
    fi
}
check_manual de TASTEN Rot
check_manual es TECLAS rojo
check_manual fr TOUCHES rouge
check_manual it TASTI rosso
check_manual pt_BR TECLAS vermelho
check_manual en KEYS red

if [ "$failed" -ne 0 ]; then
    exit 1
fi
echo "PASS: $(basename "$deb") builds, lintian reports no error or warning, and it installs" \
    "what a Debian game needs"
