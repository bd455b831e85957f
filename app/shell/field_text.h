#pragma once

#include <cstdint>
#include <string>
#include <string_view>

class QLineEdit;

namespace tevorin {

// The program's texts are 8-bit in the system's code page; the fields hold them as Qt text.
std::string fieldText(const QLineEdit* field);
// Runs the field's change handler, inside the call, when the text differs from the field's own.
void setFieldText(QLineEdit* field, std::string_view text);
// The field's whole number; throws ConversionError with the field's text.
int32_t fieldNumber(const QLineEdit* field);

}  // namespace tevorin
