// Every printout drawn at print resolution keeps each text inside its cell and off the rules, texts
// too wide for their cell are drawn smaller and then cut with "…"; PDF files are written whole or not
// at all: a full disk, a failing sync or rename is reported with the file and the reason, and the
// file that was there before stays as it was.
#include "secondary/zatu_print.h"
#include "services/print_cell.h"
#include "sheets/sheet_layout.h"
#include "sheets/sheet_print.h"
#include "shell/durable_file.h"
#include "shell/info_form.h"
#include "support/test_files.h"
#include "totals/totals_print.h"
#include "totals/totals_tables.h"
#include "ui/common/print_renderer.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::shell;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PrintAlign;
using tv::services::PrintDocument;
using tv::services::PrintPage;
using tv::ui::DrawnPage;
using tv::ui::DrawnText;

Q_DECLARE_METATYPE(tv::services::PrintDocument)

namespace {

constexpr int kDpi = 600; // a printer's resolution
constexpr double kPixelsPerMm = kDpi / 25.4;

// Texts of every kind a cell meets: long Japanese texts, wide sizes, large numbers, and short ones.
const QStringList kCellTexts{
    u"小梁 各スパン中央SS400"_s, u"H-588×300×12×20"_s, u"12345678.90"_s, u"C1"_s, u"2"_s, u"SN490B"_s,
    u"PL-25×500×500"_s,          u"溶融亜鉛メッキ"_s};

QString cellText(int row, int column) {
    return kCellTexts[(row + column) % kCellTexts.size()];
}

// 40 rows with every printed column filled: two pages.
PrintDocument sheetPrintout(tv::sheets::SheetKind kind) {
    tv::services::TextGrid grid;
    tv::sheets::setUpSheetGrid(grid, kind);
    grid.resize(tv::sheets::kFirstDataRow + 40, tv::sheets::kSheetColumns);
    for (int row = 0; row < 40; ++row)
        for (int column = 2; column <= 23; ++column)
            grid.setText(tv::sheets::kFirstDataRow + row, column, cellText(row, column));
    return tv::sheets::sheetPrintout(grid, kind);
}

PrintDocument secondaryPrintout() {
    QList<tv::secondary::ZatuRow> rows(40);
    for (int row = 0; row < rows.size(); ++row)
        for (int cell = 1; cell <= tv::secondary::kLastPrintedCell; ++cell)
            rows[row].setCell(cell, cellText(row, cell));
    return tv::secondary::ZatuPrintLayout(rows);
}

PrintDocument totalsPrintout(tv::totals::TableId id) {
    tv::services::TextGrid table = tv::totals::TotalsTables().table(id);
    for (int row = 1; row < 50; ++row) {
        QStringList cells;
        for (int column = 0; column < table.columnCount(); ++column)
            cells.append(cellText(row, column));
        table.insertRow(row, cells);
    }
    return tv::totals::PrintTotalsTable(table, id,
                                        u"東京都江東区 新砂三丁目計画 倉庫棟 A棟・B棟 渡り廊下含む"_s);
}

PrintDocument helpPrintout() {
    return InfoForm::layout({u"【概要】"_s, QString(120, u'説'), u"・柱積算：柱の入力シートを開きます。"_s});
}

// A page drawn into an image at print resolution, and where its texts and rules went.
struct RenderedPage {
    QImage image;
    DrawnPage drawn;
};

RenderedPage render(const PrintPage& page) {
    const double shortMm = 210, longMm = 297;
    const QSize size(int((page.landscape ? longMm : shortMm) * kPixelsPerMm),
                     int((page.landscape ? shortMm : longMm) * kPixelsPerMm));
    RenderedPage rendered{QImage(size, QImage::Format_Grayscale8), {}};
    rendered.image.setDotsPerMeterX(int(kPixelsPerMm * 1000));
    rendered.image.setDotsPerMeterY(int(kPixelsPerMm * 1000));
    rendered.image.fill(Qt::white);
    QPainter painter(&rendered.image);
    rendered.drawn = tv::ui::drawPage(painter, page, kDpi, kDpi);
    return rendered;
}

bool withinCell(const DrawnText& text) {
    return text.cell.adjusted(-0.5, -0.5, 0.5, 0.5).contains(text.box);
}

// Whether any ink is left once every rule and every text box is painted over.
int strayInk(RenderedPage& rendered) {
    QPainter painter(&rendered.image);
    for (const QRectF& rule : rendered.drawn.rules)
        painter.fillRect(rule.adjusted(-2, -2, 2, 2), Qt::white);
    for (const DrawnText& text : rendered.drawn.texts)
        painter.fillRect(text.box.adjusted(-2, -2, 2, 2), Qt::white);
    painter.end();
    int stray = 0;
    for (int y = 0; y < rendered.image.height(); ++y) {
        const uchar* line = rendered.image.constScanLine(y);
        for (int x = 0; x < rendered.image.width(); ++x)
            stray += line[x] < 128;
    }
    return stray;
}

// A page with one text in a cell 12 mm wide and 4 mm high.
PrintPage oneCell(const QString& text, PrintAlign align) {
    PrintPage page;
    page.texts.append(tv::services::textInCell(text, u"ＭＳ Ｐ明朝"_s, 8.5,
                                               tv::services::boxFromMm(20, 20, 32, 24), align));
    return page;
}

tv::services::PrintDocument twoPages() {
    tv::services::PrintDocument document;
    document.title = u"柱積算"_s;
    for (int p = 0; p < 2; ++p) {
        tv::services::PrintPage page;
        page.texts.append({1000,
                           1000,
                           u"ＭＳ Ｐ明朝"_s,
                           10.5,
                           false,
                           false,
                           u"鉄骨積算 %1頁"_s.arg(p + 1),
                           {},
                           PrintAlign::Left});
        page.lines.append({500, 500, 10000, 500, 1});
        document.pages.append(page);
    }
    return document;
}

} // namespace

