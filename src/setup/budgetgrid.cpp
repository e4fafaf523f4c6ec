#include "setup/budgetgrid.h"

#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>

#include "core/budget/frequency.h"
#include "core/prompter.h"
#include "setup/budgetgridmodel.h"

namespace pk {

namespace {

const QString kSelectFrequencyFirst = QStringLiteral("Please select a frequency first");
constexpr int kRowHeight = 26;

const BudgetGridModel* budgetModelOf(const QModelIndex& index) {
  return qobject_cast<const BudgetGridModel*>(index.model());
}

}  // namespace

// ---- the editors ----

BudgetGridDelegate::BudgetGridDelegate(bool enterMovesNext, QObject* parent)
    : QStyledItemDelegate(parent), enterMovesNext_(enterMovesNext) {}

QWidget* BudgetGridDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                          const QModelIndex& index) const {
  const BudgetGridModel* model = budgetModelOf(index);
  if (!model) return QStyledItemDelegate::createEditor(parent, option, index);
  const BudgetColumns& c = model->columns();
  const int col = index.column();
  if (col == c.frequency) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QStringLiteral("frequencyEditor"));
    combo->setEditable(false);
    for (int code = 1; code <= 9; ++code) combo->addItem(FrequencyName(code));
    combo->setMaxVisibleItems(9);
    // Choosing from the list is an entry at once.
    auto* self = const_cast<BudgetGridDelegate*>(this);
    connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
    return combo;
  }
  if (col == c.startDate || col == c.lastDate) {
    auto* edit = new QDateEdit(parent);
    edit->setObjectName(col == c.startDate ? QStringLiteral("startDateEditor")
                                           : QStringLiteral("lastDateEditor"));
    edit->setDisplayFormat(BudgetDateFormat());
    edit->setCalendarPopup(true);
    edit->setFrame(false);
    return edit;
  }
  if (col == c.amount) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QStringLiteral("amountEditor"));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setFrame(false);
    return edit;
  }
  return nullptr;
}

void BudgetGridDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  const QVariant value = index.data(Qt::EditRole);
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentIndex(combo->findText(value.toString()));
  } else if (auto* date = qobject_cast<QDateEdit*>(editor)) {
    date->setDate(value.toDate());
  } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    line->setText(value.toString());
  }
}

void BudgetGridDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                      const QModelIndex& index) const {
  if (writing_) return;
  QVariant value;
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    value = combo->currentIndex() < 0 ? QString() : combo->currentText();
  } else if (auto* date = qobject_cast<QDateEdit*>(editor)) {
    value = date->date();
  } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    value = line->text();
  } else {
    return;
  }
  writing_ = true;
  model->setData(index, value, Qt::EditRole);
  writing_ = false;
  // A refused entry shows the cell as it was.
  if (editor->isVisible()) setEditorData(editor, index);
}

void BudgetGridDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                              const QModelIndex&) const {
  editor->setGeometry(option.rect);
}

void BudgetGridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const BudgetGridModel* model = budgetModelOf(index);
  if (!model || index.column() != model->columns().picture) {
    QStyledItemDelegate::paint(painter, option, index);
    return;
  }
  // The item's picture fills the cell, its proportions kept, centred.
  QStyleOptionViewItem opt(option);
  initStyleOption(&opt, index);
  opt.features &= ~QStyleOptionViewItem::HasDecoration;
  opt.icon = QIcon();
  opt.text.clear();
  const QWidget* widget = option.widget;
  QStyle* style = widget ? widget->style() : QApplication::style();
  style->drawControl(QStyle::CE_ItemViewItem, &opt, painter, widget);
  const QPixmap pixmap = model->picture(index.row());
  if (pixmap.isNull()) return;
  QRect target(QPoint(0, 0), pixmap.size().scaled(option.rect.size() - QSize(2, 2), Qt::KeepAspectRatio));
  target.moveCenter(option.rect.center());
  painter->save();
  painter->setRenderHint(QPainter::SmoothPixmapTransform);
  painter->drawPixmap(target, pixmap);
  painter->restore();
}

