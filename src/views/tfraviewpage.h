#pragma once
// The frame shared by the view pages 9 to 14: the top strip with the picture that
// leads back to the view hub, the embedded report preview filling the rest of the
// page, and the toolbar's Print button bound to the page's own print handler.
#include "app/tfrabasframe.h"
#include "report/document.h"

namespace pk {

class ViewStrip;
namespace report { class ReportPreview; }

class TfraViewPage : public TfraBasFrame {
  Q_OBJECT
 public:
  // A page without printing keeps the base page's toolbar as it is.
  explicit TfraViewPage(AppContext& ctx, QWidget* parent = nullptr, bool printable = true);

  ViewStrip* Panel3;
  report::ReportPreview* frxPreview1;

  // Shows a prepared report in the preview.
  void ShowReport(const report::Document& document);

 public slots:
  // The page's print handler; the frame's own prints what the preview shows.
  virtual void btnPrintClick();
  void imgBackClick();

 protected:
  // Sends the pages to the printer (the print dialog unless the context chose a
  // target); true when they were printed.
  bool PrintReport(const report::Document& document);
  void setPageTitle(const QString& title);
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace pk
