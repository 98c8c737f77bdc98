// Modal dialogs of the windows run through here, so that tests (which cannot
// answer a blocking exec() offscreen) drive the real dialog's controls in a
// hook and return its result, like the prompter answers message boxes.
#pragma once

#include <functional>

class QDialog;

// QDialog::exec(), or the hook when one is set.
int ExecDialog(QDialog& dialog);
// The hook gets the prepared dialog and returns its result code (a test
// clicks its buttons and returns dialog.result()); empty restores exec().
void SetDialogRunner(std::function<int(QDialog&)> runner);
