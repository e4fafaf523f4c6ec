#pragma once
#include "app/tfrabasframe.h"

namespace pk {

// Page 13.
class TfraViewYear1 : public TfraBasFrame {
  Q_OBJECT
 public:
  explicit TfraViewYear1(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;
};

}  // namespace pk
