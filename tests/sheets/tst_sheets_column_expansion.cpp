// The rows a column entry's texts expand into: member and cut-tee rows, welds, plates, bolts and
// coating lines, each group from its own first row.
#include "sheets/column_entry_expansion.h"
#include "sheets/sheet_layout.h"

#include <QTest>

#include <map>

using namespace tv::sheets;
using namespace Qt::StringLiterals;

namespace {

// Cells of an expected row by grid column; all others empty.
using Cells = std::map<int, QString>;

QStringList row(const Cells& cells) {
    QStringList out(kSheetColumns);
    for (const auto& [column, text] : cells)
        out[column] = text;
    return out;
}

QString joined(const QStringList& fields) {
    return fields.join(u'･');
}

// EntryMainRecord with the fields the sheet reads; the others carry a marker the sheet must not show.
QString mainRecord(const QString& name, const QString& sizes, const QString& joint = {},
                   const QString& weldsA = u"0"_s, const QString& weldsB = u"0"_s) {
    return joined({u"塗装有"_s, name, sizes, u"2階"_s, u"C1"_s, u"3500"_s, u"2"_s, joint, u"x8"_s,
                   u"X1通り"_s, u"x10"_s, weldsA, weldsB, u"x13"_s, u"x14"_s, u"1.2"_s, u"8.40"_s});
}

QString weld(const QString& method, const QString& quantity) {
    return joined({method, u"T"_s, u"2"_s, u"12"_s, u"400"_s, u"4"_s, quantity});
}

// One plate line of 18 fields; empty texts leave out the plate, its weld or its bolts.
QString plate(const QString& name, const QString& t, const QString& weldMethod, const QString& boltKind) {
    return joined({name, u"SN490B"_s, t, u"200"_s, u"300"_s, u"4"_s, weldMethod, u"K"_s, u"1"_s, u"9"_s,
                   u"x10"_s, u"1.60"_s, boltKind, u"M20"_s, u"x14"_s, u"55"_s, u"x16"_s, u"8"_s});
}

QString emptyPlate() {
    return QStringList(kPlateLineFields).join(u'･');
}

QString paint(const QString& kind) {
    return kind.isEmpty() ? QStringList(kPaintLineFields).join(u'･')
                          : joined({kind, u"1.5"_s, u"角"_s, u"1.4"_s, u"3.5"_s, u"2"_s, u"9.80"_s, u"x"_s});
}

EntryPayload payload(const QString& paintList, const QString& main, const QString& a, const QString& b,
                     const QString& plates) {
    return {paintList, main, a, b, plates};
}

} // namespace

class TestColumnExpansion : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fourRowEntryLaysOutEveryGroup();
    void memberRowsFromGradesAndSizes_data();
    void memberRowsFromGradesAndSizes();
    void plateWithoutThicknessKeepsItsWeldAndBolts();
    void plateNamesAndFlatBar_data();
    void plateNamesAndFlatBar();
    void weldListsOnlyWhenMarked();
    void emptyWeldRowsLeaveNoGap();
};

