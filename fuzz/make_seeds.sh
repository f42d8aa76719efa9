#!/usr/bin/env bash
# Writes the seed corpora fuzz/corpus/<harness>/ from scratch: a few small, hand-picked inputs
# a harness (a few KB each), cut from the example measurement or typed here, so fuzzing starts
# from inputs that reach deep into each parser instead of from nothing. Run it from anywhere;
# it replaces the corpus folders and leaves fuzz/regressions/ alone.
set -euo pipefail
cd "$(dirname "$0")"
rm -rf corpus
mkdir -p corpus/{line_syntax,reader,config,ref_path,command_line,drawing}
amp=../examples/demo_amp.txt
ref=../examples/demo_ref.txt

# line_syntax: a first byte below 16 is how many bytes less one the device hands out a read;
# any other reads at once.
{ printf '\377'; head -n 40 "$amp"; } > corpus/line_syntax/example-lines
{ printf '\002'; head -n 20 "$amp" | sed 's/$/\r/'; } > corpus/line_syntax/crlf-in-two-byte-reads
{ printf '\377'; printf '%0300d\n' 7; printf '%0253d\r\n' 1; } > corpus/line_syntax/pieces-at-the-limit
printf '\377-0 .5 5. 1-2 1.2.3 007 +4 45,5 - 1 --3\n' > corpus/line_syntax/number-shapes
printf '\377123456789012345678 0.1234567890123456789 9007199254740993\n' > corpus/line_syntax/long-digits
printf '\377No Angle\t1e5 \260 \303\244 [x]\0002\n' > corpus/line_syntax/separators-and-letters

# reader: the amplitude file, then optionally "@ref@" and the reference file.
head -n 60 "$amp" > corpus/reader/amplitude-only
{ head -n 30 "$amp"; printf '@ref@'; head -n 12 "$ref"; } > corpus/reader/pair
{ printf '1 2 3\r\n\n'; printf '@ref@Title line\n1 90 0 0 0 0 150 -20 -80 30\n'; } > corpus/reader/text-in-reference
printf 'Angle Amp\n1 2 3\n' > corpus/reader/refused-header

# config: a whole VELKView.cfg.
printf '/home/qa/runs/bearing_0815_amp.txt' > corpus/config/path
printf '/m/a_amp.txt\r\n/m/b_amp.txt\r\n' > corpus/config/crlf-lines
printf '/m/y_amp.txt\000rest' > corpus/config/nul-ends
printf '/m/Pr\303\274fung 3_amp.txt' > corpus/config/utf8
printf '%0600d' 0 > corpus/config/longer-than-511

# ref_path: the first byte's lowest bit picks UTF-16 (1) or UTF-8 (0) for the rest.
printf '\000/data/run_amp.txt.old/b_amp.txt' > corpus/ref_path/suffix-in-directory
printf '\000C:\\runs\\a_amp.txt' > corpus/ref_path/backslashes
printf '\000/x/B_AMP.TXT' > corpus/ref_path/capitals
printf '\001/\000a\000_\000a\000m\000p\000.\000t\000x\000t\000' > corpus/ref_path/utf16

# command_line: arguments separated by NUL bytes.
printf -- '--chart\000o.png\000--size\000800x600\000a_amp.txt' > corpus/command_line/chart
printf -- '--report\000r.pdf\000--remark\000one\000--bearing-type\0006204\000--language\000de\000a_amp.txt' > corpus/command_line/report
printf -- '--dump\000a_amp.txt' > corpus/command_line/dump
printf -- '--chart=o.SVG\000--size=16384x1\000-' > corpus/command_line/option-forms

# drawing: four 16-bit numbers (amplitude count, reference count, client width, height; the
# top bit of the first byte draws on an image), then doubles repeated into every series.
python3 - <<'PY'
import struct
def seed(name, amp, ref, width, height, values):
    with open('corpus/drawing/' + name, 'wb') as out:
        out.write(struct.pack('<4H', amp, ref, width, height))
        out.write(b''.join(struct.pack('<d', v) for v in values))
seed('example-sizes', 720, 24, 1280, 1000, [0, 45.5, 80.2, 81.0, 150, -20, -80, 30])
seed('on-image', 0x80 + 300, 40, 640, 480, [10, 60, 70, 1e3, -1e3])
seed('extremes', 8191, 511, 1280, 1000, [float('nan'), float('inf'), -float('inf'), 1.7976931348623157e308, -5e-324, -0.0])
seed('tiny-area', 2, 2, 1, 1, [360, 120])
PY
