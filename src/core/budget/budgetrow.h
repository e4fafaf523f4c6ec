#pragma once
// The budget page's rows and their rules, apart from any window: what each cell
// of an income or outgoing row holds, how a row's annual amount follows from its
// cells, how a row is written to its item, and which cells may be selected,
// edited and entered.
#include <QString>
#include <QVariant>
#include <QVector>
#include <optional>

#include "core/dates.h"

namespace pk {

class TdmData;

// The column numbers of the two budget grids; only the amount column differs.
struct BudgetColumns {
  int fixed = 0;
  int picture = 1;
  int name = 2;
  int frequency = 3;
  int startDate = 4;
  int lastDate = 5;
  int amount = 6;  // 6 "Income " in the income grid, 7 "Outgoing" in the outgoing grid
  int annual = 8;
  int itemID = 9;
  static constexpr int kCount = 10;
};
BudgetColumns BudgetColumnsFor(int type);  // type 2 income, 3 outgoing

// The cells of one row. Dates are whole days, as a date cell shows them.
struct BudgetRow {
  int itemID = 0;
  QString name;
  QString icon;
  int frequency = -1;  // the frequency cell's code; -1 when the cell is empty
  std::optional<DayNumber> start, last;
  std::optional<double> amount;  // empty until an amount is given
  std::optional<double> annual;
};

// Reads the rows of one item type in name order. Without includeSystem the
// items of system categories are left out.
QVector<BudgetRow> LoadBudgetRows(TdmData& data, int type, bool includeSystem);

// Recomputes the row's annual amount for the budget year that begins at
// yearStart. With newStart (the start date has just been entered) the last date
// becomes the start date + 364 days; a row read without a last date takes the
// same. A row without a start date is left as it is; answers whether it was
// recomputed.
bool RecalcBudgetRow(BudgetRow& row, DayNumber yearStart, bool newStart);

// Fills an empty start date with the budget year's start and an empty last date
// with the same day one year after the budget year's start.
void FillBudgetRowDates(BudgetRow& row, DayNumber yearStart);

enum class BudgetSave { Saved, ItemMissing, Refused };
// Writes the row's frequency (-1 for none), amount, annual amount and dates to
// its item; empty dates are filled first (FillBudgetRowDates). An item that no
// longer exists is not written; a refused write has shown its message.
BudgetSave SaveBudgetRow(TdmData& data, BudgetRow& row, DayNumber yearStart);

// The outcome of one entry into a cell.
struct BudgetEntry {
  enum Result { Accepted, Unchanged, Refused } result = Unchanged;
  QString message;  // the refusal, to be shown to the user
};

// The page's state: both grids' rows, the budget start and the three totals,
// with the handlers the grids call. Rows are numbered from 0 (the first item).
class BudgetSheet {
 public:
  explicit BudgetSheet(TdmData& data) : data_(data) {}

  TdmData& data() { return data_; }
  QVector<BudgetRow>& rows(int type) { return type == 2 ? income_ : outgoing_; }
  const QVector<BudgetRow>& rows(int type) const { return type == 2 ? income_ : outgoing_; }

  // Fills a grid from the items of the type, system categories left out.
  void LoadBudgetGrid(int type);
  // Fills a grid from every item of the type and recomputes and saves each row,
  // in one engine transaction.
  void ReloadBudgetGrid(int type);

  // A cell can be selected only in the frequency, date and amount columns; the
  // date cells only when the row has a frequency.
  enum class Selection { Allowed, Refused, NeedsFrequency };
  Selection CanSelectCell(int type, int column, int row) const;
  // As CanSelectCell; an allowed selection also notes whether a start date is
  // about to be entered (recalcLastDate).
  Selection SelectCell(int type, int column, int row);
  // Whether the cell's editor may open: the same cells, refused silently.
  bool CanEditCell(int type, int column, int row) const;
  // The date an editor of a date cell opens with: the cell's date, or the
  // budget start when it is empty.
  DayNumber EditorDate(int type, int column, int row) const;

  // One entry: a frequency name, a date (a day number) or an amount text. An
  // entry equal to what the cell holds changes nothing. An accepted entry is put
  // into its cell and the row is recomputed and saved (BudgetCellEdited); a
  // refused one leaves the cell as it was and says why.
  BudgetEntry CellValidate(int type, int column, int row, const QVariant& value);
  void BudgetCellEdited(int type, const QString& value, int row, int column);
  void RecalcBudgetRow(int type, bool save, int row);
  void SaveBudgetRow(int type, int row);
  void UpdateBudgetSubtotals();

  DayNumber budgetStart = 0;  // the start of the budget year the page shows
  bool recalcLastDate = false;
  double incomeSubtotal = 0;
  double outgoingSubtotal = 0;
  double grandTotal = 0;

 private:
  bool valid(int type, int row) const { return row >= 0 && row < rows(type).size(); }
  TdmData& data_;
  QVector<BudgetRow> income_;
  QVector<BudgetRow> outgoing_;
};

}  // namespace pk
