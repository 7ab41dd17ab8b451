#pragma once

#include <QWidget>

class QString;

namespace toolkit {

// An area of a form that stands for a picture drawn there: screen readers meet it as a
// graphic whose name and description tell what is drawn, and it can carry a tooltip. It
// takes no focus.
class GraphicArea : public QWidget {
public:
    explicit GraphicArea(QWidget *parent);
};

// Makes screen readers meet a form's top-level window as a window and a GraphicArea as a
// graphic. Call once the QApplication exists; later calls do nothing.
void install_accessible_roles();

// Sets what a screen reader reads about a widget beyond its name; Qt announces the change,
// so a reader that is listening hears it at once. Does nothing if it is unchanged.
void set_description(QWidget *widget, const QString &description);

} // namespace toolkit
