#pragma once

#include <QWidget>

// An invisible notice that screen readers read out each time it is shown: the way an item reaches
// a person who cannot see the item panel. A change of a name or description is read only for the
// focused control, and the focus has to stay where the keyboard needs it; a shown notification is
// read wherever the focus is.
class ItemNotice : public QWidget {
    Q_OBJECT
public:
    explicit ItemNotice(QWidget* parent);

    // Reads the text out: once for each call, also when it equals the one before.
    void Announce(const QString& text);
    // Takes the notice away without reading anything.
    void Clear();
};
