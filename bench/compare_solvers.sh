#!/usr/bin/env bash
# Times escartinol-solve as a whole process against wordplay and an on the same draws and the same
# words, and checks that the three find the same words.
set -euo pipefail

usage="usage: compare_solvers.sh --solve PROGRAM --lists DIR --draws FILE --work DIR [--runs N] [--name NAME]"
solve="" lists="" draws="" work="" runs=5 name=""
while [[ $# -gt 0 ]]; do
    case "$1" in
        --solve) solve=$2 ;;
        --lists) lists=$2 ;;
        --draws) draws=$2 ;;
        --work) work=$2 ;;
        --runs) runs=$2 ;;
        --name) name=$2 ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
    shift 2
done
[[ -n "$solve" && -n "$lists" && -n "$draws" && -n "$work" ]] || { echo "$usage" >&2; exit 2; }
name=${name:-$lists}

# Debian puts both in /usr/games, which is not always on the PATH.
find_tool() { command -v "$1" 2>/dev/null || { [[ -x /usr/games/$1 ]] && echo "/usr/games/$1"; } || true; }
wordplay=$(find_tool wordplay)
an=$(find_tool an)
[[ -n "$wordplay" && -n "$an" ]] && command -v hyperfine >/dev/null ||
    { echo "compare_solvers.sh: wordplay, an and hyperfine are needed" >&2; exit 1; }
# The program, not the shell's builtin of that name.
true_program=$(type -P true)

export LC_ALL=C.UTF-8
mkdir -p "$work"
# The other two know no accents: they get the words of the lists with accents removed, as game keys
# do, and only those of 4 to 9 letters, once each.
fold_accents() { sed -e 'y/àáâãäåçèéêëìíîïñòóôõöøùúûüýÿšž/aaaaaaceeeeiiiinoooooouuuuyysz/' -e 's/œ/oe/g; s/æ/ae/g'; }
word_set() { tr 'A-Z' 'a-z' | fold_accents | grep -E '^[a-z]{4,9}$' | sort -u || true; }
ascii="$work/words-ascii.txt"
for n in 9 8 7 6 5 4; do iconv -f CP1252 -t UTF-8 "$lists/DEF_${n}L.txt"; done | tr -d '\r' | cut -d/ -f2- |
    tr '/' '\n' | word_set > "$ascii"

