// What screen readers and accessibility tools see of the main window's pages.
#include "tests/support/testsupport.h"
#include "ui/Sdimain.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTextEdit>
#include <QPlainTextEdit>
#include <gtest/gtest.h>

namespace {
bool isInputControl(QWidget *w)
{
    return qobject_cast<QAbstractButton *>(w) || qobject_cast<QComboBox *>(w) || qobject_cast<QLineEdit *>(w)
        || qobject_cast<QAbstractSpinBox *>(w) || qobject_cast<QAbstractScrollArea *>(w);
}
}

TEST(Accessibility, EveryInputControlOfThePagesHasAName)
{
    TestFolder folder;
    TSDIAppForm w;
    w.show();
    QTabWidget *pages = w.pages();
    for (int p = 0; p < pages->count(); ++p) {
        if (!pages->isTabVisible(p))
            continue;   // the template page comes with its own wizard
        for (QWidget *control : pages->widget(p)->findChildren<QWidget *>()) {
            if (!isInputControl(control) && !control->objectName().endsWith(QLatin1String("Ruler"))
                && control->objectName() != QLatin1String("PaintBox1"))
                continue;
            if (control->inherits("QLineEdit") && control->parent()->inherits("QAbstractSpinBox"))
                continue;
            // Parts of other controls: a grid's headers, a combo box's drop-down list.
            if (control->inherits("QHeaderView") || control->inherits("QTableCornerButton")
                || control->inherits("QComboBoxListView"))
                continue;
            QAccessibleInterface *face = QAccessible::queryAccessibleInterface(control);
            ASSERT_NE(face, nullptr);
            EXPECT_FALSE(face->text(QAccessible::Name).trimmed().isEmpty())
                << pages->tabText(p).toStdString() << ": " << control->metaObject()->className() << " "
                << control->objectName().toStdString();
        }
    }
}
