#pragma once

#include <QPushButton>
#include <QWidget>
#include <array>

class QTableView;

// A large button of the desk: drawn plainly, lit while the mouse is over it.
class PictureButton : public QPushButton {
    Q_OBJECT
  public:
    PictureButton(const QString& text, QWidget* parent);
};

// The main window's work area: a drawn background with the seven picture buttons in a column on
// its right, and the shared record grid, which covers everything while a grid module is open.
class DeskArea : public QWidget {
    Q_OBJECT
  public:
    static constexpr int kPictureButtons = 7;

    explicit DeskArea(QWidget* parent = nullptr);

    PictureButton* pictureButton(int index) const { return buttons_[static_cast<size_t>(index)]; }
    void setGrid(QTableView* grid);
    void setStationName(const QString& name);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void layoutChildren();

    std::array<PictureButton*, kPictureButtons> buttons_{};
    QTableView* grid_ = nullptr;
    QString stationName_;
};
