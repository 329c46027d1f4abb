#!/bin/sh
# Starts an installed copy as a learner would: from an empty working folder, with HOME
# and the XDG folders in a scratch folder. It must find its shipped data, keep its
# settings in the config folder, and write nothing into the install or elsewhere.
set -eu
prefix=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/home" "$scratch/work"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/.config" XDG_DATA_HOME="$scratch/home/.local/share"
unset XDG_CACHE_HOME XDG_STATE_HOME
fail() { echo "FAIL: $*"; status=1; }
status=0

# Everything below the install, with sizes and times, to see any write.
snapshot() { find "$prefix" -printf '%p %s %T@\n' | sort; }
before=$(snapshot)

cd "$scratch/work"
"$prefix/bin/parlavo" --screenshots "$scratch/shots" || fail "the window run failed"
[ -s "$XDG_CONFIG_HOME/Parlavo/Parlavo.ini" ] || fail "no settings in $XDG_CONFIG_HOME/Parlavo"
grep -q '^\[Default\]' "$XDG_CONFIG_HOME/Parlavo/Parlavo.ini" || fail "the settings were not seeded from the shipped copy"
[ -d "$XDG_DATA_HOME/Parlavo" ] || fail "no data folder $XDG_DATA_HOME/Parlavo"
ls "$scratch/shots"/*.png >/dev/null 2>&1 || fail "the window run drew no pages"
[ -s "$scratch/shots/tsStats-rbProgress.png" ] || fail "the window run drew no Progress view"
for f in Results.txt History.txt; do
  [ ! -e "$XDG_DATA_HOME/Parlavo/$f" ] || fail "the pictures' sample $f reached the learner's folder"
done

"$prefix/bin/parlavo" --export-special || fail "--export-special failed"
[ -s SpecialVerbs.txt ] || fail "SpecialVerbs.txt was not written into the working folder"
rm -f SpecialVerbs.txt

[ "$(snapshot)" = "$before" ] || fail "the run changed the install folder"
left=$(ls -A "$scratch/work")
[ -z "$left" ] || fail "the run left files in the working folder: $left"
others=$(cd "$scratch/home" && find . -mindepth 1 | grep -v -e '^./.config$' -e '^./.config/Parlavo' \
         -e '^./.local$' -e '^./.local/share$' -e '^./.local/share/Parlavo' || true)
[ -z "$others" ] || fail "the run wrote outside its own folders: $others"
exit $status
