// The beam dialog on the beam sheet: OK puts the entry's rows on the sheet and into its work file,
// opening the entry and confirming it unchanged stores the same lines, Cancel changes nothing.
#include "beam_fixture.h"

#include "beam_input/beam_entry_dialog.h"
#include "sheets/sheet_form.h"
#include "sheets/sheet_layout.h"
#include "support/recording_printer.h"

using namespace tv::test;
using namespace tv::beam_input;
using namespace Qt::StringLiterals;

class TestBeamSheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void entryThroughTheSheet();
};

void TestBeamSheet::entryThroughTheSheet() {
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600, kEnd600)});
    RecordingPrinter printer;
    BeamEntryDialog::Show show;
    BeamEntryDialog dialog(f.shell, f.memberLists, f.prompter, f.lastFloor, &f.picker, &f.opener,
                           [&show](HariInpForm& form) { show(form); });
    tv::sheets::MainInput2Form sheet(f.shell, f.memberLists, {f.prompter, printer, f.opener, dialog});
    QVERIFY(sheet.open());
    const QString workFile = sheet.workFilePath();
    constexpr int first = tv::sheets::kFirstDataRow;

    show = [](HariInpForm& form) {
        QVERIFY(form.setKaiTx(u"2"_s));
        form.chooseMark(1);
        QVERIFY(form.setInpTx(0, u"2"_s));
        QVERIFY(form.setInpTx(5, u"1000"_s));
        QVERIFY(form.setInpTx(6, u"1000"_s));
        QVERIFY(form.setInpTx(4, u"6000"_s));
        QVERIFY(form.setInpTx(7, u"100"_s));
        form.setRightOp(1);
        form.plateCellClicked(kPlateHeaderRows, kName);
        form.plateListPicked(u"WEB溶接"_s);
        form.plateCellClicked(kPlateHeaderRows, kWeldMethod);
        form.plateListPicked(u"H"_s);
        QVERIFY(form.run(HariInpForm::Ok));
    };
    sheet.clickRow(first);
    sheet.newInput();
    const tv::services::TextGrid& grid = sheet.DataGrid();
    QCOMPARE(grid.text(first, 1), u"梁"_s);
    QCOMPARE(grid.text(first, 7), u"H-600×200×11×17"_s);
    QCOMPARE(grid.text(first, 12), u"H"_s);
    QCOMPARE(grid.text(first, 16), u"2.62"_s); // (556*2+100*2)*2 = 2624 mm with option 1 on the B end
    QCOMPARE(grid.text(first + 1, 7), u"H-600×250×12×22"_s);
    QCOMPARE(grid.text(first + 2, 1), QString());
    const QByteArray saved = readBytes(workFile);
    QCOMPARE(saved.count("\r\n"), 2);

    // Opening the entry and pressing OK after a recomputation stores the same lines.
    show = [](HariInpForm& form) {
        QCOMPARE(form.RightOp(), 1);
        form.RecalcPlateGrid();
        QVERIFY(form.run(HariInpForm::Ok));
    };
    sheet.clickRow(first);
    sheet.newInput();
    QCOMPARE(readBytes(workFile), saved);

    show = [](HariInpForm& form) {
        QVERIFY(form.setInpTx(0, u"5"_s));
        form.run(HariInpForm::Cancel);
    };
    sheet.clickRow(first);
    sheet.newInput();
    QCOMPARE(readBytes(workFile), saved);
    QCOMPARE(grid.text(first, 9), u"2"_s);
    TV_VERIFY_PROMPTS(f.prompter);
}

QTEST_GUILESS_MAIN(TestBeamSheet)
#include "tst_beam_input_sheet.moc"