bool BudgetGridDelegate::eventFilter(QObject* object, QEvent* event) {
  if (enterMovesNext_ && event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      if (auto* editor = qobject_cast<QWidget*>(object)) {
        emit commitData(editor);
        emit closeEditor(editor, QAbstractItemDelegate::EditNextItem);
        return true;
      }
    }
  }
  return QStyledItemDelegate::eventFilter(object, event);
}

// ---- the grid ----

BudgetGrid::BudgetGrid(Prompter& prompter, bool enterMovesNext, QWidget* parent)
    : QTableView(parent),
      prompter_(prompter),
      enterMovesNext_(enterMovesNext),
      delegate_(new BudgetGridDelegate(enterMovesNext, this)) {
  setItemDelegate(delegate_);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectItems);
  // A click on the current cell opens its editor at once (mousePressEvent).
  setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::DoubleClicked |
                  QAbstractItemView::AnyKeyPressed);
  setTabKeyNavigation(true);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  // Both grids keep the room of a scroll bar, so their columns line up.
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  QHeaderView* header = horizontalHeader();
  header->setSectionsClickable(false);
  header->setSectionsMovable(false);
  header->setHighlightSections(false);
  header->setMinimumSectionSize(8);
  header->setFixedHeight(24);
  setStyleSheet(QStringLiteral(
      "QTableView { gridline-color: #d4d4d4; background: white; selection-background-color: #a6be4e;"
      " selection-color: black; }"
      "QHeaderView::section { background: #205b47; color: white; border: none;"
      " border-right: 1px solid #3f7a64; padding: 0 4px; font-weight: bold; }"));
}

void BudgetGrid::setBudgetModel(BudgetGridModel* model) {
  model_ = model;
  setModel(model);
  QHeaderView* header = horizontalHeader();
  header->setSortIndicatorShown(true);
  header->setSortIndicator(model->columns().name, Qt::AscendingOrder);
}

void BudgetGrid::setColumnWidths(const QList<int>& widths) {
  for (int i = 0; i < widths.size(); ++i) setColumnWidth(i, widths[i]);
  if (model_) {
    setColumnHidden(model_->columns().itemID, true);
    horizontalHeader()->setSectionResizeMode(model_->columns().name, QHeaderView::Stretch);
  }
}

QList<int> BudgetGrid::editableColumns() const {
  if (!model_) return {};
  const BudgetColumns& c = model_->columns();
  return {c.frequency, c.startDate, c.lastDate, c.amount};
}

QModelIndex BudgetGrid::step(const QModelIndex& from, int direction) const {
  if (!model_ || model_->rowCount() == 0) return QModelIndex();
  const QList<int> cols = editableColumns();
  const int rows = model_->rowCount();
  // Positions in reading order over the editable columns only.
  int pos;
  if (from.isValid()) {
    int k = 0;
    while (k < cols.size() && cols[k] < from.column()) ++k;
    // A cell outside the editable columns counts as lying just before the next one.
    const bool exact = k < cols.size() && cols[k] == from.column();
    pos = from.row() * int(cols.size()) + k;
    if (!exact && direction > 0) --pos;
  } else {
    pos = direction > 0 ? -1 : rows * int(cols.size());
  }
  for (pos += direction; pos >= 0 && pos < rows * int(cols.size()); pos += direction) {
    const int row = pos / int(cols.size());
    const int col = cols[pos % int(cols.size())];
    if (model_->sheet().CanSelectCell(model_->type(), col, row) == BudgetSheet::Selection::Allowed)
      return model_->index(row, col);
  }
  return QModelIndex();
}

bool BudgetGrid::askSelect(const QModelIndex& index) {
  if (!model_ || !index.isValid()) return false;
  const auto s = model_->sheet().CanSelectCell(model_->type(), index.column(), index.row());
  if (s == BudgetSheet::Selection::NeedsFrequency) prompter_.message(MessageKind::Warning, kSelectFrequencyFirst);
  return s == BudgetSheet::Selection::Allowed;
}

