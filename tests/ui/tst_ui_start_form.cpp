// Smoke tests of the start window and the help viewer, and of the Qt ports: Japanese captions, the
// print preview and saving a printout as PDF.
#include "shell/info_form.h"
#include "shell/startup.h"
#include "state/app_state.h"
#include "support/memory_settings.h"
#include "support/recording_printer.h"
#include "support/scripted_file_chooser.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "ui/common/command_label.h"
#include "ui/common/info_form_view.h"
#include "ui/common/qt_file_chooser.h"
#include "ui/common/qt_printer.h"
#include "ui/common/qt_prompter.h"
#include "ui/common/qt_settings_store.h"
#include "ui/start/start_form_view.h"
#include "ui/start/window_program.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace tv;
using namespace tv::test;
using namespace Qt::StringLiterals;
using tv::services::PromptAnswer;
using tv::services::PromptButtons;

namespace {

struct NoWindows : services::WindowOpener {
    bool open(services::WindowId) override { return false; }
};

} // namespace

class TestUiStartForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void newProjectFromTheStartWindow();
    void helpViewerShowsEveryLine();
    void messageBoxButtonsAreJapanese_data();
    void messageBoxButtonsAreJapanese();
    void fileFilterInQtForm_data();
    void fileFilterInQtForm();
    void settingsGoToTheUsersFile();
    void printoutsGoThroughThePreview();
    void pdfFileNames_data();
    void pdfFileNames();
    void previewButtons_data();
    void previewButtons();
};

void TestUiStartForm::initTestCase() {
    // No print service: the tests never reach a real printer of the machine.
    qputenv("CUPS_SERVER", "/nonexistent/cups.sock");
    ui::setUpApplication(*qApp);
}

void TestUiStartForm::newProjectFromTheStartWindow() {
    QTemporaryDir dir;
    shell::Startup start = shell::startUp(dir.path(), QString());
    QVERIFY(start.error.isEmpty());
    AppState state;
    state.shell = start.state;
    ScriptedPrompter prompter;
    // A fresh installation: no project file and nothing entered, so New asks nothing first.
    prompter.expectOk(u"入力を開始できます。"_s, u"確認"_s);
    ScriptedFileChooser chooser;
    chooser.choose(QDir(dir.path()).filePath(u"Data/C棟.tkd"_s));
    MemorySettings settings;
    NoWindows opener;

    ui::StartFormView view(state, prompter, chooser, settings, opener);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    auto* name = view.findChild<QLabel*>(u"BNameGd"_s);
    QVERIFY(name);
    QCOMPARE(name->text(), QString());
    QCOMPARE(view.command(shell::StartForm::NewProject)->text(), u"新規作成"_s);

    QTest::mouseClick(view.command(shell::StartForm::NewProject), Qt::LeftButton);
    TV_VERIFY_PROMPTS(prompter);
    QCOMPARE(name->text(), u"C棟"_s);
    QCOMPARE(state.shell.project.projectName, u"C棟"_s);

    // Nothing is cut off: every label gets at least the room its text asks for.
    for (QLabel* label : view.findChildren<QLabel*>())
        QVERIFY2(label->width() >= label->sizeHint().width(), qPrintable(label->text()));

    QTest::mouseClick(view.command(shell::StartForm::Exit), Qt::LeftButton);
    QVERIFY(!view.isVisible());
    QCOMPARE(settings.values.value(u"KelAppT/FormPos/Left"_s), QString::number(view.pos().x() * 15));
}

void TestUiStartForm::helpViewerShowsEveryLine() {
    QTemporaryDir dir;
    shell::ProjectState project;
    project.helpFilePath = QDir(dir.path()).filePath(u"info-1.txt"_s);
    writeCp932Lines(project.helpFilePath, {u"【概要】"_s, QString(), u"柱を入力します。"_s});
    ScriptedPrompter prompter;
    prompter.expect(
        u"説明を印刷します。\nプリンターの電源を入れA4用紙をセット後OKしてください。\n(通常使うプリンターに出力されます)"_s,
        u"確認"_s, PromptButtons::OkCancel, PromptAnswer::Ok);
    prompter.expectOk(u"終了しました。"_s, u"印刷"_s);
    RecordingPrinter printer;
    shell::InfoForm model(project, prompter, printer);
    ui::InfoFormView view(model);
    view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&view));
    QCOMPARE(view.list()->count(), 3);
    QCOMPARE(view.list()->item(1)->text(), QString());
    QCOMPARE(view.command(1)->text(), u"説明を印刷する"_s);

    QTest::mouseClick(view.command(1), Qt::LeftButton);
    TV_VERIFY_PROMPTS(prompter);
    QCOMPARE(printer.documents.size(), 1);
    QCOMPARE(printer.documents[0].pages[0].texts.size(), 2);
    QTest::mouseClick(view.command(0), Qt::LeftButton);
    QVERIFY(!view.isVisible());
}

