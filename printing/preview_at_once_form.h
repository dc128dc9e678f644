#pragma once

#include <QDialog>

#include "printing/preview_zoom.h"

class QLabel;
class QScrollArea;
class QToolButton;
class TPrintAtOnce;

// "打印预览": the engine's page image as it will print, with zoom, print and close. The print
// button prints the page through the driver and closes the window.
class TPreviewAtOnceForm : public QDialog {
    Q_OBJECT
  public:
    explicit TPreviewAtOnceForm(TPrintAtOnce& engine, QWidget* parent = nullptr);

    QLabel* Image1() const { return image_; }
    QToolButton* PrintButton() const { return printButton_; }
    QToolButton* ZoomInButton() const { return zoomInButton_; }
    QToolButton* ZoomOutButton() const { return zoomOutButton_; }
    QToolButton* CloseButton() const { return closeButton_; }
    double zoom() const { return zoom_.factor(); }

    // Shows the engine's current page again at zoom 1.
    void RenderPage();

  private:
    void PrintButtonClick();
    void ZoomInButtonClick();
    void ZoomOutButtonClick();
    void showAtZoom();

    TPrintAtOnce& engine_;
    PreviewZoom zoom_;
    QScrollArea* scrollBox_;
    QLabel* image_;
    QToolButton* printButton_;
    QToolButton* zoomInButton_;
    QToolButton* zoomOutButton_;
    QToolButton* closeButton_;
};
