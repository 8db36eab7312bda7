#!/usr/bin/env bash
# The Debian package made from the build folder: its control fields, its files, and
# lintian finding neither error nor warning.
#
# usage: package_test.sh <build folder>
set -euo pipefail

build=$(realpath "$1")
for tool in cpack dpkg-deb dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed (quillary.sh installs it)"; exit 77; }
done
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cd "$build"
rm -f quillary_*.deb
cpack -G DEB >cpack.log 2>&1 || fail "cpack failed: $(cat cpack.log)"
deb=$(ls quillary_*.deb)
echo "$deb: $(stat -c %s "$deb") bytes"

info=$(dpkg-deb -I "$deb")
echo "$info" | grep -E '^ (Depends|Installed-Size):'
field() { echo "$info" | sed -n "s/^ $1: //p"; }
[ "$(field Package)" = quillary ] || fail "Package: $(field Package)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[[ $(field Maintainer) == *@* ]] || fail "Maintainer: $(field Maintainer)"
for dependency in libqt6widgets6 libqt6printsupport6 libstdc++6 'fonts-ipafont-gothic | fonts-noto-cjk' \
    qt6-translations-l10n; do
    [[ ", $(field Depends), " == *", $dependency"[\ ,]* ]] || fail "Depends lacks $dependency: $(field Depends)"
done

files=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in usr/bin/quillary usr/libexec/quillary/quillary usr/share/quillary/TxtData/Topics.txt \
    usr/share/quillary/TxtData/tavelo.txt usr/share/applications/ usr/share/metainfo/ \
    usr/share/icons/hicolor/scalable/apps/ usr/share/icons/hicolor/256x256/apps/ \
    usr/share/man/man1/quillary.1.gz usr/share/doc/quillary/copyright; do
    echo "$files" | grep -q "^\./$file" || fail "the package lacks /$file"
done
echo "$files" | grep -Ev '^\./(usr/(bin|libexec|share)/|$|usr/$)' && fail "files outside /usr/bin, /usr/libexec, /usr/share"

report=$(lintian --tag-display-limit 0 "$deb" 2>&1) || true
echo "lintian: ${report:-no tags}"
echo "$report" | grep -Eq '^[EW]: ' && fail "lintian found errors or warnings"
echo "package: fields, files and lintian passed"
