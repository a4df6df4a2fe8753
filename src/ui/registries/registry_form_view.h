// The Qt pieces the registry windows share: the binding of a window model to its grid view, and the
// window itself (name field with its drop-down list, the grid and the commands), kept inside the
// screen's available area.
#pragma once

#include "registries/registry_form.h"
#include "ui/common/command_label.h"
#include "ui/common/text_grid_view.h"
#include "ui/common/window_look.h"

#include <QDialog>
#include <QLineEdit>

#include <functional>

class QBoxLayout;
class QListWidget;

namespace tv::ui {

// Hands Enter and the up and down arrows of a grid's in-place editor to `onKey` instead of the grid.
class EditorKeyFilter : public QObject {
public:
    EditorKeyFilter(QLineEdit* editor, std::function<void(registries::EditorKey)> onKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(registries::EditorKey)> m_onKey;
};

// Connects a registry window model to its grid view: what a cell offers, commits and refusals, the
// editor's text written into the cell as it changes, the editor's keys, and redraws.
void bindRegistryGrid(TextGridView* view, registries::RegistryForm& model);

// A registry window: [label] name field ▼ / grid / commands 0, 1, 3, 4, 5.
class RegistryFormView : public QDialog {
    Q_OBJECT
public:
    // `caption` gives CmdGd(index)'s caption; `label` stands before the name field when not empty.
    RegistryFormView(registries::RegistryForm& model, const QString& title, QString (*caption)(int),
                     const QString& label, QWidget* parent = nullptr);

    void reject() override;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    TextGridView* grid() const { return m_grid; }
    QBoxLayout* mainLayout() const { return m_layout; }

private:
    void showState();

    registries::RegistryForm& m_model;
    QLineEdit* m_nameTx;
    QListWidget* m_nameList;
    TextGridView* m_grid;
    QBoxLayout* m_layout;
};

} // namespace tv::ui
