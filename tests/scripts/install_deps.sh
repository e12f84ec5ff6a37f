# scripts/install-deps with stand-in package tools: which packages it asks
# for, and what it does when a package list or the 32-bit packages fail.
#   bash install_deps.sh SOURCE_DIR
set -uo pipefail
source_dir=$1
source "$(dirname "$0")/../cli/checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
bin=$work/bin
mkdir -p "$bin"

# dpkg-query knows the packages listed in $work/installed.
cat >"$bin/dpkg-query" <<'TOOL'
#!/usr/bin/env bash
grep -qxF "${@: -1}" "$FAKE/installed" && printf 'install ok installed'
TOOL
cat >"$bin/dpkg" <<'TOOL'
#!/usr/bin/env bash
echo "dpkg $*" >>"$FAKE/calls"
[ "$1" = --print-foreign-architectures ] && cat "$FAKE/foreign" 2>/dev/null
exit 0
TOOL
# apt-get fails its update when asked to, and any install that asks for an
# i386 package when those cannot come; a native install fails when asked to.
cat >"$bin/apt-get" <<'TOOL'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE/calls"
case " $* " in
  *" update "*) exit "${FAKE_UPDATE:-0}" ;;
  *":i386"*) [ "${FAKE_I386:-0}" = 0 ] || exit 100 ;;
  *) [ "${FAKE_NATIVE:-0}" = 0 ] || exit 100 ;;
esac
exit 0
TOOL
printf '#!/usr/bin/env bash\necho cs_CZ.utf8\n' >"$bin/locale"
printf '#!/usr/bin/env bash\n"$@"\n' >"$bin/sudo"
chmod +x "$bin"/*

all=$(sed -n '/^packages=(/,/)/p' "$source_dir/scripts/install-deps" |
  tr -d '()' | sed 's/packages=//' | tr ' ' '\n' | sed '/^$/d')

# run NAME INSTALLED(all|native|none) UPDATE I386 NATIVE EXPECTED_STATUS
run() {
  local name=$1 installed=$2
  export FAKE=$work/$name FAKE_UPDATE=$3 FAKE_I386=$4 FAKE_NATIVE=$5
  mkdir -p "$FAKE"
  : >"$FAKE/calls"
  case $installed in
    all) echo "$all" >"$FAKE/installed" ;;
    native) echo "$all" | grep -v ':i386$' >"$FAKE/installed" ;;
    none) : >"$FAKE/installed" ;;
  esac
  PATH="$bin:$PATH" bash "$source_dir/scripts/install-deps" >"$FAKE/out" 2>"$FAKE/err"
  echo $? >"$FAKE/status"
  check "$name: exit status" test "$(cat "$FAKE/status")" = "$6"
}
calls() { cat "$work/$1/calls"; }
said() { grep -qF "$2" "$work/$1/err"; }

run present all 0 0 0 0
check "present: no package tool called" test ! -s "$work/present/calls"

run fresh none 0 0 0 0
check "fresh: i386 added" grep -qx 'dpkg --add-architecture i386' "$work/fresh/calls"
check "fresh: one install of everything" test "$(calls fresh | grep -c ' install ')" = 1

run index-fails none 100 0 0 0
check "index-fails: says so" said index-fails "some package lists failed to download"
check "index-fails: installs anyway" grep -q ' install .*wine64' "$work/index-fails/calls"

run no-i386 none 100 100 0 0
check "no-i386: says the 32-bit tests are skipped" said no-i386 "32-bit Windows tests will be skipped"
check "no-i386: second install without i386" \
  bash -c "grep ' install ' '$work/no-i386/calls' | tail -1 | grep -q wine64 &&
           ! grep ' install ' '$work/no-i386/calls' | tail -1 | grep -q ':i386'"

# What an earlier run could not install is asked for again, and again left.
run left-behind native 0 100 0 0
check "left-behind: asks for wine32 only" \
  bash -c "grep ' install ' '$work/left-behind/calls' | head -1 | grep -q 'wine32:i386 *$'"

run native-fails none 0 100 100 100
check "native-fails: fails" test "$(cat "$work/native-fails/status")" != 0

finish install_deps
