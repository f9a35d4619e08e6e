#include "ui/promptdialogs.h"

#include "core/prompts.h"
#include "ui/applicationidentity.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace {
QMessageBox::Icon toIcon(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Warning: return QMessageBox::Warning;
    case MsgIcon::Error: return QMessageBox::Critical;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

int showBox(QWidget *owner, const Prompt &p)
{
    QMessageBox box(toIcon(p.icon), p.caption.isEmpty() ? defaultMessageCaption() : p.caption,
                    p.text, QMessageBox::NoButton, owner);
    struct Choice { int flag; const char *caption; QMessageBox::ButtonRole role; };
    const Choice choices[] = {
        {MsgYes, "&Ja", QMessageBox::YesRole},
        {MsgNo, "&Nein", QMessageBox::NoRole},
        {MsgOk, "OK", QMessageBox::AcceptRole},
        {MsgCancel, "Abbrechen", QMessageBox::RejectRole},
    };
    std::vector<std::pair<QAbstractButton *, int>> buttons;
    for (const Choice &c : choices) {
        if (p.buttons & c.flag)
            buttons.emplace_back(box.addButton(QString::fromUtf8(c.caption), c.role), c.flag);
    }
    if (!buttons.empty())
        box.setDefaultButton(static_cast<QPushButton *>(buttons.front().first));
    box.exec();
    for (const auto &[button, flag] : buttons)
        if (box.clickedButton() == button)
            return flag;
    // Closed with Escape or the title bar: Cancel where offered, else the last button.
    if (p.buttons & MsgCancel)
        return MsgCancel;
    return buttons.empty() ? MsgOk : buttons.back().second;
}

QString showFileDialog(QWidget *owner, const Prompt &p, int *filterIndex = nullptr)
{
    QFileDialog dialog(owner, p.caption, p.directory, toDialogFilter(p.filter));
    const QStringList filters = dialog.nameFilters();
    if (p.filterIndex >= 1 && p.filterIndex <= filters.size())
        dialog.selectNameFilter(filters.at(p.filterIndex - 1));
    dialog.setAcceptMode(p.kind == Prompt::Kind::SaveFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(p.kind == Prompt::Kind::SaveFile ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    // The program asks itself before overwriting.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !p.confirmOverwrite);
    QString suffix = p.defaultSuffix;
    if (suffix.startsWith(QLatin1Char('.')))
        suffix.remove(0, 1);
    dialog.setDefaultSuffix(suffix);
    if (!p.fileName.isEmpty())
        dialog.selectFile(p.fileName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    if (filterIndex)
        *filterIndex = int(filters.indexOf(dialog.selectedNameFilter())) + 1;
    return dialog.selectedFiles().first();
}
}

void installDialogPrompts(QWidget *owner)
{
    QPointer<QWidget> guard(owner);
    setPromptHandler([guard](const Prompt &p) {
        PromptAnswer a;
        if (p.kind == Prompt::Kind::Message) {
            a.button = showBox(guard, p);
        } else {
            a.fileName = showFileDialog(guard, p, &a.filterIndex);
            a.button = a.fileName.isEmpty() ? MsgCancel : MsgOk;
        }
        return a;
    });
}
