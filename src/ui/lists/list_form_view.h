// ListFormView: the list registration window (リスト登録) over a ListForm model.
#pragma once

#include "lists/list_form.h"

#include <QDialog>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QStackedWidget;
class QVBoxLayout;
class QWidget;

namespace tv::ui {

class TextGridView;

class ListFormView : public QDialog {
    Q_OBJECT
public:
    explicit ListFormView(lists::ListForm& form, QWidget* parent = nullptr);
    ~ListFormView() override;

    // A text field, with its candidate list when it has one (combo is then its owner).
    struct Field {
        QLineEdit* edit = nullptr;
        QComboBox* combo = nullptr;
    };

protected:
    // The close box and Escape: the model asks whether unsaved changes are to be saved.
    void reject() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildTop(QVBoxLayout* layout);
    QWidget* commandLabel(int index, QWidget* parent);
    QWidget* buildColumnPanel();
    QWidget* buildBeamPanel();
    QWidget* buildJointPanel();
    Field makeField(QWidget* parent, const QString& name, bool withCandidates);
    // 元に戻す and やり直し: the keys, the grids' context menu, the editors' own typing first.
    void addUndoCommands();
    void redraw();
    void setFieldText(const Field& field, const QString& text);
    void setCandidates(QComboBox* combo, const QStringList& items);
    void focusField(lists::ListPanel panel, int index);
    void focusNextField(QObject* edit);
    void runCommand(int index);
    void registerEntry();

    lists::ListForm& m_form;
    bool m_updating = false;

    QButtonGroup* m_categories = nullptr;
    QButtonGroup* m_shapes = nullptr;
    QButtonGroup* m_beamKinds = nullptr;
    QStackedWidget* m_panels = nullptr;
    std::array<QWidget*, 3> m_shapeFrames{};
    std::array<Field, lists::ListForm::kColumnFieldCount> m_columnFields{};
    std::array<Field, lists::ListForm::kBeamFieldCount> m_beamFields{};
    QLineEdit* m_jointMark = nullptr;
    QCheckBox* m_galvanized = nullptr;
    QListWidget* m_jointMarks = nullptr;
    QLabel* m_jointNotice = nullptr; // a typed 規格 or 種類 that will form a group of its own
    TextGridView* m_hasiraGrid = nullptr;
    TextGridView* m_hariGrid = nullptr;
    TextGridView* m_jointGrid = nullptr;
};

} // namespace tv::ui
