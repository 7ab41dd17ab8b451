#include "form/reading_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <QWindow>

namespace form {

namespace {

QLabel *label_for(const QString &text, QWidget &buddy) {
    auto *label = new QLabel(text);
    label->setWordWrap(true);
    label->setBuddy(&buddy);
    buddy.setAccessibleName(text);
    return label;
}

} // namespace

ReadingWindow::ReadingWindow()
    : QWidget(nullptr, Qt::Tool)
    , quantity_(new QComboBox)
    , prefault_(new QComboBox)
    , group_(new QLineEdit)
    , put_(new QPushButton(tr("Put into the Form")))
    , text_(new QPlainTextEdit) {
    setObjectName(QStringLiteral("reading_window"));
    setWindowTitle(tr("Trivane Reading"));
    // The form keeps the keyboard focus when the reading opens beside it.
    setAttribute(Qt::WA_ShowWithoutActivating);

    quantity_->setObjectName(QStringLiteral("quantity"));
    quantity_->addItem(tr("voltages"), int(Quantity::voltages));
    quantity_->addItem(tr("currents"), int(Quantity::currents));
    quantity_->addItem(tr("not said"), int(Quantity::unsaid));
    prefault_->setObjectName(QStringLiteral("prefault"));
    prefault_->addItem(tr("none"), 0);
    for (int slot = 1; slot <= 10; ++slot)
        prefault_->addItem(tr("slot %1").arg(slot), slot);
    group_->setObjectName(QStringLiteral("group"));
    group_->setPlaceholderText(tr("none"));
    put_->setObjectName(QStringLiteral("put_into_form"));
    put_->setEnabled(false);
    text_->setObjectName(QStringLiteral("reading_text"));
    text_->setReadOnly(true);
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    text_->setTabChangesFocus(true);
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    text_->setAccessibleName(tr("Reading"));
    text_->setMinimumSize(520, 420);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label_for(tr("What the phasors are:"), *quantity_));
    layout->addWidget(quantity_);
    layout->addWidget(label_for(tr("Pre-fault case: none, or slot 1–10"), *prefault_));
    layout->addWidget(prefault_);
    layout->addWidget(put_);
    layout->addWidget(
        label_for(tr("Vector group: none, or an IEC vector group such as Dyn11, YNyn0, Yd1 or Dy5"),
                  *group_));
    layout->addWidget(group_);
    layout->addWidget(text_, 1);
    setTabOrder(quantity_, prefault_);
    setTabOrder(prefault_, put_);
    setTabOrder(put_, group_);
    setTabOrder(group_, text_);

    connect(quantity_, &QComboBox::activated, this, [this](int index) {
        emit quantity_chosen(static_cast<Quantity>(quantity_->itemData(index).toInt()));
    });
    connect(prefault_, &QComboBox::activated, this,
            [this](int index) { emit prefault_chosen(prefault_->itemData(index).toInt()); });
    connect(group_, &QLineEdit::editingFinished, this, [this] {
        if (group_->isModified()) {
            group_->setModified(false);
            emit group_chosen(group_->text());
        }
    });
    connect(put_, &QPushButton::clicked, this, [this] { emit put_into_form(); });
}

void ReadingWindow::show_reading(const CaseReading &reading) {
    {
        const QSignalBlocker quiet_quantity(quantity_);
        quantity_->setCurrentIndex(quantity_->findData(int(reading.quantity)));
        const QSignalBlocker quiet_prefault(prefault_);
        prefault_->setCurrentIndex(prefault_->findData(reading.prefault_slot));
    }
    // What the user is typing stays until it is chosen.
    if (!group_->isModified() && group_->text().trimmed() != reading.group_text)
        group_->setText(reading.group_text);
    put_->setEnabled(reading.delta.has_value());
    const QString text = reading_lines(reading).join(QLatin1Char('\n'));
    if (text != text_->toPlainText())
        text_->setPlainText(text);
}

void ReadingWindow::show_beside(QWidget &form) {
    winId(); // the native window, to be made transient
    if (form.windowHandle() != nullptr && windowHandle() != nullptr)
        windowHandle()->setTransientParent(form.windowHandle());
    show();
}

QString ReadingWindow::text() const {
    return text_->toPlainText();
}

} // namespace form