void TestUiStartForm::messageBoxButtonsAreJapanese_data() {
    QTest::addColumn<PromptButtons>("buttons");
    QTest::addColumn<QStringList>("captions");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<PromptAnswer>("answer");
    QTest::newRow("ok") << PromptButtons::Ok << QStringList{u"OK"_s} << 0 << PromptAnswer::Ok;
    QTest::newRow("ok, cancel") << PromptButtons::OkCancel << QStringList{u"OK"_s, u"キャンセル"_s} << 1
                                << PromptAnswer::Cancel;
    QTest::newRow("yes, no, cancel") << PromptButtons::YesNoCancel
                                     << QStringList{u"はい"_s, u"いいえ"_s, u"キャンセル"_s} << 1
                                     << PromptAnswer::No;
}

void TestUiStartForm::messageBoxButtonsAreJapanese() {
    QFETCH(PromptButtons, buttons);
    QFETCH(QStringList, captions);
    QFETCH(int, pressed);
    QFETCH(PromptAnswer, answer);
    QStringList shown;
    QString text;
    QTimer::singleShot(0, this, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box);
        text = box->windowTitle() + u'|' + box->text();
        QList<QAbstractButton*> ordered;
        for (const QString& caption : captions)
            for (QAbstractButton* button : box->buttons())
                if (button->text() == caption)
                    ordered.append(button);
        for (QAbstractButton* button : box->buttons())
            shown.append(button->text());
        QCOMPARE(ordered.size(), captions.size());
        ordered[pressed]->click();
    });
    ui::QtPrompter prompter;
    QCOMPARE(prompter.ask(u"一行目\n二行目"_s, u"確認"_s, buttons), answer);
    shown.sort();
    captions.sort();
    QCOMPARE(shown, captions);
    QCOMPARE(text, u"確認|一行目\n二行目"_s);
}

void TestUiStartForm::fileFilterInQtForm_data() {
    QTest::addColumn<QString>("filter");
    QTest::addColumn<QString>("qt");
    QTest::newRow("bundle") << u"鉄骨積算データ(.tkd)|*.tkd"_s << u"鉄骨積算データ(.tkd) (*.tkd)"_s;
    QTest::newRow("two filters, two patterns")
        << u"PDF|*.pdf|すべて|*.pdf;*.txt"_s << u"PDF (*.pdf);;すべて (*.pdf *.txt)"_s;
}

void TestUiStartForm::fileFilterInQtForm() {
    QFETCH(QString, filter);
    QFETCH(QString, qt);
    QCOMPARE(ui::QtFileChooser::qtFilter(filter), qt);
}

void TestUiStartForm::settingsGoToTheUsersFile() {
    ui::QtSettingsStore store;
    store.write(u"KelAppT"_s, u"FormPos"_s, u"Left"_s, u"1500"_s);
    const QSettings read(QSettings::IniFormat, QSettings::UserScope, u"KelAppT"_s);
    QCOMPARE(read.value(u"FormPos/Left"_s).toString(), u"1500"_s);
    QVERIFY2(read.fileName().endsWith(u"/KelAppT.ini"_s), qPrintable(read.fileName()));
}

