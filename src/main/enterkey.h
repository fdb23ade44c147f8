#pragma once

class QPushButton;
class QWidget;

// Enter and Return press the push button that has the focus, in a window
// that is not a dialog as well (dialogs do this for their buttons already).
void enterPressesFocusedButton(QWidget* window);

// Makes `button` its dialog's default button: Enter presses it wherever the
// focus is, unless another button has the focus.
void makeDefaultButton(QPushButton* button);
