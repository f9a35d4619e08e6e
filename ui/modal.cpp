#include "ui/modal.h"

#include <QDialog>

static ModalHook &hook()
{
    static ModalHook h;
    return h;
}

int runModal(QDialog &dialog)
{
    if (hook())
        return hook()(dialog);
    return dialog.exec();
}

ModalHook setModalHook(ModalHook h)
{
    ModalHook old = hook();
    hook() = std::move(h);
    return old;
}
