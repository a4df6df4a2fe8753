// The weld codes and coating shapes with their meanings: the items the lists show, what a cell
// stores for a pick, and the help texts of the two entry dialogs explaining the same codes.
#include "registries/input_codes.h"

#include <QFile>
#include <QTest>

using namespace tv::registries;
using namespace Qt::StringLiterals;

class TestInputCodes : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void listsShowCodesWithMeanings();
    void coatingShapesAreNamed();
    void helpTextsExplainTheCodes_data();
    void helpTextsExplainTheCodes();
};

// The lists offer exactly the codes the cells have always held, each with its meaning; a pick
// stores the code, and text that is not an explained item is stored as it is.
void TestInputCodes::listsShowCodesWithMeanings() {
    const QList<std::pair<QStringList, QStringList>> lists{
        {weldMethodItems(), {u"H"_s, u"A"_s}},
        {weldJointItems(), {u"T"_s, u"F"_s, u"B"_s, u"L"_s, u"FL"_s, u"P"_s}},
        {weldSidesItems(), {u"1"_s, u"2"_s}},
    };
    for (const auto& [items, codes] : lists) {
        QCOMPARE(items.size(), codes.size());
        for (qsizetype i = 0; i < items.size(); ++i) {
            QVERIFY2(items[i].startsWith(codes[i] + u"  "_s) && items[i].size() > codes[i].size() + 2,
                     qPrintable(items[i]));
            QCOMPARE(storedCode(items[i]), codes[i]);
        }
    }
    QCOMPARE(weldJointItems().first(), u"T  T継手（完全溶込み）"_s);
    QCOMPARE(weldSidesItems().last(), u"2  両面"_s);
    QCOMPARE(storedCode(u"HTB-F10T"_s), u"HTB-F10T"_s);
    QCOMPARE(storedCode(u"FL"_s), u"FL"_s);
    QCOMPARE(storedCode(u"T  何か"_s), u"T  何か"_s);
}

void TestInputCodes::coatingShapesAreNamed() {
    QStringList names;
    for (int shape = 1; shape <= kCoatingShapes; ++shape) {
        QVERIFY(!coatingShapeName(shape).isEmpty());
        QVERIFY(!names.contains(coatingShapeName(shape)));
        names.append(coatingShapeName(shape));
    }
    QCOMPARE(coatingShapeName(6), u"H形沿い：全周（4面）"_s);
    QCOMPARE(coatingShapeCaption(14), u"14  "_s + coatingShapeName(14));
    QCOMPARE(coatingShapeName(0), QString());
    QCOMPARE(coatingShapeName(15), QString());
}

void TestInputCodes::helpTextsExplainTheCodes_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("shapes");
    QTest::newRow("柱入力") << u"info-3.txt"_s << true;
    QTest::newRow("梁入力") << u"info-4.txt"_s << true;
    QTest::newRow("副部材積算") << u"info-5.txt"_s << false; // its 分類 has no shapes
}

// Every item of the weld lists, and every shape where the window has them, stands in the window's
// 入力説明 as the lists show it.
void TestInputCodes::helpTextsExplainTheCodes() {
    QFETCH(QString, file);
    QFETCH(bool, shapes);
    QFile help(QStringLiteral(TV_SHARE_DIR "/info/") + file);
    QVERIFY(help.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(help.readAll());
    QStringList wanted = weldMethodItems() + weldJointItems() + weldSidesItems();
    for (int shape = 1; shapes && shape <= kCoatingShapes; ++shape)
        wanted.append(coatingShapeCaption(shape));
    for (const QString& item : wanted)
        QVERIFY2(text.contains(item), qPrintable(item));
}

QTEST_GUILESS_MAIN(TestInputCodes)
#include "tst_registries_input_codes.moc"
