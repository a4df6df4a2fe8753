// 溶接記号登録 on screen.
#include "ui/registries/kigou_form_view.h"

#include "ui/registries/registry_form_view.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace tv::ui {

KigouFormView::KigouFormView(registries::KigouForm& model, QWidget* parent)
    : QDialog(parent), m_model(model), m_inpTx(new QLineEdit(this)) {
    using registries::KigouForm;
    setWindowTitle(KigouForm::title());
    paintRegistryBackground(this);
    m_inpTx->setObjectName(QStringLiteral("InpTx"));
    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(KigouForm::inpCaption(), this), 0, 0);
    layout->addWidget(m_inpTx, 0, 1);
    layout->addWidget(new QLabel(KigouForm::note(), this), 1, 1);
    for (int i = 0; i < 2; ++i) {
        auto* command = makeRegistryCommand(i, KigouForm::commandCaption(i), this);
        layout->addWidget(command, 2, i);
        connect(command, &CommandLabel::clicked, this, [this](int index) {
            if (index == 0)
                m_model.ok();
            else
                m_model.cancel();
        });
    }
    connect(m_inpTx, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_model.editInpTx(text);
        if (m_inpTx->text() != m_model.InpTx()) {
            const int cursor = m_inpTx->cursorPosition();
            m_inpTx->setText(m_model.InpTx());
            m_inpTx->setCursorPosition(qMin(cursor, int(m_model.InpTx().size())));
        }
    });
    // Enter presses OK.
    connect(m_inpTx, &QLineEdit::returnPressed, &m_model, &registries::KigouForm::ok);
    connect(&m_model, &registries::KigouForm::closeRequested, this, [this] { QDialog::reject(); });
}

void KigouFormView::reject() {
    if (m_model.isClosed())
        QDialog::reject();
    else
        m_model.cancel();
}

} // namespace tv::ui
