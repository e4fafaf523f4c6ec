#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 7.
class TfraEnterInfoAccountDetails : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraEnterInfoAccountDetails(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
