#pragma once
// The white strip across the top of the view hub and the view pages (Panel3):
// the area's banner, the back picture imgBack at its left and, on a view page,
// the page's own title at the right.
#include <QPixmap>
#include <QWidget>

#include "app/appcontext.h"

namespace pk {

class ImageButton;

class ViewStrip : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kHeight = 77;
  ViewStrip(const ProgramFolder& folder, QWidget* parent);

  void setTitle(const QString& title);
  QString title() const { return title_; }

  // The picture that leads back; it swaps to its mouse-over picture under the mouse.
  ImageButton* imgBack;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap banner_;
  QString title_;
};

// btn/<name> of the program folder, or the built-in back picture when that file is missing.
QPixmap BackPicture(const ProgramFolder& folder, bool over);

}  // namespace pk
