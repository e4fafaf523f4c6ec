#pragma once
// Shared by the setup page tests: a page context on a fresh data file, dropped
// entries sent to a view as real drop events, dialogs run by a script, pictures.
#include <QDir>
#include <QDropEvent>
#include <QImage>
#include <QMimeData>
#include <QtTest>
#include <functional>

#include "app/appcontext.h"
#include "fixture.h"
#include "setup/dialogrunner.h"
#include "setup/iconlist.h"

namespace pk::test {

struct PageEnv {
  Fixture f;
  AppContext ctx{f.data(), f.clock(), f.prompter(), f.folder(), nullptr};
  QString images() const { return f.folder().imagesDir(); }
  qint64 count(const QString& sql) { return f.db().scalar(sql); }
  QString text(const QString& sql) {
    Stmt s = f.db().prepare(sql);
    return s.next() ? s.text(0) : QString();
  }
};

// Sends a drop of an entry onto a view's viewport, as the mouse would.
inline void dropOn(QWidget* target, const DraggedEntry& entry) {
  QWidget* receiver = target;
  if (auto* view = qobject_cast<QAbstractScrollArea*>(target)) receiver = view->viewport();
  QMimeData* mime = makeEntryMime(entry);
  const QPointF at(receiver->width() / 2.0, receiver->height() / 2.0);
  QDragEnterEvent enter(at.toPoint(), Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(receiver, &enter);
  if (enter.isAccepted()) {
    QDropEvent drop(at, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(receiver, &drop);
  }
  delete mime;
}

// Whether a drag of the entry would be accepted over the target.
inline bool acceptsDrag(QWidget* target, const DraggedEntry& entry) {
  QWidget* receiver = target;
  if (auto* view = qobject_cast<QAbstractScrollArea*>(target)) receiver = view->viewport();
  std::unique_ptr<QMimeData> mime(makeEntryMime(entry));
  QDragEnterEvent enter(QPoint(1, 1), Qt::CopyAction | Qt::MoveAction, mime.get(), Qt::LeftButton, Qt::NoModifier);
  enter.ignore();
  QCoreApplication::sendEvent(receiver, &enter);
  return enter.isAccepted();
}

// Runs every dialog through the script while it lives; the script gets the
// dialog shown (not modal) and returns its result. Counts the dialogs run.
class ScriptedDialogs {
 public:
  using Script = std::function<void(QDialog&)>;
  explicit ScriptedDialogs(Script script) : script_(std::move(script)) {
    previous_ = SetDialogRunner([this](QDialog& d) {
      ++shown;
      d.show();
      QCoreApplication::processEvents();
      script_(d);
      if (d.isVisible()) d.done(QDialog::Rejected);
      return d.result();
    });
  }
  ~ScriptedDialogs() { SetDialogRunner(previous_); }
  int shown = 0;

 private:
  Script script_;
  DialogRunner previous_;
};

inline void writePicture(const QString& path, const QSize& size, const QColor& colour) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QImage image(size, QImage::Format_RGB32);
  image.fill(colour);
  QVERIFY(image.save(path, "PNG"));
}

inline void writeText(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).absolutePath());
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace pk::test
