#pragma once

#include "ui/plan/plan_drawing.h"

#include <QImage>
#include <QWidget>

#include <optional>
#include <vector>

namespace ui {

// The plan on screen: the picture, zoomed and panned, with its sectors or grid laid over it.
// The mouse drags the centre, the tip of the north arrow or the picture; the wheel and a
// trackpad's pinch zoom, a trackpad's two fingers pan. The keyboard does the same: the arrows
// pan, Ctrl with the arrows moves the centre, + and − zoom, 0 fits the plan. It says what lies
// under the mouse; what it shows reaches screen readers as its description.
class PlanView : public QWidget {
    Q_OBJECT

public:
    explicit PlanView(QWidget* parent = nullptr);

    // A new picture, fitted into the view. An empty one shows how to open a plan.
    void setPicture(const QImage& picture);
    bool hasPicture() const { return !levels_.empty(); }
    void setScene(const PlanScene& scene);
    const PlanScene& scene() const { return scene_; }
    void setHighlight(std::optional<std::size_t> region);

    void zoomBy(double factor);
    void fitPlan();
    // The next click, or Enter after the arrows have moved the marker, picks the front door.
    void pickDoor();
    bool pickingDoor() const { return doorSpot_.has_value(); }

    // How the picture lies on the view: picture pixels to the widget's.
    QTransform toView() const;

signals:
    void centreMoved(QPointF centre); // in the picture's pixels
    void northTurned(double north);
    void doorPicked(QPointF door);
    void doorPickCancelled();
    void spotChanged(const QString& text); // empty off the plan

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool event(QEvent* event) override;

private:
    enum class Drag { None, Picture, Centre, North };

    QPointF toPicture(QPointF onView) const;
    QPointF onPicture(QPointF spot) const; // kept on the picture
    double fitScale() const;
    void zoomAt(QPointF onView, double factor);
    void panBy(QPointF step);
    void moveCentreBy(QPointF step);
    const QImage& levelFor(double pixelsPerPixel, double& levelScale) const;
    void tellSpot(QPointF onView);
    QPointF northTip() const;
    double handleReach() const;

    // The picture as held, then each next level half the size, for drawing it small quickly.
    std::vector<QImage> levels_;
    PlanScene scene_;
    std::optional<std::size_t> highlight_;
    double scale_ = 1;   // the view's pixels for one of the picture's
    QPointF offset_;     // where the picture's top left lies on the view
    bool fitted_ = true; // follows the view's size until the user zooms or pans
    Drag drag_ = Drag::None;
    QPointF dragFrom_;
    std::optional<QPointF> doorSpot_; // while the front door is picked, in the picture's pixels
};

} // namespace ui
