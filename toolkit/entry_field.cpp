#include "toolkit/entry_field.h"

#include "toolkit/number_text.h"

#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

#include <limits>
#include <optional>

namespace toolkit {

EntryField::EntryField(const QString &text, QWidget *parent)
    : QLineEdit(text, parent) {
    // Qt's default keeps the first 32,767 characters of a longer paste and drops the rest
    // without a word; a field takes whatever it is given and the check judges all of it.
    setMaxLength(std::numeric_limits<int>::max());
}

void EntryField::insert_pasted(const QString &pasted) {
    // Qt's undo history gathers typing into one step until the cursor moves, and insert()
    // adds to the step in progress: a move of the cursor and back closes it, so the paste
    // becomes a step of its own, as Qt's own paste makes it. Replacing a selection closes
    // the step already.
    const auto close_undo_step = [this] {
        if (text().isEmpty() || hasSelectedText())
            return;
        const int at = cursorPosition();
        setCursorPosition(at > 0 ? at - 1 : at + 1);
        setCursorPosition(at);
    };
    close_undo_step();
    insert(pasted);
    close_undo_step();
}

void EntryField::paste_text(const QString &pasted) {
    if (on_paste)
        on_paste(*this, pasted);
    else
        insert_pasted(pasted);
}

void EntryField::paste_from(QClipboard::Mode mode) {
    const QString pasted = QGuiApplication::clipboard()->text(mode);
    // As Qt does: no text and nothing selected to replace is no paste.
    if (pasted.isEmpty() && !hasSelectedText())
        return;
    paste_text(pasted);
}

void EntryField::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Paste) && !isReadOnly()) {
        paste_from(QClipboard::Clipboard);
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryField::mouseReleaseEvent(QMouseEvent *event) {
    // The press already put the cursor where the middle button went down.
    if (event->button() == Qt::MiddleButton && !isReadOnly() &&
        QGuiApplication::clipboard()->supportsSelection()) {
        deselect();
        paste_from(QClipboard::Selection);
        event->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(event);
}

// A number is one word here: "-0.1" or "1.5E-03" is selected whole, up to the blanks around
// it, where Qt's word boundaries would stop at the sign, the point or the exponent's sign.
void EntryField::mouseDoubleClickEvent(QMouseEvent *event) {
    QLineEdit::mouseDoubleClickEvent(event);
    const QString shown = text();
    const auto blank = [&](int i) { return shown[i].isSpace(); };
    // The position between two characters: the word is the one on either side of it.
    int at = cursorPositionAt(event->position().toPoint());
    if ((at >= shown.size() || blank(at)) && at > 0)
        --at;
    if (event->button() != Qt::LeftButton || echoMode() != Normal || at >= shown.size() ||
        blank(at))
        return;
    int start = at;
    while (start > 0 && !blank(start - 1))
        --start;
    int end = at;
    while (end < shown.size() && !blank(end))
        ++end;
    setSelection(start, end - start);
}

void EntryField::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    // The standard Paste entry is the action wired to QLineEdit::paste, by its name in Qt 6.4
    // and by pointer in later versions: the entry is the one whose wire can be cut, whatever
    // language its text is in.
    for (QAction *action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste())) ||
            disconnect(action, &QAction::triggered, this, &QLineEdit::paste))
            connect(action, &QAction::triggered, this,
                    [this] { paste_from(QClipboard::Clipboard); });
    }
    if (on_menu)
        on_menu(*menu);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
    event->accept();
}

void EntryField::dropEvent(QDropEvent *event) {
    // Text dragged within the field moves as Qt moves it; text from anywhere else is pasted.
    if (event->source() == this || isReadOnly() || !event->mimeData()->hasText()) {
        QLineEdit::dropEvent(event);
        return;
    }
    event->acceptProposedAction();
    deselect();
    setCursorPosition(cursorPositionAt(event->position().toPoint()));
    paste_text(event->mimeData()->text());
}

QList<QStringList> pasted_cells(const QString &text) {
    QString rows = text;
    rows.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    rows.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (rows.endsWith(QLatin1Char('\n')))
        rows.chop(1);
    QList<QStringList> cells;
    for (const QString &row : rows.split(QLatin1Char('\n')))
        cells.append(row.split(QLatin1Char('\t')));
    return cells;
}

namespace {

bool is_digit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// The core of a cleaned cell (its blanks around it left out) without its group separators if
// it is a grouped number, or nothing if it is not one.
std::optional<QString> ungrouped(QStringView core, QStringView decimal, QStringView group) {
    if (group.isEmpty() || group == decimal || !core.contains(group))
        return std::nullopt;
    qsizetype pos = 0;
    if (pos < core.size() && (core[pos] == u'+' || core[pos] == u'-'))
        ++pos;
    const qsizetype first_digit = pos;
    while (pos < core.size() && is_digit(core[pos]))
        ++pos;
    if (pos == first_digit || pos - first_digit > 3)
        return std::nullopt;
    QString out = core.left(pos).toString();
    qsizetype groups = 0;
    while (core.sliced(pos).startsWith(group)) {
        const qsizetype start = pos + group.size();
        qsizetype end = start;
        while (end < core.size() && is_digit(core[end]))
            ++end;
        if (end - start != 3)
            return std::nullopt;
        out += core.sliced(start, 3);
        pos = end;
        ++groups;
    }
    const QStringView rest = core.sliced(pos);
    if (groups == 0 || rest.contains(group) ||
        !(rest.isEmpty() || rest.startsWith(decimal) || rest.startsWith(u'E') ||
          rest.startsWith(u'e')))
        return std::nullopt;
    return out + rest.toString();
}

} // namespace

QString cleaned_cell(QStringView cell) {
    return cleaned_cell(cell, decimal_separator(), group_separator());
}

QString cleaned_cell(QStringView cell, QStringView decimal, QStringView group) {
    const auto padding = [](QChar c) { return c == u'\u00A0' || c == u'\u2009' || c == u'\u202F'; };
    const auto blank = [&](QChar c) { return c == u' ' || c == u'\t' || padding(c); };

    QString kept;
    kept.reserve(cell.size());
    for (const QChar c : cell) {
        if (c == u'\u200E' || c == u'\u200F')
            continue;
        kept.append(c == u'\u2212' ? QChar(u'-') : c);
    }
    // The blanks at either end, where the padding is dropped and ordinary blanks stay.
    qsizetype first = 0;
    while (first < kept.size() && blank(kept[first]))
        ++first;
    qsizetype last = kept.size();
    while (last > first && blank(kept[last - 1]))
        --last;

    QString out;
    out.reserve(kept.size());
    for (qsizetype i = 0; i < first; ++i) {
        if (!padding(kept[i]))
            out.append(kept[i]);
    }
    const QStringView core = QStringView(kept).sliced(first, last - first);
    out += ungrouped(core, decimal, group).value_or(core.toString());
    for (qsizetype i = last; i < kept.size(); ++i) {
        if (!padding(kept[i]))
            out.append(kept[i]);
    }
    return out;
}

} // namespace toolkit
