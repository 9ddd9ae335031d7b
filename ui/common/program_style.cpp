#include "ui/common/program_style.h"

#include "assets/assets.h"
#include "ui/common/widgets.h"

#include <QApplication>
#include <QGroupBox>
#include <QLibraryInfo>
#include <QPainter>
#include <QStyleOption>
#include <QVersionNumber>
#include <qdrawutil.h>

#include <array>
#include <vector>

namespace ui {
namespace {

// Where Qt 6.4 keeps the pictures in question, and how Fusion 6.4 uses them
// (qcommonstyle.cpp: addIconFiles; qfusionstyle.cpp: PE_FrameGroupBox).
const QString kQtPictures = QStringLiteral(":/qt-project.org/styles/commonstyle/images/");
constexpr std::array<int, 3> kHorizontalArrowSizes = {8, 16, 32};
constexpr std::array<int, 3> kVerticalArrowSizes = {5, 10, 20};
constexpr int kGroupBoxTopMargin = 3;
constexpr int kGroupBoxBorder = 6;

QIcon arrowIcon(const QString& prefix, const std::array<int, 3>& sizes) {
    std::vector<assets::PngDrawing> drawings;
    drawings.reserve(sizes.size());
    for (const int size : sizes) {
        // An icon added from a file without a size takes the picture's own, a square here.
        drawings.push_back({kQtPictures + prefix + QString::number(size) + QStringLiteral(".png"),
                            QSize(size, size)});
    }
    return assets::pngIcon(std::move(drawings), sizes.back());
}

} // namespace

ProgramStyle::ProgramStyle() {
    const QVersionNumber qt = QLibraryInfo::version();
    fusionOfQt64_ = qt.majorVersion() == 6 && qt.minorVersion() == 4 &&
                    baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    if (fusionOfQt64_ && icon == SP_ToolBarHorizontalExtensionButton) {
        const bool rightToLeft =
            option ? option->direction == Qt::RightToLeft : QGuiApplication::isRightToLeft();
        return arrowIcon(rightToLeft ? QStringLiteral("toolbar-ext-h-rtl-")
                                     : QStringLiteral("toolbar-ext-h-"),
                         kHorizontalArrowSizes);
    }
    if (fusionOfQt64_ && icon == SP_ToolBarVerticalExtensionButton) {
        return arrowIcon(QStringLiteral("toolbar-ext-v-"), kVerticalArrowSizes);
    }
    return QProxyStyle::standardIcon(icon, option, widget);
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (!fusionOfQt64_ || element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion 6.4's frame, drawn from the same picture read as the PNG it is.
    static const QPixmap frame =
        assets::readPng(kQtPictures + QStringLiteral("fusion_groupbox.png"));
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const int top =
        box && !box->isCheckable() && box->title().isEmpty()
            ? kGroupBoxTopMargin
            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) +
                  kGroupBoxTopMargin;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0),
                      QMargins(kGroupBoxBorder, kGroupBoxBorder, kGroupBoxBorder, kGroupBoxBorder),
                      frame);
}

void useProgramLook(QApplication& application) {
    application.setStyle(new ProgramStyle);
    useProgramFont(application);
}

} // namespace ui
