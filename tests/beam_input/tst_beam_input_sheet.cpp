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
    void otherMarkReplacesOrAddsAsAsked_data();
    void otherMarkReplacesOrAddsAsAsked();
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

void TestBeamSheet::otherMarkReplacesOrAddsAsAsked_data() {
    using tv::services::PromptAnswer;
    QTest::addColumn<QString>("mark");
    QTest::addColumn<int>("answer"); // -1: no question
    QTest::addColumn<QStringList>("marksOnSheet");
    QTest::newRow("same mark, no question") << u"B1"_s << -1 << QStringList{u"B1"_s};
    QTest::newRow("はい replaces B1") << u"B2"_s << int(PromptAnswer::Yes) << QStringList{u"B2"_s};
    QTest::newRow("いいえ adds B2 after B1")
        << u"B2"_s << int(PromptAnswer::No) << QStringList{u"B1"_s, u"B2"_s};
    QTest::newRow("キャンセル goes back to the dialog")
        << u"B2"_s << int(PromptAnswer::Cancel) << QStringList{u"B1"_s};
}

void TestBeamSheet::otherMarkReplacesOrAddsAsAsked() {
    QFETCH(QString, mark);
    QFETCH(int, answer);
    QFETCH(QStringList, marksOnSheet);
    BeamFixture f({beam(u"2"_s, u"B1"_s, kBeam600, kEnd600), beam(u"2"_s, u"B2"_s, kBeam400)});
    RecordingPrinter printer;
    BeamEntryDialog::Show show;
    BeamEntryDialog dialog(f.shell, f.memberLists, f.prompter, f.lastFloor, &f.picker, &f.opener,
                           [&show](HariInpForm& form) { show(form); });
    tv::sheets::MainInput2Form sheet(f.shell, f.memberLists, {f.prompter, printer, f.opener, dialog});
    QVERIFY(sheet.open());
    constexpr int first = tv::sheets::kFirstDataRow;
    const auto enter = [](const QString& floor, const QString& chosen) {
        return [floor, chosen](HariInpForm& form) {
            QVERIFY(form.setKaiTx(floor));
            for (int row = 1; row < form.IndexGrid().rowCount(); ++row)
                if (form.IndexGrid().text(row, 0) == chosen)
                    form.chooseMark(row);
            QVERIFY(form.setInpTx(0, u"1"_s));
            QVERIFY(form.setInpTx(4, u"6000"_s));
        };
    };
    // B1 as a new entry (no question), two rows: centre and end sections.
    show = [&](HariInpForm& form) {
        enter(u"2"_s, u"B1"_s)(form);
        QVERIFY(form.run(HariInpForm::Ok));
    };
    sheet.clickRow(first);
    sheet.newInput();
    const QList<QStringList> before = [&] {
        QList<QStringList> rows;
        for (int row = first; row < first + 4; ++row)
            rows.append(sheet.DataGrid().rowTexts(row));
        return rows;
    }();

    // Opened on B1, the entry is given the mark chosen now.
    if (answer >= 0)
        f.prompter.expect(u"2階 B1 の入力を 2階 B2 で置き換えますか？"_s, u"確認"_s,
                          tv::services::PromptButtons::YesNoCancel, tv::services::PromptAnswer(answer));
    show = [&](HariInpForm& form) {
        enter(u"２"_s, mark)(form);
        if (answer == int(tv::services::PromptAnswer::Cancel)) {
            QVERIFY(!form.run(HariInpForm::Ok));
            QVERIFY(!form.confirmed());
            QCOMPARE(form.InfoGd(3), mark); // the dialog is as it was
            form.run(HariInpForm::Cancel);
            return;
        }
        QVERIFY(form.run(HariInpForm::Ok));
    };
    sheet.clickRow(first + 1);
    sheet.newInput();
    TV_VERIFY_PROMPTS(f.prompter);

    QStringList marks;
    int lastEntry = -1;
    for (int row = first; row < sheet.DataGrid().rowCount(); ++row)
        if (!sheet.DataGrid().text(row, 1).isEmpty()) {
            marks.append(sheet.DataGrid().text(row, 3));
            lastEntry = row;
        }
    QCOMPARE(marks, marksOnSheet);
    if (marks.size() == 2) {
        QCOMPARE(lastEntry, first + 2); // after B1's two rows
        QCOMPARE(sheet.selectedRow(), lastEntry);
        QCOMPARE(sheet.DataGrid().text(lastEntry, 0), u"2"_s);
        // The added entry is one step: undo leaves B1 alone, as it was.
        QVERIFY(sheet.undo());
        for (int row = first; row < first + 4; ++row)
            QCOMPARE(sheet.DataGrid().rowTexts(row), before[row - first]);
        QCOMPARE(sheet.selectedRow(), first);
    }
}

QTEST_GUILESS_MAIN(TestBeamSheet)
#include "tst_beam_input_sheet.moc"
