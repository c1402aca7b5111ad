#include "app/steps_question_dialog.h"

#include "app/app_title.h"

#include <QAbstractListModel>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

namespace smscfg {
namespace {

// The steps' lines, each made when the view asks for it.
class StepLines : public QAbstractListModel {
public:
    StepLines(StepsQuestion question, QObject *parent) : QAbstractListModel(parent), m_question(std::move(question)) {}

    int rowCount(const QModelIndex &parent) const override
    {
        return parent.isValid() ? 0 : int(m_question.count);
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole || !index.isValid())
            return {};
        return m_question.step(index.row());
    }

private:
    StepsQuestion m_question;
};

}  // namespace

StepsQuestionDialog::StepsQuestionDialog(const StepsQuestion &question, QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("stepsQuestion"));
    setWindowTitle(applicationTitle());
    auto *summary = new QLabel(question.summary, this);
    summary->setObjectName(QStringLiteral("questionSummary"));
    summary->setWordWrap(true);
    auto *list = new QListView(this);
    list->setObjectName(QStringLiteral("questionSteps"));
    // Every row as high as the first: the view then lays out only what it
    // shows.
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setSelectionMode(QAbstractItemView::NoSelection);
    list->setModel(new StepLines(question, list));
    if (!question.option.isEmpty()) {
        m_option = new QCheckBox(question.option, this);
        m_option->setObjectName(QStringLiteral("questionOption"));
    }
    auto *buttons = new QDialogButtonBox(this);
    QPushButton *apply = buttons->addButton(tr("应用"), QDialogButtonBox::AcceptRole);
    buttons->addButton(QDialogButtonBox::Cancel);
    apply->setDefault(true);
    apply->setFocus();
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(list, 1);
    if (m_option)
        layout->addWidget(m_option);
    layout->addWidget(buttons);
    // About twelve lines of steps: well within 1366x768 with its task bar.
    resize(560, 400);
}

bool StepsQuestionDialog::optionTicked() const
{
    return m_option && m_option->isChecked();
}

}  // namespace smscfg
