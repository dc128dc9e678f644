#include "printing/preview_zoom.h"

#include <algorithm>
#include <cmath>

bool PreviewZoom::canZoomIn(QSize page) const {
    const double next = factor_ * kStep;
    return factor_ < kLargest && page.width() * next <= kLargestPicture &&
           page.height() * next <= kLargestPicture;
}

void PreviewZoom::zoomIn(QSize page) {
    if (canZoomIn(page))
        factor_ *= kStep;
}

void PreviewZoom::zoomOut() {
    if (canZoomOut())
        factor_ /= kStep;
}

QSize PreviewZoom::scaled(QSize size) const {
    return {std::max(1, static_cast<int>(std::lround(size.width() * factor_))),
            std::max(1, static_cast<int>(std::lround(size.height() * factor_)))};
}
