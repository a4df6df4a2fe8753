// The comparison window on two small projects: the other project chosen where the safety copies
// are, the differences in the two grids coloured by kind, printing and the clipboard.
#include "shell/project_bundle.h"
#include "shell/safety_copies.h"
#include "support/agreeing_prompter.h"
#include "support/fake_clipboard.h"
#include "support/recording_printer.h"
#include "support/scripted_file_chooser.h"
#include "support/test_files.h"
#include "ui/common/text_grid_view.h"
#include "ui/totals/compare_form_view.h"

#include <QBrush>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::totals::CompareForm;

namespace {

// A column entry of one row: floor 1, the mark, an H section of 66 kg/m, length and count.
QString columnEntry(const QString& mark, const QString& length, const QString& count) {
    QStringList fields{u"ZZ01"_s,           u"柱"_s, u"1"_s, mark, QString(), u"SN490B"_s, u"H鋼"_s,
                       u"H-400×200×8×13"_s, length,  count};
    while (fields.size() < 29)
        fields.append(QString());
    return fields.join(u'\'');
}

} // namespace

class TestUiCompareForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void comparesWithTheLastSaveAndShowsTheDifferences();
};

void TestUiCompareForm::comparesWithTheLastSaveAndShowsTheDifferences() {
    QTemporaryDir dir;
    makeDataRoot(dir.path());
    const tv::shell::DataRoot root(dir.path());
    const QString weights = u"ZZBW'H鋼'400*200*8*13'66'"_s;
    // The last save: C1 and C2. The open project's input now: C1 longer, C2 gone, C3 new.
    const QString copy = QDir(tv::shell::safetyCopyFolder(root)).filePath(u"A棟-20261211-1500.tkd"_s);
    writeBytes(copy, tv::shell::ProjectBundle::pack(copy, {weights, columnEntry(u"C1"_s, u"3000"_s, u"2"_s),
                                                           columnEntry(u"C2"_s, u"3000"_s, u"1"_s)})
                         .bytes);
    writeCp932Lines(root.file(tv::shell::kSetFolder, u"BuzaiWeight.ini"), {weights});
    writeCp932Lines(root.file(tv::shell::kWorkDataFolder, u"WorkData-1.ini"),
                    {columnEntry(u"C1"_s, u"3500"_s, u"2"_s), columnEntry(u"C3"_s, u"4000"_s, u"1"_s)});

    AgreeingPrompter prompter;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    ScriptedFileChooser chooser;
    chooser.choose(copy);
    CompareForm model(root, {prompter, printer, clipboard, chooser});
    tv::ui::CompareFormView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QVERIFY(model.chooseAndCompare());
    QCOMPARE(chooser.requests().first().initialFolder, tv::shell::safetyCopyFolder(root));
    QVERIFY(prompter.shown.isEmpty());
    QCOMPARE(model.caption(), u"比較元: A棟-20261211-1500.tkd  →  比較先: 現在の入力"_s);

    // The steel row: 2 × 3 m + 3 m of 66 kg/m before, 2 × 3.5 m + 4 m after.
    const QAbstractItemModel* tables = view.tablesView()->model();
    QCOMPARE(tables->index(1, 0).data().toString(), u"鋼材"_s);
    QCOMPARE(tables->index(2, 0).data().toString(), u"変更"_s);
    QStringList changed;
    for (int c = 0; c < tables->columnCount(); ++c)
        changed.append(tables->index(2, c).data().toString());
    QCOMPARE(changed.mid(6, 6),
             (QStringList{u"9.00"_s, u"11.00"_s, u"2.00"_s, u"594.00"_s, u"726.00"_s, u"132.00"_s}));
    QCOMPARE(tables->index(2, 3).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 242, 204));

    const QAbstractItemModel* entries = view.entriesView()->model();
    QStringList rows;
    for (int r = 1; r < entries->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < 4; ++c)
            cells.append(entries->index(r, c).data().toString());
        rows.append(cells.join(u' ').trimmed());
    }
    QCOMPARE(rows.mid(0, 4), (QStringList{u"柱積算"_s, u"変更 1 C1 長さ"_s, u"削除 1 C2"_s, u"追加 1 C3"_s}));
    QCOMPARE(entries->index(3, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(252, 228, 214));

    model.command(CompareForm::Copy);
    QCOMPARE(clipboard.texts.size(), 1);
    QVERIFY(clipboard.texts.first().startsWith(u"# 鋼材\r\n変更\t"_s));
    model.command(CompareForm::Print);
    QCOMPARE(printer.documents.size(), 1);
    QCOMPARE(printer.documents.first().title, u"物件の比較"_s);
}

QTEST_MAIN(TestUiCompareForm)
#include "tst_ui_compare_form.moc"
