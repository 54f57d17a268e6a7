#!/usr/bin/env bash
# Installs the build into a temporary DESTDIR and checks the tree as a desktop and a player use it.
# Arguments: the build folder, then the configured install folders of the programs, the data,
# the manual pages and the documentation.
set -euo pipefail
build=$1 bindir=$2 datadir=$3 mandir=$4 docdir=$5
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
dest=$work/dest
DESTDIR=$dest cmake --install "$build" >/dev/null
bin=$dest$bindir
share=$dest$datadir
id=org.escartinol.Escartinol
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for file in "$bin"/escartinol{,-lists,-solve} "$share"/escartinol/lists/{fr,oc}/DEF_{4,5,6,7,8,9}L.txt \
    "$dest$docdir"/{copyright,changelog.Debian.gz}; do
    [[ -s $file ]] || fail "$file is missing or empty"
done

desktop-file-validate "$share/applications/$id.desktop" || fail "the desktop entry is refused"
appstreamcli validate --no-net "$share/metainfo/$id.metainfo.xml" >"$work/appstream" ||
    fail "the metainfo is refused: $(cat "$work/appstream")"
for page in escartinol escartinol-lists escartinol-solve; do
    # As lintian formats a page: any warning of groff or man is a fault of the page.
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$dest$mandir/man6/$page.6.gz" 2>&1 >/dev/null)
    [[ -z $warnings ]] || fail "$page.6: $warnings"
done
for size in 16 32 48 64 128 256; do
    icon=$share/icons/hicolor/${size}x$size/apps/$id.png
    [[ $(file -b "$icon") == "PNG image data, $size x $size,"* ]] || fail "$icon: $(file -b "$icon")"
done

# A player with an empty home, in a folder without lists: the lists installed beside the programs.
# XDG_DATA_DIRS leads nowhere, so that a package installed on this machine is not what is found.
home=$work/home
mkdir "$home" "$work/empty"
cd "$work/empty"
player=(env -u XDG_DATA_HOME HOME="$home" XDG_DATA_DIRS="$work/nowhere")
[[ $("${player[@]}" "$bin/escartinol-solve" TOLERIANS) == *" relations "* ]] || fail "the installed lists are not found"
[[ $("${player[@]}" "$bin/escartinol-solve" --lang oc TOLERIANS) == *" orientals "* ]] ||
    fail "the installed Occitan lists are not found"
# A program moved away from its lists says where it looked for them.
mkdir -p "$work/moved/games"
cp "$bin/escartinol-solve" "$work/moved/games/"
[[ $("${player[@]}" "$work/moved/games/escartinol-solve" TOLERIANS 2>&1 >/dev/null) == \
    *"$work/moved/share/escartinol/lists/fr/DEF_9L.txt"* ]] || fail "missing lists are not looked for where they belong"

# The installed lists stay as they are: the player's word goes into a copy, found first from then on.
copy=$home/.local/share/escartinol/lists/fr
[[ $("${player[@]}" "$bin/escartinol-lists" add sortilena) == *"into $copy,"* ]] || fail "the copy is not announced"
grep -q "/sortilena" "$copy/DEF_9L.txt" || fail "the word is not in the player's copy"
! grep -q "sortilena" "$share/escartinol/lists/fr/DEF_9L.txt" || fail "the installed list was changed"
[[ $("${player[@]}" "$bin/escartinol-solve" TOLERIANS) == *" sortilena"* ]] || fail "the player's copy is not read"

# Editors started together on the installed lists: the one that waited for the lock edits the copy
# the first one made, so no word is lost.
home2=$work/home2
mkdir "$home2"
words=(quixa quixe quixi quixo quixu)
for word in "${words[@]}"; do
    env -u XDG_DATA_HOME HOME="$home2" XDG_DATA_DIRS="$work/nowhere" "$bin/escartinol-lists" add "$word" >/dev/null &
done
wait
for word in "${words[@]}"; do
    grep -q "/$word" "$home2/.local/share/escartinol/lists/fr/DEF_5L.txt" || fail "$word was lost by an edit at the same time"
done

# The game answers --version without a display, and refuses a bad command line with status 2.
[[ $(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/escartinol" --version) == "escartinol "* ]] ||
    fail "escartinol --version"
for bad in "--lang xx" "--lists $work/nowhere" "--unknown"; do
    status=0
    # shellcheck disable=SC2086
    QT_QPA_PLATFORM=offscreen "$bin/escartinol" $bad 2>/dev/null || status=$?
    [[ $status -eq 2 ]] || fail "escartinol $bad exits with $status, not 2"
done
echo "installed tree checked"
