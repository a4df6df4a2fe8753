// TextGridModel under the item model tester, and TextGridView driven offscreen through its editors.
#include "ui/common/text_grid_model.h"
#include "ui/common/text_grid_view.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QBrush>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

using namespace tv::services;
using namespace tv::ui;
using namespace Qt::StringLiterals;

namespace {

struct Commit {
    int row;
    int column;
    QString text;
    bool operator==(const Commit&) const = default;
};

// A grid of one header row and one label column; column 1 takes typed text, column 2 a list item.
TextGrid sampleGrid(int bodyRows = 4) {
    TextGrid grid(bodyRows + 1, 3);
    grid.setFixedRows(1);
    grid.setFixedColumns(1);
    grid.setRowTexts(0, {u"No"_s, u"部材"_s, u"材質"_s});
    for (int r = 1; r <= bodyRows; ++r)
        grid.setRowTexts(r, {QString::number(r), u"H-%1"_s.arg(r * 100), u"SS400"_s});
    grid.setColumnWidth(1, 1500);
    grid.setAlignment(1, CellAlignment::Right);
    return grid;
}

// A view over the grid, shown offscreen, whose callbacks record what they receive.
struct ViewFixture {
    explicit ViewFixture(TextGrid& grid) : view(&grid) {
        view.setOfferCallback([](int, int column) {
            if (column == 1)
                return CellOffer{CellOffer::Kind::Text, {}};
            if (column == 2)
                return CellOffer{CellOffer::Kind::List, {u"SS400"_s, u"SN400B"_s, u"SN490B"_s}};
            return CellOffer{};
        });
        view.setCommitCallback([this](int row, int column, const QString& text) {
            commits.append({row, column, text});
            view.grid()->setText(row, column, text);
            view.refreshRows(row, row);
        });
        view.setErrorCallback([this](int, int, char32_t character) { errors.append(character); });
        view.resize(480, 240);
        view.show();
    }

    QPoint centre(int row, int column) const {
        return view.visualRect(view.model()->index(row, column)).center();
    }
    void click(int row, int column, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(view.viewport(), button, {}, centre(row, column));
    }

    TextGridView view;
    QList<Commit> commits;
    QList<char32_t> errors;
};

} // namespace

class TestUiTextGrid : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void modelPassesTheTesterThroughChanges();
    void modelShowsColoursAlignmentAndHeaders();
    void viewLaysOutSpansAndWidths();
    void textCellCommitsAndMovesDown();
    void textCellRefusesWhatCannotBeStored();
    void listCellPicksAnItem();
    void listCellTakesTypedText();
    void rightClickAndFixedCells();
    void topRowFollowsScrolling();
};

void TestUiTextGrid::modelPassesTheTesterThroughChanges() {
    TextGrid grid = sampleGrid();
    grid.addSpan({0, 1, 1, 2});
    TextGridModel model(&grid);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);

    model.insertGridRow(2, {u"9"_s, u"C-100"_s});
    QCOMPARE(model.rowCount(), 6);
    QCOMPARE(model.index(2, 1).data().toString(), u"C-100"_s);
    model.removeGridRow(1);
    QCOMPARE(model.index(1, 1).data().toString(), u"C-100"_s);

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    grid.setText(3, 1, u"B-1"_s);
    model.refreshRows(3, 99);
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed[0][0].toModelIndex(), model.index(3, 0));
    QCOMPARE(changed[0][1].toModelIndex(), model.index(4, 2));

    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    grid.resize(2, 4);
    model.refresh();
    QCOMPARE(reset.size(), 1);
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.rowCount(), 2);
}

void TestUiTextGrid::modelShowsColoursAlignmentAndHeaders() {
    TextGrid grid = sampleGrid();
    grid.setBackColor(2, 1, Rgb{255, 255, 0});
    TextGridModel model(&grid);

    QCOMPARE(model.index(2, 1).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(255, 255, 0));
    QVERIFY(!model.index(2, 2).data(Qt::BackgroundRole).isValid());
    QVERIFY(model.index(0, 2).data(Qt::BackgroundRole).canConvert<QBrush>()); // header grey
    QVERIFY(model.index(3, 0).data(Qt::BackgroundRole).canConvert<QBrush>());

    const auto alignment = [&](int row, int column) {
        return Qt::Alignment(model.index(row, column).data(Qt::TextAlignmentRole).toInt());
    };
    QCOMPARE(alignment(2, 1), Qt::AlignRight | Qt::AlignVCenter);
    QCOMPARE(alignment(2, 2), Qt::AlignLeft | Qt::AlignVCenter);
    QCOMPARE(alignment(0, 1), Qt::AlignHCenter | Qt::AlignVCenter);

    QCOMPARE(model.index(0, 1).data(Qt::EditRole).toString(), u"部材"_s);
    QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsSelectable));
    QVERIFY(!(model.flags(model.index(2, 0)) & Qt::ItemIsSelectable));
    QVERIFY(model.flags(model.index(2, 1)) & Qt::ItemIsSelectable);
}

