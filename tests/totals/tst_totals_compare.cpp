// Comparing two estimates: a project file with itself shows nothing; with a copy changed by a seeded
// edit script it shows exactly the script's edits and the table rows whose totals moved.
#include "shell/project_bundle.h"
#include "shell/record_file.h"
#include "totals/estimate_compare.h"
#include "totals_project.h"

#include <QDir>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::totals;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

constexpr int kGenerated = 12; // entries G1 … G12 added to the project for the script to edit

// A column entry of one row: floor 2, the mark, an H section, length and count.
QString columnEntry(const QString& mark, int length, int count) {
    return line(sheetRecord({{1, u"柱"_s},
                             {2, u"2"_s},
                             {3, mark},
                             {5, u"SN490B"_s},
                             {6, u"H鋼"_s},
                             {7, u"H-400×200×8×13"_s},
                             {8, QString::number(length)},
                             {9, QString::number(count)}}));
}

// The lines that are differences: those starting with 追加, 削除 or 変更 under a heading.
QSet<QString> differences(const QStringList& lines, const QString& heading) {
    QSet<QString> found;
    bool inside = false;
    for (const QString& l : lines) {
        if (l.startsWith(u"# "_s)) {
            inside = l == u"# "_s + heading;
            continue;
        }
        if (inside && !l.startsWith(u"合計"_s))
            found.insert(l);
    }
    return found;
}

} // namespace

class TestTotalsCompare : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void aProjectComparedWithItselfShowsNothing();
    void theEditsOfAScriptAreFoundExactly_data();
    void theEditsOfAScriptAreFoundExactly();

private:
    QString bundle(const QString& name, const QStringList& lines) const;

    std::unique_ptr<QTemporaryDir> m_dir;
    QStringList m_lines; // the project's bundle lines, the generated entries among them
};

void TestTotalsCompare::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    const QString root = QDir(m_dir->path()).filePath(u"root"_s);
    makeDataRoot(root);
    const tv::shell::DataRoot data(root);
    writeTotalsProject(data);
    QStringList work = tv::shell::readLines(data.file(tv::shell::kWorkDataFolder, u"WorkData-1.ini")).lines;
    for (int i = 1; i <= kGenerated; ++i)
        work.append(columnEntry(u"G%1"_s.arg(i), 3000 + 100 * i, 1 + i % 3));
    writeCp932Lines(data.file(tv::shell::kWorkDataFolder, u"WorkData-1.ini"), work);
    const auto working = tv::shell::ProjectBundle::workingLines(data);
    QVERIFY(working.status.ok());
    m_lines = working.lines;
}

QString TestTotalsCompare::bundle(const QString& name, const QStringList& lines) const {
    const QString path = QDir(m_dir->path()).filePath(name + u".tkd"_s);
    writeBytes(path, tv::shell::ProjectBundle::pack(path, lines).bytes);
    return path;
}

void TestTotalsCompare::aProjectComparedWithItselfShowsNothing() {
    const Estimate a = loadEstimate(bundle(u"A"_s, m_lines));
    QCOMPARE(a.refusal, QString());
    QVERIFY(a.tables.table(TableId::Steel).rowCount() > 3);
    const Estimate b = loadEstimate(bundle(u"B"_s, m_lines));
    const QStringList lines = compareEstimates(a, b);
    for (const QString& l : lines) {
        QVERIFY2(l.startsWith(u"# "_s) || l.startsWith(u"合計\t"_s), qPrintable(l));
        if (l.startsWith(u"合計\t"_s))
            QCOMPARE(l.section(u'\t', 1, 1), l.section(u'\t', 2, 2));
    }
    QCOMPARE(lines.count(u"# 鋼材"_s), 1);
    QCOMPARE(compareEstimates(a, b, int(TableId::Bolt)).first(), u"# ボルト"_s);
    QCOMPARE(compareEstimates(a, b, int(TableId::Bolt)).size(), 2);
}

void TestTotalsCompare::theEditsOfAScriptAreFoundExactly_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 42u, 777u, 2027u})
        QTest::newRow(qPrintable(u"seed %1"_s.arg(seed))) << seed;
}

