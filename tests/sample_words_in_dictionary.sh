#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The words a pupil is taught, held to Debian's Russian dictionary (hunspell-ru): every word of
# the sample lists (variants-sample.txt) and of the built-in "Вариант 1" (the tests' own table)
# must be in it, and the same word with н and нн swapped must not. The sample's lists are read
# here with awk, apart from the program's reader: three lists of twenty words, no word twice, none
# from "Вариант 1", both spellings in every list, each caption no longer than 13 letters.
# Usage: sample_words_in_dictionary.sh <variants-sample.txt> <VariantOneWords.h>
set -euo pipefail
export LC_ALL=C.UTF-8
sample=${1:?sample file}
variant_one=${2:?VariantOneWords.h}
fail() {
    echo "dictionary: $*" >&2
    exit 1
}
[ -f /usr/share/hunspell/ru_RU.dic ] && command -v hunspell >/dev/null ||
    fail "hunspell and hunspell-ru are not installed (scripts/install-deps installs them)"

# "caption code word" per line: the sample's word lines, then Вариант 1's table rows.
words=$(awk '
    function letters(s) { gsub(/[\200-\277]/, "", s); return length(s) } # UTF-8 lead bytes
    /^[[:space:]]*(#|$)/ { next }
    /^[[:space:]]*Вариант [234][[:space:]]*$/ { list = $2; lists++; next }
    { w = $1; full = w; caption = w
      n = sub(/\[нн\]/, "_", caption) + sub(/\[н\]/, "_", caption); gsub(/[][]/, "", full)
      rest = full; gsub(/а|б|в|г|д|е|ё|ж|з|и|й|к|л|м|н|о|п|р|с|т|у|ф|х|ц|ч|ш|щ|ъ|ы|ь|э|ю|я|-/, "", rest)
      if (NF != 1 || n != 1 || rest != "" || caption ~ /[][]/ || list == "") {
          print "not a word line: " $0 > "/dev/stderr"; exit 1 }
      if (letters(caption) > 13) { print "caption longer than 13 letters: " w > "/dev/stderr"; exit 1 }
      code = w ~ /\[нн\]/ ? "nn" : "n"; count[list]++; codes[list, code]++
      print caption, code, full }
    END { if (lists != 3) { print "not three lists" > "/dev/stderr"; exit 1 }
          for (l in count) if (count[l] != 20 || codes[l, "n"] < 7 || codes[l, "nn"] < 7) {
              print "Вариант " l ": " count[l] " words, " codes[l, "n"] " with н" > "/dev/stderr"; exit 1 } }
' "$sample") || fail "$sample is not three lists of twenty words with both spellings"
builtin=$(sed -n 's/^ *{"\([^"]*\)", *"\(nn\?\)", *"\([^"]*\)"}.*/\1 \2 \3/p' "$variant_one")
[ "$(wc -l <<<"$words")" = 60 ] && [ "$(wc -l <<<"$builtin")" = 20 ] || fail "word count"
repeated=$(cut -d' ' -f3 <<<"$words"$'\n'"$builtin" | sort | uniq -d)
[ -z "$repeated" ] || fail "in the sample twice or also in Вариант 1: $repeated"

all=$words$'\n'$builtin
unknown=$(cut -d' ' -f3 <<<"$all" | hunspell -d ru_RU -l)
[ -z "$unknown" ] || fail "not in the dictionary: $unknown"
swapped=$(awk '{ s = $1; sub(/_/, $2 == "n" ? "нн" : "н", s); print s }' <<<"$all")
known=$(hunspell -d ru_RU -G <<<"$swapped")
[ -z "$known" ] || fail "with н and нн swapped, still in the dictionary: $known"
echo "dictionary: $(wc -l <<<"$all") words known, none of them with н and нн swapped"
