#include "form/form1.h"

#include <QPushButton>

void Form1::describe_for_screen_readers() {
    // Screen readers read these; sighted users never see them. The controls' spoken names
    // come from the window definition.
    const char *groups[] = {"ABC polar", "ABC rectangular", "012 polar", "012 rectangular"};
    for (std::size_t i = 0; i < Convert.size(); ++i) {
        Convert[i]->setAccessibleDescription(
            QStringLiteral("Converts the %1 entries into the three other forms and draws them")
                .arg(QLatin1String(groups[i])));
    }
    CLEAR->setAccessibleDescription(
        QStringLiteral("Sets every entry to zero and converts the empty case"));
    setAccessibleName(windowTitle());
    setAccessibleDescription(QStringLiteral(
        "Below the entry groups four phasor diagrams: phases A (black), B (red) and C (blue), "
        "then the positive, negative and zero sequence components, all at one scale on which "
        "the longest of A, B and C reaches the outer circle"));
}