void TestUiTextGrid::viewLaysOutSpansAndWidths() {
    TextGrid grid = sampleGrid();
    grid.addSpan({0, 1, 1, 2});
    grid.setColumnWidth(0, 0);
    TextGridView view(&grid);
    QVERIFY(view.horizontalHeader()->isHidden());
    QVERIFY(view.verticalHeader()->isHidden());
    QCOMPARE(view.columnSpan(0, 1), 2);
    QCOMPARE(view.columnWidth(1), 1500 * view.logicalDpiX() / 1440);
    QVERIFY(view.isColumnHidden(0));

    grid.clearSpans();
    grid.setColumnWidth(0, 600);
    view.refresh();
    QCOMPARE(view.columnSpan(0, 1), 1);
    QVERIFY(!view.isColumnHidden(0));
}

void TestUiTextGrid::textCellCommitsAndMovesDown() {
    TextGrid grid = sampleGrid();
    ViewFixture f(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));

    f.click(1, 1);
    QLineEdit* editor = f.view.lineEditor();
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), u"H-100"_s);
    QCOMPARE(grid.currentRow(), 1);
    QCOMPARE(editor->geometry(), f.view.visualRect(f.view.model()->index(1, 1)));

    QTest::keyClicks(editor, u"C-250"_s); // replaces the selected text
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(f.commits, (QList<Commit>{{1, 1, u"C-250"_s}}));
    QVERIFY(!editor->isVisible());
    QCOMPARE(grid.currentRow(), 2);
    QCOMPARE(grid.currentColumn(), 1);
    QCOMPARE(f.view.currentIndex(), f.view.model()->index(2, 1));

    // Typing on the current cell opens the editor with what was typed; look-alikes are mapped.
    QTest::keyClick(&f.view, Qt::Key_A);
    QVERIFY(editor->isVisible());
    editor->insert(u"\u301C1"_s); // as an input method enters it
    QTest::keyClick(editor, Qt::Key_Up);
    QCOMPARE(f.commits.last(), (Commit{2, 1, u"a\uFF5E1"_s}));
    QCOMPARE(grid.currentRow(), 1);

    // Up from the first body row commits but stays out of the header row; Escape drops the text.
    f.click(1, 1);
    QTest::keyClick(editor, Qt::Key_Up);
    QCOMPARE(f.commits.size(), 3);
    QCOMPARE(grid.currentRow(), 1);
    f.click(1, 1);
    QTest::keyClicks(editor, u"xyz"_s);
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(!editor->isVisible());
    QCOMPARE(f.commits.size(), 3);
    QCOMPARE(grid.text(1, 1), u"C-250"_s);
}

void TestUiTextGrid::textCellRefusesWhatCannotBeStored() {
    TextGrid grid = sampleGrid();
    ViewFixture f(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));

    // Only the refused character leaves the editor; the rest of the typing stays for a look.
    f.click(3, 1);
    QLineEdit* editor = f.view.lineEditor();
    editor->insert(u"caf\u00E9s"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(f.errors, (QList<char32_t>{U'\u00E9'}));
    QVERIFY(f.commits.isEmpty());
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->text(), u"cafs"_s);
    QCOMPARE(grid.currentRow(), 3);

    // Clicking another cell does not leave a bad character behind either.
    editor->insert(u"\u00E9"_s);
    f.click(1, 1);
    QCOMPARE(f.errors.size(), 2);
    QVERIFY(f.commits.isEmpty());
    QCOMPARE(grid.currentRow(), 3);
    QCOMPARE(editor->text(), u"cafs"_s);

    QTest::keyClick(editor, Qt::Key_Down);
    QCOMPARE(f.commits, (QList<Commit>{{3, 1, u"cafs"_s}}));
    QCOMPARE(grid.currentRow(), 4);
}

