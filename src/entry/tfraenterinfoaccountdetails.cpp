#include "entry/tfraenterinfoaccountdetails.h"

namespace pk {

TfraEnterInfoAccountDetails::TfraEnterInfoAccountDetails(AppContext& context, QWidget* parent) : TfraBasFrame(context, parent) {}

void TfraEnterInfoAccountDetails::InitPage() { lbTitle->setText(QStringLiteral("Account details")); }

}  // namespace pk
