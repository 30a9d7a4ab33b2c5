#!/usr/bin/env bash
# Packs the current build tree as DEB into a throwaway folder and checks the result.
# Usage: package_test.sh <cpack> <CPackConfig.cmake>
set -uo pipefail

cpack=$1
config=$(realpath -m "$2")
app_id=invalid.frankierung.Frankierung
icon_sizes=(16 32 48 64 128 256)

failures=0
fail() {
    echo "FEHLER: $*" >&2
    failures=$((failures + 1))
}
die() {
    echo "FEHLER: $*" >&2
    exit 1
}

[[ -f $config ]] || die "$config fehlt (CPack ist nicht eingebunden)"
for tool in dpkg-deb desktop-file-validate appstreamcli timeout od; do
    command -v "$tool" >/dev/null || die "$tool fehlt (tools/setup.sh installiert es)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || die "kein Arbeitsordner"

if ! "$cpack" -G DEB --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
    cat "$work/cpack.log" >&2
    die "cpack ist gescheitert"
fi
shopt -s nullglob
debs=("$work"/out/*.deb)
((${#debs[@]} == 1)) || die "erwartet genau ein .deb, gefunden: ${#debs[@]}"
deb=${debs[0]}
echo "Paket: $(basename "$deb")"

# --- Contents ---------------------------------------------------------------
listing=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
expected=(
    usr/bin/frankierung
    usr/bin/frankierung-survey
    "usr/share/applications/$app_id.desktop"
    "usr/share/metainfo/$app_id.metainfo.xml"
    usr/share/icons/hicolor/scalable/apps/frankierung.svg
)
for n in "${icon_sizes[@]}"; do
    expected+=("usr/share/icons/hicolor/${n}x${n}/apps/frankierung.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" <<<"$listing" || fail "$path fehlt im Paket"
done
# Build-time helpers and test programs must stay out of the package.
while read -r path; do
    case $path in
        usr/bin/frankierung | usr/bin/frankierung-survey | usr/bin/frankierung-chart) ;;
        usr/bin/?*) fail "unerwartetes Programm im Paket: $path" ;;
    esac
done <<<"$listing"

# --- Control fields ---------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == frankierung ]] || fail "Package ist '$(field Package)'"
[[ $(field Version) == 1.0.0 ]] || fail "Version ist '$(field Version)'"
[[ $(field Section) == education ]] || fail "Section ist '$(field Section)'"
[[ $(field Maintainer) == "Frankierung-Team <team@frankierung.invalid>" ]] ||
    fail "Maintainer ist '$(field Maintainer)'"
# Package names only, without version constraints.
depends=$(field Depends | tr ',' '\n' | sed 's/(.*)//; s/^ *//; s/ *$//')
wanted=(libqt6widgets6 libqt6svg6 libqt6gui6 libqt6core6 fonts-dejavu-core fonts-liberation
    qt6-translations-l10n)
if command -v dpkg-shlibdeps >/dev/null; then
    wanted+=(libstdc++6 libc6)
fi
for pkg in "${wanted[@]}"; do
    grep -qxF "$pkg" <<<"$depends" || fail "Depends nennt $pkg nicht: $(field Depends)"
done

# --- Installed files --------------------------------------------------------
root=$work/root
dpkg-deb -x "$deb" "$root" || die "dpkg-deb -x ist gescheitert"
desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml

if [[ -f $desktop ]]; then
    # Hints count too: they only appear for entries that menus may misplace.
    out=$(desktop-file-validate "$desktop" 2>&1)
    [[ $? -eq 0 && -z $out ]] || fail "desktop-file-validate: $out"
    # The entry must start a program and name an icon that the package really ships.
    exec_cmd=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
    icon=$(sed -n 's/^Icon=//p' "$desktop")
    [[ -x $root/usr/bin/$exec_cmd ]] || fail "Exec=$exec_cmd ist kein Programm des Pakets"
    [[ -f $root/usr/share/icons/hicolor/scalable/apps/$icon.svg ]] ||
        fail "Icon=$icon hat kein Bild im Paket"
fi
if [[ -f $metainfo ]]; then
    out=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate: $out"
    grep -qF "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
        fail "metainfo verweist nicht auf $app_id.desktop"
    grep -qF "<id>$app_id</id>" "$metainfo" || fail "metainfo hat nicht die id $app_id"
fi

# Width and height are the big-endian words at bytes 16 and 20 of a PNG.
png_word() { od -An -tu1 -j"$2" -N4 "$1" | awk '{print $1*16777216 + $2*65536 + $3*256 + $4}'; }
for n in "${icon_sizes[@]}"; do
    png=$root/usr/share/icons/hicolor/${n}x${n}/apps/frankierung.png
    [[ -f $png ]] || continue
    [[ $(head -c 8 "$png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] ||
        { fail "$png ist kein PNG"; continue; }
    w=$(png_word "$png" 16)
    h=$(png_word "$png" 20)
    [[ $w == "$n" && $h == "$n" ]] || fail "$png ist ${w}x${h} statt ${n}x${n}"
done

# --- The extracted programs run ---------------------------------------------
if [[ -x $root/usr/bin/frankierung ]]; then
    QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/frankierung" >"$work/window.log" 2>&1
    rc=$?
    # 124: still running when the time was up, i.e. it started and did not crash.
    if ((rc != 124)); then
        cat "$work/window.log" >&2
        fail "frankierung endete mit Code $rc statt weiterzulaufen"
    fi
fi
if [[ -x $root/usr/bin/frankierung-survey ]]; then
    out=$("$root/usr/bin/frankierung-survey" 6 10 15 200 2>&1) ||
        fail "frankierung-survey endete mit Code $?"
    grep -qF "Feld „A, B, C“ im Fenster: 30" <<<"$out" ||
        fail "frankierung-survey 6 10 15 200 liefert nicht die Grenze 30: $out"
fi

if ((failures > 0)); then
    echo "$failures Fehler" >&2
    exit 1
fi
echo "Paket in Ordnung"
