#pragma once
// The embedded report preview of the view pages: the prepared pages one under the
// other, fitted to the width, scrolled with the wheel or the keyboard.
#include <QWidget>
#include <memory>

#include "report/document.h"

class QPrinter;
class QPrintPreviewWidget;
class QGraphicsView;

namespace pk::report {

class ReportPreview : public QWidget {
  Q_OBJECT
 public:
  explicit ReportPreview(QWidget* parent = nullptr);
  ~ReportPreview() override;

  // Shows the document's pages (replacing what was shown).
  void setDocument(const Document& document);
  const Document& document() const { return document_; }

  // Gives the keyboard focus to the page view.
  void takeFocus();
  // Scrolls as a mouse-wheel turn of this delta would (120 per notch; positive scrolls up).
  void scrollByWheel(int delta);
  int scrollPosition() const;
  QPrintPreviewWidget* previewWidget() const { return preview_; }

 private:
  QGraphicsView* view() const;
  Document document_;
  std::unique_ptr<QPrinter> printer_;
  QPrintPreviewWidget* preview_ = nullptr;
};

}  // namespace pk::report
