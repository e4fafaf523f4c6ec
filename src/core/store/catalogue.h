#pragma once
// What the setup pages read and decide without any window: the entries of the
// preset catalogue and of the user's own lists, free names for new accounts and
// items, category look-ups and deletion, and where a chosen picture is kept.
#include <QList>
#include <QString>
#include <optional>

namespace pk {

class TdmData;

// One entry of a picture list: its caption, its key and its picture file
// (relative to the images folder; empty for none).
struct CatalogueEntry {
  QString caption;
  int key = 0;
  QString icon;
};

// The presets of one type ("1" accounts, "2" income, "3" outgoing) in sortNum order.
QList<CatalogueEntry> DefaultsEntries(TdmData& data, const QString& type);
// The rows of any query returning the columns ID, NAME and ICON, in its own order.
QList<CatalogueEntry> QueryEntries(TdmData& data, const QString& sql);
// One preset by its defaultID.
std::optional<CatalogueEntry> DefaultEntry(TdmData& data, int defaultID);

// The queries behind the lists of the user's own accounts and items; items of
// system categories are never listed.
QString AccountsListSql();
QString ItemsListSql(int type);

// The caption itself when no account has that name, else the caption with
// " #2", " #3" ... whichever comes first free.
QString FreeAccountName(TdmData& data, const QString& caption);
// The same for an item of the given type. An item name is unique across both
// types and becomes the name of a category of that type, so a name that an item
// of either type or a category of the other type holds is taken as well.
QString FreeItemName(TdmData& data, const QString& caption, int type);

// The category of a type with exactly that name (letter case ignored).
std::optional<int> CategoryByName(TdmData& data, const QString& name, int type);
// Whether a category of the type has that name (letter case ignored).
bool CategoryNameTaken(TdmData& data, const QString& name, int type);
// The number of saved items in a category.
int CategoryItemCount(TdmData& data, int catID);
// Deletes a category row; callers check CategoryItemCount first.
void DeleteCategoryRow(TdmData& data, int catID);

// Where a picture chosen for an account or item is kept. A file outside the
// images folder and its _custom/ subfolder is copied into _custom/ under its own
// name (an existing file of that name is kept and used). The icon value is the
// file name, with "_custom/" before it when the picture lies in _custom/.
struct StoredPicture {
  QString icon;   // the value for the icon column; empty on failure
  QString error;  // a message for the user when the picture could not be kept
};
StoredPicture StoreChosenPicture(const QString& imagesDir, const QString& chosenFile);

}  // namespace pk
