// The pictures of the column dialog: the cross-section of the chosen column with the places of its
// welds 溶接1 to 溶接8, and the fourteen coating shapes with the outline each shape's girth measures.
#pragma once

#include <QWidget>

namespace tv::ui {

// The section of a column (section code 0 plain H, 1 H with one cut T, 2 H with two cut T, 3 square
// pipe, 4 circular pipe; -1 shows nothing) with a label at each weld of its weld rows.
class SectionPicture : public QWidget {
    Q_OBJECT
public:
    explicit SectionPicture(QWidget* parent = nullptr);
    void setSectionCode(int code);
    int sectionCode() const { return m_code; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_code = -1;
};

// Coating shape `shape` (1 to 14): the section in grey and, in red, the outline its girth follows.
class CoatingShapePicture : public QWidget {
    Q_OBJECT
public:
    explicit CoatingShapePicture(int shape, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_shape;
};

} // namespace tv::ui
