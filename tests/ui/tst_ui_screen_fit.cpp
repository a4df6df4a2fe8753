// Windows of the registry, list, settings and help views keep inside the screen's available area,
// with their commands in reach; the file dialogs show Japanese columns wide enough for their text.
#include "lists/list_form.h"
#include "registries/buzai_form.h"
#include "registries/kansan_form.h"
#include "registries/settei_form.h"
#include "shell/info_form.h"
#include "support/recording_printer.h"
#include "support/scripted_prompter.h"
#include "support/test_files.h"
#include "ui/common/info_form_view.h"
#include "ui/common/qt_file_chooser.h"
#include "ui/lists/list_form_view.h"
#include "ui/registries/buzai_form_view.h"
#include "ui/registries/kansan_form_view.h"
#include "ui/registries/settei_form_view.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <memory>

using namespace tv;
using namespace tv::test;
using namespace Qt::StringLiterals;

class TestUiScreenFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void windowsKeepInsideTheAvailableArea_data();
    void windowsKeepInsideTheAvailableArea();
    void fileDialogColumnsAreJapaneseAndUncut();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    shell::DataRoot m_root;
};

void TestUiScreenFit::init() {
    m_dir = std::make_unique<QTemporaryDir>();
    makeDataRoot(m_dir->path());
    m_root = shell::DataRoot(m_dir->path());
}

void TestUiScreenFit::windowsKeepInsideTheAvailableArea_data() {
    QTest::addColumn<QString>("window");
    for (const char* name : {"部材単位重量登録", "隅肉6㍉換算率", "初期設定", "リスト登録", "入力説明"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void TestUiScreenFit::windowsKeepInsideTheAvailableArea() {
    QFETCH(QString, window);
    ScriptedPrompter prompter;
    RecordingPrinter printer;
    lists::MemberLists lists;
    shell::ProjectState project;
    // A help text with a line far wider than the screen and more lines than it can show.
    project.helpFilePath = QDir(m_dir->path()).filePath(u"info-0.txt"_s);
    writeCp932Lines(project.helpFilePath, QStringList(80, QString(200, u'説')));
    std::unique_ptr<QObject> model;
    std::unique_ptr<QWidget> view;
    if (window == u"部材単位重量登録") {
        auto* form = new registries::BuzaiForm(m_root, prompter);
        model.reset(form);
        QVERIFY(form->open());
        view = std::make_unique<ui::BuzaiFormView>(*form);
    } else if (window == u"隅肉6㍉換算率") {
        auto* form = new registries::KansanForm(m_root, prompter);
        model.reset(form);
        QVERIFY(form->open());
        view = std::make_unique<ui::KansanFormView>(*form, prompter);
    } else if (window == u"初期設定") {
        auto* form = new registries::SetteiForm(m_root, prompter);
        model.reset(form);
        QVERIFY(form->open());
        view = std::make_unique<ui::SetteiFormView>(*form);
    } else if (window == u"リスト登録") {
        for (const char* file : {"HasiraListData.ini", "HariListData.ini", "JointListData.ini"})
            writeCp932Lines(m_root.file(shell::kListFolder, QString::fromUtf8(file)), {});
        auto* form = new lists::ListForm(m_root, lists, prompter);
        model.reset(form);
        QVERIFY(form->open());
        view = std::make_unique<ui::ListFormView>(*form);
    }
    std::unique_ptr<shell::InfoForm> info;
    if (window == u"入力説明") {
        info = std::make_unique<shell::InfoForm>(project, prompter, printer);
        view = std::make_unique<ui::InfoFormView>(*info);
    }
    QVERIFY(view);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
    const QRect available = view->screen()->availableGeometry();
    QVERIFY2(available.contains(view->frameGeometry()),
             qPrintable(u"%1,%2 %3x%4"_s.arg(view->frameGeometry().x())
                            .arg(view->frameGeometry().y())
                            .arg(view->frameGeometry().width())
                            .arg(view->frameGeometry().height())));
    view->hide();
    TV_VERIFY_PROMPTS(prompter);
}

void TestUiScreenFit::fileDialogColumnsAreJapaneseAndUncut() {
    writeBytes(QDir(m_root.folder(shell::kDataFolder)).filePath(u"2024.05 東京第二工場 増築.tkd"_s), "x");
    QStringList captions;
    bool uncut = false;
    bool inside = false;
    QTimer::singleShot(0, this, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        auto* tree = dialog->findChild<QTreeView*>();
        QTRY_VERIFY(tree && tree->model()->rowCount(tree->rootIndex()) > 0);
        QHeaderView* header = tree->header();
        uncut = true;
        for (int c = 0; c < header->count(); ++c) {
            captions.append(tree->model()->headerData(c, Qt::Horizontal).toString());
            const QString widest =
                c == 0 ? tree->model()->index(0, 0, tree->rootIndex()).data().toString() : captions.last();
            uncut = uncut && header->sectionSize(c) >= tree->fontMetrics().horizontalAdvance(widest);
        }
        inside = dialog->screen()->availableGeometry().contains(dialog->frameGeometry());
        dialog->reject();
    });
    ui::QtFileChooser chooser;
    services::FileDialogRequest request;
    request.kind = services::FileDialogRequest::Kind::Open;
    request.title = u"読込"_s;
    request.filter = u"物件ファイル|*.tkd"_s;
    request.initialFolder = m_root.folder(shell::kDataFolder);
    QCOMPARE(chooser.choose(request).outcome, services::FileChoice::Outcome::Cancelled);
    QCOMPARE(captions, (QStringList{u"名前"_s, u"サイズ"_s, u"種類"_s, u"更新日時"_s}));
    QVERIFY(uncut);
    QVERIFY(inside);
}

QTEST_MAIN(TestUiScreenFit)
#include "tst_ui_screen_fit.moc"
