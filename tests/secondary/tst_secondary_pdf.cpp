// `torvanel print secondary --pdf FILE`: the sheet's rows on landscape pages with embedded fonts.
#include "support/test_files.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::test;
using namespace Qt::StringLiterals;

class TestSecondaryPdf : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void printsTheWorkFile();
    void missingAndUndecodableFiles();

private:
    // Runs the program on `root`; returns its exit code, standard error in `err`.
    static int printPdf(const QString& root, const QString& pdf, QString* err);
    static QString tool(const QString& program, const QStringList& args);
};

int TestSecondaryPdf::printPdf(const QString& root, const QString& pdf, QString* err) {
    QProcess p;
    p.start(QStringLiteral(TV_EXECUTABLE),
            {u"--data-root"_s, root, u"print"_s, u"secondary"_s, u"--pdf"_s, pdf});
    p.waitForFinished(60000);
    *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitCode();
}

QString TestSecondaryPdf::tool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

void TestSecondaryPdf::printsTheWorkFile() {
    QTemporaryDir dir;
    const QString root = dir.path();
    QStringList lines{u"ZZ03'胴縁'2'X1'SS400'H鋼'H-200×100×5.5×8'3.5*2'4'28.00"_s,
                      u"ZZ03''''''''''''''''''''''hidden"_s};
    for (int i = 2; i <= 36; ++i)
        lines.append(u"ZZ03'BOLT'%1'Y%1'F10T'M20'55''8"_s.arg(i));
    writeCp932Lines(QDir(root).filePath(u"WorkData/WorkData-3.ini"_s), lines);
    const QString pdf = QDir(root).filePath(u"副部材.pdf"_s);
    QString err;
    QCOMPARE(printPdf(root, pdf, &err), 0);
    QVERIFY2(err.contains(u"PDFファイルに保存しました"_s), qPrintable(err));

    const QString printed = tool(u"pdftotext"_s, {u"-layout"_s, u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    QVERIFY2(printed.contains(u"副部材積算-1"_s) && printed.contains(u"副部材積算-2"_s), qPrintable(printed));
    QVERIFY(printed.contains(u"H-200×100×5.5×8"_s) && printed.contains(u"28.00"_s));
    QVERIFY(printed.contains(u"Y35"_s) && printed.contains(u"Y36"_s));
    QVERIFY(!printed.contains(u"hidden"_s));
    QCOMPARE(printed.count(u'\f'), 2);
    const int page2 = int(printed.indexOf(u"副部材積算-2"_s));
    QVERIFY(printed.indexOf(u"Y35"_s) < page2 && printed.indexOf(u"Y36"_s) > page2);

    const QString info = tool(u"pdfinfo"_s, {pdf});
    QVERIFY2(info.contains(u"842 x 595"_s) || info.contains(u"841.89 x 595.276"_s), qPrintable(info));
    const QStringList fonts = tool(u"pdffonts"_s, {pdf}).split(u'\n', Qt::SkipEmptyParts);
    QVERIFY2(fonts.size() > 2, "the PDF names no font");
    for (const QString& row : fonts.mid(2))
        QVERIFY2(row.contains(u"IPAPMincho"_s) && row.contains(u" yes "_s), qPrintable(row));
}

void TestSecondaryPdf::missingAndUndecodableFiles() {
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString pdf = QDir(root).filePath(u"empty.pdf"_s);
    QString err;
    QCOMPARE(printPdf(root, pdf, &err), 0); // no work file: one page with the frame and the title
    const QString printed = tool(u"pdftotext"_s, {u"-enc"_s, u"UTF-8"_s, pdf, u"-"_s});
    QVERIFY2(printed.contains(u"副部材積算-1"_s) && printed.count(u'\f') == 1, qPrintable(printed));

    writeBytes(QDir(root).filePath(u"WorkData/WorkData-3.ini"_s), QByteArray("ZZ03'\x82\r\n"));
    const QString refusedPdf = QDir(root).filePath(u"refused.pdf"_s);
    QCOMPARE(printPdf(root, refusedPdf, &err), 2);
    QVERIFY2(err.contains(u"WorkData-3.ini"_s), qPrintable(err));
    QVERIFY(!QFile::exists(refusedPdf));
}

QTEST_GUILESS_MAIN(TestSecondaryPdf)
#include "tst_secondary_pdf.moc"
