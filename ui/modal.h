#pragma once
// Runs the program's own modal dialogs. Tests install a hook that receives the
// dialog instead, fills it like a user would and returns the result code.
#include <functional>

class QDialog;

using ModalHook = std::function<int(QDialog &)>;

// Shows the dialog modally and returns QDialog::Accepted or Rejected.
int runModal(QDialog &dialog);
// Installs a hook (empty: show dialogs for real); returns the previous one.
ModalHook setModalHook(ModalHook hook);
