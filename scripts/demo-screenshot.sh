#!/usr/bin/env bash
# Makes the pictures of the demo that the README shows: runs the demo into a
# scratch directory, opens its day report or its board in headless Chromium
# and saves a screenshot; for the report it then checks that every colour of
# the legend is in it.
#
#   bash scripts/demo-screenshot.sh report|board [BINARY] [PNG]
#
# BINARY defaults to build/bdemorvelt, PNG to doc/report-demo-day.png or
# doc/board.png.
set -euo pipefail

repo_root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
which_page="${1:-}"
case "$which_page" in
  report) line='The day.s picture and figures: ' size=1320,1250 default_png=doc/report-demo-day.png ;;
  board) line='The shop floor at the end of the day: ' size=1320,280 default_png=doc/board.png ;;
  *) echo "usage: demo-screenshot.sh report|board [BINARY] [PNG]" >&2; exit 2 ;;
esac
binary="$(realpath "${2:-$repo_root/build/bdemorvelt}")"
png="$(realpath -m "${3:-$repo_root/$default_png}")"
chromium="${CHROMIUM:-/usr/bin/chromium}"

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
BDEMORVELT_IPC_DIR="$scratch" "$binary" demo "$scratch/demo" >"$scratch/demo.txt"
page="$(sed -n "s/^$line//p" "$scratch/demo.txt")"
[[ -f "$page" ]] || { echo "no $which_page in the demo's output" >&2; exit 1; }

"$chromium" --headless --no-sandbox --disable-gpu --user-data-dir="$scratch/chromium" --hide-scrollbars --window-size="$size" \
  --screenshot="$png" "file://$page" >/dev/null 2>&1
echo "$png"
[[ "$which_page" == report ]] || exit 0

# Every legend colour of the palette is on the picture.
python3 - "$png" "$repo_root/src/app/html/state_style.h" <<'PY'
import re, struct, sys, zlib

def pixels(path):
    data = open(path, 'rb').read()
    pos, chunks, head = 8, [], None
    while pos < len(data):
        size, kind = struct.unpack('>I4s', data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + size]
        if kind == b'IHDR': head = struct.unpack('>IIBBBBB', body)
        if kind == b'IDAT': chunks.append(body)
        pos += 12 + size
    width, height, depth, colour = head[:4]
    assert depth == 8 and colour in (2, 6), 'unexpected PNG format'
    step = 3 if colour == 2 else 4
    raw, stride = zlib.decompress(b''.join(chunks)), width * step
    prev, seen = bytearray(stride), set()
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for i in range(stride):
            a = line[i - step] if i >= step else 0
            b, c = prev[i], prev[i - step] if i >= step else 0
            if kind == 1: line[i] = (line[i] + a) & 255
            elif kind == 2: line[i] = (line[i] + b) & 255
            elif kind == 3: line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        seen.update(bytes(line[i:i + 3]) for i in range(0, stride, step))
        prev = line
    return seen

seen = pixels(sys.argv[1])
palette = re.findall(r'k(\w+)\{"(\w+)", "[^"]*", "#([0-9a-f]{6})"\}', open(sys.argv[2]).read())
missing = [key for name, key, hex_ in palette if key != 'idle' and bytes.fromhex(hex_) not in seen]
if missing:
    sys.exit('colours missing from the picture: ' + ', '.join(missing))
PY
