#include "core/budget/budgetrow.h"

#include "core/budget/budgettotals.h"
#include "core/budget/calendar.h"
#include "core/budget/frequency.h"
#include "core/format/numbers.h"
#include "core/store/records.h"
#include "core/store/tdmdata.h"

namespace pk {

namespace {

const QString kNeedsStart = QStringLiteral("Start Date Must be Filled First.");
const QString kLastBeforeStart = QStringLiteral("Last date must bigger than start date.");

std::optional<DayNumber> dateCell(const Stmt& q, const char* column) {
  if (q.isNull(column)) return std::nullopt;
  return wholeDay(q.real(column));
}

std::optional<double> numberCell(const Stmt& q, const char* column) {
  if (q.isNull(column)) return std::nullopt;
  return q.real(column);
}

// A frequency read from the file: anything but 1..9 is an empty cell.
int frequencyCell(const Stmt& q) {
  if (q.isNull("budgetFrequency")) return -1;
  const QString name = FrequencyName(int(q.integer("budgetFrequency")));
  return name.isEmpty() ? -1 : FrequencyCode(name);
}

// An entered date, as a day number or a calendar date, reduced to its day.
std::optional<DayNumber> enteredDate(const QVariant& value) {
  if (value.typeId() == QMetaType::QDate) {
    const QDate d = value.toDate();
    if (!d.isValid()) return std::nullopt;
    return dayNumber(d);
  }
  bool ok = false;
  const double d = value.toDouble(&ok);
  if (!ok) return std::nullopt;
  return wholeDay(d);
}

}  // namespace

BudgetColumns BudgetColumnsFor(int type) {
  BudgetColumns c;
  c.amount = type == 2 ? 6 : 7;
  return c;
}

QVector<BudgetRow> LoadBudgetRows(TdmData& data, int type, bool includeSystem) {
  const QString sql = includeSystem
      ? QStringLiteral("SELECT * FROM items WHERE type = :type ORDER BY name")
      : QStringLiteral(
            "SELECT items.* FROM items,categories WHERE (items.catID=categories.catID "
            "AND categories.catSystem=0) AND items.type = :type ORDER BY items.name");
  Stmt q = data.db().prepare(sql);
  q.bind(":type", type);
  QVector<BudgetRow> rows;
  while (q.next()) {
    BudgetRow r;
    r.itemID = int(q.integer("itemID"));
    r.name = q.text("name");
    r.icon = q.text("icon");
    r.frequency = frequencyCell(q);
    r.start = dateCell(q, "budgetStartDate");
    r.last = dateCell(q, "budgetLastDate");
    r.amount = numberCell(q, "budgetAmount");
    r.annual = numberCell(q, "budgetTotal");
    rows.push_back(r);
  }
  return rows;
}

bool RecalcBudgetRow(BudgetRow& row, DayNumber yearStart, bool newStart) {
  if (!row.start) return false;
  // A new start date gives the row a year from it; so does a missing last date,
  // as for the annual totals of the stored items.
  if (newStart || !row.last) row.last = AddDays(*row.start, 364);
  ItemBudget budget;
  budget.frequency = row.frequency;
  budget.amount = row.amount.value_or(0);
  budget.start = row.start;
  budget.last = row.last;
  row.annual = AnnualBudgetTotal(budget, yearStart);
  return true;
}

void FillBudgetRowDates(BudgetRow& row, DayNumber yearStart) {
  if (!row.start) row.start = yearStart;
  if (!row.last) row.last = AddPeriod(0, 12, 0, yearStart);
}

BudgetSave SaveBudgetRow(TdmData& data, BudgetRow& row, DayNumber yearStart) {
  std::optional<ItemRecord> item = LoadItem(data, row.itemID);
  if (!item) return BudgetSave::ItemMissing;
  FillBudgetRowDates(row, yearStart);
  item->budgetFrequency = row.frequency;
  item->budgetAmount = row.amount.value_or(0);
  item->budgetTotal = row.annual.value_or(0);
  item->budgetStartDate = row.start;
  item->budgetLastDate = row.last;
  if (SaveItem(data, *item) == SaveResult::Refused) return BudgetSave::Refused;
  row.name = item->name;  // an item carries its category's name
  return BudgetSave::Saved;
}

// ---- the page's state and handlers ----

void BudgetSheet::LoadBudgetGrid(int type) {
  rows(type) = LoadBudgetRows(data_, type, false);
  UpdateBudgetSubtotals();
}

void BudgetSheet::ReloadBudgetGrid(int type) {
  rows(type) = LoadBudgetRows(data_, type, true);
  const BudgetColumns c = BudgetColumnsFor(type);
  BulkWrite bulk(data_.db());
  for (int row = 0; row < rows(type).size(); ++row) BudgetCellEdited(type, QString(), row, c.frequency);
  UpdateBudgetSubtotals();
}

BudgetSheet::Selection BudgetSheet::CanSelectCell(int type, int column, int row) const {
  if (!valid(type, row)) return Selection::Refused;
  const BudgetColumns c = BudgetColumnsFor(type);
  if (column == c.frequency || column == c.amount) return Selection::Allowed;
  if (column == c.startDate || column == c.lastDate)
    return rows(type)[row].frequency == -1 ? Selection::NeedsFrequency : Selection::Allowed;
  return Selection::Refused;
}

BudgetSheet::Selection BudgetSheet::SelectCell(int type, int column, int row) {
  const Selection s = CanSelectCell(type, column, row);
  if (s == Selection::Allowed) recalcLastDate = column == BudgetColumnsFor(type).startDate;
  return s;
}

bool BudgetSheet::CanEditCell(int type, int column, int row) const {
  return CanSelectCell(type, column, row) == Selection::Allowed;
}

DayNumber BudgetSheet::EditorDate(int type, int column, int row) const {
  if (!valid(type, row)) return budgetStart;
  const BudgetRow& r = rows(type)[row];
  const auto& cell = column == BudgetColumnsFor(type).startDate ? r.start : r.last;
  return cell.value_or(budgetStart);
}

BudgetEntry BudgetSheet::CellValidate(int type, int column, int row, const QVariant& value) {
  if (!CanEditCell(type, column, row)) return {BudgetEntry::Refused, QString()};
  const BudgetColumns c = BudgetColumnsFor(type);
  BudgetRow& r = rows(type)[row];
  // Only an entry in a start date cell is a new start, whatever cell was chosen last.
  if (column != c.startDate) recalcLastDate = false;
  QString text;
  if (column == c.frequency) {
    text = value.toString();
    const int code = text.isEmpty() ? -1 : FrequencyCode(text);
    if (code == r.frequency) return {};
    r.frequency = code;
  } else if (column == c.startDate || column == c.lastDate) {
    const std::optional<DayNumber> date = enteredDate(value);
    if (!date) return {BudgetEntry::Refused, QString()};
    if (column == c.lastDate) {
      // The cell keeps the last date it had when an entry is refused.
      if (!r.start) return {BudgetEntry::Refused, kNeedsStart};
      if (*r.start > *date) return {BudgetEntry::Refused, kLastBeforeStart};
    }
    std::optional<DayNumber>& cell = column == c.startDate ? r.start : r.last;
    if (cell && *cell == *date) return {};
    cell = *date;
  } else {
    text = value.toString();
    if (r.amount && *r.amount == TextToNumber(text)) return {};
  }
  BudgetCellEdited(type, text, row, column);
  return {BudgetEntry::Accepted, QString()};
}

void BudgetSheet::BudgetCellEdited(int type, const QString& value, int row, int column) {
  if (!valid(type, row)) return;
  const BudgetColumns c = BudgetColumnsFor(type);
  if (column == c.amount) rows(type)[row].amount = TextToNumber(value);
  if (column == c.frequency || column == c.startDate || column == c.lastDate || column == c.amount)
    RecalcBudgetRow(type, true, row);
  UpdateBudgetSubtotals();
}

void BudgetSheet::RecalcBudgetRow(int type, bool save, int row) {
  if (!valid(type, row)) return;
  BudgetRow& r = rows(type)[row];
  const bool newStart = recalcLastDate;
  recalcLastDate = false;
  // The first entry in a new row gives it the whole budget year before the
  // annual amount is worked out, so the amount shown and stored is right at once.
  if (save && !r.start) FillBudgetRowDates(r, budgetStart);
  pk::RecalcBudgetRow(r, budgetStart, newStart);
  if (save) SaveBudgetRow(type, row);
}

void BudgetSheet::SaveBudgetRow(int type, int row) {
  if (!valid(type, row)) return;
  pk::SaveBudgetRow(data_, rows(type)[row], budgetStart);
}

void BudgetSheet::UpdateBudgetSubtotals() {
  incomeSubtotal = 0;
  for (const BudgetRow& r : income_) incomeSubtotal += r.annual.value_or(0);
  outgoingSubtotal = 0;
  for (const BudgetRow& r : outgoing_) outgoingSubtotal += r.annual.value_or(0);
  grandTotal = incomeSubtotal - outgoingSubtotal;
}

}  // namespace pk