void TestUiStartForm::printoutsGoThroughThePreview() {
    QTemporaryDir dir;
    const QString dataFolder = QDir(dir.path()).filePath(u"Data"_s);
    QVERIFY(QDir().mkpath(dataFolder));
    QVERIFY(QDir().mkpath(QDir(dir.path()).filePath(u"納品"_s)));
    const QString pdf = QDir(dir.path()).filePath(u"納品/A棟-入力説明.pdf"_s);
    ScriptedPrompter prompter;
    ScriptedFileChooser chooser;
    QString lastFolder;
    ui::QtPrinter printer(prompter, chooser, {dataFolder, u"A棟"_s, &lastFolder});
    QList<ui::PreviewChoice> choices;
    QStringList previewed, opened;
    printer.setPreview([&](const services::PrintDocument& document, const QString&) {
        previewed.append(document.title);
        return choices.takeFirst();
    });
    printer.setFileOpener([&](const QString& path) {
        opened.append(path);
        return true;
    });
    services::PrintDocument document;
    document.title = u"入力説明"_s;
    document.pages.append(
        {false,
         {{708, 1030, u"ＭＳ Ｐ明朝"_s, 11, false, false, u"説明"_s, {}, services::PrintAlign::Left}},
         {}});

    // Cancel in the preview: nothing is printed or written, and the caller hears that printing stopped.
    choices = {ui::PreviewChoice::Cancel};
    QCOMPARE(printer.print(document).error, u"印刷を中止しました。"_s);
    QCOMPARE(previewed, QStringList{u"入力説明"_s});
    QVERIFY(chooser.requests().isEmpty());

    // PDF in two steps: the save dialog starts in Data with the project's and the printout's name;
    // the saved file is offered to the desktop's viewer.
    const QString saved =
        u"PDFファイルに保存しました。\n%1\nPDFファイルを開きますか？"_s.arg(QDir::toNativeSeparators(pdf));
    choices = {ui::PreviewChoice::SavePdf};
    chooser.choose(pdf);
    prompter.expect(saved, u"印刷"_s, PromptButtons::OkCancel, PromptAnswer::Ok);
    QVERIFY(printer.print(document).ok());
    QCOMPARE(chooser.requests().value(0).initialFolder, dataFolder);
    QCOMPARE(chooser.requests().value(0).fileName, u"A棟-入力説明.pdf"_s);
    QCOMPARE(chooser.requests().value(0).defaultExtension, u"pdf"_s);
    QVERIFY(readBytes(pdf).startsWith("%PDF"));
    QCOMPARE(opened, QStringList{pdf});

    // The next save starts in the folder used last; replacing the file is asked first.
    choices = {ui::PreviewChoice::SavePdf};
    chooser.choose(pdf);
    prompter
        .expect(u"「A棟-入力説明.pdf」は既にあります。\n上書きしますか？"_s, u"印刷"_s,
                PromptButtons::OkCancel, PromptAnswer::Ok)
        .expect(saved, u"印刷"_s, PromptButtons::OkCancel, PromptAnswer::Cancel);
    QVERIFY(printer.print(document).ok());
    QCOMPARE(chooser.requests().value(1).initialFolder, QFileInfo(pdf).absolutePath());
    QCOMPARE(opened.size(), 1);
    TV_VERIFY_PROMPTS(prompter);

    // Without a printer the print button leads to the PDF as well.
    if (QPrinterInfo::defaultPrinter().isNull()) {
        choices = {ui::PreviewChoice::Print};
        chooser.cancel();
        QCOMPARE(printer.print(document).error, u"印刷を中止しました。"_s);
        QCOMPARE(chooser.requests().size(), 3);
    }
}

void TestUiStartForm::pdfFileNames_data() {
    QTest::addColumn<QString>("project");
    QTest::addColumn<QString>("printout");
    QTest::addColumn<QString>("name");
    QTest::newRow("project and table") << u"A棟"_s << u"鋼材集計表"_s << u"A棟-鋼材集計表.pdf"_s;
    QTest::newRow("no project open") << QString() << u"柱積算"_s << u"柱積算.pdf"_s;
    QTest::newRow("signs a file name cannot hold")
        << u"1/2期:倉庫"_s << u"入力説明-info-0"_s << u"1_2期_倉庫-入力説明-info-0.pdf"_s;
}

void TestUiStartForm::pdfFileNames() {
    QFETCH(QString, project);
    QFETCH(QString, printout);
    QFETCH(QString, name);
    QCOMPARE(ui::QtPrinter::pdfFileName(project, printout), name);
}

void TestUiStartForm::previewButtons_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<ui::PreviewChoice>("choice");
    QTest::newRow("PDFに保存") << u"PDFに保存"_s << ui::PreviewChoice::SavePdf;
    QTest::newRow("キャンセル") << u"キャンセル"_s << ui::PreviewChoice::Cancel;
}

void TestUiStartForm::previewButtons() {
    QFETCH(QString, button);
    QFETCH(ui::PreviewChoice, choice);
    services::PrintDocument document;
    document.pages.append({true, {}, {{963, 680, 15989, 680, 7}}});
    bool printOffered = true;
    QTimer::singleShot(0, this, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        for (QPushButton* b : dialog->findChildren<QPushButton*>()) {
            if (b->text() == u"印刷"_s)
                printOffered = b->isEnabled();
            if (b->text() == button)
                b->click();
        }
    });
    // Without a printer the pages can only be saved as PDF.
    QCOMPARE(ui::showPrintPreview(document, QString(), nullptr), choice);
    QVERIFY(!printOffered);
}

QTEST_MAIN(TestUiStartForm)
#include "tst_ui_start_form.moc"
