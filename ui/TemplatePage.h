#pragma once
// The page "Vorlagen Assistent" (its tab is not shown): the template wizard.
#include <QWidget>

class TemplatePage : public QWidget {
    Q_OBJECT
public:
    explicit TemplatePage(QWidget *parent = nullptr);
};
