#!/usr/bin/env bash
# Writes the address lists in fuzz/corpus/import: every line-break rule, byte-order mark and
# encoding kind the importer tells apart, and lines that are and are not dotted addresses.
# Usage: fuzz/make-import-seeds.sh FOLDER
set -euo pipefail
dir=${1:?usage: fuzz/make-import-seeds.sh FOLDER}
mkdir -p "$dir"
utf16le() { iconv -f UTF-8 -t UTF-16LE; }
utf16be() { iconv -f UTF-8 -t UTF-16BE; }

printf '1.1.1.1\r\n8.8.8.8\r\n\r\n1.1.1.1\r\n' >"$dir/crlf"
printf '1.2.3.4\n\n\n 010.001.002.003 \n\t9.9.9.9\t\n255.255.255.255' >"$dir/lf"
printf '1.2.3.4\r\r5.6.7.8\r' >"$dir/cr"
printf '\xEF\xBB\xBF1.2.3.4\r\n中文地址\r\n' >"$dir/utf8-bom"
printf 'hello\r\nabc.def.ghi.jkl\r\n1.2.3.4#comment\r\n240e::1\r\n999.1.1.1\r\n1.2.3.-4\r\n1.2.3\r\n1.2.3.4.5\r\n' >"$dir/not-addresses"
{ printf '\xFF\xFE'; printf '1.2.3.4\r\n8.8.8.8\r\n北京\r\n' | utf16le; } >"$dir/utf16le-bom"
{ printf '\xFE\xFF'; printf '1.2.3.4\r\n8.8.8.8\r\n' | utf16be; } >"$dir/utf16be-bom"
printf '10.0.0.1\r\n10.0.0.2\r\n10.0.0.3\r\n' | utf16le >"$dir/utf16le"
printf '10.0.0.1\n10.0.0.2\n10.0.0.3\n' | utf16be >"$dir/utf16be"
printf '\xD6\xD0\xCE\xC4 1.2.3.4\r\n\xB1\xB1\xBE\xA9\r\n' >"$dir/ansi"
printf '1.2.3.4\x00junk\r\n5.6.7.8\r\n\x00\x00\x00' >"$dir/nul"
printf '\xC3\x28\xE2\x82\r\n\xF0\x9F\x98\x80 2.2.2.2\r\n' >"$dir/bad-utf8"
{ printf '\xFF\xFE'; printf '\x00\xD8\x41\x00\r\x00\n\x00\x00\xDC'; } >"$dir/utf16-lone-surrogates"
