#include "setup/setupnavstrip.h"

#include "app/tfrabasframe.h"

namespace pk {

QWidget* CreateSetupNavStrip(TfraBasFrame* page, int) {
  auto* strip = new QWidget(page->content());
  strip->setFixedHeight(80);
  return strip;
}

}  // namespace pk
