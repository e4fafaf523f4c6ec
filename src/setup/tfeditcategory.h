#pragma once
// The "Edit Category" dialog that renames a category, and the routine that asks
// for the new name and checks it against the categories of the same type.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace pk {

class TdmData;

class Tfeditcategory : public QDialog {
  Q_OBJECT
 public:
  explicit Tfeditcategory(QWidget* parent = nullptr);

  QLineEdit* Edit1;
  QPushButton* Button1;  // OK
  QPushButton* Button2;  // Cancel

  // The name: the dialog shows it in the field, and closing copies the field back.
  void setName(const QString& value);
  QString name;

  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;
};

// Asks for a category's new name. 1: confirmed and no category of the type has
// that name; 2: confirmed, but a category of the type already has it; 3: cancelled.
// On 1 and 2 name holds the confirmed text. While the dialog is open the data
// module's categories list is limited to the type.
int EditCategoryName(TdmData& data, QString& name, const QString& type, QWidget* parent = nullptr);

}  // namespace pk
