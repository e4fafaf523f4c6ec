#pragma once
#include "setup/setuplistpage.h"

namespace pk {

// Page 2: the catalogue of account kinds and the user's own accounts.
class TfraSetupAccounts : public TfraSetupListPage {
  Q_OBJECT
 public:
  explicit TfraSetupAccounts(AppContext& ctx, QWidget* parent = nullptr);
  void InitPage() override;

  // Creates an account from a catalogue entry and opens the account dialog.
  void lvRightDragDrop(const pk::DraggedEntry& entry) override;
  // Edits the selected account.
  void lvRightDblClick() override;
  // Asks, then deletes the dropped account when no transaction uses it.
  void btnDeleteDragDrop(const pk::DraggedEntry& entry) override;
};

}  // namespace pk
