#pragma once
// Picture lists: each entry has a caption, a key (defaultID, accID or itemID) and
// the number of its 48 by 48 picture in the list's image list. Picture 0 is the
// built-in default picture; it is never removed and every entry starts with it.
#include <QAbstractListModel>
#include <QListView>
#include <QPixmap>
#include <QRegion>
#include <QVector>
#include <stdexcept>

namespace pk {

class TdmData;

// The pictures of one list, all 48 by 48, picture 0 first.
class ImageList {
 public:
  static constexpr int kSize = 48;
  ImageList();
  int count() const { return int(pictures_.size()); }
  const QPixmap& at(int n) const;
  void append(const QPixmap& picture) { pictures_.append(picture); }
  void replace(int n, const QPixmap& picture);
  // Removes every picture but picture 0.
  void clearExceptFirst() { pictures_.resize(1); }

 private:
  QVector<QPixmap> pictures_;
};

// A picture file that exists but cannot be read as a picture.
class PictureError : public std::runtime_error {
 public:
  explicit PictureError(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& text() const { return text_; }

 private:
  QString text_;
};

class IconListModel : public QAbstractListModel {
  Q_OBJECT
 public:
  static constexpr int KeyRole = Qt::UserRole + 1;
  static constexpr int PictureRole = Qt::UserRole + 2;

  explicit IconListModel(QObject* parent = nullptr);

  ImageList& images() { return images_; }
  const ImageList& images() const { return images_; }

  void clear();
  int addEntry(const QString& caption, int key);  // starts with picture 0; returns its row
  void removeEntry(int row);
  void setCaption(int row, const QString& caption);
  void setPicture(int row, int picture);
  QString caption(int row) const { return entries_.value(row).caption; }
  int key(int row) const { return entries_.value(row).key; }
  int picture(int row) const { return entries_.value(row).picture; }
  int rowOfKey(int key) const;
  // Tells the views that the pictures of the image list changed.
  void picturesChanged();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  struct Entry {
    QString caption;
    int key = 0;
    int picture = 0;
  };
  QVector<Entry> entries_;
  ImageList images_;
};

// What a drop carries: the list it came from (by object name) and its entry.
struct DraggedEntry {
  QString sourceList;
  int key = 0;
  QString caption;
};
// A dragged entry travels as mime data of our own type.
QMimeData* makeEntryMime(const DraggedEntry& entry);
// Reads a drag's entry; false when the drag carries none of ours.
bool readDraggedEntry(const QMimeData* mime, DraggedEntry* out);

// A large-icon view of an IconListModel that starts drags by itself, accepts
// entries dropped from any picture list and reports the keys people press.
class IconListView : public QListView {
  Q_OBJECT
 public:
  explicit IconListView(QWidget* parent = nullptr);
  IconListModel* iconModel() const;
  // The selected row, or -1.
  int selectedRow() const;
  void selectRow(int row);

 signals:
  void entryDropped(const pk::DraggedEntry& entry);
  void rightClicked();
  void entryActivated();   // double-click, Enter or Return on an entry
  void deletePressed();

 protected:
  void startDrag(Qt::DropActions supportedActions) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
};

// Loads a picture file stretched into 48 by 48 (no aspect kept) and appends it to
// the image list. A missing file (or an empty name) changes nothing and answers
// false; a file that is not a picture throws PictureError.
bool AddIconToList(ImageList& images, const QString& file);
// The same, replacing picture n instead of appending.
bool ReplaceIconInList(ImageList& images, const QString& file, int n);

// Fill a list from the preset catalogue of a type ("1", "2", "3") or from a query
// with the columns ID, NAME and ICON. The list and its pictures (except picture 0)
// are emptied first. A picture that cannot be read is reported through the data
// module's prompter and the filling stops at that entry; the answer is then false.
bool FillListFromDefaults(IconListModel& list, const QString& imagesDir, TdmData& data, const QString& type);
bool FillListFromQuery(IconListModel& list, const QString& imagesDir, TdmData& data, const QString& sql);

// The region of a picture without its background: the colour of the top-left
// pixel, cut away run by run on every row.
QRegion RegionFromBitmap(const QImage& picture);

}  // namespace pk
