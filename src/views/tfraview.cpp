#include "views/tfraview.h"

namespace pk {

TfraView::TfraView(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraView::InitPage() { lbTitle->setText(QStringLiteral("View Reports/Graphs")); }

}  // namespace pk
