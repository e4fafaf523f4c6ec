#pragma once
// The budget grid: a table view whose cells are chosen and edited as the budget
// page's rules allow, with a drop-down of the frequencies, date editors and a
// text editor for the amount. Tab walks the editable cells; an editor opens as
// soon as a cell is chosen.
#include <QStyledItemDelegate>
#include <QTableView>

namespace pk {

class BudgetGridModel;
class Prompter;

class BudgetGridDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  // With enterMovesNext, Enter accepts the entry and goes on to the next cell;
  // otherwise it accepts the entry and stays.
  BudgetGridDelegate(bool enterMovesNext, QObject* parent = nullptr);

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
  void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                            const QModelIndex& index) const override;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override;

 private:
  bool enterMovesNext_;
  // A message shown while an entry is written takes the focus from the editor,
  // which would hand in the same entry again; that second one is ignored.
  mutable bool writing_ = false;
};

class BudgetGrid : public QTableView {
  Q_OBJECT
 public:
  BudgetGrid(Prompter& prompter, bool enterMovesNext, QWidget* parent = nullptr);

  void setBudgetModel(BudgetGridModel* model);
  BudgetGridModel* budgetModel() const { return model_; }
  BudgetGridDelegate* budgetDelegate() const { return delegate_; }

  // The design widths of the columns; the name column takes the room left over.
  void setColumnWidths(const QList<int>& widths);
  // A line shown in the grid while it has no rows.
  void setEmptyText(const QString& text) { emptyText_ = text; }

 protected:
  QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
  void focusInEvent(QFocusEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  // Whether the cell may be chosen; a date cell of a row without a frequency
  // is refused with a warning.
  bool askSelect(const QModelIndex& index);
  // The next (direction 1) or previous (-1) cell that can be edited, in reading
  // order; date cells of rows without a frequency are passed over.
  QModelIndex step(const QModelIndex& from, int direction) const;
  QList<int> editableColumns() const;

  Prompter& prompter_;
  bool enterMovesNext_;
  BudgetGridModel* model_ = nullptr;
  BudgetGridDelegate* delegate_;
  QString emptyText_;
};

}  // namespace pk
