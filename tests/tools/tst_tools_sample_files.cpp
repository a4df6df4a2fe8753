// The shipped weld rates and sample projects are what the tool makes from the models now: a rule
// that changed without the files being made again fails here.
#include "sample_files/sample_files.h"

#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSampleFiles : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shippedFilesAreMadeByTheTool();
};

void TestSampleFiles::shippedFilesAreMadeByTheTool() {
    const tv::samples::MadeFiles made = tv::samples::makeSampleFiles(QStringLiteral(TV_SHARE_DIR));
    QVERIFY2(made.error.isEmpty(), qPrintable(made.error));
    QVERIFY(!made.files.isEmpty());
    for (const tv::samples::ShippedFile& file : made.files) {
        QFile shipped(QStringLiteral(TV_SHARE_DIR "/") + file.relativePath);
        QVERIFY2(shipped.open(QIODevice::ReadOnly), qPrintable(file.relativePath));
        const QStringList present = QString::fromUtf8(shipped.readAll()).split(u'\n');
        // The first differing line, so that the message says what changed.
        for (qsizetype i = 0; i < std::max(present.size() - 1, file.lines.size()); ++i) {
            QVERIFY2(
                present.value(i) == file.lines.value(i),
                qPrintable(u"%1 line %2: shipped \"%3\", made \"%4\" (cmake --build build --target samples)"_s
                               .arg(file.relativePath)
                               .arg(i + 1)
                               .arg(present.value(i), file.lines.value(i))));
        }
        QCOMPARE(tv::samples::shippedBytes(file.lines).size(), QFile(shipped.fileName()).size());
    }
}

QTEST_GUILESS_MAIN(TestSampleFiles)
#include "tst_tools_sample_files.moc"
