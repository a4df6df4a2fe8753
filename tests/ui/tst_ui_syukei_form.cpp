// The totals window offscreen: a run fills the shown grid, the options switch the frame, and
// "Excelに送る" puts the shown table on the clipboard; "Excelファイルに保存…" asks for a file.
#include "support/fake_clipboard.h"
#include "support/recording_printer.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "totals/totals_project.h"
#include "ui/common/text_grid_view.h"
#include "ui/totals/syukei_form_view.h"

#include <QAbstractItemModelTester>
#include <QLabel>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace tv::test;
using namespace tv::totals;
using namespace tv::ui;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

class TestUiSyukeiForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void runsSwitchesAndCopies();
};

void TestUiSyukeiForm::runsSwitchesAndCopies() {
    QTemporaryDir dir;
    makeDataFolders(dir.path());
    const tv::shell::DataRoot root(dir.path());
    writeTotalsProject(root);
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    FakeClipboard clipboard;
    ScriptedFileChooser chooser;
    tv::lists::MemberLists lists;
    SyukeiForm model(root, u"A棟"_s, lists, prompter, printer, clipboard, chooser);
    QVERIFY(model.open());
    SyukeiFormView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QAbstractItemModelTester tester(view.gridView(0)->model());

    prompter
        .expectOk(u"単位重量が登録されていない部材があります。\n登録後再度集計してください。"_s, u"確認"_s)
        .expectOk(u"終了しました。"_s, u"集計"_s);
    QTest::mouseClick(view.findChild<QLabel*>(u"CmdGd_1"_s), Qt::LeftButton);
    QCOMPARE(view.gridView(0)->model()->rowCount(), 1 + int(expectedSteel().size()));
    QCOMPARE(view.gridView(0)->model()->index(1, 8).data().toString(), u"462.00"_s);
    // Group numbers show once for their rows: the two C形鋼, the four plates.
    QCOMPARE(view.gridView(0)->rowSpan(2, 0), 2);
    QCOMPARE(view.gridView(0)->rowSpan(5, 0), 4);

    QTest::mouseClick(view.findChild<QRadioButton*>(u"HyojiOp_4"_s), Qt::LeftButton);
    QCOMPARE(model.HyojiOp(), 4);
    QCOMPARE(view.findChild<QStackedWidget*>()->currentIndex(), 4);
    QVERIFY(view.gridView(4)->isVisible() && !view.gridView(0)->isVisible());

    prompter.expect(
        u"「溶融亜鉛メッキ」の集計結果をExcelのシートに貼り付けできます。\n①Excelの貼り付けしたいシート上"
        u"の任意のセルをクリックします。\n②Excel上で「編集」＞「貼り付け」を実行します。"_s,
        u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok);
    QTest::mouseClick(view.findChild<QLabel*>(u"CmdGd_3"_s), Qt::LeftButton);
    // The galvanizing table as shown: its header, then the rows worked out for the project.
    QString galv = u"\t分類\tサイズ\t数量\t数量\t単位重量\t単位重量\t総重量(Kg)"_s;
    for (const QStringList& row : expectedGalv())
        galv += u'\r' + row.join(u'\t');
    QCOMPARE(clipboard.texts, QStringList{galv});

    // "Excelファイルに保存…" asks for the file; a cancelled dialog writes nothing.
    chooser.cancel();
    QTest::mouseClick(view.findChild<QLabel*>(u"CmdGd_4"_s), Qt::LeftButton);
    QCOMPARE(chooser.requests().value(0).fileName, u"A棟-集計.xlsx"_s);
    TV_VERIFY_PROMPTS(prompter);

    QTest::mouseClick(view.findChild<QLabel*>(u"CmdGd_0"_s), Qt::LeftButton);
    QVERIFY(!view.isVisible());
}

QTEST_MAIN(TestUiSyukeiForm)
#include "tst_ui_syukei_form.moc"
