#!/usr/bin/env bash
# Pictures of the start window, the help viewer, the list window, the registry windows, the sheets,
# the secondary-member sheet and the totals window under a real X server (Xvfb), at 100 % and 150 %
# scaling, two printouts with the print preview and the totals workbook's steel sheet at 100 %, for
# checking that every text is complete. Usage: tools/screenshots.sh <torvanel executable>
# Writes screenshots/*.png (git-ignored) and uses a fresh data folder, so no real data is touched.
set -euo pipefail

exe=$(realpath "${1:?usage: tools/screenshots.sh <torvanel executable>}")
out=screenshots
mkdir -p "$out"
data=$(mktemp -d)
trap 'rm -rf "$data"' EXIT

shoot() { # name scale [extra options]
    local name=$1 scale=$2
    shift 2
    # The screens the program must fit: a 1366×768 notebook at 100 %, a 1920×1080 one at 150 %;
    # `screen` set by the caller chooses another (a 1920×1080 desktop at 100 %).
    local screen=${screen:-1366x768}
    [ "$scale" = 1 ] || screen=1920x1080
    QT_SCALE_FACTOR=$scale xvfb-run -a -s "-screen 0 ${screen}x24" \
        "$exe" --data-root "${root:-$data/Torvanel}" --screenshot "$out/$name.png" "$@"
    echo "$out/$name.png"
}

# The installed sample project, so that the start window shows a project name and the lists have content.
"$exe" --data-root "$data/Torvanel" init >/dev/null 2>&1
"$exe" --data-root "$data/Torvanel" project open "$data/Torvanel/Data/サンプル物件.tkd" >/dev/null 2>&1
# A few column and beam entries for the sheets (CP932 with CR LF, as the program keeps its files).
here=$(dirname "$(realpath "$0")")
for n in 1 2; do
    iconv -f UTF-8 -t CP932 "$here/screenshot-data/WorkData-$n.ini" | sed 's/$/\r/' \
        >"$data/Torvanel/WorkData/WorkData-$n.ini"
done

# A few secondary members, so that the sheet shows every kind of cell (CP932 with CR LF, like the program).
printf '%s\r\n' \
    "ZZ03'胴縁'2'X1-X2通り'SS400'C形鋼'C-100×50×20×2.3'6.5*2'12'156.00''''''''塗装有'0.3'156'46.80" \
    "ZZ03'ブレース'2'Y1'SS400'丸鋼'φ16'8.2'4'32.80'H'T'2'6'0.1'8'0.80''''" \
    "ZZ03'床版'3'デッキ''''(12.5+0.3)*6'1'76.80''''''''''''" \
    "ZZ03'BOLT'2'ブレース用'F10T'M20'55''16'''''''''''''" \
    "ZZ03'雑-1'R'手摺'SS400'鋼管(丸)'○-114.3×3.5'24'1'24.00''''''''溶融亜鉛'0.36'24'8.64" |
    iconv -f UTF-8 -t CP932 >"$data/Torvanel/WorkData/WorkData-3.ini"

# A second data folder for the column dialog: floor-1 columns of every section kind entered through
# the dialog (C6, an H with two cut T, is added to the sample's column list).
cp -r "$data/Torvanel" "$data/Dialog"
printf '%s\r\n' "ZZLH'1'C6'H鋼'SN490B･H･500･200･10･16'SN490B･175･200･9･12'SN490B･175･200･9･12''" |
    iconv -f UTF-8 -t CP932 >>"$data/Dialog/List/HasiraListData.ini"
iconv -f UTF-8 -t CP932 "$here/screenshot-data/WorkData-1-dialog.ini" | sed 's/$/\r/' \
    >"$data/Dialog/WorkData/WorkData-1.ini"

shoot start-100 1
shoot start-150 1.5
shoot help-100 1 --open-help 0
shoot help-150 1.5 --open-help 0

for scale in 1 1.5; do
    pct=$([ "$scale" = 1 ] && echo 100 || echo 150)
    shoot "list-column-h-$pct" $scale --open-window list --click 柱 --click H鋼
    shoot "list-column-tube-$pct" $scale --open-window list --click 柱 --click "鋼管(角)"
    shoot "list-beam-$pct" $scale --open-window list --click 梁
    shoot "list-joint-$pct" $scale --open-window list --click ジョイント --click J1
    shoot "buzai-$pct" $scale --open-window buzai --click "   ▼" --click H鋼
    shoot "kansan-$pct" $scale --open-window kansan --click "   ▼" --click HT1
    shoot "kigou-$pct" $scale --open-window kigou
    shoot "settei-$pct" $scale --open-window settei
    shoot "column-sheet-$pct" $scale --open-window column-sheet
    shoot "beam-sheet-$pct" $scale --open-window beam-sheet
    shoot "secondary-$pct" $scale --open-window secondary
