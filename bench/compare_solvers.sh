#!/usr/bin/env bash
# Times escartinol-solve as a whole process against wordplay and an on the same draws and words,
# and checks that the three find the same words.
set -euo pipefail

usage="usage: compare_solvers.sh --solve PROGRAM --lists DIR --words WORDFILE --draws FILE --work DIR [--rounds N]"
solve="" lists="" words="" draws="" work="" rounds=3
while [[ $# -gt 0 ]]; do
    case "$1" in
        --solve) solve=$2 ;;
        --lists) lists=$2 ;;
        --words) words=$2 ;;
        --draws) draws=$2 ;;
        --work) work=$2 ;;
        --rounds) rounds=$2 ;;
        *) echo "$usage" >&2; exit 2 ;;
    esac
    shift 2
done
[[ -n "$solve" && -n "$lists" && -n "$words" && -n "$draws" && -n "$work" ]] || { echo "$usage" >&2; exit 2; }

# Debian puts both in /usr/games, which is not always on the PATH.
find_tool() { command -v "$1" 2>/dev/null || { [[ -x /usr/games/$1 ]] && echo "/usr/games/$1"; } || true; }
wordplay=$(find_tool wordplay)
an=$(find_tool an)
[[ -n "$wordplay" && -n "$an" ]] || { echo "compare_solvers.sh: wordplay and an are needed" >&2; exit 1; }

export LC_ALL=C.UTF-8
mkdir -p "$work"
# The other two know no accents: they get the same words with accents removed, as game keys do.
fold_accents() { sed -e 'y/àáâãäåçèéêëìíîïñòóôõöøùúûüýÿšž/aaaaaaceeeeiiiinoooooouuuuyysz/' -e 's/œ/oe/g; s/æ/ae/g'; }
ascii="$work/words-ascii.txt"
fold_accents < "$words" > "$ascii"

mapfile -t letters < <(grep -E '^[A-Z]{9}$' "$draws")
[[ ${#letters[@]} -gt 0 ]] || { echo "compare_solvers.sh: no draws of nine capitals in $draws" >&2; exit 2; }

now_us() { echo "${EPOCHREALTIME/./}"; }  # no fork, so the clock costs nothing next to a process
declare -A took=([solve]=0 [wordplay]=0 [an]=0)
run_timed() {  # name output command...
    local name=$1 output=$2
    shift 2
    local start end
    start=$(now_us)
    "$@" > "$output"
    end=$(now_us)
    took[$name]=$((took[$name] + end - start))
}

# Rounds interleave the three tools draw by draw, so a busy moment of the machine hits all of them.
for ((round = 1; round <= rounds; round++)); do
    for i in "${!letters[@]}"; do
        l=${letters[$i]}
        run_timed solve "$work/solve-$i.txt" "$solve" --lists "$lists" "$l"
        run_timed wordplay "$work/wordplay-$i.txt" "$wordplay" "$l" -lsx -n4 -m9 -f "$ascii"
        run_timed an "$work/an-$i.txt" "$an" -w -m 4 -d "$ascii" "$l"
    done
done

# Single words of 4..9 letters, lower case, accents removed, once each.
word_set() { tr 'A-Z' 'a-z' | fold_accents | grep -E '^[a-z]{4,9}$' | sort -u || true; }
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

draws_run=$((${#letters[@]} * rounds))
per_draw_ms() { awk -v us="$1" -v n="$draws_run" 'BEGIN { printf "%.2f", us / n / 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
echo
echo "4. Solvers ${#letters[@]} draws x $rounds rounds, whole processes (load + one search), $(wc -l < "$words") words:"
echo "   escartinol-solve $(per_draw_ms "${took[solve]}") ms a draw | wordplay $(per_draw_ms "${took[wordplay]}") ms" \
    "($(ratio "${took[wordplay]}" "${took[solve]}")x slower) | an $(per_draw_ms "${took[an]}") ms" \
    "($(ratio "${took[an]}" "${took[solve]}")x slower) | goal >= 10x: $(
        awk -v s="${took[solve]}" -v w="${took[wordplay]}" -v a="${took[an]}" \
            'BEGIN { print (w >= 10 * s && a >= 10 * s) ? "met" : "MISSED" }')"
echo "   words: $agreeing of ${#letters[@]} draws give the same words in all three, compared on the lengths escartinol"
echo "   shows; an and wordplay also list $unshown words of shorter lengths, which escartinol leaves out by design"
echo "   (it shows the three longest lengths that have words)"
