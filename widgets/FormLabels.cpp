#include "FormLabels.h"

#include <QLabel>

void MakeLabelsTransparent(QWidget* form) {
    for (QLabel* label : form->findChildren<QLabel*>())
        label->setAutoFillBackground(label->property("Tag").toInt() == 1);
}
