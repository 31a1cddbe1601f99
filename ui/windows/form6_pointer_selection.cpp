#include "ui/windows/form6_pointer_selection.h"

namespace tarlen {

Form6::Form6(QWidget *parent) : QWidget(parent) { setObjectName(QStringLiteral("Form6")); }

QPixmap Form6::picture(StorePicture name) const { return QPixmap::fromImage(drawStorePicture(name)); }

} // namespace tarlen
