#include "app/shell/field_text.h"

#include <QLineEdit>

#include "common/number_text.h"

namespace tevorin {

std::string fieldText(const QLineEdit* field) {
  return field->text().toLocal8Bit().toStdString();
}

void setFieldText(QLineEdit* field, std::string_view text) {
  field->setText(QString::fromLocal8Bit(text.data(), static_cast<qsizetype>(text.size())));
}

int32_t fieldNumber(const QLineEdit* field) {
  return parseInteger(fieldText(field));
}

}  // namespace tevorin
