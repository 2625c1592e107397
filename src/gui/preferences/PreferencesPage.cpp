#include "gui/preferences/PreferencesPage.h"

#include "gui/widgets/BoundLineEdit.h"

namespace korvane::gui {

const char* const kFlowLabels[10] = {"100%", "90%", "80%", "70%", "60%",
                                     "50%",  "40%", "30%", "20%", "10%"};

QLabel* PreferencesPage::title(const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 1.3);
  font.setBold(true);
  label->setFont(font);
  return label;
}

QPushButton* dialogButton(const QString& text, const QString& hint, QWidget* parent) {
  auto* b = new QPushButton(text, parent);
  b->setToolTip(hint);
  b->setAutoDefault(false);
  return b;
}

QRadioButton* PreferencesPage::radio(const QString& text, QButtonGroup* group, int id,
                                     QWidget* parent) {
  auto* r = new QRadioButton(text, parent);
  group->addButton(r, id);
  return r;
}

void PreferencesPage::selectButton(QButtonGroup* group, int id) {
  if (QAbstractButton* b = group->button(id)) {
    b->setChecked(true);
    return;
  }
  group->setExclusive(false);
  for (QAbstractButton* b : group->buttons()) b->setChecked(false);
  group->setExclusive(true);
}

QHBoxLayout* PreferencesPage::heading(const QString& text, const QString& resetHint,
                                      const QString& resetName, std::function<void()> reset) {
  auto* head = new QHBoxLayout;
  head->addWidget(title(text, this));
  head->addStretch();
  auto* resetButton = button(QStringLiteral("&Reset"), resetHint, this);
  resetButton->setObjectName(resetName);
  connect(resetButton, &QPushButton::clicked, this,
          [this, reset = std::move(reset)] { model_.change(reset); });
  head->addWidget(resetButton);
  return head;
}

QLineEdit* NumberFields::add(const std::string& name, QWidget* parent) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromStdString(name));
  field->setFixedWidth(48);
  field->setAlignment(Qt::AlignRight);
  field->installEventFilter(new NumberKeyFilter(QString::fromStdString(format_.decimalSeparator),
                                                QString::fromStdString(format_.thousandsSeparator),
                                                field));
  fields_[name] = field;
  return field;
}

void NumberFields::load(const preferences::PreferencesControls& controls) {
  for (const auto& [name, field] : fields_) {
    field->setText(QString::fromStdString(controls.fields.at(name)->text()));
  }
}

void NumberFields::store(preferences::PreferencesControls& controls) const {
  for (const auto& [name, field] : fields_) {
    controls.fields.at(name)->setText(field->text().toStdString());
  }
}

}  // namespace korvane::gui
