#pragma once
#include "setup/tfrasetupitems.h"

namespace pk {

// Page 3: suggested income items and the user's own.
class TfraSetupIncome : public TfraSetupItems {
  Q_OBJECT
 public:
  explicit TfraSetupIncome(AppContext& ctx, QWidget* parent = nullptr);

 protected:
  TfrmItemDlg* createDialog(ItemRecord& item, bool existing) override;
};

}  // namespace pk
