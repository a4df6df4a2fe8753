// The file-dialog port on Qt: QFileDialog with the request's title, filter, folder and extension.
#pragma once

#include "services/file_chooser.h"

class QWidget;

namespace tv::ui {

class QtFileChooser : public services::FileChooser {
public:
    explicit QtFileChooser(QWidget* parent = nullptr) : m_parent(parent) {}
    services::FileChoice choose(const services::FileDialogRequest& request) override;

    // "説明|*.a;*.b|説明2|*.c" as the program writes filters, in Qt's "説明 (*.a *.b);;説明2 (*.c)".
    static QString qtFilter(const QString& filter);

    // The window the dialog is modal to.
    void setParentWidget(QWidget* parent) { m_parent = parent; }

private:
    QWidget* m_parent;
};

} // namespace tv::ui
