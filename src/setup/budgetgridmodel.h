#pragma once
// One budget grid's rows (income or outgoing) as a table model over the page's
// BudgetSheet. Entries go through the sheet, which recomputes and saves the row.
#include <QAbstractTableModel>
#include <QColor>
#include <QHash>
#include <QPixmap>

#include "core/budget/budgetrow.h"
#include "core/programfolder.h"

namespace pk {

class Prompter;

// Empty date, frequency and zero amount cells are light blue, filled ones light grey.
inline const QColor kBudgetEmptyCell{195, 217, 255};
inline const QColor kBudgetFilledCell{241, 241, 241};

// The short date format of the locale, always with a four-digit year.
QString BudgetDateFormat();

class BudgetGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  BudgetGridModel(BudgetSheet& sheet, int type, Prompter& prompter, const ProgramFolder& folder,
                  QObject* parent = nullptr);

  int type() const { return type_; }
  const BudgetColumns& columns() const { return columns_; }
  BudgetSheet& sheet() { return sheet_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  // An entry: a frequency name, a QDate or an amount text. A refused entry is
  // explained through the prompter and leaves the cell as it was.
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  // Around reading the sheet's rows of this type afresh.
  void beginFill() { beginResetModel(); }
  void endFill() { endResetModel(); }

  // The item's picture, or a null pixmap when its file is missing.
  QPixmap picture(int row) const;

 signals:
  // An entry was accepted: its row and the totals have changed.
  void entered();

 private:
  QString amountEditText(const std::optional<double>& amount) const;

  BudgetSheet& sheet_;
  int type_;
  BudgetColumns columns_;
  Prompter& prompter_;
  ProgramFolder folder_;
  QString dateFormat_;
  mutable QHash<QString, QPixmap> pictures_;
};

}  // namespace pk
