#!/usr/bin/env bash
# Packs the build tree as DEB into a throwaway folder and checks it as a user receives it:
# contents, dependencies, metadata and a first start. Usage: package_test.sh <cpack> <CPackConfig>
set -uo pipefail
config=$(realpath -m "$2")
id=invalid.frankierung.Frankierung
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
fail() { echo "FEHLER: $*" >&2; failures=$((${failures:-0} + 1)); }

"$1" -G DEB --config "$config" -B "$work/out" >cpack.log 2>&1 || { cat cpack.log >&2; exit 1; }
deb=$(echo out/*.deb)
listing=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
for path in usr/bin/frankierung usr/bin/frankierung-survey usr/bin/frankierung-chart \
    usr/share/applications/$id.desktop usr/share/metainfo/$id.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/frankierung.svg; do
    grep -qxF "$path" <<<"$listing" || fail "$path fehlt im Paket"
done
extra=$(grep '^usr/bin/.' <<<"$listing" | grep -vxE 'usr/bin/frankierung(-survey|-chart)?')
[[ -z $extra ]] || fail "unerwartete Programme: $extra"
for pkg in libqt6widgets6 libqt6svg6 libqt6printsupport6 fonts-dejavu-core fonts-liberation qt6-translations-l10n libc6; do
    dpkg-deb -f "$deb" Depends | grep -qw "$pkg" || fail "Depends nennt $pkg nicht"
done
[[ $(dpkg-deb -f "$deb" Section) == education ]] || fail "Section ist nicht education"

dpkg-deb -x "$deb" root || exit 1
out=$(desktop-file-validate root/usr/share/applications/$id.desktop 2>&1)
[[ $? -eq 0 && -z $out ]] || fail "desktop-file-validate: $out"
appstreamcli validate --no-net root/usr/share/metainfo/$id.metainfo.xml >/dev/null 2>&1 ||
    fail "appstreamcli validate"
for n in 16 32 48 64 128 256; do
    [[ $(identify -format '%m %wx%h' root/usr/share/icons/hicolor/${n}x$n/apps/frankierung.png) == "PNG ${n}x$n" ]] ||
        fail "das Symbol ${n}x$n ist kein PNG dieser Größe"
done
QT_QPA_PLATFORM=offscreen timeout 5 root/usr/bin/frankierung >window.log 2>&1
(($? == 124)) || { cat window.log >&2; fail "frankierung lief keine 5 Sekunden"; }
root/usr/bin/frankierung-survey 6 10 15 | grep -qF "Feld „A, B, C“ im Fenster: 30" || fail "frankierung-survey"
((${failures:-0} == 0)) && echo "Paket in Ordnung"
