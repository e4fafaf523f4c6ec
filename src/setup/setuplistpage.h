#pragma once
// The design the accounts, income and outgoing pages share: the setup navigation
// strip, a catalogue on the left, the user's own entries on the right, a drop
// hint over them and the recycle bin on the toolbar.
#include <QLabel>
#include <QSplitter>

#include "app/tfrabasframe.h"
#include "setup/iconlist.h"

namespace pk {

class TfraSetupListPage : public TfraBasFrame {
  Q_OBJECT
 public:
  struct Texts {
    int pageNumber;
    QString leftTitle;
    QString rightTitle;
    QString deleteHint;  // the hint of the footer delete button
  };
  TfraSetupListPage(AppContext& ctx, QWidget* parent, const Texts& texts);

  QWidget* navStrip;
  QLabel* lbLeftTitle;
  QLabel* lbRightTitle;
  IconListView* lvLeft;
  IconListView* lvRight;
  IconListModel* leftList;
  IconListModel* rightList;
  QSplitter* splMain;
  QLabel* imgdrop;
  ImageButton* btnDelete;  // hidden footer button with the same handlers as the recycle bin

  // Handlers, public so that people who do not drag can reach them too.
  virtual void lvRightDragDrop(const pk::DraggedEntry& entry) = 0;
  // Right-click and double-click on the right list edit the selected entry.
  virtual void lvRightDblClick() = 0;
  virtual void btnDeleteDragDrop(const pk::DraggedEntry& entry) = 0;
  void btnDeleteClick(ImageButton* clicked);
  // Shapes the drop hint to its picture and places it over the lists.
  void RegionFromBitmap();

 protected:
  // Runs a handler, showing an engine or picture error in an error box.
  template <typename F>
  void guarded(F&& handler);
  // The entry that a drop onto the recycle bin means: the dragged one, else the selection.
  int rowOfDropped(const DraggedEntry& entry) const;
  // Shows an entry's picture anew after its dialog may have changed it.
  void refreshEntryPicture(int row, const QString& icon);
  void FrameResize() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void watchDeleteButton(ImageButton* button);
};

template <typename F>
void TfraSetupListPage::guarded(F&& handler) {
  try {
    handler();
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
  } catch (const PictureError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
  }
}

}  // namespace pk
