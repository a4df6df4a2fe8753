// 初期設定 on screen.
#include "ui/registries/settei_form_view.h"

#include "ui/common/qt_prompter.h"
#include "ui/common/undo_actions.h"
#include "ui/registries/registry_form_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace tv::ui {

using registries::SetteiForm;

SetteiFormView::SetteiFormView(SetteiForm& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_inpTx(new QLineEdit(this)), m_list(new QListWidget(this)) {
    setWindowTitle(SetteiForm::title());
    paintRegistryBackground(this);
    m_inpTx->setObjectName(QStringLiteral("InpTx0"));
    m_list->setObjectName(QStringLiteral("ListList0"));

    auto* layout = new QGridLayout(this);
    auto* label1 = new QLabel(SetteiForm::label1(), this);
    label1->setObjectName(QStringLiteral("Label1"));
    layout->addWidget(label1, 0, 0);
    layout->addWidget(m_inpTx, 0, 1, 1, 2);
    const int commandPlaces[][3] = {{1, 1, 1}, {2, 1, 2}, {0, 3, 2}};
    for (const auto& p : commandPlaces) {
        auto* command = makeRegistryCommand(p[0], SetteiForm::commandCaption(p[0]), this);
        layout->addWidget(command, p[1], p[2]);
        connect(command, &CommandLabel::clicked, this, [this](int index) {
            if (index == 0)
                m_model.ok();
            else if (index == 1)
                m_model.registerGrade();
            else
                m_model.deleteGrade();
        });
    }
    layout->addWidget(m_list, 2, 0, 1, 3);

    connect(m_inpTx, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_model.editInpTx(text);
        showState();
    });
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { m_model.clickList(m_list->row(item)); });
    // 元に戻す and やり直し: the keys (the field's own typing first) and a right click on the list.
    const UndoActions undo = addUndoActions(
        this, m_model.history(), [this] { m_model.undo(); }, [this] { m_model.redo(); });
    passSpentUndoKeys(m_inpTx);
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QListWidget::customContextMenuRequested, this,
            [this, undo](const QPoint& at) { showUndoMenu(undo, m_list->viewport()->mapToGlobal(at)); });
    connect(&m_model, &SetteiForm::changed, this, &SetteiFormView::showState);
    connect(&m_model, &SetteiForm::closeRequested, this, [this] { QDialog::reject(); });

    placeOnScreen(this, 1000, QSize(320, 420));
    showState();
}

void SetteiFormView::showState() {
    if (m_inpTx->text() != m_model.InpTx()) {
        const int cursor = m_inpTx->cursorPosition();
        m_inpTx->setText(m_model.InpTx());
        m_inpTx->setCursorPosition(qMin(cursor, int(m_model.InpTx().size())));
    }
    QStringList shown;
    for (int i = 0; i < m_list->count(); ++i)
        shown.append(m_list->item(i)->text());
    if (shown != m_model.ListList()) {
        m_list->clear();
        m_list->addItems(m_model.ListList());
    }
}

void SetteiFormView::reject() {
    if (m_model.isClosed())
        QDialog::reject();
    else
        m_model.close();
}

void showSetteiForm(QWidget* parent, const shell::DataRoot& root) {
    QtPrompter prompter(parent);
    SetteiForm model(root, prompter);
    if (!model.open())
        return;
    SetteiFormView view(model, parent);
    prompter.setParentWidget(&view);
    view.exec();
}

} // namespace tv::ui
