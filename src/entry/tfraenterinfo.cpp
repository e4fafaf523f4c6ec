#include "entry/tfraenterinfo.h"

namespace pk {

TfraEnterInfo::TfraEnterInfo(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraEnterInfo::InitPage() { lbTitle->setText(QStringLiteral("Enter info")); }

}  // namespace pk
