#pragma once

#include <QClipboard>
#include <QLineEdit>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

class QMenu;

namespace toolkit {

// A single-line text box that sets no length limit and sends every paste one way: the Paste
// keys (Ctrl+V, Shift+Insert), the Paste entry of its standard context menu, a middle click
// that pastes the selection and text dropped on it all hand their text to on_paste. Without
// a handler the text goes in at the cursor, as insert_pasted() puts it.
class EntryField : public QLineEdit {
public:
    explicit EntryField(const QString &text, QWidget *parent = nullptr);

    std::function<void(EntryField &field, const QString &text)> on_paste;

    // Called with the field's standard context menu before it shows, to change its entries.
    std::function<void(QMenu &menu)> on_menu;

    // Puts text in at the cursor, replacing the selection, as one step that Undo takes back.
    void insert_pasted(const QString &text);

    // Hands text to on_paste (or inserts it): what every paste into the field does.
    void paste_text(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void paste_from(QClipboard::Mode mode);
};

// The cells of a pasted text as spreadsheets copy them: rows end at line breaks (LF, CR LF or
// CR) and cells are separated by tabs. A line break at the very end ends the last row; it
// starts no empty one. Any text, the empty one too, has at least one row of one cell.
QList<QStringList> pasted_cells(const QString &text);

// A pasted cell without what documents and web pages put into numbers and a check would
// refuse unseen: the minus sign U+2212 becomes '-', no-break and thin spaces (U+00A0, U+2009,
// U+202F) at either end are dropped, and so are the direction marks U+200E and U+200F
// anywhere. A cell that is a grouped number, an optional sign, one to three digits and then
// groups of three digits, each after the group separator, up to the decimal separator, the
// exponent or the end, loses its group separators ("6,350.9" or, in German, "6.350,9").
// Nothing else changes. The separators are the user's, or given.
QString cleaned_cell(QStringView cell);
QString cleaned_cell(QStringView cell, QStringView decimal, QStringView group);

} // namespace toolkit
