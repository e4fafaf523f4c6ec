#include "setup/tfrmitemdlg.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/store/catalogue.h"
#include "core/store/tdmdata.h"
#include "setup/tfeditcategory.h"

namespace pk {

namespace {
const QString kNoCategory = QStringLiteral("Please choose a category or type the name of a new one.");

QToolButton* boxButton(QWidget* parent, const QString& name, const QString& glyph, const QString& hint,
                       const QColor& colour) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
  b->setText(glyph);
  b->setToolTip(hint);
  b->setCursor(Qt::PointingHandCursor);
  b->setFixedSize(30, 28);
  b->setStyleSheet(QStringLiteral("QToolButton { color: %1; font-size: 14pt; font-weight: bold; border: 1px solid "
                                  "rgb(166,190,78); border-radius: 3px; background: white; }"
                                  "QToolButton:hover { background: rgb(236,243,214); }"
                                  "QToolButton:disabled { color: #c0c0c0; border-color: #d8d8d8; }")
                       .arg(colour.name()));
  return b;
}
}  // namespace

TfrmItemDlg::TfrmItemDlg(AppContext& context, ItemRecord& item, bool existing, int type, QWidget* parent)
    : TfrmBasDlg(context, parent), item_(item), work_(item), existing_(existing), type_(type) {
  auto* layout = new QVBoxLayout(mainPanel);
  layout->setContentsMargins(0, 8, 0, 0);
  layout->setSpacing(8);
  lbCategory = new QLabel(mainPanel);
  lbCategory->setObjectName(QStringLiteral("lbCategory"));
  lbCategory->setStyleSheet(QStringLiteral("font-weight: bold; color: rgb(32,91,71);"));
  layout->addWidget(lbCategory);

  auto* row = new QHBoxLayout;
  row->setSpacing(6);
  cbCategories = new QComboBox(mainPanel);
  cbCategories->setObjectName(QStringLiteral("cbCategories"));
  cbCategories->setEditable(true);
  cbCategories->setInsertPolicy(QComboBox::NoInsert);
  cbCategories->setCompleter(nullptr);  // what people type stays as typed
  cbCategories->setMinimumWidth(240);
  cbCategories->setMaxVisibleItems(14);
  cbCategories->lineEdit()->setMaxLength(32);  // an item carries its category's name in 32 characters
  cbCategories->lineEdit()->installEventFilter(this);
  row->addWidget(cbCategories, 1);
  btnEdit = boxButton(mainPanel, QStringLiteral("btnEdit"), QStringLiteral("\u270E"),
                      QStringLiteral("Rename this category"), QColor(32, 91, 71));
  btnCategories = boxButton(mainPanel, QStringLiteral("btnCategories"), QStringLiteral("\u2715"),
                            QStringLiteral("Delete this category"), QColor(176, 32, 32));
  row->addWidget(btnEdit);
  row->addWidget(btnCategories);
  layout->addLayout(row);
  layout->addStretch(1);

  connect(cbCategories, &QComboBox::editTextChanged, this, &TfrmItemDlg::UpdateCategoryButtons);
  connect(cbCategories, &QComboBox::currentIndexChanged, this, &TfrmItemDlg::UpdateCategoryButtons);
  connect(btnEdit, &QToolButton::clicked, this, &TfrmItemDlg::btnEditClick);
  connect(btnCategories, &QToolButton::clicked, this, &TfrmItemDlg::btnCategoriesClick);
  UpdateCategoryButtons();
}

void TfrmItemDlg::setTexts(const QString& caption, const QString& label, const QString& pictureSubfolder) {
  setWindowTitle(caption);
  lbCategory->setText(label);
  pictureSubfolder_ = pictureSubfolder;
}

void TfrmItemDlg::FormShow() {
  ctx.data.newCategoryType = typeText();
  fillBox();
  selectCatID(work_.catID);
  cbCategories->setFocus();
  loadIconPicture(work_.icon);
  UpdateCategoryButtons();
}

void TfrmItemDlg::fillBox() {
  updating_ = true;
  cbCategories->clear();
  for (const auto& [name, catID] : FillCategoryList(ctx.data, typeText())) cbCategories->addItem(name, catID);
  updating_ = false;
}

void TfrmItemDlg::selectCatID(int catID) {
  const int row = catID > 0 ? cbCategories->findData(catID) : -1;
  cbCategories->setCurrentIndex(row);
  if (row < 0) cbCategories->setEditText(QString());
}

int TfrmItemDlg::matchingRow() const {
  const QString text = cbCategories->currentText().trimmed();
  if (text.isEmpty()) return -1;
  // The whole text, letter case ignored.
  return cbCategories->findText(text, Qt::MatchFixedString);
}

int TfrmItemDlg::selectedCatID() const {
  const int row = matchingRow();
  return row < 0 ? 0 : cbCategories->itemData(row).toInt();
}

