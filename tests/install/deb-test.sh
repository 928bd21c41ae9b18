#!/usr/bin/env bash
# Builds the DEB package of the build folder $1 with CPack and checks its
# control data and contents with dpkg-deb.
set -euo pipefail
build="$1"
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
(cd "$build" && cpack -G DEB -B "$out" >/dev/null) || { echo "cpack -G DEB failed" >&2; exit 1; }
deb="$(ls "$out"/*.deb | head -n1)"
[ -f "$deb" ] || { echo "no package built" >&2; exit 1; }
info="$(dpkg-deb --info "$deb")"
contents="$(dpkg-deb --contents "$deb")"
grep -q 'Package: velmora-va' <<<"$info" || { echo "wrong package name" >&2; exit 1; }
grep -q 'Depends:.*libqt6widgets6' <<<"$info" || { echo "no Qt dependency declared" >&2; exit 1; }
for f in ./usr/bin/velmora-va ./usr/bin/velmora-cli ./usr/bin/velmora-analyzer-emulator \
  ./usr/share/applications/org.velmora.VelmoraVA.desktop \
  ./usr/share/icons/hicolor/scalable/apps/org.velmora.VelmoraVA.svg \
  ./usr/share/metainfo/org.velmora.VelmoraVA.metainfo.xml \
  ./usr/share/velmora-va/examples/standard-additions-Zn-Cd-Pb-Cu.tvx \
  ./usr/share/velmora-va/help/VA_ENU/index.html ./usr/share/velmora-va/help/VA_ENU/contexts.txt \
  ./usr/share/velmora-va/help/VA_RUS/index.html ./usr/share/velmora-va/help/VA_RUS/contexts.txt; do
  grep -q " $f\$" <<<"$contents" || { echo "the package lacks $f" >&2; exit 1; }
done
echo "deb test: $(basename "$deb") is complete"