void TestColumnExpansion::fourRowEntryLaysOutEveryGroup() {
    const EntryPayload texts = payload(
        joined({paint(u"耐火"_s), paint({}), paint({}), paint({}), paint({})}),
        mainRecord(u"鋼管(角)"_s, u"BCR295 350*350*12"_s, u"J1"_s),
        joined({weld(u"工場"_s, u"5.60"_s), weld(u"現場"_s, u"3.20"_s)}), weld(u"工場"_s, u"1.10"_s),
        joined({plate(u"ダイアフラム"_s, u"25"_s, {}, {}), plate(u"ガセット"_s, u"12"_s, u"工場"_s, u"HTB"_s),
                emptyPlate(), emptyPlate(), emptyPlate()}));
    const QList<QStringList> rows = ExpandColumnEntry(texts);
    Cells first{{1, u"柱"_s},           {2, u"2"_s},       {3, u"C1"_s},
                {4, u"X1通り"_s},       {5, u"BCR295"_s},  {6, u"鋼管(角)"_s},
                {7, u"□-350*350*12"_s}, {8, u"3500"_s},    {9, u"2"_s},
                {10, u"J1"_s},          {11, u"1"_s},      {12, u"工場"_s},
                {13, u"T"_s},           {14, u"2"_s},      {15, u"12"_s},
                {16, u"5.60"_s},        {17, u"塗装有"_s}, {18, u"1.2"_s},
                {19, u"8.40"_s},        {20, u"HTB"_s},    {21, u"M20"_s},
                {22, u"55"_s},          {23, u"8"_s}};
    for (int i = 0; i < 5; ++i)
        first[kFirstEntryText + i] = texts[size_t(i)];
    const QList<QStringList> expected{
        row(first),
        row({{5, u"SN490B"_s},
             {6, u"DIA.PL"_s},
             {7, u"PL-25×200×300"_s},
             {9, u"4"_s},
             {12, u"現場"_s},
             {13, u"T"_s},
             {14, u"2"_s},
             {15, u"12"_s},
             {16, u"3.20"_s},
             {17, u"耐火:1.5"_s},
             {18, u"1.4"_s},
             {19, u"9.80"_s}}),
        row({{5, u"SN490B"_s},
             {6, u"G.PL"_s},
             {7, u"PL-12×200×300"_s},
             {9, u"4"_s},
             {12, u"工場"_s},
             {13, u"T"_s},
             {14, u"2"_s},
             {15, u"12"_s},
             {16, u"1.10"_s}}),
        row({{12, u"工場"_s}, {13, u"K"_s}, {14, u"1"_s}, {15, u"9"_s}, {16, u"1.60"_s}}),
    };
    QCOMPARE(rows, expected);
}

void TestColumnExpansion::memberRowsFromGradesAndSizes_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("sizes");
    QTest::addColumn<QStringList>("grades");
    QTest::addColumn<QStringList>("kinds");
    QTest::addColumn<QStringList>("sizeTexts");
    QTest::newRow("round tube gets its sign")
        << u"鋼管(丸)"_s << u"STK400 216.3*8.2"_s << QStringList{u"STK400"_s} << QStringList{u"鋼管(丸)"_s}
        << QStringList{u"○-216.3*8.2"_s};
    QTest::newRow("H section as it is") << u"H鋼"_s << u"SN490B H-400*200"_s << QStringList{u"SN490B"_s}
                                        << QStringList{u"H鋼"_s} << QStringList{u"H-400*200"_s};
    QTest::newRow("other section shows no size") << u"BOX"_s << u"SM490 500*500"_s << QStringList{u"SM490"_s}
                                                 << QStringList{u"BOX"_s} << QStringList{QString()};
    QTest::newRow("two cut-tee parts below the member")
        << u"H鋼"_s << u"SN490B 500*200 SN490B 175*200 SS400 150*150"_s
        << QStringList{u"SN490B"_s, u"SN490B"_s, u"SS400"_s} << QStringList{u"H鋼"_s, u"CT鋼"_s, u"CT鋼"_s}
        << QStringList{u"500*200"_s, u"175*200"_s, u"150*150"_s};
    QTest::newRow("odd part count makes no member row")
        << u"H鋼"_s << u"SN490B 500*200 SN490B"_s << QStringList{QString()} << QStringList{QString()}
        << QStringList{QString()};
}

void TestColumnExpansion::memberRowsFromGradesAndSizes() {
    QFETCH(QString, name);
    QFETCH(QString, sizes);
    QFETCH(QStringList, grades);
    QFETCH(QStringList, kinds);
    QFETCH(QStringList, sizeTexts);
    const QList<QStringList> rows = ExpandColumnEntry(payload({}, mainRecord(name, sizes), {}, {}, {}));
    QCOMPARE(rows.size(), grades.size());
    const bool member = !grades.first().isEmpty();
    for (int r = 0; r < rows.size(); ++r) {
        QCOMPARE(rows[r][5], grades[r]);
        QCOMPARE(rows[r][6], kinds[r]);
        QCOMPARE(rows[r][7], sizeTexts[r]);
        QCOMPARE(rows[r][8], member ? u"3500"_s : QString());
        QCOMPARE(rows[r][9], member ? u"2"_s : QString());
    }
}