mapfile -t letters < <(grep -E '^[A-Z]{9}$' "$draws")
[[ ${#letters[@]} -gt 0 ]] || { echo "compare_solvers.sh: no draws of nine capitals in $draws" >&2; exit 2; }

# Each draw: one run of each tool for its words, then hyperfine times the four in turn (a process that
# does nothing among them, to show what starting one costs here), so that a busy moment of the
# machine hits all of them. hyperfine starts each program itself, with no shell between.
for i in "${!letters[@]}"; do
    l=${letters[$i]}
    "$solve" --lists "$lists" "$l" > "$work/solve-$i.txt"
    "$wordplay" "$l" -lsx -n4 -m9 -f "$ascii" > "$work/wordplay-$i.txt"
    "$an" -w -m 4 -d "$ascii" "$l" > "$work/an-$i.txt"
    hyperfine -N --style none --warmup 1 --runs "$runs" --export-csv "$work/times-$i.csv" \
        -n solve "$(printf '%q ' "$solve" --lists "$lists" "$l")" \
        -n wordplay "$(printf '%q ' "$wordplay" "$l" -lsx -n4 -m9 -f "$ascii")" \
        -n an "$(printf '%q ' "$an" -w -m 4 -d "$ascii" "$l")" \
        -n true "$(printf '%q' "$true_program")" > /dev/null 2> "$work/hyperfine-$i.log" ||
        { cat "$work/hyperfine-$i.log" >&2; exit 1; }
done

# escartinol-solve prints a word text per row shown, e.g. "7 LETRAS:  word  word  ".
solve_words() { grep -E '^[4-9] LETRAS:' "$1" | sed -E 's/^[4-9] LETRAS://' | tr -s ' ' '\n' | word_set; }
shown_lengths() { grep -oE '^[4-9] LETRAS:' "$1" | cut -c1 | tr -d '\n'; }

agreeing=0
unshown=0
echo
echo "Words found per draw (escartinol shows the three longest lengths that have words; the others are"
echo "compared on those lengths)"
printf '%-10s %-8s %7s %9s %7s  %s\n' letters lengths solve wordplay an agreement
for i in "${!letters[@]}"; do
    lengths=$(shown_lengths "$work/solve-$i.txt")
    solve_words "$work/solve-$i.txt" > "$work/set-solve-$i.txt"
    : > "$work/set-wordplay-$i.txt"
    : > "$work/set-an-$i.txt"
    if [[ -n "$lengths" ]]; then
        word_set < "$work/wordplay-$i.txt" | awk -v l="$lengths" 'index(l, length($0))' > "$work/set-wordplay-$i.txt"
        word_set < "$work/an-$i.txt" | awk -v l="$lengths" 'index(l, length($0))' > "$work/set-an-$i.txt"
    fi
    unshown=$((unshown + $(word_set < "$work/an-$i.txt" | awk -v l="$lengths" '!index(l, length($0))' | wc -l)))
    verdict="same words"
    for other in wordplay an; do
        if ! cmp -s "$work/set-solve-$i.txt" "$work/set-$other-$i.txt"; then
            only_solve=$(comm -23 "$work/set-solve-$i.txt" "$work/set-$other-$i.txt" | head -3 | tr '\n' ' ')
            only_other=$(comm -13 "$work/set-solve-$i.txt" "$work/set-$other-$i.txt" | head -3 | tr '\n' ' ')
            verdict="differs from $other: only escartinol [${only_solve% }] only $other [${only_other% }]"
            break
        fi
    done
    [[ "$verdict" == "same words" ]] && agreeing=$((agreeing + 1))
    printf '%-10s %-8s %7d %9d %7d  %s\n' "${letters[$i]}" "${lengths:--}" "$(wc -l < "$work/set-solve-$i.txt")" \
        "$(wc -l < "$work/set-wordplay-$i.txt")" "$(wc -l < "$work/set-an-$i.txt")" "$verdict"
done

# Per tool, the median over the draws of each draw's median run, in milliseconds: a busy moment of a
# shared machine moves medians less than means.
median_ms() {
    awk -F, -v tool="$1" '$1 == tool { print $4 }' "$work"/times-*.csv | sort -g |
        awk '{ v[NR] = $1 } END { printf "%.2f", v[int((NR + 1) / 2)] * 1000 }'
}
solve_ms=$(median_ms solve) wordplay_ms=$(median_ms wordplay) an_ms=$(median_ms an) true_ms=$(median_ms true)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
echo
echo "4. Solvers on the $name lists, ${#letters[@]} draws x $runs runs timed by hyperfine, whole processes, medians;" \
    "$(wc -l < "$ascii") words of 4 to 9 letters, accents removed, given to wordplay and an:"
echo "   escartinol-solve $solve_ms ms a draw | wordplay $wordplay_ms ms ($(ratio "$wordplay_ms" "$solve_ms")x slower)" \
    "| an $an_ms ms ($(ratio "$an_ms" "$solve_ms")x slower) | goal >= 10x: $(
        awk -v s="$solve_ms" -v w="$wordplay_ms" -v a="$an_ms" 'BEGIN { print (w >= 10 * s && a >= 10 * s) ? "met" : "MISSED" }')"
echo "   a process that does nothing (true) takes $true_ms ms, started the same way"
echo "   words: $agreeing of ${#letters[@]} draws give the same words in all three, compared on the lengths escartinol"
echo "   shows; an and wordplay also list $unshown words of shorter lengths, which escartinol leaves out by design"
echo "   (it shows the three longest lengths that have words)"
