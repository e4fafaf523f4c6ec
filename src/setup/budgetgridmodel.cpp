#include "setup/budgetgridmodel.h"

#include <QDate>
#include <QFileInfo>
#include <QLocale>

#include "core/budget/frequency.h"
#include "core/format/numbers.h"
#include "core/prompter.h"
#include "core/store/db.h"

namespace pk {

QString BudgetDateFormat() {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QLatin1String("yyyy"))) format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
  return format;
}

BudgetGridModel::BudgetGridModel(BudgetSheet& sheet, int type, Prompter& prompter,
                                 const ProgramFolder& folder, QObject* parent)
    : QAbstractTableModel(parent),
      sheet_(sheet),
      type_(type),
      columns_(BudgetColumnsFor(type)),
      prompter_(prompter),
      folder_(folder),
      dateFormat_(BudgetDateFormat()) {}

int BudgetGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(sheet_.rows(type_).size());
}

int BudgetGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : BudgetColumns::kCount;
}

QString BudgetGridModel::amountEditText(const std::optional<double>& amount) const {
  if (!amount) return QString();
  QLocale locale;
  locale.setNumberOptions(QLocale::OmitGroupSeparator);
  return locale.toString(*amount, 'f', 2);
}

QPixmap BudgetGridModel::picture(int row) const {
  if (row < 0 || row >= rowCount()) return QPixmap();
  const QString icon = sheet_.rows(type_)[row].icon;
  if (icon.isEmpty()) return QPixmap();
  auto it = pictures_.constFind(icon);
  if (it != pictures_.constEnd()) return *it;
  const QString file = folder_.imageFile(icon);
  QPixmap pixmap;
  if (QFileInfo(file).isFile()) pixmap.load(file);
  pictures_.insert(icon, pixmap);
  return pixmap;
}

QVariant BudgetGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const BudgetRow& r = sheet_.rows(type_)[index.row()];
  const int col = index.column();
  const BudgetColumns& c = columns_;
  const auto dateText = [this](const std::optional<DayNumber>& d) {
    return d ? QLocale().toString(dateOf(*d), dateFormat_) : QString();
  };
  const auto money = [](const std::optional<double>& v) {
    return v ? CurrencyFloatFormat(*v) : QString();
  };

  switch (role) {
    case Qt::DisplayRole:
      if (col == c.name) return r.name;
      if (col == c.frequency) return FrequencyName(r.frequency);
      if (col == c.startDate) return dateText(r.start);
      if (col == c.lastDate) return dateText(r.last);
      if (col == c.amount) return money(r.amount);
      if (col == c.annual) return money(r.annual);
      if (col == c.itemID) return r.itemID;
      return QVariant();
    case Qt::EditRole:
      if (col == c.frequency) return FrequencyName(r.frequency);
      if (col == c.startDate || col == c.lastDate)
        return dateOf(sheet_.EditorDate(type_, col, index.row()));
      if (col == c.amount) return amountEditText(r.amount);
      return data(index, Qt::DisplayRole);
    case Qt::TextAlignmentRole:
      if (col == 6 || col == 7 || col == c.annual)
        return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
      return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::BackgroundRole:
      if (col == c.frequency) return r.frequency == -1 ? kBudgetEmptyCell : kBudgetFilledCell;
      if (col == c.startDate) return r.start ? kBudgetFilledCell : kBudgetEmptyCell;
      if (col == c.lastDate) return r.last ? kBudgetFilledCell : kBudgetEmptyCell;
      if (col == c.amount) return r.amount.value_or(0) == 0 ? kBudgetEmptyCell : kBudgetFilledCell;
      if (col == c.fixed) return QColor(226, 226, 226);
      return QVariant();
    case Qt::DecorationRole:
      if (col == c.picture) {
        const QPixmap p = picture(index.row());
        if (!p.isNull()) return p;
      }
      return QVariant();
    case Qt::ToolTipRole:
      if (col == c.name) return r.name;
      return QVariant();
    default:
      return QVariant();
  }
}

QVariant BudgetGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal) return QAbstractTableModel::headerData(section, orientation, role);
  if (role == Qt::DisplayRole) {
    static const char* const captions[BudgetColumns::kCount] = {
        "", "Item", "Item Name", "Frequency", "Start Date", "Last Date",
        "Income ", "Outgoing", "Annual Amount", "itemID"};
    if (section >= 0 && section < BudgetColumns::kCount) return QString::fromLatin1(captions[section]);
  }
  if (role == Qt::TextAlignmentRole) {
    if (section == 6 || section == 7 || section == columns_.annual)
      return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
  }
  return QVariant();
}

Qt::ItemFlags BudgetGridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  const auto s = sheet_.CanSelectCell(type_, index.column(), index.row());
  if (s == BudgetSheet::Selection::Refused) return Qt::ItemIsEnabled;
  Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
  if (s == BudgetSheet::Selection::Allowed) f |= Qt::ItemIsEditable;
  return f;
}

bool BudgetGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!index.isValid() || role != Qt::EditRole) return false;
  BudgetEntry entry;
  try {
    entry = sheet_.CellValidate(type_, index.column(), index.row(), value);
  } catch (const DbError& e) {
    // The row shows the entry; the engine's own text says why it was not stored.
    prompter_.message(MessageKind::Error, e.text());
    emit dataChanged(this->index(index.row(), 0), this->index(index.row(), BudgetColumns::kCount - 1));
    emit entered();
    return false;
  }
  if (entry.result == BudgetEntry::Refused) {
    if (!entry.message.isEmpty()) prompter_.message(MessageKind::Warning, entry.message);
    return false;
  }
  if (entry.result == BudgetEntry::Unchanged) return true;
  emit dataChanged(this->index(index.row(), 0), this->index(index.row(), BudgetColumns::kCount - 1));
  emit entered();
  return true;
}

}  // namespace pk