QModelIndex BudgetGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
  if (!model_ || model_->rowCount() == 0) return QModelIndex();
  const QModelIndex current = currentIndex();
  if (action == MoveNext) return step(current, 1);
  if (action == MovePrevious) return step(current, -1);
  if (!current.isValid()) return step(QModelIndex(), 1);

  const QList<int> cols = editableColumns();
  int row = current.row();
  int col = current.column();
  switch (action) {
    case MoveLeft:
    case MoveRight: {
      int k = int(cols.indexOf(col));
      k += action == MoveRight ? 1 : -1;
      if (k < 0 || k >= cols.size()) return current;
      col = cols[k];
      break;
    }
    case MoveHome:
      col = cols.first();
      break;
    case MoveEnd:
      col = cols.last();
      break;
    default: {
      const QModelIndex moved = QTableView::moveCursor(action, modifiers);
      if (moved.isValid()) row = moved.row();
      break;
    }
  }
  const QModelIndex target = model_->index(row, col);
  if (target == current) return current;
  return askSelect(target) ? target : current;
}

void BudgetGrid::mousePressEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && index != currentIndex() && !askSelect(index)) {
    event->accept();
    return;
  }
  const bool again = index.isValid() && index == currentIndex();
  QTableView::mousePressEvent(event);
  if (again && state() != EditingState && event->button() == Qt::LeftButton) edit(index);
}

void BudgetGrid::mouseDoubleClickEvent(QMouseEvent* event) {
  const QModelIndex index = indexAt(event->position().toPoint());
  if (index.isValid() && model_ &&
      model_->sheet().CanSelectCell(model_->type(), index.column(), index.row()) !=
          BudgetSheet::Selection::Allowed) {
    event->accept();
    return;
  }
  QTableView::mouseDoubleClickEvent(event);
}

void BudgetGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  // The entry of the cell being left is handed in first, while the page still
  // knows whether it was a start date.
  QTableView::currentChanged(current, previous);
  if (model_ && current.isValid()) model_->sheet().SelectCell(model_->type(), current.column(), current.row());
}

void BudgetGrid::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
  const QModelIndex before = currentIndex();
  QTableView::closeEditor(editor, hint);
  // Tab past the last cell (or Shift+Tab before the first) leaves the grid.
  const bool walking = hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem;
  if (walking && currentIndex() == before && !step(before, hint == QAbstractItemDelegate::EditNextItem ? 1 : -1).isValid())
    QWidget::focusNextPrevChild(hint == QAbstractItemDelegate::EditNextItem);
}

void BudgetGrid::paintEvent(QPaintEvent* event) {
  QTableView::paintEvent(event);
  if (!model_ || model_->rowCount() > 0 || emptyText_.isEmpty()) return;
  QPainter painter(viewport());
  painter.setPen(QColor(120, 120, 120));
  painter.drawText(viewport()->rect(), Qt::AlignCenter, emptyText_);
}

void BudgetGrid::keyPressEvent(QKeyEvent* event) {
  // With no editor open, Enter in the income grid also goes on to the next cell.
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && enterMovesNext_ && state() != EditingState) {
    const QModelIndex next = step(currentIndex(), 1);
    if (next.isValid()) setCurrentIndex(next);
    event->accept();
    return;
  }
  QTableView::keyPressEvent(event);
}

void BudgetGrid::focusInEvent(QFocusEvent* event) {
  QTableView::focusInEvent(event);
  // Coming in with Tab starts at the first cell, with Shift+Tab at the last.
  const bool tab = event->reason() == Qt::TabFocusReason;
  if (!tab && event->reason() != Qt::BacktabFocusReason) return;
  const QModelIndex first = step(QModelIndex(), tab ? 1 : -1);
  if (!first.isValid()) return;
  if (first != currentIndex()) setCurrentIndex(first);
  if (state() != EditingState) edit(first);
}

}  // namespace pk
