#include "window/TypeIntoField.h"

#include <QLineEdit>

void TypeIntoField(QLineEdit* field, const QString& text) {
    field->selectAll();
    field->insert(text);
}
