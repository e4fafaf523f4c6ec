#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 6.
class TfraEnterInfo : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraEnterInfo(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
