#pragma once
// The base of every page: a white page with the toolbar along its bottom edge.
#include <QFrame>
#include <QLabel>

#include "app/appcontext.h"
#include "app/imagebutton.h"

namespace pk {

class TfraBasFrame : public QFrame {
  Q_OBJECT
 public:
  explicit TfraBasFrame(AppContext& ctx, QWidget* parent = nullptr);

  // Called each time the page is shown, before it becomes visible.
  virtual void InitPage() {}

  // The page's help context, found by its class name; 0 when it has none.
  int helpContext() const;
  static int helpContextOf(const QString& className);

  // A number that differs for every page object made during the run.
  int instanceSerial() const { return serial_; }

  // The area above the toolbar where a page puts its content.
  QWidget* content() const { return content_; }

  // Places the toolbar's picture buttons; a hidden button takes no room.
  void layoutToolbar();

  QWidget* pnTop;
  QFrame* TopLine;
  QLabel* ImgLogo;
  QLabel* lbTitle;
  ImageButton* btnBack;
  ImageButton* btnNext;
  ImageButton* btnHelp2;
  ImageButton* btnInfo;
  ImageButton* btnHelp;
  ImageButton* btnTrash;
  ImageButton* btnUnlock;
  ImageButton* btnBackup;
  QWidget* JvImgBtn4;
  ImageButton* btnPrint;
  ImageButton* btnImport;
  ImageButton* btnGlass;
  QWidget* pnTopContent4;
  ImageButton* btnHome;
  ImageButton* btnSmallSetup;
  ImageButton* btnSmallEnter;
  ImageButton* btnSmallView;

 public slots:
  void btnHomeClick();
  void btnSmallSetupClick();
  void btnSmallEnterClick();
  void btnSmallViewClick();
  void btnBackClick();
  void btnNextClick();
  void btnHelp2Click();

 protected:
  // Fills the main window's client area and enables Back and Forward.
  virtual void FrameResize();
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void refreshUnlockPicture();

  AppContext& ctx;

 private:
  ImageButton* makeToolButton(int normal, int hover, const QString& hint);
  QWidget* content_;
  int serial_;
  bool built_ = false;
};

}  // namespace pk
