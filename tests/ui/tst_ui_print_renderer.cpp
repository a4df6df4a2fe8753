// PDF files are written whole or not at all: a full disk, a failing sync or rename is reported with
// the file and the reason, and the file that was there before stays as it was.
#include "shell/durable_file.h"
#include "support/test_files.h"
#include "ui/common/print_renderer.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;

namespace {

tv::services::PrintDocument twoPages() {
    tv::services::PrintDocument document;
    document.title = u"柱積算"_s;
    for (int p = 0; p < 2; ++p) {
        tv::services::PrintPage page;
        page.texts.append({1000, 1000, u"ＭＳ Ｐ明朝"_s, 10.5, false, false, u"鉄骨積算 %1頁"_s.arg(p + 1)});
        page.lines.append({500, 500, 10000, 500, 1});
        document.pages.append(page);
    }
    return document;
}

} // namespace

class TestPrintRenderer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void pdfIsWrittenWholeOrNotAtAll_data();
    void pdfIsWrittenWholeOrNotAtAll();
};

void TestPrintRenderer::pdfIsWrittenWholeOrNotAtAll_data() {
    QTest::addColumn<int>("bytesBeforeFailure");
    QTest::addColumn<int>("syncsBeforeFailure");
    QTest::addColumn<int>("renamesBeforeFailure");
    QTest::addColumn<QString>("reason"); // empty: written
    QTest::newRow("nothing fails") << -1 << -1 << -1 << QString();
    QTest::newRow("disk full at once") << 0 << -1 << -1 << u"ディスクの空き容量が不足しています。"_s;
    QTest::newRow("disk full after 4096 bytes")
        << 4096 << -1 << -1 << u"ディスクの空き容量が不足しています。"_s;
    QTest::newRow("sync fails") << -1 << 0 << -1 << u"ディスクの読み書きでエラーが起きました。"_s;
    QTest::newRow("rename fails") << -1 << -1 << 0 << u"ディスクの読み書きでエラーが起きました。"_s;
}

void TestPrintRenderer::pdfIsWrittenWholeOrNotAtAll() {
    QFETCH(int, bytesBeforeFailure);
    QFETCH(int, syncsBeforeFailure);
    QFETCH(int, renamesBeforeFailure);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString pdf = QDir(dir.path()).filePath(u"柱積算.pdf"_s);
    writeBytes(pdf, "the printout of yesterday");

    tv::services::Status written;
    {
        ScopedWriteFaults faults({bytesBeforeFailure, syncsBeforeFailure, renamesBeforeFailure});
        written = tv::ui::renderToPdf(twoPages(), pdf);
    }
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    QCOMPARE(left, QStringList{u"柱積算.pdf"_s}); // no temporary file stays
    if (reason.isEmpty()) {
        QVERIFY2(written.ok(), qPrintable(written.error));
        const QByteArray bytes = readBytes(pdf);
        QVERIFY(bytes.startsWith("%PDF-"));
        QVERIFY(bytes.trimmed().endsWith("%%EOF"));
        return;
    }
    QCOMPARE(written.error,
             u"ファイル「%1」に書き込めません。\n%2"_s.arg(QDir::toNativeSeparators(pdf), reason));
    QCOMPARE(readBytes(pdf), QByteArray("the printout of yesterday"));
}

QTEST_MAIN(TestPrintRenderer)
#include "tst_ui_print_renderer.moc"
