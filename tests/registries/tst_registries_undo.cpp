// Undo and redo in the registry windows (unit weights, weld rates, grades): random sequences of name
// choices, typing, row commands and registrations, checked against every state the window went
// through; the registry files stay as they were until 保存.
#include "registries/buzai_form.h"
#include "registries/kansan_form.h"
#include "registries/settei_form.h"
#include "support/agreeing_prompter.h"
#include "support/history_property.h"
#include "support/test_files.h"

#include <QTemporaryDir>
#include <QTest>

using namespace tv::registries;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

// What a registry window shows and holds, and its file.
struct RegistryState {
    QString name;
    QList<QStringList> grid; // each row's texts, then which of its cells are coloured
    QList<QStringList> table;
    QByteArray file;
    bool operator==(const RegistryState&) const = default;
};

QList<QStringList> gridTexts(const tv::services::TextGrid& grid) {
    QList<QStringList> rows;
    for (int row = 0; row < grid.rowCount(); ++row) {
        QString colours;
        for (int column = 0; column < grid.columnCount(); ++column)
            colours += grid.backColor(row, column) ? u'*' : u'-';
        rows.append(grid.rowTexts(row) << colours);
    }
    return rows;
}

const QStringList kSizes{u"200*100*5.5*8"_s, u"100*50*5*7"_s, u"9*75"_s,
                         u"350*350*9"_s,     u"１２"_s,       QString()};
const QStringList kNumbers{u"20.9"_s, u"9.3"_s, u"0.5"_s, u"1.2"_s, u"abc"_s, u"･"_s, QString()};

} // namespace

class TestRegistryUndo : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void seeds_data();
    void unitWeightWindow_data() { seeds_data(); }
    void unitWeightWindow();
    void weldRateWindow_data() { seeds_data(); }
    void weldRateWindow();
    void gradeWindow_data() { seeds_data(); }
    void gradeWindow();
    void undoAfterSaveCountsAsUnsaved();

private:
    QString file(const QString& name) const { return m_root.file(tv::shell::kSetFolder, name); }
    template <typename Form> RegistryState state(const Form& form, const QString& fileName) const;
    // A click on a random cell (the editor opens where the cell is editable), then typing or a
    // row command there.
    void operate(RegistryForm& form, QRandomGenerator& random, const QStringList& texts, int rows);

    std::unique_ptr<QTemporaryDir> m_dir;
    tv::shell::DataRoot m_root;
    AgreeingPrompter m_prompter;
};

void TestRegistryUndo::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataFolders(m_dir->path());
    m_root = tv::shell::DataRoot(m_dir->path());
    writeCp932Lines(file(u"BuzaiWeight.ini"_s),
                    {u"ZZBW'H鋼'200*100*5.5*8'20.9'"_s, u"ZZBW'平鋼'9*75'5.30'"_s,
                     u"ZZBW'H鋼'150*75*5*7'14.0'memo"_s, u"ZZBW'鋼管(角)'350*350*9'94.7'"_s});
    writeCp932Lines(file(u"Kansan.ini"_s), {u"ZZKN'HT1'4'0.5"_s, u"ZZKN'HT1'9'1.2"_s, u"ZZKN'レ形'9'2.4"_s});
    writeCp932Lines(file(u"HasiraKikaku.ini"_s), {u"SS400"_s, u"SN490B"_s});
}

void TestRegistryUndo::seeds_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {5u, 17u, 404u, 31337u})
        QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
}

template <typename Form>
RegistryState TestRegistryUndo::state(const Form& form, const QString& fileName) const {
    RegistryState s{form.NameTx(), gridTexts(form.DataGrid()), {}, readBytes(file(fileName))};
    for (const auto& row : form.table().rows) {
        if constexpr (std::is_same_v<Form, BuzaiForm>)
            s.table.append({row.name, row.size, row.unitWeight, row.extra});
        else
            s.table.append({row.symbol, row.thickness, row.rate});
    }
    return s;
}

