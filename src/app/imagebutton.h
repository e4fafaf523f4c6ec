#pragma once
// A picture button with a second picture while the mouse is over it.
#include <QAbstractButton>
#include <QPixmap>

namespace pk {

class ImageButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit ImageButton(QWidget* parent = nullptr);

  void setPictures(const QPixmap& normal, const QPixmap& hover);
  void setNormalPicture(const QPixmap& normal);
  void setHoverPicture(const QPixmap& hover);
  // Keeps the hover picture shown also when the mouse is elsewhere.
  void setHighlighted(bool on);
  bool isHighlighted() const { return highlighted_; }
  bool isHovered() const { return hovered_; }
  const QPixmap& shownPicture() const;

  QSize sizeHint() const override;

 signals:
  void mouseEntered();
  void mouseLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QPixmap normal_;
  QPixmap hover_;
  bool hovered_ = false;
  bool highlighted_ = false;
};

}  // namespace pk
