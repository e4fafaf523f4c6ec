#pragma once
#include "setup/tfrasetupitems.h"

namespace pk {

// Page 4: suggested outgoing items and the user's own.
class TfraSetupOutgoings : public TfraSetupItems {
  Q_OBJECT
 public:
  explicit TfraSetupOutgoings(AppContext& ctx, QWidget* parent = nullptr);

 protected:
  TfrmItemDlg* createDialog(ItemRecord& item, bool existing) override;
};

}  // namespace pk
