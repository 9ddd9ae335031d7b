#include "ui/plan/plan_view.h"

#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ui {
namespace {

// The smallest level kept for drawing the picture small.
constexpr int kSmallestLevelSide = 256;
constexpr double kKeyZoom = 1.25;
constexpr double kKeyPan = 40;
// One turn of a mouse wheel's notch (120 in Qt's units) zooms by about a fifth.
constexpr double kWheelZoomPerUnit = 1.0015;

// A plain widget is a "filler" to a Linux screen reader, which it passes by. The plan is a
// diagram the keyboard works on: its name and what it shows are read when it takes the focus.
QAccessibleInterface* exposedAsDiagram(const QString& className, QObject* object) {
    if (className == QLatin1String(PlanView::staticMetaObject.className()) &&
        object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Canvas);
    }
    return nullptr;
}

QString viewText(const char* text) {
    return QCoreApplication::translate("ui::Plan", text);
}

QPointF arrowStep(int key) {
    switch (key) {
    case Qt::Key_Left:
        return {-1, 0};
    case Qt::Key_Right:
        return {1, 0};
    case Qt::Key_Up:
        return {0, -1};
    case Qt::Key_Down:
        return {0, 1};
    default:
        return {};
    }
}

} // namespace

PlanView::PlanView(QWidget* parent) : QWidget(parent) {
    static const bool exposedAsADiagram = (QAccessible::installFactory(exposedAsDiagram), true);
    Q_UNUSED(exposedAsADiagram);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(viewText(QT_TRANSLATE_NOOP("ui::Plan", "Plan")));
    setMinimumSize(240, 200);
}

