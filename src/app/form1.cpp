#include "form1.h"

#include "storage/appstate.h"
#include "ui/windowicon.h"

#include <QLabel>
#include <QVBoxLayout>

// Until the main window proper is built, this shows which set was chosen.
Form1::Form1(AppState &state, Services &services, QWidget *parent)
    : QWidget(parent)
    , m_state(state)
    , m_services(services)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvane?"));
    WindowIcon::apply(this);
    lbl_qset2 = new QLabel(AppState::setFileName(m_state.set_name), this);
    lbl_qset2->setObjectName(QStringLiteral("lbl_qset2"));
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lbl_qset2);
}

Form1 *Form1::showNew(AppState &state, Services &services)
{
    auto *form = new Form1(state, services);
    form->setAttribute(Qt::WA_DeleteOnClose);
    form->show();
    return form;
}
