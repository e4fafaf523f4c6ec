#include "setup/tfeditcategory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/store/catalogue.h"
#include "core/store/tdmdata.h"
#include "setup/dialogrunner.h"

namespace pk {

Tfeditcategory::Tfeditcategory(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("feditcategory"));
  setWindowTitle(QStringLiteral("Edit Category"));
  // A fixed dialog with a title but no close box.
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->setSpacing(14);
  auto* row = new QHBoxLayout;
  row->addWidget(new QLabel(QStringLiteral("Name :"), this));
  Edit1 = new QLineEdit(this);
  Edit1->setObjectName(QStringLiteral("Edit1"));
  Edit1->setMaxLength(32);
  Edit1->setMinimumWidth(240);
  row->addWidget(Edit1, 1);
  layout->addLayout(row);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  Button1 = new QPushButton(QStringLiteral("OK"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  Button2 = new QPushButton(QStringLiteral("Cancel"), this);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setAutoDefault(false);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  layout->addLayout(buttons);
  Button1->setEnabled(false);
  setFixedSize(sizeHint());

  connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  // A category needs a name: OK waits for one.
  connect(Edit1, &QLineEdit::textChanged, this,
          [this](const QString& text) { Button1->setEnabled(!text.trimmed().isEmpty()); });
}

void Tfeditcategory::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  Edit1->selectAll();
  Edit1->setFocus();
}

void Tfeditcategory::setName(const QString& value) {
  name = value;
  Edit1->setText(value);
}

void Tfeditcategory::done(int result) {
  name = Edit1->text();
  QDialog::done(result);
}

namespace {
// The categories list stays limited to one type while the dialog is open,
// whatever way the routine is left.
class CategoryFilter {
 public:
  CategoryFilter(TdmData& data, const QString& type) : data_(data) {
    data_.categoryFilter = QStringLiteral("type = ") + QString::number(type.trimmed().toInt());
    data_.newCategoryType = type;
  }
  ~CategoryFilter() { data_.categoryFilter.clear(); }
  CategoryFilter(const CategoryFilter&) = delete;
  CategoryFilter& operator=(const CategoryFilter&) = delete;

 private:
  TdmData& data_;
};
}  // namespace

int EditCategoryName(TdmData& data, QString& name, const QString& type, QWidget* parent) {
  Tfeditcategory dialog(parent);
  dialog.setName(name);
  CategoryFilter filter(data, type);
  if (ExecDialog(dialog) != QDialog::Accepted) return 3;
  name = dialog.name;
  return CategoryNameTaken(data, name, type.trimmed().toInt()) ? 2 : 1;
}

}  // namespace pk