class TestPrintRenderer : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void textsStayInTheirCellsOffTheRules_data();
    void textsStayInTheirCellsOffTheRules();
    void aTextIsFittedIntoItsCell_data();
    void aTextIsFittedIntoItsCell();
    void pdfIsWrittenWholeOrNotAtAll_data();
    void pdfIsWrittenWholeOrNotAtAll();
};

void TestPrintRenderer::textsStayInTheirCellsOffTheRules_data() {
    QTest::addColumn<PrintDocument>("document");
    QTest::newRow("column sheet") << sheetPrintout(tv::sheets::SheetKind::Column);
    QTest::newRow("beam sheet") << sheetPrintout(tv::sheets::SheetKind::Beam);
    QTest::newRow("secondary sheet") << secondaryPrintout();
    for (int id = 0; id < tv::totals::kTableCount; ++id)
        QTest::newRow(qPrintable(tv::totals::tableCaption(tv::totals::TableId(id)) + u"集計表"_s))
            << totalsPrintout(tv::totals::TableId(id));
    QTest::newRow("help") << helpPrintout();
}

void TestPrintRenderer::textsStayInTheirCellsOffTheRules() {
    QFETCH(PrintDocument, document);
    const double gap = 0.1 * kPixelsPerMm; // the least clearance between a text and a rule
    int cut = 0;
    for (const PrintPage& page : document.pages) {
        RenderedPage rendered = render(page);
        QCOMPARE(rendered.drawn.texts.size(), page.texts.size());
        for (qsizetype i = 0; i < page.texts.size(); ++i) {
            const DrawnText& text = rendered.drawn.texts[i];
            const QString what = page.texts[i].text;
            for (const QRectF& rule : rendered.drawn.rules) {
                QVERIFY2(!text.box.adjusted(-gap, -gap, gap, gap).intersects(rule),
                         qPrintable(what + u" touches a rule"_s));
                QVERIFY2(!text.cell.intersects(rule), qPrintable(what + u"'s cell crosses a rule"_s));
            }
            QVERIFY2(!text.cell.isEmpty(), qPrintable(what + u" has no cell"_s));
            QVERIFY2(withinCell(text), qPrintable(what + u" leaves its cell"_s));
            QVERIFY(text.pointSize >= tv::services::kMinPrintPoints);
            // Two full-width characters fit every column, the narrowest (5 mm) included.
            QVERIFY2(what.size() > 2 || text.text == what, qPrintable(what + u" is cut"_s));
            if (text.text != what) {
                QVERIFY2(text.text.endsWith(u'…') && what.startsWith(text.text.chopped(1)), qPrintable(what));
                ++cut;
            }
        }
        QCOMPARE(strayInk(rendered), 0);
    }
    if (QByteArray(QTest::currentDataTag()) != "help") // its lines fit the paper but the long one
        QVERIFY(cut > 0);
}

void TestPrintRenderer::aTextIsFittedIntoItsCell_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<PrintAlign>("align");
    QTest::addColumn<bool>("smaller");
    QTest::addColumn<QString>("drawn"); // empty: the whole text
    QTest::newRow("a short number ends at the cell's right")
        << u"3500"_s << PrintAlign::Right << false << QString();
    QTest::newRow("a short text starts at the cell's left")
        << u"X1通り"_s << PrintAlign::Left << false << QString();
    QTest::newRow("a short text is centred") << u"C1"_s << PrintAlign::Centre << false << QString();
    QTest::newRow("a little too wide: smaller") << u"小梁中央部"_s << PrintAlign::Left << true << QString();
    QTest::newRow("far too wide: smallest, then cut")
        << u"小梁 各スパン中央SS400 通り芯より500"_s << PrintAlign::Left << true << u"…"_s;
}

void TestPrintRenderer::aTextIsFittedIntoItsCell() {
    QFETCH(QString, text);
    QFETCH(PrintAlign, align);
    QFETCH(bool, smaller);
    QFETCH(QString, drawn);
    RenderedPage rendered = render(oneCell(text, align));
    const DrawnText& fitted = rendered.drawn.texts.value(0);
    QVERIFY(withinCell(fitted));
    QCOMPARE(fitted.pointSize < 8.5, smaller);
    if (drawn.isEmpty()) {
        QCOMPARE(fitted.text, text);
    } else {
        QCOMPARE(fitted.pointSize, tv::services::kMinPrintPoints);
        QVERIFY(fitted.text.endsWith(drawn));
        QVERIFY(text.startsWith(fitted.text.chopped(1)));
    }
    if (align == PrintAlign::Left)
        QCOMPARE(fitted.box.left(), fitted.cell.left());
    else if (align == PrintAlign::Right)
        QCOMPARE(fitted.box.right(), fitted.cell.right());
    else
        QCOMPARE(fitted.box.center().x(), fitted.cell.center().x());
    QCOMPARE(fitted.box.center().y(), fitted.cell.center().y());
    QCOMPARE(strayInk(rendered), 0);
}

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
