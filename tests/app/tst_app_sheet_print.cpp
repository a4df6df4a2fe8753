// `print column-sheet` and `print beam-sheet` write the sheets' printout as PDF.
#include "support/test_files.h"
#include "torvanel_run.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

QString tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

QString line(const QString& tag, QStringList cells) {
    cells.resize(28);
    return tag + u'\'' + cells.join(u'\'');
}

} // namespace

class TestSheetPrintCommand : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetsPrintAsPdf();
};

void TestSheetPrintCommand::sheetsPrintAsPdf() {
    QTemporaryDir dir;
    const QString root = dir.path();
    makeDataFolders(root);
    writeCp932Lines(QDir(root).filePath(u"WorkData/WorkData-1.ini"_s),
                    {line(u"ZZ01"_s, {u"柱"_s, u"2"_s, u"C1"_s, u"X1通り"_s, u"SN490B"_s, u"H鋼"_s,
                                      u"400*200*8*13"_s, u"3500"_s, u"2"_s}),
                     line(u"ZZ01"_s, {{}, {}, {}, {}, u"SN490B"_s, u"DIA.PL"_s, u"PL-25×500×500"_s}),
                     line(u"ZZ01"_s, {u"柱"_s, u"2"_s, u"C2"_s, u"小梁 各スパン中央SS400 通り芯より500"_s})});
    const QString pdf = QDir(root).filePath(u"柱.pdf"_s);
    const Run run = torvanel(root, {u"print"_s, u"column-sheet"_s, u"--pdf"_s, pdf});
    QCOMPARE(run.exitCode, 0);
    QVERIFY2(run.err.contains(u"PDFファイルに保存しました"_s), qPrintable(run.err));
    const QString printed = tool(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    for (const QString& expected :
         {u"柱積算-1"_s, u"X1通り"_s, u"400*200*8*13"_s, u"PL-25×500×500"_s, u"塗装/耐火被覆"_s})
        QVERIFY2(printed.contains(expected), qPrintable(expected + u" missing in:\n"_s + printed));
    // A comment too long for its column is cut there, as in the windows' printout.
    QVERIFY2(printed.contains(u"小梁"_s) && printed.contains(u'…') && !printed.contains(u"通り芯より500"_s),
             qPrintable(printed));
    QCOMPARE(printed.count(u'\f'), 1);
    const QStringList fonts = tool(u"pdffonts"_s, {pdf}).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(fonts.size() > 2, "the PDF names no font");
    for (const QString& row : fonts.mid(2))
        QVERIFY2(row.contains(u"IPAPMincho"_s) && row.contains(u" yes "_s), qPrintable(row));

    // The beam sheet without a work file prints its empty first page.
    const Run beam = torvanel(root, {u"print"_s, u"beam-sheet"_s, u"--pdf"_s, pdf});
    QCOMPARE(beam.exitCode, 0);
    QVERIFY(tool(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s}).contains(u"梁積算-1"_s));

    // A work file that does not decode is refused by name and writes no file.
    writeBytes(QDir(root).filePath(u"WorkData/WorkData-1.ini"_s), QByteArray("ZZ01'\x82\r\n"));
    QFile::remove(pdf);
    const Run refused = torvanel(root, {u"print"_s, u"column-sheet"_s, u"--pdf"_s, pdf});
    QCOMPARE(refused.exitCode, 2);
    QVERIFY2(refused.err.contains(u"WorkData-1.ini"_s), qPrintable(refused.err));
    QVERIFY(!QFile::exists(pdf));
}

QTEST_GUILESS_MAIN(TestSheetPrintCommand)
#include "tst_app_sheet_print.moc"
