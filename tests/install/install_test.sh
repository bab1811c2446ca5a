#!/usr/bin/env bash
# `cmake --install` into a temporary prefix, then the installed programs run from there: the
# command line, the demo environment built from what is installed, and the editor, both on that
# demo and on a first start with no engine registered.
set -euo pipefail
build=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "install test: $*" >&2; exit 1; }

prefix=$tmp/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/tessera bin/tessera-cli \
    lib/tessera/engine/divu.so lib/tessera/engine/vlrend.so lib/tessera/engine/vuzudiv.so \
    lib/tessera/engine/vlload lib/tessera/engine/UITest \
    share/tessera/skins/Tessera7/subsections.ini \
    share/applications/tessera.desktop share/icons/hicolor/scalable/apps/tessera.svg \
    share/metainfo/tessera.metainfo.xml share/man/man1/tessera.1 share/man/man1/tessera-cli.1; do
  [ -e "$prefix/$file" ] || fail "$file was not installed"
done

# A home of its own: nothing of the user's or of another test is read or changed.
export HOME=$tmp/home
unset TESSERA_REGISTRY XDG_CONFIG_HOME XDG_DATA_HOME
mkdir -p "$HOME"

help=$("$prefix/bin/tessera-cli" --help) || fail "tessera-cli --help failed"
[[ $help == *"Usage: tessera-cli"* ]] || fail "tessera-cli --help printed no usage"

registry=$("$prefix/bin/tessera-cli" demo "$tmp/demo" | tail -n 1)
[ -f "$tmp/demo/engine/divu.so" ] || fail "the demo has no engine"
skins=$(TESSERA_REGISTRY=$registry "$prefix/bin/tessera-cli" skin list) || fail "skin list failed"
[ -n "$skins" ] || fail "the demo has no skins"
TESSERA_REGISTRY=$registry TESSERA_EXIT_WHEN_SHOWN=1 "$prefix/bin/tessera" || fail "the editor did not start on the demo"

# First start without a registry: the editor lays out the user's engine and skins folders from
# what is installed beside it, and registers them.
TESSERA_EXIT_WHEN_SHOWN=1 "$prefix/bin/tessera" || fail "the editor did not start on a first run"
user=$HOME/.local/share/Tessera
[ -f "$user/engine/divu.so" ] || fail "no engine in $user"
[ -f "$user/skins/Tessera7/subsections.ini" ] || fail "no data folder in $user"
grep -q "$user/engine" "$HOME/.config/Quillmont/HKEY_LOCAL_MACHINE.ini" || fail "the engine was not registered"
echo "install test passed"