void TfrmItemDlg::UpdateCategoryButtons() {
  if (updating_) return;
  const int row = matchingRow();
  btnEdit->setEnabled(row >= 0);
  btnCategories->setEnabled(row >= 0);
  if (row >= 0 && (cbCategories->currentIndex() != row || cbCategories->currentText() != cbCategories->itemText(row))) {
    updating_ = true;
    cbCategories->setCurrentIndex(row);
    cbCategories->setEditText(cbCategories->itemText(row));
    updating_ = false;
  }
}

bool TfrmItemDlg::AddTypedCategory() {
  if (matchingRow() >= 0) return true;
  const QString name = cbCategories->currentText().trimmed();
  if (name.isEmpty()) {
    // A category without a name would give the item no name.
    ctx.prompter.message(MessageKind::Warning, kNoCategory);
    cbCategories->setFocus();
    return false;
  }
  CategoryRecord category = NewCategory(ctx.data);
  category.name = name;
  if (SaveCategory(ctx.data, category) == SaveResult::Refused) return false;
  fillBox();
  if (ctx.data.NewCategoryID > 0) selectCatID(ctx.data.NewCategoryID);
  UpdateCategoryButtons();
  return true;
}

void TfrmItemDlg::acOkExecute() {
  try {
    if (!AddTypedCategory()) return;  // the dialog stays open
    if (existing_) {
      // The item as it is stored now (a rename here changed its name), with the
      // picture chosen in this dialog.
      const QString icon = work_.icon;
      if (std::optional<ItemRecord> stored = LoadItem(ctx.data, work_.itemID)) work_ = *stored;
      work_.icon = icon;
    }
    const int catID = selectedCatID();
    if (catID <= 0) {
      ctx.prompter.message(MessageKind::Warning, kNoCategory);
      return;
    }
    work_.catID = catID;
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
    return;
  }
  TfrmBasDlg::acOkExecute();
}

bool TfrmItemDlg::saveRecord() {
  if (SaveItem(ctx.data, work_) == SaveResult::Refused) return false;
  item_ = work_;
  return true;
}

void TfrmItemDlg::lbChangeIconClick() {
  pictureFolder = ctx.folder.imagesDir() + pictureSubfolder_;
  TfrmBasDlg::lbChangeIconClick();
}

bool TfrmItemDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == cbCategories->lineEdit() && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      // Enter creates a typed category and saves the item in one step.
      try {
        if (AddTypedCategory()) acOkExecute();
      } catch (const DbError& e) {
        ctx.prompter.message(MessageKind::Error, e.text());
      }
      return true;
    }
  }
  return TfrmBasDlg::eventFilter(watched, event);
}

void TfrmItemDlg::btnCategoriesClick() {
  try {
    if (work_.catID <= 0) return;
    if (ctx.prompter.ask(MessageKind::Warning, QStringLiteral("Are you sure you want to delete this category?"),
                         Buttons::YesNo) != Answer::Yes) {
      return;
    }
    const int catID = selectedCatID();
    if (catID <= 0) return;
    if (CategoryItemCount(ctx.data, catID) > 0) {
      ctx.prompter.message(MessageKind::Warning,
                           QStringLiteral("The category cannot deleted because it is being used in item(s)"));
      return;
    }
    DeleteCategoryRow(ctx.data, catID);
    fillBox();
    cbCategories->setCurrentIndex(cbCategories->count() > 0 ? 0 : -1);
    if (cbCategories->count() == 0) cbCategories->setEditText(QString());
    UpdateCategoryButtons();
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
  }
}

void TfrmItemDlg::btnEditClick() {
  try {
    const int catID = selectedCatID();
    if (catID <= 0) return;
    QString name = cbCategories->currentText();
    switch (EditCategoryName(ctx.data, name, typeText(), this)) {
      case 1: {
        std::optional<CategoryRecord> category = LoadCategory(ctx.data, catID);
        if (!category) return;
        category->name = name;
        // Saving renames the category's items too.
        if (SaveCategory(ctx.data, *category) == SaveResult::Refused) return;
        fillBox();
        selectCatID(catID);
        UpdateCategoryButtons();
        break;
      }
      case 2:
        ctx.prompter.message(MessageKind::Plain, QStringLiteral("Category with that name already Exist"));
        break;
      default:
        break;
    }
  } catch (const DbError& e) {
    ctx.prompter.message(MessageKind::Error, e.text());
  }
}

TfrmIncomeDlg::TfrmIncomeDlg(AppContext& context, ItemRecord& item, bool existing, QWidget* parent)
    : TfrmItemDlg(context, item, existing, 2, parent) {
  setObjectName(QStringLiteral("frmIncomeDlg"));
  setTexts(QStringLiteral("Income Details"), QStringLiteral("My Income Item"), QStringLiteral("incoming"));
}

TfrmOutgoingDlg::TfrmOutgoingDlg(AppContext& context, ItemRecord& item, bool existing, QWidget* parent)
    : TfrmItemDlg(context, item, existing, 3, parent) {
  setObjectName(QStringLiteral("frmOutgoingDlg"));
  setTexts(QStringLiteral("Outgoing Details"), QStringLiteral("My Outgoing Item"), QStringLiteral("outgoing"));
}

}  // namespace pk
