#!/usr/bin/env bash
# Installs the build folder $1 into a temporary prefix and checks what a
# user gets: the three programs run and answer --version and --help, the
# desktop entry, icon, AppStream metadata and example documents are there.
set -euo pipefail
build="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
fail() {
  echo "install test: $*" >&2
  exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null || fail "cmake --install failed"

bin="$prefix/bin"
share="$prefix/share"
version="${VELMORA_VERSION:?}"
for program in velmora-va velmora-cli velmora-analyzer-emulator; do
  [ -x "$bin/$program" ] || fail "$program is not installed in $bin"
  # --version needs no display, not even the offscreen one.
  out="$(env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY "$bin/$program" --version)" ||
    fail "$program --version failed"
  [ "$out" = "$program $version" ] || fail "$program --version said '$out', expected '$program $version'"
  help="$(env -u QT_QPA_PLATFORM -u DISPLAY "$bin/$program" --help)" || fail "$program --help failed"
  grep -q -- "--version" <<<"$help" || fail "$program --help does not mention --version"
done
# The workstation takes no unknown switch for a document.
if "$bin/velmora-va" --no-such-switch >/dev/null 2>&1; then fail "velmora-va accepted --no-such-switch"; fi

desktop="$share/applications/org.velmora.VelmoraVA.desktop"
icon="$share/icons/hicolor/scalable/apps/org.velmora.VelmoraVA.svg"
metainfo="$share/metainfo/org.velmora.VelmoraVA.metainfo.xml"
[ -f "$desktop" ] || fail "no desktop entry"
[ -f "$icon" ] || fail "no icon"
[ -f "$metainfo" ] || fail "no AppStream metadata"
grep -q '^Exec=velmora-va' "$desktop" || fail "the desktop entry does not start velmora-va"
grep -q '^Icon=org.velmora.VelmoraVA$' "$desktop" || fail "the desktop entry names another icon"
grep -q '<svg' "$icon" || fail "the icon is no SVG picture"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metadata does not name version $version"
if [ -n "${VELMORA_DESKTOP_FILE_VALIDATE:-}" ] && [ -x "${VELMORA_DESKTOP_FILE_VALIDATE}" ]; then
  "$VELMORA_DESKTOP_FILE_VALIDATE" "$desktop" || fail "desktop-file-validate rejects the desktop entry"
fi
if [ -n "${VELMORA_APPSTREAMCLI:-}" ] && [ -x "${VELMORA_APPSTREAMCLI}" ]; then
  "$VELMORA_APPSTREAMCLI" validate --no-net --pedantic "$metainfo" >/dev/null ||
    "$VELMORA_APPSTREAMCLI" validate --no-net "$metainfo" || fail "appstreamcli rejects the metadata"
fi

examples="$share/velmora-va/examples"
[ -f "$examples/programs/standard-additions-Zn-Cd-Pb-Cu.vap" ] || fail "no example program"
n=0
for doc in "$examples"/*.tvx; do
  [ -f "$doc" ] || continue
  n=$((n + 1))
  # Every example is a readable document of simulated curves.
  json="$("$bin/velmora-cli" dump "$doc")" || fail "velmora-cli cannot read $doc"
  grep -q 'EMULATOR - simulated' <<<"$json" || fail "$doc holds curves not marked as simulated"
done
[ "$n" -ge 2 ] || fail "only $n example documents installed"
[ -f "$share/doc/velmora-va/README.md" ] || fail "no README"
# The Russian catalogue, where the workstation looks for it from bin/, and
# only the built catalogue, not its source.
qm="$share/velmora-va/translations/velmora_ru.qm"
[ -f "$qm" ] || fail "no Russian catalogue velmora_ru.qm"
[ "$(head -c 16 "$qm" | od -An -tx1 | tr -d ' \n')" = "3cb86418caef9c95cd211cbf60a1bddd" ] ||
  fail "velmora_ru.qm is no Qt catalogue"
if ls "$share/velmora-va/translations/"*.ts >/dev/null 2>&1; then fail "catalogue sources (.ts) are installed"; fi
echo "install test: $prefix holds the programs ($version), desktop entry, icon, metadata and $n examples"
