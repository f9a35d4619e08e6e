#pragma once
// TTransForm: whether one colour of a picture is left out, and which.
#include "editor/elementcommands.h"

#include <QDialog>

class QCheckBox;
class QPushButton;

class TTransForm : public QDialog {
    Q_OBJECT
public:
    explicit TTransForm(QWidget *parent = nullptr);

    void setTransparency(const ElementCommands::Transparency &transparency);
    ElementCommands::Transparency transparency() const;

    QCheckBox *TransCheck;
    QPushButton *ColorBtn;
    QCheckBox *AutoCheck;

private:
    int32_t color_ = 0;
};
