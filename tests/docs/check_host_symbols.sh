#!/bin/bash
# Compares the host symbols the built library leaves undefined with the list in the
# integration guide, so that the guide names exactly what a host must define.
#
# usage: check_host_symbols.sh LIBRARY GUIDE
#
# Both sides are compared in one spelling: thunks stand for their function, a vtable or
# typeinfo for its class ("class NAME"), std::string is written as such and ABI tags are
# dropped. The guide lists one symbol per line, "- `SYMBOL` ...", between the lines
# "<!-- host-symbols:begin -->" and "<!-- host-symbols:end -->".
set -euo pipefail

library="$1"
guide="$2"

normalize() {
    sed -E -e 's/std::__cxx11::basic_string<char, std::char_traits<char>, std::allocator<char> >/std::string/g' \
        -e 's/\[abi:cxx11\]//g' \
        -e 's/^(non-virtual |virtual )?thunk to //' \
        -e 's/^(vtable|typeinfo|typeinfo name|VTT) for (.*)$/class \2/' | LC_ALL=C sort -u
}

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Symbols with a version (name@VERSION) come from Qt, the C++ runtime or the C library.
nm -uC "$library" | sed -n -E 's/^ *U //p' | grep -v '@' \
    | grep -E '^(Vex|kestrix::|(vtable|typeinfo|typeinfo name|VTT) for kestrix::|(non-virtual |virtual )?thunk to kestrix::)' \
    | normalize >"$work/library"

sed -n '/<!-- host-symbols:begin -->/,/<!-- host-symbols:end -->/p' "$guide" \
    | sed -n -E 's/^- `([^`]+)`.*$/\1/p' | normalize >"$work/guide"

if [ ! -s "$work/guide" ]; then
    echo "No host symbols found between the markers in $guide." >&2
    exit 1
fi

undocumented="$(LC_ALL=C comm -23 "$work/library" "$work/guide")"
stale="$(LC_ALL=C comm -13 "$work/library" "$work/guide")"
if [ -n "$undocumented" ]; then
    echo "The library needs host symbols that $guide does not list:"
    echo "$undocumented" | sed 's/^/    /'
fi
if [ -n "$stale" ]; then
    echo "$guide lists host symbols that the library no longer needs:"
    echo "$stale" | sed 's/^/    /'
fi
if [ -n "$undocumented" ] || [ -n "$stale" ]; then
    exit 1
fi
echo "$(wc -l <"$work/library") host symbols, all listed in $guide."
