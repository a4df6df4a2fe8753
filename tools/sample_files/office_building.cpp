// The office building: grid X1–X4 at 6 m, Y1–Y3 at 7 m; floors 1 and 2 of 4.0 m and 3.8 m.
// Square-tube columns with through diaphragms; girders G1 (along X, 6 m) and G2 (along Y, 7 m)
// welded to the columns and spliced on site; small beams B1 at mid-bay on gussets to G2; floor
// decks, ALC support angles, roof braces with their bolts on the secondary sheet.
#include "sample_files/office_building.h"

#include "beam_input/beam_entry_dialog.h"
#include "beam_input/plate_columns.h"
#include "column_input/column_entry_dialog.h"
#include "lists/list_form.h"
#include "secondary/zatu_inp_form.h"
#include "sheets/sheet_form.h"
#include "sheets/sheet_layout.h"
#include "state/input_dialog_state.h"

#include <algorithm>
#include <functional>
#include <map>

namespace tv::samples {

namespace {

using namespace Qt::StringLiterals;
using beam_input::HariInpForm;
using column_input::HasiraInpForm;
using services::CellOffer;

// The script answers no question: a message means an input the script got wrong.
class NoMessages : public services::Prompter {
public:
    QStringList messages;
    services::PromptAnswer ask(const QString& text, const QString&, services::PromptButtons) override {
        messages.append(text);
        return services::PromptAnswer::Cancel;
    }
};

class NoWindows : public services::WindowOpener {
public:
    bool open(services::WindowId) override { return false; }
};

class NoPrinter : public services::PrinterPort {
public:
    services::Status print(const services::PrintDocument&) override {
        return services::Status::failure(u"印刷しません。"_s);
    }
};

// What went wrong first; later failures are left out.
class Failures {
public:
    void check(bool ok, const QString& what) {
        if (!ok && m_first.isEmpty())
            m_first = what;
    }
    const QString& first() const { return m_first; }

private:
    QString m_first;
};

// The member lists as the estimator registers them in リスト登録, saved by 終了.
void registerLists(const shell::DataRoot& root, NoMessages& prompter, Failures& failures) {
    lists::MemberLists registered;
    lists::ListForm form(root, registered, prompter);
    failures.check(form.open(), u"リスト登録を開けません。"_s);
    const auto fields = [&](const std::map<int, QString>& texts, bool beam) {
        for (const auto& [index, text] : texts)
            failures.check(beam ? form.setHariInpTx(index, text) : form.setInpTx(index, text),
                           u"リスト登録 %1「%2」"_s.arg(beam ? lists::ListForm::beamFieldName(index)
                                                             : lists::ListForm::columnFieldName(index),
                                                        text));
        form.registerEntry();
    };
    // Columns: □-300×300×12 on the perimeter, □-300×300×16 inside, on both floors (B, D, t).
    form.selectCategory(lists::ListCategory::Hasira);
    form.selectShape(lists::ColumnShape::SquareTube);
    for (const QString& floor : {u"1"_s, u"2"_s}) {
        for (const auto& [mark, t] : {std::pair{u"C1"_s, u"12"_s}, std::pair{u"C2"_s, u"16"_s}})
            fields({{0, floor}, {1, mark}, {18, u"BCR295"_s}, {19, u"300"_s}, {20, u"300"_s}, {21, t}},
                   false);
    }
    // Girders of floors 2 and R, and the small beam, with their centre sections.
    form.selectCategory(lists::ListCategory::Hari);
    const auto beam = [&](const QString& floor, const QString& mark, const QStringList& centre) {
        std::map<int, QString> texts{{1, mark}};
        if (!floor.isEmpty())
            texts[0] = floor;
        for (int part = 0; part < centre.size(); ++part)
            texts[2 + part] = centre[part];
        fields(texts, true);
    };
    for (const QString& floor : {u"2"_s, u"R"_s}) {
        beam(floor, u"G1"_s, {u"SN400B"_s, u"H"_s, u"450"_s, u"200"_s, u"9"_s, u"14"_s});
        beam(floor, u"G2"_s, {u"SN490B"_s, u"H"_s, u"500"_s, u"200"_s, u"10"_s, u"16"_s});
    }
    form.selectBeamKind(lists::BeamKind::Secondary);
    beam({}, u"B1"_s, {u"SS400"_s, u"H"_s, u"300"_s, u"150"_s, u"6.5"_s, u"9"_s});
    // Girder splices, one location each: flange plates outside (2) and inside (4) with the bolts
    // of both flanges, web plates on both sides.
    form.selectCategory(lists::ListCategory::Joint);
    const auto joint = [&](const QString& mark, const QString& webDepth, const QString& webBolts) {
        failures.check(form.setJointInpTx(mark), u"リスト登録 継手符号"_s);
        const int first = lists::ListForm::kJointGridHeaderRows;
        const QList<std::pair<int, QStringList>> lines{
            {first, {u"SN490B"_s, u"12"_s, u"200"_s, u"410"_s, u"2"_s, u"HTB-F10T"_s, u"M20"_s, u"16"_s}},
            {first + 1, {u"SN490B"_s, u"12"_s, u"80"_s, u"410"_s, u"4"_s}},
        };
        for (const auto& [row, parts] : lines)
            for (int part = 0; part < parts.size(); ++part)
                failures.check(
                    form.setJointCell(row, lists::ListForm::kJointFlangeColumn + part, parts[part]),
                    u"リスト登録 継手 FLG"_s);
        const QStringList web{u"SN490B"_s, u"9"_s,        u"170"_s, webDepth,
                              u"2"_s,      u"HTB-F10T"_s, u"M20"_s, webBolts};
        for (int part = 0; part < web.size(); ++part)
            failures.check(form.setJointCell(first, lists::ListForm::kJointWebColumn + part, web[part]),
                           u"リスト登録 継手 WEB"_s);
        form.registerEntry();
    };
    joint(u"J1"_s, u"290"_s, u"6"_s);
    joint(u"J2"_s, u"350"_s, u"8"_s);
    failures.check(form.finish(), u"リスト登録を保存できません。"_s);
    failures.check(prompter.messages == QStringList{u"リストデータを保存しました。"_s},
                   u"リスト登録のメッセージ: "_s + prompter.messages.join(u" / "_s));
    prompter.messages.clear();
}

// The row under the last entry of a sheet, where the next one goes.
int nextFreeRow(const services::TextGrid& grid) {
    int free = sheets::kFirstDataRow;
    for (int row = sheets::kFirstDataRow; row < grid.rowCount(); ++row) {
        for (int column = sheets::kFirstCell; column <= sheets::kLastCell; ++column) {
            if (!grid.text(row, column).isEmpty()) {
                free = row + 1;
                break;
            }
        }
    }
    return free;
}

struct Column {
    QString floor;
    QString mark;
    QString count;
    QString length; // mm
    QString comment;
    QString coatedLength; // mm below the girders
    bool basePlate;
};

void enterColumn(HasiraInpForm& form, const Column& c, Failures& failures) {
    failures.check(form.setKaiTx(c.floor), u"柱 階"_s);
    int markRow = -1;
    for (int row = 1; row < form.IndexGrid().rowCount(); ++row)
        if (form.IndexGrid().text(row, 1) == c.mark)
            markRow = row;
    failures.check(markRow > 0, u"柱 %1階 %2 がリストにありません。"_s.arg(c.floor, c.mark));
    form.chooseMark(markRow);
    using namespace column_input;
    failures.check(form.setInpTx(LengthInput, c.length), u"柱 長さ"_s);
    failures.check(form.setInpTx(CountInput, c.count), u"柱 本数"_s);
    // ロ部: the three welds of the through-diaphragm panel at the floor above, per column.
    failures.check(form.setInpTx(SecondPlacesInput, c.count + u"*3"_s), u"柱 ロ部ヶ所"_s);
    failures.check(form.setInpTx(CommentInput, c.comment), u"柱 コメント"_s);
    QList<QStringList> plates{
        {u"ダイアフラム"_s, u"SN490B"_s, u"22"_s, u"400"_s, u"400"_s, c.count + u"*2"_s}};
    if (c.basePlate)
        plates.prepend({u"ベースプレート"_s,
                        u"SN490B"_s,
                        u"32"_s,
                        u"550"_s,
                        u"550"_s,
                        c.count,
                        {},
                        {},
                        {},
                        {},
                        {},
                        {},
                        u"A.BOLT(1)"_s,
                        u"M24"_s,
                        u"800"_s,
                        {},
                        u"4"_s});
    for (int line = 0; line < plates.size(); ++line) {
        for (int column = 1; column <= plates[line].size(); ++column) {
            if (!plates[line][column - 1].isEmpty())
                failures.check(form.setPlateCell(2 + line, column, plates[line][column - 1]),
                               u"柱 プレート %1 列 %2"_s.arg(line + 1).arg(column));
        }
    }
    // Sprayed rock wool, 25 mm, all four faces of the tube (shape 14).
    failures.check(form.pickCoatingKind(1, u"吹付材"_s), u"柱 被覆 種類"_s);
    failures.check(form.setCoatingCell(1, 2, u"25"_s), u"柱 被覆 厚"_s);
    failures.check(form.setCoatingCell(1, 3, u"14"_s), u"柱 被覆 形状"_s);
    failures.check(form.setCoatingCell(1, 5, c.coatedLength), u"柱 被覆 単位L"_s);
    failures.check(form.setCoatingCell(1, 6, c.count), u"柱 被覆 本"_s);
    failures.check(form.ok(), u"柱 OK"_s);
}

// The list item that offers `text`: the text itself, or a code's item that shows its meaning beside
// it ("H  手溶接・半自動"), which puts the code into the cell.
QStringList::const_iterator listItemOf(const QStringList& items, const QString& text) {
    return std::find_if(items.cbegin(), items.cend(),
                        [&text](const QString& item) { return item == text || item.startsWith(text + u"  "_s); });
}

// Fills cells of a beam dialog grid through what each cell offers: a list item or typed text.
void fillBeamCells(HariInpForm& form, bool plateGrid, int line, const std::map<int, QString>& cells,
                   Failures& failures) {
    for (const auto& [column, text] : cells) {
        const int row =
            plateGrid ? beam_input::kPlateHeaderRows + line - 1 : beam_input::kCoatingHeaderRows + line - 1;
        const CellOffer offer =
            plateGrid ? form.plateCellClicked(row, column) : form.coatingCellClicked(row, column);
        bool taken = false;
        if (offer.kind == CellOffer::Kind::List) {
            const auto item = listItemOf(offer.items, text);
            taken = item != offer.items.cend();
            if (taken)
                plateGrid ? form.plateListPicked(*item) : form.coatingListPicked(*item);
        } else if (offer.kind == CellOffer::Kind::Text) {
            taken = plateGrid ? form.plateEditorChanged(text) : form.coatingEditorChanged(text);
        }
        failures.check(taken, u"梁 %1 行 %2 列 %3「%4」"_s.arg(plateGrid ? u"プレート"_s : u"被覆"_s)
                                  .arg(line)
                                  .arg(column)
                                  .arg(text));
    }
}

void chooseBeam(HariInpForm& form, const QString& floor, const QString& mark, Failures& failures) {
    failures.check(form.setKaiTx(floor), u"梁 階"_s);
    int markRow = -1;
    for (int row = 1; row < form.IndexGrid().rowCount(); ++row)
        if (form.IndexGrid().text(row, 0) == mark)
            markRow = row;
    failures.check(markRow > 0, u"梁 %1階 %2 がリストにありません。"_s.arg(floor, mark));
    form.chooseMark(markRow);
}

struct Girder {
    QString floor;
    QString mark;
    QString count;
    QString length; // between the column faces, mm
    QString joint;
    QString comment;
};

void enterGirder(HariInpForm& form, const Girder& g, Failures& failures) {
    using namespace beam_input;
    chooseBeam(form, g.floor, g.mark, failures);
    failures.check(form.setInpTx(0, g.count), u"梁 本数"_s);
    failures.check(form.setInpTx(1, g.comment), u"梁 コメント"_s);
    form.setJointCh(true);
    failures.check(form.setInpTx(2, g.joint), u"梁 ジョイント符号"_s);
    failures.check(form.setInpTx(3, u"2"_s), u"梁 ジョイントヶ所"_s);
    failures.check(form.setInpTx(4, g.length), u"梁 長さ"_s);
    // The webs are welded to the column face over their clear height only.
    form.setLeftOp(1);
    form.setRightOp(1);
    // Flanges with a full-penetration groove to the diaphragms, webs with fillets on both sides.
    fillBeamCells(form, true, 1,
                  {{kName, u"FLG溶接"_s}, {kWeldMethod, u"H"_s}, {kWeldJoint, u"T"_s}, {kWeldFaces, u"1"_s}},
                  failures);
    fillBeamCells(form, true, 2,
                  {{kName, u"WEB溶接"_s}, {kWeldMethod, u"H"_s}, {kWeldJoint, u"F"_s}, {kWeldFaces, u"2"_s}},
                  failures);
    // Sprayed rock wool, 25 mm, on the sides and the underside (shape 4): the slab covers the top.
    fillBeamCells(form, false, 1,
                  {{kCoatingKind, u"吹付材"_s},
                   {kCoatingThickness, u"25"_s},
                   {kCoatingShape, u"4"_s},
                   {kCoatingLength, g.length},
                   {kCoatingPieces, g.count}},
                  failures);
    failures.check(form.run(HariInpForm::Ok), u"梁 %1階 %2 OK"_s.arg(g.floor, g.mark));
}

// Small beams B1 between two G2 girders 6 m apart, on gussets with the girders' stiffeners.
void enterSmallBeam(HariInpForm& form, const QString& floor, const QString& count, Failures& failures) {
    using namespace beam_input;
    chooseBeam(form, floor, u"B1"_s, failures);
    failures.check(form.setInpTx(0, count), u"小梁 本数"_s);
    failures.check(form.setInpTx(1, u"各スパン中央"_s), u"小梁 コメント"_s);
    form.setTanbuOp(EndKind::PlateConnection);
    failures.check(form.setInpTx(8, u"6000"_s), u"小梁 長さ"_s);
    failures.check(form.pickGirder(9, u"G2"_s) >= 0, u"小梁 A梁"_s);
    failures.check(form.setInpTx(10, u"200"_s), u"小梁 A梁 H"_s);
    failures.check(form.pickGirder(11, u"G2"_s) >= 0, u"小梁 B梁"_s);
    failures.check(form.setInpTx(12, u"200"_s), u"小梁 B梁 H"_s);
    failures.check(form.setInpTx(13, u"100"_s), u"小梁 e"_s);
    failures.check(form.setInpTx(14, u"100"_s), u"小梁 ②"_s);
    const std::map<int, QString> bolts{{kBoltKind, u"HTB-F10T"_s},
                                       {kBoltDiameter, u"M20"_s},
                                       {kBoltGrip, u"9+6.5"_s},
                                       {kBoltsPerPlate, u"3"_s}};
    for (const QString& side : {u"A"_s, u"B"_s}) {
        std::map<int, QString> gusset{
            {kName, side + u"側ガセット"_s}, {kGrade, u"SN400B"_s}, {kThickness, u"9"_s},
            {kWeldMethod, u"H"_s},           {kWeldJoint, u"F"_s},  {kWeldFaces, u"2"_s}};
        gusset.insert(bolts.begin(), bolts.end());
        fillBeamCells(form, true, side == u"A" ? 1 : 2, gusset, failures);
    }
    for (const QString& side : {u"A"_s, u"B"_s}) {
        fillBeamCells(form, true, side == u"A" ? 3 : 4,
                      {{kName, side + u"側スチフナー"_s},
                       {kGrade, u"SN400B"_s},
                       {kThickness, u"9"_s},
                       {kWeldMethod, u"H"_s},
                       {kWeldJoint, u"F"_s},
                       {kWeldFaces, u"2"_s}},
                      failures);
    }
    failures.check(form.run(HariInpForm::Ok), u"小梁 %1階 OK"_s.arg(floor));
}

// One row of the secondary sheet, cell by cell through the cell offers.
void enterSecondaryRow(secondary::ZatuInpForm& form, int row, const std::map<int, QString>& cells,
                       Failures& failures) {
    for (const auto& [column, text] : cells) {
        const CellOffer offer = form.clickCell(row, column);
        if (offer.kind == CellOffer::Kind::Text) {
            failures.check(form.editorTextChanged(text), u"副部材 %1 行 %2 列"_s.arg(row).arg(column));
        } else {
            const auto item = listItemOf(offer.items, text);
            failures.check(offer.kind == CellOffer::Kind::List && item != offer.items.cend(),
                           u"副部材 %1 行 %2 列「%3」"_s.arg(row).arg(column).arg(text));
            form.commitCell(row, column, item != offer.items.cend() ? *item : text);
        }
    }
}

} // namespace

QString enterOfficeBuilding(const shell::DataRoot& root) {
    Failures failures;
    shell::ShellState shell;
    shell.dataRoot = root;
    NoMessages prompter;
    NoWindows windows;
    NoPrinter printer;
    registerLists(root, prompter, failures);

    // 柱積算
    {
        lists::MemberLists lists;
        InputDialogState shared;
        Column entering;
        column_input::ColumnEntryDialog dialog(root, lists, shared, prompter, [&](HasiraInpForm& form) {
            enterColumn(form, entering, failures);
        });
        sheets::MainInputForm sheet(shell, lists, {prompter, printer, windows, dialog});
        failures.check(sheet.open(), u"柱積算を開けません。"_s);
        const QList<Column> columns{
            {u"1"_s, u"C1"_s, u"10"_s, u"4000"_s, u"外周"_s, u"3500"_s, true},
            {u"1"_s, u"C2"_s, u"2"_s, u"4000"_s, u"X2-Y2,X3-Y2"_s, u"3500"_s, true},
            {u"2"_s, u"C1"_s, u"10"_s, u"3800"_s, u"外周"_s, u"3300"_s, false},
            {u"2"_s, u"C2"_s, u"2"_s, u"3800"_s, u"X2-Y2,X3-Y2"_s, u"3300"_s, false},
        };
        for (const Column& c : columns) {
            entering = c;
            sheet.clickRow(nextFreeRow(sheet.DataGrid()));
            sheet.newInput();
        }
    }

    // 梁積算
    {
        lists::MemberLists lists;
        QString lastFloor;
        std::function<void(HariInpForm&)> entering;
        beam_input::BeamEntryDialog dialog(shell, lists, prompter, lastFloor, nullptr, &windows,
                                           [&](HariInpForm& form) { entering(form); });
        sheets::MainInput2Form sheet(shell, lists, {prompter, printer, windows, dialog});
        failures.check(sheet.open(), u"梁積算を開けません。"_s);
        const auto enter = [&](std::function<void(HariInpForm&)> script) {
            entering = std::move(script);
            sheet.clickRow(nextFreeRow(sheet.DataGrid()));
            sheet.newInput();
        };
        for (const QString& floor : {u"2"_s, u"R"_s}) {
            // 6000 and 7000 between column centres, less one 300 mm column.
            enter([&](HariInpForm& form) {
                enterGirder(form, {floor, u"G1"_s, u"9"_s, u"5700"_s, u"J1"_s, u"Y1～Y3通り"_s}, failures);
            });
            enter([&](HariInpForm& form) {
                enterGirder(form, {floor, u"G2"_s, u"8"_s, u"6700"_s, u"J2"_s, u"X1～X4通り"_s}, failures);
            });
            enter([&](HariInpForm& form) { enterSmallBeam(form, floor, u"6"_s, failures); });
        }
    }

    // 副部材積算
    {
        secondary::ZatuInpForm form(shell, prompter, printer, windows);
        failures.check(form.open(), u"副部材積算を開けません。"_s);
        int row = secondary::ZatuInpForm::kFirstDataRow;
        for (const QString& floor : {u"2"_s, u"R"_s}) {
            enterSecondaryRow(form, row++,
                              {{1, u"床版"_s},
                               {2, floor},
                               {3, u"デッキプレート 18m×14m"_s},
                               {4, u"SS400"_s},
                               {7, u"18*14"_s},
                               {8, u"1"_s}},
                              failures);
        }
        // ALC wall support angles along the perimeter of both floors, painted, tacked to the girders
        // with 50 mm of fillet every 600 mm.
        enterSecondaryRow(form, row++,
                          {{1, u"雑-1"_s},
                           {2, u"2,R"_s},
                           {3, u"ALC受けアングル 外周"_s},
                           {4, u"SS400"_s},
                           {5, u"山形鋼"_s},
                           {6, u"65*65*6"_s},
                           {7, u"(18+14)*2"_s},
                           {8, u"2"_s},
                           {10, u"H"_s},
                           {11, u"F"_s},
                           {12, u"1"_s},
                           {13, u"6"_s},
                           {14, u"0.05"_s},
                           {15, u"214"_s},
                           {17, u"塗装有"_s},
                           {18, u"0.26"_s},
                           {19, u"128"_s}},
                          failures);
        // Roof horizontal braces in the four corner bays, galvanized, with their bolts.
        enterSecondaryRow(form, row++,
                          {{1, u"ブレース"_s},
                           {2, u"R"_s},
                           {3, u"水平ブレース 隅4スパン"_s},
                           {4, u"SS400"_s},
                           {5, u"丸鋼"_s},
                           {6, u"16"_s},
                           {7, u"9.22"_s},
                           {8, u"8"_s},
                           {17, u"溶融亜鉛"_s}},
                          failures);
        enterSecondaryRow(form, row++,
                          {{1, u"BOLT"_s},
                           {2, u"R"_s},
                           {3, u"ブレース端部"_s},
                           {4, u"HTB-F10T"_s},
                           {5, u"M20"_s},
                           {6, u"55"_s},
                           {8, u"16"_s}},
                          failures);
        form.close();
        failures.check(form.isClosed(), u"副部材積算を保存できません。"_s);
    }

    if (!prompter.messages.isEmpty())
        failures.check(false, u"入力中のメッセージ: "_s + prompter.messages.join(u" / "_s));
    return failures.first();
}

} // namespace tv::samples
