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
#include <tuple>
#include <utility>

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
// offscreen platform lacks: EntryFieldSelection below runs it under Xvfb).
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

// A middle click pastes the selection, not the clipboard; it needs a platform with a
// selection clipboard: xcb under Xvfb, the CTest entry toolkit_entry_field_tests_xvfb.
TEST(EntryFieldSelection, middle_click_pastes_the_selection) {
    if (!QApplication::clipboard()->supportsSelection())
        GTEST_SKIP() << "no selection clipboard on " << qPrintable(QGuiApplication::platformName());
    toolkit::EntryField field(QStringLiteral("5"));
    field.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    QStringList handled;
    field.on_paste = [&](toolkit::EntryField &, const QString &text) { handled << text; };
    QApplication::clipboard()->setText(QStringLiteral("clipboard"));
    QApplication::clipboard()->setText(QStringLiteral("selection"), QClipboard::Selection);
    QTest::mouseClick(&field, Qt::MiddleButton, Qt::NoModifier, field.rect().center());
    EXPECT_EQ(handled, QStringList{QStringLiteral("selection")});
}

// A double click on a character of a number selects the whole number.
TEST(EntryField, double_click_selects_a_whole_number) {
    toolkit::EntryField field(QStringLiteral("-0.1 1.5E-03"));
    field.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&field));
    for (const auto &[at, number] : {std::pair{2, "-0.1"}, {8, "1.5E-03"}}) {
        field.setCursorPosition(at);
        QTest::mouseDClick(&field, Qt::LeftButton, {},
                           field.inputMethodQuery(Qt::ImCursorRectangle).toRect().center() +
                               QPoint(2, 0));
        EXPECT_EQ(field.selectedText(), QLatin1String(number));
    }
}

// A cell that is a grouped number loses its group separators; any other stays as it is.
TEST(EntryField, pasted_cells_lose_the_groups_of_a_grouped_number) {
    const std::tuple<const char *, const char *, const char16_t *, const char16_t *> cells[] = {
        {".", ",", u" -1,234,567.5E+03 ", u" -1234567.5E+03 "},
        {",", ".", u"6.350,9", u"6350,9"},
        {",", "\u00A0", u"\u00A06\u00A0350", u"6350"},
        {".", ",", u"12,34", u"12,34"},
        {".", ",", u"1234,567", u"1234,567"},
        {".", ",", u"1,234.5,6", u"1,234.5,6"}};
    for (const auto &[decimal, group, cell, cleaned] : cells)
        EXPECT_EQ(toolkit::cleaned_cell(QString::fromUtf16(cell), QString::fromLatin1(decimal),
                                        QString::fromUtf8(group)),
                  QString::fromUtf16(cleaned));
}

} // namespace
