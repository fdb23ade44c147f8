#include "enterkey.h"

#include <QPushButton>

void enterPressesFocusedButton(QWidget* window)
{
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(true);
}

void makeDefaultButton(QPushButton* button)
{
    button->setAutoDefault(true);
    button->setDefault(true);
}
