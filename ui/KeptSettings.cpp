#include "ui/KeptSettings.h"

#include "ui/SettingsPage.h"

#include <QAbstractButton>
#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSettings>
#include <QSpinBox>
#include <QWidget>

namespace {
enum class Property { Checked, Text, Lines, Value };

struct KeptProperty {
    const char *control;
    Property property;
    const char *key;
};

constexpr KeptProperty KeptProperties[] = {
    {"SchneidBtn", Property::Checked, "SchneidBtn.Checked"},
    {"BezEd", Property::Text, "BezEd.Text"},
    {"KarteRechtsCheck", Property::Checked, "KarteRechtsCheck.Checked"},
    {"SitzplatzCheck", Property::Checked, "SitzplatzCheck.Checked"},
    {"SitzplatzMemo", Property::Lines, "SitzplatzMemo.Lines"},
    {"UseSitzCheck", Property::Checked, "UseSitzCheck.Checked"},
    {"ReihenBuchCheck", Property::Checked, "ReihenBuchCheck.Checked"},
    {"ReihenEd", Property::Value, "ReihenEd.Value"},
    {"FirstRowEd", Property::Value, "FirstRowEd.Value"},
    {"PlatzProReiheEd", Property::Value, "PlatzProReiheEd.Value"},
};

// A checkable control may be a button or a tool-bar action.
QVariant checkedOf(QWidget *window, const QString &name)
{
    if (auto *button = window->findChild<QAbstractButton *>(name))
        return button->isChecked();
    if (auto *action = window->findChild<QAction *>(name))
        return action->isChecked();
    return {};
}

void setChecked(QWidget *window, const QString &name, bool checked)
{
    if (auto *button = window->findChild<QAbstractButton *>(name))
        button->setChecked(checked);
    else if (auto *action = window->findChild<QAction *>(name))
        action->setChecked(checked);
}

QVariant currentValue(QWidget *window, const KeptProperty &p)
{
    const QString name = QLatin1String(p.control);
    switch (p.property) {
    case Property::Checked:
        return checkedOf(window, name);
    case Property::Text:
        if (auto *edit = window->findChild<QLineEdit *>(name))
            return edit->text();
        break;
    case Property::Lines:
        if (auto *memo = window->findChild<QPlainTextEdit *>(name))
            return memoLines(memo);
        break;
    case Property::Value:
        if (auto *spin = window->findChild<QSpinBox *>(name))
            return spin->value();
        break;
    }
    return {};
}

void applyValue(QWidget *window, const KeptProperty &p, const QVariant &value)
{
    const QString name = QLatin1String(p.control);
    switch (p.property) {
    case Property::Checked:
        setChecked(window, name, value.toBool());
        break;
    case Property::Text:
        if (auto *edit = window->findChild<QLineEdit *>(name))
            edit->setText(value.toString());
        break;
    case Property::Lines:
        // An empty list may come back as an invalid value: it still means no lines.
        if (auto *memo = window->findChild<QPlainTextEdit *>(name))
            setMemoLines(memo, value.toStringList());
        break;
    case Property::Value:
        if (auto *spin = window->findChild<QSpinBox *>(name)) {
            bool ok = false;
            const int v = value.toInt(&ok);
            if (ok)
                spin->setValue(v);   // the spin edit clamps a value outside its range
        }
        break;
    }
}
}

void restoreKeptSettings(QWidget *mainWindow)
{
    QSettings settings;
    for (const KeptProperty &p : KeptProperties) {
        const QString key = QLatin1String(p.key);
        if (settings.contains(key))
            applyValue(mainWindow, p, settings.value(key));
    }
}

void storeKeptSettings(QWidget *mainWindow)
{
    QSettings settings;
    for (const KeptProperty &p : KeptProperties) {
        const QVariant value = currentValue(mainWindow, p);
        if (value.isValid())
            settings.setValue(QLatin1String(p.key), value);
    }
}