// Typing on a list cell opens the list editor, not the list: Enter hands the typed text over as a
// pick (the window decides which item it names) and the cell stays current; leaving the editor
// otherwise keeps the text only when it names an item.
void TestUiTextGrid::listCellTakesTypedText() {
    TextGrid grid = sampleGrid();
    ViewFixture f(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QLineEdit* editor = f.view.listEditor();

    f.view.setCurrentIndex(f.view.model()->index(2, 2));
    QTest::keyClick(&f.view, 'S');
    QVERIFY(editor->isVisible());
    QVERIFY(!f.view.popupList()->isVisible());
    QVERIFY(!f.view.lineEditor()->isVisible());
    QCOMPARE(f.view.candidateList()->count(), 3);
    QTest::keyClicks(editor, u"N490B"_s);
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(f.commits, (QList<Commit>{{2, 2, u"SN490B"_s}}));
    QVERIFY(!editor->isVisible());
    QCOMPARE(grid.currentRow(), 2);

    // A click elsewhere keeps text that names an item, and drops text that does not.
    QTest::keyClick(&f.view, 'S');
    QTest::keyClicks(editor, u"S400"_s);
    f.click(4, 1);
    QCOMPARE(f.commits.last(), (Commit{2, 2, u"SS400"_s}));
    f.view.cancelEditor();
    f.view.setCurrentIndex(f.view.model()->index(3, 2));
    QTest::keyClick(&f.view, 'M');
    QTest::keyClicks(editor, u"24"_s);
    f.click(4, 1);
    QCOMPARE(f.commits.size(), 2);
    QVERIFY(!editor->isVisible());
    QCOMPARE(grid.text(3, 2), u"SS400"_s);
}

void TestUiTextGrid::listCellPicksAnItem() {
    TextGrid grid = sampleGrid();
    ViewFixture f(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));

    f.click(2, 2);
    QListWidget* list = f.view.popupList();
    QVERIFY(list->isVisible());
    QCOMPARE(list->count(), 3);
    QCOMPARE(list->currentItem()->text(), u"SS400"_s); // the cell's text is preselected
    const QRect cell = f.view.visualRect(f.view.model()->index(2, 2));
    QCOMPARE(list->geometry().topLeft(), f.view.viewport()->mapToGlobal(cell.bottomLeft() + QPoint(0, 1)));

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    QCOMPARE(f.commits, (QList<Commit>{{2, 2, u"SN490B"_s}}));
    QVERIFY(!list->isVisible());

    f.click(3, 2);
    QVERIFY(list->isVisible());
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    QCOMPARE(f.commits.last(), (Commit{3, 2, u"SN400B"_s}));
    QVERIFY(!list->isVisible());

    f.click(4, 2);
    QTest::keyClick(list, Qt::Key_Escape);
    QVERIFY(!list->isVisible());
    QCOMPARE(f.commits.size(), 2);
}

void TestUiTextGrid::rightClickAndFixedCells() {
    TextGrid grid = sampleGrid();
    ViewFixture f(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QSignalSpy rightClicks(&f.view, &TextGridView::cellRightClicked);

    f.click(3, 2, Qt::RightButton);
    QCOMPARE(rightClicks.size(), 1);
    QCOMPARE(rightClicks[0], (QList<QVariant>{3, 2}));
    QCOMPARE(grid.currentRow(), 3);
    QVERIFY(!f.view.popupList()->isVisible());

    f.click(0, 1); // the header row never becomes current
    QCOMPARE(grid.currentRow(), 3);
    f.click(2, 0);
    QCOMPARE(grid.currentRow(), 3);
    QCOMPARE(grid.currentColumn(), 2);
    QVERIFY(f.commits.isEmpty());

    QTest::keyClick(&f.view, Qt::Key_PageUp);
    QCOMPARE(grid.currentRow(), 1);
    QTest::keyClick(&f.view, Qt::Key_Home);
    QCOMPARE(grid.currentColumn(), 1);
}

void TestUiTextGrid::topRowFollowsScrolling() {
    TextGrid grid = sampleGrid(200);
    ViewFixture f(grid);
    QVERIFY(QTest::qWaitForWindowExposed(&f.view));
    QCOMPARE(grid.topRow(), 1);

    f.view.scrollToRow(50);
    QCOMPARE(f.view.rowAt(0), 50);
    QCOMPARE(grid.topRow(), 50);
    f.view.verticalScrollBar()->setValue(80);
    QCOMPARE(grid.topRow(), 80);

    // The window model moves the top row and the current cell; refresh shows them.
    grid.setTopRow(120);
    grid.setCurrent(125, 1);
    f.view.refresh();
    QCOMPARE(f.view.rowAt(0), 120);
    QCOMPARE(f.view.currentIndex(), f.view.model()->index(125, 1));
    f.view.scrollToRow(0);
    QCOMPARE(f.view.rowAt(0), 0);
    QCOMPARE(grid.topRow(), 1);
}

QTEST_MAIN(TestUiTextGrid)
#include "tst_ui_text_grid.moc"
