#pragma once

#include "app/message_sink.h"

#include <QDialog>

class QCheckBox;

namespace smscfg {

// The question before a profile is applied (objectName "stepsQuestion"): the
// summary, then every step in a list that scrolls ("questionSteps"), the
// option's check box ("questionOption"), then 应用 (the default) and 取消.
// It keeps a size that fits a small laptop's screen whatever the number of
// steps, and the list makes a step's line only when it comes into view, so
// that 100,000 steps open at once.
class StepsQuestionDialog : public QDialog {
    Q_OBJECT
public:
    StepsQuestionDialog(const StepsQuestion &question, QWidget *parent = nullptr);

    bool optionTicked() const;

private:
    QCheckBox *m_option = nullptr;
};

}  // namespace smscfg