void TestTotalsCompare::theEditsOfAScriptAreFoundExactly() {
    QFETCH(quint32, seed);
    QRandomGenerator random(seed);
    QStringList edited = m_lines;
    QSet<QString> expectedEntries;
    QSet<QString> expectedWeights;
    // Each generated entry is edited at most once: removed, or its length, count or both changed.
    QList<int> marks;
    for (int i = 1; i <= kGenerated; ++i)
        marks.append(i);
    for (int step = 0; step < 6; ++step) {
        const int mark = marks.takeAt(int(random.bounded(quint32(marks.size()))));
        const QString name = u"G%1"_s.arg(mark);
        const qsizetype at = edited.indexOf(columnEntry(name, 3000 + 100 * mark, 1 + mark % 3));
        QVERIFY(at >= 0);
        switch (random.bounded(4)) {
        case 0:
            edited.removeAt(at);
            expectedEntries.insert(u"削除\t2\t"_s + name);
            break;
        case 1:
            edited[at] = columnEntry(name, 5000 + mark, 1 + mark % 3);
            expectedEntries.insert(u"変更\t2\t%1\t長さ"_s.arg(name));
            break;
        case 2:
            edited[at] = columnEntry(name, 3000 + 100 * mark, 4 + mark % 3);
            expectedEntries.insert(u"変更\t2\t%1\t本数"_s.arg(name));
            break;
        default:
            edited[at] = columnEntry(name, 4000, 9);
            expectedEntries.insert(u"変更\t2\t%1\t長さ\t本数"_s.arg(name));
            break;
        }
    }
    // Entries added after the last column entry, and a unit weight that moved.
    const qsizetype lastColumnLine = edited.lastIndexOf(QRegularExpression(u"^ZZ01'"_s));
    const int added = 1 + int(random.bounded(3));
    for (int i = 0; i < added; ++i) {
        edited.insert(lastColumnLine + 1, columnEntry(u"N%1"_s.arg(i), 2500, 1));
        expectedEntries.insert(u"追加\t2\tN%1"_s.arg(i));
    }
    const QString weight = QString::number(60 + random.bounded(10));
    const qsizetype weightLine = edited.indexOf(u"ZZBW'H鋼'400*200*8*13'66'"_s);
    QVERIFY(weightLine >= 0);
    edited[weightLine] = u"ZZBW'H鋼'400*200*8*13'%1'"_s.arg(weight);
    if (weight != u"66"_s)
        expectedWeights.insert(u"変更\tH鋼\t400*200*8*13\t66\t"_s + weight);

    const Estimate a = loadEstimate(bundle(u"A"_s, m_lines));
    const Estimate b = loadEstimate(bundle(u"B"_s, edited));
    QCOMPARE(b.refusal, QString());
    const QStringList lines = compareEstimates(a, b);
    QCOMPARE(differences(lines, u"柱積算"_s), expectedEntries);
    QCOMPARE(differences(lines, u"梁積算"_s), QSet<QString>());
    QCOMPARE(differences(lines, u"副部材"_s), QSet<QString>());
    QCOMPARE(differences(lines, u"部材単位重量"_s), expectedWeights);
    QCOMPARE(differences(lines, u"溶接換算率"_s), QSet<QString>());

    // The table rows reported are those whose quantity or weight the two totals give differently.
    for (int t = 0; t < kTableCount; ++t) {
        const auto rowsByKey = [t](const Estimate& e) {
            QMap<QString, QStringList> rows;
            const auto& grid = e.tables.table(TableId(t));
            for (int r = 1; r < grid.rowCount(); ++r)
                if (grid.text(r, 1) != u"合計"_s)
                    rows.insert(grid.rowTexts(r).mid(0, 4).join(u'|'), grid.rowTexts(r));
            return rows;
        };
        const QMap<QString, QStringList> before = rowsByKey(a);
        const QMap<QString, QStringList> after = rowsByKey(b);
        int moved = 0;
        for (const QString& key : QSet<QString>(before.keyBegin(), before.keyEnd()) |
                                      QSet<QString>(after.keyBegin(), after.keyEnd()))
            moved += before.value(key) != after.value(key) ? 1 : 0;
        const QSet<QString> reported = differences(lines, compareTableNames()[t]);
        QCOMPARE(reported.size(), moved);
    }
    // The steel total moved by what the edited H rows weigh.
    const QString steelTotal = lines[lines.indexOf(u"# 鋼材"_s) + differences(lines, u"鋼材"_s).size() + 1];
    QVERIFY(steelTotal.startsWith(u"合計\t"_s));
}

QTEST_GUILESS_MAIN(TestTotalsCompare)
#include "tst_totals_compare.moc"
