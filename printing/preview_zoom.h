#pragma once

#include <QSize>

// The preview's zoom: steps of 1.5, in while below 25 and while the next step keeps the picture
// within kLargestPicture pixels each way, out while above 0.04.
class PreviewZoom {
  public:
    static constexpr double kStep = 1.5;
    static constexpr double kLargest = 25;
    static constexpr double kSmallest = 0.04;
    static constexpr int kLargestPicture = 8000;

    double factor() const { return factor_; }
    bool canZoomIn(QSize page) const;
    bool canZoomOut() const { return factor_ > kSmallest; }
    void zoomIn(QSize page);
    void zoomOut();
    void reset() { factor_ = 1; }
    // A page of `size` pixels shown at this zoom (at least one pixel each way).
    QSize scaled(QSize size) const;

  private:
    double factor_ = 1;
};
