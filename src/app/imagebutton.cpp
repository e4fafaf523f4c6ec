#include "app/imagebutton.h"

#include <QEnterEvent>
#include <QPainter>

namespace pk {

ImageButton::ImageButton(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_Hover);
}

void ImageButton::setPictures(const QPixmap& normal, const QPixmap& hover) {
  normal_ = normal;
  hover_ = hover;
  updateGeometry();
  update();
}

void ImageButton::setNormalPicture(const QPixmap& normal) { normal_ = normal; update(); }
void ImageButton::setHoverPicture(const QPixmap& hover) { hover_ = hover; update(); }

void ImageButton::setHighlighted(bool on) {
  highlighted_ = on;
  update();
}

const QPixmap& ImageButton::shownPicture() const {
  if ((hovered_ || highlighted_) && !hover_.isNull() && isEnabled()) return hover_;
  return normal_;
}

QSize ImageButton::sizeHint() const {
  return normal_.isNull() ? QSize(64, 64) : normal_.deviceIndependentSize().toSize();
}

void ImageButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const QPixmap& pm = shownPicture();
  if (pm.isNull()) return;
  QSize s = pm.deviceIndependentSize().toSize().scaled(size(), Qt::KeepAspectRatio);
  QRect target(QPoint((width() - s.width()) / 2, (height() - s.height()) / 2), s);
  if (isDown()) target.translate(1, 1);
  if (!isEnabled()) p.setOpacity(0.35);
  p.drawPixmap(target, pm);
}

void ImageButton::enterEvent(QEnterEvent* event) {
  hovered_ = true;
  update();
  emit mouseEntered();
  QAbstractButton::enterEvent(event);
}

void ImageButton::leaveEvent(QEvent* event) {
  hovered_ = false;
  update();
  emit mouseLeft();
  QAbstractButton::leaveEvent(event);
}

}  // namespace pk