void TestColumnExpansion::plateWithoutThicknessKeepsItsWeldAndBolts() {
    const QList<QStringList> rows =
        ExpandColumnEntry(payload({}, mainRecord(u"H鋼"_s, u"SN490B 400*200"_s, {}, u"1"_s, u"1"_s), {}, {},
                                  joined({plate(u"ベースプレート"_s, {}, u"現場"_s, u"ABR"_s), emptyPlate(),
                                          emptyPlate(), emptyPlate(), emptyPlate()})));
    QCOMPARE(rows.size(), 1);
    QCOMPARE(rows[0].mid(5, 5), (QStringList{u"SN490B"_s, u"H鋼"_s, u"400*200"_s, u"3500"_s, u"2"_s}));
    QCOMPARE(rows[0][12], u"現場"_s);
    QCOMPARE(rows[0][16], u"1.60"_s);
    QCOMPARE(rows[0].mid(20, 4), (QStringList{u"ABR"_s, u"M20"_s, u"55"_s, u"8"_s}));
    QVERIFY(rows[0][10].isEmpty() && rows[0][11].isEmpty()); // no joint, no joint count
}

void TestColumnExpansion::plateNamesAndFlatBar_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("abbreviation");
    QTest::addColumn<QString>("size");
    QTest::addColumn<QString>("length");
    QTest::newRow("base") << u"ベースプレート"_s << u"BASE.PL"_s << u"PL-9×200×300"_s << QString();
    QTest::newRow("stiffener") << u"スチフナー"_s << u"ST.PL"_s << u"PL-9×200×300"_s << QString();
    QTest::newRow("rib") << u"リブ"_s << u"RB.PL"_s << u"PL-9×200×300"_s << QString();
    QTest::newRow("splice") << u"スプライス"_s << u"SP.PL"_s << u"PL-9×200×300"_s << QString();
    QTest::newRow("any other name") << u"補強"_s << u"PL"_s << u"PL-9×200×300"_s << QString();
    QTest::newRow("flat bar: D is the length") << u"平鋼"_s << u"FLB.PL"_s << u"FLB-9×200"_s << u"300"_s;
}

void TestColumnExpansion::plateNamesAndFlatBar() {
    QFETCH(QString, name);
    QFETCH(QString, abbreviation);
    QFETCH(QString, size);
    QFETCH(QString, length);
    const QList<QStringList> rows = ExpandColumnEntry(
        payload({}, mainRecord(u"H鋼"_s, u"SN490B 400*200"_s), {}, {}, plate(name, u"9"_s, {}, {})));
    QCOMPARE(rows.size(), 2);
    QCOMPARE(rows[1].mid(5, 5), (QStringList{u"SN490B"_s, abbreviation, size, length, u"4"_s}));
}

void TestColumnExpansion::weldListsOnlyWhenMarked() {
    const QString a = weld(u"A"_s, u"1"_s);
    const QString b = weld(u"B"_s, u"2"_s);
    const auto methods = [&](const QString& markA, const QString& markB) {
        QStringList out;
        for (const QStringList& r :
             ExpandColumnEntry(payload({}, mainRecord(u"X"_s, {}, {}, markA, markB), a, b, {})))
            out.append(r[12]);
        return out;
    };
    QCOMPARE(methods(u"0"_s, u"0"_s), (QStringList{u"A"_s, u"B"_s}));
    QCOMPARE(methods(u"1"_s, u"0"_s), (QStringList{u"B"_s}));
    QCOMPARE(methods(u"0"_s, u""_s), (QStringList{u"A"_s}));
}

// A weld row emptied in the dialog (or in an edited entry text) is left out: the rows after it,
// and the second weld list, follow on without a gap and none is dropped.
void TestColumnExpansion::emptyWeldRowsLeaveNoGap() {
    const QString empty = QStringList(7).join(u'･');
    const QString a = joined({weld(u"A"_s, u"1"_s), empty, weld(u"C"_s, u"3"_s), empty});
    const QString b = joined({empty, weld(u"B"_s, u"2"_s)});
    const QList<QStringList> rows = ExpandColumnEntry(payload({}, mainRecord(u"X"_s, {}), a, b, {}));
    QStringList welds;
    for (const QStringList& r : rows)
        welds.append(r[12] + u':' + r[16]);
    QCOMPARE(welds, (QStringList{u"A:1"_s, u"C:3"_s, u"B:2"_s}));
}

QTEST_GUILESS_MAIN(TestColumnExpansion)
#include "tst_sheets_column_expansion.moc"
