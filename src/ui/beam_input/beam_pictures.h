// The pictures of the beam dialog: the welded ends of a beam with its end options and joint, the
// gusset and stiffener of a beam carried by girders, and the fourteen coating outlines whose girth
// the coating lines measure.
#pragma once

#include <QWidget>

namespace tv::ui {

// A beam with welded ends seen from the side: flange and web welds at both ends, the extra web
// weld at each end whose option is ①, the A and B end sections, and the joint when there is one.
class BeamEndPicture : public QWidget {
    Q_OBJECT
public:
    explicit BeamEndPicture(QWidget* parent = nullptr);
    void setEnds(int leftOption, int rightOption, bool joint);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_left = 0;
    int m_right = 0;
    bool m_joint = false;
};

// A beam carried by a girder: the gusset plate welded to the girder (its outline by the measuring
// basis: ① area-equivalent rectangle, ② largest outer dimensions), the stiffener on the other side
// of the girder's web, the margin e and the girder's height [H] over the beam.
class GirderPlatePicture : public QWidget {
    Q_OBJECT
public:
    explicit GirderPlatePicture(QWidget* parent = nullptr);
    void setBasis(int basis);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_basis = 0;
};

// Coating outline `shape` (1 to 14) of a beam: the section in grey, the coated outline in red.
class BeamCoatingPicture : public QWidget {
    Q_OBJECT
public:
    explicit BeamCoatingPicture(int shape, QWidget* parent = nullptr);
    int shape() const { return m_shape; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int m_shape;
};

} // namespace tv::ui