void TestRegistryUndo::operate(RegistryForm& form, QRandomGenerator& random, const QStringList& texts,
                               int rows) {
    const quint32 what = random.bounded(10);
    if (what == 0 && !form.NameList().isEmpty()) {
        form.chooseName(int(random.bounded(quint32(form.NameList().size()))));
        return;
    }
    const int row = 1 + int(random.bounded(quint32(rows)));
    const int column = 1 + int(random.bounded(quint32(form.DataGrid().columnCount() - 1)));
    if (what < 7) {
        form.hideEditor();
        if (form.clickCell(row, column).kind != tv::services::CellOffer::Kind::Text)
            return;
        const QString& text = texts[int(random.bounded(quint32(texts.size())))];
        if (what < 5)
            form.editorTextChanged(text);
        else
            form.commitCell(row, column, text);
        return;
    }
    form.setCurrentCell(row, column);
    form.command(3 + int(random.bounded(3)));
}

void TestRegistryUndo::unitWeightWindow() {
    QFETCH(quint32, seed);
    BuzaiForm form(m_root, m_prompter);
    QVERIFY(form.open());
    form.chooseName(0);
    form.history().clear();
    checkHistory<RegistryState>(
        {form.history(), [&] { return state(form, u"BuzaiWeight.ini"_s); },
         [&](QRandomGenerator& random) { operate(form, random, kSizes + kNumbers, 6); },
         [&] { return form.undo(); }, [&] { return form.redo(); }},
        seed);
}

void TestRegistryUndo::weldRateWindow() {
    QFETCH(quint32, seed);
    KansanForm form(m_root, m_prompter);
    int symbols = 0;
    form.setAskSymbol([&symbols] { return u"S%1"_s.arg(symbols++ % 5); });
    QVERIFY(form.open());
    checkHistory<RegistryState>({form.history(), [&] { return state(form, u"Kansan.ini"_s); },
                                 [&](QRandomGenerator& random) { operate(form, random, kNumbers, 8); },
                                 [&] { return form.undo(); }, [&] { return form.redo(); }},
                                seed);
}

void TestRegistryUndo::gradeWindow() {
    QFETCH(quint32, seed);
    SetteiForm form(m_root, m_prompter);
    QVERIFY(form.open());
    const QStringList grades{u"SS400"_s, u"SM490A"_s, u"ＳＮ４９０Ｃ"_s, u" BCR295 "_s, u"･"_s, QString()};
    using State = std::tuple<QString, QStringList, QByteArray>;
    checkHistory<State>(
        {form.history(),
         [&] {
             return State{form.InpTx(), form.ListList(), readBytes(file(u"HasiraKikaku.ini"_s))};
         },
         [&](QRandomGenerator& random) {
             switch (random.bounded(4)) {
             case 0:
                 form.editInpTx(grades[int(random.bounded(quint32(grades.size())))]);
                 break;
             case 1:
                 form.clickList(int(random.bounded(quint32(form.ListList().size() + 1))));
                 break;
             case 2:
                 form.registerGrade();
                 break;
             default:
                 form.deleteGrade();
                 break;
             }
         },
         [&] { return form.undo(); }, [&] { return form.redo(); }},
        seed);
}

// 保存 is not a step, but taking back a change made before it leaves the window unsaved again, so
// that closing asks.
void TestRegistryUndo::undoAfterSaveCountsAsUnsaved() {
    KansanForm form(m_root, m_prompter);
    QVERIFY(form.open());
    form.chooseName(0); // HT1
    form.clickCell(2, KansanForm::RateColumn);
    QVERIFY(form.editorTextChanged(u"0.7"_s));
    QVERIFY(form.save());
    QVERIFY(!form.hasUnsavedChanges());
    QVERIFY(form.undo());
    QCOMPARE(form.DataGrid().text(2, KansanForm::RateColumn), QString());
    QVERIFY(form.hasUnsavedChanges());
    QVERIFY(form.undo()); // the choice of HT1
    QCOMPARE(form.NameTx(), QString());
    QVERIFY(!form.undo());
}

QTEST_GUILESS_MAIN(TestRegistryUndo)
#include "tst_registries_undo.moc"
