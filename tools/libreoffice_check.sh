#!/usr/bin/env bash
# Checks that the text "Excelに送る" puts on the clipboard opens in a spreadsheet one cell per value,
# with numbers as numbers: runs the totals on the sample project with a few sheet rows, writes each
# table's clipboard text (TAB between cells, CR between rows) to a file, imports it into LibreOffice
# Calc headless with the TAB-separated text import, and compares every cell. Then opens the workbook
# of `totals --xlsx` in Calc and compares every sheet with its table's clipboard text, cell for cell
# as Calc shows it (numbers formatted by the cells' number formats).
# Usage: tools/libreoffice_check.sh <torvanel executable>. Installs libreoffice-calc-nogui when
# LibreOffice is missing (it is large and only this check needs it, so the setup does not install it).
set -euo pipefail

exe=$(realpath "${1:?usage: tools/libreoffice_check.sh <torvanel executable>}")
here=$(dirname "$(realpath "$0")")
if ! command -v soffice >/dev/null; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends libreoffice-calc-nogui
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root="$work/Torvanel"

"$exe" --data-root "$root" init >/dev/null 2>&1
"$exe" --data-root "$root" project open "$root/Data/サンプル物件.tkd" >/dev/null 2>&1
for n in 1 2 3; do
    iconv -f UTF-8 -t CP932 "$here/screenshot-data/totals/WorkData-$n.ini" | sed 's/$/\r/' \
        >"$root/WorkData/WorkData-$n.ini"
done

status=0
for name in steel weld bolt coating galv joint; do
    # The command line writes one row per line; the clipboard joins the rows with CR, no line at the end.
    "$exe" --data-root "$root" totals --table "$name" 2>/dev/null >"$work/$name.lines" || [ $? -eq 1 ]
    python3 -c 'import sys; t=open(sys.argv[1],encoding="utf-8").read(); open(sys.argv[2],"w",encoding="utf-8",newline="").write(t.rstrip("\n").replace("\n","\r"))' \
        "$work/$name.lines" "$work/$name.txt"
    # Text import: TAB separated (9), no text delimiter, UTF-8 (76), from line 1, standard columns, Japanese.
    (cd "$work" && soffice --headless -env:UserInstallation="file://$work/profile" \
        --infilter="Text - txt - csv (StarCalc):9,,76,1,,1041" --convert-to fods "$name.txt" >/dev/null 2>&1)
    python3 - "$work/$name.txt" "$work/$name.fods" "$name" <<'PY' || status=1
import re, sys
import xml.etree.ElementTree as ET

text, fods, name = sys.argv[1:]
rows = open(text, encoding="utf-8", newline="").read().split("\r")
ns = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
      "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
      "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0"}
T, O = "{%s}" % ns["table"], "{%s}" % ns["office"]
sheet = ET.parse(fods).getroot().find(".//table:table", ns)
imported = []
for row in sheet.findall("table:table-row", ns):
    cells = []
    for cell in row.findall("table:table-cell", ns):
        repeat = int(cell.get(T + "number-columns-repeated", "1"))
        shown = "".join("".join(p.itertext()) for p in cell.findall("text:p", ns))
        cells += [(shown, cell.get(O + "value-type"), cell.get(O + "value"))] * repeat
    imported += [cells] * int(row.get(T + "number-rows-repeated", "1"))
number = re.compile(r"^-?\d+(\.\d+)?$")
problems, numbers = [], 0
for r, line in enumerate(rows):
    expected = line.split("\t")
    got = imported[r] if r < len(imported) else []
    for c, value in enumerate(expected):
        shown, kind, stored = got[c] if c < len(got) else ("", None, None)
        if number.match(value):
            numbers += 1
            if kind != "float" or float(stored) != float(value):
                problems.append(f"row {r + 1} column {c + 1}: {value!r} imported as {kind} {stored!r}")
        elif value and shown != value:
            problems.append(f"row {r + 1} column {c + 1}: {value!r} imported as {shown!r}")
    if any(s for s, _, _ in got[len(expected):]):
        problems.append(f"row {r + 1}: more cells than values")
print(f"{name}: {len(rows)} rows, {numbers} numbers, " + ("ok" if not problems else "; ".join(problems[:5])))
sys.exit(1 if problems else 0)
PY
done

# The workbook: Calc converts it only when it can read the package; each sheet is named as the window
# names its table and shows that table's clipboard text.
"$exe" --data-root "$root" totals --xlsx "$work/totals.xlsx" 2>/dev/null || [ $? -eq 1 ]
(cd "$work" && soffice --headless -env:UserInstallation="file://$work/profile" \
    --convert-to fods totals.xlsx >/dev/null 2>&1)
python3 - "$work" <<'PY' || status=1
import os, sys
import xml.etree.ElementTree as ET

work = sys.argv[1]
ns = {"table": "urn:oasis:names:tc:opendocument:xmlns:table:1.0",
      "office": "urn:oasis:names:tc:opendocument:xmlns:office:1.0",
      "text": "urn:oasis:names:tc:opendocument:xmlns:text:1.0"}
T, O = "{%s}" % ns["table"], "{%s}" % ns["office"]
if not os.path.exists(f"{work}/totals.fods"):
    print("workbook: LibreOffice could not open it")
    sys.exit(1)
sheets = {s.get(T + "name"): s for s in ET.parse(f"{work}/totals.fods").getroot().iter(T + "table")}
captions = {"steel": "鋼材", "weld": "溶接", "bolt": "ボルト", "coating": "塗装・耐火被覆",
            "galv": "溶融亜鉛メッキ", "joint": "JOINTの数量"}
failed = False
for name, caption in captions.items():
    rows = open(f"{work}/{name}.txt", encoding="utf-8", newline="").read().split("\r")
    sheet = sheets.get(caption)
    if sheet is None:
        print(f"workbook: no sheet {caption}")
        failed = True
        continue
    shown = []
    for row in sheet.iter(T + "table-row"):
        cells = []
        for cell in row.findall("table:table-cell", ns):
            text = "".join("".join(p.itertext()) for p in cell.findall("text:p", ns))
            cells += [(text, cell.get(O + "value-type"))] * int(cell.get(T + "number-columns-repeated", "1"))
        shown += [cells] * min(int(row.get(T + "number-rows-repeated", "1")), len(rows))
    problems, numbers = [], 0
    for r, line in enumerate(rows):
        got = shown[r] if r < len(shown) else []
        for c, value in enumerate(line.split("\t")):
            text, kind = got[c] if c < len(got) else ("", None)
            numbers += kind == "float"
            if text != value:
                problems.append(f"row {r + 1} column {c + 1}: {value!r} shown as {text!r}")
    if numbers == 0 and len(rows) > 1:
        problems.append("no numeric cell")
    print(f"workbook {caption}: {len(rows)} rows, {numbers} numbers, " + ("ok" if not problems else "; ".join(problems[:5])))
    failed = failed or bool(problems)
sys.exit(1 if failed else 0)
PY
exit $status
