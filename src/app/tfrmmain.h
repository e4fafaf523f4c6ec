#pragma once
// The main window: a fixed 944 by 615 client area that shows one page at a time.
#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

#include "app/appcontext.h"

namespace pk {

class TfraBasFrame;
class HelpWindow;

class TfrmMain : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kPageCount = 15;

  // Creates the working data module and opens the program folder's data file;
  // throws DbError with the engine's text when it cannot be opened.
  TfrmMain(const Clock& clock, Prompter& prompter, const ProgramFolder& folder);
  ~TfrmMain() override;

  void ShowPage(int n);
  void GoUp();
  void GoForward();
  bool CanGoUp() const { return CurrentPage != 0; }
  bool CanGoForward() const { return CurrentPage != 14; }
  void ResizeCurrentPage();
  void CreatePages();
  void FreePages();

  // Opens the manual at a help context.
  void ShowHelp(int context);

  TfraBasFrame* page(int n) const;
  TfraBasFrame* currentPage() const { return page(CurrentPage); }
  AppContext& context() { return *ctx_; }
  TdmData& dmData() { return *dmData_; }

  int CurrentPage = 0;
  QString DataFile;
  QString ImagesDir;

 protected:
  void showEvent(QShowEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  TfraBasFrame* EnsurePage(int n);
  void ActivatePage(int n);

  std::unique_ptr<TdmData> dmData_;
  std::unique_ptr<AppContext> ctx_;
  std::array<TfraBasFrame*, kPageCount> slots_{};
  QPointer<HelpWindow> help_;
  bool shownOnce_ = false;
};

// Creates the page of number n (0..14), or nullptr for any other number.
TfraBasFrame* createPage(int n, AppContext& ctx, QWidget* parent);

}  // namespace pk