done

# The column dialog on an entry of each section kind (plain H, H with one and two cut T, square and
# round pipe), with the fourteen coating shapes below.
for scale in 1 1.5; do
    pct=$([ "$scale" = 1 ] && echo 100 || echo 150)
    for mark in C1 C3 C6 P1 P2; do
        root="$data/Dialog" shoot "column-dialog-$mark-$pct" $scale --open-window column-sheet \
            --click "$mark" --click 新規入力・修正
    done
done

# The beam dialog on an entry of each end kind: G1 with welded ends and a joint, B1 carried by girders
# with gussets and stiffeners (entries entered through the dialog on floor 2).
iconv -f UTF-8 -t CP932 "$here/screenshot-data/WorkData-2-dialog.ini" | sed 's/$/\r/' \
    >"$data/Dialog/WorkData/WorkData-2.ini"
for scale in 1 1.5; do
    pct=$([ "$scale" = 1 ] && echo 100 || echo 150)
    for mark in G1 B1; do
        root="$data/Dialog" shoot "beam-dialog-$mark-$pct" $scale --open-window beam-sheet \
            --click "$mark" --click 新規入力・修正
    done
done

# Both dialogs at 100 % on a 1920×1080 desktop, where they fit without scrolling: the column dialog
# on an H with two cut T, the beam dialog with welded ends and with plate connection.
screen=1920x1080 root="$data/Dialog" shoot column-dialog-C6-1080 1 --open-window column-sheet \
    --click C6 --click 新規入力・修正
for mark in G1 B1; do
    screen=1920x1080 root="$data/Dialog" shoot "beam-dialog-$mark-1080" 1 --open-window beam-sheet \
        --click "$mark" --click 新規入力・修正
done

# The totals window after a run, one picture per table: a few column, beam and secondary rows of the
# sample project (CP932 with CR LF, as the program keeps its files); the run's messages are answered.
for n in 1 2 3; do
    iconv -f UTF-8 -t CP932 "$here/screenshot-data/totals/WorkData-$n.ini" | sed 's/$/\r/' \
        >"$data/Torvanel/WorkData/WorkData-$n.ini"
done
tables=(鋼材 溶接 ボルト 塗装・耐火被覆 溶融亜鉛メッキ JOINTの数量)
names=(steel weld bolt coating galv joint)
for scale in 1 1.5; do
    pct=$([ "$scale" = 1 ] && echo 100 || echo 150)
    for i in "${!tables[@]}"; do
        shoot "syukei-${names[$i]}-$pct" $scale --open-window syukei --click 集計開始 --click OK --click OK --click OK \
            --click "${tables[$i]}"
    done
done

# Printouts as a client is handed them, at 100 %: the column sheet and the steel totals written by
# `print … --pdf` (the same pages as the windows' 印刷), and the preview that 印刷 shows first.
for what in column-sheet totals-steel; do
    # The totals report the sample's unregistered members with exit code 1 and still write the PDF.
    "$exe" --data-root "$data/Torvanel" print "$what" --pdf "$data/$what.pdf" >/dev/null 2>&1 ||
        [ -s "$data/$what.pdf" ]
    pdftoppm -png -r 100 -singlefile "$data/$what.pdf" "$out/print-$what-100"
    echo "$out/print-$what-100.png"
done
shoot print-preview-100 1 --open-window syukei --click 集計開始 --click OK --click OK --click OK --click 印刷 --click OK

# The steel sheet of the totals workbook (`totals --xlsx`) as LibreOffice Calc prints it: A4 landscape
# with the project name, the title and the page number. Only where Calc is installed
# (tools/libreoffice_check.sh installs it).
if command -v soffice >/dev/null; then
    "$exe" --data-root "$data/Torvanel" totals --xlsx "$data/totals.xlsx" >/dev/null 2>&1 ||
        [ -s "$data/totals.xlsx" ]
    (cd "$data" && soffice --headless -env:UserInstallation="file://$data/profile" \
        --convert-to pdf totals.xlsx >/dev/null 2>&1)
    pdftoppm -png -r 100 -f 1 -l 1 -singlefile "$data/totals.pdf" "$out/workbook-steel-100"
    echo "$out/workbook-steel-100.png"
fi