void PlanView::setPicture(const QImage& picture) {
    levels_.clear();
    if (!picture.isNull()) {
        levels_.push_back(picture);
        while (levels_.back().width() > kSmallestLevelSide &&
               levels_.back().height() > kSmallestLevelSide) {
            const QImage& last = levels_.back();
            levels_.push_back(last.scaled(last.width() / 2, last.height() / 2,
                                          Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }
    }
    doorSpot_.reset();
    fitPlan();
}

void PlanView::setScene(const PlanScene& scene) {
    scene_ = scene;
    setAccessibleDescription(hasPicture() ? describePlan(scene_) : QString());
    update();
}

void PlanView::setHighlight(std::optional<std::size_t> region) {
    highlight_ = region;
    update();
}

QTransform PlanView::toView() const {
    return QTransform(scale_, 0, 0, scale_, offset_.x(), offset_.y());
}

QPointF PlanView::toPicture(QPointF onView) const {
    return (onView - offset_) / scale_;
}

QPointF PlanView::onPicture(QPointF spot) const {
    return {std::clamp(spot.x(), 0.0, scene_.size.width()),
            std::clamp(spot.y(), 0.0, scene_.size.height())};
}

double PlanView::fitScale() const {
    if (scene_.size.isEmpty()) {
        return 1;
    }
    return std::min(width() / scene_.size.width(), height() / scene_.size.height());
}

void PlanView::fitPlan() {
    fitted_ = true;
    scale_ = fitScale();
    offset_ = QPointF((width() - scale_ * scene_.size.width()) / 2,
                      (height() - scale_ * scene_.size.height()) / 2);
    update();
}

void PlanView::zoomBy(double factor) {
    zoomAt(rect().center(), factor);
}

void PlanView::zoomAt(QPointF onView, double factor) {
    if (!hasPicture()) {
        return;
    }
    // From half the fitted size to eight of the view's pixels for one of the picture's.
    const double fit = fitScale();
    const double scale = std::clamp(scale_ * factor, fit / 2, std::max(8.0, fit));
    const QPointF fixed = toPicture(onView);
    scale_ = scale;
    offset_ = onView - fixed * scale_;
    fitted_ = false;
    update();
}

void PlanView::panBy(QPointF step) {
    if (!hasPicture()) {
        return;
    }
    offset_ += step;
    fitted_ = false;
    update();
}

void PlanView::moveCentreBy(QPointF step) {
    const QPointF centre(scene_.frame.Centre.X, scene_.frame.Centre.Y);
    emit centreMoved(onPicture(centre + step));
}

void PlanView::pickDoor() {
    if (!hasPicture()) {
        return;
    }
    // The marker starts at the middle of the plan's top edge, where many plans draw the door.
    doorSpot_ = QPointF(scene_.size.width() / 2, 0);
    setCursor(Qt::CrossCursor);
    setFocus();
    update();
}

const QImage& PlanView::levelFor(double pixelsPerPixel, double& levelScale) const {
    // The smallest level that still has a pixel for each one drawn.
    std::size_t level = 0;
    levelScale = 1;
    while (level + 1 < levels_.size() && levelScale / 2 >= pixelsPerPixel) {
        ++level;
        levelScale /= 2;
    }
    levelScale = static_cast<double>(levels_[level].width()) / levels_.front().width();
    return levels_[level];
}

void PlanView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.fillRect(event->rect(), palette().color(QPalette::Window));
    if (!hasPicture()) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawText(rect().adjusted(16, 16, -16, -16), Qt::AlignCenter | Qt::TextWordWrap,
                         viewText(QT_TRANSLATE_NOOP(
                             "ui::Plan", "Open a picture of your home's plan, a PNG or JPEG "
                                         "file, or drop it here.")));
        return;
    }
    // Only the part of the picture in view is drawn, from the level nearest its size there.
    const QRectF onView = toView().mapRect(QRectF(QPointF(0, 0), scene_.size));
    const QRectF drawn = onView.intersected(QRectF(event->rect()));
    if (!drawn.isEmpty()) {
        double levelScale = 1;
        const QImage& level = levelFor(scale_ * devicePixelRatioF(), levelScale);
        const QRectF source(toPicture(drawn.topLeft()) * levelScale,
                            toPicture(drawn.bottomRight()) * levelScale);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(drawn, level, source);
    }
    paintPlanOverlay(painter, scene_, toView(), font(), palette(), highlight_);
    if (doorSpot_) {
        const QPointF door = toView().map(*doorSpot_);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(palette().color(QPalette::Highlight), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(door, 9, 9);
        painter.drawLine(door - QPointF(14, 0), door + QPointF(14, 0));
        painter.drawLine(door - QPointF(0, 14), door + QPointF(0, 14));
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

void PlanView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (fitted_) {
        fitPlan();
    }
}

QPointF PlanView::northTip() const {
    const double radians = scene_.frame.North * std::numbers::pi / 180.0;
    const QPointF centre = toView().map(QPointF(scene_.frame.Centre.X, scene_.frame.Centre.Y));
    return centre + 4 * fontMetrics().height() * QPointF(std::sin(radians), -std::cos(radians));
}

double PlanView::handleReach() const {
    return fontMetrics().height();
}

void PlanView::mousePressEvent(QMouseEvent* event) {
    if (!hasPicture() || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const QPointF at = event->position();
    if (doorSpot_) {
        doorSpot_.reset();
        unsetCursor();
        update();
        emit doorPicked(toPicture(at));
        return;
    }
    const QPointF centre = toView().map(QPointF(scene_.frame.Centre.X, scene_.frame.Centre.Y));
    const auto near = [this, at](QPointF handle) {
        return std::hypot(at.x() - handle.x(), at.y() - handle.y()) <= handleReach();
    };
    drag_ = near(centre) ? Drag::Centre : near(northTip()) ? Drag::North : Drag::Picture;
    dragFrom_ = at;
    setCursor(drag_ == Drag::Picture ? Qt::ClosedHandCursor : Qt::SizeAllCursor);
}

void PlanView::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = event->position();
    switch (drag_) {
    case Drag::None:
        tellSpot(at);
        return;
    case Drag::Picture:
        panBy(at - dragFrom_);
        dragFrom_ = at;
        return;
    case Drag::Centre:
        emit centreMoved(onPicture(toPicture(at)));
        return;
    case Drag::North: {
        const QPointF centre = toView().map(QPointF(scene_.frame.Centre.X, scene_.frame.Centre.Y));
        const QPointF step = at - centre;
        if (step.isNull()) {
            return;
        }
        // Whole degrees: a hand on a mouse is no finer than that.
        const double degrees =
            std::round(std::atan2(step.x(), -step.y()) * 180.0 / std::numbers::pi);
        emit northTurned(degrees < 0 ? degrees + 360 : degrees);
        return;
    }
    }
}

void PlanView::mouseReleaseEvent(QMouseEvent* event) {
    drag_ = Drag::None;
    if (!doorSpot_) {
        unsetCursor();
    }
    QWidget::mouseReleaseEvent(event);
}

void PlanView::leaveEvent(QEvent* event) {
    emit spotChanged(QString());
    QWidget::leaveEvent(event);
}

void PlanView::tellSpot(QPointF onView) {
    const QPointF spot = toPicture(onView);
    if (!hasPicture() || !QRectF(QPointF(0, 0), scene_.size).contains(spot)) {
        emit spotChanged(QString());
        return;
    }
    const auto region = regionAt(scene_, {spot.x(), spot.y()});
    emit spotChanged(region ? regionText(scene_, *region)
                            : regionText(scene_, PlanRegion{std::nullopt, {}}));
}

void PlanView::wheelEvent(QWheelEvent* event) {
    // A trackpad's two fingers come in pixels and pan; a mouse wheel, or Ctrl with either,
    // zooms about the pointer.
    const bool zoom = event->pixelDelta().isNull() || event->modifiers() & Qt::ControlModifier;
    if (zoom) {
        zoomAt(event->position(), std::pow(kWheelZoomPerUnit, event->angleDelta().y()));
    } else {
        panBy(event->pixelDelta());
    }
    event->accept();
}

bool PlanView::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        const auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            zoomAt(gesture->position(), 1 + gesture->value());
            return true;
        }
    }
    return QWidget::event(event);
}

void PlanView::keyPressEvent(QKeyEvent* event) {
    const QPointF arrow = arrowStep(event->key());
    const bool control = event->modifiers() & Qt::ControlModifier;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    // A step on the picture: a hundredth of its longer side, or a tenth with Shift.
    const double pictureStep =
        std::max(scene_.size.width(), scene_.size.height()) / (shift ? 10.0 : 100.0);
    if (doorSpot_) {
        if (!arrow.isNull()) {
            doorSpot_ = onPicture(*doorSpot_ + pictureStep * arrow);
            update();
        } else if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            const QPointF door = *doorSpot_;
            doorSpot_.reset();
            unsetCursor();
            update();
            emit doorPicked(door);
        } else if (event->key() == Qt::Key_Escape) {
            doorSpot_.reset();
            unsetCursor();
            update();
            emit doorPickCancelled();
        } else {
            QWidget::keyPressEvent(event);
        }
        return;
    }
    if (!arrow.isNull() && hasPicture()) {
        if (control) {
            moveCentreBy(pictureStep * arrow);
        } else {
            // The view moves over the plan, as a scroll bar's arrow does.
            panBy(-(shift ? 4 : 1) * kKeyPan * arrow);
        }
        return;
    }
    switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal:
        zoomBy(kKeyZoom);
        return;
    case Qt::Key_Minus:
        zoomBy(1 / kKeyZoom);
        return;
    case Qt::Key_0:
        fitPlan();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

} // namespace ui
