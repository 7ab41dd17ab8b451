// Every way text is pasted into an entry field reaches its one paste handler, and without a
// handler a paste goes in whole, at the cursor, as one undoable step.
#include "toolkit/entry_field.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Route {
    const char *name;
    std::function<void(toolkit::EntryField &)> paste;
};

void menu_paste(toolkit::EntryField &field) {
    QContextMenuEvent event(QContextMenuEvent::Mouse, field.rect().center(),
                            field.mapToGlobal(field.rect().center()));
    QApplication::sendEvent(&field, &event);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    for (QAction *action : menu->actions()) {
        if (action->text().startsWith(QLatin1String("&Paste")))
            action->trigger();
    }
    menu->close();
}

void drop(toolkit::EntryField &field) {
    QMimeData data;
    data.setText(QApplication::clipboard()->text());
    // Qt delivers a drop only where the drag entered first.
    QDragEnterEvent enter(field.rect().center(), Qt::CopyAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(&field, &enter);
    QDropEvent event(field.rect().center(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&field, &event);
}

// State: a shown field with a paste handler; the clipboard holds a block of cells.
// Action: paste it by each route (the middle click needs a selection clipboard, which the
// offscreen platform lacks: it is checked on a real X server).
// Expected: the handler gets the whole text once, and the field's text is untouched.
TEST(EntryField, every_paste_route_reaches_the_handler) {
    const Route routes[] = {
        {"ctrl_v", [](auto &f) { QTest::keyClick(&f, Qt::Key_V, Qt::ControlModifier); }},
        {"shift_insert", [](auto &f) { QTest::keyClick(&f, Qt::Key_Insert, Qt::ShiftModifier); }},
        {"context_menu", menu_paste},
        {"drop", drop},
    };
    const QString block = QStringLiteral("1\t2\n3\t4\n");
    for (const Route &route : routes) {
        SCOPED_TRACE(route.name);
        toolkit::EntryField field(QStringLiteral("5"));
        field.show();
        field.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&field));
        QStringList handled;
        field.on_paste = [&](toolkit::EntryField &, const QString &text) { handled << text; };
        QApplication::clipboard()->setText(block);
        route.paste(field);
        EXPECT_EQ(handled, QStringList{block});
        EXPECT_EQ(field.text(), QStringLiteral("5"));
    }
}

// State: a field with typed text and no handler; the clipboard holds more than the 32,767
// characters Qt's text boxes keep by default.
// Action: Ctrl+V at the end, then Undo.
// Expected: the whole text goes in after the typed one; Undo takes back the paste alone.
TEST(EntryField, a_paste_goes_in_whole_and_undoes_alone) {
    toolkit::EntryField field{QString()};
    field.show();
    field.setFocus();
    QTest::keyClicks(&field, QStringLiteral("12"));
    const QString pasted(40'000, u'7');
    QApplication::clipboard()->setText(pasted);
    QTest::keyClick(&field, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("12") + pasted);
    QTest::keyClick(&field, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(field.text(), QStringLiteral("12"));
}

} // namespace
