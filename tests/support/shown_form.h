#pragma once

// A fresh, shown Form1 for one GUI test: it holds all state, so no reset is needed.
#include "form/form1.h"
#include "form/form_actions.h"
#include "toolkit/application.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace testing_support {

inline std::unique_ptr<Form1> shown_form() {
    static const bool styled = [] {
        toolkit::setup_application(*qApp);
        return true;
    }();
    (void)styled;
    // Every window starts with an empty memory, as at a first start: each gets a folder of
    // its own for the cases it keeps.
    static int windows = 0;
    const QString state =
        QStringLiteral("%1/state-%2").arg(qEnvironmentVariable("HOME")).arg(++windows);
    qputenv("XDG_STATE_HOME", state.toLocal8Bit());
    auto form = std::make_unique<Form1>();
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    (void)QTest::qWaitForWindowActive(form.get(), 1000);
    return form;
}

// Keep Cases Between Runs turned off, as the menu does with its question answered Yes: for
// tests of many thousand conversions, which would otherwise each write the file of kept
// cases.
inline void keep_no_cases(Form1 &form) {
    const std::unique_ptr<QMenu> menu(form.actions().context_menu());
    const auto asked = std::exchange(form.ask, [](const QString &) { return true; });
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("Keep Cases Between Runs"))
            action->setChecked(false);
    }
    form.ask = asked;
}

// A real click at the centre of a control, through Qt's event system.
inline void click(QWidget *widget) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QApplication::processEvents();
}

inline QLineEdit *field(Form1 &form, const char *name) {
    return form.findChild<QLineEdit *>(QLatin1String(name));
}

// Types into a field as a user would: select all, then the keys.
inline void type_into(Form1 &form, const char *name, const QString &text) {
    QLineEdit *edit = field(form, name);
    edit->selectAll();
    edit->setFocus();
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

} // namespace testing_support
