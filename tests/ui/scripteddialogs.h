#pragma once
// Answers the program's own modal dialogs: each step handles one showing, in order.
#include "ui/modal.h"

#include <QDialog>
#include <deque>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

class ScriptedDialogs {
public:
    using Step = std::function<int(QDialog &)>;
    ScriptedDialogs() { previous_ = setModalHook([this](QDialog &d) { return run(d); }); }
    ~ScriptedDialogs() { setModalHook(previous_); }
    void then(Step step) { steps_.push_back(std::move(step)); }
    std::vector<QString> shown;
    size_t pending() const { return steps_.size(); }

private:
    int run(QDialog &d)
    {
        shown.push_back(d.windowTitle());
        if (steps_.empty()) {
            ADD_FAILURE() << "unexpected dialog " << d.windowTitle().toStdString();
            return QDialog::Rejected;
        }
        Step s = steps_.front();
        steps_.pop_front();
        return s(d);
    }
    std::deque<Step> steps_;
    ModalHook previous_;
};
